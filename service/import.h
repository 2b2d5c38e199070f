// Building dictionary databases: from CSV code lists and value tables, or from SQL text. A
// database is built beside its target and takes the target's place only once it is whole.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "service/sqlite_dictionary.h"

namespace olv::service {

// A quoted CSV field that is not closed, with the line on which its quote opened.
class CsvQuoteError : public DictionaryError {
 public:
  explicit CsvQuoteError(std::size_t line)
      : DictionaryError("a quote opened on this line is not closed", true), line_(line) {}
  std::size_t line() const { return line_; }

 private:
  std::size_t line_;
};

// One CSV record and the line (1-based) on which it begins.
struct CsvRecord {
  std::size_t line;
  std::vector<std::string> fields;
};

// The records of CSV text: comma-separated, double quotes around a field that holds commas,
// quotes or line breaks, a doubled quote inside; CRLF or LF; a leading UTF-8 byte order mark is
// skipped. Throws CsvQuoteError for a quote that is not closed.
std::vector<CsvRecord> parse_csv(std::string_view text);

// A CSV date as RRRRMMDD: RRRRMMDD or RRRR-MM-DD; 0 for an empty field (an open end); -1 when
// the field is not such a date.
int date_field(std::string_view field);

// The 1-based lines of `text` holding bytes that are not well-formed UTF-8.
std::vector<std::size_t> lines_not_utf8(std::string_view text);

// Text in the named encoding (any name the converter library knows: cp1250, iso-8859-2...; on
// Windows, a name in encoding_windows.cc's table of the system's code pages) as UTF-8. Throws
// DictionaryError for an unknown encoding or a byte the encoding does not define.
std::string utf8_from_encoding(std::string_view text, const std::string& encoding);

struct ImportOptions {
  std::string encoding;  // empty: the files are UTF-8
};

// Imports CSV files into the database at `path` (created when missing):
//   NNNNN.csv (a dictionary number, 10001 to 10056) replaces that code list; its header names
//     the columns code, valid_from, valid_to (the dates optional);
//   NAME.csv replaces the value table NAME; its header names the columns, NAME:date for a
//     date column.
// Every file is read and checked first; a DictionaryError lists every fault of every file as
// FILE:LINE: reason, with each file's count, and the database is left as it was.
void import_csv(const std::string& path, const std::vector<std::string>& files,
                const ImportOptions& options = {});

// Creates the database at `path` from SQL text; a database already there is replaced only when
// the text built a dictionary.
void build_from_sql(const std::string& path, std::string_view sql);

}  // namespace olv::service
