// TextLines: the text box's line index, which wraps the children into lines, again only
// from an edit to where the line breaks meet the previous layout, and finds lines by y.
#pragma once

#include <vector>

#include "KVObjList.h"

struct TextLine {
  LIST* first;
  int top;
  int bottom;
  int right;          // the rightmost edge of a child
  bool hasObjects;    // a child that is not a character
  bool mayBeShown;    // such a child was drawn, or laid out, and not told it is out of view
};

class TextLines {
 public:
  // The wrapping rule of the box: a line ends after a line break, or before a child that
  // would reach past width.
  struct Wrap {
    bool on;
    int width;
  };

  // An edit between two untouched nodes (before: null at the head). Two edits at one place
  // (a selection replaced) make one; edits elsewhere make the next layout a whole one.
  void NoteEdit(LIST* before, LIST* after);
  // Lays out every child, or only around the noted edit.
  void LayoutAll(LIST* head, Wrap wrap);
  void LayoutEdit(LIST* head, Wrap wrap);

  // Whether the lines match the list: no edit since the last layout.
  bool Current(const LIST* head) const;
  const std::vector<TextLine>& Lines() const { return m_lines; }
  std::vector<TextLine>& Lines() { return m_lines; }
  int Right();
  int Bottom() const { return m_lines.empty() ? 0 : m_lines.back().bottom; }
  // The first line whose bottom lies below y (the last line when none).
  size_t LineBelow(int y) const;
  // The line that holds node, or -1 when the index does not know it.
  long LineOf(const LIST* node) const;
  // What the last layout changed, in the box's pixels: from top to bottom, or to the end
  // (kToTheEnd) when the lines below moved.
  static const int kToTheEnd = 0x7FFFFFFF;
  int ChangedTop() const { return m_changedTop; }
  int ChangedBottom() const { return m_changedBottom; }
  void ChangedAll() {
    m_changedTop = 0;
    m_changedBottom = kToTheEnd;
  }
  // Sets a line's mayBeShown, keeping count of the lines that have it.
  void SetShown(TextLine& line, bool shown);
  size_t ShownCount() const { return m_shown; }
  // The node after the last one of line i (null after the last line).
  LIST* EndOf(size_t i) const { return i + 1 < m_lines.size() ? m_lines[i + 1].first : nullptr; }

 private:
  struct Edit {
    bool pending = false;
    bool mixed = false;
    LIST* before = nullptr;
    LIST* after = nullptr;
  };

  // Wraps from line `start`, replacing the old lines until the breaks meet them again.
  void Rewrap(size_t start, LIST* head, LIST* after, size_t afterLine, Wrap wrap);
  void Replace(size_t start, size_t kept, const std::vector<TextLine>& fresh, LIST* next);
  // Keep the count of the widest lines.
  void Count(const TextLine& line);
  void Forget(const TextLine& line);

  std::vector<TextLine> m_lines;
  Edit m_edit;
  int m_changedTop = 0;
  int m_changedBottom = kToTheEnd;
  size_t m_shown = 0;  // lines with mayBeShown
  int m_right = 0;   // the widest line's right edge; -1 when to be searched for
  int m_widest = 0;  // how many lines are that wide
};
