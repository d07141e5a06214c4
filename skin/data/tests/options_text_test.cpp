#include <gtest/gtest.h>

#include <string>

#include "skin/data/gradient_data.h"
#include "skin/data/image_values.h"
#include "skin/data/ini_text.h"

TEST(IniText, LooksUpIgnoringCaseAndKeepsTextOrder) {
  const TIniText ini("\xEF\xBB\xBF; comment\r\n[Beta]\r\nZ = 1 \r\nA=x=y\r\n[alpha]\nk=v\n[BETA]\nM=2\nz=9\nno line\n");
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.Sections()[0].Name, "Beta");
  ASSERT_EQ(ini.Sections()[0].Keys.size(), 3u);  // a second [BETA] adds to the first; z=9 repeats Z
  EXPECT_EQ(ini.Sections()[0].Keys[0].Name, "Z");
  EXPECT_EQ(ini.Sections()[0].Keys[2].Name, "M");
  EXPECT_EQ(ini.ReadString("beta", "z", "?"), "1");
  EXPECT_EQ(ini.ReadString("BETA", "a", "?"), "x=y");
  EXPECT_EQ(ini.ReadString("ALPHA", "K", "?"), "v");
  EXPECT_EQ(ini.ReadString("gamma", "k", "?"), "?");
  EXPECT_EQ(ini.ReadInteger("beta", "m", -1), 2);
  EXPECT_EQ(ini.ReadInteger("beta", "a", -1), -1);
}

TEST(IniText, ManySectionsAndKeysStayFoundIgnoringCaseInTextOrder) {
  std::string text;
  for (int s = 0; s < 40; ++s) {
    text += "[Section" + std::to_string(s) + "]\n";
    for (int k = 0; k < 60; ++k) text += "Key" + std::to_string(k) + "=" + std::to_string(s * 100 + k) + "\n";
    text += "KEY7=repeated\n";
  }
  text += "[SECTION3]\nextra=1\n";
  const TIniText ini(text);
  ASSERT_EQ(ini.Sections().size(), 40u);
  for (int s = 0; s < 40; ++s) {
    const TIniText::TSection& section = ini.Sections()[static_cast<std::size_t>(s)];
    ASSERT_EQ(section.Keys.size(), s == 3 ? 61u : 60u);
    for (int k = 0; k < 60; ++k) {
      EXPECT_EQ(section.Keys[static_cast<std::size_t>(k)].Name, "Key" + std::to_string(k));
      EXPECT_EQ(ini.ReadInteger("sECTION" + std::to_string(s), "kEY" + std::to_string(k), -1), s * 100 + k);
    }
  }
  EXPECT_EQ(ini.ReadString("section3", "EXTRA", "?"), "1");
  EXPECT_EQ(ini.ReadString("section4", "EXTRA", "?"), "?");
  EXPECT_EQ(ini.ReadString("section4", "Key60", "?"), "?");
  EXPECT_EQ(ini.FindSection("Section40"), nullptr);
}

TEST(IniText, IntegersAreSigned32BitDecimal) {
  EXPECT_EQ(ParseInt32("-2147483643"), -2147483643);
  EXPECT_EQ(ParseInt32("+7"), 7);
  EXPECT_FALSE(ParseInt32("2147483648"));
  EXPECT_FALSE(ParseInt32("12a"));
  EXPECT_FALSE(ParseInt32(""));
}

TEST(GradientData, ReadsWholeStripesAndConvertsSystemColours) {
  const TsGradArray g = ParseGradientData("16777215;15126203;97;0;0;15126203;15126203;0;0;0;1;2");
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0], (TsGradPie{0xFFFFFF, 0xE6CEBB, 97, gtTopBottom}));
  EXPECT_EQ(g[1].Percent, 0);
  const TsGradArray odd = ParseGradientData("-2147483643;x;250;7;0");
  ASSERT_EQ(odd.size(), 1u);
  EXPECT_EQ(odd[0].Color1, ColorToRGB(0x80000005));
  EXPECT_EQ(odd[0].Color2, 0u);
  EXPECT_EQ(odd[0].Percent, 100);
  EXPECT_EQ(odd[0].Mode1, gtTopBottom);
  EXPECT_TRUE(ParseGradientData("N/A").empty());
}

TEST(ImageValues, BorderColumnsOfTheExample) {
  const TImageValue v = ParseImageValue("^0206^0000^0230^0026^0003^0003^0003^0003^3^1^1^1");
  EXPECT_EQ(v.Form, TImageForm::Border);
  EXPECT_EQ(v.Rect, (TRect{206, 0, 230, 26}));
  EXPECT_EQ(v.Margins, (std::array<int, 4>{3, 3, 3, 3}));
  EXPECT_EQ(v.FrameCount, 3);
  EXPECT_EQ(v.MaskKind, 1);
  EXPECT_EQ(v.PaintMode, 1);
  EXPECT_EQ(v.UniformMargin, 1);
}

TEST(ImageValues, GlyphTextureFileAndMasterForms) {
  const TImageValue glyph = ParseImageValue("@0162@0031@0201@0044@3@0");
  EXPECT_EQ(glyph.Form, TImageForm::Glyph);
  EXPECT_EQ(glyph.Rect, (TRect{162, 31, 201, 44}));
  EXPECT_EQ(glyph.FrameCount, 3);
  EXPECT_EQ(glyph.Kind, itisaGlyph);

  const TImageValue texture = ParseImageValue("~0000~0010~0020~0030~12~1");
  EXPECT_EQ(texture.PaintMode, 12);
  EXPECT_EQ(texture.MaskKind, 1);
  EXPECT_EQ(ParseImageValue("~0000~0010~0020~0030~12").MaskKind, 0);

  const TImageValue file = ParseImageValue("!BUTTONHUGE.BMP!3!1!7!0032!0032!x!0032!4");
  EXPECT_EQ(file.Form, TImageForm::File);
  EXPECT_EQ(file.Kind, itisaPngGlyph);  // kinds above 4 count as 4
  EXPECT_TRUE(file.MarginsGiven);
  EXPECT_EQ(file.Margins, (std::array<int, 4>{32, 32, 0, 32}));
  EXPECT_EQ(file.PaintMode, 4);
  const TImageValue short4 = ParseImageValue("!a.png!2!0!4");
  EXPECT_FALSE(short4.MarginsGiven);
  EXPECT_EQ(short4.PaintMode, 1);
  EXPECT_EQ(ParseImageValue("!a.gif!2!0!4").Form, TImageForm::None);

  const TImageValue master = ParseImageValue("#MASTER (1,2,3,4) (0,-2)");
  EXPECT_EQ(master.Form, TImageForm::Master);
  EXPECT_EQ(master.FrameCount, 1);
  EXPECT_EQ(master.MaskKind, 0);
  EXPECT_EQ(master.PaintMode, 1);
  EXPECT_EQ(ParseImageValue("#").Form, TImageForm::None);
  EXPECT_EQ(ParseImageValue("12").Form, TImageForm::None);
  EXPECT_EQ(ParseImageValue("Pic.bmp").Form, TImageForm::PlainFile);
  EXPECT_TRUE(IsPatternValue("x.JpEg"));
  EXPECT_TRUE(IsPatternValue("a.b.jpg"));
  EXPECT_FALSE(IsPatternValue("x.jp"));
  EXPECT_FALSE(IsPatternValue("xjpeg"));
  EXPECT_TRUE(ContainsIgnoringCase("name.Bmp", ".bMP"));
  EXPECT_TRUE(ContainsIgnoringCase("abc", ""));
}
