#pragma once
// The forms, skin and text drawing the frame tests and benchmarks share: the
// login window (305 x 222 client, single border, system menu only) and a
// maximised sizeable window with minimise and close, on the classic system
// metrics (frame 4, fixed frame 3, caption 19).
#include <memory>
#include <string_view>

#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skin/forms/frame/frame_form.h"
#include "skin/paint/items/text_paint.h"
#include "skins/internal_skin.h"

inline const TsSkinModel& InternalSkinModel() {
  static const std::unique_ptr<TsSkinModel> model = [] {
    auto m = std::make_unique<TsSkinModel>();
    m->Load(*TsSkinSource::FromPackedBytes(InternalSkinPackage()));
    return m;
  }();
  return *model;
}

// "蓝鹊商务版登陆" in the GBK code page.
inline constexpr std::string_view kLoginCaption = "\xC0\xB6\xC8\xB5\xC9\xCC\xCE\xF1\xB0\xE6\xB5\xC7\xC2\xBD";

inline TacFrameForm LoginFrameForm() {
  TacFrameForm f;
  f.ClientWidth = 305;
  f.ClientHeight = 222;
  f.Width = 305 + 2 * 3;
  f.Height = 222 + 2 * 3 + 19;
  f.Style = kWsCaption;
  f.BorderStyle = bsSingle;
  f.BorderIcons = biSystemMenu;
  f.Caption = std::string(kLoginCaption);
  f.CaptionTextHeight = 12;
  return f;
}

// Maximised on a 1920 x 1040 work area: the sizing frame lies outside it.
inline TacFrameForm MaximisedFrameForm() {
  TacFrameForm f;
  f.Width = 1920 + 2 * 4;
  f.Height = 1040 + 2 * 4;
  f.ClientWidth = 1920;
  f.ClientHeight = 1040 - 19;
  f.Style = kWsCaption | kWsThickFrame;
  f.BorderStyle = bsSizeable;
  f.BorderIcons = biSystemMenu | biMinimize;
  f.WindowState = wsMaximized;
  f.Caption = std::string(kLoginCaption);
  f.CaptionTextHeight = 12;
  return f;
}

// Block letters: a character takes 5 pixels (a GBK two-byte one 10), the
// first 4 (or 9) inked black over the rectangle's height.
class TBlockRasteriser final : public TsTextRasteriser {
 public:
  void DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned) override {
    const int right = std::min({rect.Right, rect.Left + TextWidth(text), bmp.Width()});
    for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, bmp.Height()); ++y)
      for (int x = std::max(rect.Left, 0); x < right; ++x)
        if ((x - rect.Left) % 5 != 4) bmp.Row(y)[x] &= 0xFF000000u;
  }
  int TextWidth(std::string_view text) override {
    int w = 0;
    for (std::size_t i = 0; i < text.size(); ++i, w += 5)
      if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i, w += 5;
    return w;
  }
  bool IsLeadByte(unsigned char c) const override { return c >= 0x81 && c <= 0xFE; }
  void SetUnderline(bool) override {}
};
