// KVDocBmap: the document an image link opens in place. It keeps the picture file's path,
// decodes the file with the platform's picture loader when first drawn, fits it into its
// area, and lets the picture go when the link scrolls out of view.
#pragma once

#include "KVObjDoc.h"

struct IPicture;

class KVOBJ_API KVDocBmap : public KVObjDoc {
 public:
  KVDocBmap();
  // The copy decodes a picture of its own when it is drawn.
  KVDocBmap(const KVDocBmap& other);
  ~KVDocBmap() override;

  // Neither read from nor written as a memo: KV_ERR_NOT_SUPPORTED.
  int SetData(int version, SEG_HEAD* pSeg, int nAvail) override;
  int Save(WINDOWPLACEMENT* pPlacement, KVFile* pFile) override;
  // Takes the path only (0); the file is read when the document is first drawn.
  int Load(KVFile* pFile) override;
  void SetSize(CSize size) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) override;
  void NoDraw() override;

  bool DecodeFailed() const { return m_bFailed; }

  IPicture* m_pPicture;  // owned: one reference, released with the document
  char m_szImagePath[MAX_PATH];

 protected:
  // 0, or -1 the file cannot be opened or read, -2 its size is refused or cannot be
  // allocated, -3 it does not decode.
  int LoadPicture(const char* pszPath);
  unsigned long Release();
  void Render(HDC hdc, const RECT& dst);
  // The picture's extent in pixels of the device.
  CSize GetBitmapSize(HDC hdc);

 private:
  // A file that did not decode is not read again on every paint, only after a new Load.
  bool m_bFailed;
};
