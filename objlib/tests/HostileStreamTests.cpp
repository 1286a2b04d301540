// Damaged and hostile streams of every version: every one ends in a result, never a crash
// or a read past the data; a refused run builds nothing and leaves the cursor where it was,
// and an accepted one saves to a stream that loads again alike.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "DocSupport.h"
#include "GuardedArena.h"
#include "KVErrors.h"
#include "KVObjList.h"
#include "PictureSupport.h"
#include "SegWriter.h"
#include "SjisText.h"

namespace {

GuardedArena g_arena;

// Reads a run up to endCode: a box's end segment, or the stream's end for a box content
// that has no head.
int ReadGuarded(const Bytes& stream, int version, LIST** chain, int endCode = SEG_TBOX_END) {
  static ReadableList list;  // made once: a list reads the settings file when made
  auto* start = reinterpret_cast<SEG_HEAD*>(g_arena.Place(stream));
  SEG_HEAD* cursor = start;
  int result = 1;
  *chain = list.SegToList(version, &cursor, endCode, g_arena.End(), &result);
  if (result < 0) {
    EXPECT_EQ(nullptr, *chain);
    EXPECT_EQ(start, cursor);
  }
  return result;
}

// Characters in a version's own form: Shift-JIS bytes from 512 on, else 16-bit codes.
Bytes Chars(const std::string& text, int version) {
  if (version >= 512) return text;
  Bytes codes;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    codes += KVIsLeadByte(b) ? U16(b * 256 + static_cast<unsigned char>(text[++i])) : U16(b);
  }
  return codes;
}

// A link to a missing file in the user folder, in the body layout of the version.
Bytes LinkSegment(int version) {
  const std::string path = "%usr%nowhere\\target.dat";
  const Bytes record = U16(1) + U32(0) + path + Bytes(260 - path.size(), '\0') + Bytes(260, '\0');
  const Bytes place = version >= 256 ? U32(3) + U32(4) + U32(120) + U32(60) : U32(120) + U32(60);
  return Segment(SEG_LINK, U32(0x70000001) + U32(0xFFFFFF) + place + U32(0) + U32(0) + record +
                               U32(4) + "link" + Bytes(1, '\0'));
}

// A run of every kind of item, in the version's own format: characters (before 512 also
// codes that are no character of code page 932), colour and font, a nested text box, a
// link, a stretched bitmap and an unknown segment.
Bytes ValidStream(int version) {
  LOGFONT font = JapaneseFont();
  const bool old = version < 256;
  const Bytes box = Segment(SEG_TBOX, U32(0) + U32(0xFFFFFF) + (old ? Bytes() : U32(0) + U32(0)) +
                                          U32(200) + U32(20)) +
                    Chars("inner 内", version) + Segment(SEG_TBOX_END, "");
  const Bytes odd = version < 512 ? U16(0x4181) + U16(0x0081) + U16(0x8120) + U16(0x41FF) : Bytes();
  return Segment(SEG_COLOR, U32(RGB(10, 20, 30))) + Segment(SEG_FONT, FontBody(font)) +
         Chars("Memo 表示\nline two ｱｲｳ", version) + odd + box + LinkSegment(version) +
         BmapSegment(0x80000001, 0, 0, 40, 20, 3, 2, 4, Bytes(10, '\x12'), old) +
         Segment(0xFF44, "generic body") + Chars("end", version) + Segment(SEG_TBOX_END, "");
}

// The codes of the objects of a chain that are not characters.
std::vector<unsigned> Objects(LIST* chain) {
  std::vector<unsigned> codes;
  for (unsigned code : Codes(chain))
    if (!KVIsCharCode(code)) codes.push_back(code);
  return codes;
}

Bytes WriteRun(LIST* chain) {
  Bytes run(KVRunDataLength(chain, nullptr), '\0');
  KVWriteRun(chain, nullptr, &run[0], static_cast<int>(run.size()));
  return run;
}

std::string TextOf(LIST* chain) {
  std::string text;
  for (LIST* n = chain; n; n = n->pNext) {
    std::string piece(n->pObj->TextLength() + 1, '\0');
    int written = 0;
    n->pObj->GetText(&piece[0], static_cast<int>(piece.size()), &written);
    text.append(piece.data(), written);
  }
  return text;
}

// What the reader accepted is saved in the current version, and that loads again to the
// same objects with the same text, and saves to the same bytes.
void ExpectResavesAlike(LIST* chain, const char* what) {
  const Bytes saved = WriteRun(chain);
  LIST* back = nullptr;
  ASSERT_EQ(0, ReadGuarded(saved + Segment(SEG_TBOX_END, ""), 512, &back)) << what;
  EXPECT_EQ(Codes(chain), Codes(back)) << what;
  EXPECT_EQ(saved, WriteRun(back)) << what;
  EXPECT_EQ(TextOf(chain), TextOf(back)) << what;
  KVFreeChain(back);
}

const int kVersions[] = {0, 255, 256, 511, 512};

// A small fixed-seed generator, so a failure can be replayed.
uint32_t Next(uint32_t& state) {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

}  // namespace

TEST(HostileStream, EveryTruncationIsRefused) {
  for (int version : kVersions) {
    Bytes stream = ValidStream(version);
    for (size_t length = 0; length < stream.size(); ++length) {
      LIST* chain = nullptr;
      ASSERT_EQ(KV_ERR_READ_WRITE, ReadGuarded(stream.substr(0, length), version, &chain))
          << version << " " << length;
    }
    LIST* chain = nullptr;
    ASSERT_EQ(0, ReadGuarded(stream, version, &chain)) << version;
    EXPECT_EQ(std::vector<unsigned>({SEG_TBOX, SEG_LINK, SEG_BMAP, 0xFF44}),
              Objects(chain)) << version;
    ExpectResavesAlike(chain, "whole stream");
    KVFreeChain(chain);
  }
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

// A content without a box head runs to the stream's end; a box end on the way closes no box
// and must not come back as one when the content is saved inside its box.
TEST(HostileStream, AStrayBoxEndInHeadlessContentKeepsTheTextBehindIt) {
  for (int version : {0, 256, 512}) {
    for (unsigned stray : {SEG_TBOX_END, SEG_FBOX_END}) {
      const Bytes content = Chars("ab", version) + Segment(stray, "") + Chars("de", version) +
                            Segment(stray, "body") + "\xFF\xFF";
      Bytes file = DocHead("", version) + content;
      KVDocText doc;
      const int length = static_cast<int>(file.size());
      ASSERT_LT(0, doc.SetData(0, reinterpret_cast<SEG_HEAD*>(&file[0]), length));
      ASSERT_EQ("abde", TextOf(doc)) << version;
      Bytes saved(doc.DataLength(), '\0');
      int written = 0;
      doc.GetData(&saved[0], static_cast<int>(saved.size()), &written);
      KVDocText back;
      ASSERT_LT(0, back.SetData(0, reinterpret_cast<SEG_HEAD*>(&saved[0]), written));
      EXPECT_EQ("abde", TextOf(back)) << version << " " << std::hex << stray;
      LIST* chain = nullptr;
      ASSERT_EQ(0, ReadGuarded(content, version, &chain, SEG_END));
      ExpectResavesAlike(chain, "stray box end");
      KVFreeChain(chain);
    }
  }
}

// Damaged streams of every version's format, read at every version, as a box's run and as
// a content without a head: whatever is accepted saves in the current version to a stream
// that loads again with the same text.
TEST(HostileStream, RandomlyDamagedStreamsNeverCrashAndResaveAlike) {
  uint32_t state = 20261208;
  int accepted[3] = {};
  for (int round = 0; round < 6000; ++round) {
    const int format = kVersions[round % 5];
    Bytes damaged = ValidStream(format);
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
    for (int version : {0, 256, 512}) {
      for (int endCode : {int(SEG_TBOX_END), int(SEG_END)}) {
        LIST* chain = nullptr;
        int result = ReadGuarded(endCode == SEG_END ? damaged + "\xFF\xFF" : damaged, version,
                                 &chain, endCode);
        ASSERT_LE(result, 0);
        if (result == 0) {
          ++accepted[version / 256];
          ExpectResavesAlike(chain, ("round " + std::to_string(round)).c_str());
          if (HasFailure()) return;
        }
        KVFreeChain(chain);
      }
    }
  }
  for (int count : accepted) EXPECT_GT(count, 100);
}
