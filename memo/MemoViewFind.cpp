// Find and replace through the platform's modeless dialog, which reports to the view with
// the registered "commdlg_FindReplace" message.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

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
  TakeSelectionAsFindText();
  m_hFindDialog = replace ? ReplaceTextA(&m_findRequest) : FindTextA(&m_findRequest);
  if (m_hFindDialog) AfxGetApp()->AddModeless(m_hFindDialog);
}

void CMemoView::TakeSelectionAsFindText() {
  KVObjTBox* box = Active().Box();
  const int length = box->SelectedTextBodyLength();
  if (!Active().IsSelected() || length >= static_cast<int>(sizeof m_szFindWhat)) return;
  std::string text(sizeof m_szFindWhat, '\0');
  box->GetSelectedTextBody(&text[0], static_cast<int>(text.size()));
  text.resize(std::strlen(text.c_str()));
  if (text.find_first_of("\r\n") == std::string::npos)
    lstrcpynA(m_szFindWhat, text.c_str(), sizeof m_szFindWhat);
}

void CMemoView::MoveFindDialogOffMatch() {
  if (!m_hFindDialog) return;
  const CRect top = m_inPlace.ToWindow(Active().GetCharRect(Active().GetSelTop()));
  const CRect end = m_inPlace.ToWindow(Active().GetCharRect(Active().GetSelEnd()));
  RECT match = {std::min(top.left, end.left), std::min(top.top, end.top),
                std::max(top.right, end.left), std::max(top.bottom, end.bottom)};
  MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&match), 2);
  RECT dialog, overlap;
  GetWindowRect(m_hFindDialog, &dialog);
  if (!IntersectRect(&overlap, &dialog, &match)) return;
  MONITORINFO screen = {};
  screen.cbSize = sizeof screen;
  GetMonitorInfoA(MonitorFromRect(&match, MONITOR_DEFAULTTONEAREST), &screen);
  // Below the match when the screen has room there, as Notepad does; else above it.
  const int height = dialog.bottom - dialog.top;
  int y = match.bottom + 1;
  if (y + height > screen.rcWork.bottom)
    y = std::max<int>(screen.rcWork.top, match.top - 1 - height);
  SetWindowPos(m_hFindDialog, nullptr, dialog.left, y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  LIST* start = Active().GetCurPos();
  while (Active().FindString(down, matchCase, m_szFindWhat, start) != 1) {
    if (!AskWrapAround(down)) return;
    start = nullptr;
  }
  ShowMatch();
}

void CMemoView::ReplaceNext(bool down, bool matchCase) {
  LIST* start = Active().GetCurPos();
  while (Active().ReplaceString(down, matchCase, m_szFindWhat, m_szReplaceWith, start) != 1) {
    if (!AskWrapAround(down)) return;
    start = nullptr;
  }
  ShowMatch();
}

void CMemoView::ShowMatch() {
  ScrollToObject(Active().GetCurPos());
  ShowCaretAt();
  Invalidate();
  MoveFindDialogOffMatch();
}

void CMemoView::ReplaceAll(bool matchCase) {
  int count = 0;
  if (Active().ReplaceString(true, matchCase, m_szFindWhat, m_szReplaceWith, nullptr) == 1) {
    do {
      ++count;
    } while (Active().ReplaceString(true, matchCase, m_szFindWhat, m_szReplaceWith,
                                 Active().GetCurPos()) == 1);
  }
  if (count > 0) {
    ScrollToObject(Active().GetCurPos());
    ShowCaretAt();
    Invalidate();
  }
  char text[1024];
  std::snprintf(text, sizeof text, LoadText(IDS_REPLACED_COUNT).c_str(), count);
  AfxMessageBox(text, MB_ICONASTERISK, LoadText(IDS_REPLACE_ALL_TITLE).c_str());
}
