// The memo view's editing in place: entering a memo a link opened below its caption by a
// press, a key or the link menu, leaving it, the status text and the files' stamps.
#include <cstdio>

#include "MemoGlobals.h"
#include "MemoStrings.h"
#include "MemoView.h"
#include "resource.h"

LIST* CMemoView::SelectedLinkNode() {
  LIST* top = nullptr;
  LIST* end = nullptr;
  if (Active().GetSel(&top, &end)) return top->pNext == end ? top : nullptr;
  return Active().GetCurPos();
}

bool CMemoView::CanEditInPlace() {
  LIST* node = SelectedLinkNode();
  return node && m_inPlace.Check(node) == InPlaceEdit::Verdict::kEditable;
}

// A memo's file is stamped when its editing starts with nothing unsaved: what is on disk
// then is what the memo shows, unless another program wrote it since it was read.
void CMemoView::AfterLevelChange() {
  for (int depth = 1; depth <= m_inPlace.Depth(); ++depth) {
    KVDocText& memo = m_inPlace.DocAt(depth);
    if (!m_inPlaceStamps.count(&memo) || !memo.IsDerty())
      m_inPlaceStamps[&memo] = FileStamp::Of(memo.m_szPath);
  }
  ShowEditingStatus();
  m_nCaretHeight = 0;  // the caret takes the height of the new document's character
  ShowCaretAt();
  Invalidate();
}

void CMemoView::OnLinkEditInPlace() {
  LIST* node = SelectedLinkNode();
  if (!node) return;
  if (m_inPlace.Check(node) == InPlaceEdit::Verdict::kSameFile && m_showStatus)
    m_showStatus(LoadText(IDS_INPLACE_SAME_FILE).c_str(), false);
  if (!m_inPlace.Enter(node)) return;
  // From the keyboard the memo scrolls to its caret; a press leaves it under the pointer.
  Active().Scroll(m_inPlace.ActiveView(ClientRect()), Active().GetCurPos());
  AfterLevelChange();
}

void CMemoView::LeaveInPlace(int depth) {
  if (depth < 0 || depth >= m_inPlace.Depth()) return;
  m_inPlace.LeaveTo(depth);
  AfterLevelChange();
}

void CMemoView::FollowPoint(POINT window) {
  const InPlaceEdit::Target target = m_inPlace.TargetAt(window);
  const KVDocText* before = &Active();
  m_inPlace.Follow(target);
  if (&Active() != before) AfterLevelChange();
  if (target.refused == InPlaceEdit::Verdict::kSameFile && m_showStatus)
    m_showStatus(LoadText(IDS_INPLACE_SAME_FILE).c_str(), false);
}

void CMemoView::ShowEditingStatus() {
  if (!m_showStatus) return;
  const char* path = m_inPlace.ActivePath();
  if (!path) {
    m_showStatus(nullptr, true);
    return;
  }
  char text[kPathSize + 64];
  std::snprintf(text, sizeof text, LoadText(IDS_EDITING_IN_PLACE).c_str(), path);
  m_showStatus(text, true);
}

void CMemoView::InvalidateEdit() {
  if (!m_inPlace.Depth()) {
    Invalidate();
    return;
  }
  const RECT area = m_inPlace.ActiveArea();
  InvalidateRect(m_hWnd, &area, FALSE);
}

void CMemoView::NoteInPlaceSaved(const KVDocText* memo) {
  m_inPlaceStamps[memo] = FileStamp::Of(memo->m_szPath);
}

const FileStamp* CMemoView::InPlaceStamp(const KVDocText* memo) const {
  auto found = m_inPlaceStamps.find(memo);
  return found == m_inPlaceStamps.end() ? nullptr : &found->second;
}
