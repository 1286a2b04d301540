// Prints a memo holding every kind of object on the default printer, as the print command
// does once the page-setup dialog is confirmed: links to a memo (opened in place and
// closed), a figure memo and a text file opened in place, a file, a folder, an address, a
// picture file and a file of a plug-in type opened in place, and a pasted bitmap.
// scripts/print-everything-check.sh runs this program and checks the pages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DocSupport.h"
#include "KVDocFig.h"
#include "KVFont.h"
#include "KVObjBmap.h"
#include "KVObjLink.h"
#include "MagEncoder.h"
#include "PictureSupport.h"
#include "PrintSupport.h"

namespace {

// Text the PDF maps back to characters, so the check can find it.
void AddLatin(KVDocText& doc, const std::string& text) {
  const LOGFONT latin = LatinFont();
  doc.Insert(StrToList(text.c_str(), 0, &latin));
}

std::string SavedMemo(KVObjDoc& doc, const char* name) {
  const std::string path = TestFolder() + name;
  KVFile file;
  file.Attach(path.c_str());
  EXPECT_EQ(0, doc.Save(nullptr, &file));
  return path;
}

std::string InnerMemo() {
  KVDocText inner;
  AddLatin(inner, "INNER MEMO M001\r\nSECOND LINE M002\r\n");
  return SavedMemo(inner, "inner.kvm");
}

std::string FigureMemo() {
  KVDocFig figure;
  figure.SetSize(CSize(300, 100));  // as the window that made it would
  KVFile address;
  address.Attach("http://example.com/figure");
  auto* heading = new KVObjLink("FIGURE INSIDE F001", address);
  heading->m_nAttr = LA_BORDER;
  LOGFONT latin = LatinFont();
  heading->ChangeFont(&latin);
  heading->x = 10;
  heading->y = 10;
  figure.Insert(heading);
  PatternBitmap picture(32, 16, 24);
  auto* pasted = new KVObjBmap(picture.Get());
  pasted->x = 10;
  pasted->y = 50;
  figure.Insert(pasted);
  return SavedMemo(figure, "figure.kvm");
}

// A 24-bit BMP file of the four quadrants, 48 x 32 pixels.
std::string BmpFile() {
  const int width = 48, height = 32, stride = width * 3;
  BITMAPFILEHEADER head = {};
  BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  head.bfType = 0x4D42;
  head.bfOffBits = sizeof head + sizeof info;
  head.bfSize = head.bfOffBits + stride * height;
  Bytes bytes(reinterpret_cast<const char*>(&head), sizeof head);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  for (int py = height - 1; py >= 0; --py)
    for (int px = 0; px < width; ++px) {
      const COLORREF c = QuadrantColour(px, py, width, height);
      bytes += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)),
                static_cast<char>(GetRValue(c))};
    }
  const std::string path = TestFolder() + "quadrants.bmp";
  WriteWholeFile(path, bytes);
  return path;
}

std::string MagFile() {
  const auto mag = EncodeMag(MakeTestImage(0x80, 0, 0, 63, 39, 7), CopyPolicy::Rotate).bytes;
  const std::string path = TestFolder() + "pane.mag";
  WriteWholeFile(path, Bytes(mag.begin(), mag.end()));
  return path;
}

// A link with its caption in the Latin font, opened in place to the given height (0: closed).
void AddLink(KVDocText& doc, const std::string& target, int openHeight) {
  KVFile file;
  file.Attach(target.c_str());
  auto* link = new KVObjLink(nullptr, file);
  LOGFONT latin = LatinFont();
  link->ChangeFont(&latin);
  link->SetSize(CSize(320, openHeight));
  doc.Insert(link);
  doc.Insert(StrToList("\r\n", 0, &g_DefaultFont));
}

}  // namespace

TEST(PrintEverythingJob, AMemoWithEveryKindOfObjectPrints) {
  MakeConfigFolder();
  KVWriteProfileString("Plugin", "mag", (ProgramFolder() + "ImagePane.dll").c_str());
  const std::string text = TestFolder() + "notes.txt";
  WriteWholeFile(text, "TEXT FILE T001\r\n");

  KVDocText doc;
  AddLatin(doc, "EVERYTHING E001\r\n");
  AddLink(doc, InnerMemo(), 0);
  AddLink(doc, InnerMemo(), 120);
  AddLink(doc, FigureMemo(), 120);
  AddLink(doc, text, 80);
  AddLink(doc, "C:\\windows\\win.ini", 0);
  AddLink(doc, TestFolder(), 0);
  AddLink(doc, "http://example.com/", 0);
  AddLink(doc, BmpFile(), 100);
  AddLink(doc, MagFile(), 100);
  PatternBitmap pasted(40, 24, 24);
  doc.Insert(new KVObjBmap(pasted.Get()));
  AddLatin(doc, "\r\nEVERYTHING END E999\r\n");

  PrintOnDefaultPrinter(doc, "everything check");
  if (HasFatalFailure()) return;
  RemoveSettingsFile();
}
