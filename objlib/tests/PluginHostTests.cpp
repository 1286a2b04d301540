// The viewer plug-in host with the sample plug-in: a registered extension opens through
// ImagePane.dll and imgfilt.spi, notices follow scrolling, closing unloads the library;
// plug-ins that cannot serve leave an empty, frameless area.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>

#include "Canvas.h"
#include "DocSupport.h"
#include "KVDocPlugin.h"
#include "KVFont.h"
#include "KVObjLink.h"
#include "KVPaintPass.h"
#include "MagEncoder.h"
#include "PaneRecord.h"
#include "PictureSupport.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class PluginHost : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeConfigFolder();
    RemoveSettingsFile();
    KVWriteProfileString("Plugin", "mag", (ProgramFolder() + "ImagePane.dll").c_str());
    KVWriteProfileString("Plugin", "abc", (ProgramFolder() + "Susie\\imgfilt.spi").c_str());
    KVWriteProfileString("Plugin", "def", (ProgramFolder() + "nowhere.dll").c_str());
    KVWriteProfileString("Plugin", "flt", (ProgramFolder() + "faulting_plugin.dll").c_str());
  }
  void TearDown() override { RemoveSettingsFile(); }

  // A link to the file, opened with a child area of 146 × 98.
  static KVObjLink* OpenLinkTo(const std::string& path) {
    KVFile file;
    file.Attach(path.c_str());
    auto* link = new KVObjLink(nullptr, file);
    link->SetSize(CSize(150, link->MinSize().cy + 100));
    return link;
  }
  static KVDocPlugin* Viewer(KVObjLink& link) { return dynamic_cast<KVDocPlugin*>(link.m_pChild); }
  static const PaneRecord* Record(KVObjLink& link) {
    return reinterpret_cast<const PaneRecord*>(Viewer(link)->m_hInstance);
  }
  template <typename Drawable>
  static void Draw(Drawable& object, Canvas& canvas) {
    KVPaintPass pass(&canvas.cdc, 0, g_DefaultFont);
    object.Draw(pass.Info(), CPoint(0, 0), CRect(0, 0, 400, 400), false);
  }
};

// 64 × 40 pixels in 256 colours.
MagImage Picture() { return MakeTestImage(0x80, 0, 0, 63, 39, 11); }

COLORREF ColourAt(const MagImage& image, int px, int py) {
  const uint8_t* rgb = &image.rgb[3 * image.pixels[py * image.Stride() + px]];
  return RGB(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

TEST_F(PluginHost, ARegisteredExtensionIsDrawnByItsPluginUntilTheLinkCloses) {
  const MagImage image = Picture();
  const std::string path = TestFolder() + "picture.mag";
  const auto mag = EncodeMag(image, CopyPolicy::Rotate).bytes;
  WriteWholeFile(path, Bytes(mag.begin(), mag.end()));
  KVObjLink* link = OpenLinkTo(path);
  ASSERT_EQ(FT_PLUGIN, link->FileType());
  ASSERT_NE(nullptr, Viewer(*link));
  ASSERT_NE(nullptr, Viewer(*link)->m_hLibrary);
  EXPECT_STREQ(path.c_str(), Record(*link)->szFile);  // the instance is the plug-in's record

  KVDocText doc;
  doc.SetSize(CSize(300, 300));
  doc.Insert(link);
  LIST* node = doc.GetCurPos()->pPrev;
  doc.Insert(const_cast<char*>(std::string(30, '\r').c_str()));  // lines to scroll into view
  Canvas canvas(300, 300);
  Draw(doc, canvas);
  const CRect box = doc.GetCharRect(node);
  const RECT area = {box.left + link->m_rcChild.left, box.top + link->m_rcChild.top,
                     box.left + link->m_rcChild.right, box.top + link->m_rcChild.bottom};
  EXPECT_EQ(0, Mismatches(canvas, RECT{area.left + 1, area.top + 1, area.left + 65, area.top + 41},
                          [&](int px, int py) { return ColourAt(image, px, py); }));
  EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(area.left, area.top));  // the host's frame
  EXPECT_NE(nullptr, Record(*link)->hInfo);

  doc.m_nScrollY = box.bottom + 10;  // scrolled out of view: the plug-in lets its picture go
  Draw(doc, canvas);
  EXPECT_EQ(nullptr, Record(*link)->hInfo);
  EXPECT_EQ(nullptr, Record(*link)->hBits);
  doc.m_nScrollY = 0;  // and back: decoded and painted again
  Canvas again(300, 300);
  Draw(doc, again);
  EXPECT_NE(nullptr, Record(*link)->hInfo);
  EXPECT_EQ(0, Mismatches(again, RECT{area.left + 1, area.top + 1, area.left + 65, area.top + 41},
                          [&](int px, int py) { return ColourAt(image, px, py); }));

  ASSERT_NE(nullptr, GetModuleHandleA("ImagePane.dll"));
  link->Close();
  EXPECT_EQ(nullptr, link->m_pChild);
  EXPECT_EQ(nullptr, GetModuleHandleA("ImagePane.dll"));
  link->Open();  // opening again loads it again
  ASSERT_NE(nullptr, Viewer(*link));
  EXPECT_NE(nullptr, GetModuleHandleA("ImagePane.dll"));
}

TEST_F(PluginHost, PluginsThatCannotServeLeaveAnEmptyFramelessArea) {
  for (const char* name : {"no entry points.abc", "no library.def"}) {
    SCOPED_TRACE(name);
    const std::string path = TestFolder() + name;
    WriteWholeFile(path, "x");
    KVObjLink* link = OpenLinkTo(path);
    ASSERT_EQ(FT_PLUGIN, link->FileType());
    ASSERT_NE(nullptr, Viewer(*link));
    EXPECT_EQ(nullptr, Viewer(*link)->m_hLibrary);
    EXPECT_EQ(nullptr, GetModuleHandleA("imgfilt.spi"));
    Canvas canvas(200, 200);
    Draw(*link, canvas);
    const RECT area = link->m_rcChild;
    EXPECT_EQ(kWhite, canvas.Pixel(area.left, area.top));
    EXPECT_EQ(kWhite, canvas.Pixel(area.left + 20, area.top + 20));  // no crossed slot either
    link->NoDraw();
    delete link;
  }
}

// The memo is edited with a link to a file whose plug-in faults in one of its entry points,
// opened by the link command, painted, scrolled away, painted, closed and opened again.
// A fault leaves the memo working and the link's area an empty frame; the plug-in is not
// called again for that link until it opens again.
TEST_F(PluginHost, APluginFaultLeavesTheMemoAndAnEmptyFrameAndNoFurtherCalls) {
  HMODULE plugin = LoadLibraryA((ProgramFolder() + "faulting_plugin.dll").c_str());
  ASSERT_NE(nullptr, plugin);  // held here, so its counts outlive every unloading
  auto calls = reinterpret_cast<void(WINAPI*)(int*)>(
      reinterpret_cast<void*>(GetProcAddress(plugin, "Calls")));
  // Calls entered: Create, OnPaint, OnNotPaint, Destroy.
  const struct {
    const char* faulting;
    bool faultsBeforeClosing;
    std::array<int, 4> expected;
  } cases[] = {
      {"Create", true, {2, 0, 0, 0}},
      {"OnPaint", true, {2, 2, 0, 0}},
      {"OnNotPaint", true, {2, 2, 1, 0}},
      {"Destroy", false, {2, 3, 1, 1}},
      {"Nothing", false, {2, 3, 1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.faulting);
    calls(nullptr);
    const std::string path = TestFolder() + c.faulting + ".flt";
    WriteWholeFile(path, "x");
    KVFile file;
    file.Attach(path.c_str());
    KVDocText doc;
    doc.SetSize(CSize(300, 300));
    doc.Insert(const_cast<char*>("before "));
    auto* link = new KVObjLink(nullptr, file);
    doc.Insert(link);
    doc.SetCurPos(doc.GetCurPos()->pPrev);
    ASSERT_EQ(1, doc.OpenLink());
    KVDocPlugin* viewer = Viewer(*link);
    ASSERT_NE(nullptr, viewer);
    Canvas canvas(300, 300);
    Draw(doc, canvas);
    link->NoDraw();
    Draw(doc, canvas);
    EXPECT_EQ(c.faultsBeforeClosing, viewer->m_bFaulted);
    if (viewer->m_bFaulted) {
      EXPECT_EQ(nullptr, viewer->m_hLibrary);
      const CRect box = doc.GetCharRect(doc.GetCurPos());
      const RECT area = {box.left + link->m_rcChild.left, box.top + link->m_rcChild.top,
                         box.left + link->m_rcChild.right, box.top + link->m_rcChild.bottom};
      EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(area.left, area.top + 5));  // the frame
      EXPECT_EQ(kWhite, canvas.Pixel(area.left + 20, area.top + 20));  // and nothing inside
    }
    ASSERT_EQ(1, doc.CloseLink());
    ASSERT_EQ(1, doc.OpenLink());  // reopened: the plug-in is asked again
    Draw(doc, canvas);
    std::array<int, 4> counted;
    calls(counted.data());
    EXPECT_EQ(c.expected, counted);

    doc.SetCurPos(doc.GetCurPos()->pNext);
    doc.Insert(const_cast<char*>(" after"));
    EXPECT_EQ("before " + std::string(c.faulting) + ".flt after", TextOf(doc));
  }
  FreeLibrary(plugin);
}

// With no "Plugin" key for "mag" the viewer beside the program draws a MAG picture, so a
// fresh installation shows one; an empty value means no viewer, and another extension
// gets none by default.
TEST_F(PluginHost, AMagLinkShowsItsPictureOutOfTheBoxUntilTheSettingsSayNone) {
  RemoveSettingsFile();
  const auto mag = EncodeMag(Picture(), CopyPolicy::Rotate).bytes;
  const std::string path = TestFolder() + "OUT OF THE BOX.MAG";
  WriteWholeFile(path, Bytes(mag.begin(), mag.end()));
  WriteWholeFile(TestFolder() + "other.abc", "x");
  {
    std::unique_ptr<KVObjLink> link(OpenLinkTo(path));
    ASSERT_EQ(FT_PLUGIN, link->FileType());
    ASSERT_NE(nullptr, Viewer(*link));
    char library[MAX_PATH] = "";
    GetModuleFileNameA(Viewer(*link)->m_hLibrary, library, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiA((ProgramFolder() + "ImagePane.dll").c_str(), library));
    EXPECT_STREQ(path.c_str(), Record(*link)->szFile);
    std::unique_ptr<KVObjLink> other(OpenLinkTo(TestFolder() + "other.abc"));
    EXPECT_NE(FT_PLUGIN, other->FileType());
  }
  KVWriteProfileString("Plugin", "mag", "");
  std::unique_ptr<KVObjLink> none(OpenLinkTo(path));
  EXPECT_NE(FT_PLUGIN, none->FileType());
  EXPECT_EQ(nullptr, Viewer(*none));
}
