// Viewer registration: the user's "Plugin" keys, then the shipped viewer's default.
#include "ViewerRegistry.h"

#include <windows.h>

#include <cstring>

#include "KVProfile.h"
#include "SjisText.h"

namespace {

// What an absent key reads as: '|' cannot stand in a file name, so no stored path is this.
const char kAbsentKey[] = "|";

bool ShippedViewer(char* path, int size) {
  const char* program = KVGetFolders().program;
  if (!program[0] || !KVJoin(path, size, program, kShippedViewerLibrary)) return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool KVViewerLibraryFor(const char* extension, char* path, int size) {
  if (size <= 0) return false;
  const StringSetting setting = PluginLibrarySetting(extension);
  KVGetProfileString(setting.section, setting.key, kAbsentKey, path, size);
  if (std::strcmp(path, kAbsentKey) == 0 &&
      (lstrcmpiA(extension, kShippedViewerExtension) != 0 || !ShippedViewer(path, size)))
    path[0] = '\0';
  return path[0] != '\0';
}
