// Recovery copies on disk: their names, their side records, which copies belong to live
// windows, and claiming a copy so that no two processes take it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecoveryClaim.h"
#include "RecoveryDlg.h"
#include "RecoveryNames.h"
#include "TestFiles.h"
#include "TestProfile.h"

namespace {

const RecoveryOwner kDeadOwner{0x7FFFFFF0, 1234};

RecoverySide SideOf(const std::string& path, const RecoveryOwner& owner) {
  RecoverySide side;
  side.memoPath = path;
  side.owner = owner;
  side.diskStamp.exists = true;
  side.diskStamp.size = 5000000000ULL;
  side.diskStamp.written = {0x89ABCDEF, 0x01234567};
  return side;
}

void WriteCopy(const std::string& folder, const std::string& key, const std::string& side) {
  ASSERT_TRUE(WriteWholeFile(folder + key + kRecoverySideExt, side));
  ASSERT_TRUE(WriteWholeFile(folder + key + kRecoveryCopyExt, "stream"));
}

TEST(RecoveryNames, KeysFoldCaseMapTheMemoAndNeverCollideBetweenWindows) {
  const RecoveryOwner one{100, 5}, other{100, 6};
  const std::string key = RecoveryKey("C:\\Memo\\表示.kvm", one);
  EXPECT_EQ(key, RecoveryKey("c:\\memo\\表示.KVM", one));
  // "ッ" (0x83 0x62) and "イ" (0x83 0x42) differ only in a trail byte that looks like 'b'
  // and 'B': folded as a letter, two memos would share one key.
  EXPECT_NE(RecoveryKey("C:\\a\\ッ.kvm", one), RecoveryKey("C:\\a\\イ.kvm", one));
  EXPECT_NE(RecoveryKey("C:\\memo\\b.kvm", one), key);
  EXPECT_NE(RecoveryKey("C:\\Memo\\表示.kvm", other), key);  // the same id reused later
  EXPECT_EQ(0u, RecoveryKey("", one).find("new-"));
  EXPECT_NE(RecoveryKey("", one), RecoveryKey("", other));
  EXPECT_NE(RecoveryKey("", one), RecoveryKey("", {101, 5}));
  EXPECT_EQ(std::string::npos, key.find_first_of("\\/:*?\"<>|"));
}

TEST(RecoveryNames, SideRecordsRoundTripAndDamagedOnesAreRefused) {
  RecoverySide read;
  const RecoverySide side = SideOf("C:\\メモ\\a b.kvm", {4321, 0xFEDCBA9876543210ULL});
  ASSERT_TRUE(ParseRecoverySide(FormatRecoverySide(side), &read));
  EXPECT_EQ(side.memoPath, read.memoPath);
  EXPECT_EQ(side.owner.pid, read.owner.pid);
  EXPECT_EQ(side.owner.started, read.owner.started);
  EXPECT_TRUE(read.diskStamp.exists);
  EXPECT_EQ(side.diskStamp.size, read.diskStamp.size);
  EXPECT_EQ(0, CompareFileTime(&side.diskStamp.written, &read.diskStamp.written));

  ASSERT_TRUE(ParseRecoverySide(FormatRecoverySide(SideOf("", {7, 0})), &read));
  EXPECT_EQ("", read.memoPath);

  const std::string good = FormatRecoverySide(side);
  for (const std::string& damaged : std::vector<std::string>{
           std::string(), good.substr(0, good.size() / 2), "x" + good,
        "KVMemoRecovery 1\r\nPath=a\r\nOwner=0 1\r\nDisk=0 0 0\r\n",
        "KVMemoRecovery 1\r\nPath=a\r\nOwner=5 1 9\r\nDisk=0 0 0\r\n",
        "KVMemoRecovery 1\r\nPath=a\r\nOwner=5 1\r\nDisk=2 0 0\r\n",
        "KVMemoRecovery 1\r\nPath=" + std::string(300, 'a') + "\r\nOwner=5 1\r\nDisk=0 0 0\r\n"}) {
    read.memoPath = "untouched";
    EXPECT_FALSE(ParseRecoverySide(damaged, &read)) << damaged;
    EXPECT_EQ("untouched", read.memoPath);
  }
}

TEST(RecoveryNames, OnlyTheSameLiveKVMemoProcessOwnsACopy) {
  const RecoveryOwner owner{300, 77};
  EXPECT_TRUE(IsOwnerRunning(owner, {true, 77, "KVMemo.exe"}, "KVMemo.exe"));
  EXPECT_TRUE(IsOwnerRunning(owner, {true, 77, "kvmemo.EXE"}, "KVMemo.exe"));
  EXPECT_FALSE(IsOwnerRunning(owner, {false, 77, "KVMemo.exe"}, "KVMemo.exe"));
  EXPECT_FALSE(IsOwnerRunning(owner, {true, 78, "KVMemo.exe"}, "KVMemo.exe"));  // id reused
  EXPECT_FALSE(IsOwnerRunning(owner, {true, 77, "notepad.exe"}, "KVMemo.exe"));
  EXPECT_TRUE(IsOwnerRunning(owner, {true, 0, "KVMemo.exe"}, "KVMemo.exe"));

  // This process is alive and runs this program; a process long gone is not.
  const RecoveryOwner self = CurrentRecoveryOwner();
  EXPECT_NE(0u, self.started);
  EXPECT_TRUE(IsOwnerRunning(self, ProbeProcess(self.pid), OwnProgramName().c_str()));
  EXPECT_FALSE(IsOwnerRunning(kDeadOwner, ProbeProcess(kDeadOwner.pid), OwnProgramName().c_str()));
}

TEST(RecoveryNames, TheOfferNamesTheMemoAndWarnsWhenItsFileIsNewerThanTheCopy) {
  MakeConfigFolder();
  const std::string memo = FreshFolder("recovery-offer") + "memo.kvm";
  ASSERT_TRUE(WriteWholeFile(memo, "saved after the copy"));
  const FileStamp written = FileStamp::Of(memo.c_str());
  const FILETIME before = {0, written.written.dwHighDateTime - 1};
  const std::string warning = "メモのファイルはこのコピーより後に保存されています。";
  EXPECT_NE(std::string::npos, RecoveryOfferText(memo, before).find(memo));
  EXPECT_NE(std::string::npos, RecoveryOfferText(memo, before).find(warning));
  EXPECT_EQ(std::string::npos, RecoveryOfferText(memo, written.written).find(warning));
  const std::string unsaved = RecoveryOfferText("", before);
  EXPECT_NE(std::string::npos, unsaved.find("保存されたことのない新規メモ"));
  EXPECT_EQ(std::string::npos, unsaved.find(warning));
}

TEST(RecoveryClaim, OneHolderAtATimeLiveOwnersKeepTheirsAndDamageIsSetAside) {
  MakeConfigFolder();
  const std::string folder = FreshFolder("recovery-claim");
  const RecoveryOwner self = CurrentRecoveryOwner();
  WriteCopy(folder, "orphan", FormatRecoverySide(SideOf("C:\\a.kvm", kDeadOwner)));
  WriteCopy(folder, "live", FormatRecoverySide(SideOf("C:\\b.kvm", self)));
  WriteCopy(folder, "damaged", "KVMemoRecovery 1\r\nPath=C:\\c.kvm\r\n");
  ASSERT_TRUE(WriteWholeFile(folder + "alone" + kRecoverySideExt,
                             FormatRecoverySide(SideOf("", kDeadOwner))));
  EXPECT_EQ(4u, ListRecoveryKeys(folder).size());

  ClaimedCopy first(folder, "orphan"), second(folder, "orphan");
  ASSERT_EQ(ClaimResult::kClaimed, first.Claim({1, 1}));
  EXPECT_EQ("C:\\a.kvm", first.Side().memoPath);
  EXPECT_EQ(ClaimResult::kBusy, second.Claim({2, 2}));
  // Handed to a new owner, the copy is that owner's.
  ASSERT_TRUE(first.SetOwner(self));
  first.Release();
  EXPECT_EQ(ClaimResult::kLive, second.Claim({2, 2}));
  ASSERT_EQ(ClaimResult::kClaimed, second.Claim(self));
  second.Delete();
  EXPECT_FALSE(FileExists(folder + "orphan" + kRecoveryCopyExt));
  EXPECT_FALSE(FileExists(folder + "orphan" + kRecoverySideExt));

  ClaimedCopy live(folder, "live"), damaged(folder, "damaged"), alone(folder, "alone");
  EXPECT_EQ(ClaimResult::kLive, live.Claim({1, 1}));
  EXPECT_EQ(ClaimResult::kNoCopy, alone.Claim({1, 1}));
  ASSERT_EQ(ClaimResult::kDamaged, damaged.Claim({1, 1}));
  damaged.SetAside();
  EXPECT_TRUE(FileExists(folder + "damaged.kvm.damaged"));
  EXPECT_TRUE(FileExists(folder + "damaged.kvr.damaged"));
  alone.Delete();
  EXPECT_EQ(std::vector<std::string>{"live"}, ListRecoveryKeys(folder));
}

}  // namespace
