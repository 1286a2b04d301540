// KVDocText: the document of a memo, a document whose content is one text box. It maps
// window points to the box, keeps the top line in place when the width changes, and turns
// text into links, selections into new memos, memos into plain text and printed pages.
#pragma once

#include "KVObjDoc.h"
#include "KVObjTBox.h"

class KVOBJ_API KVDocText : public KVObjDoc {
 public:
  KVDocText();
  ~KVDocText() override;

  KVObjTBox* Box() const { return static_cast<KVObjTBox*>(m_pContent); }

  // The text box's caret, selection and editing, unchanged.
  LIST* GetCurPos() const { return Box()->GetCurPos(); }
  LIST* GetSelTop() const { return Box()->GetSelTop(); }
  LIST* GetSelEnd() const { return Box()->GetSelEnd(); }
  int SetCurPos(LIST* p) { return Box()->SetCurPos(p); }
  bool GetSel(LIST** ppTop, LIST** ppEnd) const { return Box()->GetSel(ppTop, ppEnd); }
  void SetSel(LIST* a, LIST* b) { Box()->SetSel(a, b); }
  void SetSel(LIST* p) { Box()->SetSel(p); }
  void SelectAll() { Box()->SelectAll(); }
  const KVObject* CaretObject() const { return Box()->CaretObject(); }
  bool IsSelect(LIST* p, bool bIncludeEnd) const { return Box()->IsSelect(p, bIncludeEnd); }
  void Layout(HDC hdc) { Box()->Layout(hdc); }
  bool IsSelected() override { return Box()->GetSel(nullptr, nullptr); }
  bool IsLinkSelected() override { return Box()->IsLinkSelected(); }
  bool IsObjSelected() override { return Box()->IsObjSelected(); }
  void ChangeColor(COLORREF color) { Box()->ChangeColor(color); }
  void ChangeFont(LOGFONT* pFont) override { Box()->ChangeFont(pFont); }
  int FindString(int bDown, int bMatchCase, char* pszText, LIST* pFrom) {
    return Box()->FindString(bDown, bMatchCase, pszText, pFrom);
  }
  int ReplaceString(int bDown, int bMatchCase, char* pszText, char* pszReplace, LIST* pFrom) {
    return Box()->ReplaceString(bDown, bMatchCase, pszText, pszReplace, pFrom);
  }
  int OpenLink() { return Box()->OpenLink(); }
  int CloseLink() { return Box()->CloseLink(); }
  int ExecLink() { return Box()->ExecLink(); }
  int ExtendLink() { return Box()->ExtendLink(); }
  int DoChildProperty() override { return Box()->DoChildProperty(); }
  int Delete() override { return Box()->Delete(); }
  int Erase(LIST* pFrom, LIST* pTo, bool bGroupStart) override {
    return Box()->Erase(pFrom, pTo, bGroupStart);
  }
  int Insert(char* pszText) override { return Box()->Insert(pszText); }
  int Insert(int nFormat, void* pData, CPoint point) override {
    return Box()->Insert(nFormat, pData, point);
  }
  int Insert(KVObject* pObj) override { return Box()->Insert(pObj); }
  int Insert(LIST* pRun) override { return Box()->Insert(pRun); }
  void Delete(LIST* pFirst, LIST* pEnd, bool bGroupStart) {
    Box()->KVObjList::Delete(pFirst, pEnd, bGroupStart);
  }
  int Undo() { return Box()->Undo(); }
  int Redo() { return Box()->Redo(); }
  void Clear() { Box()->Clear(); }
  void ReloadLinkFile(LINK* pLink) { Box()->ReloadLinkFile(pLink); }
  int GetTopOfSelectedLine(char* pBuf, int nSize, int* pLen) {
    return Box()->GetTextLine(pBuf, nSize, pLen);
  }

  // Window coordinates.
  LIST* MoveCurPos(int code) { return Box()->MoveCurPos(code, CSize(cx, cy)); }
  LIST* Find(CPoint pt) { return Box()->Find(ToBox(pt)); }
  int WhereIs(CPoint pt, LIST** ppNode) { return Box()->WhereIs(ToBox(pt), ppNode); }
  CPoint GetCaretPoint(LIST* pNode);
  CRect GetCharRect(LIST* pNode);
  bool Scroll(CRect view, LIST* pNode) { return ScrollToObject(view, pNode); }
  bool DoChildHScroll(UINT code, UINT amount, LIST* pNode);
  bool DoChildVScroll(UINT code, UINT amount, LIST* pNode);

  void SetSize(CSize size) override;
  // The document properties dialog; 1 when confirmed.
  int DoProperty() override;
  int PathToLink();
  int MakeLink(KVFile* pFile, char* pszBackPath);
  int SaveText(KVFile* pFile) { return SaveContentText(pFile); }
  int PrintDoc(HDC hdc, CRect page, char* pszTitle) override;

 protected:
  int ImportText(char* pszText) override;

 private:
  // The node at the window's top-left and how far the view starts below its top, so that
  // a re-wrap can keep that line at the top.
  LIST* TopLine(int* pOffset);
  void KeepTopLine(LIST* pTop, int offset);
};
