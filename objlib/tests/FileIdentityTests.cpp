// What a path names: a device rather than a file, and the same file by another spelling.
#include <gtest/gtest.h>

#include <string>

#include "DiskFile.h"
#include "FileSupport.h"
#include "KVFilePaths.h"

namespace {

using SameFile = FileFixture;

}  // namespace

TEST(DevicePaths, DeviceNamesInAnyFolderAndDevicePathsAreToldFromFiles) {
  const char* const kDevices[] = {"C:\\memo\\COM1.kvm",
                                  "C:\\memo\\nul",
                                  "CON.txt",
                                  "c:\\a\\b\\Lpt9.x.y",
                                  "aux .jpg",
                                  "C:\\memo\\prn:",
                                  "D:/memo/com4.KVM",
                                  "C:conin$",
                                  "\\\\.\\pipe\\memo.kvm",
                                  "//./PhysicalDrive0",
                                  "\\\\?\\C:\\memo\\a.kvm",
                                  "\\??\\C:\\a.kvm",
                                  "\\\\server\\PIPE\\x",
                                  "\\\\server\\mailslot\\x",
                                  "C:\\memo\\表\\COM2"};
  const char* const kFiles[] = {"C:\\memo\\COM10.kvm",
                                "C:\\memo\\CONSOLE.txt",
                                "C:\\nul\\a.kvm",
                                "C:\\memo\\com.kvm",
                                "C:\\memo\\xcon.txt",
                                "\\\\server\\share\\con-notes.kvm",
                                "\\\\server\\pipes\\a.kvm",
                                "C:\\memo\\COMA.kvm",
                                "",
                                "C:\\ソ\\a.kvm"};
  for (const char* device : kDevices) EXPECT_TRUE(KVIsDevicePath(device)) << device;
  for (const char* file : kFiles) EXPECT_FALSE(KVIsDevicePath(file)) << file;
}

TEST_F(SameFile, SpellingsOfOneFileAreOneOthersAreNot) {
  const std::string memo = Scratch("memo notes.kvm");
  WriteBytes(memo, "x");
  CreateDirectoryA(Scratch("sub").c_str(), nullptr);
  std::string slashed = memo;
  for (char& c : slashed) c = c == '\\' ? '/' : c;
  char shortName[MAX_PATH] = "";
  ASSERT_NE(0u, GetShortPathNameA(memo.c_str(), shortName, MAX_PATH));
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(scratch_.c_str());

  const std::string kSame[] = {
      "MEMO NOTES.KVM", slashed,          Scratch("sub\\..\\memo notes.kvm"),
      shortName,        "memo notes.kvm", ".\\sub\\..\\Memo Notes.kvm"};
  for (const std::string& other : kSame)
    EXPECT_TRUE(KVIsSameFile(memo.c_str(), other.c_str())) << other;
  EXPECT_TRUE(KVIsSameFile((scratch_ + "\\").c_str(), scratch_.c_str()));
  // Full-width letters fold as the file system folds them; other double-byte characters
  // whose trail bytes differ only as ASCII letters do are different names.
  EXPECT_TRUE(KVIsSameFile(Scratch("\x82\x81.kvm").c_str(), Scratch("\x82\x60.kvm").c_str()));
  EXPECT_FALSE(KVIsSameFile(Scratch("\x83\x61.kvm").c_str(), Scratch("\x83\x41.kvm").c_str()));
  EXPECT_FALSE(KVIsSameFile(memo.c_str(), Scratch("memo notes.kvm.bak").c_str()));
  EXPECT_FALSE(KVIsSameFile(memo.c_str(), Scratch("sub\\memo notes.kvm").c_str()));
  EXPECT_FALSE(KVIsSameFile("", ""));
  EXPECT_FALSE(KVIsSameFile(memo.c_str(), nullptr));
  SetCurrentDirectoryA(current);
}
