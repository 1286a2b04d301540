// KVObjTBox: the text box, an object list that flows into lines like text, with a caret
// and a selection; the body of every memo. Layout, caret and selection live in
// KVObjTBox*.cpp by topic: Layout, Caret, Edit, Stream, Find, Draw.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "KVObjList.h"
#include "SettingsSchema.h"
#include "TextLines.h"

class KVObjLink;

// Attribute bits of a box.
const DWORD KV_ATTR_FRAME = 0x00000001;  // a one-pixel frame around the box
const DWORD KV_ATTR_WRAP = kTextAttrWrap;  // lines wrap at the set width

// Caret movements of MoveCurPos.
enum CaretMove {
  MOVE_UP = 0,
  MOVE_DOWN = 1,
  MOVE_LEFT = 2,
  MOVE_RIGHT = 3,
  MOVE_LINE_START = 4,
  MOVE_LINE_END = 5,
  MOVE_PAGE_UP = 6,
  MOVE_PAGE_DOWN = 7,
  MOVE_TEXT_START = 8,
  MOVE_TEXT_END = 9,
};

// WhereIs answer for a character; other objects answer with their hit zone (HitZone).
const int KV_HIT_CHARACTER = HIT_CHARACTER;

class KVOBJ_API KVObjTBox : public KVObjList {
 public:
  KVObjTBox();
  // A copy for printing: the record, the background and a copy of every child.
  KVObjTBox(const KVObjTBox& other);
  ~KVObjTBox() override;

  using KVObjList::Delete;
  using KVObjList::Insert;

  // Caret and selection.
  int SetCurPos(LIST* p);
  LIST* GetCurPos() const { return m_pCurPos; }
  LIST* GetSelTop() const { return m_pSelTop; }
  LIST* GetSelEnd() const { return m_pSelEnd; }
  void SetSel(LIST* a, LIST* b);
  void SetSel(LIST* p);
  bool GetSel(LIST** ppTop, LIST** ppEnd) const;
  void SelectAll();
  int CompPosition(LIST* a, LIST* b) const;
  bool IsSelect(LIST* p, bool bIncludeEnd) const;
  bool IsLinkSelected() const;
  bool IsObjSelected() const;
  LIST* MoveCurPos(int code, CSize page);
  // The colour and font new text takes: those of the object just after the caret (the end
  // marker at the end of the text). Memo files and their readers rely on this rule.
  const KVObject* CaretObject() const { return m_pCurPos->pObj; }

  // Layout and hit tests. Layout places every child; an edit of the box lays out only the
  // lines around it.
  void CalcSize(HDC hdc) override;
  void Layout(HDC hdc);
  void SetSize(CSize size) override;
  // The band of the box's last layout that may look different, from top down to bottom;
  // bottom is INT_MAX when everything below it moved.
  void GetChangedBand(int* pTop, int* pBottom) const;
  LIST* Find(CPoint pt);
  int WhereIs(CPoint pt, LIST** ppNode);
  int GetTextLine(char* pBuf, int nSize, int* pLen);
  int GetPageHeight(HDC hdc, int top, int height);

  // Editing.
  int Delete() override;
  int Erase(LIST* pFrom, LIST* pTo, bool bGroupStart) override;
  int Insert(char* pszText) override;
  int Insert(int nFormat, void* pData, CPoint point) override;
  int Insert(KVObject* pObj) override;
  int Insert(LIST* pRun) override;
  int SetTextData(char* pszText);
  void ChangeColor(COLORREF color);
  void ChangeFont(LOGFONT* pFont) override;
  int DoChildProperty() override;
  void PreDelete(BUndo* pUndo) override;
  void PreInsert(BUndo* pUndo) override;
  void PostInsert(BUndo* pUndo) override;
  void PostDelete(BUndo* pUndo) override;
  void PostUndo(BUndo* pUndo) override;
  void PostClear() override;

  // Links in the selection (or at the caret): open in place, close, run, expand.
  int OpenLink();
  int CloseLink();
  int ExecLink();
  // 1 when a link was replaced; else 0, or the error of a memo that could not be read.
  int ExtendLink();

  // Find and replace.
  int FindString(int bDown, int bMatchCase, char* pszText, LIST* pFrom);
  int ReplaceString(int bDown, int bMatchCase, char* pszText, char* pszReplace, LIST* pFrom);

  // Drawing.
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

  LIST* m_pCurPos;
  LIST* m_pSelTop;
  LIST* m_pSelEnd;
  int m_nWidth;

 protected:
  bool DebugCheck() { return true; }
  int ExtendSub(LIST* pNode);
  LIST* MatchString(int bDown, int bMatchCase, LIST* pAt, LIST* pPattern);
  int GetDataLength(LIST* pFrom, LIST* pTo);
  int GetDataSub(LIST* pFrom, LIST* pTo, char* pBuf, int nSize);
  int GetTextLength(LIST* pFrom, LIST* pTo);
  int GetTextSub(LIST* pFrom, LIST* pTo, char* pBuf, int nSize);
  // Replaces every child but the end marker by a chain; the history is forgotten.
  void ReplaceContent(LIST* pChain);

 private:
  TextLines::Wrap WrapRule() const;
  // After an edit: the lines from the edit's line to where the breaks meet the old ones.
  void LayoutAfterEdit();
  // The box's size from its lines.
  void FitToLines();
  void DrawLines(PAINTINFO* pInfo, CPoint origin, const CRect& visible, bool showSel);
  LIST* MoveDown(LIST* cur) const;
  // New copies of the selected objects, chained in order.
  LIST* DuplicateSelection();
  // The copies take the selection's place and stay selected, the caret at the same end.
  void ReplaceSelectionKeepingIt(LIST* copies);
  // pResult, when given, gets 0 or the reason the stream does not parse.
  LIST* StreamToList(const char* data, const char* end, bool skipDocHead, int* pResult = nullptr);
  LIST* LinkFromAddress(HGLOBAL address);
  LIST* LinksFromDrop(HDROP drop);
  LIST* BitmapFrom(HBITMAP bitmap);
  // Runs an action on the links of the selection, or on the link at the caret; true when
  // there was any.
  bool ForSelectedLinks(void (*action)(KVObjLink*));

  TextLines m_lineIndex;
};
