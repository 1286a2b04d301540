// The thin layer over SQLite's C interface.
#include "Sqlite.h"

#include "sqlite3.h"

namespace {
// Another window may be writing the index: wait this long for it before giving up.
const int kBusyTimeoutMs = 3000;
}  // namespace

int SqliteDb::Open(const std::string& utf8Path) {
  Close();
  int result =
      sqlite3_open_v2(utf8Path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (result != SQLITE_OK) {
    Close();
    return result;
  }
  sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
  return SQLITE_OK;
}

void SqliteDb::Close() {
  if (m_db) sqlite3_close_v2(m_db);
  m_db = nullptr;
}

int SqliteDb::Exec(const char* sql) {
  return m_db ? sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) : SQLITE_MISUSE;
}

int SqliteDb::IntPragma(const char* name) {
  SqliteStatement query(*this, (std::string("PRAGMA ") + name).c_str());
  return query.Step() == SQLITE_ROW ? static_cast<int>(query.Int(0)) : -1;
}

SqliteStatement::SqliteStatement(const SqliteDb& db, const char* sql) {
  if (db.Handle() && sqlite3_prepare_v2(db.Handle(), sql, -1, &m_stmt, nullptr) != SQLITE_OK)
    m_stmt = nullptr;
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

void SqliteStatement::Bind(int index, const std::string& text) {
  sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::Bind(int index, int64_t value) { sqlite3_bind_int64(m_stmt, index, value); }

void SqliteStatement::BindNull(int index) { sqlite3_bind_null(m_stmt, index); }

int SqliteStatement::Step() { return m_stmt ? sqlite3_step(m_stmt) : SQLITE_MISUSE; }

void SqliteStatement::Reset() {
  sqlite3_reset(m_stmt);
  sqlite3_clear_bindings(m_stmt);
}

int64_t SqliteStatement::Int(int column) { return sqlite3_column_int64(m_stmt, column); }

std::string SqliteStatement::Text(int column) {
  const unsigned char* text = sqlite3_column_text(m_stmt, column);
  if (!text) return std::string();
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<size_t>(sqlite3_column_bytes(m_stmt, column)));
}

bool SqliteStatement::IsNull(int column) {
  return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

SqliteTransaction::SqliteTransaction(SqliteDb& db)
    : m_db(db), m_begun(db.Exec("BEGIN IMMEDIATE") == SQLITE_OK) {}

SqliteTransaction::~SqliteTransaction() {
  if (m_begun) m_db.Exec("ROLLBACK");
}

int SqliteTransaction::Commit() {
  if (!m_begun) return SQLITE_MISUSE;
  m_begun = false;
  int result = m_db.Exec("COMMIT");
  if (result != SQLITE_OK) m_db.Exec("ROLLBACK");
  return result;
}
