// The gallery's controls, one group a function, each at its place on the form.
#include "tools/gallery/gallery_form.h"

#include <commctrl.h>

#include <functional>

namespace {

// A control at its place, set up by Setup before it joins the form.
template <typename TControlClass>
TControlClass* Place(TGalleryForm* Form, int Left, int Top, int Width, int Height,
                     const std::function<void(TControlClass*)>& Setup = {}) {
  auto* control = new TControlClass(Form);
  control->SetBounds(Left, Top, Width, Height);
  if (Setup) Setup(control);
  control->SetParent(Form);
  return control;
}

template <typename TButtonClass>
TButtonClass* PlaceButton(TGalleryForm* Form, const wchar_t* Caption, int Left, int Top, int Width = 80) {
  auto* button = Place<TButtonClass>(Form, Left, Top, Width, 25);
  button->SetCaption(Caption);
  return button;
}

TsCheckBox* PlaceBox(TGalleryForm* Form, const wchar_t* Caption, int Left, int Top, TCheckBoxState State) {
  return Place<TsCheckBox>(Form, Left, Top, 84, 19, [&](TsCheckBox* box) {
    box->SetAutoSize(false);
    box->SetCaption(Caption);
    box->SetAllowGrayed(State == cbGrayed);
    box->SetState(State);
  });
}

TPlainControl* PlacePlain(TGalleryForm* Form, const wchar_t* ClassName, DWORD Style, DWORD ExStyle, int Left, int Top,
                          int Width, int Height) {
  auto* control = new TPlainControl(Form, ClassName, Style, ExStyle);
  control->SetBounds(Left, Top, Width, Height);
  control->SetParent(Form);
  return control;
}

TMenuItem* AddItem(TComponent* Owner, TMenuItem& Parent, const wchar_t* Caption) {
  auto* item = new TMenuItem(Owner);
  item->SetCaption(Caption);
  Parent.Add(item);
  return item;
}

// Every kind of item a popup shows: plain, with a shortcut, checked, radio,
// disabled, default, a separator, a caption line and a sub-menu.
void FillMenu(TComponent* Owner, TMenuItem& Root) {
  AddItem(Owner, Root, L"-Edit-");
  AddItem(Owner, Root, L"Cut")->SetShortCutText(L"Ctrl+X");
  AddItem(Owner, Root, L"Copy")->SetShortCutText(L"Ctrl+C");
  AddItem(Owner, Root, L"Paste")->SetEnabled(false);
  AddItem(Owner, Root, L"-");
  AddItem(Owner, Root, L"Checked")->SetChecked(true);
  TMenuItem* radio = AddItem(Owner, Root, L"Radio item");
  radio->SetRadioItem(true);
  radio->SetChecked(true);
  AddItem(Owner, Root, L"Default item")->SetDefault(true);
  TMenuItem* more = AddItem(Owner, Root, L"More");
  AddItem(Owner, *more, L"First");
  AddItem(Owner, *more, L"Second");
}

}  // namespace

TsLabel* TGalleryForm::AddHeading(const wchar_t* Caption, int Left, int Top) {
  auto* heading = Place<TsLabel>(this, Left, Top, 250, 14);
  heading->SetCaption(Caption);
  heading->GetFont().SetStyle(fsBold);
  return heading;
}

void TGalleryForm::BuildMenus() {
  // A menu bar of flat buttons, each dropping its menu below it.
  int left = 4;
  for (const wchar_t* caption : {L"File", L"View", L"Help"}) {
    auto* item = Place<TsButton>(this, left, 3, 48, 22);
    item->SetSkinSection("TOOLBUTTON");
    item->SetCaption(caption);
    item->SetShowFocus(false);
    auto* menu = new TPopupMenu(this);
    FillMenu(this, menu->GetItems());
    item->OnClick = [item, menu](TComponent*) {
      RECT bounds;
      GetWindowRect(item->GetHandle(), &bounds);
      menu->Popup(bounds.left, bounds.bottom);
    };
    MenuBarItems.push_back(item);
    MenuBarMenus.push_back(menu);
    left += 50;
  }
  PopupMenu = new TPopupMenu(this);
  FillMenu(this, PopupMenu->GetItems());
}

// Speed buttons have a row of their own below the others.
void TGalleryForm::BuildButtons(int Left, int Top) {
  AddHeading(L"Buttons", Left, Top);
  BitBtnNormal = PlaceButton<TsBitBtn>(this, L"BitBtn", Left, Top + 18);
  BitBtnDown = PlaceButton<TsBitBtn>(this, L"Down", Left + 88, Top + 18);
  BitBtnDown->SetDown(true);
  BitBtnDisabled = PlaceButton<TsBitBtn>(this, L"Disabled", Left + 176, Top + 18);
  BitBtnDisabled->SetEnabled(false);
  ButtonNormal = PlaceButton<TsButton>(this, L"Button", Left, Top + 50);
  ButtonDefault = PlaceButton<TsButton>(this, L"Default", Left + 88, Top + 50);
  ButtonDefault->SetDefault(true);
  ButtonDisabled = PlaceButton<TsButton>(this, L"Disabled", Left + 176, Top + 50);
  ButtonDisabled->SetEnabled(false);
  PopupButton = PlaceButton<TsButton>(this, L"Popup menu", Left, Top + 82);
  PopupButton->OnClick = [this](TComponent*) {
    RECT bounds;
    GetWindowRect(PopupButton->GetHandle(), &bounds);
    PopupMenu->Popup(bounds.left, bounds.bottom);
  };
  MessageButton = PlaceButton<TsButton>(this, L"Message box", Left + 88, Top + 82);
  MessageButton->OnClick = [this](TComponent*) {
    MessageBoxProc(GetHandle(), L"A message box in the gallery's skin.", L"Lanque skin gallery",
                   MB_OKCANCEL | MB_ICONINFORMATION);
  };
  SpeedButton = PlaceButton<TsSpeedButton>(this, L"Speed", Left, Top + 114, 80);
  SpeedLeft = PlaceButton<TsSpeedButton>(this, L"Left", Left + 88, Top + 114, 56);
  SpeedRight = PlaceButton<TsSpeedButton>(this, L"Right", Left + 146, Top + 114, 56);
  for (TsSpeedButton* grouped : {SpeedLeft, SpeedRight}) grouped->SetGroupIndex(1);
  SpeedLeft->SetDown(true);
  // Without a click handler the whole button drops the menu.
  SpeedDropDown = PlaceButton<TsSpeedButton>(this, L"Menu", Left + 210, Top + 114, 62);
  SpeedDropDown->SetButtonStyle(tbsDropDown);
  SpeedDropDown->SetDropdownMenu(PopupMenu);
}

void TGalleryForm::BuildEdits(int Left, int Top) {
  AddHeading(L"Edit and check boxes", Left, Top);
  Edit = Place<TsEdit>(this, Left + 36, Top + 18, 220, 21, [](TsEdit* edit) { edit->SetTabOrder(0); });
  Edit->SetText(L"Some text to edit");
  // The edit's bound label, on its left.
  Edit->BoundLabel.SetCaption(L"Text:");
  Edit->BoundLabel.SetActive(true);
  CheckChecked = PlaceBox(this, L"Checked", Left, Top + 46, cbChecked);
  CheckUnchecked = PlaceBox(this, L"Unchecked", Left + 88, Top + 46, cbUnchecked);
  CheckGrayed = PlaceBox(this, L"Grayed", Left + 176, Top + 46, cbGrayed);
}

// The sticky label is glued below the scroll bar, so the bar is made first.
void TGalleryForm::BuildLabels(int Left, int Top) {
  AddHeading(L"Labels", Left, Top);
  Label = Place<TsLabel>(this, Left, Top + 18, 270, 14);
  Label->SetCaption(L"A label in the skin's text colour");
  LabelBold = Place<TsLabel>(this, Left, Top + 36, 270, 14, [](TsLabel* label) {
    label->SetCaption(L"A bold label");
  });
  LabelBold->GetFont().SetStyle(fsBold);
  // A link nobody follows in the tests; a click opens it through the shell.
  WebLabel = Place<TsWebLabel>(this, Left, Top + 54, 270, 14, [](TsWebLabel* label) {
    label->SetCaption(L"A web label: lanque.example.com");
    label->SetURL(L"https://lanque.example.com/");
  });
  LabelFX = Place<TsLabelFX>(this, Left, Top + 72, 270, 24, [](TsLabelFX* label) {
    label->SetCaption(L"A label with a shadow");
    label->GetFont().SetHeight(-16);
    label->GetFont().SetStyle(fsBold);
    label->Shadow.SetDistance(2);
  });
  StickyLabel = Place<TsStickyLabel>(this, 0, 0, 250, 14, [](TsStickyLabel* label) {
    label->SetCaption(L"A sticky label, glued below the scroll bar");
  });
  StickyLabel->SetAlignTo(altBottom);
  StickyLabel->SetAttachTo(ScrollBar);
}

// Plain system windows, for the window adapters to skin.
void TGalleryForm::BuildLists(int Left, int Top) {
  AddHeading(L"List and multi-line edit", Left, Top);
  ListBox = PlacePlain(this, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE, Left,
                       Top + 18, 160, 112);
  for (const wchar_t* item : {L"Alpha", L"Bravo", L"Charlie", L"Delta", L"Echo", L"Foxtrot", L"Golf", L"Hotel",
                              L"India", L"Juliett", L"Kilo"})
    ListBox->Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  ListBox->Send(LB_SETCURSEL, 2);
  Memo = PlacePlain(this, L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE,
                    Left + 170, Top + 18, 178, 112);
  Memo->SetText(L"A multi-line edit.\r\nIts lines wrap at the edge, and a long text scrolls: "
                L"one, two, three, four, five, six, seven, eight, nine, ten.\r\nThe end.");
  ListBoxAdapter = AdaptEditWindow(ListBox->GetHandle(), SkinManager);
  MemoAdapter = AdaptEditWindow(Memo->GetHandle(), SkinManager);
}

// Skinned scroll bars join this group beside the system's one.
void TGalleryForm::BuildScrollBars(int Left, int Top) {
  AddHeading(L"Scroll bar", Left, Top);
  ScrollBar = PlacePlain(this, L"SCROLLBAR", SBS_HORZ, 0, Left, Top + 18, 348, 17);
  const SCROLLINFO range{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 20, 30, 0};
  SetScrollInfo(ScrollBar->GetHandle(), SB_CTL, &range, TRUE);
  ScrollBar->OnNotify = [](TPlainControl* Sender, UINT, WPARAM WParam) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
    HWND bar = Sender->GetHandle();
    GetScrollInfo(bar, SB_CTL, &info);
    int position = info.nPos;
    switch (LOWORD(WParam)) {
      case SB_LINELEFT: position -= 1; break;
      case SB_LINERIGHT: position += 1; break;
      case SB_PAGELEFT: position -= static_cast<int>(info.nPage); break;
      case SB_PAGERIGHT: position += static_cast<int>(info.nPage); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: position = info.nTrackPos; break;
    }
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
  };
  ScrollBarAdapter = std::make_unique<TacSBWnd>(ScrollBar->GetHandle(), SkinManager, TacSkinParams{});
  if (!ScrollBarAdapter->Attach()) ScrollBarAdapter.reset();
}

TPlainControl* TGalleryForm::AddSlider(const wchar_t* Caption, int Left, int Top, int Min, int Max, TsLabel*& Value) {
  Place<TsLabel>(this, Left, Top + 6, 90, 14)->SetCaption(Caption);
  TPlainControl* slider = PlacePlain(this, TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM, 0, Left + 98, Top, 430, 26);
  slider->Send(TBM_SETRANGEMIN, FALSE, Min);
  slider->Send(TBM_SETRANGEMAX, FALSE, Max);
  slider->Send(TBM_SETPAGESIZE, 0, 10);
  slider->Send(TBM_SETTICFREQ, (Max - Min) / 12);
  slider->OnNotify = [this](TPlainControl* Sender, UINT, WPARAM) { SliderMoved(Sender); };
  Value = Place<TsLabel>(this, Left + 536, Top + 6, 60, 14);
  return slider;
}

void TGalleryForm::BuildSkinControls(int Left, int Top) {
  AddHeading(L"Skin", Left, Top);
  Place<TsLabel>(this, Left, Top + 24, 90, 14)->SetCaption(L"Skin directory");
  SkinDirectoryField = Place<TsEdit>(this, Left + 98, Top + 20, 430, 21);
  SkinDirectoryButton = PlaceButton<TsButton>(this, L"Read", Left + 536, Top + 18, 100);
  SkinDirectoryButton->OnClick = [this](TComponent*) { SetSkinDirectory(SkinDirectoryField->GetText()); };

  Place<TsLabel>(this, Left, Top + 54, 90, 14)->SetCaption(L"Skin");
  SkinChooser = PlacePlain(this, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, Left + 98, Top + 50, 200, 200);
  SkinChooser->OnNotify = [this](TPlainControl* Sender, UINT, WPARAM WParam) {
    const auto index = static_cast<size_t>(Sender->Send(CB_GETCURSEL));
    if (HIWORD(WParam) == CBN_SELCHANGE && index < FSkinNames.size()) ChooseSkin(FSkinNames[index]);
  };
  SkinnedSwitch = Place<TsCheckBox>(this, Left + 318, Top + 52, 100, 19, [](TsCheckBox* box) {
    box->SetAutoSize(false);
    box->SetCaption(L"Skinned");
    box->SetChecked(true);
  });
  SkinnedSwitch->OnClick = [this](TComponent*) { SetSkinned(SkinnedSwitch->GetChecked()); };

  HueSlider = AddSlider(L"Hue", Left, Top + 82, 0, 359, HueValue);
  SaturationSlider = AddSlider(L"Saturation", Left, Top + 112, -100, 100, SaturationValue);
  BrightnessSlider = AddSlider(L"Brightness", Left, Top + 142, -100, 100, BrightnessValue);
  ShowSliderValues();
}
