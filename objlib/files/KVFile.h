// KVFile: the library's handle on one file or address, with the LINK record that memo
// files store and memo windows exchange, path macros, file types, whole-file reading and
// writing, the shell, icons and the title of a linked memo.
#pragma once

#include <windows.h>

#include <cstdint>

#include "KVObjApi.h"

#pragma pack(push, 1)
struct LINK {
  int16_t wKind;       // written as 1, carried verbatim
  int32_t nState;      // -1 nothing attached, 0 attached
  char szPath[260];    // expanded in memory, macro form in memo files
  char szAux[260];     // written empty, carried verbatim
};
#pragma pack(pop)
static_assert(sizeof(LINK) == 526, "LINK is a packed 526-byte record");

enum KVFileType {
  FT_MISSING = -1,
  FT_MEMO = 0,
  FT_FOLDER = 1,
  FT_PROGRAM = 2,
  FT_IMAGE = 3,
  FT_TEXT = 4,
  FT_URL = 5,
  FT_PLUGIN = 128,
  FT_OTHER = 256,
};

// Results of KVFile besides those of KVErrors.h.
const int KV_ERR_NOT_MEMO = -1;

// The system's error code behind the last failure of ReadFile or WriteFile on this thread;
// 0 when that call succeeded or failed for no system reason.
KVOBJ_API DWORD KVLastFileError();

class KVOBJ_API KVFile {
 public:
  KVFile();
  KVFile(const KVFile& other);
  KVFile& operator=(const KVFile& other);
  virtual ~KVFile();

  // Takes a record, expands its macro and classifies it: 0 when the target exists, -7 when
  // not (attached either way), -10 when already attached and -12 when the path does not
  // fit 259 bytes (nothing changes).
  int Attach(const LINK* pLink);
  int Attach(const char* pszPath);
  // Attach for a record read from a memo file. A path that cannot be expanded within 259
  // bytes (or has no zero) is kept as stored rather than refused: the file is attached but
  // missing, is never read, written or started, and StoredLink gives the record back
  // unchanged. Results as Attach.
  int AttachStored(const LINK* pLink);
  int Detach();
  LINK* GetLink() { return &m_link; }
  int FileType() const { return m_nType; }
  bool IsAttached() const { return m_link.nState >= 0; }
  // Copies the expanded path (at most 259 bytes and its zero) into pszDst; -12 for a
  // record kept unexpanded.
  int GetPathName(char* pszDst) const;
  // The title stored in a linked memo's document head, at most 259 bytes.
  int GetDocName(char* pszDst) const;
  // The whole file in a new movable global block (an HGLOBAL) with a zero byte after the
  // data; returns the byte count. The caller frees the block.
  int ReadFile(void** ppBlock);
  // Replaces the file with count bytes. The bytes go to a temporary file beside the target
  // first, so a failed write leaves the old file as it was.
  int WriteFile(const char* pData, int nCount);
  int ExecFile();
  // The small icon the shell shows for the target, which the caller destroys; null for none.
  HICON GetFileIcon();

  // The stored form of an expanded path: %N%, %user%, %usr% or %bin% for a path inside one
  // of those folders, cut to 259 bytes; pszDst holds 260 bytes.
  static void MacroForm(const char* pszPath, char* pszDst);
  // The record as a memo file stores it: the path in macro form, the rest of its field zero.
  void StoredLink(LINK* pDst) const;

  int m_nType;
  LINK m_link;

 protected:
  bool IsExist(const char* pszPath);
  int GetFileType(const char* pszPath);

 private:
  bool m_bUnexpanded;  // m_link is a stored record whose path could not be expanded
};
