// Recovery copies on disk: the name of a window's copy, the side data stored beside it (the
// memo's path and the owning process), and the rule for which copies belong to live windows.
#pragma once

#include <windows.h>

#include <string>

#include "FileStamp.h"

// A process, told apart from a later one given the same id by its creation time.
struct RecoveryOwner {
  DWORD pid = 0;
  ULONGLONG started = 0;  // creation time in file-time units; 0 when it could not be read
};

// What a copy's side file (<key>.kvr beside <key>.kvm) records.
struct RecoverySide {
  std::string memoPath;  // full path of the memo; empty for a memo never saved
  RecoveryOwner owner;
  FileStamp diskStamp;   // the memo file as the owner last read or wrote it
};

// What is known of a running process by its id.
struct ProcessFacts {
  bool alive = false;
  ULONGLONG started = 0;
  std::string imageName;  // file name of its program, without folder
};

const char kRecoveryCopyExt[] = ".kvm";
const char kRecoverySideExt[] = ".kvr";

// The key of the copy a window writes: a hash of the memo's path folded as Windows folds
// names ("new" for an unsaved memo), then the owning process. No two windows share a key.
std::string RecoveryKey(const char* memoPath, const RecoveryOwner& owner);
std::string FormatRecoverySide(const RecoverySide& side);
// False for text that is not a complete side record.
bool ParseRecoverySide(const std::string& text, RecoverySide* side);
// A copy belongs to a running window when its owner is alive, is the same process (same
// creation time where both are known) and runs the same program as ownProgram.
bool IsOwnerRunning(const RecoveryOwner& owner, const ProcessFacts& facts,
                    const char* ownProgram);

// A process as an owner, this one, and what the system tells of process pid.
RecoveryOwner OwnerOf(HANDLE process, DWORD pid);
RecoveryOwner CurrentRecoveryOwner();
ProcessFacts ProbeProcess(DWORD pid);
// The file name of this program (KVMemo.exe), without folder.
std::string OwnProgramName();
// The folder of recovery copies, ending in a backslash: the settings folder's "Recovery".
std::string RecoveryFolder();
