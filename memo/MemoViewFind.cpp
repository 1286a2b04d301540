// Find and replace through the platform's modeless dialog, which reports to the view with
// the registered "commdlg_FindReplace" message.
#include <cstdio>

#include "Dialog.h"
#include "MemoGlobals.h"
#include "MemoStrings.h"
#include "MemoView.h"
#include "WinApp.h"
#include "resource.h"

namespace {

// Asks whether to go on from the other end; true for Yes.
bool AskWrapAround(bool down) {
  return AfxMessageBox(down ? IDS_FIND_WRAP_END : IDS_FIND_WRAP_START,
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace

// One dialog at a time: a new one replaces the one open, which shares its request record.
void CMemoView::OpenFindDialog(bool replace) {
  if (m_hFindDialog) {
    AfxGetApp()->RemoveModeless(m_hFindDialog);
    DestroyWindow(m_hFindDialog);
  }
  m_findRequest = {};
  m_findRequest.lStructSize = sizeof m_findRequest;
  m_findRequest.hwndOwner = m_hWnd;
  m_findRequest.Flags = FR_DOWN | FR_HIDEWHOLEWORD;
  m_findRequest.lpstrFindWhat = m_szFindWhat;
  m_findRequest.wFindWhatLen = sizeof m_szFindWhat;
  m_findRequest.lpstrReplaceWith = m_szReplaceWith;
  m_findRequest.wReplaceWithLen = sizeof m_szReplaceWith;
  m_szFindWhat[0] = m_szReplaceWith[0] = '\0';
  m_hFindDialog = replace ? ReplaceTextA(&m_findRequest) : FindTextA(&m_findRequest);
  if (m_hFindDialog) AfxGetApp()->AddModeless(m_hFindDialog);
}

void CMemoView::OnFindReplace(FINDREPLACEA* request) {
  if (!m_hFindDialog || request != &m_findRequest) return;
  if (request->Flags & FR_DIALOGTERM) {
    AfxGetApp()->RemoveModeless(m_hFindDialog);
    m_hFindDialog = nullptr;
    return;
  }
  const bool down = (request->Flags & FR_DOWN) != 0;
  const bool matchCase = (request->Flags & FR_MATCHCASE) != 0;
  if (request->Flags & FR_FINDNEXT) FindNext(down, matchCase);
  else if (request->Flags & FR_REPLACE) ReplaceNext(down, matchCase);
  else if (request->Flags & FR_REPLACEALL) ReplaceAll(matchCase);
}

void CMemoView::FindNext(bool down, bool matchCase) {
  LIST* start = m_doc.GetCurPos();
  while (m_doc.FindString(down, matchCase, m_szFindWhat, start) != 1) {
    if (!AskWrapAround(down)) return;
    start = nullptr;
  }
  ScrollToObject(m_doc.GetCurPos());
  ShowCaretAt();
  Invalidate();
}

void CMemoView::ReplaceNext(bool down, bool matchCase) {
  LIST* start = m_doc.GetCurPos();
  while (m_doc.ReplaceString(down, matchCase, m_szFindWhat, m_szReplaceWith, start) != 1) {
    if (!AskWrapAround(down)) return;
    start = nullptr;
  }
  ScrollToObject(m_doc.GetCurPos());
  ShowCaretAt();
  Invalidate();
}

void CMemoView::ReplaceAll(bool matchCase) {
  int count = 0;
  if (m_doc.ReplaceString(true, matchCase, m_szFindWhat, m_szReplaceWith, nullptr) == 1) {
    do {
      ++count;
    } while (m_doc.ReplaceString(true, matchCase, m_szFindWhat, m_szReplaceWith,
                                 m_doc.GetCurPos()) == 1);
  }
  if (count > 0) {
    ScrollToObject(m_doc.GetCurPos());
    ShowCaretAt();
    Invalidate();
  }
  char text[1024];
  std::snprintf(text, sizeof text, LoadText(IDS_REPLACED_COUNT).c_str(), count);
  AfxMessageBox(text, MB_ICONASTERISK, LoadText(IDS_REPLACE_ALL_TITLE).c_str());
}
