// Blocks of global memory as the clipboard and drops carry them, and the clipboard itself
// as another program uses it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A new movable block holding the bytes; the taker frees it.
HGLOBAL GlobalOf(const std::string& bytes);
// The whole block's bytes (GlobalSize of them).
std::string BytesOf(HGLOBAL block);
// A file list as the shell drags and drops it (CF_HDROP): DROPFILES, then the ANSI paths,
// each ending in a zero, then an empty one.
std::string DropFilesBytes(const std::vector<std::string>& paths);

// Puts bytes on the clipboard under one format alone; false when it was not open to us.
bool PutOnClipboard(UINT format, const std::string& bytes);
void EmptyTheClipboard();
// The bytes under the format, the whole block; empty when there are none.
std::string ClipboardBytes(UINT format);
// CF_TEXT up to its terminating zero.
std::string ClipboardText();
bool ClipboardHas(const char* formatName);
