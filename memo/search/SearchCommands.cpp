// The two commands: a dialog or the memo's path, then a results window started with them.
#include "SearchCommands.h"

#include "MemoGlobals.h"
#include "PathKey.h"
#include "SearchDlg.h"
#include "SearchHandOff.h"
#include "WinApp.h"
#include "FrameWnd.h"
#include "resource.h"

const CommandEntry<SearchCommands> SearchCommands::kCommands[] = {
    {ID_EDIT_FIND_ALL_MEMOS, &SearchCommands::OnFindInAllMemos, nullptr},
    {ID_LINK_LINKS_HERE, &SearchCommands::OnLinksToThisMemo, &SearchCommands::HasFile},
};

SearchCommands& SearchCommands::Instance() {
  static SearchCommands commands;
  return commands;
}

bool SearchCommands::OnCommand(UINT id) { return RunCommand(this, kCommands, id); }

bool SearchCommands::OnUpdateCommand(UINT id, CCmdUI* ui) {
  return UpdateCommand(this, kCommands, id, ui);
}

bool SearchCommands::HasFile() { return g_szFilePath[0] != '\0'; }

void SearchCommands::OnFindInAllMemos() {
  // The last choices of this window come back in the dialog.
  static SearchDlgResult last;
  CFrameWnd* frame = AfxGetApp()->m_pMainWnd;
  if (!AskSearchWords(frame ? frame->m_hWnd : nullptr, HasFile(), &last)) return;
  SearchHandOff search;
  search.kind = SearchHandOff::kWords;
  search.matchCase = last.matchCase;
  search.text = last.words;
  if (last.thisFolder && HasFile()) search.folder = FolderPart(g_szFilePath);
  StartResultsWindow(search);
}

void SearchCommands::OnLinksToThisMemo() {
  if (!HasFile()) return;
  SearchHandOff search;
  search.kind = SearchHandOff::kBacklinks;
  search.text = g_szFilePath;
  StartResultsWindow(search);
}
