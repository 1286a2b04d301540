// The text box's link operations, and links built from addresses and dropped files.
#include <string>
#include <vector>

#include "ClipboardFormats.h"
#include "DroppedFiles.h"
#include "KVErrors.h"
#include "KVObjLink.h"
#include "KVObjTBox.h"
#include "KVProfile.h"
#include "LockedGlobal.h"

namespace {

KVObjLink* AsLink(LIST* node) {
  return node->pObj->m_wCode == SEG_LINK ? dynamic_cast<KVObjLink*>(node->pObj) : nullptr;
}

void Append(LIST*& first, LIST*& last, KVObject* object) {
  LIST* node = KVNewNode(object);
  node->pPrev = last;
  (last ? last->pNext : first) = node;
  last = node;
}

}  // namespace

bool KVObjTBox::ForSelectedLinks(void (*action)(KVObjLink*)) {
  bool any = false;
  if (m_pSelTop == m_pSelEnd) {
    if (KVObjLink* link = AsLink(m_pCurPos)) action(link), any = true;
    return any;
  }
  for (LIST* n = m_pSelTop; n != m_pSelEnd; n = n->pNext)
    if (KVObjLink* link = AsLink(n)) action(link), any = true;
  return any;
}

int KVObjTBox::OpenLink() {
  if (!ForSelectedLinks([](KVObjLink* link) { link->Open(); })) return 0;
  Layout(nullptr);
  return 1;
}

int KVObjTBox::CloseLink() {
  if (!ForSelectedLinks([](KVObjLink* link) { link->Close(); })) return 0;
  Layout(nullptr);
  return 1;
}

int KVObjTBox::ExecLink() {
  ForSelectedLinks([](KVObjLink* link) { link->Action(); });
  return 0;
}

// Replaces one memo link by the content of the memo it points to. A memo that cannot be
// read (gone, damaged, of a newer version) leaves the link where it was, and its error is
// the result.
int KVObjTBox::ExtendSub(LIST* pNode) {
  KVObjLink* link = AsLink(pNode);
  if (!link || link->FileType() != FT_MEMO) return 0;
  void* block = nullptr;
  const int length = link->GetLinkFileData(&block);
  if (length < 0) return length;
  int result = KV_ERR_READ_WRITE;
  LIST* run = nullptr;
  {
    LockedGlobal data(static_cast<HGLOBAL>(block));
    if (data.Data()) run = StreamToList(data.Data(), data.Data() + length, true, &result);
  }
  GlobalFree(static_cast<HGLOBAL>(block));
  if (result < 0) return result;
  m_pSelTop = m_pCurPos = pNode;
  m_pSelEnd = pNode->pNext;
  Insert(run);
  return 1;
}

// 1 when any link was replaced; otherwise the first error met, or 0.
int KVObjTBox::ExtendLink() {
  if (m_pSelTop == m_pSelEnd) return ExtendSub(m_pCurPos);
  const bool caretAtTop = m_pCurPos == m_pSelTop;
  LIST* before = m_pSelTop->pPrev;
  LIST* end = m_pSelEnd;
  bool any = false;
  int failure = 0;
  for (LIST* n = m_pSelTop; n != end;) {
    LIST* next = n->pNext;
    const int result = ExtendSub(n);
    if (result > 0) any = true;
    if (result < 0 && failure == 0) failure = result;
    n = next;
  }
  if (!any) return failure;
  m_pSelTop = before ? before->pNext : m_list.pHead;
  m_pSelEnd = end;
  m_pCurPos = caretAtTop ? m_pSelTop : m_pSelEnd;
  Layout(nullptr);
  return 1;
}

LIST* KVObjTBox::LinkFromAddress(HGLOBAL address) {
  std::string url;
  {
    LockedGlobal text(address);
    if (!text.Data()) return nullptr;
    url = text.Text();
  }
  KVFile file;
  file.Attach(url.c_str());
  return KVNewNode(new KVObjLink(nullptr, file));
}

// One link per dropped file, a line break after every "LinksOfLine" of them. A path too
// long for a link is left out rather than cut into the name of another file.
LIST* KVObjTBox::LinksFromDrop(HDROP drop) {
  const std::vector<std::string> paths = KVReadDroppedFiles(drop);
  const size_t perLine = KVGetProfileInt(kLinksOfLine);
  LIST* first = nullptr;
  LIST* last = nullptr;
  for (size_t i = 0; i < paths.size(); ++i) {
    if (perLine != 0 && i != 0 && i % perLine == 0)
      Append(first, last, new KVObjChar(KV_CODE_NEWLINE, CaretObject()->m_crColor,
                                        &CaretObject()->m_logFont));
    KVFile file;
    if (file.Attach(paths[i].c_str()) == KV_ERR_TOO_LONG) continue;
    Append(first, last, new KVObjLink(nullptr, file));
    file.Detach();
  }
  return first;
}
