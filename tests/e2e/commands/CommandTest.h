// The base of the command, mouse and drag tests: memo windows at a fixed place, the keyboard
// on them, keys with Alt, menus, and memo windows that the program opened in processes of
// their own, ended with the test. The clipboard steps come from GlobalBlocks.h.
#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "GlobalBlocks.h"
#include "KeyboardInput.h"
#include "MemoTest.h"

// Where memo windows stand, so the layout of their text is known.
const RECT kMemoPlace = {60, 60, 700, 540};

class CommandTest : public MemoTest {
 protected:
  void TearDown() override;

  // Starts KVMemo on the file (none: a new memo), puts its window at kMemoPlace and waits
  // until it answers; null Window() on failure.
  MemoProcess& OpenMemo(const std::string& path = "");
  // OpenMemo, then the keyboard on its window (Keys()), in front and taking keys.
  MemoProcess& OpenWithKeys(const std::string& path = "");
  KeyboardInput& Keys() { return *keys_; }
  // Lets the keyboard go, so that another window can have it (one KeyboardInput at a time).
  void DropKeys() { keys_.reset(); }
  // The processes this test started itself.
  const std::set<DWORD>& Started() const { return started_; }

  // A key pressed with Alt held, as menus and Alt accelerators want it.
  static void PressAlt(WORD vk);
  // Opens a pop-up of the menu bar with Alt and its mnemonic; its window, or null. (Keys
  // that a menu takes leave no trace in the key states, so the menu itself is waited for.)
  static HWND OpenMenu(DWORD pid, char mnemonic);
  static void CloseMenus(KeyboardInput& keys, DWORD pid);
  // Focus() again after a dialog has gone: Wine gives the frame back after a moment, and
  // pushing it to the front sooner can leave it behind.
  static bool ReturnTo(KeyboardInput& keys, HWND frame);

  // The message pane of the frame's status bar.
  static std::string StatusText(HWND frame);
  // Ctrl+G, a click on the first basic colour and OK: the selection takes that colour.
  // False when the dialog did not come or go.
  static bool ColourWithFirstBasicColour(const MemoProcess& memo, KeyboardInput& keys);

  // Selects count objects from the start of the memo with Shift and the arrow keys.
  static void SelectFromStart(KeyboardInput& keys, int count);
  // What the memo holds, through Ctrl+A and Ctrl+B, which leave nothing to undo (a save
  // would empty the undo history); the caret goes to the end.
  static std::string ShownText(KeyboardInput& keys);
  // Saves with Ctrl+S and reads the memo back: its characters, a link as "@".
  static std::string SavedText(KeyboardInput& keys, const std::string& path);

  // Where the print queue puts the PDF of the job "KVMemo - " name (an extension of up to
  // three letters cut off), and whether a file holds a whole PDF.
  static std::string PdfOfJob(const std::string& name);
  static bool IsWholePdf(const std::string& bytes);

 private:
  std::set<DWORD> started_;
  std::unique_ptr<KeyboardInput> keys_;
};

// The caret of the memo's thread, in the view's client coordinates; empty when hidden.
RECT CaretRect(const MemoProcess& memo);
