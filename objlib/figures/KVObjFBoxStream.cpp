// The figure box in the memo stream (head, every child's own segment or bytes, tail) and
// its text export.
#include <cstring>

#include "FigureGeometry.h"
#include "KVErrors.h"
#include "KVObjFBox.h"
#include "SegWriter.h"

namespace {

const int kHeadSize = 30;  // header and six 32-bit fields
const int kTailSize = 6;

int ReadExtent(const char* p) { return KVClampToFigure(static_cast<int32_t>(KVReadU32(p))); }

}  // namespace

// The head's place (x, y) is not read: a figure box is always the document's content.
// Its extent and every child's geometry are kept within the figure bounds.
int KVObjFBox::SetData(int version, SEG_HEAD* pSeg, int nAvail) {
  const char* start = reinterpret_cast<const char*>(pSeg);
  const char* end = start + (nAvail > 0 ? nAvail : 0);
  const bool hasHead = KVPeekCode(start, end) == SEG_FBOX;
  if (hasHead && end - start < kHeadSize) return KV_ERR_READ_WRITE;
  auto* cursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(hasHead ? start + kHeadSize : start));
  int result = 0;
  LIST* chain = SegToList(version, &cursor, hasHead ? SEG_FBOX_END : SEG_END, end, &result);
  if (result < 0) return result;  // nothing of the box has changed
  if (hasHead) {
    m_nAttr = KVReadU32(start + 6);
    m_crBackColor = KVReadU32(start + 10);
    cx = m_nWidth = ReadExtent(start + 22);
    cy = ReadExtent(start + 26);
  }
  if (chain) {
    Clear();
    LIST* last = chain;
    for (LIST* n = chain; n; n = n->pNext) {
      KVKeepInFigure(n->pObj);
      last = n;
    }
    SpliceBefore(m_list.pTail, chain, last);
    if (!hasHead) GrowExtent(chain);
  }
  return static_cast<int>(reinterpret_cast<const char*>(cursor) - start);
}

int KVObjFBox::HeadDataLength() { return kHeadSize; }
int KVObjFBox::TailDataLength() { return kTailSize; }

int KVObjFBox::GetHeadData(char* pBuf, int nSize) {
  const uint32_t fields[6] = {m_nAttr, m_crBackColor, 0, 0, static_cast<uint32_t>(m_nWidth),
                              static_cast<uint32_t>(cy)};
  return KVWriteBoxHead(pBuf, nSize, SEG_FBOX, fields);
}

int KVObjFBox::GetTailData(char* pBuf, int nSize) {
  return KVWriteBoxTail(pBuf, nSize, SEG_FBOX_END);
}

// Children are written without colour or font segments: the reader gives them the
// running defaults.
int KVObjFBox::BodyLength(bool selectedOnly) {
  int length = 0;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext)
    if (!selectedOnly || n->pObj->m_bSelected) length += n->pObj->DataLength();
  return length;
}

int KVObjFBox::WriteBody(char* pBuf, int nSize, bool selectedOnly) {
  if (nSize < BodyLength(selectedOnly)) return 0;
  int used = 0;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
    if (selectedOnly && !n->pObj->m_bSelected) continue;
    int written = 0;
    n->pObj->GetData(pBuf + used, nSize - used, &written);
    used += written;
  }
  return used;
}

int KVObjFBox::BodyTextLength(bool selectedOnly) {
  int length = 0;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext)
    if (!selectedOnly || n->pObj->m_bSelected) length += n->pObj->TextLength();
  return length;
}

int KVObjFBox::WriteBodyText(char* pBuf, int nSize, bool selectedOnly) {
  if (nSize > 0) std::memset(pBuf, 0, nSize);
  int used = 0;
  for (LIST* n = m_list.pHead; IsChild(n); n = n->pNext) {
    if (selectedOnly && !n->pObj->m_bSelected) continue;
    int written = 0;
    n->pObj->GetText(pBuf + used, nSize - used, &written);
    used += written;
  }
  return used;
}

int KVObjFBox::DataBodyLength() { return BodyLength(false); }
int KVObjFBox::GetDataBody(char* pBuf, int nSize) { return WriteBody(pBuf, nSize, false); }
int KVObjFBox::SelectedDataBodyLength() { return BodyLength(true); }
int KVObjFBox::GetSelectedDataBody(char* pBuf, int nSize) { return WriteBody(pBuf, nSize, true); }
int KVObjFBox::TextBodyLength() { return BodyTextLength(false); }
int KVObjFBox::GetTextBody(char* pBuf, int nSize) { return WriteBodyText(pBuf, nSize, false); }
int KVObjFBox::SelectedTextBodyLength() { return BodyTextLength(true); }
int KVObjFBox::GetSelectedTextBody(char* pBuf, int nSize) { return WriteBodyText(pBuf, nSize, true); }
