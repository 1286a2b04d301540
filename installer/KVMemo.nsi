; KVMemo's installer: the program folder, the .kvm association, Start menu entries and an
; uninstaller that leaves the user's memos and settings alone.
; makensis -INPUTCHARSET UTF8 -DARCH=x86_64|i686 -DSTAGE=<program folder>
;   -DICON=<KVMemo.ico> -DOUTFILE=<setup.exe>
; Command line: /S silent, /ALLUSERS or /CURRENTUSER (the default), /D=folder.
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

Name "KVMemo"
OutFile "${OUTFILE}"
RequestExecutionLevel highest
SetCompressor /SOLID lzma
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KVMemo"
!define PROGID "KVMemo.Document"

Var AllUsers
Var RadioUser
Var RadioAll

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_WELCOME
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

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

Section "KVMemo"
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
