// The dialog of the search of all memos: the words, whether case matters, and where.
#pragma once

#include <windows.h>

#include <string>

struct SearchDlgResult {
  std::string words;  // Shift-JIS
  bool matchCase = false;
  bool thisFolder = false;  // only the folder of the memo (offered when the memo has a file)
};

// False when the user cancelled or gave no words. result comes in as the last choice.
bool AskSearchWords(HWND owner, bool memoHasFolder, SearchDlgResult* result);
