// Benchmark of memo files: the first paint of a memo of 1,000,000 characters with a few
// hundred links (load, first layout, first draw of the view) and its save, the first
// paint of a small memo, and the load of memos of links to themselves, all opened in place,
// against the editor's targets. Prints a table; run with `make bench`.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "KVDocText.h"
#include "KVFile.h"
#include "KVFont.h"
#include "KVObjLink.h"
#include "KVPaintPass.h"

namespace {

const int kLines = 19400;  // lines of about 52 objects: about a million in all
const int kLinks = 300;    // one link every kLines / kLinks lines
const int kSmallLines = 40;
const int kSmallLinks = 4;
const int kViewWidth = 1000;
const int kViewHeight = 700;
const double kLargeTargetMs = 500;       // first paint of a 1 MB memo
const double kSmallTargetMs = 200;       // first paint of a small memo
const double kSelfLinksTargetMs = 1000;  // load of a memo of 64 open links to itself

std::string Folder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "kvbench";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

// The index-th of the 2965 kanji of the first JIS level, in Shift-JIS. A real memo holds
// hundreds of different characters, each measured when first met.
std::string Kanji(int index) {
  const int slot = 94 + index % 2965;  // slots of 188 trail bytes per lead byte from 0x8840
  const int inRow = slot % 188;
  const char code[] = {static_cast<char>(0x88 + slot / 188),
                       static_cast<char>(inRow < 63 ? 0x40 + inRow : 0x80 + inRow - 63), 0};
  return code;
}

// The memo's text with a link to a small text file after every few lines.
void Fill(KVDocText& doc, const std::string& folder, int lines, int links) {
  LOGFONT font = BenchFont();
  doc.Box()->m_list.pTail->pObj->ChangeFont(&font);
  doc.Box()->m_nAttr |= KV_ATTR_WRAP;
  std::string text;
  for (int line = 0; line < lines; ++line) {
    text += "2026/12/08 会議メモ: 資料を確認し、表を更新する。Check totals " +
            std::to_string(line) + Kanji(3 * line) + Kanji(3 * line + 1) + Kanji(3 * line + 2) +
            "\r\n";
    if (line % (lines / links) == 0) {
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

int CountObjects(KVDocText& doc) {
  int count = 0;
  for (LIST* n = doc.Box()->m_list.pHead; n != doc.Box()->m_list.pTail; n = n->pNext) ++count;
  return count;
}

// Writes a memo of the given size; the object count, or -1 when it could not be written.
int WriteMemo(const std::string& folder, const std::string& path, int lines, int links) {
  KVDocText doc;
  Fill(doc, folder, lines, links);
  doc.SetSize(CSize(kViewWidth, kViewHeight));
  KVFile file;
  file.Attach(path.c_str());
  return doc.Save(nullptr, &file) == 0 ? CountObjects(doc) : -1;
}

// A memo of count links to itself, each opened in place, as the self-link command makes them.
bool WriteSelfLinkMemo(const std::string& path, int count) {
  KVDocText doc;
  KVFile file;
  file.Attach(path.c_str());
  if (doc.Save(nullptr, &file) != 0) return false;
  for (int i = 0; i < count; ++i) {
    KVObjLink* link = new KVObjLink(nullptr, file);
    link->Open();
    doc.Insert(link);
  }
  return doc.Save(nullptr, &file) == 0;
}

double LoadMs(const std::string& path) {
  KVDocText doc;
  KVFile file;
  file.Attach(path.c_str());
  auto start = std::chrono::steady_clock::now();
  const int loaded = doc.Load(&file);
  return loaded == 1 ? MsSince(start) : -1;
}

double FileMegabytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return ((static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / 1e6;
}

// A view-sized 32-bit DIB in a memory DC, as the editor paints into off screen.
class View {
 public:
  View() : m_dc(CreateCompatibleDC(nullptr)), cdc(m_dc) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kViewWidth, -kViewHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_old = SelectObject(m_dc, m_bitmap);
  }
  ~View() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }

 private:
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_old;

 public:
  CDC cdc;
};

struct PaintTimes {
  double load = 0, layout = 0, draw = 0;
  int loaded = 0;
  double Total() const { return load + layout + draw; }
};

// What the editor does before its first frame: load, lay out for the view, draw it.
PaintTimes FirstPaint(const char* path) {
  PaintTimes times;
  KVDocText doc;
  KVFile file;
  file.Attach(path);
  auto start = std::chrono::steady_clock::now();
  times.loaded = doc.Load(&file);
  times.load = MsSince(start);
  start = std::chrono::steady_clock::now();
  doc.SetSize(CSize(kViewWidth, kViewHeight));
  times.layout = MsSince(start);
  View view;
  start = std::chrono::steady_clock::now();
  {
    KVPaintPass pass(&view.cdc, 0, g_DefaultFont);
    doc.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, kViewWidth, kViewHeight), true);
  }
  GdiFlush();
  times.draw = MsSince(start);
  return times;
}

// The first paint in a new process of this program, as an editor that starts with the
// memo pays it: nothing measured, loaded or drawn before (the shell's first icon alone
// takes tens of milliseconds under Wine).
PaintTimes FirstPaintInNewProcess(const std::string& path) {
  PaintTimes times;
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "\"" + std::string(self) + "\" paint \"" + path + "\"";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return times;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                &startup, &process);
  CloseHandle(writeEnd);
  std::string output;
  char chunk[256];
  DWORD read = 0;
  while (started && ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0)
    output.append(chunk, read);
  CloseHandle(readEnd);
  if (!started) return times;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  std::sscanf(output.c_str(), "%lf %lf %lf %d", &times.load, &times.layout, &times.draw,
              &times.loaded);
  return times;
}

// A row; no megabytes or no target leaves its column empty.
void Row(const char* what, double ms, double megabytes, double targetMs) {
  std::printf("| %-34s | %9.1f |", what, ms);
  if (megabytes > 0)
    std::printf(" %9.1f |", ms / megabytes);
  else
    std::printf(" %9s |", "-");
  if (targetMs > 0)
    std::printf(" %9.0f | %9.2f |\n", targetMs, ms / targetMs);
  else
    std::printf(" %9s | %9s |\n", "-", "-");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "paint") {
    PaintTimes times = FirstPaint(argv[2]);
    std::printf("%.3f %.3f %.3f %d\n", times.load, times.layout, times.draw, times.loaded);
    return 0;
  }
  const std::string folder = Folder();
  const std::string path = folder + "large.kvm";
  const std::string smallPath = folder + "small.kvm";
  const int objects = WriteMemo(folder, path, kLines, kLinks);
  const int smallObjects = WriteMemo(folder, smallPath, kSmallLines, kSmallLinks);
  if (objects < 0 || smallObjects < 0) {
    std::printf("could not write the memos in %s\n", folder.c_str());
    return 1;
  }
  const double megabytes = FileMegabytes(path);
  const double smallMegabytes = FileMegabytes(smallPath);
  const PaintTimes large = FirstPaintInNewProcess(path);
  const PaintTimes small = FirstPaintInNewProcess(smallPath);

  KVDocText doc;
  KVFile file;
  file.Attach(path.c_str());
  const int loaded = doc.Load(&file);
  auto start = std::chrono::steady_clock::now();
  const int saved = doc.Save(nullptr, &file);
  const double save = MsSince(start);

  std::printf("memo: %d objects (%d links), %.2f MB on disk; small memo: %d objects (%d links), "
              "%.1f KB\nview: %d x %d pixels; first paints each in a new process; "
              "ratio: the time over its target\n\n",
              objects, kLinks, megabytes, smallObjects, kSmallLinks, smallMegabytes * 1000,
              kViewWidth, kViewHeight);
  std::printf("| %-34s | %9s | %9s | %9s | %9s |\n", "operation", "ms", "ms per MB", "target ms",
              "ratio");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(11, '-').c_str(),
              std::string(11, '-').c_str(), std::string(11, '-').c_str(),
              std::string(11, '-').c_str());
  Row("load (read and build)", large.load, megabytes, 0);
  Row("first layout at the view's width", large.layout, megabytes, 0);
  Row("first draw of the view", large.draw, megabytes, 0);
  Row("first paint (the three above)", large.Total(), megabytes, kLargeTargetMs);
  Row("save (write and replace)", save, megabytes, 0);
  Row("small memo: load", small.load, 0, 0);
  Row("small memo: first layout", small.layout, 0, 0);
  Row("small memo: first draw", small.draw, 0, 0);
  Row("small memo: first paint", small.Total(), 0, kSmallTargetMs);
  bool selfLinksLoaded = true;
  for (int count : {32, 64}) {
    const std::string selfPath = folder + "self" + std::to_string(count) + ".kvm";
    const double ms = WriteSelfLinkMemo(selfPath, count) ? LoadMs(selfPath) : -1;
    selfLinksLoaded = selfLinksLoaded && ms >= 0;
    const std::string what = "load: " + std::to_string(count) + " open self links";
    Row(what.c_str(), ms, 0, count == 64 ? kSelfLinksTargetMs : 0);
  }
  const bool ok = selfLinksLoaded && large.loaded == 1 && small.loaded == 1 && loaded == 1 && saved == 0;
  if (!ok)
    std::printf("\nload results %d, %d and %d, save result %d\n", large.loaded, small.loaded,
                loaded, saved);
  return ok ? 0 : 1;
}
