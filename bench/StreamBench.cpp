// Benchmark of the memo stream: a million characters built from Shift-JIS text, written
// as a stream and read back; time per million characters and memory per character.
// Prints a table; run with `make bench`.
#include <windows.h>
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "KVFont.h"
#include "KVObjList.h"
#include "SegWriter.h"

namespace {

const int kChars = 1000000;

class BenchList : public KVObjList {
 public:
  using KVObjList::SegToList;
};

double Seconds(std::chrono::steady_clock::time_point since) { return MsSince(since) / 1000; }

// Bytes in use on the C runtime heap, which every object and node comes from.
size_t HeapBytesInUse() {
  _HEAPINFO entry = {};
  size_t used = 0;
  while (_heapwalk(&entry) == _HEAPOK)
    if (entry._useflag == _USEDENTRY) used += entry._size;
  return used;
}

// Committed private memory of the process: the heap's and the pools' slabs alike, which
// the heap walk does not see.
size_t PrivateBytes() {
  size_t total = 0;
  MEMORY_BASIC_INFORMATION region = {};
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    if (region.RegionSize == 0) break;
  }
  return total;
}

// About kChars characters of mixed memo text: ASCII, kanji, kana and line breaks.
std::string MemoText() {
  const std::string line = "2026/12/08 会議メモ: 資料を確認し、表を更新する。Check the totals. ｶﾅ\r\n";
  int perLine = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    unsigned char b = line[i];
    if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ++i;
    if (b != '\n') ++perLine;
  }
  std::string text;
  for (int n = 0; n < kChars / perLine; ++n) text += line;
  return text;
}

// What measuring costs without the cache: a font made and selected for every character.
double UncachedMeasureSeconds(const LOGFONT& font, int count) {
  HDC dc = GetWindowDC(GetDesktopWindow());
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ old = SelectObject(dc, handle);
    INT width;
    GetCharWidth32A(dc, 0x82A0, 0x82A0, &width);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    DeleteObject(handle);
  }
  double seconds = Seconds(start);
  ReleaseDC(GetDesktopWindow(), dc);
  return seconds;
}

void Row(const char* what, int chars, double seconds, const char* note = "") {
  std::printf("| %-34s | %9d | %9.1f | %14.1f | %s\n", what, chars, seconds * 1000,
              seconds * 1000 * 1e6 / chars, note);
}

}  // namespace

int main() {
  LOGFONT font = BenchFont();
  std::string text = MemoText();

  size_t before = HeapBytesInUse();
  size_t privateBefore = PrivateBytes();
  auto start = std::chrono::steady_clock::now();
  LIST* chain = StrToList(text.c_str(), 0, &font);
  double build = Seconds(start);
  size_t after = HeapBytesInUse();
  size_t privateAfter = PrivateBytes();
  int count = 0;
  for (LIST* node = chain; node; node = node->pNext) ++count;

  start = std::chrono::steady_clock::now();
  int length = KVRunDataLength(chain, nullptr);
  std::string stream(length, '\0');
  KVWriteRun(chain, nullptr, &stream[0], length);
  // A run ends with its box's end segment, as in a file.
  stream += std::string("\xE2\xFF\0\0\0\0", 6);
  double write = Seconds(start);

  BenchList list;
  start = std::chrono::steady_clock::now();
  auto* cursor = reinterpret_cast<SEG_HEAD*>(&stream[0]);
  int result = 0;
  LIST* back = list.SegToList(512, &cursor, SEG_TBOX_END, stream.data() + stream.size(), &result);
  double read = Seconds(start);

  const int sample = 20000;
  double uncached = UncachedMeasureSeconds(font, sample) * count / sample;

  std::printf("| %-34s | %9s | %9s | %14s |\n", "operation", "chars", "ms", "ms per M chars");
  std::printf("|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(11, '-').c_str(),
              std::string(11, '-').c_str(), std::string(16, '-').c_str());
  Row("build from Shift-JIS text", count, build);
  Row("write as memo stream", count, write);
  Row("read memo stream back", count, read, result == 0 ? "" : "READ FAILED");
  char ratio[64];
  std::snprintf(ratio, sizeof ratio, "%.0fx the cached build", uncached / build);
  Row("measuring without the cache (est.)", count, uncached, ratio);
  std::printf("\nstream: %d bytes for %d characters\n", length, count);
  std::printf("memory: %.0f committed private bytes per character (object %u and list node %u"
              " bytes, pooled), %.0f of them on the heap\n",
              static_cast<double>(privateAfter - privateBefore) / count,
              static_cast<unsigned>(sizeof(KVObjChar)), static_cast<unsigned>(sizeof(LIST)),
              static_cast<double>(after - before) / count);
  KVFreeChain(chain);
  KVFreeChain(back);
  return result == 0 ? 0 : 1;
}
