// ClaimedCopy: one recovery copy held by this process while it is offered or restored. The
// side record stays open without sharing, so no other process can claim the same copy.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "RecoveryNames.h"
#include "ScopedHandle.h"

enum class ClaimResult {
  kClaimed,  // held; its owner is gone, or is this process
  kBusy,     // another process holds it
  kLive,     // a running memo window owns it
  kNoCopy,   // a side record without its copy (the owner died between the two writes)
  kDamaged,  // the side record cannot be read
};

class ClaimedCopy {
 public:
  ClaimedCopy(const std::string& folder, const std::string& key) : m_folder(folder), m_key(key) {}

  ClaimResult Claim(const RecoveryOwner& self);
  const std::string& Key() const { return m_key; }
  const RecoverySide& Side() const { return m_side; }
  std::string CopyPath() const { return m_folder + m_key + kRecoveryCopyExt; }
  std::string SidePath() const { return m_folder + m_key + kRecoverySideExt; }
  // When the copy was last written; zero when unknown.
  FILETIME CopyWritten() const;
  // Rewrites the side record with a new owner, in place through the held handle.
  bool SetOwner(const RecoveryOwner& owner);
  // Removes the copy and its side record.
  void Delete();
  // Renames both files out of the way ("<name>.damaged") and lets go of them.
  void SetAside();
  void Release() { m_handle.Reset(); }

 private:
  std::string m_folder;
  std::string m_key;
  ScopedHandle m_handle;
  RecoverySide m_side;
};

// The keys of the side records in folder (ending in a backslash).
std::vector<std::string> ListRecoveryKeys(const std::string& folder);
