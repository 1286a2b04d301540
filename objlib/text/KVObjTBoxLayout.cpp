// The text box's line layout and the walks over it: caret movements, point lookups,
// the first selected line, page breaks.
#include <algorithm>
#include <cstring>

#include "KVObjTBox.h"

namespace {

int Bottom(const KVObject* o) { return o->y + o->cy; }

}  // namespace

TextLines::Wrap KVObjTBox::WrapRule() const { return {(m_nAttr & KV_ATTR_WRAP) != 0, m_nWidth}; }

void KVObjTBox::Layout(HDC) {
  m_lineIndex.LayoutAll(m_list.pHead, WrapRule());
  FitToLines();
}

void KVObjTBox::LayoutAfterEdit() {
  m_lineIndex.LayoutEdit(m_list.pHead, WrapRule());
  FitToLines();
}

// The height counts the last line's height from the end marker's top, as stored layouts of
// boxes with a tall last line have always had it.
void KVObjTBox::FitToLines() {
  const TextLine& last = m_lineIndex.Lines().back();
  const int width = std::max(m_lineIndex.Right(), m_nWidth);
  // A frame moves with the width. Unframed, the box is filled with the colour of what holds
  // it (a memo and its content share one), so only the changed lines change on screen.
  if (width != cx && (m_nAttr & KV_ATTR_FRAME)) m_lineIndex.ChangedAll();
  cx = width;
  cy = m_list.pTail->pObj->y + (last.bottom - last.top);
}

void KVObjTBox::GetChangedBand(int* pTop, int* pBottom) const {
  *pTop = m_lineIndex.ChangedTop();
  *pBottom = m_lineIndex.ChangedBottom();
}

LIST* KVObjTBox::MoveDown(LIST* cur) const {
  if (cur == m_list.pTail) return cur;
  const int curBottom = Bottom(cur->pObj);
  bool enteredNextLine = false;
  for (LIST* n = cur->pNext; n; n = n->pNext) {
    const KVObject* o = n->pObj;
    if (Bottom(o) == curBottom) continue;
    if (o->x + o->cx > cur->pObj->x) return n;
    if (enteredNextLine && o->x == 0) return n->pPrev;
    enteredNextLine = true;
  }
  return enteredNextLine ? m_list.pTail : cur;
}

LIST* KVObjTBox::MoveCurPos(int code, CSize page) {
  LIST* cur = m_pCurPos;
  const KVObject* c = cur->pObj;
  switch (code) {
    case MOVE_UP:
      for (LIST* n = cur->pPrev; n; n = n->pPrev)
        if (Bottom(n->pObj) != Bottom(c) && n->pObj->x <= c->x) return n;
      return cur;
    case MOVE_DOWN:
      return MoveDown(cur);
    case MOVE_LEFT:
      return cur->pPrev ? cur->pPrev : cur;
    case MOVE_RIGHT:
      return cur->pNext ? cur->pNext : cur;
    case MOVE_LINE_START:
      while (cur->pPrev && cur->pObj->x != 0) cur = cur->pPrev;
      return cur;
    case MOVE_LINE_END:
      while (cur->pNext && cur->pNext->pObj->x != 0) cur = cur->pNext;
      return cur;
    case MOVE_PAGE_UP:
      return c->y < 0 ? cur : Find(CPoint(c->x, std::max(0, static_cast<int>(c->y - page.cy))));
    case MOVE_PAGE_DOWN:
      return Find(CPoint(c->x, c->y + page.cy));
    case MOVE_TEXT_START:
      return cur == m_list.pHead ? nullptr : m_list.pHead;
    case MOVE_TEXT_END:
      return m_list.pTail;
    default:
      return nullptr;
  }
}

// Lines above the point hold nothing whose bottom is below it.
LIST* KVObjTBox::Find(CPoint pt) {
  int px = std::max(0, static_cast<int>(pt.x));
  int py = std::max(0, static_cast<int>(pt.y));
  LIST* from = m_lineIndex.Current(m_list.pHead)
                   ? m_lineIndex.Lines()[m_lineIndex.LineBelow(py)].first
                   : m_list.pHead;
  for (LIST* n = from; n != m_list.pTail; n = n->pNext) {
    const KVObject* o = n->pObj;
    if (py < o->y + o->cy) {
      // Right of a line's end gives the line's last object, usually its line break.
      if (px < o->x + o->cx || n->pNext->pObj->x <= o->x) return n;
    }
  }
  return m_list.pTail;
}

// Only the lines the point's height crosses can hold a hit.
int KVObjTBox::WhereIs(CPoint pt, LIST** ppNode) {
  const std::vector<TextLine>& lines = m_lineIndex.Lines();
  const bool indexed = m_lineIndex.Current(m_list.pHead);
  for (size_t k = indexed ? m_lineIndex.LineBelow(pt.y) : 0;
       k < lines.size() && (!indexed || lines[k].top <= pt.y); ++k) {
    LIST* end = indexed ? m_lineIndex.EndOf(k) : nullptr;
    for (LIST* n = indexed ? lines[k].first : m_list.pHead; n != end && n != m_list.pTail;
         n = n->pNext) {
      int zone = n->pObj->HitTest(pt);
      if (zone == 0) continue;
      if (ppNode) *ppNode = n;
      return KVIsCharCode(n->pObj->m_wCode) ? KV_HIT_CHARACTER : zone;
    }
    if (!indexed) break;
  }
  if (ppNode) *ppNode = m_list.pTail;
  return 0;
}

int KVObjTBox::GetTextLine(char* pBuf, int nSize, int* pLen) {
  if (nSize > 0) std::memset(pBuf, 0, nSize);
  int length = 0;
  int used = 0;
  if (m_pSelTop != m_pSelEnd) {
    for (LIST* n = m_pSelTop; n != m_pSelEnd && n != m_list.pTail; n = n->pNext) {
      if (n->pObj->m_wCode == KV_CODE_NEWLINE) break;
      int written = 0;
      // One byte stays free for the terminating zero.
      length += n->pObj->GetText(pBuf + used, std::max(0, nSize - 1 - used), &written);
      used += written;
    }
  }
  if (pLen) *pLen = length;
  return length;
}

int KVObjTBox::GetPageHeight(HDC, int top, int height) {
  int rest = cy - top;
  if (rest <= height) return std::max(rest, 0);
  LIST* n = m_list.pHead;
  while (n && !(n->pObj->x == 0 && n->pObj->y >= top)) n = n->pNext;
  if (!n) return 0;
  int fitting = -1;
  for (n = n->pNext; n; n = n->pNext) {
    if (n->pObj->x != 0) continue;
    int d = n->pObj->y - top;
    if (d > height) return fitting >= 0 ? fitting : height;
    fitting = d;
  }
  return cy - top;
}
