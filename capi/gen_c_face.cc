// Writes the C face from the exports table: the declarations a C compiler accepts (every plain
// name as it is, an `olv_` name for every type-decorated one) and the definitions of the `olv_`
// names, each a call of the function it names.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class Row { kPlain, kDecorated, kRule, kSame };

struct Entry {
  Row row;
  const char* name;
  const char* result;
  const char* params;  // "(type, type, ...)" as the table writes it; the rule's arity for rules
  int arity;
  const char* same_as;
};

#define OLV_C(name, result, params, results) {Row::kPlain, #name, #result, #params, 0, nullptr},
#define OLV_CXX(name, symbol, result, params, results) \
  {Row::kDecorated, #name, #result, #params, 0, nullptr},
#define OLV_RULE(name, arity, ...) {Row::kRule, #name, "int", "", arity, nullptr},
#define OLV_FIXED(name, result, params, answer) {Row::kPlain, #name, #result, #params, 0, nullptr},
#define OLV_FIXED_CXX(name, symbol, result, params, answer) \
  {Row::kDecorated, #name, #result, #params, 0, nullptr},
#define OLV_SAME(name, target) {Row::kSame, #name, "", "", 0, #target},
const Entry kEntries[] = {
#include "exports/exports.def"
};

std::string trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

// The table's spelling of a type as both languages accept it.
std::string spelled(std::string type) {
  type = trim(type);
  if (type == "OLV_BSTR") return "BSTR";
  if (type == "std::u16string") return "char16_t*";  // a copy the caller frees with olv_free
  return type;
}

std::vector<std::string> params_of(const Entry& e) {
  std::vector<std::string> out;
  if (e.row == Row::kRule) {
    for (int i = 0; i < e.arity; ++i) out.push_back("const char16_t*");
    return out;
  }
  std::string_view p = e.params;
  p = p.substr(1, p.size() - 2);  // the parentheses
  while (!trim(p).empty()) {
    const std::size_t comma = p.find(',');
    out.push_back(spelled(std::string(p.substr(0, comma))));
    if (comma == std::string_view::npos) break;
    p.remove_prefix(comma + 1);
  }
  return out;
}

const Entry& target_of(const Entry& e) {
  for (const Entry& t : kEntries)
    if (e.same_as && std::strcmp(t.name, e.same_as) == 0) return t;
  return e;
}

// "(a, b)" for a declaration; C needs "(void)" for none and "()" for a list of any arguments.
std::string declared_params(const std::vector<std::string>& params) {
  if (params.empty()) return "(void)";
  if (params.size() == 1 && params[0] == "...") return "()";
  std::string out = "(";
  for (std::size_t i = 0; i < params.size(); ++i) out += (i ? ", " : "") + params[i];
  return out + ")";
}

void write_header(FILE* out, const char* version, int version_number) {
  std::fputs(
      "/* Generated from exports/exports.def by olv_gen_c_face; do not edit. */\n"
      "#ifndef OLVENIR_P_C_EXPORTS_H\n#define OLVENIR_P_C_EXPORTS_H\n\n",
      out);
  std::fprintf(
      out,
      "#define OLVENIR_P_C_VERSION \"%s\"\n"
      "#define OLVENIR_P_C_VERSION_NUMBER %d /* major * 10000 + minor * 100 + patch */\n\n",
      version, version_number);
  std::fputs(
      "#ifndef __cplusplus\n"
      "/* The plain names, with C linkage in the library itself. */\n",
      out);
  for (const Entry& e : kEntries) {
    if (e.row == Row::kDecorated) continue;
    const Entry& t = e.row == Row::kSame ? target_of(e) : e;
    std::fprintf(out, "%s %s%s;\n", spelled(t.result).c_str(), e.name,
                 declared_params(params_of(t)).c_str());
  }
  std::fputs(
      "#endif\n\n#ifdef __cplusplus\nextern \"C\" {\n#endif\n"
      "/* The type-decorated names under the prefix olv_, with the same behaviour. */\n",
      out);
  for (const Entry& e : kEntries) {
    if (e.row != Row::kDecorated) continue;
    std::fprintf(out, "%s olv_%s%s;\n", spelled(e.result).c_str(), e.name,
                 declared_params(params_of(e)).c_str());
  }
  std::fputs("#ifdef __cplusplus\n}\n#endif\n\n#endif\n", out);
}

// The variable list of a decorated name is passed on whole: the texts up to its null, then
// nulls, as many as the call layer allows.
constexpr int kListSlots = 33;

void write_definitions(FILE* out) {
  std::fputs(
      "// Generated from exports/exports.def by olv_gen_c_face; do not edit.\n"
      "#include <cstdarg>\n#include <cstdlib>\n#include <cstring>\n\n"
      "#include \"capi/direct_call.h\"\n#include \"olvenir_p.h\"\n#include "
      "\"olvenir_p_c.h\"\n#include \"platform/runtime_names.h\"\n\n"
      "namespace {\nchar16_t* owned_copy(const std::u16string& s) {\n"
      "  auto* p = static_cast<char16_t*>(std::malloc((s.size() + 1) * sizeof(char16_t)));\n"
      "  if (!p) return nullptr;\n"
      "  std::memcpy(p, s.c_str(), (s.size() + 1) * sizeof(char16_t));\n"
      "  return p;\n}\n}  // namespace\n\nextern \"C\" {\n",
      out);
  for (const Entry& e : kEntries) {
    if (e.row != Row::kDecorated) continue;
    const std::vector<std::string> params = params_of(e);
    const bool variadic = !params.empty() && params.back() == "...";
    std::string list, call;
    for (std::size_t i = 0; i < params.size(); ++i) {
      if (params[i] == "...") break;
      list += (i ? ", " : "") + params[i] + " a" + std::to_string(i);
      call += (i ? ", " : "") + std::string("a") + std::to_string(i);
    }
    const std::string result = trim(e.result);
    std::fprintf(out, "%s olv_%s(%s%s) {\n", spelled(result).c_str(), e.name, list.c_str(),
                 variadic ? ", ..." : "");
    if (variadic) {
      std::fprintf(out,
                   "  const char16_t* tail[%d] = {};\n  va_list ap;\n  va_start(ap, a%zu);\n"
                   "  for (int i = 0; i < %d; ++i)\n"
                   "    if (!(tail[i] = va_arg(ap, const char16_t*))) break;\n  va_end(ap);\n",
                   kListSlots, params.size() - 2, kListSlots - 1);
      for (int i = 0; i < kListSlots; ++i) call += ", tail[" + std::to_string(i) + "]";
    }
    if (result == "void")
      std::fprintf(out, "  ::%s(%s);\n}\n", e.name, call.c_str());
    else if (result == "std::u16string")
      std::fprintf(out, "  return owned_copy(::%s(%s));\n}\n", e.name, call.c_str());
    else
      std::fprintf(out, "  return ::%s(%s);\n}\n", e.name, call.c_str());
  }
  std::fputs("}\n\nnamespace olv::capi {\n\nconst DirectCall kDirectCalls[] = {\n", out);
  for (const Entry& e : kEntries) {
    if (e.row == Row::kSame) {
      std::fputs("    nullptr,\n", out);
      continue;
    }
    std::string type = trim(e.result) + "(";
    const std::vector<std::string> params = params_of(e);
    for (std::size_t i = 0; i < params.size(); ++i) type += (i ? ", " : "") + params[i];
    type += ")";
    std::fprintf(out, "    Direct<%s, static_cast<Pointer<%s>>(&::%s)>::pointer(),\n", type.c_str(),
                 type.c_str(), e.name);
  }
  std::fputs(
      "};\nconst std::size_t kDirectCallCount = sizeof kDirectCalls / sizeof kDirectCalls[0];\n\n"
      "}  // namespace olv::capi\n",
      out);
}

}  // namespace

int main(int argc, char** argv) {
  int major = 0, minor = 0, patch = 0;
  if (argc != 4 || std::sscanf(argv[3], "%d.%d.%d", &major, &minor, &patch) != 3) {
    std::fputs("usage: olv_gen_c_face HEADER DEFINITIONS MAJOR.MINOR.PATCH\n", stderr);
    return 2;
  }
  FILE* header = std::fopen(argv[1], "w");
  FILE* definitions = std::fopen(argv[2], "w");
  if (!header || !definitions) return 1;
  write_header(header, argv[3], major * 10000 + minor * 100 + patch);
  write_definitions(definitions);
  return std::fclose(header) | std::fclose(definitions);
}
