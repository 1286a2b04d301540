// The text document: construction, window coordinates, re-wrapping, and the operations
// that make links and write plain text.
#include "KVDocText.h"

#include <algorithm>
#include <new>

#include "KVErrors.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "KVProfile.h"

KVDocText::KVDocText() {
  auto* box = new KVObjTBox();
  box->m_nAttr = KVGetProfileInt(kNewMemoAttr);
  box->m_crBackColor = KVGetProfileInt(kNewMemoBackColor);
  m_pContent = box;
  m_crBackColor = box->m_crBackColor;
}

KVDocText::~KVDocText() = default;

int KVDocText::ImportText(char* pszText) {
  Box()->SetTextData(pszText);  // an empty text leaves an empty memo
  return 0;
}

CPoint KVDocText::GetCaretPoint(LIST* pNode) {
  const KVObject* o = (pNode ? pNode : GetCurPos())->pObj;
  return CPoint(x + o->x - m_nScrollX, y + o->y + 2 - m_nScrollY);
}

CRect KVDocText::GetCharRect(LIST* pNode) {
  const KVObject* o = (pNode ? pNode : GetCurPos())->pObj;
  CRect r(o->x, o->y, o->x + o->cx, o->y + o->cy);
  r.OffsetRect(x - m_nScrollX, y - m_nScrollY);
  return r;
}

bool KVDocText::DoChildHScroll(UINT code, UINT amount, LIST* pNode) {
  auto* link = dynamic_cast<KVObjLink*>((pNode ? pNode : GetCurPos())->pObj);
  return link ? link->DoChildHScroll(code, amount) : false;
}

bool KVDocText::DoChildVScroll(UINT code, UINT amount, LIST* pNode) {
  auto* link = dynamic_cast<KVObjLink*>((pNode ? pNode : GetCurPos())->pObj);
  return link ? link->DoChildVScroll(code, amount) : false;
}

LIST* KVDocText::TopLine(int* pOffset) {
  if (!(Box()->m_nAttr & KV_ATTR_WRAP)) return nullptr;
  LIST* top = Find(CPoint(0, 0));
  *pOffset = m_nScrollY - top->pObj->y;
  return top;
}

void KVDocText::KeepTopLine(LIST* pTop, int offset) {
  if (pTop)
    m_nScrollY = std::min(std::max(0, Box()->cy - cy), pTop->pObj->y + offset);
}

void KVDocText::SetSize(CSize size) {
  cx = size.cx;
  cy = size.cy;
  int offset = 0;
  LIST* top = TopLine(&offset);
  Box()->SetSize(size);
  KeepTopLine(top, offset);
}

int KVDocText::PathToLink() {
  int length = Box()->SelectedTextLength();
  if (length - 1 >= 259) return KV_ERR_TOO_LONG;
  std::string text(length, '\0');
  int written = 0;
  Box()->GetSelectedText(&text[0], length, &written);
  text.resize(written);
  KVFile file;
  file.Attach(text.c_str());
  return Box()->Insert(new KVObjLink(text.c_str(), file));
}

int KVDocText::MakeLink(KVFile* pFile, char* pszBackPath) {
  char name[MAX_PATH] = "";
  Box()->GetTextLine(name, sizeof name, nullptr);
  const int length = Box()->SelectedDataLength();
  char* data = new (std::nothrow) char[length]();
  if (!data) return KV_ERR_NO_MEMORY;
  int written = 0;
  Box()->GetSelectedData(data, length, &written);
  {
    KVDocText cut;
    cut.m_strDocName = name;
    cut.SetData(KV_FORMAT_VERSION, reinterpret_cast<SEG_HEAD*>(data), written);
    if (pszBackPath && *pszBackPath) {
      KVFile back;
      back.Attach(pszBackPath);
      cut.SetCurPos(cut.Box()->m_list.pTail);
      cut.Insert(new KVObjLink(pszBackPath, back));
    }
    if (pFile->FileType() == FT_MEMO)
      cut.Save(nullptr, pFile);
    else
      cut.SaveText(pFile);
  }
  delete[] data;
  Box()->Insert(new KVObjLink(name, *pFile));
  return 1;
}
