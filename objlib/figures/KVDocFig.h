// KVDocFig: a document whose content is a figure box: freely placed objects, each with its
// own selection mark. It mirrors the text document where the two share behaviour; window
// points are mapped to the box as there.
#pragma once

#include "KVObjDoc.h"
#include "KVObjFBox.h"

class KVOBJ_API KVDocFig : public KVObjDoc {
 public:
  KVDocFig();
  ~KVDocFig() override;

  KVObjFBox* Box() const { return static_cast<KVObjFBox*>(m_pContent); }

  // Shared with the text document, acting on the content.
  void ChangeFont(LOGFONT* pFont) override { Box()->ChangeFont(pFont); }
  int Delete() override { return Box()->Delete(); }
  void Delete(LIST* pFirst, LIST* pEnd, bool bGroupStart) {
    Box()->KVObjList::Delete(pFirst, pEnd, bGroupStart);
  }
  int Erase(LIST* pFrom, LIST* pTo, bool bGroupStart) override {
    return Box()->Erase(pFrom, pTo, bGroupStart);
  }
  int Insert(KVObject* pObj) override { return Box()->Insert(pObj); }
  int Insert(LIST* pRun) override { return Box()->Insert(pRun); }
  int Insert(int nFormat, void* pData, CPoint point) override {
    return Box()->Insert(nFormat, pData, point);
  }
  // Typed text has no place in a figure.
  int Insert(char*) override { return 0; }
  int Undo() { return Box()->Undo(); }
  int Redo() { return Box()->Redo(); }
  void Clear() { Box()->Clear(); }
  void ReloadLinkFile(LINK* pLink) { Box()->ReloadLinkFile(pLink); }
  int DoChildProperty() override { return Box()->DoChildProperty(); }
  bool Scroll(CRect view, LIST* pNode) { return ScrollToObject(view, pNode); }
  int SaveText(KVFile* pFile) { return SaveContentText(pFile); }

  // Forwarded to the figure box; points and rectangles in box coordinates.
  void SelectAll(bool b) { Box()->SelectAll(b); }
  void Select(int bToggle, CPoint pt) { Box()->Select(bToggle, pt); }
  void Select(int bToggle, CRect rc) { Box()->Select(bToggle, rc); }
  bool IsSelect(LIST* pNode) const { return Box()->IsSelect(pNode); }
  bool IsLinkSelected() override { return Box()->IsLinkSelected(); }
  bool IsObjSelected() override { return Box()->IsObjSelected(); }
  int OpenLink() { return Box()->OpenLink(); }
  int CloseLink() { return Box()->CloseLink(); }
  int ExecLink() { return Box()->ExecLink(); }
  int ExtendLink() { return Box()->ExtendLink(); }
  void ChangeColor(COLORREF color) { Box()->ChangeColor(color); }
  int MoveSelected(int dx, int dy) { return Box()->MoveSelected(dx, dy); }
  LIST* SetItemRect(LIST* pNode, CRect rect) { return Box()->SetItemRect(pNode, rect); }

  // Its own: hit tests at window points, child scrolling, size, properties, links, print.
  bool IsSelected() override { return Box()->HaveSelectData(); }
  LIST* Find(CPoint pt) { return Box()->Find(ToBox(pt)); }
  int WhereIs(CPoint pt, LIST** ppNode) { return Box()->WhereIs(ToBox(pt), ppNode); }
  bool DoChildHScroll(UINT code, UINT amount, LIST* pNode);
  bool DoChildVScroll(UINT code, UINT amount, LIST* pNode);
  void SetSize(CSize size) override;
  int DoProperty() override;
  int MakeLink(KVFile* pFile, char* pszBackPath);
  int PrintDoc(HDC hdc, CRect page, char* pszTitle) override;

 protected:
  int ImportText(char* pszText) override;
};
