// Building dictionary databases: from CSV code lists and value tables, or from SQL text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace olv::service {

// The fields of each record of CSV text: comma-separated, double quotes around a field that
// holds commas, quotes or line breaks, a doubled quote inside; CRLF or LF; a leading UTF-8 byte
// order mark is skipped. Throws DictionaryError for an unterminated quote.
std::vector<std::vector<std::string>> parse_csv(std::string_view text);

// A CSV date as RRRRMMDD: RRRRMMDD or RRRR-MM-DD; 0 for an empty field (an open end); -1 when
// the field is not such a date.
int date_field(std::string_view field);

// Imports CSV files into the database at `path` (created when missing) in one transaction:
//   NNNNN.csv (a dictionary number) replaces that code list; its header names the columns
//     code, valid_from, valid_to (the dates optional);
//   NAME.csv replaces the value table NAME; its header names the columns, NAME:date for a
//     date column.
// Throws DictionaryError naming the file and line of the first fault; nothing is kept then.
void import_csv(const std::string& path, const std::vector<std::string>& files);

// Creates the database at `path` from SQL text (a file that exists is replaced).
void build_from_sql(const std::string& path, std::string_view sql);

}  // namespace olv::service
