// The base of the end-to-end tests: default settings, a fresh folder for each test's files,
// and the memo processes it starts, all ended when the test ends.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "MemoProcess.h"

#include "../../memo/resource.h"

// WM_COMMAND ids of the memo window.
const WORD kCmdNewMemo = ID_FILE_NEW;
const WORD kCmdSave = ID_FILE_SAVE;
const WORD kCmdSaveAs = ID_FILE_SAVE_AS;
const WORD kCmdExit = ID_APP_EXIT;
const WORD kCmdCloseAll = ID_FILE_CLOSE_ALL;

// The save prompt of a changed memo on close.
extern const char kSavePrompt[];
extern const char kUntitledTitle[];

// A rectangle as "(left,top)-(right,bottom)", so rectangles compare and print as a whole.
std::string RectText(const RECT& rect);

class MemoTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts KVMemo.exe; the process is ended at the end of the test if it still runs.
  MemoProcess& Launch(const std::string& argument = "");
  // The folder for this test's files, ending in a backslash.
  const std::string& Folder() const { return folder_; }
  static void Command(HWND frame, WORD id);
  static void Close(HWND frame);
  // Presses Ctrl+S in a memo that has no file and cancels the save-file dialog that must
  // ask for a name; false when none asked.
  static bool SaveAsksForAName(HWND frame);
  // Moves and sizes a window as a person dragging it would.
  static RECT Place(HWND frame, int x, int y, int width, int height);

 private:
  std::string folder_;
  std::vector<std::unique_ptr<MemoProcess>> processes_;
};
