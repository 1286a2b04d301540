// KVObjDoc: the root of one open document: page record, window placement, name, path,
// scroll position and one content box; loading, saving, dirty state, scrolling, drawing.
#pragma once

#include <string>

#include "KVObjList.h"
#include "KVObjPage.h"

class KVFile;

// How far a load read its file, for a caller that would save over it: a memo file is whole
// only when its bytes were read, it begins with its document head and nothing is left.
struct KVLoadReport {
  bool bytesRead;  // the file's bytes came in (else the failure is the file's, not the stream's)
  bool docHead;    // a memo stream that begins with its document head
  int unread;      // bytes behind the point where the memo stream ended
};

class KVOBJ_API KVObjDoc : public KVObjList {
 public:
  KVObjDoc();
  KVObjDoc(const KVObjDoc&) = delete;
  ~KVObjDoc() override;

  void CalcSize(HDC hdc) override;
  int SetData(int version, SEG_HEAD* pSeg, int nAvail) override;
  void SetSize(CSize size) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bSelected) override;
  bool IsDerty() override;
  void ClearDerty() override;
  int GetHeadData(char* pBuf, int nSize) override;
  int GetDataBody(char* pBuf, int nSize) override;
  int GetTailData(char* pBuf, int nSize) override;
  int HeadDataLength() override;
  int DataBodyLength() override;
  int TailDataLength() override;
  bool CanPaste() override;
  bool CanUndo() override;
  bool CanRedo() override;

  // Writes the memo file; a placement given replaces the stored one.
  virtual int Save(WINDOWPLACEMENT* pPlacement, KVFile* pFile);
  // Reads a memo file, or any other file as plain text; 1 on success.
  virtual int Load(KVFile* pFile);
  // Load, telling in pReport how far the file was read.
  int LoadReporting(KVFile* pFile, KVLoadReport* pReport);
  virtual bool IsSelected();
  virtual bool IsLinkSelected();
  virtual bool IsObjSelected();
  virtual int PrintDoc(HDC hdc, CRect area, char* pszTitle);

  // The selection on the clipboard (one format a copy), and the best format pasted.
  HGLOBAL GetSelData(int nFormat);
  void PutClipboard(int nFormat, bool bCut);
  void GetClipboard(CPoint point);
  // The page-setup dialog, then the document printed on the chosen printer.
  void DoPrint(char* pszTitle);

  void SetListItemSize(LIST* pNode, CSize size);
  int GetScrollInfo(int nBar, SCROLLINFO* pInfo);
  bool DoVScroll(unsigned code, unsigned value);
  bool DoHScroll(unsigned code, unsigned value);

  KVObjPage m_page;
  WINDOWPLACEMENT m_wndpl;
  std::string m_strDocName;
  char m_szPath[MAX_PATH];
  int m_nScrollX;
  int m_nScrollY;
  KVObjList* m_pContent;  // owned: deleted with the document

 protected:
  // Imports plain text into the content; KV_ERR_NOT_SUPPORTED where the content has no text.
  virtual int ImportText(char* pszText);
  // Scrolls so that the content's object at pNode shows in the view (window coordinates)
  // with a margin around it; true when the position changed.
  bool ScrollToObject(CRect view, LIST* pNode);
  // Writes the content's text to a file; an empty text writes nothing.
  int SaveContentText(KVFile* pFile);
  // A copy of the content made ready for a printer: wrapped, converted to its resolution and
  // sized to the page.
  static void FitToPage(KVObject& copy, HDC hdc, const CRect& page);
  // Starts a print job named after the document's title.
  static void StartPrintJob(HDC hdc, const char* pszTitle);
  // A window point in the content's coordinates.
  CPoint ToBox(CPoint window) const {
    return CPoint(window.x + m_nScrollX - x, window.y + m_nScrollY - y);
  }
};
