// Tests of building dictionary databases: CSV records, CSV dates, encodings, imports that work
// or list every fault by file and line, targets that survive a failed build, and the tool.
#include "service/import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
#include <tuple>

#include "service/sqlite_dictionary.h"
#include "tests/tools/scratch_folder.h"

namespace olv::service {
namespace {

TEST(ImportTest, ParseCsvReadsQuotesLineEndsAndLineNumbers) {
  // The text and its records, each its line and fields.
  using Records = std::vector<std::pair<std::size_t, std::vector<std::string>>>;
  // clang-format off
  const std::tuple<std::string, Records> cases[] = {
      {"a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
      {"a,b\r\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
      {"\uFEFFa\n", {{1, {"a"}}}}, {"\"x,y\",\"say \"\"hi\"\"\"\n", {{1, {"x,y", "say \"hi\""}}}},
      {"\"two\r\nlines\",z\r\nnext\n", {{1, {"two\r\nlines", "z"}}, {3, {"next"}}}},
      {"a,,\n", {{1, {"a", "", ""}}}}, {"\"\"\n", {{1, {""}}}}, {"", {}},
  };
  // clang-format on
  for (const auto& [text, want] : cases) {
    Records got;
    for (const CsvRecord& r : parse_csv(text)) got.emplace_back(r.line, r.fields);
    EXPECT_EQ(got, want) << text;
  }
}

TEST(ImportTest, AnUnclosedQuoteNamesTheLineItOpensOn) {
  const std::tuple<const char*, std::size_t> cases[] = {
      {"\"open\n", 1}, {"a\nb\n\"c\nd\n", 3}, {"a\r\n\"b\"\"\r\n", 2}};
  for (const auto& [text, line] : cases) {
    try {
      parse_csv(text);
      ADD_FAILURE() << text;
    } catch (const CsvQuoteError& e) {
      EXPECT_EQ(e.line(), line) << text;
    }
  }
}

TEST(ImportTest, DateFieldReadsTwoForms) {
  const std::tuple<const char*, int> cases[] = {
      {"20240131", 20240131}, {"2024-01-31", 20240131}, {"", 0},
      {"20241301", -1},       {"20240100", -1},         {"2024013", -1},
      {"2024/01/31", -1},     {"3101202x", -1}};
  for (const auto& [field, want] : cases) EXPECT_EQ(date_field(field), want) << field;
}

TEST(ImportTest, LinesNotUtf8) {
  const std::tuple<std::string, std::vector<std::size_t>> cases[] = {
      {"a\n\xC5\x81\xC3\xB3\x64\xC5\xBA\n", {}},  // Łódź in UTF-8
      {"a\n\xA3\xF3\x64\x9F\n\xA3\n", {2, 3}},    // the same in Windows-1250
      {"\xF0\x9F\x98\x80\n", {}},                 // four bytes
      {"\xC0\xAF\n", {1}},                        // overlong
      {"\xED\xA0\x80\n", {1}},                    // a surrogate
      {"\xF4\x90\x80\x80\n", {1}},                // past U+10FFFF
      {"ok\n\xE2\x82", {2}},                      // cut short at the end
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(lines_not_utf8(text), want) << text;
}

// cp1250 and an unknown encoding are the tool's rows.
TEST(ImportTest, ConvertsFromANamedEncoding) {
  EXPECT_EQ(utf8_from_encoding("\xA3\xF3\x64\xBC", "iso-8859-2"), "\xC5\x81\xC3\xB3\x64\xC5\xBA");
  EXPECT_THROW(utf8_from_encoding("a\xFF", "utf-8"), DictionaryError);  // undefined there
}

using ImportFilesTest = olv::testing::ScratchFolderTest;

TEST_F(ImportFilesTest, ImportedListsAndTablesAnswer) {
  std::string db = dir_ + "/d.db";
  import_csv(db, {write("10019.csv",
                        "code,valid_from,valid_to\n316,1999-01-01,20111231\n311,,\n"
                        "316,20120101,\n"),
                  write("slU_KodPokrew.csv",
                        "STP_KODPOKREW,STP_WGOSPZOSUBEZP,OD:date\n12,1,20000101\n\"1,3\",0,\n")});
  auto d = SqliteDictionary::open_file(db);
  EXPECT_TRUE(d->check_code(10019, u"316", 20111231));
  EXPECT_TRUE(d->check_code(10019, u"316", 20120101));  // listed again for a later period
  EXPECT_TRUE(d->check_code(10019, u"311", 20500101));
  LookupCondition key{u"STP_KODPOKREW", kEqual, u"1,3"};
  EXPECT_EQ(d->lookup(u"slU_KodPokrew", {&key, 1}, u"STP_WGOSPZOSUBEZP"), u"0");
  LookupCondition since{u"OD", kNotAfter, u"01012001"};
  EXPECT_EQ(d->lookup(u"slU_KodPokrew", {&since, 1}, u"STP_KODPOKREW"), u"12");

  // A second import replaces a list instead of adding to it.
  import_csv(db, {write("10019.csv", "code\n999\n")});
  d = SqliteDictionary::open_file(db);
  EXPECT_FALSE(d->check_code(10019, u"311", 0));
  EXPECT_TRUE(d->check_code(10019, u"999", 0));

  EXPECT_EQ(folder(), (std::vector<std::string>{"10019.csv", "d.db", "slU_KodPokrew.csv"}));
}

TEST_F(ImportFilesTest, EveryFaultIsNamedByFileAndLineAndNothingIsKept) {
  // The file's name and text, and parts of the report.
  // clang-format off
  const std::tuple<const char*, std::string, std::vector<std::string>> cases[] = {
      {"10019.csv", "code,valid_from\n316,2011\n", {"10019.csv:2: a date is"}},
      {"10019.csv", "code,colour\n316,red\n", {"10019.csv:1: unknown column colour"}},
      {"10019.csv", "valid_from\n20110101\n", {"10019.csv:1: no code column"}},
      {"t.csv", "a,b\n1\n", {"t.csv:2: expected 2 fields, found 1"}},
      {"olv_codes.csv", "a\n1\n", {"olv_codes.csv: a value table may not be named"}},
      {"t.csv", "a\n1\n\"2\n3\n", {"t.csv:3: a quote opened on this line is not closed"}},
      {"10019.csv", "code\n\xA3\xF3\x64\n", {"10019.csv:2: bytes that are not UTF-8", "cp1250"}},
      {"10019.csv", "code,valid_from,valid_to\n316,20000101,20101231\n316,20100101,\n",
       {"10019.csv:3: code 316 again, valid at the same time as on line 2"}},
      {"10019.csv", "code\n316\n311\n316\n", {"10019.csv:4: code 316 again"}},
      {"10019.csv", "code\n 316\n", {"10019.csv:2: code \" 316\" has spaces around it"}},
      {"10019.csv", "code\n\n", {"10019.csv:2: an empty code"}},
      {"10019.csv", "code,valid_from,valid_to\n1,20200101,20190101\n",
       {"10019.csv:2: valid_from is after valid_to"}},
      {"10099.csv", "code\n1\n", {"10099.csv: dictionary numbers run from 10001 to 10056"}},
      {"10000.csv", "code\n1\n", {"not 10000"}},
      {"10019.csv", "code\n", {"10019.csv:1: a header and no rows", "empty the list"}},
      {"t.csv", "a,b\n", {"t.csv:1: a header and no rows", "empty the table"}},
      {"10019.csv", "code;valid_from\n316;\n", {"10019.csv:1: fields separated by ';'"}},
      {"10019.csv", "", {"10019.csv: no header line"}},
      {"10019.csv", "code\n 1\n2 \n3\n3\n",
       {"10019.csv:2:", "10019.csv:3:", "10019.csv:5: code 3 again", "10019.csv: 3 faults"}},
  };
  // clang-format on
  std::string db = dir_ + "/d.db";
  import_csv(db, {write("ok.csv", "x\n0\n")});
  for (const auto& [name, text, want] : cases) {
    try {
      import_csv(db, {write("ok.csv", "x\n1\n"), write(name, text)});
      ADD_FAILURE() << name << " imported: " << text;
    } catch (const DictionaryError& e) {
      std::string report = e.what();
      for (const std::string& part : want)
        EXPECT_NE(report.find(part), std::string::npos) << text << " -> " << report;
      EXPECT_EQ(report.find("ok.csv"), std::string::npos) << report;
    }
    std::remove((dir_ + "/" + name).c_str());
  }
  auto d = SqliteDictionary::open_file(db);
  LookupCondition key{u"x", kEqual, u"0"};
  EXPECT_EQ(d->lookup(u"ok", {&key, 1}, u"x"), u"0");  // the first import's table, untouched
}

// A failed build or import leaves the database it was to replace as it was, and no new one.
TEST_F(ImportFilesTest, AFailedBuildLeavesTheTargetAsItWas) {
  const char* kBuilt =
      "CREATE TABLE olv_codes(dictionary, code, valid_from, valid_to);"
      "INSERT INTO olv_codes VALUES (10019, '316', NULL, NULL);";
  const std::string no_rows = write("10019.csv", "code\n");
  // The fault, and the SQL of a build; none for an import of a list with no rows.
  // clang-format off
  const std::tuple<const char*, std::optional<std::string>> cases[] = {
      {"a syntax error", "CREATE TABLE olv_codes(dictionary, code, valid_from, valid_to); oops;"},
      {"no code table", "CREATE TABLE other(a);"}, {"nothing", ""}, {"an import", std::nullopt}};
  // clang-format on
  for (const auto& [what, sql] : cases) {
    const auto fail = [&](const std::string& db) {
      sql ? build_from_sql(db, *sql) : import_csv(db, {no_rows});
    };
    const std::string db = dir_ + "/my.db", fresh = dir_ + "/new.db";
    build_from_sql(db, kBuilt);
    EXPECT_THROW(fail(db), DictionaryError) << what;
    EXPECT_TRUE(SqliteDictionary::open_file(db)->check_code(10019, u"316", 0)) << what;
    EXPECT_THROW(fail(fresh), DictionaryError) << what;
    EXPECT_EQ(folder(), (std::vector<std::string>{"10019.csv", "my.db"})) << what;
  }
  // Nor is a file that is no database taken for one.
  std::string notes = write("notes.txt", "not a database, and it stays that way\n");
  EXPECT_THROW(import_csv(notes, {write("t.csv", "a\n1\n")}), DictionaryError);
  EXPECT_EQ(read("notes.txt"), "not a database, and it stays that way\n");
}

using DictionaryToolTest = olv::testing::ScratchFolderTest;

TEST_F(DictionaryToolTest, CommandLine) {
  write("a.csv", "k,v\n1,\xA3\xF3\x64\x9F\n");
  write("u.csv", "k,v\n1,x\n");
  write("s.sql", "CREATE TABLE olv_codes(dictionary, code, valid_from, valid_to);");
  // clang-format off
  expect_runs(OLV_DICTIONARY_TOOL_PATH, {
      {"--version", "", 0, {"olvenir-dictionary 1."}, {}},
      {"-h", "", 0, {"usage: olvenir-dictionary"}, {}},
      {"--help", "", 0, {"--encoding ENC"}, {}},
      {"", "", 2, {}, {"no command (import or build)\nTry 'olvenir-dictionary --help'."}},
      {"import --frob x.db u.csv", "", 2, {}, {"unknown option --frob"}},
      {"import --encoding", "", 2, {}, {"--encoding takes an encoding"}},
      {"import x.db", "", 2, {}, {"import takes a database and a file"}},
      {"build x.db s.sql more.sql", "", 2, {}, {"build takes one SQL file"}},
      {"export x.db u.csv", "", 2, {}, {"unknown command export"}},
      {"import x.db a.csv", "", 2, {}, {"a.csv:2: bytes that are not UTF-8"}},
      {"import --encoding cp1250 x.db a.csv", "", 0, {}, {}},
      {"import --encoding=cp1250 y.db a.csv", "", 0, {}, {}},
      {"import --encoding=klingon x.db a.csv", "", 2, {}, {"unknown encoding klingon"}},
      {"import x.db missing.csv", "", 2, {}, {"cannot read missing.csv: No such file"}},
      {"import x.db .", "", 2, {}, {"is a folder"}},
      {"build z.db s.sql", "", 0, {}, {}},
      {"build z.db missing.sql", "", 2, {}, {"cannot read missing.sql"}},
      {"--help", "", 2, {}, {"cannot write the output"}, "/dev/full"},
  });
  // clang-format on
  EXPECT_EQ(access((dir_ + "/--frob").c_str(), F_OK), -1);
  EXPECT_EQ(access((dir_ + "/--encoding").c_str(), F_OK), -1);
  LookupCondition one{u"k", kEqual, u"1"};
  EXPECT_EQ(SqliteDictionary::open_file(dir_ + "/y.db")->lookup(u"a", {&one, 1}, u"v"), u"Łódź");
}

}  // namespace
}  // namespace olv::service
