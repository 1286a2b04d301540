// Reading an item run of a memo stream into objects, and plain text into characters.
// A stream comes from a file or the clipboard and is not trusted: every read is checked
// against the end of the data, and a damaged run yields nothing at all.
#include <cstring>
#include <new>

#include "FontRecord.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVObjList.h"
#include "KVProfile.h"
#include "MeasuringDC.h"
#include "ObjectFactory.h"
#include "SjisText.h"

namespace {

// Nested text boxes read their runs recursively; a crafted stream must not exhaust the stack.
const int kMaxNesting = 32;
thread_local int g_nesting = 0;

struct NestingGuard {
  NestingGuard() { ++g_nesting; }
  ~NestingGuard() { --g_nesting; }
};

class ChainBuilder {
 public:
  ~ChainBuilder() { KVFreeChain(m_first); }
  void Append(KVObject* object) {
    LIST* node = KVNewNode(object);
    node->pPrev = m_last;
    if (m_last)
      m_last->pNext = node;
    else
      m_first = node;
    m_last = node;
  }
  LIST* Release() {
    LIST* first = m_first;
    m_first = m_last = nullptr;
    return first;
  }

 private:
  LIST* m_first = nullptr;
  LIST* m_last = nullptr;
};

// What a lead byte left without a byte to pair with shows as: "・".
const int kLoneLeadByte = 0x8145;

void AppendChar(ChainBuilder& chain, int code, COLORREF color, const LOGFONT& font) {
  if (KVIsStorableCharCode(code)) chain.Append(new KVObjChar(code, color, &font));
}

// A 16-bit code of a stream before version 512 reads as its bytes (high byte first) read
// in the current version, so that what it gives is written and read back alike: one
// double-byte character when the high byte is a lead byte, else a character per byte.
// Code page 932 has no character for a lone lead byte; written alone it would take the
// next byte of the stream as its trail.
void AppendOldCode(ChainBuilder& chain, int code, COLORREF color, const LOGFONT& font) {
  const int high = code >> 8, low = code & 0xFF;
  if (high != 0 && KVIsLeadByte(static_cast<unsigned char>(high))) {
    AppendChar(chain, code, color, font);
    return;
  }
  if (high != 0) AppendChar(chain, high, color, font);
  const bool lone = KVIsLeadByte(static_cast<unsigned char>(low));
  AppendChar(chain, lone ? kLoneLeadByte : low, color, font);
}

// Reads the run at p; returns 0 and the position behind the run, or a negative result.
int ReadRun(int version, const char*& p, const char* end, int endCode, ChainBuilder& chain) {
  COLORREF color = KVGetProfileInt(kTextColor);
  LOGFONT font = g_DefaultFont;
  for (;;) {
    int code = KVPeekCode(p, end);
    if (code < 0) return KV_ERR_READ_WRITE;  // the run ran off the end of the data
    if (code == SEG_END) return 0;
    if (code < 0xFF00) {
      unsigned char first = static_cast<unsigned char>(p[0]);
      if (version >= KV_FORMAT_VERSION) {
        const bool pair = KVIsLeadByte(first);
        const int charCode = pair ? first * 256 + static_cast<unsigned char>(p[1]) : first;
        AppendChar(chain, charCode, color, font);
        p += pair ? 2 : 1;
      } else {
        AppendOldCode(chain, code, color, font);
        p += 2;
      }
      continue;
    }
    long long size = KVSegmentSize(p, end);
    if (size < 0) return KV_ERR_READ_WRITE;
    const char* body = p + sizeof(SEG_HEAD);
    long long bodyLength = size - static_cast<long long>(sizeof(SEG_HEAD));
    if (code == endCode) {
      p += size;
      return 0;
    }
    // A box end that closes no box of this run holds nothing. Kept as an object it would be
    // written inside a box, whose reader would take it for the box's own end and lose
    // everything behind it.
    if (code == SEG_TBOX_END || code == SEG_FBOX_END) {
      p += size;
      continue;
    }
    if (code == SEG_FONT) {
      if (bodyLength < static_cast<long long>(sizeof(LOGFONT))) return KV_ERR_READ_WRITE;
      std::memcpy(&font, body, sizeof(LOGFONT));
      KVKeepFontSane(&font);  // every object of the run is drawn with it
      p += size;
    } else if (code == SEG_COLOR) {
      if (bodyLength < 4) return KV_ERR_READ_WRITE;
      color = KVReadU32(body);
      p += size;
    } else {
      KVObject* object = KVNewObjectForCode(code);
      object->m_crColor = color;
      object->m_logFont = font;
      int consumed = object->SetData(version, reinterpret_cast<SEG_HEAD*>(const_cast<char*>(p)),
                                     static_cast<int>(end - p));
      if (consumed <= 0 || consumed > end - p) {
        delete object;
        return consumed < 0 ? consumed : KV_ERR_READ_WRITE;
      }
      chain.Append(object);
      p += consumed;
    }
  }
}

}  // namespace

LIST* KVObjList::SegToList(int version, SEG_HEAD** ppCursor, int endCode, const char* pEnd,
                           int* pResult) {
  NestingGuard nesting;
  if (g_nesting > kMaxNesting) {
    *pResult = KV_ERR_READ_WRITE;
    return nullptr;
  }
  const char* p = reinterpret_cast<const char*>(*ppCursor);
  // Every new character code and link caption is measured, and every link reads settings.
  MeasuringDC::Hold measuring;
  KVProfileSnapshot settings;
  ChainBuilder chain;
  try {
    *pResult = ReadRun(version, p, pEnd, endCode, chain);
  } catch (const std::bad_alloc&) {
    *pResult = KV_ERR_NO_MEMORY;
  }
  if (*pResult < 0) return nullptr;
  *ppCursor = reinterpret_cast<SEG_HEAD*>(const_cast<char*>(p));
  return chain.Release();
}

LIST* StrToList(const char* pszText, COLORREF color, const LOGFONT* pFont) {
  MeasuringDC::Hold measuring;
  ChainBuilder chain;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pszText); *p; ++p) {
    int code;
    if (KVIsLeadByte(*p)) {
      if (p[1] == 0) break;  // a lead byte cut off by the end of the text
      code = p[0] * 256 + p[1];
      ++p;
    } else if (*p == '\t') {
      code = ' ';
    } else if (*p == '\r') {
      code = KV_CODE_NEWLINE;
    } else if (*p < 0x20) {
      continue;
    } else {
      code = *p;
    }
    if (KVIsStorableCharCode(code)) chain.Append(new KVObjChar(code, color, pFont));
  }
  return chain.Release();
}
