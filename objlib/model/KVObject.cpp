// The object base: common record, generic segments, hit zones, character measuring and drawing.
#include "KVObject.h"

#include <cstring>
#include <new>

#include "FontMetricsCache.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "MeasuringDC.h"
#include "ScopedGdi.h"

namespace {

const int kEdgeBand = 6;            // width of the edge and corner zones of HitTest
const int kLineSpacing = 4;         // reference pixels below each character cell
const int kBlackSquare = 0x81A1;    // how an object with no look of its own is drawn

// Line breaks and the end marker take the room of a space.
int VisibleCode(int code) {
  return code == KV_CODE_NEWLINE || code == KV_CODE_END_MARKER ? 0x20 : code;
}

}  // namespace

KVObject::KVObject()
    : m_bSelected(false),
      m_wCode(KV_CODE_GENERIC),
      m_nDataSize(0),
      x(0),
      y(0),
      cx(0),
      cy(0),
      m_nAttr(0),
      m_crColor(0),
      m_crBackColor(0xFFFFFF),
      m_logFont(g_DefaultFont),
      m_pData(nullptr),
      m_bDerty(false) {}

KVObject::KVObject(const KVObject& other) : KVObject() { CopyData(other); }

KVObject::KVObject(int version, SEG_HEAD* pSeg, int nAvail) : KVObject() {
  SetData(version, pSeg, nAvail);
}

KVObject::~KVObject() { delete[] m_pData; }

void KVObject::CopyData(const KVObject& source) {
  m_wCode = source.m_wCode;
  x = source.x;
  y = source.y;
  cx = source.cx;
  cy = source.cy;
  m_nAttr = source.m_nAttr;
  m_crColor = source.m_crColor;
  m_crBackColor = source.m_crBackColor;
  m_logFont = source.m_logFont;
  delete[] m_pData;
  m_pData = nullptr;
  m_nDataSize = source.m_nDataSize;
  if (source.m_pData && source.m_nDataSize) {
    m_pData = new BYTE[source.m_nDataSize];
    std::memcpy(m_pData, source.m_pData, source.m_nDataSize);
  }
}

void KVObject::SetHeader(SEG_HEAD* pSeg) const {
  KVWriteU16(reinterpret_cast<char*>(pSeg), m_wCode);
  KVWriteU32(reinterpret_cast<char*>(pSeg) + 2, m_nDataSize);
}

void KVObject::GetHeader(const SEG_HEAD* pSeg) {
  m_wCode = KVReadU16(reinterpret_cast<const char*>(pSeg));
  m_nDataSize = KVReadU32(reinterpret_cast<const char*>(pSeg) + 2);
}

void KVObject::CalcSize(HDC hdc) {
  if (!hdc) return;
  x = DevPixelX(x, hdc);
  y = DevPixelY(y, hdc);
  cx = DevPixelX(cx, hdc);
  cy = DevPixelY(cy, hdc);
}

void KVObject::ChangeFont(LOGFONT* pFont) { m_logFont = *pFont; }

CSize KVObject::MinSize() { return CSize(cx, cy); }

int KVObject::DoProperty() { return 0; }

int KVObject::SetData(int, SEG_HEAD* pSeg, int nAvail) {
  const char* start = reinterpret_cast<const char*>(pSeg);
  long long size = nAvail > 0 ? KVSegmentSize(start, start + nAvail) : -1;
  if (size < 0) return KV_ERR_READ_WRITE;
  DWORD length = KVReadU32(start + 2);
  BYTE* body = nullptr;
  if (length) {
    body = new (std::nothrow) BYTE[length];
    if (!body) return KV_ERR_NO_MEMORY;
    std::memcpy(body, start + sizeof(SEG_HEAD), length);
  }
  delete[] m_pData;
  m_pData = body;
  GetHeader(pSeg);
  return static_cast<int>(size);
}

int KVObject::Action() { return 0; }

int KVObject::GetText(char*, int, int* pWritten) {
  *pWritten = 0;
  return 0;
}

int KVObject::TextLength() { return 0; }

int KVObject::DataLength() { return static_cast<int>(m_nDataSize) + sizeof(SEG_HEAD); }

int KVObject::GetData(char* pBuf, int nSize, int* pWritten) {
  int needed = DataLength();
  *pWritten = 0;
  if (nSize < needed) return needed;
  SetHeader(reinterpret_cast<SEG_HEAD*>(pBuf));
  if (m_nDataSize) std::memcpy(pBuf + sizeof(SEG_HEAD), m_pData, m_nDataSize);
  *pWritten = needed;
  return needed;
}

void KVObject::SetSize(CSize) {}

void KVObject::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  DrawChar(kBlackSquare, pInfo, origin, clip, bSelected);
}

void KVObject::NoDraw() {}

int KVObject::HitTest(CPoint point) {
  int left = x, top = y, right = x + cx, bottom = y + cy;
  if (point.x < left || point.x >= right || point.y < top || point.y >= bottom) return HIT_NONE;
  int column = point.x <= left + kEdgeBand ? 0 : point.x >= right - kEdgeBand ? 2 : 1;
  int row = point.y <= top + kEdgeBand ? 0 : point.y >= bottom - kEdgeBand ? 2 : 1;
  static const int kZones[3][3] = {{HIT_TOP_LEFT, HIT_TOP, HIT_TOP_RIGHT},
                                   {HIT_LEFT, HIT_INSIDE, HIT_RIGHT},
                                   {HIT_BOTTOM_LEFT, HIT_BOTTOM, HIT_BOTTOM_RIGHT}};
  return kZones[row][column];
}

bool KVObject::IsDerty() { return m_bDerty; }
void KVObject::ClearDerty() { m_bDerty = false; }

int KVObject::GetHeadData(char*, int) { return 0; }
int KVObject::GetDataBody(char*, int) { return 0; }
int KVObject::GetTailData(char*, int) { return 0; }
int KVObject::GetHeadText(char*, int) { return 0; }
int KVObject::GetTextBody(char*, int) { return 0; }
int KVObject::GetTailText(char*, int) { return 0; }
int KVObject::HeadDataLength() { return 0; }
int KVObject::DataBodyLength() { return 0; }
int KVObject::TailDataLength() { return 0; }
int KVObject::HeadTextLength() { return 0; }
int KVObject::TextBodyLength() { return 0; }
int KVObject::TailTextLength() { return 0; }

HFONT KVObject::GetFont(HDC hdc) { return KVGetFont(hdc, &m_logFont); }

int KVObject::DevPixelX(int v, HDC hdc) { return KVDevPixelX(v, hdc); }
int KVObject::DevPixelY(int v, HDC hdc) { return KVDevPixelY(v, hdc); }

CSize KVObject::CharSize(int code, HDC hdc) {
  CSize cell = KVMeasureChar(KVScaleFont(hdc, m_logFont), hdc, VisibleCode(code));
  return CSize(cell.cx, cell.cy + DevPixelY(kLineSpacing, hdc));
}

CSize KVObject::StrSize(const char* text, HDC hdc) {
  MeasuringDC target(hdc);
  ScopedFont font(GetFont(hdc));
  ScopedSelect select(target, font.Get());
  SIZE extent = {};
  GetTextExtentPoint32A(target, text, static_cast<int>(std::strlen(text)), &extent);
  return CSize(extent.cx, extent.cy + DevPixelY(kLineSpacing, hdc));
}

void KVObject::DrawChar(int code, PAINTINFO* pInfo, CPoint origin, CRect, bool bSelected) {
  code = VisibleCode(code);
  char bytes[2];
  int length = 0;
  if (code > 0xFF) bytes[length++] = static_cast<char>(code >> 8);
  bytes[length++] = static_cast<char>(code & 0xFF);

  CRect target(x + origin.x, y + origin.y, x + origin.x + cx, y + origin.y + cy);
  CDC* dc = pInfo->pDC;
  if (m_crColor != pInfo->crColor) {
    dc->SetTextColor(m_crColor);
    pInfo->crColor = m_crColor;
  }
  // The font selected here stays in the DC for the following characters and replaces
  // (and deletes) the pass's current font, which lfFont describes (see KVPaintPass).
  if (!KVIsFontEqual(&m_logFont, &pInfo->lfFont)) {
    HGDIOBJ previous = dc->SelectObject(GetFont(dc->GetSafeHdc()));
    DeleteObject(previous);
    pInfo->lfFont = m_logFont;
  }
  dc->TextOut(target.left, target.top, bytes, length);
  if (bSelected) dc->InvertRect(target);
}
