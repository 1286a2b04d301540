// The text box in the memo stream (head, run of children, tail) and its text export.
#include <cstring>

#include "KVErrors.h"
#include "KVObjTBox.h"
#include "SegWriter.h"

namespace {

const int kHeadSize = 30;     // header and six 32-bit fields
const int kOldHeadSize = 22;  // before version 256: no position
const int kTailSize = 6;

}  // namespace

int KVObjTBox::SetData(int version, SEG_HEAD* pSeg, int nAvail) {
  const char* start = reinterpret_cast<const char*>(pSeg);
  const char* end = start + (nAvail > 0 ? nAvail : 0);
  const char* body = start;
  int endCode = SEG_END;
  const bool hasHead = KVPeekCode(start, end) == SEG_TBOX;
  const int headSize = version >= 256 ? kHeadSize : kOldHeadSize;
  if (hasHead) {
    if (end - start < headSize) return KV_ERR_READ_WRITE;
    body = start + headSize;
    endCode = SEG_TBOX_END;
  }
  auto* cursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(body));
  int result = 0;
  LIST* chain = SegToList(version, &cursor, endCode, end, &result);
  if (result < 0) return result;  // nothing of the box has changed
  if (hasHead) {
    m_nAttr = KVReadU32(start + 6);
    m_crBackColor = KVReadU32(start + 10);
    const char* geometry = start + (version >= 256 ? 22 : 14);
    x = version >= 256 ? static_cast<int>(KVReadU32(start + 14)) : 0;
    y = version >= 256 ? static_cast<int>(KVReadU32(start + 18)) : 0;
    cx = m_nWidth = static_cast<int>(KVReadU32(geometry));
    cy = static_cast<int>(KVReadU32(geometry + 4));
  }
  if (chain) ReplaceContent(chain);
  return static_cast<int>(reinterpret_cast<const char*>(cursor) - start);
}

int KVObjTBox::HeadDataLength() { return kHeadSize; }
int KVObjTBox::TailDataLength() { return kTailSize; }

int KVObjTBox::GetHeadData(char* pBuf, int nSize) {
  const uint32_t fields[6] = {m_nAttr, m_crBackColor, static_cast<uint32_t>(x),
                              static_cast<uint32_t>(y), static_cast<uint32_t>(m_nWidth),
                              static_cast<uint32_t>(cy)};
  return KVWriteBoxHead(pBuf, nSize, SEG_TBOX, fields);
}

int KVObjTBox::GetTailData(char* pBuf, int nSize) {
  return KVWriteBoxTail(pBuf, nSize, SEG_TBOX_END);
}

int KVObjTBox::GetDataLength(LIST* pFrom, LIST* pTo) { return KVRunDataLength(pFrom, pTo); }

int KVObjTBox::GetDataSub(LIST* pFrom, LIST* pTo, char* pBuf, int nSize) {
  return KVWriteRun(pFrom, pTo, pBuf, nSize);
}

int KVObjTBox::GetTextLength(LIST* pFrom, LIST* pTo) {
  int length = 0;
  for (LIST* n = pFrom; n && n != pTo; n = n->pNext) length += n->pObj->TextLength();
  return length;
}

int KVObjTBox::GetTextSub(LIST* pFrom, LIST* pTo, char* pBuf, int nSize) {
  if (nSize > 0) std::memset(pBuf, 0, nSize);
  int used = 0;
  for (LIST* n = pFrom; n && n != pTo; n = n->pNext) {
    int written = 0;
    n->pObj->GetText(pBuf + used, nSize - used, &written);
    used += written;
  }
  return used;
}

int KVObjTBox::DataBodyLength() { return GetDataLength(m_list.pHead, m_list.pTail); }
int KVObjTBox::GetDataBody(char* pBuf, int nSize) {
  return GetDataSub(m_list.pHead, m_list.pTail, pBuf, nSize);
}
int KVObjTBox::TextBodyLength() { return GetTextLength(m_list.pHead, m_list.pTail); }
int KVObjTBox::GetTextBody(char* pBuf, int nSize) {
  return GetTextSub(m_list.pHead, m_list.pTail, pBuf, nSize);
}
int KVObjTBox::SelectedDataBodyLength() { return GetDataLength(m_pSelTop, m_pSelEnd); }
int KVObjTBox::GetSelectedDataBody(char* pBuf, int nSize) {
  return GetDataSub(m_pSelTop, m_pSelEnd, pBuf, nSize);
}
int KVObjTBox::SelectedTextBodyLength() { return GetTextLength(m_pSelTop, m_pSelEnd); }
int KVObjTBox::GetSelectedTextBody(char* pBuf, int nSize) {
  return GetTextSub(m_pSelTop, m_pSelEnd, pBuf, nSize);
}
