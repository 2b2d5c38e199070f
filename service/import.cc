// CSV and SQL import into a dictionary database; every value goes in as a bound parameter.
#include "service/import.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "service/sqlite_dictionary.h"

namespace olv::service {
namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS olv_codes(dictionary INTEGER NOT NULL, code TEXT NOT NULL,"
    " valid_from INTEGER, valid_to INTEGER);"
    "CREATE INDEX IF NOT EXISTS olv_codes_by_code ON olv_codes(dictionary, code);"
    "CREATE TABLE IF NOT EXISTS olv_meta(key TEXT PRIMARY KEY, value TEXT);";

using Database = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

[[noreturn]] void fail(const std::string& what) { throw DictionaryError(what, true); }

Database open_writable(const std::string& path) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Database owner(db, sqlite3_close);
  if (rc != SQLITE_OK) fail("cannot open " + path + ": " + sqlite3_errmsg(db));
  return owner;
}

void exec(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string m = message ? message : "failed";
    sqlite3_free(message);
    fail(m);
  }
}

Statement prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* s = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
    fail(std::string("cannot prepare: ") + sqlite3_errmsg(db));
  }
  return Statement(s, sqlite3_finalize);
}

void run(sqlite3* db, sqlite3_stmt* s) {
  if (sqlite3_step(s) != SQLITE_DONE) fail(sqlite3_errmsg(db));
  sqlite3_reset(s);
  sqlite3_clear_bindings(s);
}

std::string quoted(std::string_view name) {
  std::string q = "\"";
  for (char c : name) {
    q += c;
    if (c == '"') q += '"';
  }
  return q + "\"";
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) fail("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string base_name(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".csv") == 0)
    name.resize(name.size() - 4);
  return name;
}

bool is_dictionary_number(std::string_view name) {
  return name.size() == 5 && name.find_first_not_of("0123456789") == std::string_view::npos;
}

void bind_date(sqlite3_stmt* s, int index, int date) {
  if (date == 0) {
    sqlite3_bind_null(s, index);
  } else {
    sqlite3_bind_int(s, index, date);
  }
}

void import_codes(sqlite3* db, int number, const std::string& file,
                  const std::vector<std::vector<std::string>>& records) {
  const std::vector<std::string>& header = records[0];
  int code = -1, from = -1, to = -1;
  for (std::size_t i = 0; i < header.size(); ++i) {
    int* slot = header[i] == "code"         ? &code
                : header[i] == "valid_from" ? &from
                : header[i] == "valid_to"   ? &to
                                            : nullptr;
    if (!slot) fail(file + ":1: unknown column " + header[i]);
    if (*slot != -1) fail(file + ":1: column " + header[i] + " given twice");
    *slot = static_cast<int>(i);
  }
  if (code < 0) fail(file + ":1: no code column");
  Statement clear = prepare(db, "DELETE FROM olv_codes WHERE dictionary = ?1");
  sqlite3_bind_int(clear.get(), 1, number);
  run(db, clear.get());
  Statement insert = prepare(db, "INSERT INTO olv_codes VALUES (?1, ?2, ?3, ?4)");
  for (std::size_t line = 1; line < records.size(); ++line) {
    const std::vector<std::string>& r = records[line];
    std::string where = file + ":" + std::to_string(line + 1) + ": ";
    if (r.size() != header.size())
      fail(where + "expected " + std::to_string(header.size()) + " fields");
    int first = from < 0 ? 0 : date_field(r[from]);
    int last = to < 0 ? 0 : date_field(r[to]);
    if (first < 0 || last < 0) fail(where + "a date is RRRRMMDD or RRRR-MM-DD, or empty");
    sqlite3_bind_int(insert.get(), 1, number);
    sqlite3_bind_text(insert.get(), 2, r[code].data(), static_cast<int>(r[code].size()),
                      SQLITE_TRANSIENT);
    bind_date(insert.get(), 3, first);
    bind_date(insert.get(), 4, last);
    run(db, insert.get());
  }
}

void import_table(sqlite3* db, const std::string& table, const std::string& file,
                  const std::vector<std::vector<std::string>>& records) {
  if (table.empty() || table.compare(0, 4, "olv_") == 0 || table.compare(0, 7, "sqlite_") == 0) {
    fail(file + ": a value table may not be named " + table);
  }
  std::vector<bool> dates;
  std::string columns;
  for (const std::string& h : records[0]) {
    bool date = h.size() > 5 && h.compare(h.size() - 5, 5, ":date") == 0;
    std::string name = date ? h.substr(0, h.size() - 5) : h;
    if (name.empty()) fail(file + ":1: a column without a name");
    columns += (columns.empty() ? "" : ", ") + quoted(name) + (date ? " DATE" : " TEXT");
    dates.push_back(date);
  }
  exec(db, "DROP TABLE IF EXISTS " + quoted(table));
  exec(db, "CREATE TABLE " + quoted(table) + " (" + columns + ")");
  std::string placeholders;
  for (std::size_t i = 1; i <= dates.size(); ++i) {
    placeholders += (i > 1 ? ", ?" : "?") + std::to_string(i);
  }
  Statement insert = prepare(db, "INSERT INTO " + quoted(table) + " VALUES (" + placeholders + ")");
  for (std::size_t line = 1; line < records.size(); ++line) {
    const std::vector<std::string>& r = records[line];
    std::string where = file + ":" + std::to_string(line + 1) + ": ";
    if (r.size() != dates.size())
      fail(where + "expected " + std::to_string(dates.size()) + " fields");
    for (std::size_t i = 0; i < r.size(); ++i) {
      int index = static_cast<int>(i + 1);
      if (!dates[i]) {
        sqlite3_bind_text(insert.get(), index, r[i].data(), static_cast<int>(r[i].size()),
                          SQLITE_TRANSIENT);
        continue;
      }
      int date = date_field(r[i]);
      if (date < 0) fail(where + "a date is RRRRMMDD or RRRR-MM-DD, or empty");
      bind_date(insert.get(), index, date);
    }
    run(db, insert.get());
  }
}

}  // namespace

std::vector<std::vector<std::string>> parse_csv(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
  std::string field;
  bool quoted_field = false;
  bool in_quotes = false;
  auto end_field = [&] {
    record.push_back(std::move(field));
    field.clear();
    quoted_field = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (in_quotes) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        in_quotes = false;
      }
    } else if (c == '"' && field.empty() && !quoted_field) {
      in_quotes = quoted_field = true;
    } else if (c == ',') {
      end_field();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      end_field();
      records.push_back(std::move(record));
      record.clear();
    } else {
      field += c;
    }
  }
  if (in_quotes) throw DictionaryError("a quoted field is not closed", true);
  if (!field.empty() || quoted_field || !record.empty()) {
    end_field();
    records.push_back(std::move(record));
  }
  return records;
}

int date_field(std::string_view f) {
  std::string digits;
  if (f.empty()) return 0;
  if (f.size() == 10 && f[4] == '-' && f[7] == '-') {
    digits = std::string(f.substr(0, 4)) + std::string(f.substr(5, 2)) + std::string(f.substr(8));
  } else if (f.size() == 8) {
    digits = f;
  } else {
    return -1;
  }
  if (digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  int date = std::stoi(digits);
  int month = date / 100 % 100;
  int day = date % 100;
  return month >= 1 && month <= 12 && day >= 1 && day <= 31 ? date : -1;
}

void import_csv(const std::string& path, const std::vector<std::string>& files) {
  Database db = open_writable(path);
  exec(db.get(), kSchema);
  exec(db.get(), "BEGIN");
  try {
    for (const std::string& file : files) {
      std::vector<std::vector<std::string>> records;
      try {
        records = parse_csv(read_file(file));
      } catch (const DictionaryError& e) {
        fail(file + ": " + e.what());
      }
      if (records.empty()) fail(file + ": no header line");
      std::string name = base_name(file);
      if (is_dictionary_number(name)) {
        import_codes(db.get(), std::stoi(name), file, records);
      } else {
        import_table(db.get(), name, file, records);
      }
    }
    exec(db.get(), "COMMIT");
  } catch (...) {
    sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void build_from_sql(const std::string& path, std::string_view sql) {
  std::remove(path.c_str());
  Database db = open_writable(path);
  exec(db.get(), std::string(sql));
}

}  // namespace olv::service
