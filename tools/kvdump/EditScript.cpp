// The edit sequence: typing, line breaks, deleting across lines, backspaces, replacing a
// selection and undo, at places spread over the text.
#include "EditScript.h"

#include <string>

namespace {

LIST* NodeAt(KVObjTBox* box, int num, int den) {
  long count = 0;
  for (LIST* n = box->m_list.pHead; n != box->m_list.pTail; n = n->pNext) ++count;
  LIST* node = box->m_list.pHead;
  for (long i = count * num / den; i > 0 && node != box->m_list.pTail; --i) node = node->pNext;
  return node;
}

LIST* Forward(KVObjTBox* box, LIST* node, int steps) {
  for (; steps > 0 && node != box->m_list.pTail; --steps) node = node->pNext;
  return node;
}

void Type(KVObjTBox* box, const std::string& keys) {
  for (char key : keys) {
    char text[2] = {key, '\0'};
    if (key == '\n') text[0] = '\r';
    box->Insert(text);
  }
}

void Backspace(KVObjTBox* box, int times) {
  for (; times > 0; --times) {
    LIST* cur = box->GetCurPos();
    if (!cur->pPrev) return;
    box->Erase(cur->pPrev, cur, true);
    box->SetCurPos(cur);
  }
}

}  // namespace

void RunEditScript(KVObjTBox* box) {
  box->m_nAttr |= KV_ATTR_WRAP;
  box->SetSize(CSize(480, 0));
  box->SetCurPos(NodeAt(box, 1, 2));
  Type(box, "abc");
  box->SetCurPos(NodeAt(box, 1, 3));
  Type(box, "\n");
  LIST* from = NodeAt(box, 2, 3);
  box->SetSel(from, Forward(box, from, 150));
  box->Delete();
  box->SetCurPos(NodeAt(box, 1, 4));
  Backspace(box, 3);
  box->SetCurPos(NodeAt(box, 3, 4));
  Type(box, std::string(100, 'w') + "\n\nshort\n" + std::string(70, 'i'));
  box->SetCurPos(box->m_list.pTail);
  Type(box, "end\n\n");
  box->SetCurPos(box->m_list.pHead);
  Type(box, "start");
  box->Undo();
  box->Undo();
  from = NodeAt(box, 1, 5);
  box->SetSel(from, Forward(box, from, 5));
  char replacement[] = "replacement text";
  box->Insert(replacement);
  box->SetCurPos(NodeAt(box, 4, 5));
  Backspace(box, 40);
}
