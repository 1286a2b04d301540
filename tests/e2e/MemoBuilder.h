// Memo files for the tests, made with the document library exactly as the editor makes them.
#pragma once

#include <windows.h>

#include <string>

#include "KVDocText.h"

// A Japanese font as memos use; "ＭＳ ゴシック" and "ＭＳ 明朝" map to IPA fonts in the prefix.
LOGFONT MemoFont(const char* face, int height);

class MemoBuilder {
 public:
  MemoBuilder();
  MemoBuilder(const MemoBuilder&) = delete;
  MemoBuilder& operator=(const MemoBuilder&) = delete;

  // Shift-JIS text ("\n" a line break) in one colour and font.
  MemoBuilder& Text(const std::string& sjisText, COLORREF color, const LOGFONT& font);
  MemoBuilder& Text(const std::string& sjisText);
  // A link to a file, as an icon and caption; opened in place, it shows the file inside the
  // memo.
  MemoBuilder& Link(const std::string& target, bool openInPlace = false);
  // The document name, which the window title shows.
  MemoBuilder& Name(const std::string& docName);
  bool Save(const std::string& path);

 private:
  KVDocText doc_;
};
