// Hostile-input generators that travel in a memo stream: font records and bitmap bodies.
#include <cstring>

#include "ClipboardFormats.h"
#include "DocSupport.h"
#include "FontRecord.h"
#include "HostileInput.h"

namespace {

// Values near every bound the readers keep, and some far beyond.
const uint32_t kFontSizes[] = {0,     1,          0xFFFFFFFF, 16,         0xFFFFFFF0, 1638,
                               2184,  4096,       4097,       0xFFFFF000, 0xFFFFEFFF, 16000,
                               65505, 0xFFF40000, 0x7FFFFFFF, 0x80000000};
const uint32_t kAngles[] = {0, 900, 3599, 3600, 3601, 65535, 0xFFFFFFFF, 0xFFFFF1F0, 0x80000000};
const uint32_t kWeights[] = {0, 400, 700, 1000, 1001, 0xFFFFFFFF, 0x7FFFFFFF};
const uint32_t kCharSets[] = {ANSI_CHARSET, DEFAULT_CHARSET, SHIFTJIS_CHARSET, OEM_CHARSET, 0x55};

LOGFONT RandomFont(HostileRng& rng) {
  LOGFONT font = JapaneseFont();
  font.lfHeight = static_cast<LONG>(rng.Pick(kFontSizes));
  font.lfWidth = static_cast<LONG>(rng.Below(2) ? 0 : rng.Pick(kFontSizes));
  font.lfEscapement = static_cast<LONG>(rng.Below(2) ? 0 : rng.Pick(kAngles));
  font.lfOrientation = static_cast<LONG>(rng.Below(2) ? 0 : rng.Pick(kAngles));
  font.lfWeight = static_cast<LONG>(rng.Pick(kWeights));
  font.lfCharSet = static_cast<BYTE>(rng.Pick(kCharSets));
  font.lfItalic = static_cast<BYTE>(rng.Below(3) ? 0 : rng.Next());
  font.lfQuality = static_cast<BYTE>(rng.Below(3) ? 0 : rng.Next());
  if (rng.Below(4) == 0)
    for (char& c : font.lfFaceName) c = static_cast<char>(0x81 + rng.Below(0x7C));
  return font;
}

bool WithinBounds(const LOGFONT& f) {
  auto within = [](LONG v, LONG bound) { return v >= -bound && v <= bound; };
  return within(f.lfHeight, kFontMaxCell) && within(f.lfWidth, kFontMaxCell) &&
         within(f.lfEscapement, kFontFullTurn - 1) && within(f.lfOrientation, kFontFullTurn - 1) &&
         f.lfWeight >= 0 && f.lfWeight <= kFontMaxWeight &&
         std::memchr(f.lfFaceName, 0, LF_FACESIZE) != nullptr;
}

std::string FontFault(const LOGFONT& given, const LOGFONT& taken) {
  if (!WithinBounds(taken)) return "a font out of bounds was taken";
  LOGFONT sane = given;
  if (!KVKeepFontSane(&sane) && std::memcmp(&given, &taken, sizeof given) != 0)
    return "a sane font did not read back byte for byte";
  return "";
}

// Whether text comes back unchanged through the code page's conversion to Unicode and back,
// as the system's settings-file functions convert it.
bool IsCodePageText(const char* text) {
  wchar_t wide[LF_FACESIZE];
  char back[LF_FACESIZE * 2];
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wide, LF_FACESIZE);
  return length > 0 &&
         WideCharToMultiByte(CP_ACP, 0, wide, -1, back, sizeof back, nullptr, nullptr) > 0 &&
         std::strcmp(back, text) == 0;
}

// The record written to the settings file and read back. Its face name ends inside its
// field, as the writer needs; random bytes there become a real name of the full width,
// since the settings file keeps only text of the code page.
HostileResult SettingsFontCase(LOGFONT font) {
  font.lfFaceName[LF_FACESIZE - 1] = '\0';
  if (!IsCodePageText(font.lfFaceName))
    lstrcpyA(font.lfFaceName, "表表表表表表表表表表表表表表表x");
  MakeConfigFolder();
  LOGFONT read = {};
  KVWriteProfileFont("HostileInput", "Font", &font);
  KVGetProfileFont("HostileInput", "Font", &read);
  KVWriteProfileString("HostileInput", nullptr, nullptr);
  HostileResult result;
  result.accepted = true;
  result.fault = FontFault(font, read);
  return result;
}

// A link to a missing file, so its caption is drawn in the running font.
Bytes LinkSegment() {
  const std::string path = "C:\\nowhere\\hostile.dat";
  const Bytes record = U16(1) + U32(0) + path + Bytes(260 - path.size(), '\0') + Bytes(260, '\0');
  return Segment(SEG_LINK, U32(0x70000001) + U32(0xFFFFFF) + U32(3) + U32(4) + U32(120) + U32(40) +
                               U32(0) + U32(0) + record + U32(7) + "caption" + Bytes(1, '\0'));
}

}  // namespace

// Characters, a link caption and a nested box in one font, another font after them, read
// from a memo file (drawn and saved) or from pasted memo data; or a font record of the
// settings file.
HostileResult HostileFontCase(HostileRng& rng) {
  const LOGFONT first = RandomFont(rng), last = RandomFont(rng);
  const Bytes nested =
      Segment(SEG_TBOX, U32(0) + U32(0xFFFFFF) + U32(0) + U32(0) + U32(80) + U32(20)) + "in" +
      BoxTail();
  const Bytes run = Segment(SEG_COLOR, U32(0)) + Segment(SEG_FONT, FontBody(first)) + "A表" +
                    LinkSegment() + nested + Segment(SEG_FONT, FontBody(last)) + "z";
  HostileResult result;
  KVDocText doc;
  switch (rng.Below(3)) {
    case 0: {
      std::string file = HostileMemoFile(run);
      result = LoadDrawResave(file);
      if (!result.accepted || !result.fault.empty()) return result;
      doc.SetData(0, reinterpret_cast<SEG_HEAD*>(&file[0]), static_cast<int>(file.size()));
      break;
    }
    case 1:
      result.accepted =
          PasteThroughClipboard(doc, KVGetClipboardFormats().dataBus,
                                GlobalOf(BoxHead(0, 0xFFFFFF, 100, 20) + run + BoxTail()));
      if (!result.accepted) result.fault = "the clipboard would not open";
      break;
    default:
      return SettingsFontCase(first);
  }
  LIST* head = doc.Box()->m_list.pHead;
  if (result.fault.empty()) result.fault = FontFault(first, head->pObj->m_logFont);
  if (result.fault.empty())
    result.fault = FontFault(last, doc.Box()->m_list.pTail->pPrev->pObj->m_logFont);
  for (LIST* n = head; n && result.fault.empty(); n = n->pNext)
    if (!WithinBounds(n->pObj->m_logFont)) result.fault = "an object kept a font out of bounds";
  return result;
}

// A bitmap body whose geometry is mostly sound, with one field or the pixel block made
// hostile in most rounds.
HostileResult HostilePictureCase(HostileRng& rng) {
  static const uint32_t kDepths[] = {1, 4, 8, 16, 24, 32};
  static const uint32_t kOdd[] = {0,          1,          2,          3,         40,
                                  255,        256,        257,        0xFFFF,    0x10000,
                                  0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE};
  const uint32_t width = 1 + rng.Below(24), height = 1 + rng.Below(24);
  const uint32_t bits = kDepths[rng.Below(6)];
  const uint32_t colours = bits <= 8 ? 1u << bits : 0;
  uint32_t header[10] = {40, width, height, 1 | (bits << 16), 0, 0, 0, 0, colours, colours};
  uint32_t place[5] = {rng.Below(2) ? 0x80000001u : 1u, 0, 0, 1 + rng.Below(64), 1 + rng.Below(64)};
  size_t pixels = ((width * bits + 31) / 32) * 4 * height;
  switch (rng.Below(4)) {
    case 0:
      header[rng.Below(10)] = rng.Pick(kOdd);
      break;
    case 1:
      place[rng.Below(5)] = rng.Pick(kOdd);
      break;
    case 2:
      pixels =
          rng.Below(2) ? rng.Below(static_cast<uint32_t>(pixels) + 1) : pixels + 1 + rng.Below(64);
      break;
    default:
      break;
  }
  Bytes body;
  for (uint32_t v : place) body += U32(v);
  for (uint32_t v : header) body += U32(v);
  for (uint32_t i = 0; i < colours && header[8] == colours; ++i) body += U32(i * 0x010101u);
  body += U32(0);
  for (size_t i = 0; i < pixels; ++i) body += static_cast<char>(rng.Next());
  return LoadDrawResave(HostileMemoFile("a" + Segment(SEG_BMAP, body) + "b"));
}
