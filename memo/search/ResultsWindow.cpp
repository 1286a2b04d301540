// A hidden message-only window receives what the index worker posts and fills the frame.
#include "ResultsWindow.h"

#include <cstdio>
#include <memory>

#include "MainFrame.h"
#include "MemoGlobals.h"
#include "MemoStrings.h"
#include "PathKey.h"
#include "ResultsMemo.h"
#include "SjisText.h"
#include "SearchJobs.h"
#include "resource.h"

namespace {

const char kReceiverClass[] = "KVMemoSearchReceiver";

struct Receiver {
  CMainFrame* frame;
  SearchHandOff search;
};

// One search per results window, so one receiver per process.
Receiver g_receiver;

std::string Format(UINT id, const char* text, int number) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, LoadText(id).c_str(), text, number);
  return buffer;
}

std::string Format(UINT id, int first, int second) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, LoadText(id).c_str(), first, second);
  return buffer;
}

std::string QueryShown() {
  const SearchHandOff& search = g_receiver.search;
  return search.kind == SearchHandOff::kWords ? search.text : NamePart(search.text);
}

std::string NotesOf(const SearchOutcome& outcome) {
  std::string notes;
  if (!outcome.fromIndex) notes = LoadText(IDS_SEARCH_NO_INDEX);
  if (outcome.damaged > 0) notes += Format(IDS_SEARCH_DAMAGED, outcome.damaged, 0);
  return notes;
}

void ShowOutcome(const SearchOutcome& outcome) {
  CMainFrame* frame = g_receiver.frame;
  const bool words = g_receiver.search.kind == SearchHandOff::kWords;
  const int count = static_cast<int>(outcome.hits.size());
  std::string heading =
      Format(words ? IDS_SEARCH_HEADING : IDS_BACKLINKS_HEADING, QueryShown().c_str(), count);
  FillResultsMemo(&frame->m_wndView.m_doc, heading, NotesOf(outcome), outcome);
  frame->m_wndView.Refresh();
  frame->m_wndView.ShowCaretAt();
  std::string status = Format(IDS_SEARCH_DONE, count, 0);
  if (!outcome.fromIndex) status += LoadText(IDS_SEARCH_NO_INDEX);
  frame->m_wndStatusBar.SetMessageText(status.c_str());
}

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SEARCH_PROGRESS) {
    std::string text =
        Format(IDS_SEARCH_PROGRESS, static_cast<int>(wParam), static_cast<int>(lParam));
    g_receiver.frame->m_wndStatusBar.SetMessageText(text.c_str());
    return 0;
  }
  if (message == WM_SEARCH_DONE) {
    std::unique_ptr<SearchOutcome> outcome(reinterpret_cast<SearchOutcome*>(lParam));
    ShowOutcome(*outcome);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateReceiver() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ReceiverProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kReceiverClass;
  RegisterClassA(&wc);
  return CreateWindowExA(0, kReceiverClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                         nullptr);
}

void TitleResults(CMainFrame* frame, const SearchHandOff& search) {
  const bool words = search.kind == SearchHandOff::kWords;
  std::string name =
      Format(words ? IDS_SEARCH_TITLE : IDS_BACKLINKS_TITLE, QueryShown().c_str(), 0);
  KVCopyCut(g_szDocName, sizeof g_szDocName, name.c_str());
  frame->m_wndView.m_doc.m_strDocName = g_szDocName;
  frame->m_wndView.m_doc.ClearDerty();
  frame->UpdateTitle();
}

}  // namespace

void ShowSearchResults(CMainFrame* frame, const SearchHandOff& search) {
  g_receiver = {frame, search};
  TitleResults(frame, search);
  frame->m_wndStatusBar.SetMessageText(LoadText(IDS_SEARCH_RUNNING).c_str());
  if (search.kind == SearchHandOff::kWords) PassWordsToOpenedMemos(search.text, search.matchCase);
  HWND receiver = CreateReceiver();
  if (receiver) RunSearchJob(search, receiver);
}
