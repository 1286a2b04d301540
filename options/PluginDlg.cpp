// The plug-in dialog: the library is chosen with the platform's file-open dialog.
#include "PluginDlg.h"

#include <commdlg.h>

#include <utility>

#include "resource.h"

namespace {

const int kExtensionLimit = 15;
const EntryMessages kMessages = {IDS_NO_EXTENSION, IDS_EXTENSION_PERCENT, IDS_EXTENSION_EXISTS,
                                 IDS_NO_PLUGIN_PATH};

}  // namespace

CPluginDlg::CPluginDlg(std::vector<std::string> taken)
    : CEntryDlg(IDD_PLUGIN, kExtensionLimit, kMessages, std::move(taken)) {}

bool CPluginDlg::Browse(std::string* path) {
  static const char kFilter[] = "ﾌﾟﾗｸﾞｲﾝﾌｧｲﾙ (*.dll)\0*.dll\0";
  char file[MAX_PATH] = "";
  OPENFILENAMEA open = {};
  open.lStructSize = sizeof open;
  open.hwndOwner = m_hWnd;
  open.lpstrFilter = kFilter;
  open.lpstrFile = file;
  open.nMaxFile = sizeof file;
  open.lpstrDefExt = "dll";
  open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameA(&open)) return false;
  *path = file;
  return true;
}
