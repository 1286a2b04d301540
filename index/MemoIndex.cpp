// Opening the index: the schema, its version, and what to do with a file that is no index.
#include "MemoIndex.h"

#include <windows.h>

#include "TextCodec.h"
#include "sqlite3.h"

namespace {

// memos.body keeps the text for lines and short queries; memo_words is a contentless
// full-text table over the same text (rowid = memos.id), so the text is stored once. The
// body comes last: a column behind it costs a walk through the body's overflow pages.
const char kSchema[] =
    "CREATE TABLE memos(id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE, path TEXT NOT NULL,"
    " size INTEGER NOT NULL, time INTEGER NOT NULL, damaged INTEGER NOT NULL DEFAULT 0,"
    " title TEXT, body TEXT);"
    "CREATE INDEX memos_damaged ON memos(key) WHERE damaged<>0;"
    "CREATE VIRTUAL TABLE memo_words USING fts5(body, content='', contentless_delete=1,"
    " tokenize='trigram');"
    "CREATE VIRTUAL TABLE memo_terms USING fts5vocab(memo_words, 'row');"
    "CREATE TABLE links(source INTEGER NOT NULL, target TEXT NOT NULL, line INTEGER NOT NULL);"
    "CREATE INDEX links_by_target ON links(target);"
    "CREATE INDEX links_by_source ON links(source);";

bool IsNotADatabase(int result) { return result == SQLITE_NOTADB || result == SQLITE_CORRUPT; }

}  // namespace

bool MemoIndex::Open(const std::string& sjisPath) {
  const std::string utf8Path = Utf8FromSjis(sjisPath);
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (m_db.Open(utf8Path) != SQLITE_OK) return false;
    // A cache: write-ahead logging without a sync at every commit is safe enough, and a
    // first build of thousands of memos commits often.
    m_db.Exec(
        "PRAGMA temp_store=MEMORY; PRAGMA cache_size=-32000; PRAGMA journal_mode=WAL;"
        " PRAGMA synchronous=NORMAL");
    int version = m_db.IntPragma("user_version");
    int tables = m_db.IntPragma("schema_version");
    if (version == kVersion) return true;
    if (version == 0 && tables == 0) {
      if (CreateSchema()) return true;
      m_db.Close();
      return false;
    }
    // Another version, or no database at all (schema_version fails on a file that is not
    // one): made anew. A file locked by another program reads as busy and is left alone.
    int probe = m_db.Exec("SELECT 1 FROM sqlite_master LIMIT 1");
    m_db.Close();
    if (probe != SQLITE_OK && !IsNotADatabase(probe)) return false;
    if (!DeleteFileA(sjisPath.c_str())) return false;
  }
  return false;
}

bool MemoIndex::CreateSchema() {
  SqliteTransaction transaction(m_db);
  if (!transaction.Begun() || m_db.Exec(kSchema) != SQLITE_OK) return false;
  std::string version = "PRAGMA user_version=" + std::to_string(kVersion);
  if (m_db.Exec(version.c_str()) != SQLITE_OK) return false;
  return transaction.Commit() == SQLITE_OK;
}
