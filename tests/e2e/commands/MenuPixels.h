// Which items of an open pop-up menu are greyed, read from what the menu shows: the menus
// of another process cannot be queried under Wine, but their pixels can be. Wine writes a
// greyed item's text in mid grey (128,128,128) and an enabled one in the menu text colour,
// or in the highlight text colour on the highlighted item.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One entry per item that has text (separators are left out), top to bottom: true when
// greyed.
std::vector<bool> GreyedItems(HWND menuWindow);
// The states as a string, one letter per item: "g" greyed, "e" enabled; read once the menu
// has been drawn (two reads agree and show items).
std::string GreyedPattern(HWND menuWindow);
