#include "skin/forms/ctrl_adapter.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <typeinfo>

#include "framework/form.h"
#include "skin/forms/list_adapters.h"
#include "skin/forms/skin_provider.h"
#include "skin/win/skin_manager.h"

namespace {

// Scans running on this thread; a scan's own descent into child controls
// goes past this count, a scan started from a message during one does not.
thread_local int tScanDepth = 0;

constexpr unsigned kEngineTag = 256;  // the engine's own windows and controls

bool EngineOwn(const TComponent* Component) { return (Component->GetTag() & kEngineTag) != 0; }

}  // namespace

std::string ControlClassName(const TControl& Control) {
  const char* mangled = typeid(Control).name();
  int status = 0;
  char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = status == 0 && plain ? plain : mangled;
  std::free(plain);
  return name;
}

TacCtrlAdapter::TacCtrlAdapter(TsSkinProvider& Provider) : FProvider(Provider) {}

TacCtrlAdapter::~TacCtrlAdapter() {
  CleanItems();
  RemoveAllItems();
  // Labels freed meanwhile are gone from the list's sight (their references cleared).
  while (!FLabels.empty()) {
    if (TLabel* label = FLabels.back().Label.Get()) InitLabel(label, false);
    else FLabels.pop_back();
  }
}

bool TacCtrlAdapter::HooksAllow(TControl* Control, std::string& Section) const {
  bool allow = true;
  if (FProvider.OnSkinItem) FProvider.OnSkinItem(Control, allow, Section);
  return allow;
}

bool TacCtrlAdapter::IsControlSupported(TControl* Control) const {
  if (!Control || EngineOwn(Control)) return false;
  std::string section;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) {
    if (!windowed->HandleAllocated() || IsHandledControl(windowed)) return false;
    TsSkinManager* manager = FProvider.SkinData.GetSkinManager();
    const std::string name = ControlClassName(*Control);
    const std::wstring wide(name.begin(), name.end());
    bool listed = false;
    for (int i = 0; i < tpCount && !listed; ++i) listed = i != tpSpeedButton && manager->IsThirdName(i, wide);
    return listed && HooksAllow(Control, section);
  }
  if (dynamic_cast<TLabel*>(Control) && !IsHandledControl(Control)) return HooksAllow(Control, section);
  const std::string name = ControlClassName(*Control);
  if (dynamic_cast<TSpeedButton*>(Control) && !IsHandledControl(Control) &&
      FProvider.SkinData.GetSkinManager()->IsThirdName(tpSpeedButton, std::wstring(name.begin(), name.end())))
    return HooksAllow(Control, section);
  return false;
}

void TacCtrlAdapter::AddAllItems(TWinControl* Root) {
  TsSkinManager* manager = FProvider.SkinData.GetSkinManager();
  if (tScanDepth > 0 || !manager || !(manager->SkinningRules & srThirdParty)) return;
  if (!Root) Root = FProvider.GetForm();
  if (!Root) return;
  ++tScanDepth;
  CleanItems();
  Scan(Root);
  --tScanDepth;
}

void TacCtrlAdapter::Scan(TWinControl* Root) {
  for (int i = 0; i < Root->GetControlCount(); ++i) {
    if (i >= Root->GetControlCount()) break;  // a control went during the scan
    TControl* control = Root->GetControl(i);
    Consider(control);
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed && windowed->HandleAllocated() && windowed->GetParent() && !IsHandledControl(windowed))
      Scan(windowed);
  }
}

void TacCtrlAdapter::Consider(TControl* Control) {
  if (!IsControlSupported(Control)) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(Control)) AddNewItem(windowed, DefaultSection);
  else if (auto* label = dynamic_cast<TLabel*>(Control)) InitLabel(label, true);
  else if (auto* speed = dynamic_cast<TSpeedButton*>(Control))
    FSpeedButtons.push_back(std::make_unique<TacSpeedButtonHandler>(*speed, FProvider.SkinData.GetSkinManager(), DefaultSection));
}

std::unique_ptr<TacMainWnd> TacCtrlAdapter::DoHook(TWinControl* Control, const std::string& Section) const {
  if (EngineOwn(Control) || !Control->HandleAllocated() || !Control->GetParent() || IsHandledControl(Control))
    return nullptr;
  TsSkinManager* manager = FProvider.SkinData.GetSkinManager();
  TacSkinParams params;
  params.Control = Control;
  params.SkinSection = Section;
  const std::string name = ControlClassName(*Control);
  const std::wstring wide(name.begin(), name.end());
  std::unique_ptr<TacMainWnd> adapter;
  HWND window = Control->GetHandle();
  // The first list that names the class chooses the adapter.
  for (int i = 0; i < tpCount; ++i) {
    if (!manager->IsThirdName(i, wide)) continue;
    adapter = MakeListAdapter(i, window, manager, params);
    break;
  }
  if (adapter && !adapter->Attach()) adapter.reset();
  return adapter;
}

void TacCtrlAdapter::AddNewItem(TWinControl* Control, const std::string& Section) {
  if (!Control || EngineOwn(Control) || !Control->GetParent() || IsHandledControl(Control)) return;
  std::string section = Section;
  if (!HooksAllow(Control, section)) return;
  const int index = IndexOf(Control);
  if (index >= 0) {
    TacAdapterItem& item = FItems[static_cast<size_t>(index)];
    if (item.ScrollWnd && item.ScrollWnd->Attached()) return;
    item.ScrollWnd = DoHook(Control, section);
    if (!item.ScrollWnd) RemoveItem(index);
    return;
  }
  if (auto adapter = DoHook(Control, section)) FItems.push_back({Control, std::move(adapter)});
}

int TacCtrlAdapter::IndexOf(const TControl* Control) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i].WinCtrl.Get() == Control) return static_cast<int>(i);
  return -1;
}

TacMainWnd* TacCtrlAdapter::GetAdapter(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(Index)].ScrollWnd.get();
}

void TacCtrlAdapter::RemoveItem(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems[static_cast<size_t>(Index)] = std::move(FItems.back());
  FItems.pop_back();
}

void TacCtrlAdapter::CleanItems() {
  std::erase_if(FItems, [](const TacAdapterItem& item) { return !item.ScrollWnd || !item.ScrollWnd->Attached(); });
  std::erase_if(FSpeedButtons, [](const auto& handler) { return !handler->Attached(); });
}

void TacCtrlAdapter::RemoveAllItems() {
  if (FRemoving > 0) return;
  ++FRemoving;
  while (!FItems.empty()) FItems.pop_back();
  FSpeedButtons.clear();
  --FRemoving;
}

void TacCtrlAdapter::WndProc(TMessage& Message) {
  for (size_t i = 0; i < FItems.size(); ++i) {
    const TacAdapterItem& item = FItems[i];
    if (item.ScrollWnd && item.ScrollWnd->Attached() && item.WinCtrl && item.WinCtrl->GetParent())
      SendMessageW(item.ScrollWnd->Handle(), Message.Msg, Message.WParam, Message.LParam);
  }
}

void TacCtrlAdapter::InitLabel(TLabel* Label, bool Init) {
  auto listed =
      std::find_if(FLabels.begin(), FLabels.end(), [Label](const auto& l) { return l.Label.Get() == Label; });
  if (Init) {
    if (EngineOwn(Label)) return;
    if (listed == FLabels.end()) FLabels.push_back({Label, Label->GetFont().GetColor(), Label->GetParentFont()});
    Label->GetFont().SetColor(FProvider.SkinData.GetSkinManager()->Model.GetGlobalFontColor());
    return;
  }
  if (listed == FLabels.end()) return;
  if (!listed->ParentFont) Label->GetFont().SetColor(listed->Color);
  else Label->SetParentFont(true);
  *listed = FLabels.back();
  FLabels.pop_back();
}
