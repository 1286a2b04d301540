// The memo stream: item runs read and written, versions, plain text, the stream head.
#include <gtest/gtest.h>

#include <cstring>

#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjList.h"
#include "SegWriter.h"
#include "StreamHead.h"
#include "TestSupport.h"

namespace {

struct ReadResult {
  LIST* chain;
  int result;
  size_t consumed;
};

ReadResult Read(const Bytes& stream, int version = 512, int endCode = SEG_TBOX_END) {
  ReadableList list;
  auto* cursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(stream.data()));
  int result = 1;
  LIST* chain = list.SegToList(version, &cursor, endCode, stream.data() + stream.size(), &result);
  return {chain, result, static_cast<size_t>(reinterpret_cast<const char*>(cursor) - stream.data())};
}

Bytes WriteRun(LIST* first) {
  Bytes out(KVRunDataLength(first, nullptr), '\0');
  EXPECT_EQ(static_cast<int>(out.size()), KVWriteRun(first, nullptr, &out[0], static_cast<int>(out.size())));
  return out;
}

std::string TextOf(LIST* first) {
  std::string text;
  for (LIST* node = first; node; node = node->pNext) {
    char buffer[8];
    int written = 0;
    node->pObj->GetText(buffer, sizeof buffer, &written);
    text.append(buffer, written);
  }
  return text;
}

const Bytes kEnd = Segment(SEG_TBOX_END, "");

}  // namespace

TEST(ReadRun, CharactersTakeTheRunningColourAndFont) {
  LOGFONT big = JapaneseFont(-30);
  Bytes stream = "a" + Segment(SEG_COLOR, U32(RGB(1, 2, 3))) + "表\n" +
                 Segment(SEG_FONT, FontBody(big)) + "\xB1" + kEnd + "rest";
  ReadResult r = Read(stream);
  ASSERT_EQ(0, r.result);
  EXPECT_EQ(stream.size() - 4, r.consumed);  // the end segment is consumed, nothing more
  EXPECT_EQ((std::vector<unsigned>{'a', 0x955C, 0x0A, 0xB1}), Codes(r.chain));
  LIST* a = r.chain;
  EXPECT_EQ(0u, a->pObj->m_crColor);  // the settings colour: none set, so black
  EXPECT_TRUE(KVIsFontEqual(&g_DefaultFont, &a->pObj->m_logFont));
  EXPECT_EQ(RGB(1, 2, 3), a->pNext->pObj->m_crColor);
  LIST* kana = a->pNext->pNext->pNext;
  EXPECT_EQ(RGB(1, 2, 3), kana->pObj->m_crColor);
  EXPECT_TRUE(KVIsFontEqual(&big, &kana->pObj->m_logFont));
  EXPECT_EQ(nullptr, kana->pNext);
  EXPECT_EQ(a, kana->pPrev->pPrev->pPrev);
  KVFreeChain(r.chain);
}

TEST(ReadRun, TheStreamEndStopsWithoutBeingConsumed) {
  // The end code follows a segment (a character's second byte is never 0xFF).
  ReadResult r = Read("ab" + Segment(SEG_COLOR, U32(0)) + "\xff\xff");
  ASSERT_EQ(0, r.result);
  EXPECT_EQ(12u, r.consumed);
  KVFreeChain(r.chain);
  r = Read("\xff\xff");
  EXPECT_EQ(0, r.result);
  EXPECT_EQ(nullptr, r.chain);
}

TEST(ReadRun, OlderVersionsStoreEveryCharacterInSixteenBits) {
  Bytes old = U16('a') + U16(0x955C) + U16(0x0A) + U16(0xB1) + kEnd;
  Bytes current = Bytes("a表\n\xB1") + kEnd;
  for (int version : {0, 255, 256, 511}) {
    ReadResult r = Read(old, version);
    ASSERT_EQ(0, r.result);
    ReadResult expected = Read(current, 512);
    EXPECT_EQ(Codes(expected.chain), Codes(r.chain)) << version;
    EXPECT_EQ("a表\r\n\xB1", TextOf(r.chain));
    KVFreeChain(r.chain);
    KVFreeChain(expected.chain);
  }
}

// An old code that is no character of code page 932 reads as its bytes read now (high
// byte first); a lead byte with nothing to pair with shows as "・". Saved in the current
// version, what was read loads again alike.
TEST(ReadRun, OldCodesThatAreNoCharacterReadAsTheirBytes) {
  Bytes old = U16(0x4142) + U16(0x4181) + U16(0x0081) + U16(0x8120) + U16(0x41FF) +
              U16(0x93FA) + kEnd;
  for (int version : {0, 256}) {
    ReadResult r = Read(old, version);
    ASSERT_EQ(0, r.result);
    EXPECT_EQ((std::vector<unsigned>{'A', 'B', 'A', 0x8145, 0x8145, 0x8120, 'A', 0x93FA}),
              Codes(r.chain));
    ReadResult again = Read(WriteRun(r.chain) + kEnd);
    ASSERT_EQ(0, again.result);
    EXPECT_EQ(Codes(r.chain), Codes(again.chain));
    EXPECT_EQ("ABA・・\x81 A日", TextOf(again.chain));
    KVFreeChain(r.chain);
    KVFreeChain(again.chain);
  }
}

TEST(ReadRun, UnknownSegmentsBecomeGenericObjectsWithTheirBody) {
  Bytes unknown = Segment(0xFF31, "opaque");
  ReadResult r = Read("x" + unknown + "y" + kEnd);
  ASSERT_EQ(0, r.result);
  ASSERT_EQ((std::vector<unsigned>{'x', 0xFF31, 'y'}), Codes(r.chain));
  KVObject* object = r.chain->pNext->pObj;
  EXPECT_EQ(6u, object->m_nDataSize);
  EXPECT_EQ(0, std::memcmp("opaque", object->m_pData, 6));
  KVFreeChain(r.chain);
}

TEST(WriteRun, TwoCharactersInOneColourAndFont) {
  LOGFONT font = JapaneseFont();
  LIST* chain = StrToList("AB", RGB(0, 0, 255), &font);
  Bytes expected = Segment(SEG_COLOR, U32(RGB(0, 0, 255))) + Segment(SEG_FONT, FontBody(font)) + "AB";
  EXPECT_EQ(expected, WriteRun(chain));
  KVFreeChain(chain);
}

TEST(WriteRun, SegmentsOnlyWhereColourOrFontChange) {
  LOGFONT font = JapaneseFont(), zero = {};
  LIST* chain = StrToList("a\r\nb", 0, &zero);  // an all-zero font needs no font segment
  LIST* tail = chain->pNext->pNext;
  tail->pObj->m_crColor = RGB(9, 0, 0);
  tail->pNext = StrToList("c", RGB(9, 0, 0), &font);
  tail->pNext->pPrev = tail;
  Bytes expected = Segment(SEG_COLOR, U32(0)) + "a\n" + Segment(SEG_COLOR, U32(RGB(9, 0, 0))) +
                   "b" + Segment(SEG_FONT, FontBody(font)) + "c";
  EXPECT_EQ(expected, WriteRun(chain));
  KVFreeChain(chain);
}

TEST(WriteRun, AStreamReadBackWritesTheSameBytes) {
  LOGFONT big = JapaneseFont(-30);
  Bytes original = Segment(SEG_COLOR, U32(RGB(1, 2, 3))) + Segment(SEG_FONT, FontBody(big)) +
                   "x\n表" + Segment(0xFF31, "opaque") + Segment(SEG_COLOR, U32(0)) + "\xB1";
  ReadResult r = Read(original + kEnd);
  ASSERT_EQ(0, r.result);
  EXPECT_EQ(original, WriteRun(r.chain));
  KVFreeChain(r.chain);
}

TEST(PlainText, TabsCarriageReturnsAndControlBytes) {
  LOGFONT font = JapaneseFont();
  LIST* chain = StrToList("a\tb\r\nc\nd\x01\x1F\xB1表~", RGB(4, 5, 6), &font);
  EXPECT_EQ((std::vector<unsigned>{'a', ' ', 'b', 0x0A, 'c', 'd', 0xB1, 0x955C, '~'}),
            Codes(chain));
  for (LIST* node = chain; node; node = node->pNext) {
    EXPECT_EQ(RGB(4, 5, 6), node->pObj->m_crColor);
    EXPECT_TRUE(KVIsFontEqual(&font, &node->pObj->m_logFont));
  }
  KVFreeChain(chain);
  EXPECT_EQ(nullptr, StrToList("", 0, &font));
  EXPECT_EQ(nullptr, StrToList("\n\x02", 0, &font));
}

TEST(PlainText, ALeadByteCutOffByTheEndIsDropped) {
  LOGFONT font = JapaneseFont();
  LIST* chain = StrToList("a\x95", 0, &font);
  EXPECT_EQ(std::vector<unsigned>{'a'}, Codes(chain));
  KVFreeChain(chain);
}

// 0xFF is no character of code page 932, and a character byte 0xFF would read back as a
// segment code, wrecking the rest of the memo: such bytes never become characters.
TEST(PlainText, ByteFFNeverBecomesPartOfACharacter) {
  LOGFONT font = JapaneseFont();
  LIST* chain = StrToList("A\xFF" "B\x81\xFF" "C", 0, &font);
  EXPECT_EQ((std::vector<unsigned>{'A', 'B', 'C'}), Codes(chain));
  Bytes run = WriteRun(chain) + kEnd;
  ReadResult r = Read(run);
  ASSERT_EQ(0, r.result);
  EXPECT_EQ(Codes(chain), Codes(r.chain));
  KVFreeChain(chain);
  KVFreeChain(r.chain);
}

TEST(StreamHead, VersionsPlacesAndRefusal) {
  Bytes page = Segment(SEG_PAGE, Bytes(24, '\x01'));
  Bytes head = Segment(SEG_DOCHEAD, U32(512) + Bytes(52, '\0') + "name" + Bytes(1, '\0'));
  Bytes content = Segment(SEG_TBOX, Bytes(24, '\0'));
  Bytes file = page + head + Segment(SEG_DOCHEAD, U32(256) + Bytes(53, '\0')) + content;
  KVStreamHead h;
  ASSERT_EQ(0, KVScanStreamHead(file.data(), file.data() + file.size(), &h));
  EXPECT_EQ(256, h.version);  // the last head wins
  EXPECT_EQ(file.data() + file.size() - content.size(), h.content);
  EXPECT_EQ(file.data() + 6, h.page);
  EXPECT_EQ(24u, h.pageLength);

  ASSERT_EQ(0, KVScanStreamHead(content.data(), content.data() + content.size(), &h));
  EXPECT_EQ(0, h.version);  // no head: the oldest format
  EXPECT_EQ(content.data(), h.content);

  h.version = 77;
  Bytes newer = Segment(SEG_DOCHEAD, U32(513) + Bytes(53, '\0')) + content;
  EXPECT_EQ(KV_ERR_VERSION, KVScanStreamHead(newer.data(), newer.data() + newer.size(), &h));
  EXPECT_EQ(77, h.version);  // untouched
  Bytes huge = Segment(SEG_DOCHEAD, U32(0x80000000) + Bytes(53, '\0'));
  EXPECT_EQ(KV_ERR_VERSION, KVScanStreamHead(huge.data(), huge.data() + huge.size(), &h));
  Bytes cut = head.substr(0, 20);
  EXPECT_EQ(KV_ERR_READ_WRITE, KVScanStreamHead(cut.data(), cut.data() + cut.size(), &h));
  Bytes tiny = Segment(SEG_DOCHEAD, "ab");
  EXPECT_EQ(KV_ERR_READ_WRITE, KVScanStreamHead(tiny.data(), tiny.data() + tiny.size(), &h));
}
