// The image document: the picture file read whole and decoded from memory, drawn fitted
// and centred in the document's area, released when not drawn.
#include "KVDocBmap.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

#include "DiskFile.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "KVFrame.h"
#include "LockedGlobal.h"
#include "SavedDC.h"

namespace {

// Picture files beyond this are refused before anything is allocated.
const LONGLONG kMaxPictureFile = 256LL * 1024 * 1024;
const int kHimetricPerInch = 2540;

// The whole file in a new movable block, or a result of LoadPicture.
int ReadWhole(const char* path, HGLOBAL* pBlock, DWORD* pSize) {
  ScopedHandle file(KVOpenDiskFile(path, 0));
  if (!file.IsOpen()) return -1;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size)) return -1;
  if (size.QuadPart <= 0 || size.QuadPart > kMaxPictureFile) return -2;
  OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size.QuadPart)));
  if (!block.Get()) return -2;
  {
    LockedGlobal data(block.Get());
    if (!data.Data() || !KVReadExactly(file.Get(), data.Data(), static_cast<DWORD>(size.QuadPart)))
      return -1;
  }
  *pSize = static_cast<DWORD>(size.QuadPart);
  *pBlock = block.Release();
  return 0;
}

}  // namespace

// No content of its own: an empty list stands in, so the document root's operations that
// consult the content (scrolling, dirty state) find nothing to do.
KVDocBmap::KVDocBmap() : m_pPicture(nullptr), m_szImagePath(), m_bFailed(false) {
  m_pContent = new KVObjList();
}

KVDocBmap::KVDocBmap(const KVDocBmap& other) : KVDocBmap() {
  x = other.x;
  y = other.y;
  cx = other.cx;
  cy = other.cy;
  m_nAttr = other.m_nAttr;
  m_crBackColor = other.m_crBackColor;
  std::memcpy(m_szImagePath, other.m_szImagePath, sizeof m_szImagePath);
}

KVDocBmap::~KVDocBmap() { Release(); }

int KVDocBmap::SetData(int, SEG_HEAD*, int) { return KV_ERR_NOT_SUPPORTED; }
int KVDocBmap::Save(WINDOWPLACEMENT*, KVFile*) { return KV_ERR_NOT_SUPPORTED; }

int KVDocBmap::Load(KVFile* pFile) {
  Release();
  m_szImagePath[0] = '\0';
  pFile->GetPathName(m_szImagePath);
  m_bFailed = false;
  return 0;
}

void KVDocBmap::SetSize(CSize size) {
  cx = size.cx;
  cy = size.cy;
}

int KVDocBmap::LoadPicture(const char* pszPath) {
  HGLOBAL block = nullptr;
  DWORD size = 0;
  int result = ReadWhole(pszPath, &block, &size);
  if (result < 0) return result;
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    return -2;
  }
  IPicture* picture = nullptr;
  HRESULT decoded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                   reinterpret_cast<void**>(&picture));
  stream->Release();  // frees the block
  if (FAILED(decoded) || !picture) return -3;
  Release();
  m_pPicture = picture;
  return 0;
}

unsigned long KVDocBmap::Release() {
  if (!m_pPicture) return 0;
  unsigned long remaining = m_pPicture->Release();
  m_pPicture = nullptr;
  return remaining;
}

void KVDocBmap::NoDraw() { Release(); }

// Extents come in hundredths of a millimetre; they become pixels at the device's own
// resolution, so a picture shows at its pixel size on the screen and at the same size on
// paper.
CSize KVDocBmap::GetBitmapSize(HDC hdc) {
  if (!m_pPicture) return CSize(0, 0);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  m_pPicture->get_Width(&width);
  m_pPicture->get_Height(&height);
  return CSize(MulDiv(width, GetDeviceCaps(hdc, LOGPIXELSX), kHimetricPerInch),
               MulDiv(height, GetDeviceCaps(hdc, LOGPIXELSY), kHimetricPerInch));
}

// The whole picture; the picture object takes its source bottom-up.
void KVDocBmap::Render(HDC hdc, const RECT& dst) {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  m_pPicture->get_Width(&width);
  m_pPicture->get_Height(&height);
  m_pPicture->Render(hdc, dst.left, dst.top, dst.right - dst.left, dst.bottom - dst.top, 0, height,
                     width, -height, nullptr);
}

// A picture larger than the box in either direction shrinks to fit, keeping its aspect;
// a smaller one keeps its size. Either way it is centred.
void KVDocBmap::Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) {
  CRect box(x + origin.x, y + origin.y, x + origin.x + cx, y + origin.y + cy);
  CRect visible;
  if (!IntersectRect(&visible, &box, &clip)) return;
  if (!m_pPicture && !m_bFailed && LoadPicture(m_szImagePath) < 0) m_bFailed = true;
  HDC hdc = pInfo->pDC->GetSafeHdc();
  CSize picture = GetBitmapSize(hdc);
  const long long boxW = box.right - box.left, boxH = box.bottom - box.top;
  long long w = picture.cx, h = picture.cy;
  if (w > 0 && h > 0) {
    if (w > boxW || h > boxH) {
      const long long t = boxH * w / h;
      if (t <= boxW) {
        w = t;
        h = boxH;
      } else {
        h = boxW * h / w;
        w = boxW;
      }
    }
    const int left = box.left + static_cast<int>((boxW - w) / 2);
    const int top = box.top + static_cast<int>((boxH - h) / 2);
    SavedDC saved(hdc, visible);
    Render(hdc, {left, top, left + static_cast<int>(w), top + static_cast<int>(h)});
  }
  if (m_nAttr & 1) KVDrawFrame(hdc, box);
  if (bSelected) pInfo->pDC->InvertRect(box);
}
