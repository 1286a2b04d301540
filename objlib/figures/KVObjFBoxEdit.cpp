// Editing a figure box: recorded inserts and deletes, moving and resizing children by
// replacing them with changed copies (so undo brings the old ones back), and expanding
// memo links.
#include <vector>

#include "FigureGeometry.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjFBox.h"
#include "KVObjLink.h"
#include "LockedGlobal.h"

int KVObjFBox::Insert(LIST* pRun) {
  if (!pRun) return 0;
  for (LIST* n = pRun; n; n = n->pNext) KVKeepInFigure(n->pObj);
  KVObjList::Insert(m_list.pTail, pRun, true);
  GrowExtent(pRun);
  return 0;
}

int KVObjFBox::Insert(KVObject* pObj) { return Insert(KVNewNode(pObj)); }

// Each selected child is a record of its own, grouped, so one Undo restores them all.
int KVObjFBox::Delete() {
  bool groupStart = true;
  for (LIST* n = m_list.pHead; IsChild(n);) {
    LIST* next = n->pNext;
    if (n->pObj->m_bSelected) {
      n->pObj->NoDraw();  // an embedded viewer must not stay on screen
      KVObjList::Delete(n, next, groupStart);
      groupStart = false;
    }
    n = next;
  }
  RecomputeExtent();
  return 0;
}

int KVObjFBox::Erase(LIST* pFrom, LIST* pTo, bool bGroupStart) {
  if (pFrom != pTo) KVObjList::Delete(pFrom, pTo, bGroupStart);
  return 0;
}

int KVObjFBox::SetTextData(char* pszText) {
  LIST* chain = StrToList(pszText, 0, &g_DefaultFont);
  if (!chain) return -1;
  Clear();
  LIST* last = chain;
  while (last->pNext) last = last->pNext;
  SpliceBefore(m_list.pTail, chain, last);
  RecomputeExtent();
  return 0;
}

// The children that come back cover their places again.
void KVObjFBox::PostUndo(BUndo*) { GrowExtent(m_list.pHead); }

template <typename Change>
LIST* KVObjFBox::ReplaceChild(LIST* node, bool groupStart, Change change) {
  KVObject* copy = DupObject(node->pObj);
  copy->m_bSelected = node->pObj->m_bSelected;
  change(copy);
  KVKeepInFigure(copy);
  LIST* next = node->pNext;
  node->pObj->NoDraw();
  KVObjList::Delete(node, next, groupStart);
  LIST* added = KVNewNode(copy);
  KVObjList::Insert(next, added, false);
  return added;
}

int KVObjFBox::MoveSelected(int dx, int dy) {
  int moved = 0;
  for (LIST* n = m_list.pHead; IsChild(n);) {
    LIST* next = n->pNext;
    if (n->pObj->m_bSelected) {
      ReplaceChild(n, moved == 0, [dx, dy](KVObject* o) {
        o->x = KVClampToFigure(static_cast<long long>(o->x) + dx);
        o->y = KVClampToFigure(static_cast<long long>(o->y) + dy);
      });
      ++moved;
    }
    n = next;
  }
  if (moved) RecomputeExtent();
  return moved;
}

LIST* KVObjFBox::SetItemRect(LIST* pNode, CRect rect) {
  if (!IsChild(pNode)) return nullptr;
  LIST* added = ReplaceChild(pNode, true, [&rect](KVObject* o) {
    o->x = KVClampToFigure(rect.left);
    o->y = KVClampToFigure(rect.top);
    o->SetSize(CSize(KVClampToFigure(rect.Width()), KVClampToFigure(rect.Height())));
  });
  RecomputeExtent();
  return added;
}

// The objects of the memo a link points to; *pResult is negative when the memo cannot be
// read (gone, damaged, of a newer version).
LIST* KVObjFBox::ReadLinkedMemo(KVObjLink* link, int* pResult) {
  void* block = nullptr;
  const int length = link->GetLinkFileData(&block);
  if (length < 0) {
    *pResult = length;
    return nullptr;
  }
  *pResult = KV_ERR_READ_WRITE;
  LIST* run = nullptr;
  {
    LockedGlobal data(static_cast<HGLOBAL>(block));
    if (data.Data()) run = StreamToList(data.Data(), data.Data() + length, true, pResult);
  }
  GlobalFree(static_cast<HGLOBAL>(block));
  return run;
}

// Each selected memo link gives way to the objects of the memo it points to, all in one
// undoable action; an empty memo replaces its link by nothing. The objects keep their
// stored places and come in unselected, so a memo that links to itself expands one level
// per request and never further. A memo that cannot be read leaves its link in place.
// 1 when any link was replaced; otherwise the first error met, or 0.
int KVObjFBox::ExtendLink() {
  std::vector<LIST*> links;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext)
    if (n->pObj->m_bSelected && n->pObj->m_wCode == SEG_LINK) links.push_back(n);
  bool any = false;
  int failure = 0;
  for (LIST* n : links) {
    auto* link = dynamic_cast<KVObjLink*>(n->pObj);
    if (!link || link->FileType() != FT_MEMO) continue;
    int result = 0;
    LIST* run = ReadLinkedMemo(link, &result);
    if (result < 0) {
      if (failure == 0) failure = result;
      continue;
    }
    link->NoDraw();
    KVObjList::Delete(n, n->pNext, !any);
    any = true;
    if (!run) continue;
    for (LIST* r = run; r; r = r->pNext) KVKeepInFigure(r->pObj);
    KVObjList::Insert(m_list.pTail, run, false);
    GrowExtent(run);
  }
  return any ? 1 : failure;
}
