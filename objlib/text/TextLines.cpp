// The text box's line index: wrapping, the re-wrap after an edit, and lookups by y.
#include "TextLines.h"

#include <algorithm>

namespace {

// Places one line from first at x = 0; *last gets its last node. The children are
// bottom-aligned walking back to the last one at x = 0, so a leading child of no width
// keeps the line's top, as it always has.
TextLine PlaceLine(LIST* first, int top, TextLines::Wrap wrap, LIST** last) {
  TextLine line = {first, top, top, 0, false, false};
  int x = 0;
  int height = 0;
  LIST* n = first;
  for (;;) {
    KVObject* o = n->pObj;
    o->x = x;
    o->y = top;
    x += o->cx;
    height = std::max(height, o->cy);
    line.right = std::max(line.right, x);
    if (!KVIsCharCode(o->m_wCode)) line.hasObjects = true;
    LIST* next = n->pNext;
    if (!next || o->m_wCode == KV_CODE_NEWLINE || (wrap.on && x + next->pObj->cx > wrap.width))
      break;
    n = next;
  }
  line.bottom = top + height;
  for (LIST* m = n;; m = m->pPrev) {
    m->pObj->y = line.bottom - m->pObj->cy;
    if (m->pObj->x == 0) break;
  }
  line.mayBeShown = line.hasObjects;
  *last = n;
  return line;
}

}  // namespace

void TextLines::NoteEdit(LIST* before, LIST* after) {
  if (m_edit.pending && (m_edit.before != before || m_edit.after != after)) m_edit.mixed = true;
  m_edit.pending = true;
  m_edit.before = before;
  m_edit.after = after;
}

void TextLines::LayoutAll(LIST* head, Wrap wrap) {
  m_edit = Edit();
  m_lines.clear();
  m_changedTop = 0;
  m_changedBottom = kToTheEnd;
  m_right = 0;
  m_widest = 0;
  m_shown = 0;
  int top = 0;
  for (LIST* node = head; node;) {
    LIST* last = nullptr;
    m_lines.push_back(PlaceLine(node, top, wrap, &last));
    Count(m_lines.back());
    m_shown += m_lines.back().mayBeShown;
    top = m_lines.back().bottom;
    node = last->pNext;
  }
}

void TextLines::LayoutEdit(LIST* head, Wrap wrap) {
  const Edit edit = m_edit;
  m_edit = Edit();
  if (!edit.pending || edit.mixed || m_lines.empty() || !edit.after) return LayoutAll(head, wrap);
  const long before = edit.before ? LineOf(edit.before) : 0;
  const long after = LineOf(edit.after);
  if (before < 0 || after < before) return LayoutAll(head, wrap);
  // A line's break depends only on its own children and the next line's first: the line
  // holding the node before the edit is the first that can change.
  Rewrap(before, head, edit.after, after, wrap);
}

void TextLines::Rewrap(size_t start, LIST* head, LIST* after, size_t afterLine, Wrap wrap) {
  size_t old = afterLine + 1;  // the next old line the breaks may meet
  std::vector<TextLine> fresh;
  // The first line starts at the head, which an edit there replaces.
  LIST* node = start == 0 ? head : m_lines[start].first;
  int top = m_lines[start].top;
  bool passed = false;
  while (node) {
    // From an untouched line start on, the old layout stands, moved by the new top.
    if (passed && old < m_lines.size() && node == m_lines[old].first) break;
    LIST* last = nullptr;
    fresh.push_back(PlaceLine(node, top, wrap, &last));
    for (LIST* n = node;; n = n->pNext) {
      if (n == after)
        passed = true;
      else if (passed && old < m_lines.size() && n == m_lines[old].first)
        ++old;
      if (n == last) break;
    }
    top = fresh.back().bottom;
    node = last->pNext;
  }
  Replace(start, node ? old : m_lines.size(), fresh, node);
}

// Lines [start, kept) give way to the fresh ones; from `next` (the first node of line kept,
// or none) on, everything moves by the difference of tops.
void TextLines::Replace(size_t start, size_t kept, const std::vector<TextLine>& fresh, LIST* next) {
  const int top = fresh.back().bottom;
  m_changedTop = m_lines[start].top;
  m_changedBottom = next && top == m_lines[kept].top ? top : kToTheEnd;
  if (next && top != m_lines[kept].top) {
    const int delta = top - m_lines[kept].top;
    for (size_t i = kept; i < m_lines.size(); ++i) {
      m_lines[i].top += delta;
      m_lines[i].bottom += delta;
    }
    for (LIST* n = next; n; n = n->pNext) n->pObj->y += delta;
  }
  for (size_t i = start; i < kept; ++i) {
    Forget(m_lines[i]);
    m_shown -= m_lines[i].mayBeShown;
  }
  for (const TextLine& line : fresh) {
    Count(line);
    m_shown += line.mayBeShown;
  }
  if (fresh.size() == kept - start) {
    std::copy(fresh.begin(), fresh.end(), m_lines.begin() + start);
  } else {
    m_lines.erase(m_lines.begin() + start, m_lines.begin() + kept);
    m_lines.insert(m_lines.begin() + start, fresh.begin(), fresh.end());
  }
}

void TextLines::Count(const TextLine& line) {
  if (m_right < 0) return;  // a search is due, which counts every line
  if (line.right > m_right) {
    m_right = line.right;
    m_widest = 0;
  }
  if (line.right == m_right) ++m_widest;
}

void TextLines::Forget(const TextLine& line) {
  if (line.right == m_right && --m_widest == 0) m_right = -1;
}

void TextLines::SetShown(TextLine& line, bool shown) {
  if (line.mayBeShown == shown) return;
  line.mayBeShown = shown;
  shown ? ++m_shown : --m_shown;
}

bool TextLines::Current(const LIST* head) const {
  return !m_edit.pending && !m_lines.empty() && m_lines.front().first == head;
}

// The widest lines are counted, so only taking away the last of them means a search.
int TextLines::Right() {
  if (m_right < 0) {
    m_right = 0;
    m_widest = 0;
    for (const TextLine& line : m_lines) Count(line);
  }
  return m_right;
}

size_t TextLines::LineBelow(int y) const {
  auto it = std::upper_bound(m_lines.begin(), m_lines.end(), y,
                             [](int value, const TextLine& line) { return value < line.bottom; });
  if (it == m_lines.end()) return m_lines.empty() ? 0 : m_lines.size() - 1;
  return static_cast<size_t>(it - m_lines.begin());
}

long TextLines::LineOf(const LIST* node) const {
  const KVObject* o = node->pObj;
  auto it = std::upper_bound(m_lines.begin(), m_lines.end(), o->y,
                             [](int value, const TextLine& line) { return value < line.top; });
  if (it == m_lines.begin()) return -1;
  const long i = static_cast<long>(it - m_lines.begin()) - 1;
  if (o->cy > 0 && o->y < m_lines[i].bottom) return i;
  // A child of no height sits on its line's bottom, the next line's top: look in both.
  for (long k = std::max(0L, i - 1); k <= i; ++k)
    for (LIST* n = m_lines[k].first; n && n != EndOf(k); n = n->pNext)
      if (n == node) return k;
  return -1;
}
