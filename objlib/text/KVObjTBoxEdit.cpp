// Editing a text box: every change is a recorded list edit followed by a layout, and the
// undo hooks carry caret and selection across undo and redo.
#include <windows.h>

#include <optional>
#include <utility>

#include "ClipboardFormats.h"
#include "KVErrors.h"
#include "KVObjBmap.h"
#include "KVObjTBox.h"
#include "KVWaitCursor.h"
#include "LockedGlobal.h"
#include "StreamHead.h"

namespace {

LIST* LastOf(LIST* chain) {
  while (chain->pNext) chain = chain->pNext;
  return chain;
}

}  // namespace

int KVObjTBox::Insert(LIST* pRun) {
  // A typed character is over before a cursor could show.
  std::optional<KVWaitCursor> wait;
  if (m_pSelTop != m_pSelEnd || (pRun && pRun->pNext)) wait.emplace();
  bool deleted = false;
  if (m_pSelTop != m_pSelEnd) {
    LIST* end = m_pSelEnd;
    KVObjList::Delete(m_pSelTop, end, true);
    SetCurPos(end);
    deleted = true;
  }
  if (pRun) {
    LIST* before = m_pSelEnd;
    KVObjList::Insert(before, pRun, !deleted);
    SetCurPos(before);
  }
  if (pRun || deleted) LayoutAfterEdit();
  return 0;
}

int KVObjTBox::Insert(KVObject* pObj) { return Insert(KVNewNode(pObj)); }

int KVObjTBox::Insert(char* pszText) {
  return Insert(StrToList(pszText, CaretObject()->m_crColor, &CaretObject()->m_logFont));
}

int KVObjTBox::Insert(int nFormat, void* pData, CPoint) {
  const KVClipboardFormatIds& formats = KVGetClipboardFormats();
  LIST* run = nullptr;
  UINT format = static_cast<UINT>(nFormat);
  if (format == CF_TEXT) {
    LockedGlobal text(static_cast<HGLOBAL>(pData));
    run = StrToList(text.Text().c_str(), CaretObject()->m_crColor, &CaretObject()->m_logFont);
  } else if (format == formats.dataBus || format == formats.extendFile) {
    LockedGlobal stream(static_cast<HGLOBAL>(pData));
    if (stream.Data()) run = StreamToList(stream.Data(), stream.End(), format == formats.extendFile);
  } else if (format == formats.url) {
    run = LinkFromAddress(static_cast<HGLOBAL>(pData));
  } else if (format == CF_HDROP) {
    run = LinksFromDrop(static_cast<HDROP>(pData));
  } else if (format == CF_BITMAP) {
    run = BitmapFrom(static_cast<HBITMAP>(pData));
  }
  return Insert(run);
}

// A bitmap the picture cannot be taken from (no bitmap, unknown depth, too large) yields
// nothing.
LIST* KVObjTBox::BitmapFrom(HBITMAP bitmap) {
  KVObjBmap* picture = new KVObjBmap();
  if (picture->Attach(bitmap) < 0) {
    delete picture;
    return nullptr;
  }
  picture->m_crColor = CaretObject()->m_crColor;
  picture->m_logFont = CaretObject()->m_logFont;
  return KVNewNode(picture);
}

// The objects of a memo-data block or of a whole memo file (behind its head segments);
// a block that does not parse yields nothing.
LIST* KVObjTBox::StreamToList(const char* data, const char* end, bool skipDocHead, int* pResult) {
  int result = KV_ERR_READ_WRITE;
  if (!pResult) pResult = &result;
  *pResult = KV_ERR_READ_WRITE;
  KVStreamHead head;
  const int found = KVFindStreamContent(data, end, skipDocHead, &head);
  if (found < 0) {
    *pResult = found;
    return nullptr;
  }
  const char* p = head.content;
  int endCode = SEG_END;
  const int content = KVPeekCode(p, end);
  // A figure memo expands into its objects too; its box head has the full layout always.
  if (content == SEG_TBOX || content == SEG_FBOX) {
    long long headSize = content == SEG_FBOX || head.version >= 256 ? 30 : 22;
    if (end - p < headSize) return nullptr;
    p += headSize;
    endCode = content == SEG_TBOX ? SEG_TBOX_END : SEG_FBOX_END;
  }
  auto* cursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(p));
  return SegToList(head.version, &cursor, endCode, end, pResult);
}

int KVObjTBox::Delete() {
  if (m_pSelTop == m_pSelEnd) return 0;
  LIST* end = m_pSelEnd;
  KVObjList::Delete(m_pSelTop, end, true);
  SetCurPos(end);
  LayoutAfterEdit();
  return 0;
}

int KVObjTBox::Erase(LIST* pFrom, LIST* pTo, bool bGroupStart) {
  if (!KVObjList::Delete(pFrom, pTo, bGroupStart)) return 0;  // an empty range: nothing
  // The caret is the caller's business, but it must never stay on a removed node.
  for (LIST* n = pFrom; n; n = n->pNext) {
    if (m_pCurPos == n) m_pCurPos = pTo;
    if (m_pSelTop == n) m_pSelTop = pTo;
    if (m_pSelEnd == n) m_pSelEnd = pTo;
  }
  LayoutAfterEdit();
  return 0;
}

void KVObjTBox::ReplaceContent(LIST* pChain) {
  Clear();
  SpliceBefore(m_list.pTail, pChain, LastOf(pChain));
  Layout(nullptr);
  SetCurPos(m_list.pHead);
}

int KVObjTBox::SetTextData(char* pszText) {
  LIST* chain = StrToList(pszText, CaretObject()->m_crColor, &CaretObject()->m_logFont);
  if (!chain) return -1;
  ReplaceContent(chain);
  return 0;
}

LIST* KVObjTBox::DuplicateSelection() {
  LIST* copies = nullptr;
  LIST* last = nullptr;
  for (LIST* n = m_pSelTop; n != m_pSelEnd; n = n->pNext) {
    LIST* copy = KVNewNode(DupObject(n->pObj));
    copy->pPrev = last;
    (last ? last->pNext : copies) = copy;
    last = copy;
  }
  return copies;
}

void KVObjTBox::ReplaceSelectionKeepingIt(LIST* copies) {
  const bool caretAtTop = m_pCurPos == m_pSelTop;
  Insert(copies);
  LIST* end = m_pCurPos;  // just after the inserted copies
  if (caretAtTop)
    SetSel(copies, end);
  else
    SetSel(end, copies);
}

// Recolouring and refonting replace the selection by changed copies: one undoable action.
// The selection stays, so a second change (a font after a colour) needs no new selecting.
void KVObjTBox::ChangeColor(COLORREF color) {
  if (m_pSelTop == m_pSelEnd) return;
  LIST* copies = DuplicateSelection();
  for (LIST* n = copies; n; n = n->pNext) n->pObj->m_crColor = color;
  ReplaceSelectionKeepingIt(copies);
}

void KVObjTBox::ChangeFont(LOGFONT* pFont) {
  if (m_pSelTop == m_pSelEnd) return;
  LIST* copies = DuplicateSelection();
  for (LIST* n = copies; n; n = n->pNext) n->pObj->ChangeFont(pFont);
  ReplaceSelectionKeepingIt(copies);
  Layout(nullptr);
}

int KVObjTBox::DoChildProperty() {
  bool changed = false;
  auto ask = [&changed](KVObject* o) {
    if (!KVIsCharCode(o->m_wCode) && o->DoProperty() != 0) changed = true;
  };
  if (m_pSelTop == m_pSelEnd) {
    ask(m_pCurPos->pObj);
  } else {
    for (LIST* n = m_pSelTop; n != m_pSelEnd; n = n->pNext) ask(n->pObj);
  }
  if (!changed) return 0;
  m_bDerty = true;
  return 1;
}

void KVObjTBox::PreDelete(BUndo* pUndo) {
  pUndo->pCurPos = m_pCurPos;
  pUndo->pSelTop = m_pSelTop;
  pUndo->pSelEnd = m_pSelEnd;
}

void KVObjTBox::PreInsert(BUndo* pUndo) { PreDelete(pUndo); }

void KVObjTBox::PostInsert(BUndo* pUndo) {
  m_lineIndex.NoteEdit(pUndo->pNodeA->pPrev, pUndo->pNodeB->pNext);
}

void KVObjTBox::PostDelete(BUndo* pUndo) { m_lineIndex.NoteEdit(pUndo->pNodeA->pPrev, pUndo->pNodeA); }

// The record takes the caret and selection of now, for the way back: nodes they point to
// that the change removes are kept by the record until it is played again.
void KVObjTBox::PostUndo(BUndo* pUndo) {
  if (pUndo->pCurPos) {
    std::swap(m_pCurPos, pUndo->pCurPos);
    std::swap(m_pSelTop, pUndo->pSelTop);
    std::swap(m_pSelEnd, pUndo->pSelEnd);
  }
  Layout(nullptr);
}

// Clearing frees every node but the end marker, so the caret goes there.
void KVObjTBox::PostClear() {
  SetCurPos(m_list.pTail);
  Layout(nullptr);
}
