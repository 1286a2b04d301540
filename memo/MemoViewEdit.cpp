// The memo view's editing commands: undo and redo, clipboard, selection, date and time, colour, font.
#include <ctime>

#include "KVFont.h"
#include "KVProfile.h"
#include "MemoGlobals.h"
#include "MemoView.h"
#include "MyFontDlg.h"

bool CMemoView::HasFile() { return g_szFilePath[0] != '\0'; }

void CMemoView::OnEditUndo() {
  if (!Active().CanUndo()) return;
  Active().Undo();
  Invalidate();
  ShowCaretAt();
}

void CMemoView::OnEditRedo() {
  if (!Active().CanRedo()) return;
  Active().Redo();
  Invalidate();
  ShowCaretAt();
}

void CMemoView::OnEditCut() {
  if (!Active().IsSelected()) return;
  Active().PutClipboard(static_cast<int>(g_cfKaveloDataBus), true);
  Refresh();
}

void CMemoView::OnEditCopy() {
  if (!Active().IsSelected()) return;
  Active().PutClipboard(static_cast<int>(g_cfKaveloDataBus), false);
  Refresh();
}

void CMemoView::OnEditCopyText() {
  if (!Active().IsSelected()) return;
  Active().PutClipboard(CF_TEXT, false);
  Refresh();
}

void CMemoView::OnEditPaste() {
  if (!Active().CanPaste()) return;
  Active().GetClipboard(CPoint(0, 0));
  UpdateScrollBars();
  ScrollToObject(Active().GetCurPos());
  ShowCaretAt();
  Invalidate();
}

void CMemoView::OnEditSelectAll() {
  Active().SelectAll();
  ShowCaretAt();
  Invalidate();
}

void CMemoView::OnEditClear() {
  LIST* end = nullptr;
  if (!Active().GetSel(nullptr, &end)) return;
  Active().Delete();
  ScrollToObject(end);
  Refresh();
}

void CMemoView::InsertTimeStamp(const StringSetting& formatSetting) {
  char format[1024] = "";
  KVGetProfileString(formatSetting, format, sizeof format);
  time_t now = time(nullptr);
  char text[128] = "";
  KVStrftime(text, sizeof text, format, localtime(&now));
  Active().Insert(text);
  Refresh();
}

void CMemoView::OnInsertDate() { InsertTimeStamp(kDateStampFormat); }

void CMemoView::OnInsertTime() { InsertTimeStamp(kTimeStampFormat); }

void CMemoView::OnCharColor() {
  if (!Active().IsSelected()) return;
  COLORREF color = 0;
  if (!KVChooseColor(m_hWnd, &color)) return;
  Active().ChangeColor(color);
  Invalidate();
}

void CMemoView::OnCharFont() {
  LIST* top = nullptr;
  if (!Active().GetSel(&top, nullptr)) return;
  // The selection's first character, wherever the caret stands (after it, maybe on the end).
  CMyFontDlg dialog(top->pObj->m_logFont);
  if (!dialog.DoModal(m_hWnd)) return;
  Active().ChangeFont(&dialog.m_logFont);
  ShowCaretAt();
  Invalidate();
}
