// What one memo window hands to a window it starts: a search for the new window to run and
// show (a results memo), and, from a results memo, the words for a memo opened from it to
// put the caret on. Both travel in the started process's environment, which a process
// started through the shell inherits; each window takes them out of its own at start.
#pragma once

#include <string>

struct SearchHandOff {
  enum Kind { kNone, kWords, kBacklinks };
  Kind kind = kNone;
  bool matchCase = false;
  std::string folder;  // the only folder searched; empty: every data folder
  std::string text;    // the words, or the memo whose links are wanted (Shift-JIS)
};

// Starts another KVMemo process that runs the search and shows its results.
void StartResultsWindow(const SearchHandOff& search);
// The search this process was started to run; kNone for an ordinary window.
SearchHandOff TakeSearchHandOff();
// Memos started from this process (its links run through the shell) find these words.
void PassWordsToOpenedMemos(const std::string& words, bool matchCase);
// The words this window was started to find in its memo; false when there are none.
bool TakeWordsToFind(std::string* words, bool* matchCase);
