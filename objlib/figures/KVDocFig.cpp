// The figure document: construction, window coordinates, size, and the operations that
// make links and write plain text.
#include "KVDocFig.h"

#include <algorithm>
#include <new>

#include "KVErrors.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "KVObjTBox.h"

namespace {

const int kScrollMargin = 24;  // scrolling to an object shows this much beyond it

// Moves one axis so that [low, high) of an object shows in [viewLow, viewHigh).
bool ScrollAxisTo(int low, int high, int viewLow, int viewHigh, int greatest, int* pScroll) {
  int before = *pScroll;
  if (low < viewLow)
    *pScroll = std::max(0, *pScroll + (low - viewLow - kScrollMargin));
  else if (high > viewHigh)
    *pScroll = std::min(greatest, *pScroll + (high - viewHigh + kScrollMargin));
  return *pScroll != before;
}

KVObjLink* LinkAt(LIST* node) {
  return node && node->pObj->m_wCode == SEG_LINK ? dynamic_cast<KVObjLink*>(node->pObj) : nullptr;
}

}  // namespace

KVDocFig::KVDocFig() {
  m_pContent = new KVObjFBox();
  m_crBackColor = m_pContent->m_crBackColor;
}

KVDocFig::~KVDocFig() = default;

// A plain-text file becomes characters at the box's origin, as pasted text does.
int KVDocFig::ImportText(char* pszText) {
  Box()->SetTextData(pszText);
  return 0;
}

bool KVDocFig::Scroll(CRect view, LIST* pNode) {
  view.OffsetRect(m_nScrollX, m_nScrollY);
  const KVObject* o = pNode->pObj;
  CRect object(o->x, o->y, o->x + o->cx, o->y + o->cy);
  object.OffsetRect(Box()->x, Box()->y);
  if (object.left >= view.left && object.right <= view.right && object.top >= view.top &&
      object.bottom <= view.bottom)
    return false;
  const int maxX = std::max(0, Box()->cx - view.Width());
  const int maxY = std::max(0, Box()->cy - view.Height());
  bool movedX = ScrollAxisTo(object.left, object.right, view.left, view.right, maxX, &m_nScrollX);
  bool movedY = ScrollAxisTo(object.top, object.bottom, view.top, view.bottom, maxY, &m_nScrollY);
  return movedX || movedY;
}

// There is no caret to fall back to: without a link node nothing scrolls.
bool KVDocFig::DoChildHScroll(UINT code, UINT amount, LIST* pNode) {
  KVObjLink* link = LinkAt(pNode);
  return link ? link->DoChildHScroll(code, amount) : false;
}

bool KVDocFig::DoChildVScroll(UINT code, UINT amount, LIST* pNode) {
  KVObjLink* link = LinkAt(pNode);
  return link ? link->DoChildVScroll(code, amount) : false;
}

void KVDocFig::SetSize(CSize size) {
  cx = size.cx;
  cy = size.cy;
  LIST* top = nullptr;
  int offset = 0;
  if (Box()->m_nAttr & KV_ATTR_WRAP) {
    top = Find(CPoint(0, 0));
    offset = m_nScrollY - top->pObj->y;
  }
  Box()->SetSize(size);
  if (top) m_nScrollY = std::min(std::max(0, Box()->cy - cy), top->pObj->y + offset);
}

int KVDocFig::SaveText(KVFile* pFile) {
  const int length = Box()->TextBodyLength();
  if (length == 0) return 0;
  char* text = new (std::nothrow) char[length + 1]();
  if (!text) return KV_ERR_NO_MEMORY;
  int written = Box()->GetTextBody(text, length + 1);
  int result = pFile->WriteFile(text, written);
  delete[] text;
  return result < 0 ? result : 0;
}

// The selected objects go to a new file; a link to it goes on top at the box's origin,
// and the objects stay where they are.
int KVDocFig::MakeLink(KVFile* pFile, char*) {
  const int length = Box()->SelectedDataLength();
  char* data = new (std::nothrow) char[length]();
  if (!data) return KV_ERR_NO_MEMORY;
  int written = 0;
  Box()->GetSelectedData(data, length, &written);
  {
    KVDocFig cut;
    cut.SetData(KV_FORMAT_VERSION, reinterpret_cast<SEG_HEAD*>(data), written);
    if (pFile->FileType() == FT_MEMO)
      cut.Save(nullptr, pFile);
    else
      cut.SaveText(pFile);
  }
  delete[] data;
  Box()->Insert(new KVObjLink("", *pFile));
  return 1;
}
