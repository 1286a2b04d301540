// Searching the index: words of three characters or more through the trigram full-text
// table, shorter ones by scanning the stored text; the lines are then found in the text.
#include <map>

#include "HitBuilder.h"
#include "MemoIndex.h"
#include "PathKey.h"
#include "TextCodec.h"
#include "sqlite3.h"

namespace {

// The trigram table finds only words of three characters or more.
const size_t kTrigram = 3;

std::string FtsPhrase(const std::string& word) {
  std::string phrase = "\"";
  for (char c : word) phrase += c == '"' ? std::string("\"\"") : std::string(1, c);
  return phrase + "\"";
}

std::string LikePattern(const std::string& word) {
  std::string pattern = "%";
  for (char c : word) {
    if (c == '%' || c == '_' || c == '\\') pattern += '\\';
    pattern += c;
  }
  return pattern + "%";
}

std::vector<std::string> KeysOf(const std::vector<std::string>& sjisFolders) {
  std::vector<std::string> keys;
  for (const std::string& folder : sjisFolders) keys.push_back(PathKey(folder));
  return keys;
}

bool InsideAny(const std::string& key, const std::vector<std::string>& folderKeys) {
  for (const std::string& folderKey : folderKeys)
    if (KeyIsInside(key, folderKey)) return true;
  return false;
}

// Columns every hit query selects first: path, title, time, body, key.
const char kHitColumns[] = "SELECT m.path, m.title, m.time, m.body, m.key";

MemoHit HitFromRow(SqliteStatement& row) {
  return MemoHit{SjisFromUtf8(row.Text(0)), SjisFromUtf8(row.Text(1)), row.Int(2), {}};
}

bool StillThere(const std::string& sjisPath) {
  DiskMemo disk;
  return StatMemoFile(sjisPath, &disk);
}

}  // namespace

int MemoIndex::CountDamaged(const std::vector<std::string>& folderKeys) {
  int damaged = 0;
  SqliteStatement rows(m_db, "SELECT key FROM memos WHERE damaged<>0");
  while (rows.Step() == SQLITE_ROW)
    if (InsideAny(rows.Text(0), folderKeys)) ++damaged;
  return damaged;
}

bool MemoIndex::Search(const SearchQuery& query, SearchOutcome* outcome) {
  const std::vector<std::string> words = QueryWords(Utf8FromSjis(query.text));
  const std::vector<std::string> folderKeys = KeysOf(query.folders);
  std::string match, sql = kHitColumns;
  std::vector<std::string> shortWords;
  for (const std::string& word : words) {
    if (Utf8Length(word) < kTrigram) shortWords.push_back(word);
    else match += (match.empty() ? "" : " AND ") + FtsPhrase(word);
  }
  sql += match.empty() ? " FROM memos m WHERE m.damaged=0"
                       : " FROM memo_words JOIN memos m ON m.id=memo_words.rowid"
                         " WHERE memo_words MATCH ?1";
  for (size_t i = 0; i < shortWords.size(); ++i) {
    std::string parameter = "?" + std::to_string(i + 2);
    sql += query.matchCase ? " AND instr(m.body," + parameter + ")>0"
                           : " AND m.body LIKE " + parameter + " ESCAPE '\\'";
  }
  SqliteStatement rows(m_db, sql.c_str());
  if (!rows.IsValid()) return false;
  if (!match.empty()) rows.Bind(1, match);
  for (size_t i = 0; i < shortWords.size(); ++i)
    rows.Bind(static_cast<int>(i + 2),
              query.matchCase ? shortWords[i] : LikePattern(shortWords[i]));
  int step = SQLITE_DONE;
  while (!words.empty() && (step = rows.Step()) == SQLITE_ROW) {
    if (!InsideAny(rows.Text(4), folderKeys)) continue;
    MemoHit hit = HitFromRow(rows);
    if (BuildWordHit(rows.Text(3), words, query.matchCase, &hit) && StillThere(hit.path))
      outcome->hits.push_back(std::move(hit));
  }
  if (!words.empty() && step != SQLITE_DONE) return false;
  SortNewestFirst(&outcome->hits);
  outcome->damaged = CountDamaged(folderKeys);
  outcome->fromIndex = true;
  return true;
}

bool MemoIndex::Backlinks(const std::string& sjisTarget,
                          const std::vector<std::string>& sjisFolders, SearchOutcome* outcome) {
  const std::string target = PathKey(sjisTarget);
  SqliteStatement rows(m_db, (std::string(kHitColumns) +
                              ", l.line FROM links l JOIN memos m ON m.id=l.source"
                              " WHERE l.target=?1 AND m.key<>?1 ORDER BY m.id, l.line").c_str());
  rows.Bind(1, target);
  std::map<std::string, std::pair<MemoHit, std::vector<int>>> bySource;
  std::map<std::string, std::string> bodies;
  int step = SQLITE_DONE;
  while ((step = rows.Step()) == SQLITE_ROW) {
    auto& entry = bySource[rows.Text(4)];
    if (entry.second.empty()) {
      entry.first = HitFromRow(rows);
      bodies[rows.Text(4)] = rows.Text(3);
    }
    entry.second.push_back(static_cast<int>(rows.Int(5)));
  }
  if (step != SQLITE_DONE) return false;
  for (auto& entry : bySource) {
    MemoHit& hit = entry.second.first;
    if (!StillThere(hit.path)) continue;
    BuildLineHit(bodies[entry.first], entry.second.second, &hit);
    outcome->hits.push_back(std::move(hit));
  }
  SortNewestFirst(&outcome->hits);
  outcome->damaged = CountDamaged(KeysOf(sjisFolders));
  outcome->fromIndex = true;
  return true;
}
