// KVObjBmap: a picture kept inside the memo, a device-independent bitmap that enters by
// pasting a bitmap. Its whole segment body lives in the raw body m_pData; the fields
// after the base point into it.
#pragma once

#include "KVObject.h"
#include "SettingsSchema.h"

const DWORD BA_STRETCH = kImageAttrStretch;  // drawn stretched to the object's size

class KVOBJ_API KVObjBmap : public KVObject {
 public:
  KVObjBmap();
  KVObjBmap(const KVObjBmap& other);
  explicit KVObjBmap(HBITMAP hBitmap);
  KVObjBmap(int version, SEG_HEAD* pSeg, int nAvail);

  // Takes a copy of the bitmap's pixels: 0, or a negative result (nothing changes) for a
  // bitmap that is no bitmap, of an unknown depth, or too large.
  int Attach(HBITMAP hBitmap);
  // What OK in the image properties dialog does: frame and stretch become the only
  // attributes, and without stretch the size returns to the bitmap's own.
  void ApplyProperties(bool bFrame, bool bStretch);
  int Width() const;
  int Height() const;

  CSize MinSize() override;
  int DoProperty() override;
  int SetData(int version, SEG_HEAD* pSeg, int nAvail) override;
  int DataLength() override;
  int GetData(char* pBuf, int nSize, int* pWritten) override;
  void SetSize(CSize size) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) override;

  int m_nColors;
  BITMAPINFO* m_pInfo;  // not owned: the header and colours inside m_pData
  int m_nBitsOffset;
  BYTE* m_pBits;  // not owned: the pixels inside m_pData
  int m_nImageSize;

 protected:
  int GetBitmap(HBITMAP hBitmap);

 private:
  void PointIntoData();
  RECT PictureRect(HDC hdc, const RECT& box) const;
};

// The image properties dialog: frame and stretch in, the chosen values out; true on OK.
// The dialogs of the library install it; without one DoProperty changes nothing.
using KVImagePropertiesDialog = bool (*)(bool* pFrame, bool* pStretch);
KVOBJ_API void KVSetImagePropertiesDialog(KVImagePropertiesDialog dialog);
