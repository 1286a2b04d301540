// Fixture helpers: a clean settings folder, seeded files and the entry dialogs.
#include "OptionTest.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <shlobj.h>

#include "resource.h"

void OptionTest::RemoveSettings() {
  SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::error_code ignored;
  std::filesystem::remove_all(KaveloFolder(), ignored);
}

void OptionTest::SeedSettings(const std::string& text) {
  std::filesystem::create_directories(KaveloFolder() + "\\Config");
  std::ofstream file(SettingsPath(), std::ios::binary);
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    file << text.substr(start, end - start) << "\r\n";
    start = end + 1;
  }
}

std::string SubmitEntry(HWND dialog, const char* name, const char* path, int answer) {
  if (name)
    SendTo(GetDlgItem(dialog, IDC_ENTRY_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  if (path)
    SendTo(GetDlgItem(dialog, IDC_ENTRY_PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  HWND box = nullptr;
  bool answered = WaitUntil([&] {
    return !IsWindow(dialog) || !IsWindowVisible(dialog) ||
           (box = OwnedDialog(dialog)) != nullptr;
  });
  if (!answered) return "<no answer>";
  if (!box) return "";
  std::string text = MessageText(box);
  PressAndWait(box, answer);
  return text;
}

std::string MakeTestFolder(const std::string& name) {
  std::string path = KaveloFolder() + "\\Folders\\" + name;
  SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
  return path;
}

IniSection Sorted(IniSection section) {
  std::sort(section.begin(), section.end());
  return section;
}
