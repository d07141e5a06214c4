#include "skin/data/skin_common_sections.h"

#include <string>

#include "skin/data/gradient_data.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_model.h"

namespace {

// A new common section without a parent starts from these values.
TsGeneralData DefaultCommonSection() {
  TsGeneralData s;
  s.States = 3;
  s.OuterMode = 0;
  s.OuterOpacity = 0;
  for (TsGenState& st : s.Props) {
    st = TsGenState{};
    st.Color = 0xFFFFFF;
    st.FontColor.fill(kNoContour);
    st.GlowColor = 0xFFFFFF;
    st.GradientData.clear();
  }
  return s;
}

class TCommonReader {
 public:
  TCommonReader(const TIniText& ini, const std::string& section) : ini_(ini), section_(section) {}
  void Int(const std::string& key, int& field) const {
    const std::int32_t v = ini_.ReadInteger(section_, key, -1);
    if (v != -1) field = v;
  }
  void Color(const std::string& key, TColor& field) const {
    const std::int32_t v = ini_.ReadInteger(section_, key, -1);
    if (v != -1) field = static_cast<TColor>(v);
  }
  void Text(const std::string& key, std::string& field) const {
    const std::string v = ini_.ReadString(section_, key, "?");
    if (v != "?") field = v;
  }
  void Bool(const std::string& key, bool& field) const {
    const std::string v = ini_.ReadString(section_, key, "?");
    if (v != "?") field = UpperName(v) == "1" || UpperName(v) == "TRUE";
  }
  void State(TsGenState& st, bool hot) const {
    const std::string p = hot ? "HOT" : "";
    const std::string g = hot ? "H" : "";
    Color(p + "COLOR", st.Color);
    Color(p + "FONTCOLOR", st.FontColor[0]);
    Color(p + "TCLEFT", st.FontColor[1]);
    Color(p + "TCTOP", st.FontColor[2]);
    Color(p + "TCRIGHT", st.FontColor[3]);
    Color(p + "TCBOTTOM", st.FontColor[4]);
    Color(g + "GCOL", st.GlowColor);
    Int(g + "GSIZE", st.GlowSize);
    Int(p + "GRADIENTPERCENT", st.GradientPercent);
    Text(p + "GRADIENTDATA", st.GradientData);
    Int(p + "IMAGEPERCENT", st.ImagePercent);
    Int(p + "TRANSPARENCY", st.Transparency);
    if (st.GradientData.size() > 5) st.GradientArray = ParseGradientData(st.GradientData);
  }

 private:
  const TIniText& ini_;
  const std::string& section_;
};

int FindIgnoringCase(const TsSkinModel& model, const std::string& name) {
  const std::string wanted = UpperName(name);
  for (std::size_t i = 0; i < model.gd.size(); ++i)
    if (UpperName(model.gd[i].SectionName) == wanted) return static_cast<int>(i);
  return -1;
}

}  // namespace

void MergeCommonSections(TsSkinModel& model, const TIniText& common) {
  for (const TIniText::TSection& section : common.Sections()) {
    const int existing = model.GetSkinIndex(section.Name);
    TsGeneralData record;
    if (existing >= 0) {
      record = model.gd[static_cast<std::size_t>(existing)];
    } else {
      const std::string parentName = common.ReadString(section.Name, "PARENTCLASS", "-1");
      const int parent = FindIgnoringCase(model, parentName);
      record = parent >= 0 ? model.gd[static_cast<std::size_t>(parent)] : DefaultCommonSection();
      record.SectionName = section.Name;
      record.ParentClass = parent >= 0 ? model.gd[static_cast<std::size_t>(parent)].SectionName : "";
    }
    const TCommonReader read(common, section.Name);
    read.Int("STATES", record.States);
    read.State(record.Props[0], false);
    if (record.States >= 2)
      read.State(record.Props[1], true);
    else
      CopyStateValues(record.Props[1], record.Props[0]);
    read.Bool("RESERVEDBOOLEAN", record.ReservedBoolean);
    read.Bool("GIVEOWNFONT", record.GiveOwnFont);
    read.Int("GLOW", record.Glow);
    read.Int("GLOWMARGIN", record.GlowMargin);
    if (existing >= 0)
      model.gd[static_cast<std::size_t>(existing)] = std::move(record);
    else
      model.gd.push_back(std::move(record));
  }
}
