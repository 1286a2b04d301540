// Characters: their data form (memo stream), text form (export) and measuring.
#include "KVObjChar.h"

#include "FixedPool.h"

namespace {

// Never destroyed: a character may be freed while the library unloads.
FixedPool& Pool() {
  static FixedPool* pool = new FixedPool(sizeof(KVObjChar));
  return *pool;
}

}  // namespace

void* KVObjChar::operator new(std::size_t size) {
  return size == sizeof(KVObjChar) ? Pool().Allocate() : ::operator new(size);
}

void KVObjChar::operator delete(void* p, std::size_t size) {
  if (size == sizeof(KVObjChar))
    Pool().Release(p);
  else
    ::operator delete(p);
}

KVObjChar::KVObjChar() = default;

KVObjChar::KVObjChar(const KVObjChar& other) : KVObject(other) {}

KVObjChar::KVObjChar(int code, COLORREF color, const LOGFONT* pFont) {
  m_wCode = static_cast<WORD>(code);
  m_crColor = color;
  m_logFont = *pFont;
  m_nDataSize = code > 0xFF || code == KV_CODE_NEWLINE ? 2 : 1;
  CSize size = CharSize(code, nullptr);
  cx = size.cx;
  cy = size.cy;
}

KVObjChar::~KVObjChar() = default;

void KVObjChar::CalcSize(HDC hdc) {
  CSize size = CharSize(m_wCode, hdc);
  cx = size.cx;
  cy = size.cy;
}

void KVObjChar::ChangeFont(LOGFONT* pFont) {
  m_logFont = *pFont;
  CalcSize(nullptr);
}

// A double-byte code goes out lead byte first.
void KVObjChar::WriteCodeBytes(char* pBuf, int length) const {
  if (length == 2) *pBuf++ = static_cast<char>(m_wCode >> 8);
  *pBuf = static_cast<char>(m_wCode & 0xFF);
}

// The stream holds a line break as the single byte 0x0A.
int KVObjChar::DataLength() { return m_wCode == KV_CODE_NEWLINE ? 1 : static_cast<int>(m_nDataSize); }

int KVObjChar::GetData(char* pBuf, int nSize, int* pWritten) {
  int needed = DataLength();
  *pWritten = 0;
  if (nSize < needed) return needed;
  WriteCodeBytes(pBuf, needed);
  *pWritten = needed;
  return needed;
}

int KVObjChar::TextLength() { return static_cast<int>(m_nDataSize); }

// The text form writes a line break as carriage return and line feed.
int KVObjChar::GetText(char* pBuf, int nSize, int* pWritten) {
  int needed = static_cast<int>(m_nDataSize);
  *pWritten = 0;
  if (nSize < needed) return needed;
  if (m_wCode == KV_CODE_NEWLINE) {
    pBuf[0] = '\r';
    pBuf[1] = '\n';
  } else {
    WriteCodeBytes(pBuf, needed);
  }
  *pWritten = needed;
  return needed;
}

void KVObjChar::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  DrawChar(m_wCode, pInfo, origin, clip, bSelected);
}
