// The font dialog of the programs: where it starts and the character set of the choice.
#include "MemoFont.h"

namespace {

int CALLBACK NoteTrueType(const LOGFONTA*, const TEXTMETRICA*, DWORD type, LPARAM found) {
  if (type & TRUETYPE_FONTTYPE) *reinterpret_cast<bool*>(found) = true;
  return 1;
}

// True when the screen has a TrueType face of this name in the character set
// (DEFAULT_CHARSET: in any).
bool HasTrueTypeFace(const char* face, BYTE charSet) {
  LOGFONTA query = {};
  query.lfCharSet = charSet;
  lstrcpynA(query.lfFaceName, face, LF_FACESIZE);
  if (!query.lfFaceName[0]) return false;
  ScopedWindowDC desktop(GetDesktopWindow());
  bool found = false;
  EnumFontFamiliesExA(desktop, &query, NoteTrueType, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

void KeepJapanese(LOGFONTA* font) {
  if (HasTrueTypeFace(font->lfFaceName, SHIFTJIS_CHARSET)) font->lfCharSet = SHIFTJIS_CHARSET;
}

}  // namespace

bool ChooseMemoFont(HWND owner, DWORD flags, LPCFHOOKPROC hook, LOGFONTA* font) {
  LOGFONTA chosen = *font;
  if (!HasTrueTypeFace(chosen.lfFaceName, DEFAULT_CHARSET)) chosen = BuiltInMemoFont();
  KeepJapanese(&chosen);
  CHOOSEFONTA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.lpLogFont = &chosen;
  choose.Flags = flags | CF_SCREENFONTS | CF_TTONLY | CF_NOVERTFONTS | CF_INITTOLOGFONTSTRUCT;
  choose.lpfnHook = hook;
  if (!ChooseFontA(&choose)) return false;
  KeepJapanese(&chosen);
  *font = chosen;
  return true;
}
