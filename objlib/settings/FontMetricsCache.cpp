// The cache behind KVMeasureChar.
#include "FontMetricsCache.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "KVFont.h"
#include "MeasuringDC.h"
#include "ScopedGdi.h"

namespace {

CSize MeasureOnDevice(const LOGFONT& scaledFont, HDC hdc, UINT code) {
  MeasuringDC target(hdc);
  ScopedFont font(CreateFontIndirectA(&scaledFont));
  ScopedSelect select(target, font.Get());
  // The metrics come first: under Wine, the width of a lead byte with a trail byte of 0
  // leaves the DC unable to report them.
  TEXTMETRICA metrics = {};
  GetTextMetricsA(target, &metrics);
  INT width = 0;
  if (!GetCharWidth32A(target, code, code, &width)) GetCharWidthA(target, code, code, &width);
  return CSize(width, metrics.tmHeight);
}

// Widths by code in pages of 256 codes (one per lead byte), made when first needed; -1
// until measured.
struct FontEntry {
  LOGFONT font;
  int dpiX;
  int dpiY;
  int height;
  std::unique_ptr<int[]> pages[256];

  int* Slot(UINT code) {
    std::unique_ptr<int[]>& page = pages[code >> 8];
    if (!page) {
      page.reset(new int[256]);
      std::fill(page.get(), page.get() + 256, -1);
    }
    return &page[code & 0xFF];
  }
};

class MetricsCache {
 public:
  CSize Measure(const LOGFONT& font, HDC hdc, UINT code) {
    if (code > 0xFFFF) return MeasureOnDevice(font, hdc, code);  // no character code
    FontEntry* entry = Find(font, hdc);
    int* slot = entry->Slot(code);
    if (*slot >= 0) return CSize(*slot, entry->height);
    CSize measured = MeasureOnDevice(font, hdc, code);
    entry->height = measured.cy;
    *slot = measured.cx;
    return measured;
  }

 private:
  FontEntry* Find(const LOGFONT& font, HDC hdc) {
    KVResolution reference = KVGetReferenceResolution();
    int dpiX = hdc ? GetDeviceCaps(hdc, LOGPIXELSX) : reference.x;
    int dpiY = hdc ? GetDeviceCaps(hdc, LOGPIXELSY) : reference.y;
    if (m_last && Matches(*m_last, font, dpiX, dpiY)) return m_last;
    for (auto& entry : m_entries) {
      if (Matches(*entry, font, dpiX, dpiY)) return m_last = entry.get();
    }
    auto entry = std::make_unique<FontEntry>();
    entry->font = font;
    entry->dpiX = dpiX;
    entry->dpiY = dpiY;
    entry->height = 0;
    m_entries.push_back(std::move(entry));
    return m_last = m_entries.back().get();
  }

  static bool Matches(const FontEntry& entry, const LOGFONT& font, int dpiX, int dpiY) {
    return entry.dpiX == dpiX && entry.dpiY == dpiY && KVIsFontEqual(&entry.font, &font);
  }

  std::vector<std::unique_ptr<FontEntry>> m_entries;
  FontEntry* m_last = nullptr;
};

MetricsCache g_cache;

// The cache of the thread that measured first (a window's); another thread (the editor's
// index worker reads memos) keeps its own, so neither ever waits for or breaks the other.
// That one is never freed: a thread-local object with a destructor hangs a process's exit
// under Wine, and the worker lives as long as its process.
MetricsCache& CacheOfThisThread() {
  static const DWORD firstThread = GetCurrentThreadId();
  if (GetCurrentThreadId() == firstThread) return g_cache;
  thread_local MetricsCache* t_cache = nullptr;
  if (!t_cache) t_cache = new MetricsCache;
  return *t_cache;
}

bool IsDisplay(HDC hdc) { return !hdc || GetDeviceCaps(hdc, TECHNOLOGY) == DT_RASDISPLAY; }

}  // namespace

CSize KVMeasureChar(const LOGFONT& scaledFont, HDC hdc, UINT code) {
  return IsDisplay(hdc) ? CacheOfThisThread().Measure(scaledFont, hdc, code)
                        : MeasureOnDevice(scaledFont, hdc, code);
}
