// A memo's searchable content, read through the library: its text, its title and where
// its links stand.
#pragma once

#include <string>
#include <vector>

struct MemoLinkRef {
  std::string targetKey;  // PathKey of the target
  int line;               // 1-based line of the memo where the link stands
};

struct MemoContent {
  bool readable = false;  // false: gone, damaged or of a newer version
  std::string title;      // the document name, Shift-JIS
  std::string text;       // UTF-8, lines separated by "\n"; a link counts as its caption
  std::vector<MemoLinkRef> links;
};

// Reads a memo file. What a link opened in place shows belongs to the linked file and is
// not part of this memo's text.
MemoContent ReadMemoContent(const std::string& sjisPath);
