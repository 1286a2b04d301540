// A memo file read back through the library and laid out as the memo view lays it out:
// each object with its code, text, link target, size and place in the view's client area.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class KVDocText;

struct MemoItem {
  unsigned code;         // a character's code (10 a line break), or the object's segment code
  std::string text;      // a character's bytes; empty for other objects
  std::string linkPath;  // a link's target, expanded; empty for anything else
  RECT rect;             // in the client area of a view of the given size
  SIZE minSize;          // the smallest size the object can be given
};

class MemoLayout {
 public:
  // Reads the memo; with a view, lays it out for that view's client area as it is now.
  explicit MemoLayout(const std::string& path, HWND view = nullptr);
  ~MemoLayout();

  bool Loaded() const { return loaded_; }
  const std::vector<MemoItem>& Items() const { return items_; }
  // The characters only, a line break as "\n"; a link stands as "@".
  std::string Text() const;
  std::vector<MemoItem> Links() const;
  // The index of the n-th (0-based) occurrence of Shift-JIS text among the characters.
  size_t IndexOf(const std::string& sjisText, int occurrence = 0) const;
  // A point inside an item: its centre, or a fraction across it (0 left edge, 1 right).
  POINT Inside(size_t index, double across = 0.5) const;
  const std::string& Name() const;

 private:
  std::unique_ptr<KVDocText> doc_;
  std::vector<MemoItem> items_;
  bool loaded_ = false;
};
