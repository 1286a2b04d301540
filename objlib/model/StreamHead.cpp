// Scanning the head segments of a memo stream.
#include "StreamHead.h"

#include "KVErrors.h"

int KVScanStreamHead(const char* data, const char* end, KVStreamHead* pHead) {
  KVStreamHead head = {0, nullptr, 0, nullptr, 0, data};
  const char* p = data;
  for (;;) {
    int code = KVPeekCode(p, end);
    if (code != SEG_DOCHEAD && code != SEG_PAGE) break;
    long long size = KVSegmentSize(p, end);
    if (size < 0) return KV_ERR_READ_WRITE;
    const char* body = p + sizeof(SEG_HEAD);
    uint32_t length = static_cast<uint32_t>(size - sizeof(SEG_HEAD));
    if (code == SEG_DOCHEAD) {
      if (length < 4) return KV_ERR_READ_WRITE;
      head.version = static_cast<int>(KVReadU32(body));
      if (head.version > KV_FORMAT_VERSION || head.version < 0) return KV_ERR_VERSION;
      head.docHead = body;
      head.docHeadLength = length;
    } else {
      head.page = body;
      head.pageLength = length;
    }
    p += size;
  }
  head.content = p;
  *pHead = head;
  return 0;
}

int KVFindStreamContent(const char* data, const char* end, bool isFile, KVStreamHead* pHead) {
  *pHead = {KV_FORMAT_VERSION, nullptr, 0, nullptr, 0, data};
  if (!isFile) return 0;
  const int scanned = KVScanStreamHead(data, end, pHead);
  if (scanned < 0) return scanned;
  if (!pHead->docHead) pHead->version = KV_FORMAT_VERSION;
  return 0;
}
