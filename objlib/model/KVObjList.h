// KVObjList: an ordered list of objects that always ends with the end-marker character,
// edited only by recorded inserts, deletes and resizes that can be undone group by group and
// redone.
#pragma once

#include <cstddef>

#include "KVObjChar.h"
#include "KVObject.h"

// One node of a doubly linked list; it owns its object.
struct LINK;

struct KVOBJ_API LIST {
  LIST* pNext;
  LIST* pPrev;
  KVObject* pObj;

  // Nodes come from a pool (FixedPool.h): a memo holds one per character.
  static void* operator new(std::size_t size);
  static void operator delete(void* p, std::size_t size);
};

KVOBJ_API LIST* KVNewNode(KVObject* pObj);
// Frees a node and its object.
KVOBJ_API void KVFreeNode(LIST* pNode);
// Frees every node of a chain (following pNext) with its object.
KVOBJ_API void KVFreeChain(LIST* pFirst);

// One undo record. A delete record owns the chain it removed until it is undone or freed.
// Undoing a record turns it into the record of the opposite change, which redo plays back:
// an undone insertion is kept as a deletion of its chain, an undone deletion as an insertion.
// A resize record holds, in its own cx and cy, the size its node had before the change.
class KVOBJ_API BUndo : public KVObject {
 public:
  enum Kind { SPENT = 0, INSERTED = 1, DELETED = 2, RESIZED = 3 };
  BUndo(DWORD kind, bool groupStart, LIST* nodeA, LIST* nodeB);
  ~BUndo() override;

  DWORD nKind;
  bool bGroupStart;
  LIST* pNodeA;  // insert: first inserted node; delete: the node after the removed range;
                 // resize: the resized node
  LIST* pNodeB;  // insert: last inserted node; delete: first node of the removed chain
  LIST* pCurPos;
  LIST* pSelTop;
  LIST* pSelEnd;
};

class KVOBJ_API KVObjList : public KVObject {
 public:
  KVObjList();
  KVObjList(const KVObjList&) = delete;
  ~KVObjList() override;

  void CalcSize(HDC hdc) override;
  int GetText(char* pBuf, int nSize, int* pWritten) override;
  int TextLength() override;
  int DataLength() override;
  int GetData(char* pBuf, int nSize, int* pWritten) override;
  bool IsDerty() override;
  void ClearDerty() override;

  virtual int Delete();
  virtual int Erase(LIST* pFirst, LIST* pEnd, bool bGroupStart);
  virtual int Insert(char* pszText);
  virtual int Insert(int nFormat, void* pData, CPoint point);
  virtual int Insert(KVObject* pObj);
  virtual int Insert(LIST* pChain);
  virtual int GetSelectedData(char* pBuf, int nSize, int* pWritten);
  virtual int SelectedDataLength();
  virtual int GetSelectedText(char* pBuf, int nSize, int* pWritten);
  virtual int SelectedTextLength();
  virtual bool CanPaste();
  virtual bool CanUndo();
  virtual bool CanRedo();
  virtual int DoChildProperty();
  virtual bool HaveSelectData();
  virtual int GetSelectedDataBody(char* pBuf, int nSize);
  virtual int SelectedDataBodyLength();
  virtual int GetSelectedTextBody(char* pBuf, int nSize);
  virtual int SelectedTextBodyLength();
  virtual void PreDelete(BUndo* pUndo);
  virtual void PostDelete(BUndo* pUndo);
  virtual void PreInsert(BUndo* pUndo);
  virtual void PostInsert(BUndo* pUndo);
  virtual void PostUndo(BUndo* pUndo);
  virtual void PostClear();
  virtual void PostSetData();

  void Insert(LIST* pBefore, LIST* pChain, bool bGroupStart);
  // Removes the nodes from pFirst up to pEnd as one undo record. A range that is empty, or
  // whose end does not follow its first node, changes nothing: false.
  bool Delete(LIST* pFirst, LIST* pEnd, bool bGroupStart);
  int Undo();
  // Plays back the group the last Undo took back; any new change forgets what can be redone.
  int Redo();
  // Forgets both histories.
  void ClearUndo();
  void Clear();
  // Resizes one object as an undoable change of its own.
  void SetItemSize(LIST* pNode, CSize size);
  // Another window saved a file: every link of the list refreshes from it.
  void ReloadLinkFile(LINK* pLink);

  // The objects, in order; the last node holds the end marker.
  struct {
    LIST* pHead;
    LIST* pTail;
  } m_list;
  // Undo records, newest at the head.
  struct {
    LIST* pHead;
    LIST* pTail;
  } m_undo;
  // Undone records, the group to redo first at the head.
  struct {
    LIST* pHead;
    LIST* pTail;
  } m_redo;

 protected:
  KVObject* DupObject(KVObject* pObj);
  // Reads an item run from *ppCursor up to endCode (or the stream's end code) into a new
  // chain. pEnd bounds the readable data. On success *pResult is 0 and the cursor moves
  // behind the run; on a damaged stream *pResult is negative, nothing is returned and the
  // cursor stays.
  LIST* SegToList(int version, SEG_HEAD** ppCursor, int endCode, const char* pEnd, int* pResult);

  // Links a detached chain in before pBefore (or at the head) without recording it.
  void SpliceBefore(LIST* pBefore, LIST* pFirst, LIST* pLast);

 private:
  void Unlink(LIST* pFirst, LIST* pLast);
  void PushUndo(BUndo* pUndo);
  // A record added to the undo history by an edit; the redo history goes.
  void Record(BUndo* pUndo);
  // Undoes one record in place and turns it into the record that undoes that.
  void Revert(BUndo* pUndo);
  // Head, body (whole or selected) and tail, one behind the other.
  int AssembleData(char* pBuf, int nSize, int* pWritten, bool bSelected);
  int AssembleText(char* pBuf, int nSize, int* pWritten, bool bSelected);
};

// Plain Shift-JIS text to a chain of characters of one colour and font; none for "".
KVOBJ_API LIST* StrToList(const char* pszText, COLORREF color, const LOGFONT* pFont);
