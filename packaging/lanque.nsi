; The program's installer: a per-user install without administrator rights,
; with a Start-menu shortcut, an optional desktop shortcut, an uninstall entry
; and an uninstaller that keeps the remembered account unless asked.
;
; makensis -DVERSION=1.00 -DVERSION_NUMBERS=1.0.0.0 -DPROGRAM=lanque.exe
;          -DICON=lanque.ico -DOUTFILE=lanque-setup-1.00.exe lanque.nsi
; (packaging/make_packages.py runs it so.)
; Silent: /S, with /D=FOLDER for another folder (the last switch, unquoted).
; The uninstaller: /S silent, /REMOVEACCOUNT also removes the saved account.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Installed files get the time of the install, so that the same program gives
; the same installer whenever it was built.
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define PRODUCT "蓝鹊商务版"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\lanque"
; Where the program remembers the account: its registry key (the 32-bit
; view, where the program keeps it), config.ini beside it, and the per-user
; config.ini when neither can be written.
!define ACCOUNT_KEY "Software\lanque"
!define USER_SETTINGS_FOLDER "$APPDATA\lanque"
!define SHORTCUT "${PRODUCT}.lnk"
; The program sets the system browser control's standards mode for itself.
!define BROWSER_EMULATION_KEY "Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION"
!define ENDSESSION_CLOSEAPP 1

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "lanque"
VIAddVersionKey /LANG=2052 "LegalCopyright" "lanque"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${__FILEDIR__}/wizard.bmp"  ; tools/art/make-art.sh
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\lanque.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行${PRODUCT}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

; Asks every running copy of the program to close, as the end of the session
; does (its main window goes by its class and one of its two captions), and
; waits up to ten seconds for it. A copy that stays: the user may retry;
; silently, the run ends with exit code 2.
!macro DEFINE_CLOSE_RUNNING PREFIX
Function ${PREFIX}CloseRunningProgram
  Push $0
  Push $1
  Push $2
  StrCpy $2 0  ; the window asked last
  again:
  StrCpy $1 0  ; tenths of a second waited for it
  ${Do}
    FindWindow $0 "LanqueWindow" "${PRODUCT}登陆"
    ${If} $0 = 0
      FindWindow $0 "LanqueWindow" "${PRODUCT}"
    ${EndIf}
    ${If} $0 = 0
      Pop $2
      Pop $1
      Pop $0
      Return
    ${EndIf}
    ${If} $0 <> $2
      SendMessage $0 ${WM_QUERYENDSESSION} 0 ${ENDSESSION_CLOSEAPP} /TIMEOUT=5000
      SendMessage $0 ${WM_ENDSESSION} 1 ${ENDSESSION_CLOSEAPP} /TIMEOUT=5000
      StrCpy $2 $0
      StrCpy $1 0
    ${EndIf}
    IntOp $1 $1 + 1
    ${If} $1 > 100
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT}正在运行，请先退出它，然后重试。" /SD IDCANCEL IDRETRY again
  SetErrorLevel 2
  Abort "${PRODUCT}仍在运行。"
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING ""
!insertmacro DEFINE_CLOSE_RUNNING "un."

; An install in another folder than this one is removed first: one install
; remains, and its config.ini (a remembered account, a service address) moves
; along unless the new folder has its own.
Function RemoveInstallElsewhere
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIf} $0 == $INSTDIR
  ${OrIfNot} ${FileExists} "$0\uninstall.exe"
    Return
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\config.ini"
    Rename "$0\config.ini" "$INSTDIR\config.ini"
  ${EndIf}
  ExecWait '"$0\uninstall.exe" /S _?=$0'
  Delete "$0\uninstall.exe"
  RMDir "$0"
FunctionEnd

Section "-${PRODUCT}"
  SetOutPath "$INSTDIR"
  Call CloseRunningProgram
  Call RemoveInstallElsewhere
  File "/oname=lanque.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\lanque.exe" "" "$INSTDIR\lanque.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "lanque"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lanque.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "桌面快捷方式"
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\lanque.exe" "" "$INSTDIR\lanque.exe" 0
SectionEnd

Section "-un.${PRODUCT}"
  Call un.CloseRunningProgram
  Delete "$INSTDIR\lanque.exe"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${BROWSER_EMULATION_KEY}" "lanque.exe"
  DeleteRegKey /ifempty HKCU "${BROWSER_EMULATION_KEY}"
SectionEnd

Section /o "un.同时删除保存的账号" UninstallAccount
  SetRegView 32
  DeleteRegKey HKLM "${ACCOUNT_KEY}"
  SetRegView 64
  DeleteRegKey HKLM "${ACCOUNT_KEY}"
  SetRegView default
  Delete "$INSTDIR\config.ini"
  Delete "${USER_SETTINGS_FOLDER}\config.ini"
  RMDir "${USER_SETTINGS_FOLDER}"
SectionEnd

; Only an empty folder goes: a kept account's config.ini keeps it.
Section "-un.folder"
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEACCOUNT" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UninstallAccount}
  ${EndIf}
FunctionEnd
