// The gallery's skin handling: the chooser, the sliders, the switch and the
// watch on the chosen skin's files.
#include "tools/gallery/gallery_form.h"

#include <commctrl.h>

#include <algorithm>
#include <filesystem>

#include "base/private_messages.h"
#include "skin/data/utf8_paths.h"
#include "skin/forms/skin_hook.h"
#include "skins/internal_skin.h"

namespace {

// How long the watched files must stay quiet before the skin is reloaded:
// saving a skin writes several files, and an editor may write one twice.
constexpr unsigned kReloadQuietMs = 150;

std::string Utf8(const std::wstring& Text) { return Utf8OfPath(Text); }

std::wstring Wide(const std::string& Text) { return PathFromUtf8(Text).wstring(); }

// A folder as an absolute path: the manager reads a relative one from the program's folder.
std::wstring AbsoluteFolder(const std::wstring& Folder) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(Folder, error);
  return error ? Folder : full.wstring();
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
  MessageBoxProc = [](HWND Owner, const std::wstring& Text, const std::wstring& Caption, UINT Flags) {
    return MessageBoxW(Owner, Text.c_str(), Caption.c_str(), Flags);
  };
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);

  // The manager first: it is the application's default manager by the time
  // the controls are made.
  SkinManager = new TsSkinManager(this);
  // A skin the manager refuses (it keeps the one it had) is explained in a box of the gallery's.
  SkinManager->ShowMessage = [this](const std::string& Text, const std::string& Caption, unsigned Flags) {
    MessageBoxProc(GetHandle(), Wide(Text), Wide(Caption), Flags);
  };
  SkinManager->BeginLoading();
  const auto package = InternalSkinPackage();
  SkinManager->InternalSkins.Add({kGalleryInternalSkin, {package.begin(), package.end()}});
  SkinManager->SetSkinName(kGalleryInternalSkin);
  SkinManager->Loaded();
  new TacSkinHook(SkinManager);  // the message box wears the skin too

  SetCaption(L"Lanque skin gallery");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  GetFont().SetName(L"MS Sans Serif");
  GetFont().SetHeight(-11);
  SetClientSize(660, 540);
  SkinProvider = new TsSkinProvider(this);

  FReloadTimer = new TTimer(this);
  FReloadTimer->SetEnabled(false);
  FReloadTimer->SetInterval(kReloadQuietMs);
  FReloadTimer->OnTimer = [this](TComponent*) { SkinFilesChanged(); };

  BuildMenus();
  BuildButtons(12, 32);
  BuildEdits(12, 182);
  BuildLists(300, 32);
  BuildScrollBars(300, 172);
  BuildLabels(12, 260);
  BuildSkinControls(12, 364);
  FillSkinChooser();
}

TGalleryForm::~TGalleryForm() {
  ListBoxAdapter.reset();
  MemoAdapter.reset();
  ScrollBarAdapter.reset();
}

void TGalleryForm::ApplyOptions(const TGalleryOptions& Options) {
  if (!Options.SkinDirectory.empty()) SetSkinDirectory(Options.SkinDirectory);
  SetHue(Options.Hue);
  SetSaturation(Options.Saturation);
  SetBrightness(Options.Brightness);
  if (!Options.SkinName.empty()) ChooseSkin(Utf8(Options.SkinName));
  SetSkinned(Options.Skinned);
}

void TGalleryForm::SetSkinDirectory(const std::wstring& Folder) {
  const std::wstring full = AbsoluteFolder(Folder);
  SkinDirectoryField->SetText(full);
  std::wstring withSeparator = full;
  if (!withSeparator.empty() && withSeparator.back() != L'\\' && withSeparator.back() != L'/') withSeparator += L'\\';
  SkinManager->SetSkinDirectory(Utf8(withSeparator));
  FillSkinChooser();
  WatchChosenSkin();
}

void TGalleryForm::FillSkinChooser() {
  std::vector<std::string> external;
  SkinManager->GetExternalSkinNames(external);
  FSkinNames.assign(1, kGalleryInternalSkin);
  FSkinNames.insert(FSkinNames.end(), external.begin(), external.end());
  SkinChooser->Send(CB_RESETCONTENT);
  for (const std::string& name : FSkinNames)
    SkinChooser->Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
  const auto chosen = std::find(FSkinNames.begin(), FSkinNames.end(), SkinManager->GetSkinName());
  SkinChooser->Send(CB_SETCURSEL, chosen == FSkinNames.end() ? 0 : chosen - FSkinNames.begin());
}

void TGalleryForm::ChooseSkin(const std::string& Name) {
  SkinManager->SetSkinName(Name);
  const auto chosen = std::find(FSkinNames.begin(), FSkinNames.end(), SkinManager->GetSkinName());
  if (chosen != FSkinNames.end()) SkinChooser->Send(CB_SETCURSEL, chosen - FSkinNames.begin());
  WatchChosenSkin();
}

void TGalleryForm::SetSkinned(bool Value) {
  if (SkinnedSwitch->GetChecked() != Value) SkinnedSwitch->SetChecked(Value);
  SkinManager->SetActive(Value);
}

void TGalleryForm::SetHue(int Degrees) {
  HueSlider->Send(TBM_SETPOS, TRUE, Degrees);
  SliderMoved(HueSlider);
}

void TGalleryForm::SetSaturation(int Value) {
  SaturationSlider->Send(TBM_SETPOS, TRUE, Value);
  SliderMoved(SaturationSlider);
}

void TGalleryForm::SetBrightness(int Value) {
  BrightnessSlider->Send(TBM_SETPOS, TRUE, Value);
  SliderMoved(BrightnessSlider);
}

void TGalleryForm::SliderMoved(TPlainControl* Slider) {
  const int position = static_cast<int>(Slider->Send(TBM_GETPOS));
  if (Slider == HueSlider) SkinManager->SetHueOffset(position);
  if (Slider == SaturationSlider) SkinManager->SetSaturation(position);
  if (Slider == BrightnessSlider) SkinManager->SetBrightness(position);
  ShowSliderValues();
}

void TGalleryForm::ShowSliderValues() {
  HueValue->SetCaption(std::to_wstring(SkinManager->GetHueOffset()) + L"°");
  SaturationValue->SetCaption(std::to_wstring(SkinManager->GetSaturation()));
  BrightnessValue->SetCaption(std::to_wstring(SkinManager->GetBrightness()));
}

void TGalleryForm::WatchChosenSkin() {
  FWatch.reset();
  const std::string directory = SkinManager->GetFullSkinDirectory();
  const std::string name = SkinManager->GetSkinName();
  std::error_code error;
  if (SkinManager->IsPackedSkin())
    FWatch = std::make_unique<TSkinFolderWatch>(directory, false, GetHandle(), WM_SKINFOLDERCHANGED);
  else if (!name.empty() && std::filesystem::is_directory(PathFromUtf8(directory + name), error))
    FWatch = std::make_unique<TSkinFolderWatch>(directory + name, true, GetHandle(), WM_SKINFOLDERCHANGED);
}

void TGalleryForm::SkinFilesChanged() {
  if (FReloading) return;  // changes made while a refusal is shown wait for the next tick
  FReloadTimer->SetEnabled(false);
  if (!SkinManager->GetActive()) return;  // the switch brings the files as they are then
  // A new announcement rather than a refresh: the edited options may name other pieces.
  FReloading = true;
  SkinManager->SetSkinName(SkinManager->GetSkinName());
  FReloading = false;
  ++FReloads;
}

void TGalleryForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SKINFOLDERCHANGED:
      // Each change starts the quiet time again.
      FReloadTimer->SetEnabled(false);
      FReloadTimer->SetEnabled(true);
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // Sliders and scroll bars hear what they asked for, as commands are reflected.
      if (TWinControl* control = Message.LParam ? FromHandle(reinterpret_cast<HWND>(Message.LParam)) : nullptr) {
        Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
        return;
      }
      break;
    case WM_CONTEXTMENU: {
      POINT at{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
      if (Message.LParam == -1) GetCursorPos(&at);
      PopupMenu->Popup(at.x, at.y);
      return;
    }
  }
  TForm::Dispatch(Message);
}
