// Blocks of global memory as the clipboard and drops carry them, and the clipboard itself.
#include "GlobalBlocks.h"

#include <shlobj.h>

#include <cstring>

HGLOBAL GlobalOf(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
  if (void* to = block ? GlobalLock(block) : nullptr) {
    std::memcpy(to, bytes.data(), bytes.size());
    GlobalUnlock(block);
  }
  return block;
}

std::string BytesOf(HGLOBAL block) {
  std::string bytes;
  if (const char* data = static_cast<const char*>(GlobalLock(block))) {
    bytes.assign(data, GlobalSize(block));
    GlobalUnlock(block);
  }
  return bytes;
}

std::string DropFilesBytes(const std::vector<std::string>& paths) {
  DROPFILES header = {};
  header.pFiles = sizeof header;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& path : paths) bytes.append(path).push_back('\0');
  bytes.push_back('\0');
  return bytes;
}

bool PutOnClipboard(UINT format, const std::string& bytes) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalOf(bytes);
  const bool put = block && SetClipboardData(format, block);
  if (block && !put) GlobalFree(block);
  CloseClipboard();
  return put;
}

void EmptyTheClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  if (HANDLE data = GetClipboardData(format)) bytes = BytesOf(data);
  CloseClipboard();
  return bytes;
}

std::string ClipboardText() { return ClipboardBytes(CF_TEXT).c_str(); }

bool ClipboardHas(const char* formatName) {
  return IsClipboardFormatAvailable(RegisterClipboardFormatA(formatName)) != 0;
}
