// A link's segment in the memo stream: position, size, scroll of the in-place document,
// the LINK record with its path in macro form, and the caption.
#include <cstring>

#include "KVErrors.h"
#include "KVObjDoc.h"
#include "KVObjLink.h"

namespace {

// Offsets from the segment start; streams before version 256 have no x and y.
struct LinkLayout {
  int size;     // x, y, cx, cy (or cx, cy): where they start
  int scroll;
  int link;
  int caption;  // behind the caption length
};
const LinkLayout kCurrent = {14, 30, 38, 568};
const LinkLayout kOld = {14, 22, 30, 560};

int32_t I32(const char* p) { return static_cast<int32_t>(KVReadU32(p)); }

}  // namespace

int KVObjLink::GetData(char* pBuf, int nSize, int* pWritten) {
  UpdateDataSize();
  const int needed = DataLength();
  *pWritten = 0;
  if (nSize < needed) return needed;
  std::memset(pBuf, 0, needed);
  SetHeader(reinterpret_cast<SEG_HEAD*>(pBuf));
  const int32_t fields[8] = {static_cast<int32_t>(m_nAttr), static_cast<int32_t>(m_crBackColor),
                             x, y, cx, cy, m_pChild ? m_pChild->m_nScrollX : 0,
                             m_pChild ? m_pChild->m_nScrollY : 0};
  std::memcpy(pBuf + 6, fields, sizeof fields);
  LINK stored;
  m_file.StoredLink(&stored);
  std::memcpy(pBuf + kCurrent.link, &stored, sizeof stored);
  KVWriteU32(pBuf + kCurrent.caption - 4, static_cast<uint32_t>(m_strCaption.size()));
  std::memcpy(pBuf + kCurrent.caption, m_strCaption.c_str(), m_strCaption.size() + 1);
  *pWritten = needed;
  return needed;
}

// A body whose caption is not terminated inside it, or that is too short for its fields,
// is refused before anything of the link changes.
int KVObjLink::SetData(int version, SEG_HEAD* pSeg, int nAvail) {
  const char* start = reinterpret_cast<const char*>(pSeg);
  long long size = nAvail > 0 ? KVSegmentSize(start, start + nAvail) : -1;
  const LinkLayout& at = version >= 256 ? kCurrent : kOld;
  if (size < at.caption + 1 || !std::memchr(start + at.caption, 0, size - at.caption))
    return KV_ERR_READ_WRITE;
  // The record goes to the file reference as read: a path that cannot be used is kept.
  LINK link;
  std::memcpy(&link, start + at.link, sizeof link);

  m_wCode = KVReadU16(start);
  m_nAttr = KVReadU32(start + 6);
  m_crBackColor = KVReadU32(start + 10);
  const bool old = version < 256;
  x = old ? 0 : I32(start + 14);
  y = old ? 0 : I32(start + 18);
  const int width = I32(start + at.size + (old ? 0 : 8));
  const int height = I32(start + at.size + (old ? 4 : 12));
  m_strCaption = start + at.caption;
  m_ancestors = MemoChain::Current();
  m_file.Detach();
  m_file.AttachStored(&link);
  RefreshTargetCaches();
  CloseChild();
  cx = width;
  SetSize(CSize(width, height));
  if (m_pChild) {
    m_pChild->m_nScrollX = I32(start + at.scroll);
    m_pChild->m_nScrollY = I32(start + at.scroll + 4);
  }
  UpdateDataSize();  // an old body is saved again in the current, longer layout
  m_bDerty = false;
  return static_cast<int>(size);
}
