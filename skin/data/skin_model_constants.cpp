// The constant indexes: section and image indexes of the fixed parts of a
// skin, resolved once per load so painters need no name lookups.
#include <array>

#include "skin/data/skin_model.h"

namespace {

constexpr std::array<const char*, 4> kTabs = {"TABLEFT", "TABTOP", "TABRIGHT", "TABBOTTOM"};
constexpr std::array<const char*, 4> kScrollBtns = {"SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT",
                                                    "SCROLLBTNBOTTOM"};
constexpr std::array<const char*, 4> kScrollBars = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
constexpr std::array<const char*, 2> kScrollSliders = {"SCROLLSLIDERH", "SCROLLSLIDERV"};
constexpr std::array<const char*, 11> kTitleGlyphs = {"BICONCLOSE", "BICLOSEALONE", "BICONMAX",  "BICONNORM",
                                                      "BICONMIN",   "BICONHELP",    "SICONCLOSE", "SICONMAX",
                                                      "SICONNORM",  "SICONMIN",     "SICONHELP"};
constexpr std::array<const char*, 9> kCheckGlyphs = {"BOXCHECKED",     "BOXUNCHECKED", "BOXGRAYED",
                                                     "RADIOCHECKED",   "RADIOUNCHECKED", "RADIOGRAYED",
                                                     "SMALLCHECKED",   "SMALLUNCHECKED", "SMALLGRAYED"};
constexpr std::array<const char*, 3> kGrips = {"GRIPIMAGE", "GRIPHORZ", "GRIPVERT"};
constexpr std::array<const char*, ssSectionCount> kSections = {"MENUITEM", "TOOLBUTTON", "CHECKBOX",
                                                               "TRANSPARENT", "GROUPBOX", "WEBBUTTON"};

}  // namespace

void TsSkinModel::InitConstantIndexes() {
  TacSkinConstants& c = SkinConstants;
  c = {};
  c.IndexGlobalInfo = GetSkinIndex("GLOBALINFO");
  const bool global = c.IndexGlobalInfo >= 0;
  const auto globalImage = [&](const char* key) { return global ? GetMaskIndex("GLOBALINFO", key) : -1; };
  c.ExBorder = globalImage("EXBORDER");

  const auto element = [&](const char* name) {
    TacConstElementData e;
    e.SectionName = name;
    e.SkinIndex = GetSkinIndex(name);
    e.BorderMaskIndex = GetMaskIndex(e.SkinIndex, name, "BORDERSMASK");
    e.GlyphMaskIndex = GetMaskIndex(e.SkinIndex, name, "GLYPHMASK");
    e.TextureIndex = {GetMaskIndex(e.SkinIndex, name, "PATTERN"), GetMaskIndex(e.SkinIndex, name, "HOTPATTERN")};
    return e;
  };
  for (std::size_t i = 0; i < kTabs.size(); ++i) c.Tabs[i] = element(kTabs[i]);
  for (std::size_t i = 0; i < kScrollBtns.size(); ++i) c.ScrollBtns[i] = element(kScrollBtns[i]);
  for (std::size_t i = 0; i < kScrollBars.size(); ++i) c.ScrollBars[i] = element(kScrollBars[i]);
  for (std::size_t i = 0; i < kScrollSliders.size(); ++i) c.ScrollSliders[i] = element(kScrollSliders[i]);
  c.ComboBtn = element("COMBOBTN");
  c.ComboBtn.GlyphMaskIndex = GetMaskIndex("COMBOBOX", "GLYPHMASK");

  for (std::size_t i = 0; i < kTitleGlyphs.size(); ++i) c.TitleGlyphs[i] = globalImage(kTitleGlyphs[i]);
  for (std::size_t i = 0; i < kCheckGlyphs.size(); ++i) c.CheckGlyphs[i] = globalImage(kCheckGlyphs[i]);
  for (std::size_t i = 0; i < kGrips.size(); ++i) c.Grips[i] = globalImage(kGrips[i]);
  for (std::size_t i = 0; i < kSections.size(); ++i) c.Sections[i] = GetSkinIndex(kSections[i]);
  InitMaskIndexes();
}
