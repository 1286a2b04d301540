// Memo files with links for the tests, made through the library: text, links at their own
// size, and links opened in place.
#pragma once

#include <string>

#include "KVDocText.h"

class MemoFixture {
 public:
  MemoFixture();
  MemoFixture(const MemoFixture&) = delete;
  MemoFixture& operator=(const MemoFixture&) = delete;

  // Shift-JIS text ("\n" a line break), black, in a 16-pixel Japanese gothic.
  MemoFixture& Text(const std::string& sjisText);
  // A link to a file, as an icon and caption; opened, it shows the file inside the memo.
  MemoFixture& Link(const std::string& target, bool openInPlace = false);
  MemoFixture& Name(const std::string& docName);
  bool Save(const std::string& path);

 private:
  KVDocText doc_;
};
