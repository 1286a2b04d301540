// A viewer plug-in that faults on purpose, for the host's tests: the target's file name
// (without extension) names the entry point that faults ("Create", "OnPaint", "OnNotPaint",
// "Destroy"); every other call works. "Calls" reports how often each was entered, and a
// Destroy that returns leaves "<target>.destroyed" beside the target for tests in other
// processes.
#include <windows.h>

#include <cstring>
#include <string>

#include "KVViewerPlugin.h"

namespace {

enum Entry { kCreate, kPaint, kNotPaint, kDestroy, kEntries };
const char* const kNames[kEntries] = {"Create", "OnPaint", "OnNotPaint", "Destroy"};

int g_calls[kEntries];

struct Instance {
  Entry faulting;
  std::string target;
};

// Read at run time, so the compiler cannot see that the write below goes nowhere.
volatile int* volatile g_nowhere = nullptr;

void Fault() { *g_nowhere = 1; }

void Enter(Entry entry, Entry faulting) {
  ++g_calls[entry];
  if (faulting == entry) Fault();
}

void Enter(Entry entry, KVViewerInstance instance) {
  Enter(entry, reinterpret_cast<const Instance*>(instance)->faulting);
}

Entry FaultingEntry(const char* path) {
  const char* name = std::strrchr(path, '\\') ? std::strrchr(path, '\\') + 1 : path;
  for (int e = 0; e < kEntries; ++e) {
    const size_t length = std::strlen(kNames[e]);
    if (_strnicmp(name, kNames[e], length) == 0 && name[length] == '.')
      return static_cast<Entry>(e);
  }
  return kEntries;
}

}  // namespace

extern "C" {

__declspec(dllexport) KVViewerInstance WINAPI Create(HWND, RECT, const char* path) {
  const Entry faulting = FaultingEntry(path);
  Enter(kCreate, faulting);
  return reinterpret_cast<KVViewerInstance>(new Instance{faulting, path});
}

__declspec(dllexport) int WINAPI OnPaint(HWND, KVViewerInstance instance, HDC, RECT) {
  Enter(kPaint, instance);
  return 0;
}

__declspec(dllexport) int WINAPI OnNotPaint(HWND, KVViewerInstance instance) {
  Enter(kNotPaint, instance);
  return 0;
}

__declspec(dllexport) int WINAPI Destroy(HWND, KVViewerInstance instance) {
  Enter(kDestroy, instance);
  auto* ended = reinterpret_cast<Instance*>(instance);
  HANDLE marker = CreateFileA((ended->target + ".destroyed").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
  delete ended;
  return 0;
}

// How often "Create", "OnPaint", "OnNotPaint" and "Destroy" were entered, in that order;
// a null array starts the counts again.
__declspec(dllexport) void WINAPI Calls(int* counts) {
  for (int e = 0; e < kEntries; ++e) {
    if (counts)
      counts[e] = g_calls[e];
    else
      g_calls[e] = 0;
  }
}
}
