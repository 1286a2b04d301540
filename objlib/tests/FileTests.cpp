// File references: macro expansion and macro form, file types, attaching and detaching.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FileSupport.h"
#include "KVErrors.h"
#include "KVFile.h"
#include "SjisText.h"

namespace {

using Macros = FileFixture;
using FileTypes = FileFixture;
using Lifecycle = FileFixture;

std::string Data() { return KVGetFolders().data; }
std::string User() { return KVGetFolders().user; }
std::string Program() { return KVGetFolders().program; }

struct Attached {
  int result;
  int type;
};

Attached AttachPath(const std::string& path) {
  KVFile file;
  int result = file.Attach(path.c_str());
  return {result, file.FileType()};
}

}  // namespace

TEST_F(Macros, BuiltInFoldersExpandWithOneBackslashBetween) {
  EXPECT_EQ(Data() + "\\2024\\a.kvm", Expanded("%user%\\2024\\a.kvm"));
  EXPECT_EQ(Data() + "\\2024\\a.kvm", Expanded("%user%2024\\a.kvm"));
  EXPECT_EQ(Program() + "help\\help.kvm", Expanded("%bin%help\\help.kvm"));
  EXPECT_EQ(Program() + "help\\help.kvm", Expanded("%bin%\\help\\help.kvm"));
  EXPECT_EQ(User() + "notes\\y.txt", Expanded("%usr%notes\\y.txt"));
  EXPECT_EQ(Data() + "\\a.kvm", Expanded("%USER%\\a.kvm"));
  EXPECT_EQ("D:\\notes\\%user%\\a.kvm", Expanded("D:\\notes\\%user%\\a.kvm"));

  KVFile unknown;
  EXPECT_EQ(KV_ERR_OPEN, unknown.Attach("%nosuch%\\a.txt"));
  EXPECT_STREQ("%nosuch%\\a.txt", unknown.GetLink()->szPath);
  EXPECT_EQ(FT_TEXT, unknown.FileType());
}

TEST_F(Macros, BuiltInMacroFormsAndRoundTrips) {
  EXPECT_EQ("%user%\\x.kvm", MacroFormOf(Data() + "\\x.kvm"));
  EXPECT_EQ("%usr%notes\\y.txt", MacroFormOf(User() + "notes\\y.txt"));
  EXPECT_EQ("%bin%help\\help.kvm", MacroFormOf(Program() + "help\\help.kvm"));
  EXPECT_EQ("D:\\elsewhere\\a.kvm", MacroFormOf("D:\\elsewhere\\a.kvm"));
  EXPECT_EQ("http://example.com/", MacroFormOf("http://example.com/"));

  std::string shouted = User();
  CharUpperA(&shouted[0]);
  EXPECT_EQ("%usr%b.kvm", MacroFormOf(shouted + "b.kvm"));

  for (const std::string& path : {Data() + "\\x.kvm", User() + "notes\\y.txt",
                                  Program() + "help\\help.kvm", std::string("D:\\a.kvm")}) {
    EXPECT_EQ(path, Expanded(MacroFormOf(path))) << path;
  }
}

TEST_F(Macros, AFolderPrefixMatchesOnlyWholeFolders) {
  // "...\Kavelo\DataOld" starts with the bytes of the data folder but lies beside it.
  std::string sibling = Data() + "Old\\x.kvm";
  EXPECT_EQ("%usr%Kavelo\\DataOld\\x.kvm", MacroFormOf(sibling));
  EXPECT_EQ(sibling, Expanded(MacroFormOf(sibling)));
  EXPECT_EQ("%user%", MacroFormOf(Data()));
}

TEST_F(Macros, NamedFoldersComeFirstInBothDirections) {
  std::string work = Scratch("work");
  CreateDirectoryA(work.c_str(), nullptr);
  ASSERT_TRUE(KVWriteProfileString("Option", "FolderList", "%Work%%Archive%"));
  ASSERT_TRUE(KVWriteProfileString("DataFolder", "Work", work.c_str()));
  WriteWholeFile(work + "\\a.kvm", "");

  KVFile file;
  EXPECT_EQ(0, file.Attach("%Work%\\a.kvm"));
  EXPECT_EQ(work + "\\a.kvm", file.GetLink()->szPath);
  EXPECT_EQ(FT_MEMO, file.FileType());
  EXPECT_EQ("%Work%\\a.kvm", MacroFormOf(work + "\\a.kvm"));
  EXPECT_EQ(work + "\\a.kvm", Expanded(MacroFormOf(work + "\\a.kvm")));
  EXPECT_EQ(work + "\\a.kvm", Expanded("%work%a.kvm"));

  // A listed name without a folder entry expands to nothing; the path stays as stored.
  EXPECT_EQ("%Archive%\\b.kvm", Expanded("%Archive%\\b.kvm"));
}

TEST_F(Macros, ANamedFolderWinsOverTheBuiltInOfTheSameSpelling) {
  std::string other = Scratch("other");
  ASSERT_TRUE(KVWriteProfileString("Option", "FolderList", "%user%"));
  ASSERT_TRUE(KVWriteProfileString("DataFolder", "user", other.c_str()));
  EXPECT_EQ(other + "\\a.kvm", Expanded("%user%\\a.kvm"));
  EXPECT_EQ("%user%\\a.kvm", MacroFormOf(other + "\\a.kvm"));
  EXPECT_EQ("%usr%Kavelo\\Data\\a.kvm", MacroFormOf(Data() + "\\a.kvm"));
}

TEST_F(Macros, DoubleByteCharactersAreNeverFoldedOrSplit) {
  // The trail bytes of "ア" and "ヂ" are the letters A and a.
  ASSERT_TRUE(KVWriteProfileString("Option", "FolderList", "%Work%"));
  ASSERT_TRUE(KVWriteProfileString("DataFolder", "Work", "D:\\ア"));
  EXPECT_EQ("D:\\ヂ\\a.kvm", MacroFormOf("D:\\ヂ\\a.kvm"));
  EXPECT_EQ("%Work%\\a.kvm", MacroFormOf("D:\\ア\\a.kvm"));

  // "%LongNameX%\" is 12 bytes; 127 two-byte characters after it cross byte 259 half way.
  ASSERT_TRUE(KVWriteProfileString("Option", "FolderList", "%LongNameX%"));
  ASSERT_TRUE(KVWriteProfileString("DataFolder", "LongNameX", "C:\\w"));
  std::string characters;
  for (int i = 0; i < 127; ++i) characters += "表";
  std::string form = MacroFormOf("C:\\w\\" + characters);
  EXPECT_EQ(258u, form.size());
  EXPECT_EQ("%LongNameX%\\" + characters.substr(0, 246), form);
}

TEST_F(Macros, PathsThatDoNotFitAreRefused) {
  KVFile file;
  EXPECT_EQ(KV_ERR_TOO_LONG, file.Attach(std::string(300, 'a').c_str()));
  EXPECT_FALSE(file.IsAttached());
  EXPECT_EQ(KV_ERR_TOO_LONG, file.Attach(("%usr%" + std::string(250, 'b')).c_str()));
  EXPECT_FALSE(file.IsAttached());

  LINK unterminated = {};
  std::memset(unterminated.szPath, 'c', sizeof unterminated.szPath);
  EXPECT_EQ(KV_ERR_TOO_LONG, file.Attach(&unterminated));
  EXPECT_FALSE(file.IsAttached());
  EXPECT_EQ(KV_ERR_OPEN, file.Attach(("C:\\" + std::string(256, 'd')).c_str()));
}

TEST_F(FileTypes, ByExtensionIgnoringCase) {
  WriteWholeFile(Scratch("photo.JPG"), "x");
  WriteWholeFile(Scratch("prog.Exe"), "x");
  WriteWholeFile(Scratch("notes.txt"), "x");
  WriteWholeFile(Scratch("icon.ico"), "x");
  EXPECT_EQ(FT_IMAGE, AttachPath(Scratch("photo.JPG")).type);
  EXPECT_EQ(0, AttachPath(Scratch("photo.JPG")).result);
  EXPECT_EQ(FT_PROGRAM, AttachPath(Scratch("prog.Exe")).type);
  EXPECT_EQ(FT_TEXT, AttachPath(Scratch("notes.txt")).type);
  EXPECT_EQ(FT_IMAGE, AttachPath(Scratch("icon.ico")).type);
  for (const char* image : {"a.jpe", "a.JPEG", "a.gif", "a.bmp", "a.wmf"})
    EXPECT_EQ(FT_IMAGE, AttachPath(Scratch(image)).type) << image;

  Attached missingMemo = AttachPath(Scratch("gone.KVM"));
  EXPECT_EQ(FT_MEMO, missingMemo.type);
  EXPECT_EQ(KV_ERR_OPEN, missingMemo.result);
  EXPECT_EQ(FT_MISSING, AttachPath(Scratch("a.kvmx")).type);
  EXPECT_EQ(FT_MISSING, AttachPath(Scratch("dir.kvm\\readme")).type);
}

TEST_F(FileTypes, ExistenceDecidesTheRest) {
  WriteWholeFile(Scratch("bare."), "x");
  WriteWholeFile(Scratch("plain"), "x");
  CreateDirectoryA(Scratch("x.txt").c_str(), nullptr);
  EXPECT_EQ(FT_OTHER, AttachPath(Scratch("bare.")).type);
  EXPECT_EQ(FT_OTHER, AttachPath(Scratch("plain")).type);
  EXPECT_EQ(FT_MISSING, AttachPath(Scratch("absent.")).type);
  EXPECT_EQ(FT_MISSING, AttachPath(Scratch("absent")).type);
  EXPECT_EQ(KV_ERR_OPEN, AttachPath(Scratch("absent")).result);
  Attached folder = AttachPath(Scratch("x.txt"));
  EXPECT_EQ(FT_FOLDER, folder.type);
  EXPECT_EQ(0, folder.result);
}

TEST_F(FileTypes, APluginEntryTakesOverItsExtension) {
  WriteWholeFile(Scratch("notes.TXT"), "x");
  ASSERT_TRUE(KVWriteProfileString("Plugin", "txt", "textview.dll"));
  ASSERT_TRUE(KVWriteProfileString("Plugin", "kvm", ""));
  ASSERT_TRUE(KVWriteProfileString("Plugin", "ソ", "kana.dll"));
  EXPECT_EQ(FT_PLUGIN, AttachPath(Scratch("notes.TXT")).type);
  EXPECT_EQ(FT_PLUGIN, AttachPath(Scratch("missing.txt")).type);
  EXPECT_EQ(FT_MEMO, AttachPath(Scratch("a.kvm")).type);
  // The extension's last byte is 0x5C, the trail byte of a double-byte character.
  EXPECT_EQ(FT_PLUGIN, AttachPath(Scratch("pic.ソ")).type);
}

TEST_F(FileTypes, AddressesAreUrls) {
  Attached web = AttachPath("http://example.com/");
  EXPECT_EQ(FT_URL, web.type);
  EXPECT_EQ(0, web.result);
  EXPECT_EQ(0, AttachPath("HTTPS://example.com/").result);
  EXPECT_EQ(FT_URL, AttachPath("ftp://example.com/a.txt").type);
  Attached mail = AttachPath("mailto:someone@example.com");
  EXPECT_EQ(FT_URL, mail.type);
  EXPECT_EQ(KV_ERR_OPEN, mail.result);
}

TEST_F(Lifecycle, AttachOnceDetachOnce) {
  WriteWholeFile(Scratch("a.txt"), "x");
  KVFile file;
  EXPECT_FALSE(file.IsAttached());
  char path[MAX_PATH] = "unchanged";
  EXPECT_EQ(KV_ERR_NO_FILE, file.GetPathName(path));
  EXPECT_STREQ("unchanged", path);

  EXPECT_EQ(0, file.Attach(Scratch("a.txt").c_str()));
  EXPECT_EQ(KV_ERR_NO_FILE, file.Attach(Scratch("b.kvm").c_str()));
  EXPECT_EQ(0, file.GetPathName(path));
  EXPECT_EQ(Scratch("a.txt"), path);
  EXPECT_EQ(FT_TEXT, file.FileType());

  EXPECT_EQ(0, file.Detach());
  EXPECT_EQ(KV_ERR_NO_FILE, file.Detach());
  EXPECT_EQ(KV_ERR_OPEN, file.Attach(Scratch("b.kvm").c_str()));
  EXPECT_EQ(FT_MEMO, file.FileType());
}

TEST_F(Lifecycle, RecordFieldsAreCarriedAndCopied) {
  LINK link = {};
  link.wKind = 7;
  link.nState = -1;
  std::strcpy(link.szPath, "%usr%a.kvm");
  std::strcpy(link.szAux, "aux");
  KVFile file;
  EXPECT_EQ(KV_ERR_OPEN, file.Attach(&link));
  EXPECT_TRUE(file.IsAttached());
  EXPECT_EQ(7, file.GetLink()->wKind);
  EXPECT_STREQ("aux", file.GetLink()->szAux);
  EXPECT_EQ(User() + "a.kvm", file.GetLink()->szPath);

  KVFile copy(file);
  EXPECT_EQ(0, std::memcmp(file.GetLink(), copy.GetLink(), sizeof(LINK)));
  EXPECT_EQ(FT_MEMO, copy.FileType());
  KVFile assigned;
  assigned = file;
  EXPECT_EQ(KV_ERR_NO_FILE, assigned.Attach("b.kvm"));

  KVFile fresh;
  EXPECT_EQ(1, fresh.GetLink()->wKind);
  EXPECT_EQ(-1, fresh.GetLink()->nState);
}
