// CSV and SQL import into a dictionary database. Every file is read and checked before anything
// is written, every value goes in as a bound parameter, and the database is built in a file of
// its own beside the target, renamed over it only when the build succeeded.
#include "service/import.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "service/sqlite_dictionary.h"

namespace olv::service {
namespace {

constexpr int kFirstDictionary = 10001;
constexpr int kLastDictionary = 10056;

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS olv_codes(dictionary INTEGER NOT NULL, code TEXT NOT NULL,"
    " valid_from INTEGER, valid_to INTEGER);"
    "CREATE INDEX IF NOT EXISTS olv_codes_by_code ON olv_codes(dictionary, code);"
    "CREATE TABLE IF NOT EXISTS olv_meta(key TEXT PRIMARY KEY, value TEXT);";

using Database = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

[[noreturn]] void fail(const std::string& what) { throw DictionaryError(what, true); }

std::string system_error() { return std::strerror(errno); }

Database open_database(const std::string& path, int flags) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
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

// Gives the new file `fd` the target's permissions, or those a new file would get. Windows
// files carry no such bits.
void give_permissions([[maybe_unused]] int fd, [[maybe_unused]] const std::string& target) {
#if !defined(_WIN32)
  struct stat existing;
  mode_t mode = 0;
  if (stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  fchmod(fd, mode);
#endif
}

// A new database file beside the target, with the target's permissions (or those a new file
// would get); removed unless it replaced the target.
class Replacement {
 public:
  explicit Replacement(const std::string& target) : target_(target) {
    std::size_t slash = target.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    std::string name = target.substr(slash == std::string::npos ? 0 : slash + 1);
    std::string pattern = folder + (slash == std::string::npos ? "/." : ".") + name + ".XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0) fail("cannot create a file beside " + target + ": " + system_error());
    path_ = pattern;
    give_permissions(fd, target);
    close(fd);
  }
  ~Replacement() {
    if (!done_) std::remove(path_.c_str());
  }
  Replacement(const Replacement&) = delete;
  Replacement& operator=(const Replacement&) = delete;

  const std::string& path() const { return path_; }

  // Renames the new file over the target once it opens as a dictionary.
  void commit() {
    SqliteDictionary::open_file(path_);
    // The library's rename replaces an existing target on Windows too, where the C one fails.
    std::error_code error;
    std::filesystem::rename(path_, target_, error);
    if (error) fail("cannot replace " + target_ + ": " + error.message());
    done_ = true;
  }

 private:
  std::string target_;
  std::string path_;
  bool done_ = false;
};

// Copies the target's database, when there is one, into the new file.
void copy_existing(const std::string& target, sqlite3* into) {
  if (access(target.c_str(), F_OK) != 0) return;
  Database from = open_database(target, SQLITE_OPEN_READONLY);
  sqlite3_backup* backup = sqlite3_backup_init(into, "main", from.get(), "main");
  if (!backup) fail("cannot copy " + target + ": " + sqlite3_errmsg(into));
  int rc = sqlite3_backup_step(backup, -1);
  sqlite3_backup_finish(backup);
  if (rc != SQLITE_DONE) fail("cannot copy " + target + ": " + sqlite3_errstr(rc));
}

std::string quoted_identifier(std::string_view name) {
  std::string q = "\"";
  for (char c : name) {
    q += c;
    if (c == '"') q += '"';
  }
  return q + "\"";
}

std::string read_file(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) fail(path + ": is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) fail("cannot read " + path + ": " + system_error());
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

bool is_space(char c) { return c == ' ' || c == '\t'; }

void bind_date(sqlite3_stmt* s, int index, int date) {
  if (date == 0) {
    sqlite3_bind_null(s, index);
  } else {
    sqlite3_bind_int(s, index, date);
  }
}

void bind_text(sqlite3_stmt* s, int index, const std::string& text) {
  sqlite3_bind_text(s, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// The faults of one file, each as FILE:LINE: reason.
class Faults {
 public:
  explicit Faults(std::string file) : file_(std::move(file)) {}
  void at(std::size_t line, const std::string& what) {
    list_.push_back(file_ + ":" + std::to_string(line) + ": " + what);
  }
  void whole(const std::string& what) { list_.push_back(file_ + ": " + what); }
  bool any() const { return !list_.empty(); }
  // The faults and their count, appended to a report.
  void report(std::string& out) const {
    for (const std::string& f : list_) out += f + '\n';
    out += file_ + ": " + std::to_string(list_.size()) + (list_.size() == 1 ? " fault" : " faults");
    out += '\n';
  }

 private:
  std::string file_;
  std::vector<std::string> list_;
};

// A file read and checked: a code list (number > 0) or a value table.
struct Checked {
  std::string name;
  int number = 0;
  std::vector<CsvRecord> records;
  int code = -1, from = -1, to = -1;  // a code list's columns
  std::vector<bool> dates;            // a value table's date columns
};

// A validity range with open ends made concrete, for overlap tests.
struct Validity {
  int first;
  int last;
  std::size_t line;
};

void check_codes(Checked& c, Faults& faults) {
  const std::vector<std::string>& header = c.records[0].fields;
  for (std::size_t i = 0; i < header.size(); ++i) {
    int* slot = header[i] == "code"         ? &c.code
                : header[i] == "valid_from" ? &c.from
                : header[i] == "valid_to"   ? &c.to
                                            : nullptr;
    if (!slot) {
      faults.at(1, "unknown column " + header[i] + " (code, valid_from, valid_to)");
    } else if (*slot != -1) {
      faults.at(1, "column " + header[i] + " given twice");
    } else {
      *slot = static_cast<int>(i);
    }
  }
  if (c.code < 0) faults.at(1, "no code column");
  if (faults.any()) return;
  std::map<std::string, std::vector<Validity>> seen;
  for (std::size_t i = 1; i < c.records.size(); ++i) {
    const CsvRecord& r = c.records[i];
    if (r.fields.size() != header.size()) {
      faults.at(r.line, "expected " + std::to_string(header.size()) + " fields, found " +
                            std::to_string(r.fields.size()));
      continue;
    }
    const std::string& code = r.fields[c.code];
    int first = c.from < 0 ? 0 : date_field(r.fields[c.from]);
    int last = c.to < 0 ? 0 : date_field(r.fields[c.to]);
    if (code.empty()) faults.at(r.line, "an empty code");
    if (!code.empty() && (is_space(code.front()) || is_space(code.back())))
      faults.at(r.line, "code \"" + code + "\" has spaces around it; it would never match");
    if (first < 0 || last < 0) {
      faults.at(r.line, "a date is RRRRMMDD or RRRR-MM-DD, or empty");
      continue;
    }
    if (first && last && first > last) faults.at(r.line, "valid_from is after valid_to");
    Validity v{first, last ? last : 99999999, r.line};
    std::vector<Validity>& earlier = seen[code];
    for (const Validity& e : earlier) {
      if (v.first <= e.last && e.first <= v.last) {
        faults.at(r.line, "code " + code + " again, valid at the same time as on line " +
                              std::to_string(e.line));
        break;
      }
    }
    earlier.push_back(v);
  }
}

void check_table(Checked& c, Faults& faults) {
  if (c.name.empty() || c.name.compare(0, 4, "olv_") == 0 || c.name.compare(0, 7, "sqlite_") == 0) {
    faults.whole("a value table may not be named " + c.name);
    return;
  }
  for (const std::string& h : c.records[0].fields) {
    bool date = h.size() > 5 && h.compare(h.size() - 5, 5, ":date") == 0;
    if ((date ? h.size() - 5 : h.size()) == 0) faults.at(1, "a column without a name");
    c.dates.push_back(date);
  }
  for (std::size_t i = 1; i < c.records.size(); ++i) {
    const CsvRecord& r = c.records[i];
    if (r.fields.size() != c.dates.size()) {
      faults.at(r.line, "expected " + std::to_string(c.dates.size()) + " fields, found " +
                            std::to_string(r.fields.size()));
      continue;
    }
    for (std::size_t f = 0; f < r.fields.size(); ++f) {
      if (c.dates[f] && date_field(r.fields[f]) < 0) {
        faults.at(r.line, "a date is RRRRMMDD or RRRR-MM-DD, or empty");
        break;
      }
    }
  }
}

// Reads and checks one file; its faults go to `faults`.
Checked check_file(const std::string& file, const ImportOptions& options, Faults& faults) {
  Checked c;
  c.name = base_name(file);
  std::string text;
  try {
    text = read_file(file);
    if (!options.encoding.empty()) text = utf8_from_encoding(text, options.encoding);
  } catch (const DictionaryError& e) {
    faults.whole(e.what());
    return c;
  }
  if (is_dictionary_number(c.name)) {
    c.number = std::stoi(c.name);
    if (c.number < kFirstDictionary || c.number > kLastDictionary) {
      faults.whole("dictionary numbers run from 10001 to 10056, not " + c.name);
      return c;
    }
  }
  std::vector<std::size_t> bad = lines_not_utf8(text);
  for (std::size_t line : bad)
    faults.at(line, "bytes that are not UTF-8 (for a Windows-1250 file, --encoding cp1250)");
  if (!bad.empty()) return c;
  try {
    c.records = parse_csv(text);
  } catch (const CsvQuoteError& e) {
    faults.at(e.line(), e.what());
    return c;
  }
  if (c.records.empty()) {
    faults.whole("no header line");
    return c;
  }
  const std::vector<std::string>& header = c.records[0].fields;
  if (header.size() == 1 && header[0].find(';') != std::string::npos) {
    faults.at(1, "fields separated by ';': save the file with ',' as the separator");
    return c;
  }
  if (c.records.size() == 1) {
    faults.at(1, "a header and no rows; importing it would empty the " +
                     std::string(c.number ? "list" : "table"));
    return c;
  }
  if (c.number) {
    check_codes(c, faults);
  } else {
    check_table(c, faults);
  }
  return c;
}

void write_codes(sqlite3* db, const Checked& c) {
  Statement clear = prepare(db, "DELETE FROM olv_codes WHERE dictionary = ?1");
  sqlite3_bind_int(clear.get(), 1, c.number);
  run(db, clear.get());
  Statement insert = prepare(db, "INSERT INTO olv_codes VALUES (?1, ?2, ?3, ?4)");
  for (std::size_t i = 1; i < c.records.size(); ++i) {
    const std::vector<std::string>& r = c.records[i].fields;
    sqlite3_bind_int(insert.get(), 1, c.number);
    bind_text(insert.get(), 2, r[c.code]);
    bind_date(insert.get(), 3, c.from < 0 ? 0 : date_field(r[c.from]));
    bind_date(insert.get(), 4, c.to < 0 ? 0 : date_field(r[c.to]));
    run(db, insert.get());
  }
}

void write_table(sqlite3* db, const Checked& c) {
  std::string columns;
  const std::vector<std::string>& header = c.records[0].fields;
  for (std::size_t i = 0; i < header.size(); ++i) {
    std::string name = c.dates[i] ? header[i].substr(0, header[i].size() - 5) : header[i];
    columns += (i ? ", " : "") + quoted_identifier(name) + (c.dates[i] ? " DATE" : " TEXT");
  }
  exec(db, "DROP TABLE IF EXISTS " + quoted_identifier(c.name));
  exec(db, "CREATE TABLE " + quoted_identifier(c.name) + " (" + columns + ")");
  std::string placeholders;
  for (std::size_t i = 1; i <= c.dates.size(); ++i) {
    placeholders += (i > 1 ? ", ?" : "?") + std::to_string(i);
  }
  Statement insert =
      prepare(db, "INSERT INTO " + quoted_identifier(c.name) + " VALUES (" + placeholders + ")");
  for (std::size_t line = 1; line < c.records.size(); ++line) {
    const std::vector<std::string>& r = c.records[line].fields;
    for (std::size_t i = 0; i < r.size(); ++i) {
      int index = static_cast<int>(i + 1);
      if (c.dates[i]) {
        bind_date(insert.get(), index, date_field(r[i]));
      } else {
        bind_text(insert.get(), index, r[i]);
      }
    }
    run(db, insert.get());
  }
}

}  // namespace

std::vector<CsvRecord> parse_csv(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<CsvRecord> records;
  CsvRecord record{1, {}};
  std::string field;
  std::size_t line = 1;
  std::size_t quote_line = 0;
  bool quoted_field = false;
  bool in_quotes = false;
  auto end_field = [&] {
    record.fields.push_back(std::move(field));
    field.clear();
    quoted_field = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n') ++line;
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
      quote_line = line;
    } else if (c == ',') {
      end_field();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
        ++line;
      }
      end_field();
      records.push_back(std::move(record));
      record = CsvRecord{line, {}};
    } else {
      field += c;
    }
  }
  if (in_quotes) {
    throw CsvQuoteError(quote_line);
  }
  if (!field.empty() || quoted_field || !record.fields.empty()) {
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

std::vector<std::size_t> lines_not_utf8(std::string_view text) {
  std::vector<std::size_t> lines;
  std::size_t line = 1;
  auto bad = [&] {
    if (lines.empty() || lines.back() != line) lines.push_back(line);
  };
  auto continuation = [&](std::size_t at) {
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
  };
  for (std::size_t i = 0; i < text.size();) {
    auto b = static_cast<unsigned char>(text[i]);
    if (b == '\n') ++line;
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t length = b >= 0xC2 && b <= 0xDF   ? 2
                         : b >= 0xE0 && b <= 0xEF ? 3
                         : b >= 0xF0 && b <= 0xF4 ? 4
                                                  : 0;
    bool ok = length > 0;
    for (std::size_t k = 1; ok && k < length; ++k) ok = continuation(i + k);
    if (ok && length >= 3) {
      auto second = static_cast<unsigned char>(text[i + 1]);
      // Overlong forms, surrogates and values past U+10FFFF.
      ok = !(b == 0xE0 && second < 0xA0) && !(b == 0xED && second >= 0xA0) &&
           !(b == 0xF0 && second < 0x90) && !(b == 0xF4 && second >= 0x90);
    }
    if (!ok) {
      bad();
      ++i;
      continue;
    }
    i += length;
  }
  return lines;
}

void import_csv(const std::string& path, const std::vector<std::string>& files,
                const ImportOptions& options) {
  std::vector<Checked> checked;
  std::string report;
  for (const std::string& file : files) {
    Faults faults(file);
    checked.push_back(check_file(file, options, faults));
    if (faults.any()) faults.report(report);
  }
  if (!report.empty()) fail(report + "nothing was imported");
  Replacement replacement(path);
  {
    Database db = open_database(replacement.path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    copy_existing(path, db.get());
    exec(db.get(), kSchema);
    exec(db.get(), "BEGIN");
    for (const Checked& c : checked) {
      if (c.number) {
        write_codes(db.get(), c);
      } else {
        write_table(db.get(), c);
      }
    }
    exec(db.get(), "COMMIT");
  }
  replacement.commit();
}

void build_from_sql(const std::string& path, std::string_view sql) {
  Replacement replacement(path);
  {
    Database db = open_database(replacement.path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    exec(db.get(), std::string(sql));
  }
  replacement.commit();
}

}  // namespace olv::service
