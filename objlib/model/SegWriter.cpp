// The item-run writer, the mirror of SegToList.
#include "SegWriter.h"

#include <cstring>

#include "KVFont.h"

namespace {

// Walks the run once; with no buffer it only counts. Nothing is written past nSize, and
// *pFits tells whether everything was.
int Emit(LIST* pFirst, LIST* pEnd, char* pBuf, int nSize, bool* pFits) {
  COLORREF lastColor = 0xFFFFFFFF;  // no colour is this value, so the first always goes out
  LOGFONT lastFont = {};
  int pos = 0;
  *pFits = true;
  auto segment = [&](uint16_t code, const void* body, uint32_t length) {
    if (pBuf && pos + static_cast<long long>(sizeof(SEG_HEAD) + length) > nSize) *pFits = false;
    if (pBuf && *pFits) {
      KVWriteU16(pBuf + pos, code);
      KVWriteU32(pBuf + pos + 2, length);
      std::memcpy(pBuf + pos + sizeof(SEG_HEAD), body, length);
    }
    pos += sizeof(SEG_HEAD) + length;
  };
  for (LIST* node = pFirst; node && node != pEnd; node = node->pNext) {
    KVObject* object = node->pObj;
    if (object->m_crColor != lastColor) {
      lastColor = object->m_crColor;
      segment(SEG_COLOR, &lastColor, sizeof lastColor);
    }
    if (!KVIsFontEqual(&object->m_logFont, &lastFont)) {
      lastFont = object->m_logFont;
      segment(SEG_FONT, &lastFont, sizeof lastFont);
    }
    if (!pBuf || !*pFits) {
      pos += object->DataLength();
      continue;
    }
    int written = 0;
    const int needed = object->GetData(pBuf + pos, nSize - pos, &written);
    if (written != needed) *pFits = false;
    pos += needed;
  }
  return pos;
}

}  // namespace

int KVRunDataLength(LIST* pFirst, LIST* pEnd) {
  bool fits = true;
  return Emit(pFirst, pEnd, nullptr, 0, &fits);
}

// The run is measured by writing it: a save measures its whole length only once, before.
int KVWriteRun(LIST* pFirst, LIST* pEnd, char* pBuf, int nSize) {
  bool fits = true;
  const int length = Emit(pFirst, pEnd, pBuf, nSize, &fits);
  return fits ? length : 0;
}

int KVWriteBoxHead(char* pBuf, int nSize, uint16_t code, const uint32_t (&fields)[6]) {
  const int size = static_cast<int>(sizeof(SEG_HEAD) + sizeof fields);
  if (nSize < size) return 0;
  KVWriteU16(pBuf, code);
  KVWriteU32(pBuf + 2, sizeof fields);
  std::memcpy(pBuf + sizeof(SEG_HEAD), fields, sizeof fields);
  return size;
}

int KVWriteBoxTail(char* pBuf, int nSize, uint16_t code) {
  if (nSize < static_cast<int>(sizeof(SEG_HEAD))) return 0;
  KVWriteU16(pBuf, code);
  KVWriteU32(pBuf + 2, 0);
  return sizeof(SEG_HEAD);
}
