// The memo index against reading every file: a folder of generated memos (10,000 of about
// 10 KB by default; "search_bench N" for another count) is indexed from nothing, searched
// with long and short words, updated after one save, and searched by the plain scan.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "FolderScan.h"
#include "KVDocText.h"
#include "KVFile.h"
#include "MemoIndex.h"
#include "ScanSearch.h"

namespace {

// Distinct memos written through the library; the rest of the folder are copies of them,
// so generating stays quick while every word still hits many files.
const int kDistinctMemos = 200;
const char* const kWords[] = {"会議",     "予算", "議事録",   "見積書",   "打ち合わせ", "meeting",
                              "schedule", "仕様", "障害報告", "レビュー", "出張",       "契約"};

std::string MemoText(int seed, size_t bytes) {
  std::string text;
  unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
  while (text.size() < bytes) {
    state = state * 1103515245u + 12345u;
    text += kWords[(state >> 16) % (sizeof kWords / sizeof kWords[0])];
    text += (state >> 8) % 7 == 0 ? "\r\n" : "、";
  }
  if (seed % 50 == 0) text += "\r\n特記事項あり";  // a word in one memo of fifty
  return text;
}

bool WriteMemo(const std::string& path, int seed) {
  KVDocText doc;
  std::string text = MemoText(seed, 10 * 1024);
  doc.Insert(&text[0]);
  KVFile file;
  file.Attach(path.c_str());
  return doc.Save(nullptr, &file) >= 0;
}

// The folder of each count is kept between runs and made only when it holds fewer memos.
std::string MemoFolder(int count) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder = exe;
  folder = folder.substr(0, folder.rfind('\\')) + "\\search-bench-memos-" + std::to_string(count);
  if (static_cast<int>(ListMemoFiles({folder}).size()) == count) return folder;
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) {
    std::string day = folder + "\\" + std::to_string(20260000 + i % 365);
    CreateDirectoryA(day.c_str(), nullptr);
    std::string path = day + "\\memo" + std::to_string(i) + ".kvm";
    std::string base = folder + "\\memo" + std::to_string(i % kDistinctMemos) + ".base";
    if (i < kDistinctMemos) WriteMemo(base, i);
    CopyFileA(base.c_str(), path.c_str(), FALSE);
  }
  return folder;
}

void Row(const char* what, double ms, const char* note) {
  std::printf("| %-38s | %10.1f | %s\n", what, ms, note);
}

template <typename Work>
double Time(Work work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return MsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  auto made = std::chrono::steady_clock::now();
  const std::string folder = MemoFolder(count);
  std::printf("%d memos in %s (ready in %.0f ms)\n\n", count, folder.c_str(), MsSince(made));
  const std::string db = folder + "\\..\\search-bench-index.db";
  DeleteFileA(db.c_str());
  MemoIndex index;
  if (!index.Open(db)) return 1;
  SearchOutcome longHits, shortHits, scanHits;
  std::printf("| %-38s | %10s | %s\n", "operation", "ms", "note");
  const double build = Time([&] { index.Refresh({folder}, nullptr, nullptr); });
  Row("first index build", build, "target <= 60000");
  const double check = Time([&] { index.Refresh({folder}, nullptr, nullptr); });
  Row("disk check, nothing changed", check, "every search does this first");
  index.Search({"特記事項", false, {folder}}, &longHits);
  const double longQuery = Time([&] {
    longHits = SearchOutcome();
    index.Search({"特記事項", false, {folder}}, &longHits);
  });
  Row("4-character query, warm", longQuery,
      (std::to_string(longHits.hits.size()) + " memos; target <= 50").c_str());
  const double shortQuery = Time([&] { index.Search({"特記", false, {folder}}, &shortHits); });
  Row("2-character query", shortQuery,
      (std::to_string(shortHits.hits.size()) + " memos; target <= 500").c_str());
  const std::string saved = folder + "\\20260000\\memo0.kvm";
  WriteMemo(saved, 0);
  const double update = Time([&] { index.Update(saved); });
  Row("re-index after saving one memo", update, "target <= 50");
  const double scan = Time([&] { ScanSearch({"特記事項", false, {folder}}, &scanHits); });
  Row("same query by reading every file", scan,
      (std::to_string(scanHits.hits.size()) + " memos").c_str());
  std::printf("\nscan / warm indexed query: %.0fx; scan / (disk check + query): %.1fx\n",
              scan / longQuery, scan / (check + longQuery));
  return 0;
}
