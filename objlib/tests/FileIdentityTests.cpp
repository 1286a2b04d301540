// What a path names: a device rather than a file, and the same file by another spelling.
#include <gtest/gtest.h>

#include <string>

#include "DiskFile.h"
#include "FileSupport.h"
#include "KVFilePaths.h"

using SameFile = FileFixture;

TEST(DevicePaths, DeviceNamesInAnyFolderAndDevicePathsAreToldFromFiles) {
  for (const char* device :
       {"C:\\memo\\COM1.kvm", "C:\\memo\\nul", "CON.txt", "c:\\a\\Lpt9.x.y", "aux .jpg",
        "C:\\memo\\prn:", "D:/memo/com4.KVM", "C:conin$", "\\\\.\\pipe\\memo.kvm",
        "//./PhysicalDrive0", "\\\\?\\C:\\a.kvm", "\\??\\C:\\a.kvm", "\\\\host\\PIPE\\x",
        "\\\\host\\mailslot\\x", "C:\\表\\COM2"})
    EXPECT_TRUE(KVIsDevicePath(device)) << device;
  for (const char* file :
       {"C:\\memo\\COM10.kvm", "C:\\memo\\CONSOLE.txt", "C:\\nul\\a.kvm", "C:\\memo\\com.kvm",
        "\\\\host\\share\\con-notes.kvm", "\\\\host\\pipes\\a.kvm", "", "C:\\ソ\\a.kvm"})
    EXPECT_FALSE(KVIsDevicePath(file)) << file;
}

TEST_F(SameFile, SpellingsOfOneFileAreOneOthersAreNot) {
  const std::string memo = Scratch("memo notes.kvm");
  WriteWholeFile(memo, "x");
  CreateDirectoryA(Scratch("sub").c_str(), nullptr);
  std::string slashed = memo;
  for (char& c : slashed) c = c == '\\' ? '/' : c;
  char shortName[MAX_PATH] = "";
  ASSERT_NE(0u, GetShortPathNameA(memo.c_str(), shortName, MAX_PATH));
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(scratch_.c_str());
  for (const std::string& same : {std::string("MEMO NOTES.KVM"), slashed, std::string(shortName),
                                  std::string(".\\sub\\..\\Memo Notes.kvm")})
    EXPECT_TRUE(KVIsSameFile(memo.c_str(), same.c_str())) << same;
  SetCurrentDirectoryA(current);
  EXPECT_TRUE(KVIsSameFile((scratch_ + "\\").c_str(), scratch_.c_str()));
  // Full-width letters fold as the file system folds them; kana whose trail bytes differ
  // as ASCII letters do are other names.
  EXPECT_TRUE(KVIsSameFile(Scratch("\x82\x81.kvm").c_str(), Scratch("\x82\x60.kvm").c_str()));
  EXPECT_FALSE(KVIsSameFile(Scratch("\x83\x61.kvm").c_str(), Scratch("\x83\x41.kvm").c_str()));
  // "ソ" ends in the byte of a backslash, which must not start a folder.
  EXPECT_TRUE(KVIsSameFile(Scratch("ソ\\x.kvm").c_str(), Scratch("ソ\\X.KVM").c_str()));
  EXPECT_FALSE(KVIsSameFile(memo.c_str(), Scratch("sub\\memo notes.kvm").c_str()));
  EXPECT_FALSE(KVIsSameFile("", ""));
}
