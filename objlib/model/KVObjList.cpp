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

KVObjList::KVObjList() : m_list{nullptr, nullptr}, m_undo{nullptr, nullptr} {
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

void KVObjList::PushUndo(BUndo* pUndo) {
  LIST* node = KVNewNode(pUndo);
  node->pNext = m_undo.pHead;
  if (m_undo.pHead)
    m_undo.pHead->pPrev = node;
  else
    m_undo.pTail = node;
  m_undo.pHead = node;
}

void KVObjList::Insert(LIST* pBefore, LIST* pChain, bool bGroupStart) {
  LIST* last = pChain;
  while (last->pNext) last = last->pNext;
  auto* record = new BUndo(BUndo::INSERTED, bGroupStart, pChain, last);
  PushUndo(record);
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
  PushUndo(record);
  PreDelete(record);
  Unlink(pFirst, pEnd->pPrev);
  PostDelete(record);
  return true;
}

int KVObjList::Undo() {
  while (LIST* node = m_undo.pHead) {
    m_undo.pHead = node->pNext;
    if (m_undo.pHead)
      m_undo.pHead->pPrev = nullptr;
    else
      m_undo.pTail = nullptr;
    auto* record = static_cast<BUndo*>(node->pObj);
    if (record->nKind == BUndo::INSERTED) {
      Unlink(record->pNodeA, record->pNodeB);
      KVFreeChain(record->pNodeA);
    } else if (record->nKind == BUndo::DELETED) {
      LIST* last = record->pNodeB;
      while (last->pNext) last = last->pNext;
      SpliceBefore(record->pNodeA, record->pNodeB, last);
    }
    PostUndo(record);
    bool groupStart = record->bGroupStart;
    record->nKind = BUndo::SPENT;
    KVFreeNode(node);
    if (groupStart) break;
  }
  return 0;
}

void KVObjList::ClearUndo() {
  KVFreeChain(m_undo.pHead);
  m_undo.pHead = m_undo.pTail = nullptr;
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
  pNode->pObj->SetSize(size);
  m_bDerty = true;
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
