; One installation per user: installing for all users removes the current user's own
; installation, and installing for the current user removes the all-users one, each
; through its own uninstaller (which leaves memos and settings). When that is not
; possible (no rights over the other scope), nothing is installed.

; $R0: the other scope's root key ("HKLM" or "HKCU"); reads its folder into $R1.
!macro ReadOtherLocation
  ${If} $AllUsers == 1
    StrCpy $R0 "HKCU"
    ReadRegStr $R1 HKCU "${UNINST_KEY}" "InstallLocation"
  ${Else}
    StrCpy $R0 "HKLM"
    ReadRegStr $R1 HKLM "${UNINST_KEY}" "InstallLocation"
  ${EndIf}
!macroend

Function RemoveOtherScope
  !insertmacro ReadOtherLocation
  ${If} $R1 == ""
    Return
  ${EndIf}
  DetailPrint "$R1 の KVMemo ($R0) を削除しています..."
  ${If} ${FileExists} "$R1\Uninstall.exe"
    ; _? runs the uninstaller in place, so it can be waited for; it leaves itself behind.
    ExecWait '"$R1\Uninstall.exe" /S _?=$R1'
    Delete "$R1\Uninstall.exe"
    RMDir "$R1"
  ${ElseIf} $R0 == "HKLM"
    DeleteRegKey HKLM "${UNINST_KEY}"  ; an entry without its uninstaller
  ${Else}
    DeleteRegKey HKCU "${UNINST_KEY}"
  ${EndIf}
  !insertmacro ReadOtherLocation
  ${If} $R1 != ""
    MessageBox MB_OK|MB_ICONSTOP "$R1 にインストールされている KVMemo を削除できませんでした。$\r$\nそちらを先にアンインストールしてください。" /SD IDOK
    Abort "KVMemo は別の種類 ($R0) で $R1 にインストールされています。"
  ${EndIf}
FunctionEnd
