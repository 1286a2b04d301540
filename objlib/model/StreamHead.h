// The segments in front of a memo stream's content: the document head (format version,
// window placement, scroll position, name) and the page record. Platform-free.
#pragma once

#include <cstdint>

#include "KVObjApi.h"
#include "KVSegment.h"

struct KVStreamHead {
  int version;               // 0 when the stream has no document head
  const char* docHead;       // body of the last document head, or null
  uint32_t docHeadLength;
  const char* page;          // body of the last page segment, or null
  uint32_t pageLength;
  const char* content;       // the first byte after the head segments
};

// Scans the head segments at data; they may come in any order and repeat, the last
// winning. Returns 0, KV_ERR_VERSION for a version above the current one, or
// KV_ERR_READ_WRITE for a head that is cut short or too small to hold its version.
KVOBJ_API int KVScanStreamHead(const char* data, const char* end, KVStreamHead* pHead);
// Where the objects begin: at data for a memo-data block (read in the current version), or
// behind the head segments of a whole memo file (read in the file's version, the current
// one when it has no document head). Returns 0 or the error of KVScanStreamHead.
int KVFindStreamContent(const char* data, const char* end, bool isFile, KVStreamHead* pHead);
