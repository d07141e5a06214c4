#pragma once
// The skin model: every section, image record and pattern of a loaded skin,
// its skin-wide values, palette, outer effects and constant indexes, and the
// lookups painters use. The skin manager owns one and has it load a skin from
// a source (packed file, folder or internal skin bytes).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ini_text.h"
#include "skin/data/record_name_index.h"
#include "skin/data/skin_records.h"
#include "skin/data/skin_source.h"

struct TsLoadSettings {
  int Brightness = 0;          // the manager's brightness: PNG alpha is prepared only while it is 0 or below
  std::string CommonSections;  // options text merged over every skin
};

// An image value of the options text that gave no picture.
struct TUnresolvedImage {
  std::string Section;
  std::string Key;
  std::string Value;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;
using TsMaskArray = std::vector<TsMaskData>;
using TsPatternArray = std::vector<TsPatternData>;

class TSectionValues;

class TsSkinModel {
 public:
  TsSkinModel();
  TsSkinModel(const TsSkinModel&) = delete;
  TsSkinModel& operator=(const TsSkinModel&) = delete;

  // Frees the previous skin and builds the model from the source: masks,
  // patterns, sections (with the common sections), constant indexes. An
  // image the options name that is there but cannot be read, or a name that
  // leaves a skin folder, raises EPackedSkinError (the model is then cleared).
  void Load(const TsSkinSource& source, const TsLoadSettings& settings = {});
  // Exchanges two whole models (records keep pointing at their own model).
  void Swap(TsSkinModel& other) noexcept;
  // Frees images, patterns and sections: no skin.
  void Clear();

  // The loaders, in the order Load runs them; they read the source given to Load.
  void LoadAllMasks();
  void LoadAllPatterns();
  void LoadAllGeneralData();  // ends with InitMaskIndexes
  void InitMaskIndexes();
  void InitConstantIndexes();  // runs InitMaskIndexes again
  void FreeBitmaps();          // image records (last to first), then the master bitmap
  void FreeJpegs();

  // Lookups. Names compare exactly (letter case counts); -1 means none.
  int GetSkinIndex(std::string_view name) const;
  int GetMaskIndex(int skinIndex, std::string_view section, std::string_view key) const;
  int GetMaskIndex(std::string_view section, std::string_view key) const;
  int GetTextureIndex(int skinIndex, std::string_view section, std::string_view key) const;
  int GetPatternIndex(int skinIndex, std::string_view section, std::string_view key) const;
  bool IsValidSkinIndex(int i) const { return loaded_ && i >= 0 && i < static_cast<int>(gd.size()); }
  bool IsValidImgIndex(int i) const { return i >= 0 && i < static_cast<int>(ma.size()); }

  // Slice widths of image record i: its own margin, else the uniform margin,
  // else the frame width or band height. MaskWidthLeft first makes a
  // FrameCount of 0 into 1.
  int MaskWidthLeft(int i);
  int MaskWidthTop(int i) const;
  int MaskWidthRight(int i) const;
  int MaskWidthBottom(int i) const;

  // The picture an image record is cut from: its own, or the master bitmap.
  const TBitmap32& SourceOf(const TsMaskData& md) const { return md.Image.Empty() ? MasterBitmap : md.Image; }

  TColor GetGlobalColor() const { return Palette[pcMainColor]; }
  TColor GetGlobalFontColor() const { return Palette[pcLabelText]; }
  TColor GetActiveEditColor() const { return Palette[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return Palette[pcEditText]; }
  TColor GetHighLightColor(bool focused) const { return Palette[focused ? pcSelectionBG_Focused : pcSelectionBG]; }
  TColor GetHighLightFontColor(bool focused) const {
    return Palette[focused ? pcSelectionText_Focused : pcSelectionText];
  }

  bool Loaded() const { return loaded_; }

  TsGeneralDataArray gd;  // sections
  TsMaskArray ma;         // image records
  TsPatternArray pa;      // large JPEG textures
  TBitmap32 MasterBitmap;
  TsSkinData SkinData;
  TacOutEffArray OuterEffects;
  TacPalette Palette{};
  TacSkinConstants SkinConstants;
  std::vector<TUnresolvedImage> Unresolved;  // image values of the last load that gave no picture

 private:
  // Loading helpers (skin_model_masks.cpp). LoadImageFile: none when the
  // source has no such image.
  std::optional<TBitmap32> LoadImageFile(std::string_view name, bool prepareAlpha) const;
  void AddImageRecord(const std::string& section, const std::string& key, const std::string& value, bool fromCommon);
  void AddPatternValue(const std::string& section, const std::string& key, const std::string& value,
                       bool alwaysPattern);
  void Unresolve(const std::string& section, const std::string& key, const std::string& value);
  // Sections (skin_model_sections.cpp).
  void ReadSkinData();
  void ReadOuterEffects();
  TsGeneralData ReadSection(const TSectionValues& values, std::size_t section) const;
  void FillPalette();
  void AddTransparentSection();

  // The record indexes by name, rebuilt when the records changed in number or place.
  void RefreshNameIndex() const;
  // The image indexes of section i's own image keys, each from the nearest section of its chain that has it.
  void ResolveSectionImages(std::size_t i);

  using TName = TRecordNameIndex::TName;
  int LookupWithParents(int skinIndex, std::string_view section, std::string_view key,
                        int (TsSkinModel::*exact)(const TName&, const TName&) const) const;
  // The first record named so: any image, a texture only, a pattern.
  int ExactMask(const TName& section, const TName& key) const;
  int ExactTexture(const TName& section, const TName& key) const;
  int ExactPattern(const TName& section, const TName& key) const;

  mutable TRecordNameIndex maskNames_;
  mutable TRecordNameIndex textureNames_;
  mutable TSectionRecordIndex sectionRecords_;
  mutable std::size_t indexedRecords_ = static_cast<std::size_t>(-1);
  mutable const TsMaskData* indexedData_ = nullptr;

  const TsSkinSource* source_ = nullptr;  // while loading only
  TsLoadSettings settings_;
  TIniText common_;
  bool loaded_ = false;
};
