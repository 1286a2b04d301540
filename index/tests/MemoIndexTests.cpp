// The index kept in step with memo files on disk, and searched as the editor searches it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoBuilder.h"
#include "MemoIndex.h"
#include "ScanSearch.h"
#include "TestFiles.h"
#include "TestProfile.h"
#include "sqlite3.h"

namespace {

// Distinct times a day apart, so "newest first" has one answer.
void SetAge(const std::string& path, int daysAgo) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
  time.QuadPart -= static_cast<ULONGLONG>(daysAgo) * 864000000000ULL;
  FILETIME stamp{time.LowPart, time.HighPart};
  SetFileTime(file, nullptr, nullptr, &stamp);
  CloseHandle(file);
}

std::vector<std::string> Names(const SearchOutcome& outcome) {
  std::vector<std::string> names;
  for (const MemoHit& hit : outcome.hits)
    names.push_back(hit.path.substr(hit.path.rfind('\\') + 1));
  return names;
}

class MemoIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder("memos");
    dbPath_ = FreshFolder("index") + "KVMemoIndex.db";
  }
  std::string Memo(const std::string& name, const std::string& text, int daysAgo) {
    std::string path = folder_ + name;
    EXPECT_TRUE(MemoBuilder().Text(text).Save(path));
    SetAge(path, daysAgo);
    return path;
  }
  SearchOutcome Search(const std::string& words, bool matchCase = false) {
    SearchOutcome outcome;
    MemoIndex index;
    EXPECT_TRUE(index.Open(dbPath_));
    EXPECT_TRUE(index.Refresh({folder_}, nullptr, nullptr));
    EXPECT_TRUE(index.Search({words, matchCase, {folder_}}, &outcome));
    SearchOutcome scanned;
    ScanSearch({words, matchCase, {folder_}}, &scanned);
    EXPECT_EQ(Names(scanned), Names(outcome)) << "the plain scan finds the same memos";
    return outcome;
  }

  std::string folder_;
  std::string dbPath_;
};

TEST_F(MemoIndexTest, FollowsChangedSavedAndDeletedFilesWithJapaneseAndShortQueries) {
  const std::string minutes =
      Memo("minutes.kvm", "定例会議の議事録\n出席: 田中\n次回の会議は月曜", 2);
  const std::string budget = Memo("budget.kvm", "Budget Meeting notes\nno minutes の件", 1);
  SearchOutcome found = Search("議事録");
  ASSERT_EQ(std::vector<std::string>{"minutes.kvm"}, Names(found));
  ASSERT_EQ(1u, found.hits[0].lines.size());
  const HitLine& line = found.hits[0].lines[0];
  EXPECT_EQ(1, line.number);
  ASSERT_EQ(1u, line.spans.size());
  EXPECT_EQ("議事録", line.text.substr(line.spans[0].begin, line.spans[0].length));

  // Two characters are below the trigram table's reach: the trigrams beginning with them
  // are looked up, even in a memo of those two characters alone.
  Memo("tiny.kvm", "会議", 3);
  found = Search("会議");
  ASSERT_EQ(std::vector<std::string>({"minutes.kvm", "tiny.kvm"}), Names(found));
  EXPECT_EQ(2u, found.hits[0].lines.size()) << "lines 1 and 3";
  ASSERT_TRUE(DeleteFileA((folder_ + "tiny.kvm").c_str()));
  EXPECT_EQ(std::vector<std::string>({"budget.kvm", "minutes.kvm"}), Names(Search("の")))
      << "newest first";
  EXPECT_EQ(std::vector<std::string>{"budget.kvm"}, Names(Search("NO")));
  EXPECT_EQ(std::vector<std::string>{"budget.kvm"}, Names(Search("meeting")));
  EXPECT_TRUE(Search("meeting", true).hits.empty());
  EXPECT_EQ(std::vector<std::string>{"budget.kvm"}, Names(Search("budget MEETING")));
  EXPECT_TRUE(Search("budget 議事録").hits.empty()) << "every word must be in the memo";

  // Changed on disk: read again at the next search.
  Memo("minutes.kvm", "延期になりました", 0);
  EXPECT_TRUE(Search("議事録").hits.empty());
  EXPECT_EQ(std::vector<std::string>{"minutes.kvm"}, Names(Search("延期")));

  // Saved by a window: one file read again at once.
  ASSERT_TRUE(MemoBuilder().Text("予算の見直し").Save(budget));
  MemoIndex index;
  ASSERT_TRUE(index.Open(dbPath_));
  ASSERT_TRUE(index.Update(budget));
  SearchOutcome updated;
  ASSERT_TRUE(index.Search({"見直し", false, {folder_}}, &updated));
  EXPECT_EQ(std::vector<std::string>{"budget.kvm"}, Names(updated));

  ASSERT_TRUE(DeleteFileA(minutes.c_str()));
  EXPECT_TRUE(Search("延期").hits.empty());
}

TEST_F(MemoIndexTest, SkipsAndCountsDamagedMemos) {
  Memo("good.kvm", "読める記録", 1);
  ASSERT_TRUE(WriteWholeFile(folder_ + "noise.kvm", std::string(300, '\x7f')));
  std::string whole = ReadWholeFile(Memo("cut.kvm", "途中で切れた記録です", 0));
  ASSERT_TRUE(WriteWholeFile(folder_ + "cut.kvm", whole.substr(0, whole.size() - 9)));
  SearchOutcome found = Search("記録");
  EXPECT_EQ(std::vector<std::string>{"good.kvm"}, Names(found));
  EXPECT_EQ(2, found.damaged);
  SearchOutcome scanned;
  ScanSearch({"記録", false, {folder_}}, &scanned);
  EXPECT_EQ(2, scanned.damaged);
}

TEST_F(MemoIndexTest, RebuildsAnIndexOfAnotherVersionOrNoIndexAtAll) {
  Memo("a.kvm", "索引の版", 0);
  ASSERT_EQ(1u, Search("索引の").hits.size());
  sqlite3* db = nullptr;
  ASSERT_EQ(SQLITE_OK, sqlite3_open(dbPath_.c_str(), &db));
  sqlite3_exec(db, "PRAGMA user_version=99; DROP TABLE links;", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  EXPECT_EQ(1u, Search("索引の").hits.size())
      << "an index of version 99, whose tables differ, is rebuilt";

  ASSERT_TRUE(WriteWholeFile(dbPath_, std::string(4096, 'x')));
  EXPECT_EQ(1u, Search("索引の").hits.size()) << "a file that is no database is replaced";
}

TEST_F(MemoIndexTest, LockedIndexIsRefusedAndTheFilesAreScanned) {
  Memo("a.kvm", "鍵のかかった索引", 0);
  ASSERT_EQ(1u, Search("索引").hits.size());
  HANDLE lock = CreateFileA(dbPath_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  MemoIndex index;
  EXPECT_FALSE(index.Open(dbPath_) && index.Refresh({folder_}, nullptr, nullptr));
  CloseHandle(lock);
  EXPECT_TRUE(FileExists(dbPath_)) << "a locked index is left alone, not deleted";
}

TEST_F(MemoIndexTest, BacklinksMatchAnySpellingAndIgnoreTextOpenedInPlace) {
  const std::string target = Memo("target.kvm", "固有の語句", 3);
  std::string slashed = target;
  for (char& c : slashed)
    if (c == '\\') c = '/';
  const std::string other = folder_ + "sub\\";
  CreateDirectoryA(other.c_str(), nullptr);
  ASSERT_TRUE(MemoBuilder().Text("一行目\n参照: ").Link(target, true).Save(folder_ + "first.kvm"));
  ASSERT_TRUE(MemoBuilder().Text("別の綴り ").Link(slashed).Save(other + "second.kvm"));
  SetAge(folder_ + "first.kvm", 2);
  SetAge(other + "second.kvm", 1);
  MemoIndex index;
  ASSERT_TRUE(index.Open(dbPath_));
  ASSERT_TRUE(index.Refresh({folder_}, nullptr, nullptr));
  SearchOutcome links;
  ASSERT_TRUE(index.Backlinks(target, {folder_}, &links));
  ASSERT_EQ(std::vector<std::string>({"second.kvm", "first.kvm"}), Names(links));
  ASSERT_EQ(1u, links.hits[1].lines.size());
  EXPECT_EQ(2, links.hits[1].lines[0].number);
  SearchOutcome scanned;
  ScanBacklinks(target, {folder_}, &scanned);
  EXPECT_EQ(Names(links), Names(scanned));
  // The target's text shows inside "first.kvm" but is the target's own.
  EXPECT_EQ(std::vector<std::string>{"target.kvm"}, Names(Search("固有の語句")));
}

}  // namespace
