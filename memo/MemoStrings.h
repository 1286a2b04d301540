// Texts of the program's string table.
#pragma once

#include <windows.h>

#include <string>

// The string's text in Shift-JIS; empty when the table has no such string.
std::string LoadText(UINT id);
// A file dialog's filter: the table writes its zero bytes as '|' (a string resource ends at
// its first zero), so "Memo (*.kvm)|*.kvm|" comes back as "Memo (*.kvm)\0*.kvm\0".
std::string LoadFileFilter(UINT id);
