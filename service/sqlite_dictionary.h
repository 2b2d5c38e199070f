// The reference dictionary over SQLite: code lists with validity dates and value tables, read
// only, with every name checked against the database's own schema and every value bound.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace olv::service {

// The table of code lists, and the tables no value lookup may reach.
inline constexpr std::u16string_view kCodesTable = u"olv_codes";
inline constexpr std::u16string_view kInternalPrefix = u"olv_";
// The declared type that makes a column a date column (RRRRMMDD integers, NULL for open).
inline constexpr std::u16string_view kDateType = u"DATE";

// Condition operators of the conditional lookup.
inline constexpr int kEqual = 0;      // the column equals the value
inline constexpr int kNotAfter = -2;  // on a date column: the column's date is not after the value
inline constexpr int kNotBefore = 2;  // on a date column: the column's date is not before it

// A failure of the database or of a request (an operator that does not exist).
class DictionaryError : public std::runtime_error {
 public:
  DictionaryError(std::string message, bool bad_request)
      : std::runtime_error(std::move(message)), bad_request_(bad_request) {}
  bool bad_request() const { return bad_request_; }

 private:
  bool bad_request_;
};

struct LookupCondition {
  std::u16string_view column;
  int op;
  std::u16string_view value;
};

class SqliteDictionary {
 public:
  // Opens a database file read-only; throws DictionaryError when it cannot be opened or is not
  // a dictionary database.
  static std::shared_ptr<SqliteDictionary> open_file(const std::string& path);
  // Builds a database in memory from SQL text and serves it read-only.
  static std::shared_ptr<SqliteDictionary> from_sql(std::string_view sql);

  ~SqliteDictionary();
  SqliteDictionary(const SqliteDictionary&) = delete;
  SqliteDictionary& operator=(const SqliteDictionary&) = delete;

  // True when the code is in dictionary `number` on the date: RRRRMMDD within the validity
  // range, RRRRMM within its months, 0 (or less) for any date; an open end is unbounded.
  bool check_code(int32_t number, std::u16string_view code, int32_t date);

  // The `column` value of the first `table` row meeting every condition; nullopt when the
  // table, a column or such a row does not exist. A NULL value is the empty text.
  std::optional<std::u16string> lookup(std::u16string_view table,
                                       std::span<const LookupCondition> conditions,
                                       std::u16string_view column);

  // Converts a date text for a date column: DDMMRRRR, RRRR-MM-DD or RRRRMMDD read as a day,
  // MMRRRR as its month. `first` and `last` are the RRRRMMDD bounds; false when not a date.
  static bool date_range(std::u16string_view text, int32_t& first, int32_t& last);

 private:
  struct Session;
  struct Column {
    std::u16string name;
    bool date;
  };
  using Schema = std::map<std::u16string, std::vector<Column>>;

  SqliteDictionary() = default;
  void read_schema(sqlite3* db);
  const Column* column_of(const std::vector<Column>& table, std::u16string_view name) const;
  std::unique_ptr<Session> open_session();
  std::unique_ptr<Session> take_session();
  void give_back(std::unique_ptr<Session> session);

  std::string path_;                  // the database file, when it is one
  std::vector<unsigned char> image_;  // the serialized database, when it lives in memory
  Schema schema_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<Session>> idle_;
};

}  // namespace olv::service
