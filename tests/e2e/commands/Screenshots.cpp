// Screenshots for a person to look at, taken by a watcher script outside Wine.
#include "Screenshots.h"

#include <windows.h>

#include "Poll.h"
#include "TestFiles.h"

void TakeShot(const std::string& name) {
  char folder[MAX_PATH] = "";
  DWORD length = GetEnvironmentVariableA("KV_SHOT_DIR", folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const std::string base = std::string(folder) + "\\" + name;
  DeleteFileA((base + ".png").c_str());
  WriteWholeFile(base + ".want", name);
  WaitUntil([&] { return FileExists(base + ".png") && !FileExists(base + ".want"); }, 10000);
}
