// KVObject: the root of everything that stands in a document, with the common record,
// the virtual interface for measuring, drawing, hit-testing and serialising, and the
// generic behaviour that keeps an object of unknown type intact through a load and save.
#pragma once

#include <windows.h>

#include "DC.h"
#include "Geometry.h"
#include "KVObjApi.h"
#include "KVSegment.h"

// The drawing context handed down through every Draw: the DC and the colour and font
// currently selected into it, so objects can skip redundant selections.
struct PAINTINFO {
  CDC* pDC;
  COLORREF crColor;
  LOGFONT lfFont;
};

// Zones of HitTest: inside, the four edges, the four corners.
enum HitZone {
  HIT_NONE = 0,
  HIT_INSIDE = 1,
  HIT_LEFT = 2,
  HIT_RIGHT = 3,
  HIT_TOP = 4,
  HIT_BOTTOM = 5,
  HIT_TOP_LEFT = 6,
  HIT_TOP_RIGHT = 7,
  HIT_BOTTOM_LEFT = 8,
  HIT_BOTTOM_RIGHT = 9,
};

class KVOBJ_API KVObject {
 public:
  KVObject();
  KVObject(const KVObject& other);
  // Reads a segment of nAvail bytes at most; check the result with SetData if it matters.
  KVObject(int version, SEG_HEAD* pSeg, int nAvail);
  KVObject& operator=(const KVObject&) = delete;
  virtual ~KVObject();

  virtual void CalcSize(HDC hdc);
  virtual void ChangeFont(LOGFONT* pFont);
  virtual CSize MinSize();
  virtual int DoProperty();
  // Reads the segment at pSeg, of which nAvail bytes are readable; returns the bytes
  // consumed, or a negative result when the segment is damaged or memory runs out.
  virtual int SetData(int version, SEG_HEAD* pSeg, int nAvail);
  virtual int Action();
  virtual int GetText(char* pBuf, int nSize, int* pWritten);
  virtual int TextLength();
  virtual int DataLength();
  virtual int GetData(char* pBuf, int nSize, int* pWritten);
  virtual void SetSize(CSize size);
  virtual void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected);
  virtual void NoDraw();
  virtual int HitTest(CPoint point);
  virtual bool IsDerty();
  virtual void ClearDerty();
  virtual int GetHeadData(char* pBuf, int nSize);
  virtual int GetDataBody(char* pBuf, int nSize);
  virtual int GetTailData(char* pBuf, int nSize);
  virtual int GetHeadText(char* pBuf, int nSize);
  virtual int GetTextBody(char* pBuf, int nSize);
  virtual int GetTailText(char* pBuf, int nSize);
  virtual int HeadDataLength();
  virtual int DataBodyLength();
  virtual int TailDataLength();
  virtual int HeadTextLength();
  virtual int TextBodyLength();
  virtual int TailTextLength();

  bool m_bSelected;
  WORD m_wCode;
  DWORD m_nDataSize;
  int x, y;
  int cx, cy;
  DWORD m_nAttr;
  COLORREF m_crColor;
  COLORREF m_crBackColor;
  LOGFONT m_logFont;
  BYTE* m_pData;  // owned: the object's stored bytes, or none
  bool m_bDerty;

 protected:
  void CopyData(const KVObject& source);
  void SetHeader(SEG_HEAD* pSeg) const;
  void GetHeader(const SEG_HEAD* pSeg);
  void DrawChar(int code, PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected);
  CSize CharSize(int code, HDC hdc);
  CSize StrSize(const char* text, HDC hdc);
  HFONT GetFont(HDC hdc);
  int DevPixelX(int v, HDC hdc);
  int DevPixelY(int v, HDC hdc);
};
