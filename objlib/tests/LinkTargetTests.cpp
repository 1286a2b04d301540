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

// A named pipe no client has written to: a reader that opens it waits for data for ever.
class ListeningPipe {
 public:
  explicit ListeningPipe(const std::string& name)
      : m_name(name),
        m_pipe(CreateNamedPipeA(Path().c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT,
                                PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr)) {}
  ~ListeningPipe() {
    if (IsListening()) CloseHandle(m_pipe);
  }
  ListeningPipe(const ListeningPipe&) = delete;
  ListeningPipe& operator=(const ListeningPipe&) = delete;
  bool IsListening() const { return m_pipe != INVALID_HANDLE_VALUE; }
  std::string Path(const char* prefix = "\\\\.\\pipe\\") const { return prefix + m_name; }

 private:
  std::string m_name;
  HANDLE m_pipe;
};

std::string PipeName(const char* extension) {
  return "kvmemo-links-" + std::to_string(GetCurrentProcessId()) + extension;
}

void DrawWhole(KVObject& object, int height) {
  Canvas canvas(400, height);
  KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
  object.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 400, height), false);
}

int RowHeight() {
  std::unique_ptr<KVObjLink> probe(LinkTo(TestFolder() + "probe.txt"));
  return probe->MinSize().cy;
}

}  // namespace

// Finishing at all is the check: every one of these blocks a reader that opens it.
TEST(DeviceTargets, LinksToDevicesAndPipesLoadDrawAndReadAsMissingFiles) {
  ListeningPipe memoPipe(PipeName(".kvm")), textPipe(PipeName(".txt")), imagePipe(PipeName(".jpg"));
  ASSERT_TRUE(memoPipe.IsListening() && textPipe.IsListening() && imagePipe.IsListening());
  const std::string folder = TestFolder();
  const std::vector<std::string> targets = {
      folder + "COM1.kvm",       folder + "NUL",      folder + "CON.txt",
      folder + "lpt3.notes.kvm", folder + "aux .jpg", memoPipe.Path(),
      textPipe.Path(),           imagePipe.Path(),    memoPipe.Path("//./PIPE/"),
  };
  std::string memo = WriteMemo("devices.kvm", OpenLinksRun(targets) + "after");
  KVDocText doc;
  ASSERT_EQ(1, LoadFile(doc, memo));
  const std::string text = TextOf(doc);
  EXPECT_EQ("after", text.substr(text.size() - 5));
  std::vector<KVObjLink*> links = LinksOf(doc);
  ASSERT_EQ(targets.size(), links.size());
  for (KVObjLink* link : links) {
    EXPECT_STREQ("", link->m_szDocName) << link->m_szPath;
    if (KVDocText* child = ChildText(link)) {
      EXPECT_EQ("", TextOf(*child)) << link->m_szPath;
    }
  }
  DrawWhole(doc, 2000);  // pictures are read when drawn

  for (const std::string& target : targets) {
    KVFile device;
    EXPECT_EQ(KV_ERR_OPEN, device.Attach(target.c_str())) << target;
    void* block = nullptr;
    EXPECT_EQ(KV_ERR_OPEN, device.ReadFile(&block)) << target;
    EXPECT_EQ(nullptr, block);
    char title[MAX_PATH];
    EXPECT_NE(KV_OK, device.GetDocName(title)) << target;
    EXPECT_EQ(KV_ERR_OPEN, device.WriteFile("x", 1)) << target;
    EXPECT_EQ(KV_ERR_OPEN, device.ExecFile()) << target;
    // The editor's start-up: the file it was given is attached and loaded.
    KVDocText startup;
    EXPECT_EQ(KV_ERR_OPEN, startup.Load(&device)) << target;
  }
}

TEST(SelfLinks, SixtyFourOpenSelfLinksReadTheMemoOnceAndKeepWhatTheyStore) {
  const std::string self = WriteMemo("self.kvm", "");
  WriteMemo("self.kvm", OpenLinksRun(std::vector<std::string>(64, self)) + "end");
  const std::string outer = WriteMemo("outer.kvm", MemoLinkingTo(self));
  const int row = RowHeight();

  KVDocText doc;
  KVFile file;
  file.Attach(self.c_str());
  ASSERT_EQ(1, doc.Load(&file));
  std::vector<KVObjLink*> links = LinksOf(doc);
  ASSERT_EQ(64u, links.size());
  for (KVObjLink* link : links) {
    EXPECT_EQ(nullptr, link->m_pChild);  // not read again inside itself
    EXPECT_TRUE(link->m_nAttr & LA_OPEN);
    EXPECT_EQ(3 * row, link->cy);
  }
  DrawWhole(doc, 4000);
  ASSERT_LE(0, doc.Save(nullptr, &file));
  KVDocText reread;
  ASSERT_EQ(1, reread.Load(&file));
  ASSERT_EQ(64u, LinksOf(reread).size());
  for (KVObjLink* link : LinksOf(reread)) {
    EXPECT_TRUE(link->m_nAttr & LA_OPEN);
    EXPECT_EQ(3 * row, link->cy);
  }
  KVObjLink* closed = LinksOf(reread).front();
  closed->Close();
  EXPECT_FALSE(closed->m_nAttr & LA_OPEN);

  // Opened from another memo, it is read once more, and its self links stay closed in it.
  KVDocText top;
  ASSERT_EQ(1, LoadFile(top, outer));
  KVDocText* inside = ChildText(FirstLink(top));
  ASSERT_NE(nullptr, inside);
  ASSERT_EQ(64u, LinksOf(*inside).size());
  for (KVObjLink* link : LinksOf(*inside)) EXPECT_EQ(nullptr, link->m_pChild);
}

// a and b link to each other, b also to c, c to d; the way back to a is spelt otherwise.
TEST(SelfLinks, AMemoAboveByAnySpellingStaysClosedOthersOpenTwoLevelsDeep) {
  const std::string folder = TestFolder();
  std::string aOtherwise = folder + "sub\\..\\A.KVM";
  for (char& c : aOtherwise) c = c == '\\' ? '/' : c;
  WriteMemo("d.kvm", "d");
  WriteMemo("c.kvm", MemoLinkingTo(folder + "d.kvm"));
  CreateDirectoryA((folder + "sub").c_str(), nullptr);
  WriteMemo("a.kvm", "");
  WriteMemo("b.kvm", OpenLinksRun({aOtherwise, folder + "c.kvm"}));
  const std::string a = WriteMemo("a.kvm", MemoLinkingTo(folder + "b.kvm"));

  KVDocText top;
  ASSERT_EQ(1, LoadFile(top, a));
  KVDocText* b = ChildText(FirstLink(top));
  ASSERT_NE(nullptr, b);
  std::vector<KVObjLink*> fromB = LinksOf(*b);
  ASSERT_EQ(2u, fromB.size());
  EXPECT_EQ(nullptr, fromB[0]->m_pChild);  // back to a
  KVDocText* c = ChildText(fromB[1]);
  ASSERT_NE(nullptr, c);
  EXPECT_EQ(nullptr, FirstLink(*c)->m_pChild);  // d would be a third level

  // A link made in a memo not read from a file: a, then b inside it, then nothing more.
  std::unique_ptr<KVObjLink> made(LinkTo(a));
  made->Open();
  KVDocText* madeA = ChildText(made.get());
  ASSERT_NE(nullptr, madeA);
  KVDocText* madeB = ChildText(FirstLink(*madeA));
  ASSERT_NE(nullptr, madeB);
  for (KVObjLink* link : LinksOf(*madeB)) EXPECT_EQ(nullptr, link->m_pChild);
}
