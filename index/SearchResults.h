// What a search of the memos or of the links to a memo hands back to the window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LineMatch.h"

struct HitLine {
  int number;                   // 1-based line of the memo
  std::string text;             // Shift-JIS
  std::vector<TextSpan> spans;  // the matches, in bytes of text
};

struct MemoHit {
  std::string path;   // Shift-JIS
  std::string title;  // the document name, Shift-JIS; may be empty
  int64_t time;       // last write, FILETIME units
  std::vector<HitLine> lines;
};

struct SearchQuery {
  std::string text;  // Shift-JIS, as typed
  bool matchCase = false;
  std::vector<std::string> folders;  // Shift-JIS; the memos below them are searched
};

struct SearchOutcome {
  std::vector<MemoHit> hits;  // newest first
  int damaged = 0;            // memos in the folders that could not be read
  bool fromIndex = false;     // false: the files were read one by one
};

// Progress of a long update: done of total files read so far.
using ProgressFn = void (*)(void* context, int done, int total);
