#include <gtest/gtest.h>

#include "skin/paint/colors.h"
#include "skin/paint/hsv.h"
#include "base/sys_colors.h"

TEST(Colors, SwapsExchangeRedAndBlueOrReverseTheBytes) {
  EXPECT_EQ(SwapRedBlue(0x11223344), 0x11443322u);
  EXPECT_EQ(SwapColor(0x11223344), 0x11443322u);
  EXPECT_EQ(SwapLong(0x11223344), 0x44332211u);
  EXPECT_EQ(SwapRedBlue(sFuchsia), sFuchsia);
}

TEST(Colors, SystemColourReferencesAreConvertedOthersPassUnchanged) {
  EXPECT_EQ(ColorToRGB(0x8000000F), SysColor(15));
#ifndef _WIN32
  EXPECT_EQ(ColorToRGB(0x8000000F), 0xF0F0F0u);  // the default button face
#endif
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
}

TEST(Colors, RoundingTrapsOfTheRealArithmetic) {
  EXPECT_EQ(Round(50 * 2.55), 127);  // 127.49999999999999, not a half
  EXPECT_EQ(PercentWeight(50), 127);
  EXPECT_EQ(Trunc(100 * 2.55), 254);  // 254.99999999999997
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Trunc(-0.7), 0);
  EXPECT_EQ(Trunc(1e300), 2147483647);
}

TEST(Colors, MixAverageAndChange) {
  EXPECT_EQ(MixColors(0x0000FF, 0xFF0000, 0.5), 0x7F007Fu);  // each half truncated
  EXPECT_EQ(MixColors(0xAB0000FF, 0xFF0000, 1.0), 0xAB0000FFu);
  EXPECT_EQ(AverageColor(0x0000FF, 0xFF0000), 0x80007Eu);  // 255*127>>8, 255*129>>8
  EXPECT_EQ(AverageColor(0xFF000000, 0), 0u);
  EXPECT_EQ(ChangeColor(0x0000C8, 0x000064, 0.5), 0x000096u);
  EXPECT_EQ(ChangeColor(0x0000FF, 0x000000, -0.5), 0x0000FFu);  // 382 becomes 255
}

TEST(Colors, BrightnessIsLimitedPerChannelAndKeepsTheTopByte) {
  EXPECT_EQ(ChangeBrightness(0x0510F005, 20), 0x0524FF19u);
  EXPECT_EQ(ChangeBrightness(0x00050A00, -6), 0x00000400u);
  EXPECT_EQ(ChangeBrightness(0x00123456, 0), 0x00123456u);
}

TEST(Colors, SaturationMovesChannelsFromOrTowardGrey) {
  // r 200, g 100, b 0
  EXPECT_EQ(ChangeSaturation(0x000064C8, -255), 0x00646464u);
  EXPECT_EQ(ChangeSaturation(0x000064C8, 255), 0x000064FFu);
  EXPECT_EQ(ChangeSaturation(0x000064C8, -90), 0x002364A5u);  // 200-35, 100, 0+35
  // The quotient is truncated toward zero: -100 / 255 is 0, not -1.
  EXPECT_EQ(ChangeSaturation(0x000064C8, 1), 0x000064C8u);
  EXPECT_EQ(ChangeSaturation(0x7F0064C8, 0), 0x7F0064C8u);
}

TEST(Colors, ToneScalesTheToneColourByTheBrightestChannel) {
  EXPECT_EQ(ChangeTone(0x80402010, 0x0000FF), 0x803F0000u);  // red tone, m = 64
  EXPECT_EQ(ChangeTone(0x12000000, 0xFFFFFF), 0x12000000u);
}

TEST(Hue, OffsetsOfAnySignLandOnTheWheel) {
  EXPECT_EQ(ChangeHue(120, 0x0000FF), 0x00FF00u);   // red to green
  EXPECT_EQ(ChangeHue(-120, 0x0000FF), 0xFF0000u);  // red to blue, not to a hue below 0
  EXPECT_EQ(ChangeHue(-480, 0x0000FF), 0xFF0000u);
  EXPECT_EQ(ChangeHue(0, 0x0000FF), 0x0000FFu);
  EXPECT_EQ(ChangeHue(360, 0x0000FF), 0x0000FFu);
  EXPECT_EQ(ChangeHue(60, 0x0000FF), 0x00FFFFu);  // yellow
  EXPECT_EQ(ChangeHue(90, 0x808080), 0x808080u);   // greys keep their value
  EXPECT_EQ(ChangeHue(0, 0x000000), 0x000000u);
  // r 200, g 100, b 50: hue 20, s 0.75; at 50: sector 0, t = 200 * (1 - 0.75 / 6) = 175
  EXPECT_EQ(ChangeHue(30, 0x003264C8), 0x0032AFC8u);
  EXPECT_EQ(ChangeHue(30, 0x553264C8) >> 24, 0x55u);
}

TEST(Hue, ConversionsBothWays) {
  const THsv red = RGBToHSV(0x0000FF);
  EXPECT_EQ(red.H, 0);
  EXPECT_DOUBLE_EQ(red.S, 1);
  EXPECT_DOUBLE_EQ(red.V, 1);
  EXPECT_EQ(Rgb2Hsv(0xFF0000FF).H, 240);  // pixel order: blue
  EXPECT_EQ(HSVtoRGB({120, 1, 1}), 0x00FF00u);
  EXPECT_EQ(Hsv2Rgb({0, 0, 0.5}), 0x007F7F7Fu);  // grey Trunc(127.5)
  EXPECT_EQ(Hsv2Rgb({0, 1, 1}), 0x00FF0000u);
  EXPECT_EQ(HSVtoRGB({-120, 1, 1}), 0xFF0000u);
}
