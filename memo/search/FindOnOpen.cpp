// The window's own find, run once from the top for each word until one is found.
#include "FindOnOpen.h"

#include <vector>

#include "MemoGlobals.h"
#include "MemoView.h"
#include "SearchHandOff.h"

namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (size_t i = 0; i <= text.size(); ++i) {
    const bool ideographicSpace = i + 1 < text.size() &&
                                  static_cast<unsigned char>(text[i]) == 0x81 && text[i + 1] == 0x40;
    if (i == text.size() || text[i] == ' ' || text[i] == '\t' || ideographicSpace) {
      if (!word.empty()) words.push_back(word);
      word.clear();
      if (ideographicSpace) ++i;
    } else {
      word += text[i];
      // A trail byte may be a space's byte value: it goes with its lead byte.
      if (IsDBCSLeadByteEx(932, static_cast<BYTE>(text[i])) && i + 1 < text.size())
        word += text[++i];
    }
  }
  return words;
}

}  // namespace

void FindHandedOverWords(CMemoView* view) {
  std::string text;
  bool matchCase = false;
  if (!TakeWordsToFind(&text, &matchCase) || !g_szFilePath[0]) return;
  for (std::string& word : Words(text)) {
    if (view->m_doc.FindString(TRUE, matchCase, &word[0], nullptr) != 1) continue;
    view->ScrollToObject(view->m_doc.GetCurPos());
    view->ShowCaretAt();
    view->Refresh();
    return;
  }
}
