// The fixture of the options editor's tests: every test starts without a settings file and
// leaves none behind; helpers seed the file and answer the entry dialogs.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "IniFile.h"
#include "RemoteList.h"
#include "SheetDriver.h"

// Page indexes, in the sheet's order.
enum { kFilePage, kGeneralPage, kObjectDefaultsPage, kLinkDefaultsPage, kPluginPage };

class OptionTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveSettings(); }
  void TearDown() override { RemoveSettings(); }

  static void RemoveSettings();
  // Writes the settings file's whole text (lines joined with CR LF).
  static void SeedSettings(const std::string& text);
  static IniFile Settings() { return IniFile(SettingsPath()); }
};

// Fills the open folder or plug-in dialog (a null field is left as it is) and presses OK.
// The text of the message box that came, after answering it with the button, or "" when
// the dialog accepted and closed at once.
std::string SubmitEntry(HWND dialog, const char* name, const char* path, int answer = IDOK);
// A folder made for the test inside the Kavelo folder (removed with it); its path.
std::string MakeTestFolder(const std::string& name);
// A section's keys and values, sorted, for comparisons that ignore the order of writes.
IniSection Sorted(IniSection section);
