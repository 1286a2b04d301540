// KVFile: attaching a link record, the expanded path, starting the target and its icon.
#include "KVFile.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "DiskFile.h"
#include "FileIcons.h"
#include "KVErrors.h"
#include "KVFilePaths.h"
#include "KVProfile.h"
#include "ScopedHandle.h"
#include "SjisText.h"

namespace {

// Where no program is associated with memos (the program unpacked from its zip, say), a
// memo opens in the editor beside this library, in a process of its own as always.
bool StartMemoEditor(const char* path) {
  char program[MAX_PATH];
  if (!KVJoinPath(program, sizeof program, KVGetFolders().program, "KVMemo.exe")) return false;
  std::string command = std::string("\"") + program + "\" \"" + path + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started))
    return false;
  ScopedHandle process(started.hProcess);
  ScopedHandle thread(started.hThread);
  return true;
}

}  // namespace

KVFile::KVFile() : m_nType(FT_MISSING), m_link(), m_bUnexpanded(false) {
  m_link.wKind = 1;
  m_link.nState = -1;
}

KVFile::KVFile(const KVFile& other)
    : m_nType(other.m_nType), m_link(other.m_link), m_bUnexpanded(other.m_bUnexpanded) {}

KVFile& KVFile::operator=(const KVFile& other) {
  m_nType = other.m_nType;
  m_link = other.m_link;
  m_bUnexpanded = other.m_bUnexpanded;
  return *this;
}

KVFile::~KVFile() = default;

int KVFile::Attach(const LINK* pLink) {
  if (IsAttached()) return KV_ERR_NO_FILE;
  if (!pLink) return KV_ERR_NO_FILE;
  // A record from a file may lack its zero; a path that does not fit is refused, since a
  // cut path would name another file.
  if (!std::memchr(pLink->szPath, '\0', sizeof pLink->szPath)) return KV_ERR_TOO_LONG;
  LINK link = *pLink;
  if (!KVExpandMacro(pLink->szPath, link.szPath)) return KV_ERR_TOO_LONG;
  link.nState = 0;
  m_link = link;
  m_bUnexpanded = false;
  bool exists = IsExist(m_link.szPath);
  m_nType = GetFileType(m_link.szPath);
  return exists ? KV_OK : KV_ERR_OPEN;
}

int KVFile::Attach(const char* pszPath) {
  if (IsAttached()) return KV_ERR_NO_FILE;
  LINK link = {};
  link.wKind = 1;
  link.nState = 0;
  if (!pszPath || !KVCopyCut(link.szPath, sizeof link.szPath, pszPath)) return KV_ERR_TOO_LONG;
  return Attach(&link);
}

// Cut or left out, the path would name another file or none, and the next save would
// store that: the record is kept whole and its target counts as missing.
int KVFile::AttachStored(const LINK* pLink) {
  int result = Attach(pLink);
  if (result != KV_ERR_TOO_LONG) return result;
  m_link = *pLink;
  m_link.nState = 0;
  m_nType = FT_MISSING;
  m_bUnexpanded = true;
  return result;
}

void KVFile::StoredLink(LINK* pDst) const {
  *pDst = m_link;
  if (m_bUnexpanded) return;
  std::memset(pDst->szPath, 0, sizeof pDst->szPath);
  MacroForm(m_link.szPath, pDst->szPath);
}

int KVFile::Detach() {
  if (!IsAttached()) return KV_ERR_NO_FILE;
  m_link.nState = -1;
  m_bUnexpanded = false;
  return KV_OK;
}

int KVFile::GetPathName(char* pszDst) const {
  if (!IsAttached()) return KV_ERR_NO_FILE;
  if (m_bUnexpanded) return KV_ERR_TOO_LONG;
  KVCopyCut(pszDst, MAX_PATH, m_link.szPath);
  return KV_OK;
}

int KVFile::ExecFile() {
  if (!IsAttached()) return KV_ERR_NO_FILE;
  if (m_bUnexpanded) return KV_ERR_TOO_LONG;
  if (KVIsDevicePath(m_link.szPath)) return KV_ERR_OPEN;
  const char* verb = m_nType == FT_FOLDER ? "explore" : "open";
  INT_PTR result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, verb, m_link.szPath, nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return KV_OK;
  if (result == SE_ERR_NOASSOC && m_nType == FT_MEMO && StartMemoEditor(m_link.szPath))
    return KV_OK;
  if (result == 0) return KV_ERR_NO_MEMORY;
  if (result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND) return KV_ERR_OPEN;
  return KV_ERR_NO_FILE;
}

HICON KVFile::GetFileIcon() {
  if (!IsAttached() || m_bUnexpanded || KVIsDevicePath(m_link.szPath)) return nullptr;
  // Memos and addresses show the icon of a representative file of their kind.
  char source[MAX_PATH];
  if (m_nType == FT_MEMO) {
    KVJoinPath(source, sizeof source, KVGetFolders().program, "KVMemo.exe");
  } else if (m_nType == FT_URL) {
    KVJoinPath(source, sizeof source, KVGetFolders().program, "Kavelo.html");
  } else {
    KVCopyCut(source, sizeof source, m_link.szPath);
  }
  // An address takes the icon of web pages from the shell's association, whether or not a
  // page lies beside the program.
  return CopyFileIcon(source, m_nType == FT_URL);
}
