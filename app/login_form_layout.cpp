// The login window's stored layout: every component with its place, size,
// tab order, texts, colours and fonts.
#include "app/login_form.h"

#include "app/profile/startup_profile.h"
#include "app/resources.h"
#include "skin/forms/skin_hook.h"
#include "skins/internal_skin.h"
#include "skin/data/jpeg_decode.h"

namespace {

constexpr TColor kFieldColor = 16774637;  // red 237, green 245, blue 255
// The name the skin stored with the window goes by.
constexpr char kInternalSkinName[] = "Lanque";

TDecodedImage LoadBannerPicture() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, LANQUE_BANNER_RESOURCE, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  auto picture = DecodeJpeg(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, resource));
  return picture ? std::move(*picture) : TDecodedImage{};
}

template <typename TControlClass>
TControlClass* Place(TForm1* Form, const wchar_t* Name, int Left, int Top, int Width, int Height) {
  auto* control = new TControlClass(Form);
  control->SetName(Name);
  control->SetBounds(Left, Top, Width, Height);
  control->SetParent(Form);
  return control;
}

void StyleField(TsEdit* Edit, int TabOrder) {
  Edit->SetColor(kFieldColor);
  Edit->GetFont().SetStyle(fsBold);
  Edit->GetFont().SetColor(clBlack);
  Edit->SetTabOrder(TabOrder);
}

// A check box at its stored place and size: no automatic sizing to the caption.
TsCheckBox* PlaceBox(TForm1* Form, const wchar_t* Name, int Left, const wchar_t* Caption, int TabOrder) {
  auto* box = new TsCheckBox(Form);
  box->SetName(Name);
  box->SetAutoSize(false);
  box->SetBounds(Left, 168, 73, 19);
  box->SetCaption(Caption);
  box->SetParent(Form);
  box->SetTabOrder(TabOrder);
  return box;
}

TMenuItem* AddMenuItem(TForm1* Form, TPopupMenu* Menu, const wchar_t* Name, const wchar_t* Caption) {
  auto* item = new TMenuItem(Form);
  item->SetName(Name);
  item->SetCaption(Caption);
  Menu->GetItems().Add(item);
  return item;
}

}  // namespace

void TForm1::BuildLayout() {
  // The skin manager comes first: it is the application's default manager
  // by the time the other components are made.
  sSkinManager1 = new TsSkinManager(this);
  sSkinManager1->SetName(L"sSkinManager1");
  sSkinManager1->BeginLoading();
  const auto package = InternalSkinPackage();
  sSkinManager1->InternalSkins.Add({kInternalSkinName, {package.begin(), package.end()}});
  sSkinManager1->SetSkinDirectory("c:\\Skins");
  sSkinManager1->Options.OptimizingPriority = opMemory;
  sSkinManager1->MenuSupport.IcoLineSkin = "ICOLINE";
  sSkinManager1->SetSkinName(kInternalSkinName);
  sSkinManager1->Loaded();  // announces the skin (acmNewSkin)
  startup_profile::Mark("skin-loaded");
  new TacSkinHook(sSkinManager1);  // system dialogs and message boxes wear the skin

  SetName(L"Form1");
  SetCaption(L"蓝鹊商务版登陆");
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu);
  SetColor(clBtnFace);
  GetFont().SetName(L"MS Sans Serif");
  GetFont().SetHeight(-11);
  GetFont().SetColor(clWindowText);
  SetClientSize(305, 222);
  // The frame and the client background from the skin.
  sSkinProvider1 = new TsSkinProvider(this);
  sSkinProvider1->SetName(L"sSkinProvider1");
  OnCreate = [this](TComponent* Sender) { FormCreate(Sender); };
  OnCloseQuery = [this](TComponent* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };

  Image1 = Place<TImage>(this, L"Image1", 8, 8, 289, 97);
  const TDecodedImage banner = LoadBannerPicture();
  Image1->SetPicture(banner.Width, banner.Height, banner.Pixels.data());

  CppWebBrowser2 = Place<TCppWebBrowser>(this, L"CppWebBrowser2", 8, 8, 0, 97);
  CppWebBrowser2->SetTabOrder(6);
  CppWebBrowser2->OnDocumentComplete = [this](TComponent* Sender, BrowserObjectId Browser,
                                              const std::wstring& Address) {
    CppWebBrowser2DocumentComplete(Sender, Browser, Address);
  };

  sLabel1 = Place<TsLabel>(this, L"sLabel1", 48, 117, 57, 13);
  sLabel1->SetCaption(L"用户号码");
  sLabel2 = Place<TsLabel>(this, L"sLabel2", 48, 141, 57, 13);
  sLabel2->SetCaption(L"用户密码");

  CppWebBrowser1 = Place<TCppWebBrowser>(this, L"CppWebBrowser1", 8, 112, 0, 25);
  CppWebBrowser1->SetTabOrder(0);
  CppWebBrowser1->OnDocumentComplete = [this](TComponent* Sender, BrowserObjectId Browser,
                                              const std::wstring& Address) {
    CppWebBrowser1DocumentComplete(Sender, Browser, Address);
  };

  sEdit1 = Place<TsEdit>(this, L"sEdit1", 112, 112, 121, 21);
  StyleField(sEdit1, 2);
  sEdit2 = Place<TsEdit>(this, L"sEdit2", 112, 136, 121, 21);
  StyleField(sEdit2, 3);
  sEdit2->SetPasswordChar(L'*');
  // Screen readers name each field by the label in front of it.
  sLabel1->SetFocusControl(sEdit1);
  sLabel2->SetFocusControl(sEdit2);

  sCheckBox1 = PlaceBox(this, L"sCheckBox1", 48, L"保存号码", 4);
  sCheckBox2 = PlaceBox(this, L"sCheckBox2", 160, L"自动登陆", 5);

  sBitBtn1 = Place<TsBitBtn>(this, L"sBitBtn1", 224, 192, 75, 25);
  sBitBtn1->SetSkinSection("BUTTON");
  sBitBtn1->SetCaption(L"登陆");
  sBitBtn1->SetDefault(true);  // Enter in either field signs in
  sBitBtn1->SetTabOrder(1);
  sBitBtn1->OnClick = [this](TComponent* Sender) { sBitBtn1Click(Sender); };

  sLabel3 = Place<TsLabel>(this, L"sLabel3", 16, 200, 193, 13);
  sLabel3->GetFont().SetColor(clRed);  // its own font: the window's, in red

  Timer1 = new TTimer(this);
  Timer1->SetName(L"Timer1");
  Timer1->SetEnabled(false);
  Timer1->OnTimer = [this](TComponent* Sender) { Timer1Timer(Sender); };
  Timer2 = new TTimer(this);
  Timer2->SetName(L"Timer2");
  Timer2->SetEnabled(false);
  Timer2->SetInterval(3000);
  Timer2->OnTimer = [this](TComponent* Sender) { Timer2Timer(Sender); };

  ImageList1 = new TImageList(this, 16, 16);
  ImageList1->SetName(L"ImageList1");
  if (HICON picture = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), LANQUE_ICON_RESOURCE,
                                                   IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR))) {
    ImageList1->AddIcon(picture);
    DestroyIcon(picture);
  }

  PopupMenu1 = new TPopupMenu(this);
  PopupMenu1->SetName(L"PopupMenu1");
  N1 = AddMenuItem(this, PopupMenu1, L"N1", L"退出");
  N1->OnClick = [this](TComponent* Sender) { N1Click(Sender); };
  N3 = AddMenuItem(this, PopupMenu1, L"N3", L"取消自动登陆");
  N3->OnClick = [this](TComponent* Sender) { N3Click(Sender); };
  N2 = AddMenuItem(this, PopupMenu1, L"N2", L"关于蓝鹊商务版");
  N2->OnClick = [this](TComponent* Sender) { N2Click(Sender); };

  TrayIcon1 = new TTrayIcon(this);
  TrayIcon1->SetName(L"TrayIcon1");
  TrayIcon1->BeginLoading();
  TrayIcon1->SetPopupMenu(PopupMenu1);
  TrayIcon1->SetRestoreOn(imDoubleClick);
  TrayIcon1->SetPopupMenuOn(imRightClickUp);
  TrayIcon1->SetIcons(ImageList1);
  TrayIcon1->SetAnimateInterval(800);
  TrayIcon1->OnMinimize = [this](TComponent* Sender) { TrayIcon1Minimize(Sender); };
  TrayIcon1->OnRestore = [this](TComponent* Sender) { TrayIcon1Restore(Sender); };
  TrayIcon1->Loaded();

  ApplicationEvents1 = new TApplicationEvents(this);
  ApplicationEvents1->SetName(L"ApplicationEvents1");
  ApplicationEvents1->OnMessage = [this](MSG& Msg, bool& Handled) { ApplicationEvents1Message(Msg, Handled); };
  ApplicationEvents1->OnMinimize = [this](TComponent* Sender) { ApplicationEvents1Minimize(Sender); };
}
