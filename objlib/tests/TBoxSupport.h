// Text boxes with objects of exact sizes, so that layout geometry can be checked exactly.
#pragma once

#include <string>

#include "KVObjTBox.h"
#include "TestSupport.h"

// One object of a test line: a character code (or a segment code) and its cell size.
struct Cell {
  unsigned code;
  int cx;
  int cy;
};

inline LIST* ChainOf(std::initializer_list<Cell> cells) {
  LIST* first = nullptr;
  LIST* last = nullptr;
  LOGFONT font = JapaneseFont();
  for (const Cell& cell : cells) {
    KVObject* object = KVIsCharCode(cell.code) ? new KVObjChar(cell.code, 0, &font) : new KVObject();
    object->m_wCode = static_cast<WORD>(cell.code);
    object->cx = cell.cx;
    object->cy = cell.cy;
    LIST* node = KVNewNode(object);
    node->pPrev = last;
    (last ? last->pNext : first) = node;
    last = node;
  }
  return first;
}

// Text of 10x20 characters; a '\n' in it is a line break.
inline LIST* ChainOfText(const std::string& text, int cx = 10, int cy = 20) {
  LIST* first = nullptr;
  LIST* last = nullptr;
  for (char c : text) {
    LIST* node = ChainOf({{static_cast<unsigned char>(c), cx, cy}});
    node->pPrev = last;
    (last ? last->pNext : first) = node;
    last = node;
  }
  return first;
}

class SizedBox : public KVObjTBox {
 public:
  using KVObjTBox::MatchString;
  explicit SizedBox(int width = 1000, bool wrap = false) {
    m_nAttr = wrap ? KV_ATTR_WRAP : 0;
    m_nWidth = width;
    m_list.pTail->pObj->cx = 8;
    m_list.pTail->pObj->cy = 20;
  }
  void Fill(LIST* chain) {
    Insert(chain);
    ClearUndo();
  }
  LIST* At(int index) const {
    LIST* node = m_list.pHead;
    while (index-- > 0) node = node->pNext;
    return node;
  }
  int IndexOf(LIST* node) const {
    int index = 0;
    for (LIST* n = m_list.pHead; n; n = n->pNext, ++index)
      if (n == node) return index;
    return -1;
  }
  CRect RectOf(int index) const {
    const KVObject* o = At(index)->pObj;
    return CRect(o->x, o->y, o->x + o->cx, o->y + o->cy);
  }
  std::string Text() {
    std::string text;
    for (LIST* n = m_list.pHead; n != m_list.pTail; n = n->pNext)
      text += KVIsCharCode(n->pObj->m_wCode) ? static_cast<char>(n->pObj->m_wCode) : '@';
    return text;
  }
};
