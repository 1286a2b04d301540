// Benchmark of recovery copies for a memo of about 1 MB: the part the window's thread pays
// (the memo stream made in memory), the part the writing thread pays (the file written
// beside a temporary one and put in place), and a keystroke with and without copies being
// written at the same time. Prints a table; run with `make bench`.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "KVDocText.h"
#include "KVFile.h"

namespace {

const int kLines = 19400;  // about 52 characters a line: about a million in all
const int kKeystrokes = 200;
const int kViewWidth = 1000;
const int kViewHeight = 700;

void Fill(KVDocText& doc) {
  LOGFONT font = BenchFont();
  doc.Box()->m_list.pTail->pObj->ChangeFont(&font);
  std::string text;
  for (int line = 0; line < kLines; ++line)
    text += "2026/12/09 復元用コピーの計測: 一行ごとに番号を付ける " + std::to_string(line) + "\r\n";
  doc.Insert(&text[0]);
  doc.SetSize(CSize(kViewWidth, kViewHeight));
}

std::vector<char> Serialize(KVDocText& doc) {
  const int length = doc.DataLength();
  std::vector<char> stream(static_cast<size_t>(length));
  int written = 0;
  doc.GetData(stream.data(), length, &written);
  stream.resize(static_cast<size_t>(written > 0 ? written : 0));
  return stream;
}

bool WriteCopy(const std::string& path, const std::vector<char>& stream) {
  KVFile file;
  file.Attach(path.c_str());
  return file.WriteFile(stream.data(), static_cast<int>(stream.size())) >= 0;
}

// The mean time of one typed character, inserted and laid out as the view does.
double KeystrokeMs(KVDocText& doc) {
  char key[] = "a";
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kKeystrokes; ++i) doc.Insert(key);
  return MsSince(start) / kKeystrokes;
}

void Row(const char* what, double ms, double baseline) {
  std::printf("| %-44s | %9.2f | %7.2f |\n", what, ms, baseline > 0 ? ms / baseline : 1.0);
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "kvbench-recovery.kvm";
  KVDocText doc;
  Fill(doc);

  auto start = std::chrono::steady_clock::now();
  std::vector<char> stream = Serialize(doc);
  const double serializeMs = MsSince(start);
  start = std::chrono::steady_clock::now();
  const bool wrote = WriteCopy(path, stream);
  const double writeMs = MsSince(start);
  if (!wrote) {
    std::printf("could not write %s\n", path.c_str());
    return 1;
  }

  const double quietMs = KeystrokeMs(doc);
  std::atomic<bool> typing(true);
  std::atomic<int> copies(0);
  std::thread writer([&] {
    while (typing) copies += WriteCopy(path, stream) ? 1 : 0;
  });
  const double busyMs = KeystrokeMs(doc);
  typing = false;
  writer.join();
  DeleteFileA(path.c_str());

  std::printf("memo: %.2f MB stream; %d keystrokes per row; %d copies written while typing\n\n",
              stream.size() / 1e6, kKeystrokes, copies.load());
  std::printf("| %-44s | %9s | %7s |\n", "operation", "ms", "ratio");
  std::printf("|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(11, '-').c_str(),
              std::string(9, '-').c_str());
  Row("stream made in memory (window's thread)", serializeMs, 0);
  Row("copy file written and replaced (worker)", writeMs, 0);
  Row("keystroke, no copy being written", quietMs, quietMs);
  Row("keystroke, copies written meanwhile", busyMs, quietMs);
  return 0;
}
