; KVMemo's installer: the program folder, the .kvm association, Start menu entries and an
; uninstaller that leaves the user's memos and settings alone.
; makensis -INPUTCHARSET UTF8 -DARCH=x86_64|i686 -DSTAGE=<program folder>
;   -DICON=<KVMemo.ico> -DOUTFILE=<setup.exe> -DVERSION=1.09 -DVERSION_NUMBERS=1.9.0.0
;   -DPRODUCT=... -DCOMPANY=... -DCOPYRIGHT=... -DCLOSE_ALL=<the editor's close-all command>
; scripts/package.sh passes them from the build's KVVersion.h and memo/resource.h.
; Command line: /S silent, /ALLUSERS or /CURRENTUSER (the default), /D=folder.
; Exit code 0 when installed; 2 when nothing was installed (memo windows still open, files
; in use, the other scope's installation could not be removed) or the copy failed.
Unicode true
!if "${ARCH}" == "x86_64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif
!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

Name "KVMemo"
BrandingText "KVMemo ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel highest
SetCompressor /SOLID lzma
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KVMemo"
!define PROGID "KVMemo.Document"

Var AllUsers
Var RadioUser
Var RadioAll

!addincludedir "${__FILEDIR__}"
!include "WideButtons.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_CUSTOMFUNCTION_GUIINIT WidenNextButton
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.WidenNextButton
!insertmacro MUI_PAGE_WELCOME
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\KVMemo.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "$\"$INSTDIR\help\help.kvm$\""
!define MUI_FINISHPAGE_RUN_TEXT "KVMemo を起動してヘルプを開く"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION_NUMBERS}"
VIFileVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "KVMemo セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"

; Per user: the user's programs folder and HKCU; all users: Program Files and HKLM.
Function ApplyMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    !if "${ARCH}" == "x86_64"
      StrCpy $INSTDIR "$PROGRAMFILES64\KVMemo"
    !else
      StrCpy $INSTDIR "$PROGRAMFILES\KVMemo"
    !endif
  ${Else}
    SetShellVarContext current
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\KVMemo"
  ${EndIf}
  ; An upgrade goes where this scope's installation is.
  ReadRegStr $0 SHCTX "${UNINST_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $AllUsers 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  ; /D= sets INSTDIR before .onInit; keep it.
  StrCpy $2 $INSTDIR
  Call ApplyMode
  ${If} $2 != ""
    StrCpy $INSTDIR $2
  ${EndIf}
FunctionEnd

Function ModePage
  !insertmacro MUI_HEADER_TEXT "インストールの種類" "KVMemo を使うユーザーを選んでください。"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 10u 100% 12u "このユーザーだけ"
  Pop $RadioUser
  ${NSD_CreateRadioButton} 0 30u 100% 12u "このコンピューターのすべてのユーザー"
  Pop $RadioAll
  ${If} $AllUsers == 1
    ${NSD_Check} $RadioAll
  ${Else}
    ${NSD_Check} $RadioUser
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $RadioAll $AllUsers
  ${If} $AllUsers == ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call ApplyMode
FunctionEnd

!include "Running.nsh"
!include "OtherScope.nsh"

Section "KVMemo"
  Call WaitUntilNothingRuns
  Call RemoveOtherScope
  ; Every file was free a moment ago; one that still cannot be replaced fails the install
  ; instead of leaving its old version behind a report of success.
  SetOverwrite try
  ClearErrors
  SetOutPath "$INSTDIR"
  File "${STAGE}\KVMemo.exe"
  File "${STAGE}\KVObj.dll"
  File "${STAGE}\KVOption.exe"
  File "${STAGE}\ImagePane.dll"
  SetOutPath "$INSTDIR\Susie"
  File "${STAGE}\Susie\imgfilt.spi"
  SetOutPath "$INSTDIR\help"
  File "${STAGE}\help\*.kvm"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    Abort "KVMemo のファイルを置き換えられませんでした。KVMemo をすべて閉じてから、もう一度インストールしてください。"
  ${EndIf}

  WriteRegStr SHCTX "Software\Classes\.kvm" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "KVMemo メモ"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\KVMemo.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\KVMemo.exe" "%1"'

  CreateDirectory "$SMPROGRAMS\KVMemo"
  CreateShortCut "$SMPROGRAMS\KVMemo\KVMemo.lnk" "$INSTDIR\KVMemo.exe"
  CreateShortCut "$SMPROGRAMS\KVMemo\KVMemo オプション.lnk" "$INSTDIR\KVOption.exe"
  CreateShortCut "$SMPROGRAMS\KVMemo\KVMemo ヘルプ.lnk" "$INSTDIR\KVMemo.exe" '"$INSTDIR\help\help.kvm"'

  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "KVMemo"
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\KVMemo.exe,0"
  WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${COMPANY}"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; The uninstaller finds its mode where the installer recorded its folder.
Function un.onInit
  SetShellVarContext current
  ReadRegStr $0 HKLM "${UNINST_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.WaitUntilNothingRuns
  Delete "$INSTDIR\KVMemo.exe"
  Delete "$INSTDIR\KVObj.dll"
  Delete "$INSTDIR\KVOption.exe"
  Delete "$INSTDIR\ImagePane.dll"
  Delete "$INSTDIR\Susie\imgfilt.spi"
  RMDir "$INSTDIR\Susie"
  ; help\ is the installer's own folder: the help memos in it are all the installer's.
  Delete "$INSTDIR\help\*.kvm"
  RMDir "$INSTDIR\help"
  Delete "$INSTDIR\Uninstall.exe"
  ; Left in place when the user keeps files of their own there.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\KVMemo\KVMemo.lnk"
  Delete "$SMPROGRAMS\KVMemo\KVMemo オプション.lnk"
  Delete "$SMPROGRAMS\KVMemo\KVMemo ヘルプ.lnk"
  RMDir "$SMPROGRAMS\KVMemo"

  ; .kvm is unregistered only while it still points to this program.
  ReadRegStr $0 SHCTX "Software\Classes\.kvm" ""
  ${If} $0 == "${PROGID}"
    DeleteRegKey SHCTX "Software\Classes\.kvm"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "${UNINST_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
