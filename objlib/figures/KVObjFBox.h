// KVObjFBox: the figure box, an object list whose children keep the places they were given
// and carry their own selection marks. Topics live in KVObjFBox*.cpp: selection and hit
// tests in KVObjFBox.cpp, then Edit, Paste, Stream and Draw.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "KVObjList.h"

class KVObjLink;

class KVOBJ_API KVObjFBox : public KVObjList {
 public:
  KVObjFBox();
  // A copy for printing: the record, the background, the width and a copy of every child.
  KVObjFBox(const KVObjFBox& other);
  ~KVObjFBox() override;

  using KVObjList::Delete;
  using KVObjList::Insert;

  // Editing. New objects go on top (the end of the list); the extent grows to cover them.
  int Insert(LIST* pRun) override;
  int Insert(KVObject* pObj) override;
  int Insert(int nFormat, void* pData, CPoint point) override;
  int Delete() override;
  int Erase(LIST* pFrom, LIST* pTo, bool bGroupStart) override;
  int SetTextData(char* pszText);
  void ChangeColor(COLORREF color);
  void ChangeFont(LOGFONT* pFont) override;
  void PostUndo(BUndo* pUndo) override;
  // Moves every selected child by an offset, as one undoable action (positions stop at 0);
  // returns how many moved.
  int MoveSelected(int dx, int dy);
  // Gives one child a new place and size, as one undoable action; the child's own SetSize
  // has the last word on the size. The child is replaced by a changed copy, so the node
  // changes: the new node is returned (null when pNode is the end marker).
  LIST* SetItemRect(LIST* pNode, CRect rect);

  // Selection: each child's own mark.
  void SelectAll(bool b);
  void Select(int bToggle, CPoint pt);
  void Select(int bToggle, CRect rc);
  bool IsSelect(LIST* pNode) const { return pNode->pObj->m_bSelected; }
  bool HaveSelectData() override;
  bool IsLinkSelected() const;
  bool IsObjSelected() const;

  // Hit tests in box coordinates.
  LIST* Find(CPoint pt);
  int WhereIs(CPoint pt, LIST** ppNode);

  // The selected links: open in place, close, run, expand into the memos they point to.
  int OpenLink();
  int CloseLink();
  int ExecLink();
  int ExtendLink();
  int DoChildProperty() override;

  void SetSize(CSize size) override;
  void Draw(PAINTINFO* pInfo, CPoint origin, CRect clip, bool bShowSel) override;

  // The memo stream and the text export.
  int SetData(int version, SEG_HEAD* pSeg, int nAvail) override;
  int GetHeadData(char* pBuf, int nSize) override;
  int GetDataBody(char* pBuf, int nSize) override;
  int GetTailData(char* pBuf, int nSize) override;
  int GetTextBody(char* pBuf, int nSize) override;
  int HeadDataLength() override;
  int DataBodyLength() override;
  int TailDataLength() override;
  int TextBodyLength() override;
  int GetSelectedDataBody(char* pBuf, int nSize) override;
  int SelectedDataBodyLength() override;
  int GetSelectedTextBody(char* pBuf, int nSize) override;
  int SelectedTextBodyLength() override;

  int m_nWidth;

 private:
  bool IsChild(LIST* node) const { return node && node != m_list.pTail; }
  // cx, cy grown to cover the children from first up to the end marker.
  void GrowExtent(LIST* pFirst);
  // cx, cy recomputed from the children that remain.
  void RecomputeExtent();
  // The action on every selected link; true when there was one.
  bool ForSelectedLinks(void (*action)(KVObjLink*));
  // Replaces a child by a copy changed by change(); grouped with the earlier records
  // unless groupStart. Returns the copy's node.
  template <typename Change>
  LIST* ReplaceChild(LIST* node, bool groupStart, Change change);
  LIST* StreamToList(const char* data, const char* end, bool skipDocHead, int* pResult = nullptr);
  LIST* ReadLinkedMemo(KVObjLink* link, int* pResult);
  LIST* LinksFromDrop(HDROP drop, CPoint at);
  LIST* LinkFromAddress(HGLOBAL address, CPoint at);
  LIST* BitmapFrom(HBITMAP bitmap, CPoint at);
  // Body writers over the children, all or only the selected ones.
  int BodyLength(bool selectedOnly);
  int WriteBody(char* pBuf, int nSize, bool selectedOnly);
  int BodyTextLength(bool selectedOnly);
  int WriteBodyText(char* pBuf, int nSize, bool selectedOnly);
};
