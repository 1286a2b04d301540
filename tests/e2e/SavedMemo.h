// A memo file as the library reads it back: text, each character's colour and font,
// the stored window placement and the document name.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "KVDocText.h"

struct StyledChar {
  unsigned code;  // a byte, or lead byte * 256 + trail byte; 10 for a line break
  COLORREF color;
  std::string face;
  LONG height;
  BYTE charSet;
};

class SavedMemo {
 public:
  explicit SavedMemo(const std::string& path);

  bool Loaded() const { return loaded_; }
  // The text as the library exports it (a line break as CR LF).
  std::string Text() const;
  // The characters of the memo in order; links and other objects are left out.
  std::vector<StyledChar> Chars() const;
  const WINDOWPLACEMENT& Placement() const { return doc_->m_wndpl; }
  const std::string& Name() const { return doc_->m_strDocName; }

 private:
  std::unique_ptr<KVDocText> doc_;
  bool loaded_ = false;
};

// The character codes of Shift-JIS text, as StyledChar::code holds them.
std::vector<unsigned> CodesOf(const std::string& sjisText);
