// MemoIndex: an SQLite database of the memos' text (full-text, trigram), their links, and
// each file's size and time. It is a cache: a file from another version, or one SQLite
// cannot read as a database, is made anew; nothing is lost by deleting it.
#pragma once

#include <string>
#include <vector>

#include "FolderScan.h"
#include "SearchResults.h"
#include "Sqlite.h"

class MemoIndex {
 public:
  // Stored as PRAGMA user_version: an index of any other version is rebuilt.
  static const int kVersion = 1;

  // Opens or makes the index; false when it cannot be used (locked, unreadable), in which
  // case the caller searches the files themselves.
  bool Open(const std::string& sjisPath);
  bool IsOpen() const { return m_db.IsOpen(); }

  // Brings the index up to date with the memo files below the folders: new or changed
  // files (size or time) are read again, files gone drop out. False on a database error.
  bool Refresh(const std::vector<std::string>& sjisFolders, ProgressFn progress, void* context);
  // Reads one file again (after a save); a file that is gone drops out.
  bool Update(const std::string& sjisPath);

  // Memos holding every word of the query, with the lines holding any; newest first. Run
  // after a Refresh of the same folders: the hits are not looked up on disk again.
  bool Search(const SearchQuery& query, SearchOutcome* outcome);
  // Memos below the folders with a link to the file, with the lines of the links.
  bool Backlinks(const std::string& sjisTarget, const std::vector<std::string>& sjisFolders,
                 SearchOutcome* outcome);

 private:
  bool CreateSchema();
  bool Store(const DiskMemo& memo);
  bool Remove(int64_t id);
  int CountDamaged(const std::vector<std::string>& folderKeys);
  // The full-text clause for a word of one or two characters: any trigram beginning with
  // it, as the table's vocabulary lists them. False when the word must be found by scanning.
  bool TermsHolding(const std::string& word, std::string* clause);
  // Runs one query of hits ("FROM ... WHERE ..." with the full-text clause as ?1 when
  // match is not empty), the scanned words added as conditions.
  bool CollectHits(std::string from, const std::string& match,
                   const std::vector<std::string>& scanned, const SearchQuery& query,
                   const std::vector<std::string>& words, SearchOutcome* outcome);

  SqliteDb m_db;
};
