// Links whose targets must not be read: devices and pipes (refused as missing files, never
// opened), and memos already open above the link (left closed, so self links stay cheap).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Canvas.h"
#include "KVErrors.h"
#include "KVFont.h"
#include "KVPaintPass.h"
#include "LinkMemoSupport.h"

namespace {

// A named pipe that nobody writes to: a reader that opens it waits for ever. Closed when the
// test process ends.
std::string ListeningPipe(const char* extension) {
  std::string name = "kvmemo-links-" + std::to_string(GetCurrentProcessId()) + extension;
  HANDLE pipe = CreateNamedPipeA(("\\\\.\\pipe\\" + name).c_str(), PIPE_ACCESS_DUPLEX, 0,
                                 PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr);
  return pipe == INVALID_HANDLE_VALUE ? "" : name;
}

void DrawWhole(KVObject& object) {
  Canvas canvas(400, 4000);
  KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
  object.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 400, 4000), false);
}

}  // namespace

// Finishing at all is the check: each pipe blocks a reader that opens it.
TEST(DeviceTargets, LinksToDevicesAndPipesLoadDrawAndReadAsMissingFiles) {
  const std::string memoPipe = ListeningPipe(".kvm"), textPipe = ListeningPipe(".txt"),
                    imagePipe = ListeningPipe(".jpg"), folder = TestFolder();
  ASSERT_FALSE(memoPipe.empty() || textPipe.empty() || imagePipe.empty());
  const std::vector<std::string> targets = {folder + "COM1.kvm",        folder + "NUL",
                                            folder + "CON.txt",         folder + "lpt3.notes.kvm",
                                            folder + "aux .jpg",        "\\\\.\\pipe\\" + memoPipe,
                                            "\\\\.\\pipe\\" + textPipe, "\\\\.\\pipe\\" + imagePipe,
                                            "//./PIPE/" + memoPipe};
  KVDocText doc;
  ASSERT_EQ(1, LoadFile(doc, WriteMemo("devices.kvm", OpenLinksRun(targets) + "after")));
  ASSERT_EQ(targets.size(), LinksOf(doc).size());
  for (KVObjLink* link : LinksOf(doc)) {
    EXPECT_STREQ("", link->m_szDocName) << link->m_szPath;
    EXPECT_TRUE(!ChildText(link) || TextOf(*ChildText(link)).empty()) << link->m_szPath;
  }
  DrawWhole(doc);  // pictures are read when drawn
  for (const std::string& target : targets) {
    KVFile device;
    EXPECT_EQ(KV_ERR_OPEN, device.Attach(target.c_str())) << target;
    char title[MAX_PATH];
    EXPECT_NE(KV_OK, device.GetDocName(title)) << target;
    EXPECT_EQ(KV_ERR_OPEN, device.WriteFile("x", 1)) << target;
    KVDocText startup;  // as the editor loads the file it was started with
    EXPECT_EQ(KV_ERR_OPEN, startup.Load(&device)) << target;
  }
}

TEST(SelfLinks, SixtyFourOpenSelfLinksReadTheMemoOnceAndKeepWhatTheyStore) {
  const std::string self = WriteMemo("self.kvm", "");
  WriteMemo("self.kvm", OpenLinksRun(std::vector<std::string>(64, self)));
  const int tall = 3 * std::unique_ptr<KVObjLink>(LinkTo(self))->MinSize().cy;
  KVDocText doc;
  KVFile file;
  file.Attach(self.c_str());
  ASSERT_EQ(1, doc.Load(&file));
  DrawWhole(doc);
  ASSERT_LE(0, doc.Save(nullptr, &file));
  KVDocText reread;
  ASSERT_EQ(1, reread.Load(&file));
  ASSERT_EQ(64u, LinksOf(reread).size());
  for (KVObjLink* link : LinksOf(reread)) {
    EXPECT_EQ(nullptr, link->m_pChild);  // not read again inside itself
    EXPECT_TRUE(link->m_nAttr & LA_OPEN);
    EXPECT_EQ(tall, link->cy);
  }
  LinksOf(reread)[0]->Close();
  EXPECT_FALSE(LinksOf(reread)[0]->m_nAttr & LA_OPEN);

  // Opened from another memo it is read once more, its self links closed inside it.
  KVDocText top;
  ASSERT_EQ(1, LoadFile(top, WriteMemo("outer.kvm", MemoLinkingTo(self))));
  ASSERT_NE(nullptr, ChildText(FirstLink(top)));
  for (KVObjLink* link : LinksOf(*ChildText(FirstLink(top)))) EXPECT_EQ(nullptr, link->m_pChild);
}

// a and b link to each other, the way back spelt otherwise; b also to c, c to d.
TEST(SelfLinks, AMemoAboveByAnySpellingStaysClosedOthersOpenTwoLevelsDeep) {
  const std::string folder = TestFolder();
  CreateDirectoryA((folder + "sub").c_str(), nullptr);
  std::string aOtherwise = folder + "sub\\..\\A.KVM";
  for (char& c : aOtherwise) c = c == '\\' ? '/' : c;
  WriteMemo("c.kvm", MemoLinkingTo(WriteMemo("d.kvm", "d")));
  WriteMemo("a.kvm", "");
  WriteMemo("b.kvm", OpenLinksRun({aOtherwise, folder + "c.kvm"}));
  KVDocText top;
  ASSERT_EQ(1, LoadFile(top, WriteMemo("a.kvm", MemoLinkingTo(folder + "b.kvm"))));
  KVDocText* b = ChildText(FirstLink(top));
  ASSERT_TRUE(b && LinksOf(*b).size() == 2);
  EXPECT_EQ(nullptr, LinksOf(*b)[0]->m_pChild);  // back to a
  KVDocText* c = ChildText(LinksOf(*b)[1]);
  ASSERT_NE(nullptr, c);
  EXPECT_EQ(nullptr, FirstLink(*c)->m_pChild);  // d would be a third level
}
