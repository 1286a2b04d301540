// The platform's colour picker with the two ways of handling its custom colours.
#include "ColorPicker.h"

#include <commdlg.h>

#include "Messages.h"
#include "Settings.h"

namespace {

bool Pick(HWND owner, COLORREF* color, COLORREF custom[16], DWORD flags) {
  CHOOSECOLORA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.rgbResult = *color;
  choose.lpCustColors = custom;
  choose.Flags = flags;
  if (!ChooseColorA(&choose)) return false;
  *color = choose.rgbResult;
  return true;
}

}  // namespace

bool PickDefaultColor(HWND owner, COLORREF* color) {
  COLORREF custom[16];
  Settings::LoadCustomColors(custom);
  if (!Pick(owner, color, custom, CC_RGBINIT)) return false;
  if (!Settings::SaveCustomColors(custom)) ReportWriteFailure(owner);
  return true;
}

bool PickTextColor(HWND owner, COLORREF* color) {
  static COLORREF custom[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  COLORREF chosen = RGB(0, 0, 0);
  if (!Pick(owner, &chosen, custom, 0)) return false;
  *color = chosen;
  return true;
}
