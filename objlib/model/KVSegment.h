// The memo stream's segment header, its type codes, and bounds-checked reads of it.
// Platform-free: the stream codec builds anywhere.
#pragma once

#include <cstdint>
#include <cstring>

#pragma pack(push, 1)
struct SEG_HEAD {
  uint16_t wType;
  uint32_t dwLength;  // body bytes behind the header
};
#pragma pack(pop)
static_assert(sizeof(SEG_HEAD) == 6, "the segment header is 6 packed bytes");

enum SegmentCode : uint16_t {
  SEG_PAGE = 0xFFA0,
  SEG_FONT = 0xFFA2,
  SEG_COLOR = 0xFFA6,
  SEG_DOCHEAD = 0xFFE0,
  SEG_TBOX = 0xFFE1,
  SEG_TBOX_END = 0xFFE2,
  SEG_FBOX = 0xFFE3,
  SEG_FBOX_END = 0xFFE4,
  SEG_BMAP = 0xFFE5,
  SEG_LINK = 0xFFE6,
  SEG_END = 0xFFFF,  // two bytes, no length: the end of a stream
};

const uint16_t KV_CODE_GENERIC = 0xFF00;  // an object of no particular type
const uint16_t KV_CODE_NEWLINE = 0x000A;
const uint16_t KV_CODE_END_MARKER = 0xFFFF;
const int KV_FORMAT_VERSION = 512;

// Characters have codes below 0xFF00; 0xFFFF is the end-marker character.
inline bool KVIsCharCode(unsigned code) { return code == KV_CODE_END_MARKER || code < 0xFF00; }

// A character whose data form holds a byte 0xFF would read back as a segment code and
// wreck the rest of the stream; such codes are not characters of code page 932 anyway.
inline bool KVIsStorableCharCode(unsigned code) {
  return (code & 0xFF) != 0xFF && (code >> 8) != 0xFF;
}

inline uint16_t KVReadU16(const char* p) {
  uint16_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline uint32_t KVReadU32(const char* p) {
  uint32_t v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void KVWriteU16(char* p, uint16_t v) { std::memcpy(p, &v, sizeof v); }
inline void KVWriteU32(char* p, uint32_t v) { std::memcpy(p, &v, sizeof v); }

// The 16-bit code at p, or -1 when fewer than two bytes remain before end.
inline int KVPeekCode(const char* p, const char* end) {
  return end - p >= 2 ? KVReadU16(p) : -1;
}

// Header plus body size of the segment at p when all of it lies before end, else -1.
inline long long KVSegmentSize(const char* p, const char* end) {
  if (end - p < static_cast<long long>(sizeof(SEG_HEAD))) return -1;
  long long size = sizeof(SEG_HEAD) + static_cast<long long>(KVReadU32(p + 2));
  return size <= end - p ? size : -1;
}
