// Working a dialog's controls as a person's input would, in this process or another: every
// message is sent with a deadline, so a stuck window never hangs a test.
#pragma once

#include <windows.h>

#include <string>

#include "Poll.h"

LRESULT SendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Tells the dialog what its control did (BN_CLICKED, EN_CHANGE, CBN_SELCHANGE ...).
void Notify(HWND dialog, int id, int code);

std::string TextOf(HWND window);
std::string ControlText(HWND dialog, int id);
// The platform's message box shows its text in the static control 0xFFFF.
std::string MessageText(HWND box);
// The texts of a dialog's static controls, joined by "|": what a message box says.
std::string DialogText(HWND dialog);
// Sets an edit's text; the dialog is not told.
void SetControlText(HWND dialog, int id, const std::string& sjisText);
// Typed or pasted over the whole text: the edit tells the dialog it changed.
void ReplaceText(HWND dialog, int id, const std::string& sjisText);

bool Checked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
bool Enabled(HWND dialog, int id);
int Chosen(HWND dialog, int id);
int ChoiceCount(HWND dialog, int id);
// Picks a combo box item, as a click in its list would.
void Choose(HWND dialog, int id, int index);
// The same by the item's text; false when the list has no such item.
bool ChooseComboItem(HWND dialog, int id, const char* text);

// Presses a button by its id, as a click would; posted, as it may open a modal dialog.
void PressButton(HWND dialog, int id);
// Presses a button and waits until the dialog is gone or hidden.
bool PressAndWait(HWND dialog, int id, DWORD timeoutMs = kWaitMs);
// Types a path into a file dialog's name box and presses OK.
void AnswerFileDialog(HWND dialog, const std::string& path);
