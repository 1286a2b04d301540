// The text box: construction, and the caret and selection model.
#include "KVObjTBox.h"

#include "KVProfile.h"

KVObjTBox::KVObjTBox() : m_nWidth(0) {
  m_wCode = SEG_TBOX;
  m_nAttr = KVGetProfileInt(kTextBoxAttr);
  m_crBackColor = KVGetProfileInt(kTextBoxBackColor);
  m_pCurPos = m_pSelTop = m_pSelEnd = m_list.pTail;
}

KVObjTBox::KVObjTBox(const KVObjTBox& other) : KVObjTBox() {
  CopyData(other);
  m_crBackColor = other.m_crBackColor;
  // Printing sets its own width; a box copied inside a memo keeps the one it had.
  m_nWidth = other.m_nWidth;
  for (LIST* node = other.m_list.pHead; node != other.m_list.pTail; node = node->pNext) {
    LIST* copy = KVNewNode(DupObject(node->pObj));
    copy->pPrev = m_list.pTail->pPrev;
    copy->pNext = m_list.pTail;
    if (copy->pPrev)
      copy->pPrev->pNext = copy;
    else
      m_list.pHead = copy;
    m_list.pTail->pPrev = copy;
  }
  Layout(nullptr);
  SetCurPos(m_list.pHead);
}

KVObjTBox::~KVObjTBox() = default;

int KVObjTBox::SetCurPos(LIST* p) {
  m_pCurPos = m_pSelTop = m_pSelEnd = p;
  return 0;
}

void KVObjTBox::SetSel(LIST* a, LIST* b) {
  if (CompPosition(a, b) < 0) {
    m_pSelTop = a;
    m_pSelEnd = b;
  } else {
    m_pSelTop = b;
    m_pSelEnd = a;
  }
  m_pCurPos = a;
}

void KVObjTBox::SetSel(LIST* p) {
  if (m_pCurPos == m_pSelTop)
    m_pSelTop = p;
  else
    m_pSelEnd = p;
  m_pCurPos = p;
  if (CompPosition(m_pSelTop, m_pSelEnd) > 0) {
    LIST* top = m_pSelTop;
    m_pSelTop = m_pSelEnd;
    m_pSelEnd = top;
  }
}

bool KVObjTBox::GetSel(LIST** ppTop, LIST** ppEnd) const {
  if (ppTop) *ppTop = m_pSelTop;
  if (ppEnd) *ppEnd = m_pSelEnd;
  return m_pSelTop != m_pSelEnd;
}

void KVObjTBox::SelectAll() {
  m_pSelTop = m_pCurPos = m_list.pHead;
  m_pSelEnd = m_list.pTail;
}

// Reading order by geometry: the lower bottom first, then the smaller x.
int KVObjTBox::CompPosition(LIST* a, LIST* b) const {
  if (a == b) return 0;
  const KVObject* p = a->pObj;
  const KVObject* q = b->pObj;
  int bottoms = (p->y + p->cy) - (q->y + q->cy);
  return bottoms != 0 ? bottoms : p->x - q->x;
}

bool KVObjTBox::IsSelect(LIST* p, bool bIncludeEnd) const {
  if (m_pSelTop == m_pSelEnd) return false;
  for (LIST* node = m_pSelTop; node && node != m_pSelEnd; node = node->pNext)
    if (node == p) return true;
  return bIncludeEnd && p == m_pSelEnd;
}

namespace {

bool IsLink(const KVObject* object) { return object->m_wCode == SEG_LINK; }
bool IsObject(const KVObject* object) { return !KVIsCharCode(object->m_wCode); }

// With nothing selected the object just after the caret counts as the selection.
template <typename Test>
bool SelectionHolds(LIST* caret, LIST* top, LIST* end, Test test) {
  if (top == end) return test(caret->pObj);
  for (LIST* node = top; node && node != end; node = node->pNext)
    if (test(node->pObj)) return true;
  return false;
}

}  // namespace

bool KVObjTBox::IsLinkSelected() const {
  return SelectionHolds(m_pCurPos, m_pSelTop, m_pSelEnd, IsLink);
}

bool KVObjTBox::IsObjSelected() const {
  return SelectionHolds(m_pCurPos, m_pSelTop, m_pSelEnd, IsObject);
}

// Converted for another device (a printer), the box wraps at the converted width and
// lays its children out again in that device's pixels.
void KVObjTBox::CalcSize(HDC hdc) {
  KVObjList::CalcSize(hdc);
  if (!hdc) return;
  m_nWidth = DevPixelX(m_nWidth, hdc);
  Layout(hdc);
}

void KVObjTBox::SetSize(CSize size) {
  m_nWidth = size.cx;
  Layout(nullptr);
}
