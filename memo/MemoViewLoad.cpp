// The memo view's start-up load: a memo file, or any other file imported as a new memo. A
// memo file that is not read to its end opens without a path, so no save can write the
// partial reading over it.
#include <cstdlib>

#include "FileMessages.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "MemoGlobals.h"
#include "MemoView.h"
#include "resource.h"

UINT CMemoView::DamageReason(int result, const KVLoadReport& report) {
  if (result == KV_ERR_VERSION) return IDS_REASON_NEWER;
  if (result < 0) return IDS_REASON_DAMAGED;
  if (!report.docHead) return IDS_REASON_NOT_MEMO;
  if (report.unread > 0) return IDS_REASON_LEFT_OVER;
  return 0;
}

CMemoView::LoadOutcome CMemoView::LoadFile(const char* path) {
  KVFile file;
  int attached = file.Attach(path);
  if (attached == KV_ERR_TOO_LONG) {
    ShowFileSystemError(IDS_CANNOT_READ, path, ERROR_FILENAME_EXCED_RANGE);  // it may exist
    return LoadOutcome::kFailed;
  }
  if (attached < 0) {
    DWORD error = GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
    ShowFileSystemError(IDS_FILE_NOT_FOUND, path, error);
    return LoadOutcome::kFailed;
  }
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    ShowFileError(IDS_CANNOT_READ, path, LoadText(IDS_REASON_FOLDER));  // not "access denied"
    return LoadOutcome::kFailed;
  }
  m_doc.Clear();
  // Taken before reading: a change while the file is read counts as a change.
  m_diskStamp = FileStamp::Of(path);
  KVLoadReport report;
  int result = m_doc.LoadReporting(&file, &report);
  bool memoStream = report.bytesRead && file.FileType() == FT_MEMO;
  if (!memoStream && result < 0) {
    DWORD error = report.bytesRead ? ERROR_NOT_ENOUGH_MEMORY : KVLastFileError();
    ShowFileSystemError(IDS_CANNOT_READ, path, error);
    return LoadOutcome::kFailed;
  }
  // An empty memo file (made by the shell's "New" menu, say) holds nothing to lose.
  const bool emptyFile = m_diskStamp.exists && m_diskStamp.size == 0;
  UINT damage = memoStream && !emptyFile ? DamageReason(result, report) : 0;
  if (damage == 0) return LoadOutcome::kWhole;
  std::string reason = LoadText(damage);
  // Behind a head that is no memo's, whatever was read as characters is noise.
  const bool showPart = result >= 0 && damage != IDS_REASON_NOT_MEMO;
  if (showPart) reason += "\n" + LoadText(IDS_PARTIAL_SHOWN);
  ShowFileError(IDS_CANNOT_READ, path, reason);
  if (showPart) return LoadOutcome::kPartial;
  m_doc.Clear();
  return LoadOutcome::kFailed;
}

void CMemoView::LoadStartupFile(HWND frame) {
  char ext[_MAX_EXT] = "";
  _splitpath(g_szFilePath, nullptr, nullptr, nullptr, ext);
  bool memoFile = lstrcmpiA(ext, ".kvm") == 0;
  LoadOutcome outcome = LoadFile(g_szFilePath);
  if (outcome == LoadOutcome::kFailed) {
    g_szFilePath[0] = '\0';
    return;
  }
  // The box comes with the width it was saved at: it takes the view's width (a restored
  // placement resizes the view, which does the same).
  CRect client = ClientRect();
  m_doc.SetSize(CSize(client.Width() - kLeftMargin, client.Height()));
  if (memoFile && outcome == LoadOutcome::kWhole) {
    if (m_doc.m_wndpl.length != 0) {
      WINDOWPLACEMENT placement = m_doc.m_wndpl;
      placement.showCmd = SW_SHOWNORMAL;
      SetWindowPlacement(frame, &placement);
    }
    lstrcpynA(g_szDocName, m_doc.m_strDocName.c_str(), sizeof g_szDocName);
  } else {
    g_szFilePath[0] = '\0';  // imported or partly read content is a new memo, saved by name
  }
  Refresh();
}
