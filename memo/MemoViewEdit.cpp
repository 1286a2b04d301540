// The memo view's editing commands: undo and redo, clipboard, selection, date and time, colour, font.
#include <ctime>

#include "KVFont.h"
#include "KVProfile.h"
#include "MemoGlobals.h"
#include "MemoView.h"
#include "MyFontDlg.h"

bool CMemoView::HasFile() { return g_szFilePath[0] != '\0'; }

void CMemoView::OnEditUndo() {
  if (!m_doc.CanUndo()) return;
  m_doc.Undo();
  Invalidate();
  ShowCaretAt();
}

void CMemoView::OnEditRedo() {
  if (!m_doc.CanRedo()) return;
  m_doc.Redo();
  Invalidate();
  ShowCaretAt();
}

void CMemoView::OnEditCut() {
  if (!m_doc.IsSelected()) return;
  m_doc.PutClipboard(static_cast<int>(g_cfKaveloDataBus), true);
  Refresh();
}

void CMemoView::OnEditCopy() {
  if (!m_doc.IsSelected()) return;
  m_doc.PutClipboard(static_cast<int>(g_cfKaveloDataBus), false);
  Refresh();
}

void CMemoView::OnEditCopyText() {
  if (!m_doc.IsSelected()) return;
  m_doc.PutClipboard(CF_TEXT, false);
  Refresh();
}

void CMemoView::OnEditPaste() {
  if (!m_doc.CanPaste()) return;
  m_doc.GetClipboard(CPoint(0, 0));
  UpdateScrollBars();
  ScrollToObject(m_doc.GetCurPos());
  ShowCaretAt();
  Invalidate();
}

void CMemoView::OnEditSelectAll() {
  m_doc.SelectAll();
  ShowCaretAt();
  Invalidate();
}

void CMemoView::OnEditClear() {
  LIST* end = nullptr;
  if (!m_doc.GetSel(nullptr, &end)) return;
  m_doc.Delete();
  ScrollToObject(end);
  Refresh();
}

void CMemoView::InsertTimeStamp(const StringSetting& formatSetting) {
  char format[1024] = "";
  KVGetProfileString(formatSetting, format, sizeof format);
  time_t now = time(nullptr);
  char text[128] = "";
  KVStrftime(text, sizeof text, format, localtime(&now));
  m_doc.Insert(text);
  Refresh();
}

void CMemoView::OnInsertDate() { InsertTimeStamp(kDateStampFormat); }

void CMemoView::OnInsertTime() { InsertTimeStamp(kTimeStampFormat); }

void CMemoView::OnCharColor() {
  if (!m_doc.IsSelected()) return;
  COLORREF color = 0;
  if (!KVChooseColor(m_hWnd, &color)) return;
  m_doc.ChangeColor(color);
  Invalidate();
}

void CMemoView::OnCharFont() {
  LIST* top = nullptr;
  if (!m_doc.GetSel(&top, nullptr)) return;
  // The selection's first character, wherever the caret stands (after it, maybe on the end).
  CMyFontDlg dialog(top->pObj->m_logFont);
  if (!dialog.DoModal(m_hWnd)) return;
  m_doc.ChangeFont(&dialog.m_logFont);
  ShowCaretAt();
  Invalidate();
}
