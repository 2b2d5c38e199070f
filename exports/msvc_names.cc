// The Windows C++ compiler's decoration of a free cdecl function: ?name@@YA, the result, the
// parameters with their back-references, and the end of the list.
#include "exports/msvc_names.h"

#include <array>
#include <utility>
#include <vector>

namespace olv {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// clang-format off
// Built-in types by their table spelling.
constexpr std::array<std::pair<std::string_view, std::string_view>, 12> kBuiltins{{
    {"void", "X"},     {"bool", "_N"},  {"char16_t", "_W"}, {"wchar_t", "_W"},
    {"short", "F"},    {"int", "H"},    {"int32_t", "J"},   {"long", "J"},
    {"double", "N"},   {"unsigned char", "E"}, {"char", "D"}, {"uint32_t", "K"},
}};
// clang-format on

bool is_identifier(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!(c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      return false;
  }
  return !(s.front() >= '0' && s.front() <= '9');
}

class Decorator {
 public:
  Decorator(std::string_view function, bool is64) : is64_(is64) { names_.emplace_back(function); }

  // One type: pointers from the outside in, then the base; a const base makes the innermost
  // pointer a pointer to const. Empty when the type is not known here.
  std::string type(std::string_view spelling) {
    spelling = trim(spelling);
    int pointers = 0;
    while (!spelling.empty() && spelling.back() == '*') {
      ++pointers;
      spelling = trim(spelling.substr(0, spelling.size() - 1));
    }
    bool is_const = spelling.substr(0, 6) == "const ";
    if (is_const) spelling = trim(spelling.substr(6));
    std::string base = base_type(spelling);
    if (base.empty()) return "";
    std::string out;
    for (int level = pointers; level > 0; --level) {
      out += is64_ ? "PE" : "P";
      out += level == 1 && is_const ? "B" : "A";
    }
    return out + base;
  }

  // A parameter: a type met before whose decoration took more than one character is its
  // back-reference. Types are compared as types, not as decorations: a struct's second
  // decoration is shorter than its first.
  std::string parameter(std::string_view spelling) {
    std::string key;
    for (char c : spelling) {
      if (c != ' ') key += c;
    }
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
      if (parameters_[i] == key) return std::string(1, static_cast<char>('0' + i));
    }
    std::string encoded = type(spelling);
    if (encoded.size() > 1 && parameters_.size() < 10) parameters_.push_back(key);
    return encoded;
  }

 private:
  std::string base_type(std::string_view spelling) {
    for (const auto& [table, code] : kBuiltins) {
      if (spelling == table) return std::string(code);
    }
    if (!is_identifier(spelling)) return "";
    // A struct: its name once, then by its back-reference among the names seen so far.
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (names_[i] == spelling) return "U" + std::string(1, static_cast<char>('0' + i)) + "@";
    }
    if (names_.size() < 10) names_.emplace_back(spelling);
    return "U" + std::string(spelling) + "@@";
  }

  bool is64_;
  std::vector<std::string> names_;
  std::vector<std::string> parameters_;
};

}  // namespace

std::string msvc_name(std::string_view name, std::string_view result, std::string_view params,
                      bool is64) {
  Decorator decorator(name, is64);
  std::string out = "?" + std::string(name) + "@@YA";
  const std::string result_code = decorator.type(result);
  if (result_code.empty()) return "";
  out += result_code;
  params = trim(params);
  if (params.size() < 2 || params.front() != '(' || params.back() != ')') return "";
  params = trim(params.substr(1, params.size() - 2));
  if (params.empty() || params == "void") return out + "XZ";
  bool variadic = false;
  while (!params.empty()) {
    const std::size_t comma = params.find(',');
    const std::string_view one = trim(params.substr(0, comma));
    params = comma == std::string_view::npos ? std::string_view() : params.substr(comma + 1);
    if (one == "...") {
      variadic = true;
      continue;
    }
    const std::string code = decorator.parameter(one);
    if (code.empty()) return "";
    out += code;
  }
  return out + (variadic ? "ZZ" : "@Z");
}

}  // namespace olv
