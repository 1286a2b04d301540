// File references: whole-file reading and safe writing, memo titles, icons and the shell.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FileSupport.h"
#include "KVErrors.h"
#include "KVFile.h"

namespace {

using FileReading = FileFixture;
using FileWriting = FileFixture;
using DocName = FileFixture;
using Shell = FileFixture;

// A document head as a memo file starts: version, placement, two scroll positions, title.
std::string DocHead(const std::string& title, unsigned length) {
  std::string body = U32(512) + std::string(44, '\x01') + U32(3) + U32(4) + title + '\0';
  return U16(0xFFE0) + U32(length) + body;
}
std::string DocHead(const std::string& title) {
  return DocHead(title, static_cast<unsigned>(title.size() + 57));
}

struct DocNameResult {
  int result;
  std::string name;
};

DocNameResult DocNameOf(const std::string& path) {
  KVFile file;
  file.Attach(path.c_str());
  char name[MAX_PATH + 16];
  std::memset(name, 'z', sizeof name);
  int result = file.GetDocName(name);
  return {result, name};
}

// The bytes of a block ReadFile handed over, freed here.
std::string TakeBlock(void* block, int count) {
  HGLOBAL global = static_cast<HGLOBAL>(block);
  std::string bytes = BytesOf(global);
  GlobalFree(global);
  return bytes.size() >= static_cast<size_t>(count) + 1 ? bytes.substr(0, count + 1) : "";
}

}  // namespace

TEST_F(FileReading, WholeFileWithAZeroAfterIt) {
  WriteWholeFile(Scratch("empty.txt"), "");
  WriteWholeFile(Scratch("data.bin"), std::string("ab\0cd", 5));
  KVFile empty, data;
  empty.Attach(Scratch("empty.txt").c_str());
  data.Attach(Scratch("data.bin").c_str());

  void* block = reinterpret_cast<void*>(1);
  ASSERT_EQ(0, empty.ReadFile(&block));
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(std::string(1, '\0'), TakeBlock(block, 0));
  ASSERT_EQ(5, data.ReadFile(&block));
  EXPECT_EQ(std::string("ab\0cd\0", 6), TakeBlock(block, 5));
}

TEST_F(FileReading, MissingOrDetachedGivesNoBlock) {
  KVFile file;
  void* block = reinterpret_cast<void*>(1);
  EXPECT_EQ(KV_ERR_NO_FILE, file.ReadFile(&block));
  EXPECT_EQ(nullptr, block);
  file.Attach(Scratch("gone.txt").c_str());
  block = reinterpret_cast<void*>(1);
  EXPECT_EQ(KV_ERR_OPEN, file.ReadFile(&block));
  EXPECT_EQ(nullptr, block);
}

TEST_F(FileWriting, CreatesAndReplacesLeavingNothingElse) {
  KVFile file;
  EXPECT_EQ(KV_ERR_NO_FILE, file.WriteFile("x", 1));
  file.Attach(Scratch("memo.kvm").c_str());
  ASSERT_EQ(0, file.WriteFile("first version", 13));
  EXPECT_EQ("first version", ReadWholeFile(Scratch("memo.kvm")));
  ASSERT_EQ(0, file.WriteFile(std::string("2\0", 2).c_str(), 2));
  EXPECT_EQ(std::string("2\0", 2), ReadWholeFile(Scratch("memo.kvm")));
  ASSERT_EQ(0, file.WriteFile("", 0));
  EXPECT_EQ("", ReadWholeFile(Scratch("memo.kvm")));
  EXPECT_EQ(std::vector<std::string>{"memo.kvm"}, FolderEntries(scratch_));
}

TEST_F(FileWriting, AMissingFolderCannotBeCreated) {
  KVFile file;
  file.Attach(Scratch("nowhere\\memo.kvm").c_str());
  EXPECT_EQ(KV_ERR_OPEN, file.WriteFile("x", 1));
  EXPECT_TRUE(FolderEntries(scratch_).empty());
}

TEST_F(FileWriting, AWriteFailingHalfWayKeepsTheOldFile) {
  // The second page of the data cannot be read, so the system's write fails part way.
  const SIZE_T page = 4096;
  char* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * page, MEM_RESERVE, PAGE_NOACCESS));
  ASSERT_NE(nullptr, pages);
  ASSERT_NE(nullptr, VirtualAlloc(pages, page, MEM_COMMIT, PAGE_READWRITE));
  std::memset(pages, 'n', page);
  std::string path = Scratch("memo.kvm");
  WriteWholeFile(path, "old bytes");
  KVFile file;
  file.Attach(path.c_str());
  int result = file.WriteFile(pages, static_cast<int>(2 * page));
  VirtualFree(pages, 0, MEM_RELEASE);
  EXPECT_EQ(KV_ERR_READ_WRITE, result);
  EXPECT_EQ("old bytes", ReadWholeFile(path));
  EXPECT_EQ(std::vector<std::string>{"memo.kvm"}, FolderEntries(scratch_));
}

TEST_F(FileWriting, AReadOnlyTargetKeepsItsBytes) {
  std::string path = Scratch("locked.kvm");
  WriteWholeFile(path, "old bytes");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  KVFile file;
  file.Attach(path.c_str());
  EXPECT_EQ(KV_ERR_OPEN, file.WriteFile("new", 3));
  EXPECT_EQ("old bytes", ReadWholeFile(path));
  EXPECT_EQ(std::vector<std::string>{"locked.kvm"}, FolderEntries(scratch_));
}

TEST_F(FileWriting, ATargetHeldOpenWithoutSharingKeepsItsBytes) {
  std::string path = Scratch("busy.kvm");
  WriteWholeFile(path, "old bytes");
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, holder);
  KVFile file;
  file.Attach(path.c_str());
  int result = file.WriteFile("new", 3);
  CloseHandle(holder);
  EXPECT_EQ(KV_ERR_OPEN, result);
  EXPECT_EQ("old bytes", ReadWholeFile(path));
  EXPECT_EQ(std::vector<std::string>{"busy.kvm"}, FolderEntries(scratch_));
}

// As an interrupted save leaves it: written an hour ago.
void WriteLeftover(const std::string& path, const std::string& bytes) {
  WriteWholeFile(path, bytes);
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER then = {{now.dwLowDateTime, now.dwHighDateTime}};
  then.QuadPart -= 3600ULL * 10000000;
  FILETIME old = {then.LowPart, then.HighPart};
  SetFileTime(file, nullptr, nullptr, &old);
  CloseHandle(file);
}

TEST_F(FileWriting, LeftoversOfCutShortSavesGoWithTheNextSaveInTheirFolderOnly) {
  const std::string memo = DocHead("cut short") + std::string(3000, '\x01');
  const struct {
    const char* name;
    std::string bytes;
    bool removed;
  } kLeftovers[] = {
      {"~kv00A1B2.tmp", "any saved bytes", true}, {"KVT1a2f.tmp", memo, true},
      {"kvt1234.tmp", memo, false},                // held open below
      {"kvt77.tmp", "another program's", false},   // an old name, but no memo
      {"kvt12345.tmp", memo, false},               // no name of ours
      {"~kvmemo.tmp", "x", false}, {"other\\~kv00A1B4.tmp", "another folder's", false}};
  CreateDirectoryA(Scratch("other").c_str(), nullptr);
  for (const auto& leftover : kLeftovers) WriteLeftover(Scratch(leftover.name), leftover.bytes);
  WriteWholeFile(Scratch("~kv00A1B3.tmp"), "a save writing now");
  HANDLE holder = CreateFileA(Scratch("kvt1234.tmp").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  KVFile file;
  file.Attach(Scratch("memo.kvm").c_str());
  EXPECT_EQ(0, file.WriteFile("saved", 5));
  CloseHandle(holder);
  for (const auto& leftover : kLeftovers) {
    const std::string path = Scratch(leftover.name);
    EXPECT_EQ(leftover.removed ? "<missing>" : leftover.bytes,
              FileExists(path) ? ReadWholeFile(path) : "<missing>")
        << leftover.name;
  }
  EXPECT_EQ("a save writing now", ReadWholeFile(Scratch("~kv00A1B3.tmp")));
}

TEST_F(DocName, TitleOfAMemoHead) {
  WriteWholeFile(Scratch("a.kvm"), DocHead("会議メモ") + U16(0xFFFF));
  EXPECT_EQ(0, DocNameOf(Scratch("a.kvm")).result);
  EXPECT_EQ("会議メモ", DocNameOf(Scratch("a.kvm")).name);

  // A long title is cut to 259 bytes on a character boundary.
  std::string longTitle;
  for (int i = 0; i < 150; ++i) longTitle += "表";
  WriteWholeFile(Scratch("long.kvm"), DocHead(longTitle));
  EXPECT_EQ(longTitle.substr(0, 258), DocNameOf(Scratch("long.kvm")).name);
}

TEST_F(DocName, OnlyForAttachedExistingMemos) {
  WriteWholeFile(Scratch("photo.jpg"), DocHead("x"));
  EXPECT_EQ(KV_ERR_NOT_MEMO, DocNameOf(Scratch("photo.jpg")).result);
  EXPECT_EQ("", DocNameOf(Scratch("photo.jpg")).name);
  EXPECT_EQ(KV_ERR_OPEN, DocNameOf(Scratch("gone.kvm")).result);
  KVFile detached;
  char name[MAX_PATH] = "z";
  EXPECT_EQ(KV_ERR_NO_FILE, detached.GetDocName(name));
  EXPECT_STREQ("", name);
}

TEST_F(DocName, HostileHeadsAreRefused) {
  const std::string title = "title";
  std::string unterminated = DocHead(title);
  unterminated.back() = 'x';
  const struct {
    const char* name;
    std::string bytes;
  } kCases[] = {
      {"absurd.kvm", DocHead(title, 0x7FFFFFF0)},
      {"beyond.kvm", DocHead(title, static_cast<unsigned>(title.size() + 58))},
      {"large.kvm", DocHead(title, 70000) + std::string(70000, '\0')},
      {"small.kvm", DocHead("", 56)},
      {"unterminated.kvm", unterminated},
      {"truncated.kvm", DocHead(title).substr(0, 4)},
      {"empty.kvm", ""},
      {"page.kvm", U16(0xFFA0) + U32(title.size() + 57) + DocHead(title).substr(6)},
  };
  for (const auto& hostile : kCases) {
    WriteWholeFile(Scratch(hostile.name), hostile.bytes);
    DocNameResult got = DocNameOf(Scratch(hostile.name));
    EXPECT_EQ(KV_ERR_READ_WRITE, got.result) << hostile.name;
    EXPECT_EQ("", got.name) << hostile.name;
  }
}

// The shell's answer is kept: every caller still gets an icon of its own to destroy.
TEST_F(Shell, SmallIconOfAnExistingFileIsTheCallersOwnEachTime) {
  WriteWholeFile(Scratch("a.txt"), "x");
  KVFile file;
  EXPECT_EQ(nullptr, file.GetFileIcon());
  file.Attach(Scratch("a.txt").c_str());
  for (int ask = 0; ask < 3; ++ask) {
    HICON icon = file.GetFileIcon();
    ASSERT_NE(nullptr, icon) << ask;
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(canvas, bitmap);
    EXPECT_TRUE(DrawIconEx(canvas, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL)) << ask;
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(DestroyIcon(icon)) << ask;
  }
}

TEST_F(Shell, StartingAMissingOrDetachedTargetFails) {
  KVFile file;
  EXPECT_EQ(KV_ERR_NO_FILE, file.ExecFile());
  file.Attach(Scratch("gone.txt").c_str());
  EXPECT_EQ(KV_ERR_OPEN, file.ExecFile());
}
