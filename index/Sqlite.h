// Owners of an SQLite connection and of its prepared statements, with the few calls the
// index makes. Texts go in and come out as UTF-8.
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

class SqliteDb {
 public:
  SqliteDb() = default;
  SqliteDb(const SqliteDb&) = delete;
  SqliteDb& operator=(const SqliteDb&) = delete;
  ~SqliteDb() { Close(); }

  // Opens (creating) the database at a UTF-8 path; the SQLite result code.
  int Open(const std::string& utf8Path);
  void Close();
  bool IsOpen() const { return m_db != nullptr; }
  // Runs statements without results; the SQLite result code.
  int Exec(const char* sql);
  int IntPragma(const char* name);
  sqlite3* Handle() const { return m_db; }

 private:
  sqlite3* m_db = nullptr;
};

class SqliteStatement {
 public:
  SqliteStatement(const SqliteDb& db, const char* sql);
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;
  ~SqliteStatement();

  bool IsValid() const { return m_stmt != nullptr; }
  void Bind(int index, const std::string& text);
  void Bind(int index, int64_t value);
  void BindNull(int index);
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step();
  // Ready to run again with new bindings.
  void Reset();
  int64_t Int(int column);
  std::string Text(int column);
  bool IsNull(int column);

 private:
  sqlite3_stmt* m_stmt = nullptr;
};

// Holds a transaction open; what it did is kept only when Commit is called.
class SqliteTransaction {
 public:
  explicit SqliteTransaction(SqliteDb& db);
  SqliteTransaction(const SqliteTransaction&) = delete;
  SqliteTransaction& operator=(const SqliteTransaction&) = delete;
  ~SqliteTransaction();
  bool Begun() const { return m_begun; }
  int Commit();

 private:
  SqliteDb& m_db;
  bool m_begun;
};
