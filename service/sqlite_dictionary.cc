// The SQLite dictionary: a pool of read-only connections, each with its prepared statements,
// so that concurrent queries never share a statement and no query prepares one twice.
#include "service/sqlite_dictionary.h"

#include <sqlite3.h>

#include <algorithm>

namespace olv::service {
namespace {

constexpr char16_t kCodeCheck[] =
    u"SELECT 1 FROM olv_codes WHERE dictionary = ?1 AND code = ?2 AND ("
    u" ?3 <= 0"
    u" OR (?3 > 999999 AND (valid_from IS NULL OR valid_from <= ?3)"
    u"     AND (valid_to IS NULL OR ?3 <= valid_to))"
    u" OR (?3 BETWEEN 1 AND 999999 AND (valid_from IS NULL OR valid_from / 100 <= ?3)"
    u"     AND (valid_to IS NULL OR ?3 <= valid_to / 100)))"
    u" LIMIT 1";

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
  throw DictionaryError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"), false);
}

std::u16string quoted(std::u16string_view name) {
  std::u16string q = u"\"";
  for (char16_t c : name) {
    q += c;
    if (c == u'"') q += u'"';
  }
  return q + u"\"";
}

std::u16string column_text(sqlite3_stmt* s, int i) {
  const void* p = sqlite3_column_text16(s, i);
  if (!p) return {};
  return std::u16string(static_cast<const char16_t*>(p),
                        static_cast<std::size_t>(sqlite3_column_bytes16(s, i)) / 2);
}

void bind_text(sqlite3_stmt* s, int i, std::u16string_view t) {
  sqlite3_bind_text16(s, i, t.empty() ? u"" : t.data(), static_cast<int>(t.size() * 2),
                      SQLITE_TRANSIENT);
}

bool digits(std::u16string_view t) {
  return std::all_of(t.begin(), t.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

int32_t number(std::u16string_view t) {
  int32_t n = 0;
  for (char16_t c : t) n = n * 10 + (c - u'0');
  return n;
}

// A parameter's placeholder, ?N.
std::u16string placeholder(std::size_t n) {
  std::u16string out = u"?";
  for (char c : std::to_string(n)) out += static_cast<char16_t>(c);
  return out;
}

// Resets a statement and clears its values when a query is done with it, on every path.
class StatementUse {
 public:
  explicit StatementUse(sqlite3_stmt* s) : s_(s) {}
  ~StatementUse() {
    sqlite3_reset(s_);
    sqlite3_clear_bindings(s_);
  }
  StatementUse(const StatementUse&) = delete;
  StatementUse& operator=(const StatementUse&) = delete;

 private:
  sqlite3_stmt* s_;
};

}  // namespace

struct SqliteDictionary::Session {
  sqlite3* db = nullptr;
  // Keyed by the query text; a transparent comparator finds a statement without copying it.
  std::map<std::u16string, sqlite3_stmt*, std::less<>> statements;

  // Conditional lookups make one query text per shape of conditions; past this many the cache
  // starts afresh, so hostile condition lists cannot grow a session without bound.
  static constexpr std::size_t kMaxStatements = 256;

  ~Session() {
    finalize_all();
    sqlite3_close(db);
  }

  void finalize_all() {
    for (auto& [sql, s] : statements) sqlite3_finalize(s);
    statements.clear();
  }

  sqlite3_stmt* statement(std::u16string_view sql) {
    auto it = statements.find(sql);
    if (it != statements.end()) return it->second;
    if (statements.size() >= kMaxStatements) finalize_all();
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare16_v3(db, sql.data(), static_cast<int>(sql.size() * 2),
                             SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
      fail(db, "cannot prepare a query");
    }
    statements.emplace(std::u16string(sql), s);
    return s;
  }

  // Steps a statement; true for a row, false when done.
  bool step(sqlite3_stmt* s) {
    int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) fail(db, "query failed");
    return false;
  }
};

std::shared_ptr<SqliteDictionary> SqliteDictionary::open_file(const std::string& path) {
  std::shared_ptr<SqliteDictionary> d(new SqliteDictionary());
  d->path_ = path;
  std::unique_ptr<Session> first = d->open_session();
  d->read_schema(first->db);
  d->give_back(std::move(first));
  return d;
}

std::shared_ptr<SqliteDictionary> SqliteDictionary::from_sql(std::string_view sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    sqlite3_close(db);
    fail(nullptr, "cannot open a database in memory");
  }
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> owner(db, sqlite3_close);
  if (sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
    fail(db, "cannot build the database from its SQL text");
  }
  sqlite3_int64 size = 0;
  unsigned char* bytes = sqlite3_serialize(db, "main", &size, 0);
  if (!bytes) fail(db, "cannot serialize the database");
  std::shared_ptr<SqliteDictionary> d(new SqliteDictionary());
  d->image_.assign(bytes, bytes + size);
  sqlite3_free(bytes);
  std::unique_ptr<Session> first = d->open_session();
  d->read_schema(first->db);
  d->give_back(std::move(first));
  return d;
}

SqliteDictionary::~SqliteDictionary() = default;

std::unique_ptr<SqliteDictionary::Session> SqliteDictionary::open_session() {
  auto s = std::make_unique<Session>();
  if (image_.empty()) {
    if (sqlite3_open_v2(path_.c_str(), &s->db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
      fail(s->db, "cannot open " + path_);
    }
  } else {
    // Every session reads the one image in place; the read-only flag keeps SQLite from ever
    // writing to it or growing it.
    if (sqlite3_open_v2(":memory:", &s->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK ||
        sqlite3_deserialize(s->db, "main", image_.data(), static_cast<sqlite3_int64>(image_.size()),
                            static_cast<sqlite3_int64>(image_.size()),
                            SQLITE_DESERIALIZE_READONLY) != SQLITE_OK) {
      fail(s->db, "cannot open the database in memory");
    }
  }
  if (sqlite3_exec(s->db, "PRAGMA query_only = 1", nullptr, nullptr, nullptr) != SQLITE_OK) {
    fail(s->db, "cannot make the connection read-only");
  }
  return s;
}

void SqliteDictionary::read_schema(sqlite3* db) {
  sqlite3_stmt* tables = nullptr;
  sqlite3_stmt* columns = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_schema WHERE type = 'table'", -1, &tables,
                         nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(db, "SELECT name, upper(type) FROM pragma_table_info(?1)", -1, &columns,
                         nullptr) != SQLITE_OK) {
    sqlite3_finalize(tables);
    fail(db, "cannot read the database's schema (is it a database?)");
  }
  std::vector<std::u16string> names;
  while (sqlite3_step(tables) == SQLITE_ROW) names.push_back(column_text(tables, 0));
  sqlite3_finalize(tables);
  for (const std::u16string& name : names) {
    std::vector<Column>& cols = schema_[name];
    bind_text(columns, 1, name);
    while (sqlite3_step(columns) == SQLITE_ROW) {
      cols.push_back({column_text(columns, 0), column_text(columns, 1) == kDateType});
    }
    sqlite3_reset(columns);
  }
  sqlite3_finalize(columns);
  auto codes = schema_.find(std::u16string(kCodesTable));
  auto has = [&](std::u16string_view c) {
    return std::any_of(codes->second.begin(), codes->second.end(),
                       [&](const Column& col) { return col.name == c; });
  };
  if (codes == schema_.end() || !has(u"dictionary") || !has(u"code") || !has(u"valid_from") ||
      !has(u"valid_to")) {
    throw DictionaryError(
        "not a dictionary database: no table olv_codes(dictionary, code, "
        "valid_from, valid_to)",
        false);
  }
}

const SqliteDictionary::Column* SqliteDictionary::column_of(const std::vector<Column>& table,
                                                            std::u16string_view name) const {
  for (const Column& c : table) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::unique_ptr<SqliteDictionary::Session> SqliteDictionary::take_session() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!idle_.empty()) {
      std::unique_ptr<Session> s = std::move(idle_.back());
      idle_.pop_back();
      return s;
    }
  }
  return open_session();
}

void SqliteDictionary::give_back(std::unique_ptr<Session> session) {
  std::lock_guard<std::mutex> lock(mutex_);
  idle_.push_back(std::move(session));
}

bool SqliteDictionary::check_code(int32_t number, std::u16string_view code, int32_t date) {
  std::unique_ptr<Session> session = take_session();
  bool found = false;
  {
    sqlite3_stmt* s = session->statement(kCodeCheck);
    StatementUse use(s);
    sqlite3_bind_int(s, 1, number);
    bind_text(s, 2, code);
    sqlite3_bind_int(s, 3, date);
    found = session->step(s);
  }
  give_back(std::move(session));
  return found;
}

std::optional<std::u16string> SqliteDictionary::lookup(std::u16string_view table,
                                                       std::span<const LookupCondition> conditions,
                                                       std::u16string_view column) {
  for (const LookupCondition& c : conditions) {
    if (c.op != kEqual && c.op != kNotAfter && c.op != kNotBefore) {
      throw DictionaryError("unknown condition operator " + std::to_string(c.op) +
                                " (0 equal, -2 not after, 2 not before)",
                            true);
    }
  }
  const std::vector<Column>* columns = nullptr;
  auto found = schema_.find(std::u16string(table));
  if (found != schema_.end() && !table.starts_with(kInternalPrefix) &&
      !table.starts_with(u"sqlite_")) {
    columns = &found->second;
  }
  if (!columns || !column_of(*columns, column)) return std::nullopt;
  // The query text holds only schema names; every value is a bound parameter.
  std::u16string sql = u"SELECT " + quoted(column) + u" FROM " + quoted(table);
  struct Bound {
    bool is_date;
    std::u16string_view text;
    int32_t date;
  };
  std::vector<Bound> values;
  for (const LookupCondition& c : conditions) {
    const Column* col = column_of(*columns, c.column);
    if (!col) return std::nullopt;
    std::u16string name = quoted(c.column);
    std::u16string n1 = placeholder(values.size() + 1);
    sql += values.empty() ? u" WHERE " : u" AND ";
    if (!col->date) {
      const char16_t* op = c.op == kEqual ? u" = " : c.op == kNotAfter ? u" <= " : u" >= ";
      sql += name + op + n1;
      values.push_back({false, c.value, 0});
      continue;
    }
    int32_t first = 0;
    int32_t last = 0;
    if (!date_range(c.value, first, last)) return std::nullopt;  // no row is valid at no date
    if (c.op == kEqual) {
      std::u16string n2 = placeholder(values.size() + 2);
      sql += name + u" BETWEEN " + n1 + u" AND " + n2;
      values.push_back({true, {}, first});
      values.push_back({true, {}, last});
    } else {
      sql += u"(" + name + u" IS NULL OR " + name + (c.op == kNotAfter ? u" <= " : u" >= ") + n1 +
             u")";
      values.push_back({true, {}, c.op == kNotAfter ? last : first});
    }
  }
  sql += u" LIMIT 1";
  std::unique_ptr<Session> session = take_session();
  std::optional<std::u16string> value;
  {
    sqlite3_stmt* s = session->statement(sql);
    StatementUse use(s);
    for (std::size_t i = 0; i < values.size(); ++i) {
      int index = static_cast<int>(i + 1);
      if (values[i].is_date) {
        sqlite3_bind_int(s, index, values[i].date);
      } else {
        bind_text(s, index, values[i].text);
      }
    }
    if (session->step(s)) value = column_text(s, 0);
  }
  give_back(std::move(session));
  return value;
}

bool SqliteDictionary::date_range(std::u16string_view t, int32_t& first, int32_t& last) {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  if (t.size() == 8 && digits(t)) {
    day = number(t.substr(0, 2)), month = number(t.substr(2, 2)), year = number(t.substr(4));
  } else if (t.size() == 10 && t[4] == u'-' && t[7] == u'-' && digits(t.substr(0, 4)) &&
             digits(t.substr(5, 2)) && digits(t.substr(8))) {
    year = number(t.substr(0, 4)), month = number(t.substr(5, 2)), day = number(t.substr(8));
  } else if (t.size() == 6 && digits(t)) {
    month = number(t.substr(0, 2)), year = number(t.substr(2));
  } else {
    return false;
  }
  if (month < 1 || month > 12 || day > 31 || (t.size() != 6 && day < 1)) return false;
  first = year * 10000 + month * 100 + (day ? day : 1);
  last = year * 10000 + month * 100 + (day ? day : 31);
  return true;
}

}  // namespace olv::service
