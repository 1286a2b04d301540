// The figure box: construction, extent, selection by point and rectangle, hit tests and
// the operations on the selected links and objects.
#include "KVObjFBox.h"

#include <algorithm>

#include "KVObjLink.h"
#include "KVObjTBox.h"
#include "KVProfile.h"

namespace {

KVObjLink* AsLink(KVObject* object) {
  return object->m_wCode == SEG_LINK ? dynamic_cast<KVObjLink*>(object) : nullptr;
}

// Whole rectangle inside: compared by edges, so an object of no size inside counts too.
bool Inside(const KVObject* o, const RECT& rc) {
  return o->x >= rc.left && o->y >= rc.top && o->x + o->cx <= rc.right && o->y + o->cy <= rc.bottom;
}

}  // namespace

KVObjFBox::KVObjFBox() : m_nWidth(0) {
  m_wCode = SEG_FBOX;
  m_nAttr = KVGetProfileInt(kFigureBoxAttr);
  m_crBackColor = KVGetProfileInt(kFigureBoxBackColor);
}

KVObjFBox::KVObjFBox(const KVObjFBox& other) : KVObjFBox() {
  CopyData(other);
  m_crBackColor = other.m_crBackColor;
  m_nWidth = other.m_nWidth;
  for (LIST* node = other.m_list.pHead; node != other.m_list.pTail; node = node->pNext) {
    LIST* copy = KVNewNode(DupObject(node->pObj));
    SpliceBefore(m_list.pTail, copy, copy);
  }
}

KVObjFBox::~KVObjFBox() = default;

void KVObjFBox::GrowExtent(LIST* pFirst) {
  for (LIST* n = pFirst; IsChild(n); n = n->pNext) {
    cx = std::max(cx, n->pObj->x + n->pObj->cx);
    cy = std::max(cy, n->pObj->y + n->pObj->cy);
  }
}

void KVObjFBox::RecomputeExtent() {
  cx = cy = 0;
  GrowExtent(m_list.pHead);
}

void KVObjFBox::SelectAll(bool b) {
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) n->pObj->m_bSelected = b;
}

void KVObjFBox::Select(int bToggle, CPoint pt) {
  pt = CPoint(std::max(0, static_cast<int>(pt.x)), std::max(0, static_cast<int>(pt.y)));
  LIST* hit = m_list.pHead;
  while (IsChild(hit) && hit->pObj->HitTest(pt) == 0) hit = hit->pNext;
  if (bToggle) {
    if (IsChild(hit)) hit->pObj->m_bSelected = !hit->pObj->m_bSelected;
    return;
  }
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) n->pObj->m_bSelected = n == hit;
}

// A rectangle dragged from any corner counts the same.
void KVObjFBox::Select(int bToggle, CRect rc) {
  RECT area = {std::min(rc.left, rc.right), std::min(rc.top, rc.bottom),
               std::max(rc.left, rc.right), std::max(rc.top, rc.bottom)};
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
    const bool inside = Inside(n->pObj, area);
    if (bToggle)
      n->pObj->m_bSelected = n->pObj->m_bSelected != inside;
    else
      n->pObj->m_bSelected = inside;
  }
}

bool KVObjFBox::HaveSelectData() {
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext)
    if (n->pObj->m_bSelected) return true;
  return false;
}

bool KVObjFBox::IsLinkSelected() const {
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext)
    if (n->pObj->m_bSelected && n->pObj->m_wCode == SEG_LINK) return true;
  return false;
}

bool KVObjFBox::IsObjSelected() const {
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext)
    if (n->pObj->m_bSelected && !KVIsCharCode(n->pObj->m_wCode)) return true;
  return false;
}

// Children with the same y form a row as tall as its tallest child; a point within a
// row's height gives the child it lies over, or the row's last child.
LIST* KVObjFBox::Find(CPoint pt) {
  const int px = std::max(0, static_cast<int>(pt.x));
  const int py = std::max(0, static_cast<int>(pt.y));
  LIST* candidate = nullptr;
  int rowHeight = 0;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
    const KVObject* o = n->pObj;
    rowHeight = std::max(rowHeight, o->cy);
    if (IsChild(n->pNext) && n->pNext->pObj->y == o->y) {
      if (px >= o->x && px < o->x + o->cx) candidate = n;
      continue;
    }
    if (px >= o->x && px < cx) candidate = n;
    if (py >= o->y && py < o->y + rowHeight) return candidate ? candidate : n;
    candidate = nullptr;
    rowHeight = 0;
  }
  return m_list.pTail;
}

int KVObjFBox::WhereIs(CPoint pt, LIST** ppNode) {
  LIST* n = m_list.pHead;
  int result = 0;
  for (; IsChild(n); n = n->pNext) {
    const int zone = n->pObj->HitTest(pt);
    if (zone != 0) {
      if (KVIsCharCode(n->pObj->m_wCode))
        result = KV_HIT_CHARACTER;
      else
        result = zone == HIT_TOP_RIGHT ? HIT_RIGHT : zone == HIT_BOTTOM_LEFT ? HIT_LEFT : zone;
      break;
    }
    if (n->pObj->y > pt.y) break;
  }
  if (ppNode) *ppNode = n;
  return result;
}

bool KVObjFBox::ForSelectedLinks(void (*action)(KVObjLink*)) {
  bool any = false;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
    KVObjLink* link = n->pObj->m_bSelected ? AsLink(n->pObj) : nullptr;
    if (link) action(link), any = true;
  }
  return any;
}

// An opened link grows: the extent follows it.
int KVObjFBox::OpenLink() {
  if (!ForSelectedLinks([](KVObjLink* link) { link->Open(); })) return 0;
  GrowExtent(m_list.pHead);
  return 1;
}

int KVObjFBox::CloseLink() {
  return ForSelectedLinks([](KVObjLink* link) { link->Close(); }) ? 1 : 0;
}

int KVObjFBox::ExecLink() {
  ForSelectedLinks([](KVObjLink* link) { link->Action(); });
  return 0;
}

int KVObjFBox::DoChildProperty() {
  bool changed = false;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
    KVObject* o = n->pObj;
    if (o->m_bSelected && !KVIsCharCode(o->m_wCode) && o->DoProperty() != 0) changed = true;
  }
  if (!changed) return 0;
  m_bDerty = true;
  GrowExtent(m_list.pHead);
  return 1;
}

// Only a change of the stored width makes the box dirty: a view that sets the same size
// again changes nothing that is saved.
void KVObjFBox::SetSize(CSize size) {
  if (m_nWidth == size.cx) return;
  m_nWidth = size.cx;
  m_bDerty = true;
}

void KVObjFBox::ChangeColor(COLORREF) {}
void KVObjFBox::ChangeFont(LOGFONT*) {}
