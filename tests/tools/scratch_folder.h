// A folder of its own for each test of a tool, removed afterwards, and the built tools run in it
// over tables of runs.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace olv::testing {

class ScratchFolderTest : public ::testing::Test {
 protected:
  struct Run {
    int status;  // the exit status, -1 when the program did not exit
    std::string out;
    std::string err;
  };

  void SetUp() override {
    char dir[] = "/tmp/olv_test_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    dir_ = dir;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Writes a file of the folder; its path.
  std::string write(const std::string& name, const std::string& text) {
    const std::string path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  // Reads a file of the folder.
  std::string read(const std::string& name) {
    std::ostringstream text;
    text << std::ifstream(dir_ + "/" + name, std::ios::binary).rdbuf();
    return text.str();
  }

  // The names in the folder, sorted.
  std::vector<std::string> folder() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      names.push_back(e.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs `program args` in the folder with `in` as its standard input; standard output goes to
  // `out_to` when given. The files it takes for its streams are gone afterwards.
  Run run(const std::string& program, const std::string& args, const std::string& in = "",
          const std::string& out_to = "") {
    write(".in", in);
    const std::string command = "cd " + dir_ + " && " + program + " " + args + " <.in >" +
                                (out_to.empty() ? ".out" : out_to) + " 2>.err";
    const int status = std::system(command.c_str());
    const Run r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(".out"), read(".err")};
    for (const char* stream : {".in", ".out", ".err"}) std::filesystem::remove(dir_ + "/" + stream);
    return r;
  }

  // A run of a program and what it must give: its exit status, and parts of its standard output
  // and standard error, each list in order.
  struct RunCase {
    std::string args;
    std::string in;
    int status;
    std::vector<std::string> out;
    std::vector<std::string> err;
    std::string out_to = "";  // where standard output goes, when not to a file
  };

  void expect_runs(const std::string& program, std::initializer_list<RunCase> cases) {
    for (const RunCase& c : cases) {
      const Run r = run(program, c.args, c.in, c.out_to);
      EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out << r.err;
      expect_parts(c.args, r.out, c.out);
      expect_parts(c.args, r.err, c.err);
    }
  }

  static void expect_parts(const std::string& args, const std::string& text,
                           const std::vector<std::string>& parts) {
    std::size_t at = 0;
    for (const std::string& part : parts) {
      at = text.find(part, at);
      if (at == std::string::npos) {
        ADD_FAILURE() << args << ": " << part << " in\n" << text;
        return;
      }
    }
  }

  std::string dir_;
};

}  // namespace olv::testing
