// Damaged and hostile streams: every one ends in a result, never a crash or a read past
// the data, and a refused run builds nothing and leaves the cursor where it was.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "KVErrors.h"
#include "KVObjList.h"
#include "SegWriter.h"
#include "TestSupport.h"

namespace {

// Streams are copied to the end of a region that a page with no access follows, so a read
// past the end of the data faults at once instead of passing unnoticed.
class GuardedArena {
 public:
  GuardedArena() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    m_base = static_cast<char*>(VirtualAlloc(nullptr, kSize + info.dwPageSize, MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    VirtualProtect(m_base + kSize, info.dwPageSize, PAGE_NOACCESS, &old);
  }
  ~GuardedArena() { VirtualFree(m_base, 0, MEM_RELEASE); }
  // The copy of bytes, ending just before the guard page.
  char* Place(const Bytes& bytes) {
    char* data = m_base + kSize - bytes.size();
    std::memcpy(data, bytes.data(), bytes.size());
    return data;
  }
  char* End() const { return m_base + kSize; }

 private:
  static const size_t kSize = 1 << 16;
  char* m_base;
};

GuardedArena g_arena;

int ReadGuarded(const Bytes& stream, int version, LIST** chain) {
  static ReadableList list;  // made once: a list reads the settings file when made
  auto* start = reinterpret_cast<SEG_HEAD*>(g_arena.Place(stream));
  SEG_HEAD* cursor = start;
  int result = 1;
  *chain = list.SegToList(version, &cursor, SEG_TBOX_END, g_arena.End(), &result);
  if (result < 0) {
    EXPECT_EQ(nullptr, *chain);
    EXPECT_EQ(start, cursor);
  }
  return result;
}

Bytes ValidStream() {
  LOGFONT font = JapaneseFont();
  LIST* chain = StrToList("Memo 表示\r\nline two ｱｲｳ", RGB(10, 20, 30), &font);
  Bytes run(KVRunDataLength(chain, nullptr), '\0');
  KVWriteRun(chain, nullptr, &run[0], static_cast<int>(run.size()));
  KVFreeChain(chain);
  return run + Segment(0xFF44, "generic body") + "end" + Segment(SEG_TBOX_END, "");
}

// A small fixed-seed generator, so a failure can be replayed.
uint32_t Next(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

}  // namespace

TEST(HostileStream, EveryTruncationIsRefused) {
  Bytes stream = ValidStream();
  for (size_t length = 0; length < stream.size(); ++length) {
    LIST* chain = nullptr;
    EXPECT_EQ(KV_ERR_READ_WRITE, ReadGuarded(stream.substr(0, length), 512, &chain)) << length;
  }
  LIST* chain = nullptr;
  EXPECT_EQ(0, ReadGuarded(stream, 512, &chain));
  EXPECT_EQ(24u, Codes(chain).size());
  KVFreeChain(chain);
}

TEST(HostileStream, LyingLengthsAreRefused) {
  LIST* chain = nullptr;
  const Bytes cases[] = {
      "ab" + U16(0xFF44) + U32(0xFFFFFFFF) + "xyz",            // absurd length
      "ab" + U16(0xFF44) + U32(0x7FFFFFFA) + "xyz",            // just below the int limit
      "ab" + U16(SEG_TBOX_END) + U32(100),                     // end segment runs past the end
      Segment(SEG_FONT, "short") + "a" + Segment(SEG_TBOX_END, ""),   // font body too small
      Segment(SEG_COLOR, "\x01\x02") + "a" + Segment(SEG_TBOX_END, ""),  // colour too small
      U16(SEG_COLOR) + U32(4) + "\x01",                        // header promises more
  };
  for (const Bytes& stream : cases) EXPECT_EQ(KV_ERR_READ_WRITE, ReadGuarded(stream, 512, &chain));
}

TEST(HostileStream, AnOverlongFaceNameIsCutToItsField) {
  LOGFONT font;
  std::memset(&font, 'F', sizeof font);
  Bytes stream = Segment(SEG_FONT, FontBody(font)) + "a" + Segment(SEG_TBOX_END, "");
  LIST* chain = nullptr;
  ASSERT_EQ(0, ReadGuarded(stream, 512, &chain));
  EXPECT_EQ(LF_FACESIZE - 1, static_cast<int>(std::strlen(chain->pObj->m_logFont.lfFaceName)));
  KVFreeChain(chain);
}

TEST(HostileStream, RandomlyDamagedStreamsNeverCrash) {
  const Bytes valid = ValidStream();
  uint32_t state = 20261208;
  int accepted = 0;
  for (int round = 0; round < 5000; ++round) {
    Bytes damaged = valid;
    int edits = 1 + Next(state) % 4;
    for (int e = 0; e < edits; ++e) {
      size_t at = Next(state) % damaged.size();
      switch (Next(state) % 4) {
        case 0: damaged[at] = static_cast<char>(Next(state)); break;
        case 1: damaged[at] = '\xFF'; break;
        case 2: damaged.erase(at, 1 + Next(state) % 8); break;
        default: damaged.insert(at, Bytes(1 + Next(state) % 4, static_cast<char>(Next(state)))); break;
      }
      if (damaged.empty()) damaged = "\xFF";
    }
    for (int version : {512, 256}) {
      LIST* chain = nullptr;
      int result = ReadGuarded(damaged, version, &chain);
      ASSERT_LE(result, 0);
      // Old versions may hold codes that the current format stores differently.
      if (result == 0 && version == 512) {
        ++accepted;
        // What was accepted writes out and reads back to the same objects.
        Bytes again(KVRunDataLength(chain, nullptr), '\0');
        KVWriteRun(chain, nullptr, &again[0], static_cast<int>(again.size()));
        LIST* back = nullptr;
        ASSERT_EQ(0, ReadGuarded(again + Segment(SEG_TBOX_END, ""), 512, &back));
        EXPECT_EQ(Codes(chain), Codes(back));
        KVFreeChain(back);
      }
      KVFreeChain(chain);
    }
  }
  EXPECT_GT(accepted, 0);
}
