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
