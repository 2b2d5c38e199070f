// Host tool of the build: prints, from exports/exports.def, the linker version script or the
// expected dynamic symbols (Linux), the module-definition file or the exported names of the
// Windows DLL, or a translation unit declaring every decorated row as a Windows host sees it.
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "exports/msvc_names.h"

namespace {

enum class Kind { kPlain, kDecorated, kRuntime, kWindowsOnly };

struct Row {
  Kind kind;
  const char* name;
  const char* symbol;  // the function's own symbol; a decorated row's Itanium name
  const char* result;
  const char* params;
  const char* replaced;  // a Windows-only row: the decorated row it stands in for
};

const Row kRows[] = {
#define OLV_C(name, result, params, results) \
  {Kind::kPlain, #name, #name, #result, #params, nullptr},
#define OLV_RUNTIME(name, result, params, results) \
  {Kind::kRuntime, #name, #name, #result, #params, nullptr},
#define OLV_CXX(name, symbol, result, params, results) \
  {Kind::kDecorated, #name, symbol, #result, #params, nullptr},
#define OLV_RULE(name, arity, ...) {Kind::kPlain, #name, #name, "int", "", nullptr},
#define OLV_FIXED(name, result, params, answer) \
  {Kind::kPlain, #name, #name, #result, #params, nullptr},
#define OLV_FIXED_CXX(name, symbol, result, params, answer) \
  {Kind::kDecorated, #name, symbol, #result, #params, nullptr},
#define OLV_SAME(name, target) {Kind::kPlain, #name, #name, "", "", nullptr},
#define OLV_WINDOWS(name, replaced, result, params, results) \
  {Kind::kWindowsOnly, #name, #name, #result, #params, #replaced},
#include "exports/exports.def"
};

bool replaced_on_windows(const Row& row) {
  for (const Row& other : kRows) {
    if (other.kind == Kind::kWindowsOnly && std::strcmp(other.replaced, row.name) == 0) return true;
  }
  return false;
}

// Each row of the Windows DLL's export table: the exported name and the function's symbol.
std::vector<std::pair<std::string, std::string>> windows_exports(bool is64) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const Row& row : kRows) {
    switch (row.kind) {
      case Kind::kRuntime:
        break;
      case Kind::kPlain:
      case Kind::kWindowsOnly:
        out.emplace_back(row.name, row.symbol);
        break;
      case Kind::kDecorated:
        if (!replaced_on_windows(row)) {
          out.emplace_back(olv::msvc_name(row.name, row.result, row.params, is64), row.symbol);
        }
        break;
    }
  }
  return out;
}

// A row's declaration as a Windows host writes it: wchar_t texts, long for int32_t.
std::string windows_spelling(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    if (s.substr(i, 8) == "char16_t") {
      out += "wchar_t";
      i += 8;
    } else if (s.substr(i, 7) == "int32_t") {
      out += "long";
      i += 7;
    } else {
      out += s[i++];
    }
  }
  return out;
}

// The struct names of the declarations: identifiers that are no keyword.
std::set<std::string> struct_names() {
  static const std::set<std::string> kKeywords = {"const", "void",   "bool",     "char16_t",
                                                  "short", "int",    "int32_t",  "double",
                                                  "char",  "signed", "unsigned", "long"};
  std::set<std::string> out;
  for (const Row& row : kRows) {
    if (row.kind != Kind::kDecorated || replaced_on_windows(row)) continue;
    std::string text = std::string(row.result) + " " + row.params;
    std::string word;
    for (char c : text + " ") {
      if (c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        word += c;
      } else {
        if (!word.empty() && !kKeywords.count(word)) out.insert(word);
        word.clear();
      }
    }
  }
  return out;
}

void print_translation_unit() {
  for (const std::string& name : struct_names()) std::printf("struct %s;\n", name.c_str());
  std::vector<const char*> names;
  for (const Row& row : kRows) {
    if (row.kind != Kind::kDecorated || replaced_on_windows(row)) continue;
    std::printf("%s %s%s;\n", windows_spelling(row.result).c_str(), row.name,
                windows_spelling(row.params).c_str());
    names.push_back(row.name);
  }
  std::printf("void* olv_all_decorated[] = {\n");
  for (const char* name : names) std::printf("    (void*)&%s,\n", name);
  std::printf("};\n");
}

int usage(const char* program) {
  std::fprintf(stderr,
               "usage: %s version-script|symbols|msvc-declarations\n"
               "       %s def|windows-names x86|x64\n",
               program, program);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc >= 2 ? argv[1] : "";
  if (argc == 2 && (mode == "version-script" || mode == "symbols")) {
    const bool script = mode == "version-script";
    if (script) std::printf("{\n  global:\n");
    for (const Row& row : kRows) {
      if (row.kind != Kind::kWindowsOnly) std::printf(script ? "    %s;\n" : "%s\n", row.symbol);
    }
    if (script) std::printf("  local: *;\n};\n");
    return 0;
  }
  if (argc == 2 && mode == "msvc-declarations") {
    print_translation_unit();
    return 0;
  }
  if (argc != 3 || (mode != "def" && mode != "windows-names")) return usage(argv[0]);
  const std::string arch = argv[2];
  if (arch != "x86" && arch != "x64") return usage(argv[0]);
  const auto rows = windows_exports(arch == "x64");
  for (const auto& [exported, symbol] : rows) {
    if (exported.empty()) {
      std::fprintf(stderr, "%s: a decorated row's type has no Windows decoration\n", argv[0]);
      return 1;
    }
  }
  if (mode == "def") std::printf("LIBRARY olvenir_p.dll\nEXPORTS\n");
  for (const auto& [exported, symbol] : rows) {
    if (mode == "windows-names") {
      std::printf("%s\n", exported.c_str());
    } else if (exported == symbol) {
      std::printf("    %s\n", exported.c_str());
    } else {
      std::printf("    %s=%s\n", exported.c_str(), symbol.c_str());
    }
  }
  return 0;
}
