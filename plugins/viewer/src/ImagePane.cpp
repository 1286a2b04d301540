// ImagePane's entry points: one record per linked file, the picture decoded on the first
// paint after creation or after a notice, and painted unscaled.
#include <algorithm>
#include <cstring>
#include <type_traits>

#include "FilterDecode.h"
#include "KVViewerPlugin.h"
#include "PaneRecord.h"

namespace {

PaneRecord* RecordOf(KVViewerInstance instance) { return reinterpret_cast<PaneRecord*>(instance); }

void FreePicture(PaneRecord* record) {
  if (record->hInfo == kDecodeFailed) return;  // remembered until the instance goes
  if (record->hBits) LocalFree(record->hBits);
  record->hBits = nullptr;
  if (record->hInfo) LocalFree(record->hInfo);
  record->hInfo = nullptr;
}

// The picture's top-left corner goes one pixel inside the area's. Sized to the whole area,
// the copy would put a picture lower than the area at the area's bottom (source rows count
// from the bottom); sized to the picture at most, a smaller area still shows the picture's
// lower-left part.
void Paint(const PaneRecord& record, HDC hdc, const RECT& area) {
  const BITMAPINFO* info = static_cast<const BITMAPINFO*>(LocalLock(record.hInfo));
  const void* bits = LocalLock(record.hBits);
  if (info && bits) {
    const LONG width = info->bmiHeader.biWidth, height = info->bmiHeader.biHeight;
    SetDIBitsToDevice(hdc, area.left + 1, area.top + 1, std::min(area.right - area.left, width),
                      std::min(area.bottom - area.top, height), 0, 0, 0, static_cast<UINT>(height),
                      bits, info, DIB_RGB_COLORS);
  }
  if (bits) LocalUnlock(record.hBits);
  if (info) LocalUnlock(record.hInfo);
}

}  // namespace

extern "C" {

KVViewerInstance WINAPI Create(HWND, RECT, const char* path) {
  // A path cut to fit would name another file.
  if (!path || std::strlen(path) >= sizeof PaneRecord::szFile) return 0;
  PaneRecord* record = static_cast<PaneRecord*>(LocalAlloc(LPTR, sizeof(PaneRecord)));
  if (!record) return 0;
  std::strcpy(record->szFile, path);
  return reinterpret_cast<KVViewerInstance>(record);
}

int WINAPI OnPaint(HWND, KVViewerInstance instance, HDC hdc, RECT area) {
  PaneRecord* record = RecordOf(instance);
  if (!record) return 0;
  if (!record->hInfo && !DecodeWithFilter(record->szFile, &record->hInfo, &record->hBits))
    record->hInfo = kDecodeFailed;
  if (record->hInfo != kDecodeFailed) Paint(*record, hdc, area);
  return 0;
}

int WINAPI OnNotPaint(HWND, KVViewerInstance instance) {
  if (PaneRecord* record = RecordOf(instance)) FreePicture(record);
  return 0;
}

int WINAPI Destroy(HWND, KVViewerInstance instance) {
  if (PaneRecord* record = RecordOf(instance)) {
    FreePicture(record);
    LocalFree(record);
  }
  return 0;
}

int WINAPI OnMove(HWND, KVViewerInstance, int, int, int, int) { return 0; }

// Serves OnVScroll as well (see ImagePane.def).
int WINAPI OnHScroll(HWND, KVViewerInstance, int, int) { return 0; }

}  // extern "C"

// The exports are exactly the types the host calls them through.
static_assert(std::is_same<decltype(&Create), KVViewerCreate>::value, "Create");
static_assert(std::is_same<decltype(&OnPaint), KVViewerPaint>::value, "OnPaint");
static_assert(std::is_same<decltype(&OnNotPaint), KVViewerNotice>::value, "OnNotPaint");
static_assert(std::is_same<decltype(&Destroy), KVViewerNotice>::value, "Destroy");
static_assert(std::is_same<decltype(&OnMove), KVViewerMove>::value, "OnMove");
static_assert(std::is_same<decltype(&OnHScroll), KVViewerScroll>::value, "OnHScroll");
