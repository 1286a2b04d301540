// Claiming, reading, rewriting and removing recovery copies on disk.
#include "RecoveryClaim.h"

#include <cstring>

#include "ScopedFind.h"

namespace {

const DWORD kLargestSide = 4096;

bool ReadAll(HANDLE file, std::string* text) {
  char buffer[kLargestSide];
  DWORD read = 0;
  if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr) || read >= sizeof buffer)
    return false;
  text->assign(buffer, read);
  return true;
}

bool HasSuffix(const char* name, const char* suffix) {
  const size_t length = std::strlen(name), suffixLength = std::strlen(suffix);
  return length > suffixLength && lstrcmpiA(name + length - suffixLength, suffix) == 0;
}

}  // namespace

ClaimResult ClaimedCopy::Claim(const RecoveryOwner& self) {
  m_handle.Reset(CreateFileA(SidePath().c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!m_handle.IsOpen()) return ClaimResult::kBusy;
  std::string text;
  if (!ReadAll(m_handle.Get(), &text) || !ParseRecoverySide(text, &m_side))
    return ClaimResult::kDamaged;
  const bool mine = m_side.owner.pid == self.pid && m_side.owner.started == self.started;
  if (!mine && IsOwnerRunning(m_side.owner, ProbeProcess(m_side.owner.pid),
                              OwnProgramName().c_str())) {
    Release();
    return ClaimResult::kLive;
  }
  if (GetFileAttributesA(CopyPath().c_str()) == INVALID_FILE_ATTRIBUTES) return ClaimResult::kNoCopy;
  return ClaimResult::kClaimed;
}

FILETIME ClaimedCopy::CopyWritten() const {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  GetFileAttributesExA(CopyPath().c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

bool ClaimedCopy::SetOwner(const RecoveryOwner& owner) {
  RecoverySide side = m_side;
  side.owner = owner;
  const std::string text = FormatRecoverySide(side);
  DWORD written = 0;
  if (SetFilePointer(m_handle.Get(), 0, nullptr, FILE_BEGIN) != 0 ||
      !WriteFile(m_handle.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
      written != text.size() || !SetEndOfFile(m_handle.Get()))
    return false;
  m_side = side;
  return FlushFileBuffers(m_handle.Get()) != FALSE;
}

// The copy goes first: a side record left alone holds nothing and is swept as kNoCopy.
void ClaimedCopy::Delete() {
  DeleteFileA(CopyPath().c_str());
  FILE_DISPOSITION_INFO dispose = {TRUE};
  SetFileInformationByHandle(m_handle.Get(), FileDispositionInfo, &dispose, sizeof dispose);
  Release();
}

void ClaimedCopy::SetAside() {
  MoveFileA(CopyPath().c_str(), (CopyPath() + ".damaged").c_str());
  Release();
  MoveFileA(SidePath().c_str(), (SidePath() + ".damaged").c_str());
}

std::vector<std::string> ListRecoveryKeys(const std::string& folder) {
  std::vector<std::string> keys;
  WIN32_FIND_DATAA found;
  ScopedFind find(folder + "*" + kRecoverySideExt, &found);
  for (bool more = find.IsOpen(); more; more = find.Next(&found)) {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        HasSuffix(found.cFileName, kRecoverySideExt))
      keys.emplace_back(found.cFileName, std::strlen(found.cFileName) - std::strlen(kRecoverySideExt));
  }
  return keys;
}
