// Keeping the index in step with the files: what changed on disk is read again, what is
// gone drops out.
#include <map>

#include "MemoIndex.h"
#include "MemoReader.h"
#include "PathKey.h"
#include "TextCodec.h"
#include "sqlite3.h"

namespace {

// Files read between two commits: another window waiting for the index waits no longer.
const int kFilesPerCommit = 100;

struct IndexedFile {
  int64_t id;
  int64_t size;
  int64_t time;
};

}  // namespace

bool MemoIndex::Remove(int64_t id) {
  SqliteStatement words(m_db, "DELETE FROM memo_words WHERE rowid=?1");
  SqliteStatement links(m_db, "DELETE FROM links WHERE source=?1");
  SqliteStatement memo(m_db, "DELETE FROM memos WHERE id=?1");
  for (SqliteStatement* statement : {&words, &links, &memo}) {
    statement->Bind(1, id);
    if (statement->Step() != SQLITE_DONE) return false;
  }
  return true;
}

// A damaged memo is kept as a row without text, so it is not read again until it changes.
bool MemoIndex::Store(const DiskMemo& disk) {
  const std::string& key = disk.key;
  SqliteStatement old(m_db, "SELECT id FROM memos WHERE key=?1");
  old.Bind(1, key);
  if (old.Step() == SQLITE_ROW && !Remove(old.Int(0))) return false;
  MemoContent content = ReadMemoContent(disk.path);
  SqliteStatement memo(m_db,
                       "INSERT INTO memos(key,path,size,time,title,body,damaged)"
                       " VALUES(?1,?2,?3,?4,?5,?6,?7)");
  memo.Bind(1, key);
  memo.Bind(2, Utf8FromSjis(disk.path));
  memo.Bind(3, disk.size);
  memo.Bind(4, disk.time);
  memo.Bind(5, Utf8FromSjis(content.title));
  if (content.readable)
    memo.Bind(6, content.text);
  else
    memo.BindNull(6);
  memo.Bind(7, static_cast<int64_t>(content.readable ? 0 : 1));
  if (memo.Step() != SQLITE_DONE) return false;
  if (!content.readable) return true;
  const int64_t id = sqlite3_last_insert_rowid(m_db.Handle());
  SqliteStatement words(m_db, "INSERT INTO memo_words(rowid, body) VALUES(?1, ?2)");
  words.Bind(1, id);
  // Two characters more, so that every character of the text starts a trigram: a word of
  // one or two characters is then found through the trigrams that begin with it.
  words.Bind(2, content.text + "\n\n");
  if (words.Step() != SQLITE_DONE) return false;
  SqliteStatement link(m_db, "INSERT INTO links(source,target,line) VALUES(?1,?2,?3)");
  for (const MemoLinkRef& ref : content.links) {
    link.Reset();
    link.Bind(1, id);
    link.Bind(2, ref.targetKey);
    link.Bind(3, static_cast<int64_t>(ref.line));
    if (link.Step() != SQLITE_DONE) return false;
  }
  return true;
}

bool MemoIndex::Update(const std::string& sjisPath) {
  SqliteTransaction transaction(m_db);
  if (!transaction.Begun()) return false;
  DiskMemo disk;
  if (StatMemoFile(sjisPath, &disk)) {
    if (!Store(disk)) return false;
  } else {
    SqliteStatement old(m_db, "SELECT id FROM memos WHERE key=?1");
    old.Bind(1, PathKey(sjisPath));
    if (old.Step() == SQLITE_ROW && !Remove(old.Int(0))) return false;
  }
  return transaction.Commit() == SQLITE_OK;
}

bool MemoIndex::Refresh(const std::vector<std::string>& sjisFolders, ProgressFn progress,
                        void* context) {
  std::map<std::string, IndexedFile> indexed;
  {
    SqliteStatement all(m_db, "SELECT key, id, size, time FROM memos");
    while (all.Step() == SQLITE_ROW) indexed[all.Text(0)] = {all.Int(1), all.Int(2), all.Int(3)};
  }
  std::vector<DiskMemo> changed;
  for (const DiskMemo& disk : ListMemoFiles(sjisFolders)) {
    auto found = indexed.find(disk.key);
    if (found == indexed.end() || found->second.size != disk.size ||
        found->second.time != disk.time)
      changed.push_back(disk);
    if (found != indexed.end()) indexed.erase(found);
  }
  // Left over: files the walk should have found inside its folders. Files indexed outside
  // them (saved elsewhere) stay; a search checks that its hits still exist.
  std::vector<std::string> folderKeys;
  for (const std::string& folder : sjisFolders) folderKeys.push_back(PathKey(folder));
  std::vector<int64_t> gone;
  for (const auto& entry : indexed)
    for (const std::string& folderKey : folderKeys)
      if (KeyIsInside(entry.first, folderKey)) {
        gone.push_back(entry.second.id);
        break;
      }
  const int total = static_cast<int>(changed.size());
  size_t next = 0;
  while (next < changed.size() || !gone.empty()) {
    SqliteTransaction transaction(m_db);
    if (!transaction.Begun()) return false;
    for (int64_t id : gone)
      if (!Remove(id)) return false;
    gone.clear();
    for (int n = 0; n < kFilesPerCommit && next < changed.size(); ++n, ++next)
      if (!Store(changed[next])) return false;
    if (transaction.Commit() != SQLITE_OK) return false;
    if (progress && total > 0) progress(context, static_cast<int>(next), total);
  }
  return true;
}
