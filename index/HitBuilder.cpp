// Lines are shown cut to a window around their first match, and converted to Shift-JIS
// piece by piece so that the matches keep their places.
#include "HitBuilder.h"

#include <algorithm>

#include "TextCodec.h"

namespace {

// A memo that is one long line still gives a short result line.
const size_t kLineWindow = 360;
const size_t kBeforeMatch = 90;
// Enough to see a memo's use of a word; the memo itself has the rest.
const size_t kMaxLinesPerMemo = 40;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t CharStart(const std::string& text, size_t at) {
  while (at > 0 && at < text.size() && IsContinuation(text[at])) --at;
  return std::min(at, text.size());
}

HitLine ShownLine(int number, const std::string& line, std::vector<TextSpan> spans) {
  size_t begin = 0, end = line.size();
  if (line.size() > kLineWindow) {
    begin = CharStart(
        line, spans.empty() || spans[0].begin < kBeforeMatch ? 0 : spans[0].begin - kBeforeMatch);
    end = CharStart(line, std::min(line.size(), begin + kLineWindow));
  }
  HitLine shown{number, std::string(), {}};
  size_t at = begin;
  for (const TextSpan& span : spans) {
    if (span.begin < at || span.begin + span.length > end) continue;
    shown.text += SjisFromUtf8(line.substr(at, span.begin - at));
    std::string match = SjisFromUtf8(line.substr(span.begin, span.length));
    shown.spans.push_back({shown.text.size(), match.size()});
    shown.text += match;
    at = span.begin + span.length;
  }
  shown.text += SjisFromUtf8(line.substr(at, end - at));
  return shown;
}

}  // namespace

bool BuildWordHit(const std::string& utf8Body, const std::vector<std::string>& words,
                  bool matchCase, MemoHit* hit) {
  if (!HasAllWords(utf8Body, words, matchCase)) return false;
  std::vector<std::string> lines = SplitLines(utf8Body);
  for (size_t i = 0; i < lines.size() && hit->lines.size() < kMaxLinesPerMemo; ++i) {
    std::vector<TextSpan> spans = FindWords(lines[i], words, matchCase);
    if (!spans.empty()) hit->lines.push_back(ShownLine(static_cast<int>(i + 1), lines[i], spans));
  }
  return true;
}

void BuildLineHit(const std::string& utf8Body, const std::vector<int>& lineNumbers, MemoHit* hit) {
  std::vector<std::string> lines = SplitLines(utf8Body);
  for (int number : lineNumbers) {
    if (number < 1 || static_cast<size_t>(number) > lines.size()) continue;
    if (!hit->lines.empty() && hit->lines.back().number == number) continue;
    hit->lines.push_back(ShownLine(number, lines[static_cast<size_t>(number - 1)], {}));
  }
}

void SortNewestFirst(std::vector<MemoHit>* hits) {
  std::stable_sort(hits->begin(), hits->end(),
                   [](const MemoHit& a, const MemoHit& b) { return a.time > b.time; });
}
