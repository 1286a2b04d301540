// The filter loaded for one decoding, its result checked before anyone paints from it.
#include "FilterDecode.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using GetPictureFunction = int(WINAPI*)(LPCSTR source, LONG_PTR length, unsigned flag,
                                        HANDLE* pInfo, HANDLE* pBits, FARPROC progress,
                                        LONG_PTR data);
const unsigned kSourceIsFileName = 0;

class Library {
 public:
  explicit Library(const char* path) : m_module(path[0] ? LoadLibraryA(path) : nullptr) {}
  ~Library() {
    if (m_module) FreeLibrary(m_module);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  FARPROC Entry(const char* name) const { return m_module ? GetProcAddress(m_module, name) : nullptr; }

 private:
  HMODULE m_module;
};

// The filter is someone else's code: the header must be one SetDIBitsToDevice can take, and
// both blocks must hold what the header promises.
bool SoundBitmap(HLOCAL info, HLOCAL bits) {
  const SIZE_T infoSize = LocalSize(info), bitsSize = LocalSize(bits);
  if (infoSize < sizeof(BITMAPINFOHEADER)) return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, LocalLock(info), sizeof header);
  LocalUnlock(info);
  const long long width = header.biWidth, height = header.biHeight, depth = header.biBitCount;
  if (header.biSize < sizeof header || header.biCompression != BI_RGB || width <= 0 || height <= 0)
    return false;
  if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
    return false;
  const long long colours = header.biClrUsed ? header.biClrUsed : depth <= 8 ? 1LL << depth : 0;
  const long long stride = (width * depth + 31) / 32 * 4;
  return static_cast<long long>(infoSize) >= header.biSize + 4 * colours &&
         static_cast<long long>(bitsSize) >= stride * height;
}

}  // namespace

std::string FilterPath() {
  char program[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
  if (length == 0 || length >= sizeof program) return "";
  char drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
  _splitpath(program, drive, dir, name, ext);
  char path[MAX_PATH];
  int written = std::snprintf(path, sizeof path, "%s%s%s", drive, dir, "Susie\\imgfilt.spi");
  return written > 0 && written < static_cast<int>(sizeof path) ? path : "";
}

bool DecodeWithFilter(const char* file, HLOCAL* pInfo, HLOCAL* pBits) {
  *pInfo = *pBits = nullptr;
  Library filter(FilterPath().c_str());
  auto getPicture = reinterpret_cast<GetPictureFunction>(
      reinterpret_cast<void*>(filter.Entry("GetPicture")));
  if (!getPicture) return false;
  HANDLE info = nullptr, bits = nullptr;
  // After a failure the handles are not the filter's to give: nothing is freed.
  if (getPicture(file, 0, kSourceIsFileName, &info, &bits, nullptr, 0) != 0) return false;
  if (info && bits && SoundBitmap(info, bits)) {
    *pInfo = info;
    *pBits = bits;
    return true;
  }
  if (info) LocalFree(info);
  if (bits) LocalFree(bits);
  return false;
}
