// Benchmark of the text box: layout, one keystroke, caret down and a failing search over
// memos of 100,000 and 1,000,000 characters. Prints a table; run with `make bench`.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "KVObjTBox.h"

namespace {

const int kSmall = 100000;
const int kLarge = 1000000;
const int kWrapWidth = 480;    // pixels: at the test font every line wraps once
const double kFrameMs = 16.0;  // one frame at 60 Hz

// About `chars` characters of memo text in lines of about 60: ASCII, kanji, kana.
std::string MemoText(int chars) {
  const char* lines[] = {
      "2026/12/08 会議メモ: 資料を確認し、表を更新する。Check the totals first, then send. ｶﾅ\r\n",
      "Short line with a few words; the next one is longer than this.\r\n",
      "明日の予定: 10時 打ち合わせ、午後は見積書を作成して送付。"
      "資料は共有フォルダに置きました。次回は金曜日です。\r\n",
  };
  std::string text;
  int count = 0;
  for (int i = 0; count < chars; ++i) {
    const std::string line = lines[i % 3];
    for (size_t b = 0; b < line.size() && count < chars; ++b, ++count) {
      unsigned char c = line[b];
      bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
      // A double-byte character or a line break ("\r\n") is one object of two bytes.
      bool pair = lead || c == '\r';
      text += line.substr(b, pair ? 2 : 1);
      if (pair) ++b;
    }
  }
  return text;
}

// A wrapping box holding about `chars` characters.
KVObjTBox* MakeBox(int chars, LOGFONT* font) {
  auto* box = new KVObjTBox();
  box->m_nAttr |= KV_ATTR_WRAP;
  box->m_list.pTail->pObj->ChangeFont(font);
  std::string text = MemoText(chars);
  box->SetTextData(&text[0]);
  box->SetSize(CSize(kWrapWidth, 0));
  return box;
}

int CountNodes(const KVObjTBox& box) {
  int count = 0;
  for (LIST* n = box.m_list.pHead; n != box.m_list.pTail; n = n->pNext) ++count;
  return count;
}

template <typename Work>
double AverageMs(int runs, Work work) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) work();
  return MsSince(start) / runs;
}

double LayoutMs(KVObjTBox& box) {
  return AverageMs(10, [&] { box.Layout(nullptr); });
}

// One key typed in the middle of the text: insert and lay out again. A line break moves
// every line below it.
double KeystrokeMs(KVObjTBox& box, const char* key = "x") {
  LIST* middle = box.m_list.pHead;
  for (int i = CountNodes(box) / 2; i > 0; --i) middle = middle->pNext;
  box.SetCurPos(middle);
  std::string text = key;
  return AverageMs(20, [&] { box.Insert(&text[0]); });
}

struct Walk {
  int steps;
  double ms;
};

Walk CaretDownToTheEnd(KVObjTBox& box) {
  box.SetCurPos(box.m_list.pHead);
  Walk walk = {0, 0};
  auto start = std::chrono::steady_clock::now();
  for (;;) {
    LIST* next = box.MoveCurPos(MOVE_DOWN, CSize(kWrapWidth, 400));
    if (next == box.m_pCurPos) break;
    box.SetCurPos(next);
    ++walk.steps;
  }
  walk.ms = MsSince(start);
  return walk;
}

void Row(const char* what, int chars, double ms, const char* note = "") {
  std::printf("| %-40s | %9d | %10.3f | %14.1f | %s\n", what, chars, ms, ms * 1e6 / chars, note);
}

}  // namespace

int main() {
  LOGFONT font = BenchFont();

  KVObjTBox* small = MakeBox(kSmall, &font);
  KVObjTBox* large = MakeBox(kLarge, &font);
  int smallChars = CountNodes(*small);
  int largeChars = CountNodes(*large);

  double layoutSmall = LayoutMs(*small);
  double layoutLarge = LayoutMs(*large);
  double keySmall = KeystrokeMs(*small);
  double keyLarge = KeystrokeMs(*large);
  double enterSmall = KeystrokeMs(*small, "\r");
  double enterLarge = KeystrokeMs(*large, "\r");
  Walk walk = CaretDownToTheEnd(*large);
  char absent[] = "会議メモ: 未定";  // starts like every third line, never completes
  double find = AverageMs(3, [&] { large->FindString(1, 0, absent, large->m_list.pHead); });
  bool found = large->FindString(1, 0, absent, large->m_list.pHead) != 0;

  std::printf("| %-40s | %9s | %10s | %14s |\n", "operation", "chars", "ms", "ms per M chars");
  std::printf("|%s|%s|%s|%s|\n", std::string(42, '-').c_str(), std::string(11, '-').c_str(),
              std::string(12, '-').c_str(), std::string(16, '-').c_str());
  Row("layout", smallChars, layoutSmall);
  Row("layout", largeChars, layoutLarge);
  char note[96];
  std::snprintf(note, sizeof note, "%s the %.0f ms frame", keySmall <= kFrameMs ? "fits" : "misses",
                kFrameMs);
  Row("keystroke in the middle (insert+layout)", smallChars, keySmall, note);
  std::snprintf(note, sizeof note, "%.1fx the 100k keystroke for %.1fx the text",
                keyLarge / keySmall, static_cast<double>(largeChars) / smallChars);
  Row("keystroke in the middle (insert+layout)", largeChars, keyLarge, note);
  Row("line break in the middle (insert+layout)", smallChars, enterSmall);
  std::snprintf(note, sizeof note, "%.1fx the 100k line break", enterLarge / enterSmall);
  Row("line break in the middle (insert+layout)", largeChars, enterLarge, note);
  std::snprintf(note, sizeof note, "%d steps, %.4f ms per step", walk.steps, walk.ms / walk.steps);
  Row("caret down from top to end", largeChars, walk.ms, note);
  Row("failing find (ignore case)", largeChars, find,
      found ? "FOUND: benchmark text is wrong" : "");

  // Linear within the memory hierarchy: a large memo misses the caches more per character.
  double perCharRatio = (keyLarge / largeChars) / (keySmall / smallChars);
  std::printf(
      "\nlayout 1M/100k: %.1fx; keystroke 1M/100k: %.1fx for %.1fx the text, "
      "%.2fx the cost per character (%s)\n",
      layoutLarge / layoutSmall, keyLarge / keySmall, static_cast<double>(largeChars) / smallChars,
      perCharRatio, perCharRatio <= 2 ? "linear" : "worse than linear");
  std::printf("keystroke at 100k: %.2f ms, %s one 60 Hz frame (%.0f ms)\n", keySmall,
              keySmall <= kFrameMs ? "fits" : "does not fit", kFrameMs);
  delete small;
  delete large;
  return found ? 1 : 0;
}
