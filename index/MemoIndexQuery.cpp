// Searching the index: words of three characters or more through the trigram full-text
// table, shorter ones by scanning the stored text; the lines are then found in the text.
#include <windows.h>

#include <map>

#include "HitBuilder.h"
#include "MemoIndex.h"
#include "PathKey.h"
#include "TextCodec.h"
#include "sqlite3.h"

namespace {

// The trigram table finds only words of three characters or more.
const size_t kTrigram = 3;
// Beyond this many terms holding a short word, its memos are found by scanning the text.
const int kMaxTerms = 3000;

std::wstring WideFromUtf8(const std::string& text) {
  int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

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

bool MemoIndex::TermsHolding(const std::string& word, std::string* clause) {
  // The tokenizer folds the case of letters beyond ASCII too (full-width, Greek...): such a
  // word would not find its terms by bytes. Kana, ideographs and ASCII are safe.
  std::wstring wide = WideFromUtf8(word);
  for (wchar_t c : wide)
    if (c >= 0x80 && !(c >= 0x3000 && c < 0xA000) && !(c >= 0xFF61 && c < 0xFFA0)) return false;
  std::string folded = word;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  // Terms sort as UTF-8 bytes; no character's bytes begin with 0xF5.
  SqliteStatement terms(m_db, "SELECT term FROM memo_terms WHERE term>=?1 AND term<?2");
  terms.Bind(1, folded);
  terms.Bind(2, folded + "\xF5");
  clause->clear();
  int count = 0;
  while (terms.Step() == SQLITE_ROW) {
    // A word of one common character is in too many terms: scanning is quicker.
    if (++count > kMaxTerms) return false;
    *clause += (clause->empty() ? "(" : " OR ") + FtsPhrase(terms.Text(0));
  }
  if (!clause->empty()) *clause += ")";
  return true;
}

bool MemoIndex::CollectHits(std::string from, const std::string& match,
                            const std::vector<std::string>& scanned, const SearchQuery& query,
                            const std::vector<std::string>& words, SearchOutcome* outcome) {
  const std::vector<std::string> folderKeys = KeysOf(query.folders);
  for (size_t i = 0; i < scanned.size(); ++i) {
    std::string parameter = "?" + std::to_string(i + 2);
    from += query.matchCase ? " AND instr(m.body," + parameter + ")>0"
                            : " AND m.body LIKE " + parameter + " ESCAPE '\\'";
  }
  SqliteStatement rows(m_db, (std::string(kHitColumns) + from).c_str());
  if (!rows.IsValid()) return false;
  if (!match.empty()) rows.Bind(1, match);
  for (size_t i = 0; i < scanned.size(); ++i)
    rows.Bind(static_cast<int>(i + 2), query.matchCase ? scanned[i] : LikePattern(scanned[i]));
  int step;
  while ((step = rows.Step()) == SQLITE_ROW) {
    if (!InsideAny(rows.Text(4), folderKeys)) continue;
    MemoHit hit = HitFromRow(rows);
    // Inside the folders, the refresh before the search has dropped the files gone.
    if (BuildWordHit(rows.Text(3), words, query.matchCase, &hit))
      outcome->hits.push_back(std::move(hit));
  }
  return step == SQLITE_DONE;
}

// Every word narrows the full-text match (long words as phrases, short ones as the terms
// beginning with them) or, where that cannot be, is looked for in the stored text.
bool MemoIndex::Search(const SearchQuery& query, SearchOutcome* outcome) {
  const std::vector<std::string> words = QueryWords(Utf8FromSjis(query.text));
  std::string match;
  std::vector<std::string> scanned;
  bool nowhere = false;
  for (const std::string& word : words) {
    std::string clause;
    if (Utf8Length(word) >= kTrigram) {
      clause = FtsPhrase(word);
    } else if (!TermsHolding(word, &clause)) {
      scanned.push_back(word);
      continue;
    } else if (clause.empty()) {
      nowhere = true;
    }
    match += (match.empty() ? "" : " AND ") + clause;
  }
  bool ok = true;
  if (!words.empty() && match.empty())
    ok = CollectHits(" FROM memos m WHERE m.damaged=0", "", scanned, query, words, outcome);
  if (!match.empty() && !nowhere)
    ok = CollectHits(
        " FROM memo_words JOIN memos m ON m.id=memo_words.rowid"
        " WHERE memo_words MATCH ?1",
        match, scanned, query, words, outcome);
  if (!ok) return false;
  SortNewestFirst(&outcome->hits);
  outcome->damaged = CountDamaged(KeysOf(query.folders));
  outcome->fromIndex = true;
  return true;
}

bool MemoIndex::Backlinks(const std::string& sjisTarget,
                          const std::vector<std::string>& sjisFolders, SearchOutcome* outcome) {
  const std::string target = PathKey(sjisTarget);
  SqliteStatement rows(
      m_db, (std::string(kHitColumns) + ", l.line FROM links l JOIN memos m ON m.id=l.source"
                                        " WHERE l.target=?1 AND m.key<>?1 ORDER BY m.id, l.line")
                .c_str());
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
  const std::vector<std::string> folderKeys = KeysOf(sjisFolders);
  for (auto& entry : bySource) {
    MemoHit& hit = entry.second.first;
    if (!InsideAny(entry.first, folderKeys) && !StillThere(hit.path)) continue;
    BuildLineHit(bodies[entry.first], entry.second.second, &hit);
    outcome->hits.push_back(std::move(hit));
  }
  SortNewestFirst(&outcome->hits);
  outcome->damaged = CountDamaged(folderKeys);
  outcome->fromIndex = true;
  return true;
}
