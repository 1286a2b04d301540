// New memo windows cascade from the memo window that started them instead of all opening
// at one place on top of each other.
#pragma once

#include <windows.h>

// Places a window that brought no placement of its own one caption height below and to the
// right of the window that started this process, kept on that screen's work area.
void PlaceBelowOpener(HWND frame);
// Names this frame as the opener of every process it starts from now on.
void AnnounceAsOpener(HWND frame);
