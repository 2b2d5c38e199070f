// Tests of building dictionary databases: CSV records, CSV dates, and imports that work or
// name the file and line of their fault.
#include "service/import.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "service/sqlite_dictionary.h"

namespace olv::service {
namespace {

using Records = std::vector<std::vector<std::string>>;

TEST(ImportTest, ParseCsvReadsQuotesAndLineEnds) {
  struct Case {
    std::string text;
    Records want;
  } cases[] = {
      {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
      {"a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
      {"\xEF\xBB\xBF"
       "a\n",
       {{"a"}}},
      {"\"x,y\",\"say \"\"hi\"\"\"\n", {{"x,y", "say \"hi\""}}},
      {"\"two\nlines\",z\n", {{"two\nlines", "z"}}},
      {"a,,\n", {{"a", "", ""}}},
      {"\"\"\n", {{""}}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(parse_csv(c.text), c.want) << c.text;
  EXPECT_THROW(parse_csv("\"open\n"), DictionaryError);
}

TEST(ImportTest, DateFieldReadsTwoForms) {
  struct Case {
    const char* field;
    int want;
  } cases[] = {{"20240131", 20240131}, {"2024-01-31", 20240131}, {"", 0},
               {"20241301", -1},       {"20240100", -1},         {"2024013", -1},
               {"2024/01/31", -1},     {"3101202x", -1}};
  for (const Case& c : cases) EXPECT_EQ(date_field(c.field), c.want) << c.field;
}

class ImportFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir[] = "/tmp/olv_import_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
  }
  void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }
  std::string write(const std::string& name, const std::string& text) {
    std::string path = dir_ + "/" + name;
    std::ofstream(path) << text;
    return path;
  }
  std::string dir_;
};

TEST_F(ImportFilesTest, ImportedListsAndTablesAnswer) {
  std::string db = dir_ + "/d.db";
  import_csv(db, {write("10019.csv", "code,valid_from,valid_to\n316,1999-01-01,20111231\n311,,\n"),
                  write("slU_KodPokrew.csv",
                        "STP_KODPOKREW,STP_WGOSPZOSUBEZP,OD:date\n12,1,20000101\n\"1,3\",0,\n")});
  auto d = SqliteDictionary::open_file(db);
  EXPECT_TRUE(d->check_code(10019, u"316", 20111231));
  EXPECT_FALSE(d->check_code(10019, u"316", 20120101));
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
}

TEST_F(ImportFilesTest, FaultsNameTheFileAndLineAndKeepNothing) {
  std::string db = dir_ + "/d.db";
  struct Case {
    const char* name;
    const char* text;
    const char* want;
  } cases[] = {
      {"10019.csv", "code,valid_from\n316,2011\n", "10019.csv:2: a date is"},
      {"10019.csv", "code,colour\n316,red\n", "10019.csv:1: unknown column colour"},
      {"10019.csv", "valid_from\n20110101\n", "no code column"},
      {"t.csv", "a,b\n1\n", "t.csv:2: expected 2 fields"},
      {"olv_codes.csv", "a\n1\n", "may not be named"},
      {"t.csv", "\"a\n", "not closed"},
  };
  for (const Case& c : cases) {
    try {
      import_csv(db, {write("ok.csv", "x\n1\n"), write(c.name, c.text)});
      ADD_FAILURE() << c.name << " imported";
    } catch (const DictionaryError& e) {
      EXPECT_NE(std::string(e.what()).find(c.want), std::string::npos) << e.what();
    }
  }
  auto d = SqliteDictionary::open_file(db);
  LookupCondition key{u"x", kEqual, u"1"};
  EXPECT_EQ(d->lookup(u"ok", {&key, 1}, u"x"), std::nullopt);  // rolled back with the rest
}

}  // namespace
}  // namespace olv::service
