#include "skin/data/skin_model.h"

#include <algorithm>
#include <utility>

int WidthOfImage(const TsMaskData& md) {
  if (md.FrameCount <= 0) return 0;
  return md.SourceRect.Width() / md.FrameCount;
}

int HeightOfImage(const TsMaskData& md) {
  if (md.MaskKind == 0) return md.SourceRect.Height();
  if (md.MaskKind == 1) return md.SourceRect.Height() / 2;
  if (md.MaskKind < 0) return 0;
  return md.SourceRect.Height() / (md.MaskKind + 1);
}

TsSkinModel::TsSkinModel() { Clear(); }

void TsSkinModel::Clear() {
  FreeBitmaps();
  FreeJpegs();
  gd.clear();
  Unresolved.clear();
  SkinData = {};
  OuterEffects = {};
  Palette.fill(0);
  loaded_ = false;
  InitConstantIndexes();
}

void TsSkinModel::Swap(TsSkinModel& other) noexcept {
  using std::swap;
  swap(gd, other.gd);
  swap(ma, other.ma);
  swap(pa, other.pa);
  swap(MasterBitmap, other.MasterBitmap);
  swap(SkinData, other.SkinData);
  swap(OuterEffects, other.OuterEffects);
  swap(Palette, other.Palette);
  swap(SkinConstants, other.SkinConstants);
  swap(Unresolved, other.Unresolved);
  swap(settings_, other.settings_);
  swap(loaded_, other.loaded_);
  for (TsSkinModel* model : {this, &other}) {
    for (TsMaskData& md : model->ma) md.Owner = model;
    model->indexedRecords_ = static_cast<std::size_t>(-1);  // the name indexes are built again
    model->indexedData_ = nullptr;
  }
}

void TsSkinModel::Load(const TsSkinSource& source, const TsLoadSettings& settings) {
  Clear();
  source_ = &source;
  settings_ = settings;
  common_ = TIniText(settings_.CommonSections);
  try {
    LoadAllMasks();
    LoadAllPatterns();
    LoadAllGeneralData();
  } catch (...) {
    // A load that fails leaves no half skin behind.
    source_ = nullptr;
    common_ = {};
    Clear();
    throw;
  }
  loaded_ = true;
  InitConstantIndexes();
  source_ = nullptr;
  common_ = {};
}

void TsSkinModel::FreeBitmaps() {
  while (!ma.empty()) ma.pop_back();
  MasterBitmap = TBitmap32();
  // The next skin may fill the same storage with as many records.
  indexedRecords_ = static_cast<std::size_t>(-1);
}

void TsSkinModel::FreeJpegs() {
  while (!pa.empty()) pa.pop_back();
}

int TsSkinModel::GetSkinIndex(std::string_view name) const {
  if (name.empty()) return -1;
  for (std::size_t i = 0; i < gd.size(); ++i)
    if (gd[i].SectionName == name) return static_cast<int>(i);
  return -1;
}

void TsSkinModel::RefreshNameIndex() const {
  if (indexedRecords_ == ma.size() && indexedData_ == ma.data()) return;
  maskNames_.Build(ma, false);
  textureNames_.Build(ma, true);
  sectionRecords_.Build(ma);
  indexedRecords_ = ma.size();
  indexedData_ = ma.data();
}

int TsSkinModel::ExactMask(const TName& section, const TName& key) const {
  if (section.Text.empty() || key.Text.empty()) return -1;
  RefreshNameIndex();
  return maskNames_.Find(ma, section, key);
}

int TsSkinModel::ExactTexture(const TName& section, const TName& key) const {
  RefreshNameIndex();
  return textureNames_.Find(ma, section, key);
}

int TsSkinModel::ExactPattern(const TName& section, const TName& key) const {
  for (std::size_t i = 0; i < pa.size(); ++i)
    if (pa[i].SectionName == section.Text && pa[i].KeyName == key.Text) return static_cast<int>(i);
  return -1;
}

int TsSkinModel::GetMaskIndex(std::string_view section, std::string_view key) const {
  return ExactMask(TName(section), TName(key));
}

// The record of the section, else of its parent (searched under the parent's
// own name), and so on up the chain; a cycle ends the search.
int TsSkinModel::LookupWithParents(int skinIndex, std::string_view section, std::string_view key,
                                   int (TsSkinModel::*exact)(const TName&, const TName&) const) const {
  if (skinIndex < 0 || section.empty() || key.empty()) return -1;
  const TName keyName(key);
  for (int depth = 0; depth <= static_cast<int>(gd.size()); ++depth) {
    const int found = (this->*exact)(TName(section), keyName);
    if (found >= 0 || !IsValidSkinIndex(skinIndex)) return found;
    const int parent = GetSkinIndex(gd[static_cast<std::size_t>(skinIndex)].ParentClass);
    if (parent < 0 || parent == skinIndex) return -1;
    skinIndex = parent;
    section = gd[static_cast<std::size_t>(parent)].SectionName;
  }
  return -1;
}

int TsSkinModel::GetMaskIndex(int skinIndex, std::string_view section, std::string_view key) const {
  return LookupWithParents(skinIndex, section, key, &TsSkinModel::ExactMask);
}

int TsSkinModel::GetTextureIndex(int skinIndex, std::string_view section, std::string_view key) const {
  return LookupWithParents(skinIndex, section, key, &TsSkinModel::ExactTexture);
}

int TsSkinModel::GetPatternIndex(int skinIndex, std::string_view section, std::string_view key) const {
  return LookupWithParents(skinIndex, section, key, &TsSkinModel::ExactPattern);
}

int TsSkinModel::MaskWidthLeft(int i) {
  if (!IsValidImgIndex(i)) return 0;
  TsMaskData& md = ma[static_cast<std::size_t>(i)];
  if (md.FrameCount == 0) md.FrameCount = 1;
  return md.MarginLeft >= 1 ? md.MarginLeft : md.UniformMargin >= 1 ? md.UniformMargin : WidthOfImage(md);
}

int TsSkinModel::MaskWidthTop(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& md = ma[static_cast<std::size_t>(i)];
  return md.MarginTop >= 1 ? md.MarginTop : md.UniformMargin >= 1 ? md.UniformMargin : HeightOfImage(md);
}

int TsSkinModel::MaskWidthRight(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& md = ma[static_cast<std::size_t>(i)];
  return md.MarginRight >= 1 ? md.MarginRight : md.UniformMargin >= 1 ? md.UniformMargin : WidthOfImage(md);
}

int TsSkinModel::MaskWidthBottom(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& md = ma[static_cast<std::size_t>(i)];
  return md.MarginBottom >= 1 ? md.MarginBottom : md.UniformMargin >= 1 ? md.UniformMargin : HeightOfImage(md);
}
