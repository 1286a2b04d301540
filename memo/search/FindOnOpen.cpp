// The window's own find, run once from the top for each word until one is found; the
// words are split as the search split them.
#include "FindOnOpen.h"

#include "LineMatch.h"
#include "MemoGlobals.h"
#include "MemoView.h"
#include "SearchHandOff.h"
#include "TextCodec.h"

void FindHandedOverWords(CMemoView* view) {
  std::string text;
  bool matchCase = false;
  if (!TakeWordsToFind(&text, &matchCase) || !g_szFilePath[0]) return;
  for (const std::string& utf8Word : QueryWords(Utf8FromSjis(text))) {
    std::string word = SjisFromUtf8(utf8Word);
    if (view->m_doc.FindString(TRUE, matchCase, &word[0], nullptr) != 1) continue;
    view->ScrollToObject(view->m_doc.GetCurPos());
    view->ShowCaretAt();
    view->Refresh();
    return;
  }
}
