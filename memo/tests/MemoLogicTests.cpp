// Command-line parsing, window titles and the shared blocks between memo windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CommandLine.h"
#include "MemoTitle.h"
#include "SharedMemory.h"

namespace {

std::string Parse(const char* arguments) { return LastCommandLineToken(arguments); }

TEST(CommandLine, TheLastTokenWinsAndOnlySpacesSeparate) {
  EXPECT_EQ(Parse(""), "");
  EXPECT_EQ(Parse("   "), "");
  EXPECT_EQ(Parse("a.kvm b.kvm"), "b.kvm");
  EXPECT_EQ(Parse("\"C:\\my memos\\a.kvm\""), "C:\\my memos\\a.kvm");
  EXPECT_EQ(Parse("x \"C:\\a b.kvm\"  "), "C:\\a b.kvm");
  EXPECT_EQ(Parse("a\tb"), "a\tb");
  EXPECT_EQ(Parse("\"C:\\open ended"), "C:\\open ended");
  EXPECT_EQ(Parse("\"\""), "");
}

TEST(CommandLine, ThePathIsMadeFullAndAnOverlongOneIsRefusedNotCut) {
  std::string overlong(258, 'a');
  overlong += "表表";  // cut at 259 bytes it would name the file "aaa...a"
  EXPECT_EQ(Parse(overlong.c_str()), overlong);
  char path[kPathSize] = "untouched";
  EXPECT_FALSE(StartupPath("C:\\" + overlong, path));
  EXPECT_TRUE(StartupPath("C:\\memo\\sub\\..\\.\\a.kvm", path));
  EXPECT_STREQ(path, "C:\\memo\\a.kvm");
  // A long spelling of a short path is fine: only the full path must fit.
  std::string detour = "C:\\memo";
  while (detour.size() < 300) detour += "\\sub\\..";
  EXPECT_TRUE(StartupPath(detour + "\\b.kvm", path));
  EXPECT_STREQ(path, "C:\\memo\\b.kvm");
}

TEST(Title, FollowsTheTitleSettings) {
  const char* file = "C:\\memo\\a.kvm";
  EXPECT_EQ(MemoWindowTitle({true, false, true}, "", file), "KVMemo - a.kvm");  // no name
  EXPECT_EQ(MemoWindowTitle({true, false, true}, "", ""), "KVMemo - 無題");
  EXPECT_EQ(MemoWindowTitle({true, false, false}, "買い物", file), "KVMemo - 買い物");
  EXPECT_EQ(MemoWindowTitle({false, true, true}, "買い物", ""), "KVMemo - 新規ファイル");
  EXPECT_EQ(MemoWindowTitle({false, false, false}, "", file), "KVMemo - a");
  EXPECT_EQ(MemoWindowTitle({false, true, true}, "", file), "KVMemo - C:\\memo\\a.kvm");
  EXPECT_EQ(MemoWindowTitle({false, false, true}, "", file), "KVMemo - a.kvm");
}

TEST(SharedMemory, ANewBlockIsZeroAndAnOpenBlockIsShared) {
  CSharedMemory first;
  ASSERT_EQ(first.Open(kSharedBlockSize, "KVMemoTest_Block"), 0);
  const char* bytes = static_cast<const char*>(first.m_pView);
  EXPECT_EQ(std::string(bytes, 8), std::string(8, '\0'));
  std::strcpy(static_cast<char*>(first.m_pView), "C:\\a.kvm");
  {
    CSharedMemory second;
    ASSERT_EQ(second.Open(kSharedBlockSize, "KVMemoTest_Block"), 0);
    EXPECT_STREQ(static_cast<const char*>(second.m_pView), "C:\\a.kvm");
  }
  first.Close();
  EXPECT_EQ(first.m_pView, nullptr);
  CSharedMemory again;
  ASSERT_EQ(again.Open(kSharedBlockSize, "KVMemoTest_Block"), 0);
  EXPECT_EQ(static_cast<const char*>(again.m_pView)[0], '\0');  // the last holder let it go
}

TEST(SharedMemory, ABlockThatCannotBeMadeHoldsNothing) {
  CSharedMemory block;
  EXPECT_EQ(block.Open(kSharedBlockSize, "No\\Such\\Namespace"), -4);
  EXPECT_EQ(block.m_hMap, nullptr);
  EXPECT_EQ(block.m_pView, nullptr);
}

}  // namespace
