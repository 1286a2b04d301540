; In a Japanese font "インストール(&I)" is wider than the stock button (about 87 pixels of text
; on a 75-pixel button in 9-point ＭＳ Ｐゴシック), so the next button grows by a third over
; the gap on its left and the back button moves left by as much, once, when the window opens.
; The uninstaller's "アンインストール(&U)" needs the same, so both get these functions.

!define SWP_NOZORDER_NOACTIVATE 0x14

!macro WIDE_BUTTONS PREFIX
; Fills $R1 left, $R2 top, $R3 width, $R4 height of control $R0 in the window's client area.
Function ${PREFIX}ButtonPlace
  System::Call '*(i, i, i, i) p .R5'
  System::Call 'user32::GetWindowRect(p R0, p R5)'
  System::Call 'user32::MapWindowPoints(p 0, p $HWNDPARENT, p R5, i 2)'
  System::Call '*$R5(i .R1, i .R2, i .R3, i .R4)'
  System::Free $R5
  IntOp $R3 $R3 - $R1
  IntOp $R4 $R4 - $R2
FunctionEnd

Function ${PREFIX}WidenNextButton
  GetDlgItem $R0 $HWNDPARENT 1
  Call ${PREFIX}ButtonPlace
  IntOp $R6 $R3 / 3
  IntOp $R1 $R1 - $R6
  IntOp $R3 $R3 + $R6
  System::Call 'user32::SetWindowPos(p R0, p 0, i R1, i R2, i R3, i R4, i ${SWP_NOZORDER_NOACTIVATE})'
  GetDlgItem $R0 $HWNDPARENT 3
  Call ${PREFIX}ButtonPlace
  IntOp $R1 $R1 - $R6
  System::Call 'user32::SetWindowPos(p R0, p 0, i R1, i R2, i R3, i R4, i ${SWP_NOZORDER_NOACTIVATE})'
FunctionEnd
!macroend
!insertmacro WIDE_BUTTONS ""
!insertmacro WIDE_BUTTONS "un."
