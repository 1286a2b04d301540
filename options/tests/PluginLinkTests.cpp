// A plug-in registered in the editor is the one the library opens a link's file with.
#include <fstream>

#include "KVDocPlugin.h"
#include "KVFile.h"
#include "KVObjLink.h"
#include "OptionTest.h"
#include "resource.h"

namespace {

// Registers (or, with an empty path, deletes) the "mag" plug-in on the plug-ins page.
void RegisterMagViewer(const std::string& library) {
  SheetDriver editor;
  ASSERT_TRUE(editor.WaitForSheet());
  editor.ShowPage(kPluginPage);
  if (library.empty()) {
    RemoteList(editor.Process(), editor.Control(IDC_PLUGIN_LIST)).Select(0);
    editor.Run(IDC_PLUGIN_DELETE);
  } else {
    editor.Click(IDC_PLUGIN_ADD);
    HWND dialog = WaitForOwnedDialog(editor.Sheet(), "プラグインの追加・編集");
    ASSERT_TRUE(dialog);
    ASSERT_EQ(SubmitEntry(dialog, "mag", library.c_str()), "");
  }
  editor.Press(PSBTN_OK);
  ASSERT_EQ(editor.WaitForExit(), 0);
}

// A link to the file with room for its viewer, as a memo opens it in place.
KVObjLink* LinkTo(const std::string& path) {
  KVFile file;
  file.Attach(path.c_str());
  auto* link = new KVObjLink(nullptr, file);
  link->SetSize(CSize(150, link->MinSize().cy + 100));
  return link;
}

}  // namespace

TEST_F(OptionTest, AMagLinkOpensThroughTheViewerRegisteredHere) {
  RegisterMagViewer(ProgramFolder() + "ImagePane.dll");
  ASSERT_FALSE(HasFatalFailure());
  const std::string picture = KaveloFolder() + "\\Data\\picture.mag";
  std::ofstream(picture, std::ios::binary) << "MAKI02  ";

  KVObjLink* link = LinkTo(picture);
  EXPECT_EQ(link->FileType(), FT_PLUGIN);
  auto* viewer = dynamic_cast<KVDocPlugin*>(link->m_pChild);
  ASSERT_NE(viewer, nullptr);
  EXPECT_NE(viewer->m_hLibrary, nullptr);
  EXPECT_NE(viewer->m_hInstance, 0u);
  EXPECT_NE(GetModuleHandleA("ImagePane.dll"), nullptr);
  delete link;
  EXPECT_EQ(GetModuleHandleA("ImagePane.dll"), nullptr);

  // Deleted in the editor, the registration no longer makes the file a plug-in type.
  RegisterMagViewer("");
  ASSERT_FALSE(HasFatalFailure());
  link = LinkTo(picture);
  EXPECT_NE(link->FileType(), FT_PLUGIN);
  delete link;
}
