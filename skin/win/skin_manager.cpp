#include "skin/win/skin_manager.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <utility>

#include "framework/text.h"
#include "skin/data/binding/change_image.h"
#include "skin/data/binding/skin_color_changes.h"
#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/utf8_paths.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_messages.h"
#include "skin/win/skinable_menus.h"

namespace {

TsSkinManager* gDefaultManager = nullptr;
bool gSkinChanging = false;

constexpr double kOldSkinVersion = 7.45;
constexpr double kNewestSkinVersion = 9.99;

// With its separator; as long as the system allows.
std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size() &&
         path.size() < 32768)
    path.resize(path.size() * 2);
  path.resize(length);
  const std::size_t cut = path.find_last_of(L"\\/");
  return cut == std::wstring::npos ? std::string() : Utf8OfPath(path.substr(0, cut + 1));
}

// Whether the program was started with the argument, compared in lower case.
bool HasProgramArgument(const wchar_t* wanted) {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return false;
  bool found = false;
  for (int i = 1; i < count && !found; ++i) found = lstrcmpiW(args[i], wanted) == 0;
  LocalFree(args);
  return found;
}

std::vector<std::wstring> SplitLines(const std::string& text) {
  std::vector<std::wstring> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.emplace_back(line.begin(), line.end());
  }
  return lines;
}

bool IsFolderSkin(const std::string& folder) {
  std::error_code error;
  return std::filesystem::exists(PathFromUtf8(folder) / "Options.dat", error);
}

bool FileExists(const std::string& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(PathFromUtf8(file), error);
}

}  // namespace

TsSkinManager* DefaultManager() { return gDefaultManager; }
bool SkinChanging() { return gSkinChanging; }

const std::string& DefaultThirdNames(int index) {
  static const std::string buttons = "TButton";
  static const std::string blank = " ";
  return index == tpButton ? buttons : blank;
}

TsSkinManager::TsSkinManager(TComponent* AOwner)
    : TComponent(AOwner), FSkinableMenus(std::make_unique<TsSkinableMenus>(*this)) {
  ShowMessage = [](const std::string& text, const std::string& caption, unsigned flags) {
    MessageBoxW(Application ? Application->GetHandle() : nullptr, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(),
                flags);
  };
  if (!gDefaultManager) SetIsDefault(true);
  FSkinDirectory = "c:\\Skins";
  FSkinPath = GetFullSkinDirectory();
  LoadThirdNames(false);
}

TsSkinManager::~TsSkinManager() {
  Destroying();  // also when the manager is not on the heap
  if (FActive && FSkinLoaded) SendRemoveSkin();
  SetIsDefault(false);
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (FSkinDirectory.empty()) SetSkinDirectory("c:\\Skins");
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = "ICOLINE";
  LoadThirdNames(false);
  if (FActive && !FSkinName.empty()) {
    SendNewSkin(false);
    if (OnActivate) OnActivate(this);
  }
}

bool TsSkinManager::GetIsDefault() const { return gDefaultManager == this; }

void TsSkinManager::SetIsDefault(bool Value) {
  if (Value == GetIsDefault()) return;
  if (Value) {
    if (gDefaultManager) gDefaultManager->SetIsDefault(false);
    gDefaultManager = this;
    if (Application) FHookId = Application->HookMainWindow([this](TMessage& m) { return MainWindowHook(m); });
  } else {
    if (Application && FHookId) Application->UnhookMainWindow(FHookId);
    FHookId = 0;
    gDefaultManager = nullptr;
  }
}

void TsSkinManager::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (Value) {
    SetSkinName(FSkinName);
    return;
  }
  if (FSkinName.empty()) return;
  if (!IsLoading()) SendRemoveSkin();
  Model.InitConstantIndexes();
  CheckShadows();
  if (OnDeactivate) OnDeactivate(this);
}

void TsSkinManager::SetSkinName(const std::string& Value) {
  const std::string oldName = FSkinName;
  FSkinName = Value;
  if (!FActive) return;
  if (OnBeforeChange) OnBeforeChange(this);
  FSkinLoaded = false;
  FSkinName = StripSkinSuffix(FSkinName);
  const bool oldPacked = std::exchange(FPackedSkin, FileExists(GetFullSkinDirectory() + FSkinName + std::string(kPackedSkinSuffix)));
  try {
    LoadNamedSkin();
  } catch (const std::exception& error) {
    // The skin that was loaded stays, under its own name.
    FSkinName = oldName;
    FPackedSkin = oldPacked;
    ShowMessage(error.what(), "Error", MB_OK | MB_ICONERROR);
  }
  if (FActive) {
    SendNewSkin(!FUpdateLock);
    if (!IsLoading() && OnActivate) OnActivate(this);
  } else {
    SendRemoveSkin();
    if (OnActivate) OnActivate(this);
  }
  if (OnAfterChange) OnAfterChange(this);
}

bool TsSkinManager::LoadNamedSkin() {
  const std::string directory = GetFullSkinDirectory();
  if (FPackedSkin) {
    LoadFrom(*TsSkinSource::FromPackedFile(PathFromUtf8(directory + FSkinName + std::string(kPackedSkinSuffix))));
    return true;
  }
  if (IsFolderSkin(directory + FSkinName)) {
    LoadFrom(*TsSkinSource::FromFolder(PathFromUtf8(directory + FSkinName)));
    return true;
  }
  int index = InternalSkins.IndexOf(FSkinName);
  if (index < 0 && InternalSkins.Count() > 0) {
    index = 0;
    FSkinName = InternalSkins.GetItem(0).Name;
  }
  if (index < 0) {
    Model.Clear();
    FActive = false;
    CheckShadows();
    return false;
  }
  LoadFrom(*TsSkinSource::FromPackedBytes(InternalSkins.GetItem(index).Data));
  return true;
}

void TsSkinManager::LoadFrom(const TsSkinSource& Source) {
  if (!Source.HasOptions())
    throw EPackedSkinError("\"" + FSkinName + "\" skin have internal format error. Please update this skin to latest version.");
  FLoadingSkin = true;
  TsLoadSettings settings;
  settings.Brightness = FBrightness;
  for (const std::string& line : FCommonSections) settings.CommonSections += line + "\n";
  // Loaded beside the current skin, which a failure leaves in place.
  TsSkinModel loaded;
  try {
    loaded.Load(Source, settings);
  } catch (...) {
    FLoadingSkin = false;
    throw;
  }
  Model.Swap(loaded);
  CheckVersion();
  ApplyColorChanges(Model, FHueOffset, FSaturation, FBrightness);
  CheckShadows();
  if (OnSkinLoading) OnSkinLoading(this);
  FLoadingSkin = false;
}

void TsSkinManager::CheckVersion() {
  const double version = Model.SkinData.Version;
  if (version < kOldSkinVersion) {
    if (HasProgramArgument(L"/actest"))
      ShowMessage("You are using an old version of the \"" + FSkinName + "\" skin. " +
                      "Please, update skins to latest or contact the VederIrivarod support for upgrading of existing "
                      "skin.\r\n\r\nThis notification occurs in design-time only for your information and will not "
                      "occur in real-time.",
                  "", MB_OK);
  } else if (version > kNewestSkinVersion) {
    const unsigned rules = SkinningRules;
    SkinningRules &= ~srStdDialogs;
    ShowMessage("This version of the skin have not complete support by used VederIrivarod package release.\r\n"
                "Components must be updated up to latest version for using this skin.",
                "", MB_OK | MB_ICONWARNING);
    SkinningRules = rules;
  }
}

std::string TsSkinManager::GetSkinInfo() const {
  if (!FSkinLoaded || !Model.Loaded()) return "N/A";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", Model.SkinData.Version);
  return text;
}

void TsSkinManager::UpdateSkin(bool Repaint) {
  if (FActive) SendNewSkin(Repaint);
}

void TsSkinManager::UpdateCurrentSkin() {
  if (!FActive || IsLoading()) return;
  const bool oldPacked = std::exchange(FPackedSkin, FileExists(GetFullSkinDirectory() + FSkinName + std::string(kPackedSkinSuffix)));
  try {
    LoadNamedSkin();
  } catch (const std::exception& error) {
    FPackedSkin = oldPacked;  // the skin that was loaded stays
    ShowMessage(error.what(), "Error", MB_OK | MB_ICONERROR);
  }
  if (OnAfterChange) OnAfterChange(this);
  if (!FUpdateLock) RepaintForms(true);
}

void TsSkinManager::UpdateSkinSection(const std::string& SectionName) {
  std::string upper = SectionName;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  TMessage message = MakeAcm(acmUpdateSection, reinterpret_cast<LPARAM>(upper.c_str()));
  AppBroadCastS(message);
}

void TsSkinManager::SendNewSkin(bool Repaint) {
  if (IsLoading()) return;
  FSkinLoaded = false;
  FSkinableMenus->ClearCache();
  gSkinChanging = true;
  ClearGlows();
  Model.InitConstantIndexes();
  TMessage message = MakeAcm(acmNewSkin, reinterpret_cast<LPARAM>(this));
  AppBroadCastS(message);
  gSkinChanging = false;
  FSkinLoaded = true;
  if (Repaint) RepaintForms(false);
}

void TsSkinManager::SendRemoveSkin() {
  FSkinLoaded = false;
  ClearGlows();
  FSkinableMenus->SetActive(false);
  TMessage message = MakeAcm(acmRemoveSkin, reinterpret_cast<LPARAM>(this));
  AppBroadCastS(message);
  Model.Clear();
}

void TsSkinManager::RepaintForms(bool) {
  ClearGlows();  // their pictures may show colours that have changed
  TMessage stop = MakeAcm(acmStopAnimation);
  AppBroadCastS(stop);
  TMessage refresh = MakeAcm(acmRefresh, reinterpret_cast<LPARAM>(this));
  AppBroadCastS(refresh);
  HookedForms().Broadcast([](TWinControl* form) {
    if (form->HandleAllocated())
      RedrawWindow(form->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return false;
  });
}

void TsSkinManager::EndUpdate(bool Repaint, bool) {
  FUpdateLock = false;
  UpdateSkin(Repaint);
}

void TsSkinManager::SetSkinDirectory(const std::string& Value) {
  if (Value == FSkinDirectory) return;
  FSkinDirectory = Value;
  FSkinPath = GetFullSkinDirectory();
  if (OnSkinListChanged) OnSkinListChanged(this);
}

std::string TsSkinManager::GetFullSkinDirectory() const { return FullSkinDirectory(FSkinDirectory, ProgramFolder()); }

void TsSkinManager::SetCommonSections(const std::vector<std::string>& Lines) {
  FCommonSections.clear();
  for (std::string line : Lines) {
    if (!line.starts_with(";")) line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    FCommonSections.push_back(std::move(line));
  }
  SetSkinName(FSkinName);
}

void TsSkinManager::SetHueOffset(int Value) {
  if (Value == FHueOffset) return;
  FHueOffset = Value;
  UpdateCurrentSkin();
}

void TsSkinManager::SetSaturation(int Value) {
  if (Value == FSaturation) return;
  FSaturation = Value;
  UpdateCurrentSkin();
}

void TsSkinManager::SetBrightness(int Value) {
  Value = std::clamp(Value, -100, 100);
  if (Value == FBrightness) return;
  FBrightness = Value;
  UpdateCurrentSkin();
}

void TsSkinManager::SetExtendedBorders(bool Value) {
  if (Value == FExtendedBorders) return;
  FExtendedBorders = Value;
  if (FActive && !IsLoading())
    SetSkinName(FSkinName);
  else
    CheckShadows();
}

void TsSkinManager::CheckShadows() {
  // The skin's shadow image is sized by its own margins.
  ::CheckShadows(Model, FActive && FExtendedBorders && Model.Loaded(), {}, Shadows);
}

std::string TsSkinManager::GetExternalSkinNames(std::vector<std::string>& List, TacSkinTypes Types) const {
  List = ExternalSkinsIn(GetFullSkinDirectory(), Types);
  const std::string first = List.empty() ? std::string() : List.front();
  std::sort(List.begin(), List.end());
  return first;
}

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& List, TacSkinTypes Types) const {
  List.clear();
  for (int i = 0; i < InternalSkins.Count(); ++i) List.push_back(InternalSkins.GetItem(i).Name);
  const std::vector<std::string> external = ExternalSkinsIn(GetFullSkinDirectory(), Types);
  List.insert(List.end(), external.begin(), external.end());
  const std::string first = List.empty() ? std::string() : List.front();
  std::sort(List.begin(), List.end());
  return first;
}

std::string TsSkinManager::GetRandomSkin() const {
  std::vector<std::string> names;
  GetSkinNames(names, stAllSkins);
  if (names.empty()) return {};
  static std::mt19937 random{std::random_device{}()};
  return names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(random)];
}

std::vector<std::string> TsSkinManager::GetSkinSections() const {
  std::vector<std::string> sections;
  for (const TsGeneralData& section : Model.gd) sections.push_back(section.SectionName);
  return sections;
}

bool TsSkinManager::ExtractInternalSkin(const std::string& NameOfSkin, const std::string& DestDir) const {
  return ExtractByIndex(InternalSkins.IndexOf(NameOfSkin), DestDir);
}

bool TsSkinManager::ExtractByIndex(int Index, const std::string& DestDir) const {
  if (Index < 0 || Index >= InternalSkins.Count()) return false;
  return SaveStoredSkin(InternalSkins.GetItem(Index), PathFromUtf8(DestDir));
}

bool TsSkinManager::ChangeImageInSkin(const std::string& Section, const std::string& Key,
                                      const std::string& FileName) {
  if (!FSkinLoaded || !::ChangeImageInSkin(Model, Section, Key, PathFromUtf8(FileName))) return false;
  CheckShadows();  // the changed image may be the shadow image
  return true;
}

int TsSkinManager::GetScrollSize() const {
  return ScrollsOptions.ScrollSize >= 0 ? ScrollsOptions.ScrollSize : GetSystemMetrics(SM_CXVSCROLL);
}

int TsSkinManager::GetComboBtnSize() const { return std::min(GetSystemMetrics(SM_CXVSCROLL), GetScrollSize()); }

void TsSkinManager::LoadThirdNames(bool Reset) {
  for (int i = 0; i < tpCount; ++i) {
    std::string& names = ThirdParty[static_cast<std::size_t>(i)];
    if (Reset || names.empty()) names = DefaultThirdNames(i);
    FThirdLists[static_cast<std::size_t>(i)] = SplitLines(names);
  }
}

bool TsSkinManager::IsThirdName(int Index, const std::wstring& ClassName) const {
  if (Index < 0 || Index >= tpCount) return false;
  const auto& list = FThirdLists[static_cast<std::size_t>(Index)];
  return std::find(list.begin(), list.end(), ClassName) != list.end();
}

void TsSkinManager::SetActiveControl(HWND Window) {
  // No window (the mouse over a form's own client area) leaves a windowless
  // control hot: it leaves by itself when the mouse does.
  if (FActiveGraphControl && Window) SetActiveGraphControl(nullptr);
  if (Window == FActiveControl) return;
  if (FActiveControl) SendAMessage(FActiveControl, acmLeaveHot, reinterpret_cast<LPARAM>(this));
  FActiveControl = Window;
  if (Window) SendAMessage(Window, acmEnterHot, reinterpret_cast<LPARAM>(this));
}

void TsSkinManager::SetActiveGraphControl(TControl* Control) {
  if (Control == FActiveGraphControl) return;
  if (FActiveGraphControl) SendAMessage(FActiveGraphControl, acmLeaveHot, reinterpret_cast<LPARAM>(this));
  FActiveGraphControl = Control;
}

void TsSkinManager::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FActiveGraphControl) FActiveGraphControl = nullptr;
}

bool TsSkinManager::MainWindowHook(TMessage& Message) {
  switch (Message.Msg) {
    case WM_THEMECHANGED: return true;
    case CM_INVALIDATEFORMS:
      if (Application)
        for (int i = Application->GetComponentCount() - 1; i >= 0; --i)
          if (auto* form = dynamic_cast<TForm*>(Application->GetComponent(i)); form && form->HandleAllocated())
            SendAMessage(form->GetHandle(), acmInvalidate);
      return false;
    default: return false;
  }
}
