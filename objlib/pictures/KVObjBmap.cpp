// Bitmaps: taking a pasted bitmap, the segment in both layouts, size and properties.
#include "KVObjBmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "KVErrors.h"
#include "KVProfile.h"
#include "ScopedGdi.h"

namespace {

// Offsets inside the body (m_pData).
const int kAttrAt = 0;
const int kPositionAt = 4;  // x, y
const int kSizeAt = 12;     // cx, cy
const int kHeaderAt = 20;
const int kPaletteAt = kHeaderAt + static_cast<int>(sizeof(BITMAPINFOHEADER));
// Streams before version 256 have no x and y: size at 4, header at 12.
const int kOldHeaderAt = 12;
const int kOldGrowth = 8;

const int kMinSide = 8;
// A stretched size read from a stream stays within what layout arithmetic can take.
const int kMaxSide = 32767;
// The body and its segment header must fit an int (DataLength).
const long long kMaxBody = 0x7FFFFFFFLL - static_cast<long long>(sizeof(SEG_HEAD));

KVImagePropertiesDialog g_propertiesDialog = nullptr;

struct BmapLayout {
  int colors;      // palette entries
  int bitsOffset;  // of the pixels in the body
  int imageSize;   // (bits per pixel × width + 31) / 8 × height
};

// The geometry of a body for a picture; false for an unknown depth, a side that is not
// positive, or a body too large for the segment's 32-bit arithmetic.
bool ComputeLayout(long long width, long long height, int bits, BmapLayout* layout) {
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (width <= 0 || height <= 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;
  const int colors = bits <= 8 ? 1 << bits : 0;
  const long long row = (bits * width + 31) / 8;
  const long long bitsOffset = kPaletteAt + 4 + 4LL * colors;
  if (height > (kMaxBody - bitsOffset) / row) return false;  // before multiplying
  const long long imageSize = row * height;
  *layout = {colors, static_cast<int>(bitsOffset), static_cast<int>(imageSize)};
  return true;
}

// A stored header must describe exactly what the writer writes: an uncompressed,
// bottom-up picture whose palette is the full one for its depth.
bool SoundHeader(const BITMAPINFOHEADER& header, BmapLayout* layout) {
  if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biPlanes != 1 ||
      header.biCompression != BI_RGB)
    return false;
  if (!ComputeLayout(header.biWidth, header.biHeight, header.biBitCount, layout)) return false;
  return header.biClrUsed == 0 || header.biClrUsed == static_cast<DWORD>(layout->colors);
}

// A body in the current layout; an old one gets x = y = 0 in front of its size.
void CopyBody(const BYTE* body, long long length, bool old, BYTE* block) {
  if (!old) {
    std::memcpy(block, body, length);
    return;
  }
  std::memcpy(block + kAttrAt, body, 4);
  std::memset(block + kPositionAt, 0, 8);
  std::memcpy(block + kSizeAt, body + 4, 8);
  std::memcpy(block + kHeaderAt, body + kOldHeaderAt, length - kOldHeaderAt);
}

int32_t I32(const BYTE* p) { return static_cast<int32_t>(KVReadU32(reinterpret_cast<const char*>(p))); }
void PutI32(BYTE* p, int32_t v) { KVWriteU32(reinterpret_cast<char*>(p), static_cast<uint32_t>(v)); }

}  // namespace

void KVSetImagePropertiesDialog(KVImagePropertiesDialog dialog) { g_propertiesDialog = dialog; }

KVObjBmap::KVObjBmap()
    : m_nColors(0), m_pInfo(nullptr), m_nBitsOffset(0), m_pBits(nullptr), m_nImageSize(0) {
  m_wCode = SEG_BMAP;
  m_nAttr = KVGetProfileInt(kImageAttr);
}

KVObjBmap::KVObjBmap(const KVObjBmap& other) : KVObject(other) { PointIntoData(); }

KVObjBmap::KVObjBmap(HBITMAP hBitmap) : KVObjBmap() { Attach(hBitmap); }

KVObjBmap::KVObjBmap(int version, SEG_HEAD* pSeg, int nAvail) : KVObjBmap() {
  SetData(version, pSeg, nAvail);
}

int KVObjBmap::Attach(HBITMAP hBitmap) { return GetBitmap(hBitmap); }

// The header, palette and colour counts derived again from the block; all zero without one.
void KVObjBmap::PointIntoData() {
  m_nColors = m_nBitsOffset = m_nImageSize = 0;
  m_pInfo = nullptr;
  m_pBits = nullptr;
  if (!m_pData) return;
  m_pInfo = reinterpret_cast<BITMAPINFO*>(m_pData + kHeaderAt);
  BmapLayout layout = {};
  ComputeLayout(m_pInfo->bmiHeader.biWidth, m_pInfo->bmiHeader.biHeight,
                m_pInfo->bmiHeader.biBitCount, &layout);
  m_nColors = layout.colors;
  m_nBitsOffset = layout.bitsOffset;
  m_nImageSize = layout.imageSize;
  m_pBits = m_pData + m_nBitsOffset;
}

int KVObjBmap::Width() const { return m_pInfo ? m_pInfo->bmiHeader.biWidth : 0; }
int KVObjBmap::Height() const { return m_pInfo ? m_pInfo->bmiHeader.biHeight : 0; }

int KVObjBmap::GetBitmap(HBITMAP hBitmap) {
  BITMAP bitmap;
  if (!hBitmap || GetObject(hBitmap, sizeof bitmap, &bitmap) != sizeof bitmap)
    return KV_ERR_READ_WRITE;
  const int bits = bitmap.bmBitsPixel * bitmap.bmPlanes;
  BmapLayout layout;
  if (!ComputeLayout(bitmap.bmWidth, bitmap.bmHeight, bits, &layout)) return KV_ERR_READ_WRITE;
  const int size = layout.bitsOffset + layout.imageSize;
  BYTE* block = new (std::nothrow) BYTE[size]();
  if (!block) return KV_ERR_NO_MEMORY;
  const DWORD colors = static_cast<DWORD>(layout.colors);
  const BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, bitmap.bmHeight, 1,
                                   static_cast<WORD>(bits), BI_RGB, 0, 0, 0, colors, colors};
  std::memcpy(block + kHeaderAt, &header, sizeof header);
  {
    // A failed fetch leaves a zeroed picture. GetDIBits fills in the image size, which
    // the stored header keeps at 0, so the header is written again afterwards.
    ScopedWindowDC screen(GetDesktopWindow());
    GetDIBits(screen.Get(), hBitmap, 0, static_cast<UINT>(bitmap.bmHeight), block + layout.bitsOffset,
              reinterpret_cast<BITMAPINFO*>(block + kHeaderAt), DIB_RGB_COLORS);
  }
  std::memcpy(block + kHeaderAt, &header, sizeof header);
  delete[] m_pData;
  m_pData = block;
  m_nDataSize = static_cast<DWORD>(size);
  PointIntoData();
  x = y = 0;
  cx = bitmap.bmWidth;
  cy = bitmap.bmHeight;
  return 0;
}

// Both layouts are checked against the segment's length before anything is copied: the
// header must be sound and the body must hold the palette and every pixel row.
int KVObjBmap::SetData(int version, SEG_HEAD* pSeg, int nAvail) {
  const char* start = reinterpret_cast<const char*>(pSeg);
  const long long size = nAvail > 0 ? KVSegmentSize(start, start + nAvail) : -1;
  const bool old = version < 256;
  const int headerAt = old ? kOldHeaderAt : kHeaderAt;
  const long long length = size - static_cast<long long>(sizeof(SEG_HEAD));
  if (size < 0 || length < headerAt + static_cast<long long>(sizeof(BITMAPINFOHEADER)))
    return KV_ERR_READ_WRITE;
  const BYTE* body = reinterpret_cast<const BYTE*>(start + sizeof(SEG_HEAD));
  BITMAPINFOHEADER header;
  std::memcpy(&header, body + headerAt, sizeof header);
  BmapLayout layout;
  const long long blockSize = length + (old ? kOldGrowth : 0);
  if (!SoundHeader(header, &layout) || blockSize < layout.bitsOffset + layout.imageSize ||
      blockSize > kMaxBody)
    return KV_ERR_READ_WRITE;
  BYTE* block = new (std::nothrow) BYTE[blockSize];
  if (!block) return KV_ERR_NO_MEMORY;
  CopyBody(body, length, old, block);
  delete[] m_pData;
  m_pData = block;
  m_nDataSize = static_cast<DWORD>(blockSize);
  m_wCode = SEG_BMAP;
  PointIntoData();
  m_nAttr = KVReadU32(reinterpret_cast<const char*>(block + kAttrAt));
  x = I32(block + kPositionAt);
  y = I32(block + kPositionAt + 4);
  cx = Width();
  cy = Height();
  if (m_nAttr & BA_STRETCH) {
    cx = std::clamp(I32(block + kSizeAt), kMinSide, kMaxSide);
    cy = std::clamp(I32(block + kSizeAt + 4), kMinSide, kMaxSide);
  }
  return static_cast<int>(size);
}

// A bitmap that never got a picture has no segment: written, it could not be read back.
int KVObjBmap::DataLength() { return m_pData ? KVObject::DataLength() : 0; }

int KVObjBmap::GetData(char* pBuf, int nSize, int* pWritten) {
  *pWritten = 0;
  if (!m_pData) return 0;
  PutI32(m_pData + kAttrAt, static_cast<int32_t>(m_nAttr));
  PutI32(m_pData + kPositionAt, x);
  PutI32(m_pData + kPositionAt + 4, y);
  PutI32(m_pData + kSizeAt, cx);
  PutI32(m_pData + kSizeAt + 4, cy);
  return KVObject::GetData(pBuf, nSize, pWritten);
}

CSize KVObjBmap::MinSize() { return CSize(kMinSide, kMinSide); }

void KVObjBmap::SetSize(CSize size) {
  if (m_nAttr & BA_STRETCH) {
    cx = size.cx;
    cy = size.cy;
  } else {
    cx = Width();
    cy = Height();
  }
}

void KVObjBmap::ApplyProperties(bool bFrame, bool bStretch) {
  m_nAttr = (bFrame ? kImageAttrBorder : 0) | (bStretch ? BA_STRETCH : 0);
  if (!bStretch) {
    cx = Width();
    cy = Height();
  }
  m_bDerty = true;
}

int KVObjBmap::DoProperty() {
  bool frame = (m_nAttr & kImageAttrBorder) != 0;
  bool stretch = (m_nAttr & BA_STRETCH) != 0;
  if (!g_propertiesDialog || !g_propertiesDialog(&frame, &stretch)) return 0;
  ApplyProperties(frame, stretch);
  return 1;
}
