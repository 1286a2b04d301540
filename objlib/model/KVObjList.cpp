// The object list: end-marker invariant, recorded edits, grouped undo, assembly of the
// serialised form and the text export.
#include "KVObjList.h"

#include "ClipboardFormats.h"
#include "FixedPool.h"
#include "KVObjLink.h"
#include "KVProfile.h"
#include "ObjectFactory.h"

namespace {

// Never destroyed: a node may be freed while the library unloads.
FixedPool& NodePool() {
  static FixedPool* pool = new FixedPool(sizeof(LIST));
  return *pool;
}

}  // namespace

void* LIST::operator new(std::size_t size) {
  return size == sizeof(LIST) ? NodePool().Allocate() : ::operator new(size);
}

void LIST::operator delete(void* p, std::size_t size) {
  if (size == sizeof(LIST))
    NodePool().Release(p);
  else
    ::operator delete(p);
}

LIST* KVNewNode(KVObject* pObj) { return new LIST{nullptr, nullptr, pObj}; }

void KVFreeNode(LIST* pNode) {
  delete pNode->pObj;
  delete pNode;
}

void KVFreeChain(LIST* pFirst) {
  while (pFirst) {
    LIST* next = pFirst->pNext;
    KVFreeNode(pFirst);
    pFirst = next;
  }
}

BUndo::BUndo(DWORD kind, bool groupStart, LIST* nodeA, LIST* nodeB)
    : nKind(kind),
      bGroupStart(groupStart),
      pNodeA(nodeA),
      pNodeB(nodeB),
      pCurPos(nullptr),
      pSelTop(nullptr),
      pSelEnd(nullptr) {}

BUndo::~BUndo() {
  if (nKind == DELETED) KVFreeChain(pNodeB);
}

KVObjList::KVObjList()
    : m_list{nullptr, nullptr}, m_undo{nullptr, nullptr}, m_redo{nullptr, nullptr} {
  COLORREF color = KVGetProfileInt(kTextColor);
  LOGFONT font;
  KVGetProfileFont(kDefaultFont, &font);
  m_list.pHead = m_list.pTail = KVNewNode(new KVObjChar(KV_CODE_END_MARKER, color, &font));
}

KVObjList::~KVObjList() {
  ClearUndo();
  KVFreeChain(m_list.pHead);
}

void KVObjList::SpliceBefore(LIST* pBefore, LIST* pFirst, LIST* pLast) {
  LIST* previous = pBefore ? pBefore->pPrev : nullptr;
  if (!pBefore) pBefore = m_list.pHead;
  pFirst->pPrev = previous;
  pLast->pNext = pBefore;
  pBefore->pPrev = pLast;
  if (previous)
    previous->pNext = pFirst;
  else
    m_list.pHead = pFirst;
}

void KVObjList::Unlink(LIST* pFirst, LIST* pLast) {
  LIST* previous = pFirst->pPrev;
  LIST* next = pLast->pNext;
  if (previous)
    previous->pNext = next;
  else
    m_list.pHead = next;
  if (next)
    next->pPrev = previous;
  else
    m_list.pTail = previous;
  pFirst->pPrev = nullptr;
  pLast->pNext = nullptr;
}

namespace {

// The undo and redo histories are stacks of record nodes, their top at the head.
void PushNode(LIST*& head, LIST*& tail, LIST* node) {
  node->pPrev = nullptr;
  node->pNext = head;
  if (head)
    head->pPrev = node;
  else
    tail = node;
  head = node;
}

LIST* PopNode(LIST*& head, LIST*& tail) {
  LIST* node = head;
  if (!node) return nullptr;
  head = node->pNext;
  if (head)
    head->pPrev = nullptr;
  else
    tail = nullptr;
  node->pNext = nullptr;
  return node;
}

BUndo* RecordOf(LIST* node) { return static_cast<BUndo*>(node->pObj); }

}  // namespace

void KVObjList::PushUndo(BUndo* pUndo) {
  PushNode(m_undo.pHead, m_undo.pTail, KVNewNode(pUndo));
}

void KVObjList::Record(BUndo* pUndo) {
  KVFreeChain(m_redo.pHead);
  m_redo.pHead = m_redo.pTail = nullptr;
  PushUndo(pUndo);
}

void KVObjList::Insert(LIST* pBefore, LIST* pChain, bool bGroupStart) {
  LIST* last = pChain;
  while (last->pNext) last = last->pNext;
  auto* record = new BUndo(BUndo::INSERTED, bGroupStart, pChain, last);
  Record(record);
  PreInsert(record);
  SpliceBefore(pBefore, pChain, last);
  PostInsert(record);
}

bool KVObjList::Delete(LIST* pFirst, LIST* pEnd, bool bGroupStart) {
  // Unlinking an empty or backward range would cut the list; the walk costs no more than
  // the layout that follows a deletion.
  LIST* n = pFirst;
  while (n && n != pEnd) n = n->pNext;
  if (!pFirst || !pEnd || pFirst == pEnd || n != pEnd) return false;
  auto* record = new BUndo(BUndo::DELETED, bGroupStart, pEnd, pFirst);
  Record(record);
  PreDelete(record);
  Unlink(pFirst, pEnd->pPrev);
  PostDelete(record);
  return true;
}

void KVObjList::Revert(BUndo* pUndo) {
  if (pUndo->nKind == BUndo::INSERTED) {
    LIST* after = pUndo->pNodeB->pNext;
    Unlink(pUndo->pNodeA, pUndo->pNodeB);
    PostUndo(pUndo);
    pUndo->pNodeB = pUndo->pNodeA;
    pUndo->pNodeA = after;
    pUndo->nKind = BUndo::DELETED;
  } else if (pUndo->nKind == BUndo::DELETED) {
    LIST* last = pUndo->pNodeB;
    while (last->pNext) last = last->pNext;
    SpliceBefore(pUndo->pNodeA, pUndo->pNodeB, last);
    PostUndo(pUndo);
    pUndo->pNodeA = pUndo->pNodeB;
    pUndo->pNodeB = last;
    pUndo->nKind = BUndo::INSERTED;
  } else if (pUndo->nKind == BUndo::RESIZED) {
    KVObject* obj = pUndo->pNodeA->pObj;
    CSize now(obj->cx, obj->cy);
    obj->SetSize(CSize(pUndo->cx, pUndo->cy));
    pUndo->cx = now.cx;
    pUndo->cy = now.cy;
    PostUndo(pUndo);
  }
}

// A group is pushed newest first, so its first record (the group start) lies deepest in the
// undo history and comes out last; on the redo history it then lies on top.
int KVObjList::Undo() {
  while (LIST* node = PopNode(m_undo.pHead, m_undo.pTail)) {
    Revert(RecordOf(node));
    PushNode(m_redo.pHead, m_redo.pTail, node);
    if (RecordOf(node)->bGroupStart) break;
  }
  return 0;
}

int KVObjList::Redo() {
  while (LIST* node = PopNode(m_redo.pHead, m_redo.pTail)) {
    Revert(RecordOf(node));
    PushNode(m_undo.pHead, m_undo.pTail, node);
    if (m_redo.pHead && RecordOf(m_redo.pHead)->bGroupStart) break;
  }
  return 0;
}

void KVObjList::ClearUndo() {
  KVFreeChain(m_undo.pHead);
  m_undo.pHead = m_undo.pTail = nullptr;
  KVFreeChain(m_redo.pHead);
  m_redo.pHead = m_redo.pTail = nullptr;
}

void KVObjList::Clear() {
  if (m_list.pHead != m_list.pTail) {
    LIST* first = m_list.pHead;
    Unlink(first, m_list.pTail->pPrev);
    KVFreeChain(first);
  }
  PostClear();
  ClearUndo();
}

void KVObjList::SetItemSize(LIST* pNode, CSize size) {
  KVObject* obj = pNode->pObj;
  auto* record = new BUndo(BUndo::RESIZED, true, pNode, nullptr);
  record->cx = obj->cx;
  record->cy = obj->cy;
  Record(record);
  obj->SetSize(size);
}

void KVObjList::ReloadLinkFile(LINK* pLink) {
  for (LIST* node = m_list.pHead; node; node = node->pNext)
    if (auto* link = dynamic_cast<KVObjLink*>(node->pObj)) link->ReloadLinkFile(pLink);
}

bool KVObjList::IsDerty() { return m_undo.pHead != nullptr || m_bDerty; }

void KVObjList::ClearDerty() {
  ClearUndo();
  m_bDerty = false;
}

void KVObjList::CalcSize(HDC hdc) {
  KVObject::CalcSize(hdc);
  for (LIST* node = m_list.pHead; node; node = node->pNext) node->pObj->CalcSize(hdc);
}

int KVObjList::AssembleData(char* pBuf, int nSize, int* pWritten, bool bSelected) {
  int body = bSelected ? SelectedDataBodyLength() : DataBodyLength();
  int needed = HeadDataLength() + body + TailDataLength();
  *pWritten = 0;
  if (nSize < needed) return needed;
  int written = GetHeadData(pBuf, nSize);
  written += bSelected ? GetSelectedDataBody(pBuf + written, nSize - written)
                       : GetDataBody(pBuf + written, nSize - written);
  written += GetTailData(pBuf + written, nSize - written);
  *pWritten = written;
  return written;
}

int KVObjList::DataLength() { return HeadDataLength() + DataBodyLength() + TailDataLength(); }

int KVObjList::GetData(char* pBuf, int nSize, int* pWritten) {
  return AssembleData(pBuf, nSize, pWritten, false);
}

int KVObjList::SelectedDataLength() {
  return HeadDataLength() + SelectedDataBodyLength() + TailDataLength();
}

int KVObjList::GetSelectedData(char* pBuf, int nSize, int* pWritten) {
  return AssembleData(pBuf, nSize, pWritten, true);
}

// The extra byte is room for the zero that ends the export.
int KVObjList::TextLength() {
  return HeadTextLength() + TextBodyLength() + TailTextLength() + 1;
}

int KVObjList::SelectedTextLength() {
  return HeadTextLength() + SelectedTextBodyLength() + TailTextLength() + 1;
}

int KVObjList::AssembleText(char* pBuf, int nSize, int* pWritten, bool bSelected) {
  int needed = bSelected ? SelectedTextLength() : TextLength();
  *pWritten = 0;
  if (nSize < needed) return needed;
  int written = GetHeadText(pBuf, nSize);
  written += bSelected ? GetSelectedTextBody(pBuf + written, nSize - written)
                       : GetTextBody(pBuf + written, nSize - written);
  written += GetTailText(pBuf + written, nSize - written);
  pBuf[written] = '\0';
  *pWritten = written;
  return written;
}

int KVObjList::GetText(char* pBuf, int nSize, int* pWritten) {
  return AssembleText(pBuf, nSize, pWritten, false);
}

int KVObjList::GetSelectedText(char* pBuf, int nSize, int* pWritten) {
  return AssembleText(pBuf, nSize, pWritten, true);
}

KVObject* KVObjList::DupObject(KVObject* pObj) { return KVCopyObject(*pObj); }

bool KVObjList::CanPaste() {
  UINT formats[] = {CF_TEXT, KVGetClipboardFormats().dataBus, CF_HDROP, CF_BITMAP};
  return GetPriorityClipboardFormat(formats, 4) > 0;
}

bool KVObjList::CanUndo() { return m_undo.pHead != nullptr; }
bool KVObjList::CanRedo() { return m_redo.pHead != nullptr; }

int KVObjList::Delete() { return 0; }
int KVObjList::Erase(LIST*, LIST*, bool) { return 0; }
int KVObjList::Insert(char*) { return 0; }
int KVObjList::Insert(int, void*, CPoint) { return 0; }
int KVObjList::Insert(KVObject*) { return 0; }
int KVObjList::Insert(LIST*) { return 0; }
int KVObjList::DoChildProperty() { return 0; }
bool KVObjList::HaveSelectData() { return false; }
int KVObjList::GetSelectedDataBody(char*, int) { return 0; }
int KVObjList::SelectedDataBodyLength() { return 0; }
int KVObjList::GetSelectedTextBody(char*, int) { return 0; }
int KVObjList::SelectedTextBodyLength() { return 0; }
void KVObjList::PreDelete(BUndo*) {}
void KVObjList::PostDelete(BUndo*) {}
void KVObjList::PreInsert(BUndo*) {}
void KVObjList::PostInsert(BUndo*) {}
void KVObjList::PostUndo(BUndo*) {}
void KVObjList::PostClear() {}
void KVObjList::PostSetData() {}
