// The results memo: a memo window started to run a search shows the search's progress in
// its status bar and then the results as its content, titled with the query.
#pragma once

#include "SearchHandOff.h"

class CMainFrame;

// Runs the handed-over search for this window, which must live as long as the process.
void ShowSearchResults(CMainFrame* frame, const SearchHandOff& search);
