#pragma once
// Skinned stand-ins for the tests: framework controls that carry skin data
// and hand every message to the shared handling first, recording the skin
// commands they receive.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/edit.h"
#include "skin/win/common_data.h"

template <typename TBase>
class TSkinned : public TBase {
 public:
  TSkinned(TComponent* AOwner, int Kind, bool Cache = true) : TBase(AOwner), SkinData(this, Cache) {
    SkinData.ControlKind = Kind;
    SkinData.OwnerClassName = "TSkinned";
  }
  TsCommonData SkinData;
  std::vector<int> Commands;  // every skin command received, in order
  int Count(int code) const { return static_cast<int>(std::count(Commands.begin(), Commands.end(), code)); }

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == SM_ALPHACMD) {
      Commands.push_back(AcmCode(Message.WParam));
      if (AcmCode(Message.WParam) == acmPrepareCache) SkinData.InitCacheBmp();  // paints nothing: size is enough
    }
    if (CommonWndProc(Message, &SkinData)) return;
    TBase::WndProc(Message);
  }
};

using TSkinnedPanel = TSkinned<TWinControl>;
using TSkinnedGraphic = TSkinned<TGraphicControl>;
using TSkinnedEdit = TSkinned<TEdit>;

// A windowed control that records the skin commands it receives without being skinned.
class TRecordingControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<int> Commands;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == SM_ALPHACMD) Commands.push_back(AcmCode(Message.WParam));
    TWinControl::WndProc(Message);
  }
};

// A small skin folder: "BUTTON" opaque red with a hot state, "PANEL" with an
// image percent (it keeps a cache), "GLASS" fully transparent, "EDIT".
inline std::filesystem::path WriteTestSkin(const std::filesystem::path& folder, const std::string& extra = {}) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Options.dat") << "[GLOBALINFO]\nVERSION=8.10\nCOLOR=12632256\n"
                                           "[BUTTON]\nSTATES=2\nCOLOR=255\nHOTCOLOR=65535\nFONTCOLOR=0\n"
                                           "[PANEL]\nSTATES=1\nCOLOR=65280\nIMAGEPERCENT=50\n"
                                           "[GLASS]\nSTATES=1\nTRANSPARENCY=100\nCOLOR=16711680\n"
                                           "[EDIT]\nSTATES=2\nCOLOR=16777215\nFONTCOLOR=128\n"
                                        << extra;
  return folder;
}
