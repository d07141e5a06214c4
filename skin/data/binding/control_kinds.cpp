#include "skin/data/binding/control_kinds.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <initializer_list>

namespace {

using TKindSet = std::bitset<256>;

struct TKindRange {
  int First;
  int Last;
};

TKindSet MakeSet(std::initializer_list<TKindRange> ranges) {
  TKindSet set;
  for (const TKindRange& r : ranges)
    for (int k = r.First; k <= r.Last; ++k) set.set(static_cast<std::size_t>(k));
  return set;
}

bool InSet(const TKindSet& set, int kind) { return kind >= 0 && kind < 256 && set.test(static_cast<std::size_t>(kind)); }

const TKindSet& EditCtrls() {
  static const TKindSet set = MakeSet({{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}, {231, 231}});
  return set;
}

const TKindSet& ForbidMouse() {
  static const TKindSet set = MakeSet({{19, 19}, {51, 74}, {110, 110}, {141, 161}});
  return set;
}

const TKindSet& CanNotBeHot() {
  static const TKindSet set = MakeSet({{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141},
                                       {143, 143}, {151, 151}, {161, 161}, {226, 226}});
  return set;
}

struct TDefaultSection {
  std::initializer_list<TKindRange> Kinds;
  const char* Section;
};

const TDefaultSection kDefaultSections[] = {
    {{{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 85}, {96, 96}, {131, 131}, {140, 140}, {230, 230}},
     "EDIT"},
    {{{11, 18}, {81, 82}}, "COMBOBOX"},
    {{{19, 19}}, "BAR"},
    {{{20, 20}}, "BARTITLE"},
    {{{32, 33}, {50, 50}, {152, 152}}, "CHECKBOX"},
    {{{51, 51}, {59, 59}, {68, 68}, {73, 73}}, "PANEL"},
    {{{52, 52}, {58, 58}}, "PANEL_LOW"},
    {{{53, 54}, {60, 60}}, "TOOLBAR"},
    {{{56, 56}}, "DRAGBAR"},
    {{{57, 57}}, "TABSHEET"},
    {{{74, 74}, {226, 226}}, "GROUPBOX"},
    {{{75, 75}}, "SPLITTER"},
    {{{92, 92}, {95, 95}}, "SPEEDBUTTON"},
    {{{93, 94}}, "BUTTON"},
    {{{98, 98}}, "TOOLBUTTON"},
    {{{141, 141}, {143, 143}}, "PAGECONTROL"},
    {{{151, 151}}, "STATUSBAR"},
    {{{161, 161}}, "GAUGE"},
    {{{165, 165}}, "TRACKBAR"},
};

}  // namespace

bool IsEditCtrl(int kind) { return InSet(EditCtrls(), kind); }
bool IsForbidMouse(int kind) { return InSet(ForbidMouse(), kind); }
bool IsCanNotBeHot(int kind) { return InSet(CanNotBeHot(), kind); }

std::string DefaultSectionOfKind(int kind, std::string_view className) {
  for (const TDefaultSection& entry : kDefaultSections)
    for (const TKindRange& r : entry.Kinds)
      if (kind >= r.First && kind <= r.Last) return entry.Section;
  std::string name(className);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name;
}
