// Benchmark of memo files: load, lay out and save a memo of 1,000,000 characters with a few
// hundred links; time per megabyte of file. Prints a table; run with `make bench`.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "KVDocText.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "KVProfile.h"

namespace {

const int kLines = 20400;  // lines of about 49 objects: about a million in all
const int kLinks = 300;    // one link every kLines / kLinks lines
const int kViewWidth = 640;

std::string Folder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "kvbench";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

// The memo's text with a link to a small text file after every few lines.
void Fill(KVDocText& doc, const std::string& folder) {
  LOGFONT font = BenchFont();
  doc.Box()->m_list.pTail->pObj->ChangeFont(&font);
  doc.Box()->m_nAttr |= KV_ATTR_WRAP;
  std::string text;
  for (int line = 0; line < kLines; ++line) {
    text += "2026/12/08 会議メモ: 資料を確認し、表を更新する。Check totals " +
            std::to_string(line) + "\r\n";
    if (line % (kLines / kLinks) == 0) {
      doc.Insert(&text[0]);
      text.clear();
      std::string target = folder + "note" + std::to_string(line) + ".txt";
      HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      CloseHandle(file);
      KVFile reference;
      reference.Attach(target.c_str());
      doc.Insert(new KVObjLink(nullptr, reference));
    }
  }
  doc.Insert(&text[0]);
}

long long FileBytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Row(const char* what, double ms, double megabytes) {
  std::printf("| %-30s | %10.1f | %10.1f |\n", what, ms, ms / megabytes);
}

}  // namespace

int main() {
  const std::string folder = Folder();
  const std::string path = folder + "large.kvm";
  int characters = 0;
  {
    KVDocText doc;
    Fill(doc, folder);
    for (LIST* n = doc.Box()->m_list.pHead; n != doc.Box()->m_list.pTail; n = n->pNext) ++characters;
    doc.SetSize(CSize(kViewWidth, 480));
    KVFile file;
    file.Attach(path.c_str());
    if (doc.Save(nullptr, &file) != 0) {
      std::printf("could not write %s\n", path.c_str());
      return 1;
    }
  }
  const double megabytes = FileBytes(path) / 1e6;

  KVDocText doc;
  KVFile file;
  file.Attach(path.c_str());
  auto start = std::chrono::steady_clock::now();
  int loaded = doc.Load(&file);
  const double load = MsSince(start);
  start = std::chrono::steady_clock::now();
  doc.SetSize(CSize(kViewWidth, 480));
  const double layout = MsSince(start);
  start = std::chrono::steady_clock::now();
  int saved = doc.Save(nullptr, &file);
  const double save = MsSince(start);

  std::printf("memo: %d objects (%d links), %.2f MB on disk\n\n", characters, kLinks, megabytes);
  std::printf("| %-30s | %10s | %10s |\n", "operation", "ms", "ms per MB");
  std::printf("|%s|%s|%s|\n", std::string(32, '-').c_str(), std::string(12, '-').c_str(),
              std::string(12, '-').c_str());
  Row("load (read and build)", load, megabytes);
  Row("lay out at 640 pixels", layout, megabytes);
  Row("save (write and replace)", save, megabytes);
  if (loaded != 1 || saved != 0) std::printf("\nload result %d, save result %d\n", loaded, saved);
  return loaded == 1 && saved == 0 ? 0 : 1;
}
