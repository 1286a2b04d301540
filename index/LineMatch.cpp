// Substring search in UTF-8: a match can never start inside a character, since no lead
// byte equals a continuation byte.
#include "LineMatch.h"

#include <algorithm>

namespace {

const char kIdeographicSpace[] = "\xE3\x80\x80";

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

size_t FindFrom(const std::string& text, const std::string& word, size_t from, bool matchCase) {
  if (matchCase) return text.find(word, from);
  auto equal = [](char a, char b) { return FoldAscii(a) == FoldAscii(b); };
  auto at = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), word.begin(),
                        word.end(), equal);
  return at == text.end() ? std::string::npos : static_cast<size_t>(at - text.begin());
}

}  // namespace

std::vector<std::string> QueryWords(const std::string& utf8Query) {
  std::string spaced = utf8Query;
  for (size_t at = spaced.find(kIdeographicSpace); at != std::string::npos;
       at = spaced.find(kIdeographicSpace, at))
    spaced.replace(at, 3, " ");
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= spaced.size()) {
    size_t end = spaced.find_first_of(" \t", start);
    if (end == std::string::npos) end = spaced.size();
    if (end > start) words.push_back(spaced.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::vector<TextSpan> FindWords(const std::string& line, const std::vector<std::string>& words,
                                bool matchCase) {
  std::vector<TextSpan> spans;
  size_t from = 0;
  while (from < line.size()) {
    TextSpan best = {std::string::npos, 0};
    for (const std::string& word : words) {
      size_t at = FindFrom(line, word, from, matchCase);
      if (at < best.begin || (at == best.begin && word.size() > best.length))
        best = {at, word.size()};
    }
    if (best.begin == std::string::npos) break;
    spans.push_back(best);
    from = best.begin + best.length;
  }
  return spans;
}

bool HasAllWords(const std::string& text, const std::vector<std::string>& words, bool matchCase) {
  for (const std::string& word : words)
    if (FindFrom(text, word, 0, matchCase) == std::string::npos) return false;
  return !words.empty();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t cut = end > start && text[end - 1] == '\r' ? end - 1 : end;
    lines.push_back(text.substr(start, cut - start));
    start = end + 1;
  }
  return lines;
}
