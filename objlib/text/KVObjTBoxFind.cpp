// The text box: finding a string forwards or backwards, and replacing what was found.
#include "KVFont.h"
#include "KVObjTBox.h"

namespace {

bool IsEndMarker(const LIST* node) { return node->pObj->m_wCode == KV_CODE_END_MARKER; }

// Links, pictures and other objects stand between characters without breaking a match.
bool IsTransparent(const LIST* node) { return !KVIsCharCode(node->pObj->m_wCode); }

LIST* SkipForward(LIST* node) {
  while (node && IsTransparent(node)) node = node->pNext;
  return node;
}

LIST* SkipBackward(LIST* node) {
  while (node && IsTransparent(node)) node = node->pPrev;
  return node;
}

// Only the single-byte letters fold; a double-byte letter is a code of its own.
unsigned FoldCase(unsigned code) { return code >= 'a' && code <= 'z' ? code - ('a' - 'A') : code; }

bool SameCode(const LIST* text, const LIST* pattern, bool matchCase) {
  if (IsEndMarker(text)) return false;
  unsigned a = text->pObj->m_wCode;
  unsigned b = pattern->pObj->m_wCode;
  return matchCase ? a == b : FoldCase(a) == FoldCase(b);
}

// Walks text and pattern side by side, each by its own step; the last text node compared
// when the whole pattern matched, otherwise null.
template <typename Step, typename Skip>
LIST* MatchFrom(LIST* at, LIST* pattern, bool matchCase, Step step, Skip skip) {
  at = skip(at);  // never skips the end marker, which is a character
  if (!at) return nullptr;
  for (;;) {
    if (!SameCode(at, pattern, matchCase)) return nullptr;
    pattern = step(pattern);
    if (!pattern) return at;
    at = skip(step(at));
    if (!at) return nullptr;
  }
}

LIST* MatchForward(LIST* at, LIST* first, bool matchCase) {
  return MatchFrom(
      at, first, matchCase, [](LIST* n) { return n->pNext; }, SkipForward);
}

LIST* MatchBackward(LIST* at, LIST* last, bool matchCase) {
  return MatchFrom(
      at, last, matchCase, [](LIST* n) { return n->pPrev; }, SkipBackward);
}

LIST* LastNode(LIST* chain) {
  while (chain->pNext) chain = chain->pNext;
  return chain;
}

// A hit: the first node matched and the node after the last one.
struct Hit {
  LIST* top = nullptr;
  LIST* end = nullptr;
};

// `match` tries the pattern at one node, as MatchString does in the search's direction.
template <typename Match>
Hit SearchForward(LIST* from, LIST* first, Match match) {
  while (from) {
    if (LIST* last = match(from, first)) return {from, last->pNext};
    from = SkipForward(from->pNext);
  }
  return {};
}

// The match must end just before `from`.
template <typename Match>
Hit SearchBackward(LIST* head, LIST* from, LIST* last, Match match) {
  while (from && from != head) {
    if (LIST* top = match(from->pPrev, last)) return {top, from};
    from = SkipBackward(from->pPrev);
  }
  return {};
}

}  // namespace

LIST* KVObjTBox::MatchString(int bDown, int bMatchCase, LIST* pAt, LIST* pPattern) {
  if (bDown) return MatchForward(pAt, pPattern, bMatchCase != 0);
  return MatchBackward(pAt, pPattern, bMatchCase != 0);
}

int KVObjTBox::FindString(int bDown, int bMatchCase, char* pszText, LIST* pFrom) {
  LIST* pattern = StrToList(pszText ? pszText : "", 0, &g_DefaultFont);
  if (!pattern) return 0;
  auto match = [&](LIST* at, LIST* patternNode) {
    return MatchString(bDown, bMatchCase, at, patternNode);
  };
  Hit hit;
  if (bDown) {
    LIST* from = pFrom ? pFrom : m_list.pHead;
    // Starting on the current hit would only find it again.
    if (from == m_pSelTop && m_pSelTop != m_pSelEnd) from = from->pNext;
    if (from && !IsEndMarker(from)) hit = SearchForward(from, pattern, match);
  } else {
    hit = SearchBackward(m_list.pHead, pFrom ? pFrom : m_list.pTail, LastNode(pattern), match);
  }
  KVFreeChain(pattern);
  if (!hit.top) return 0;
  m_pSelTop = hit.top;
  m_pSelEnd = hit.end;
  m_pCurPos = bDown ? hit.end : hit.top;
  return 1;
}

int KVObjTBox::ReplaceString(int bDown, int bMatchCase, char* pszText, char* pszReplace,
                             LIST* pFrom) {
  if (!FindString(bDown, bMatchCase, pszText, pFrom)) return 0;
  // Neither neighbour of the hit is removed, so they still frame the new text afterwards.
  LIST* before = m_pSelTop->pPrev;
  LIST* after = m_pSelEnd;
  const KVObject* style = CaretObject();
  LIST* run = StrToList(pszReplace ? pszReplace : "", style->m_crColor, &style->m_logFont);
  Insert(run);  // with no run (an empty replacement) the hit is only deleted
  SetCurPos(bDown ? after : before ? before->pNext : m_list.pHead);
  return 1;
}
