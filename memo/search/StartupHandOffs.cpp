// Both hand-offs leave the environment here, so no window this one starts inherits them.
#include "StartupHandOffs.h"

#include "FindOnOpen.h"
#include "MainFrame.h"
#include "ResultsWindow.h"
#include "SearchHandOff.h"

void TakeStartupHandOffs(CMainFrame* frame) {
  const SearchHandOff search = TakeSearchHandOff();
  FindHandedOverWords(&frame->m_wndView);
  if (search.kind != SearchHandOff::kNone) ShowSearchResults(frame, search);
}
