// Benchmark of the memo editor as a person meets it: from starting KVMemo.exe to its first
// painted window, for a small memo and a memo of 1,000,000 characters with 300 links, and
// from a keystroke to the repainted view in a memo of 100,000 characters, also with that
// memo opened in place in another and edited there. Needs a display
// (Xvfb); prints a table; run with `make bench`.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "KVDocText.h"
#include "KVFile.h"
#include "KVObjLink.h"

namespace {

const int kStartRuns = 5;  // timed starts per memo, after one warm-up start
const int kKeys = 50;
const double kSmallTargetMs = 200;
const double kLargeTargetMs = 500;
const double kKeyTargetMs = 16;
const char kTitlePrefix[] = "KVMemo - ";
const char kBaseline[] = "--baseline";

std::string Folder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "kvbench-memo";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

std::string Beside(const char* program) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.find_last_of('\\') + 1) + program;
}

// Objects a line of Shift-JIS text makes: one per character, one for CR LF.
int ObjectsIn(const std::string& line) {
  int count = 0;
  for (size_t i = 0; i < line.size(); ++i, ++count)
    if (IsDBCSLeadByteEx(932, static_cast<BYTE>(line[i])) || line.compare(i, 2, "\r\n") == 0) ++i;
  return count;
}

// A memo of about `characters` objects with `links` links to small text files spread
// through it, and its text without the links beside it (path.txt) for notepad; returns
// the object count, or -1 when it was not written.
int WriteMemo(const std::string& path, int characters, int links) {
  const std::string line = "2026/12/08 会議メモ: 資料を確認し、表を更新する。Check totals\r\n";
  const int lines = characters / ObjectsIn(line);
  std::string plain;
  for (int i = 0; i < lines; ++i) plain += line;
  HANDLE textFile = CreateFileA((path + ".txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const bool textWritten = textFile != INVALID_HANDLE_VALUE &&
                           WriteFile(textFile, plain.data(), static_cast<DWORD>(plain.size()),
                                     &written, nullptr) &&
                           written == plain.size();
  if (textFile != INVALID_HANDLE_VALUE) CloseHandle(textFile);
  if (!textWritten) return -1;
  KVDocText doc;
  LOGFONT font = BenchFont();
  doc.Box()->m_list.pTail->pObj->ChangeFont(&font);
  std::string text;
  for (int i = 0; i < lines; ++i) {
    text += line;
    if (links > 0 && i % std::max(1, lines / links) == 0) {
      doc.Insert(&text[0]);
      text.clear();
      std::string target = path + "-note" + std::to_string(i) + ".txt";
      HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      CloseHandle(file);
      KVFile reference;
      reference.Attach(target.c_str());
      doc.Insert(new KVObjLink(nullptr, reference));
    }
  }
  doc.Insert(&text[0]);
  int count = 0;
  for (LIST* n = doc.Box()->m_list.pHead; n != doc.Box()->m_list.pTail; n = n->pNext) ++count;
  KVFile file;
  file.Attach(path.c_str());
  return doc.Save(nullptr, &file) == 0 ? count : -1;
}

// A memo holding one link, first, to the target opened in place; false when not written.
bool WriteInPlaceMemo(const std::string& path, const std::string& target) {
  KVDocText doc;
  KVFile linked;
  linked.Attach(target.c_str());
  auto* link = new KVObjLink(nullptr, linked);
  link->SetSize(CSize(560, 320));
  doc.Insert(link);
  doc.SetCurPos(doc.Box()->m_list.pHead);
  KVFile file;
  file.Attach(path.c_str());
  return doc.Save(nullptr, &file) == 0;
}

struct Search {
  DWORD pid;
  HWND found;
  bool anyTitle;  // notepad's title is its own
};

BOOL CALLBACK FindMemoWindow(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char title[16] = "";
  if (pid != search->pid || !IsWindowVisible(hwnd) || !GetWindowTextA(hwnd, title, sizeof title))
    return TRUE;
  if (!search->anyTitle && std::string(title).compare(0, 9, kTitlePrefix) != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

std::string Notepad() {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  return std::string(system) + "\\notepad.exe";
}

// One memo process (or notepad, or this program showing its baseline window), ended by its
// handle when the measurement is done.
class Editor {
 public:
  explicit Editor(const std::string& path, bool notepad = false) : notepad_(notepad) {
    std::string program = notepad       ? Notepad()
                          : path.empty() ? Beside("memo_start_bench.exe")
                                         : Beside("KVMemo.exe");
    std::string command = "\"" + program + "\" \"" + (path.empty() ? kBaseline : path) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_))
      process_ = {};
  }
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;
  ~Editor() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // The main window once it answers: the editor paints it in UpdateWindow before its
  // message loop starts, so an answer means the first paint is done. Null after 30 s.
  HWND WaitForWindow() {
    const auto start = std::chrono::steady_clock::now();
    while (process_.hProcess && MsSince(start) < 30000) {
      Search search{process_.dwProcessId, nullptr, notepad_};
      EnumWindows(FindMemoWindow, reinterpret_cast<LPARAM>(&search));
      DWORD_PTR result = 0;
      if (search.found &&
          SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 30000, &result))
        return search.found;
      if (WaitForSingleObject(process_.hProcess, 1) != WAIT_TIMEOUT) return nullptr;
    }
    return nullptr;
  }

 private:
  PROCESS_INFORMATION process_ = {};
  bool notepad_;
};

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Median milliseconds from CreateProcess to the first painted window of the editor on that
// memo (no path: of the baseline window); -1 if it never came.
double StartToPaint(const std::string& path, bool notepad = false) {
  std::vector<double> times;
  for (int run = 0; run <= kStartRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    Editor editor(path, notepad);
    if (!editor.WaitForWindow()) return -1;
    if (run > 0) times.push_back(MsSince(start));  // run 0 warms the disk cache and Wine
  }
  return Median(times);
}

// Median milliseconds from a character sent to the view (notepad's edit control) to the
// view painted again; with inPlace, typed into the memo the first link opened in place
// (Tab enters it).
double KeyToPaint(const std::string& path, bool notepad = false, bool inPlace = false) {
  Editor editor(path, notepad);
  HWND frame = editor.WaitForWindow();
  HWND view =
      frame ? FindWindowExA(frame, nullptr, notepad ? "Edit" : "KVMemoView", nullptr) : nullptr;
  if (!view) return -1;
  if (inPlace) SendMessageA(view, WM_KEYDOWN, VK_TAB, 1);
  std::vector<double> times;
  for (int key = 0; key < kKeys; ++key) {
    const auto start = std::chrono::steady_clock::now();
    SendMessageA(view, WM_CHAR, 'a' + key % 26, 1);
    SendMessageA(view, WM_PAINT, 0, 0);
    times.push_back(MsSince(start));
  }
  return Median(times);
}

// A figure and its ratio to another measured in the same run (or to a fixed target).
void Row(const char* what, double ms, double versus, const char* against) {
  if (ms < 0 || versus <= 0) {
    std::printf("| %-44s | %9s | %-30s | %7s |\n", what, ms < 0 ? "failed" : "-", against, "-");
    return;
  }
  std::printf("| %-44s | %9.1f | %-30s | %7.2f |\n", what, ms, against, ms / versus);
}

// The floor under every start: a process that shows one plain window titled like a memo.
int ShowBaselineWindow() {
  HWND hwnd = CreateWindowA("STATIC", "KVMemo - baseline", WS_OVERLAPPEDWINDOW, 100, 100, 600,
                            400, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
  return 0;
}

bool HaveDisplay() {
  HWND probe = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  if (probe) DestroyWindow(probe);
  return probe != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == kBaseline) return ShowBaselineWindow();
  if (!HaveDisplay()) {
    std::printf("memo start benchmark skipped: no display (set DISPLAY, for example to an Xvfb)\n");
    return 0;
  }
  const std::string folder = Folder();
  const std::string small = folder + "small.kvm";
  const std::string large = folder + "large.kvm";
  const std::string typing = folder + "typing.kvm";
  const int smallCount = WriteMemo(small, 2000, 4);
  const int largeCount = WriteMemo(large, 1000000, 300);
  const int typingCount = WriteMemo(typing, 100000, 30);
  const std::string inPlace = folder + "inplace.kvm";
  if (smallCount < 0 || largeCount < 0 || typingCount < 0 || !WriteInPlaceMemo(inPlace, typing)) {
    std::printf("could not write the memos in %s\n", folder.c_str());
    return 1;
  }
  std::printf("KVMemo.exe under Wine; medians of %d starts after a warm-up, of %d keys\n\n",
              kStartRuns, kKeys);
  std::printf("| %-44s | %9s | %-30s | %7s |\n", "measure", "ms", "ratio against", "ratio");
  std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(11, '-').c_str(),
              std::string(32, '-').c_str(), std::string(9, '-').c_str());
  const double plain = StartToPaint("");
  Row("start to first window, plain Win32 program", plain, kSmallTargetMs, "the 200 ms target");
  char label[64];
  std::snprintf(label, sizeof label, "start to first paint, %d objects", smallCount);
  const double smallStart = StartToPaint(small);
  Row(label, smallStart, plain, "plain window");
  std::printf("| %-44s | %9.1f | %-30s | %7s |\n", "  the same, above the plain window",
              smallStart - plain, "target: 50 ms or less", "");
  const double notepadOpen = StartToPaint(large + ".txt", true);
  Row("notepad: start to first paint, 1 MB text", notepadOpen, kLargeTargetMs, "the 500 ms target");
  std::snprintf(label, sizeof label, "start to first paint, %d objects", largeCount);
  Row(label, StartToPaint(large), notepadOpen, "notepad on the same text");
  const double notepadKeySmall = KeyToPaint(typing + ".txt", true);
  const double notepadKeyLarge = KeyToPaint(large + ".txt", true);
  Row("notepad: keystroke to painted view, 100k", notepadKeySmall, kKeyTargetMs, "the 16 ms frame");
  Row("notepad: keystroke to painted view, 1M", notepadKeyLarge, kKeyTargetMs, "the 16 ms frame");
  std::snprintf(label, sizeof label, "keystroke to painted view, %d objects", typingCount);
  const double keySmall = KeyToPaint(typing);
  Row(label, keySmall, notepadKeySmall, "notepad at 100k");
  Row("the same, opened in place in another memo", KeyToPaint(inPlace, false, true), keySmall,
      "the memo at 100k");
  std::snprintf(label, sizeof label, "keystroke to painted view, %d objects", largeCount);
  const double keyLarge = KeyToPaint(large);
  Row(label, keyLarge, notepadKeyLarge, "notepad at 1M");
  Row("  keystroke at 1M against 100k", keyLarge, keySmall, "the memo at 100k");
  return 0;
}
