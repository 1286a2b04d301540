; Files in use cannot be replaced or deleted, so nothing is installed or uninstalled while
; KVMemo runs. Memo windows (frame class KVMemoFrame) are asked to close the way the
; editor's close-all asks them, so a memo with changes asks its user; an installed module
; still in use (the options editor, a plug-in loaded elsewhere) counts as running too.

!define MEMO_FRAME_CLASS "KVMemoFrame"
; How long a silent run waits for the memo windows to close: the editor's own exchange
; takes about 2 s; what is open after this is waiting for its user.
!define CLOSE_WAIT_STEPS 50
!define CLOSE_WAIT_STEP_MS 200

!macro CheckModuleFree MODULE
  ${If} $R9 == ""
  ${AndIf} ${FileExists} "$INSTDIR\${MODULE}"
    ClearErrors
    FileOpen $R8 "$INSTDIR\${MODULE}" a
    ${If} ${Errors}
      StrCpy $R9 "${MODULE}"
    ${Else}
      FileClose $R8
    ${EndIf}
  ${EndIf}
!macroend

!macro RUNNING_FUNCTIONS PREFIX
; Sets $R9 to what keeps the installation busy ("" when nothing does).
Function ${PREFIX}FindRunning
  StrCpy $R9 ""
  FindWindow $R8 "${MEMO_FRAME_CLASS}"
  ${If} $R8 <> 0
    StrCpy $R9 "KVMemo.exe"
    Return
  ${EndIf}
  !insertmacro CheckModuleFree "KVMemo.exe"
  !insertmacro CheckModuleFree "KVObj.dll"
  !insertmacro CheckModuleFree "KVOption.exe"
  !insertmacro CheckModuleFree "ImagePane.dll"
  !insertmacro CheckModuleFree "Susie\imgfilt.spi"
FunctionEnd

; One memo window runs the close-all command; the others close from it in turn.
Function ${PREFIX}AskMemosToClose
  FindWindow $R8 "${MEMO_FRAME_CLASS}"
  ${If} $R8 <> 0
    System::Call 'user32::PostMessage(p $R8, i ${WM_COMMAND}, p ${CLOSE_ALL}, p 0)'
  ${EndIf}
  StrCpy $R7 0
  ${Do}
    Call ${PREFIX}FindRunning
    ${If} $R9 == ""
    ${OrIf} $R7 >= ${CLOSE_WAIT_STEPS}
      Return
    ${EndIf}
    Sleep ${CLOSE_WAIT_STEP_MS}
    IntOp $R7 $R7 + 1
  ${Loop}
FunctionEnd

; Silently the windows are asked to close and the run fails, leaving the installation as
; it was, when something still runs; interactively the user closes KVMemo and retries.
Function ${PREFIX}WaitUntilNothingRuns
  ${If} ${Silent}
    Call ${PREFIX}AskMemosToClose
  ${Else}
    Call ${PREFIX}FindRunning
  ${EndIf}
  ${DoWhile} $R9 != ""
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "KVMemo が実行中です ($R9)。$\r$\n編集中のメモを保存して KVMemo とオプション設定をすべて閉じてから、[再試行] を押してください。" /SD IDCANCEL IDRETRY retry
    Abort "KVMemo が実行中のため、中止しました。"
  retry:
    Call ${PREFIX}FindRunning
  ${Loop}
FunctionEnd
!macroend
!insertmacro RUNNING_FUNCTIONS ""
!insertmacro RUNNING_FUNCTIONS "un."
