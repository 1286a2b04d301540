// Reading the title of a memo file's document head, checked before anything is allocated.
#include "MemoHead.h"

#include <cstring>
#include <memory>
#include <new>

#include "DiskFile.h"
#include "KVErrors.h"
#include "KVSegment.h"
#include "SjisText.h"

namespace {

// A document head body holds the version, the window placement and two scroll positions
// (56 bytes), then the title and its zero; a real one is far below the cap.
const uint32_t kTitleOffset = 56;
const uint32_t kMaxDocHeadLength = 64 * 1024;

}  // namespace

int KVReadDocHeadTitle(HANDLE file, char* pszDst) {
  char head[sizeof(SEG_HEAD)];
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file, &size) || !KVReadExactly(file, head, sizeof head))
    return KV_ERR_READ_WRITE;
  uint32_t length = KVReadU32(head + 2);
  if (KVReadU16(head) != SEG_DOCHEAD || length <= kTitleOffset || length > kMaxDocHeadLength ||
      length > size.QuadPart - static_cast<LONGLONG>(sizeof head))
    return KV_ERR_READ_WRITE;
  std::unique_ptr<char[]> body(new (std::nothrow) char[length]);
  if (!body) return KV_ERR_NO_MEMORY;
  if (!KVReadExactly(file, body.get(), length)) return KV_ERR_READ_WRITE;
  const char* title = body.get() + kTitleOffset;
  if (!std::memchr(title, '\0', length - kTitleOffset)) return KV_ERR_READ_WRITE;
  KVCopyCut(pszDst, MAX_PATH, title);
  return KV_OK;
}
