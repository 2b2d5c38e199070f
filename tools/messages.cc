// The message catalogue over the findings table: each code's condition in both languages, the
// exports that return it from the exports table's results, and the answers of particular exports.
#include "tools/messages.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "olvenir_p.h"

namespace olv {
namespace {

// clang-format off
// Generated from tools/findings.def.
constexpr Finding kFindings[] = {
#define OLV_FINDING(code, english, polish) {code, english, polish},
#include "tools/findings.def"
};
// clang-format on

static_assert(std::is_sorted(std::begin(kFindings), std::end(kFindings),
                             [](const Finding& a, const Finding& b) { return a.code <= b.code; }),
              "the findings are sorted by code, each once");

struct Answer {
  std::string_view name;
  int64_t value;
  const char* english;
  const char* polish;
};

// clang-format off
// Generated from tools/findings.def; taking each name's address makes a misspelt export fail to
// compile.
constexpr Answer kAnswers[] = {
#define OLV_ANSWER(name, value, english, polish) {(static_cast<void>(sizeof(&::name)), #name), value, english, polish},
#include "tools/findings.def"
};
// clang-format on

struct NoFault {
  std::string_view name;
  int64_t value;
};

// clang-format off
constexpr NoFault kNoFaults[] = {
#define OLV_NO_FAULT(name, value) {(static_cast<void>(sizeof(&::name)), #name), value},
#include "tools/findings.def"
};
// clang-format on

const char* pick(Language lang, const char* english, const char* polish) {
  return lang == Language::kPolish ? polish : english;
}

bool lists(const Export& row, int64_t code) {
  return std::find(row.results.begin(), row.results.end(), code) != row.results.end();
}

const Answer* answer_of(std::string_view name, int64_t value) {
  for (const Answer& a : kAnswers) {
    if (a.name == name && a.value == value) return &a;
  }
  return nullptr;
}

}  // namespace

Language language_from_environment() {
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v)
      return std::string_view(v).substr(0, 2) == "pl" ? Language::kPolish : Language::kEnglish;
  }
  return Language::kEnglish;
}

std::span<const Finding> findings() { return kFindings; }

const Finding* find_finding(int64_t code) {
  const Finding* end = std::end(kFindings);
  const Finding* f = std::lower_bound(std::begin(kFindings), end, code,
                                      [](const Finding& a, int64_t c) { return a.code < c; });
  return f != end && f->code == code ? f : nullptr;
}

std::vector<std::string_view> exports_returning(int64_t code) {
  std::vector<std::string_view> names;
  if (code == 0) return names;
  for (const TypedExport& row : typed_exports()) {
    if (row.result == ResultKind::kBool || !lists(answering_row(row), code)) continue;
    if (std::find(names.begin(), names.end(), row.name) == names.end())
      names.emplace_back(row.name);
  }
  return names;
}

std::string explain_code(int64_t code, Language lang) {
  const Finding* f = find_finding(code);
  if (!f) return {};
  std::string text = pick(lang, f->english, f->polish);
  std::vector<std::string_view> names = exports_returning(code);
  for (std::size_t i = 0; i < names.size(); ++i) {
    text += i ? ", " : pick(lang, "; returned by ", "; zwracany przez ");
    text += names[i];
  }
  for (const Answer& a : kAnswers) {
    if (a.value != code) continue;
    text.append("\n  ").append(a.name).append(": ").append(pick(lang, a.english, a.polish));
  }
  return text;
}

bool answer_is_fault(const TypedExport& row, int64_t value) {
  const std::string_view name = answering_row(row).name;
  return std::none_of(std::begin(kNoFaults), std::end(kNoFaults),
                      [&](const NoFault& n) { return n.name == name && n.value == value; });
}

std::string describe_result(const TypedExport& row, int64_t value, Language lang) {
  if (row.result == ResultKind::kBool) {
    return pick(lang, "the check answered false", "kontrola odpowiedziała fałsz");
  }
  const Export& answers = answering_row(row);
  if (const Answer* a = answer_of(answers.name, value)) return pick(lang, a->english, a->polish);
  // The dispatcher passes on its validators' findings; its other negative answers are
  // -1000 - type for a type it does not know (type -1 gives -999).
  const bool dispatcher = std::string_view(answers.name) == "f_KVTElem";
  if (dispatcher && value < 0) {
    return pick(lang, "unknown element type ", "nieznany typ elementu ") +
           std::to_string(-1000 - value);
  }
  if (lists(answers, value) || dispatcher) {
    if (const Finding* f = find_finding(value)) return pick(lang, f->english, f->polish);
  }
  return pick(lang, "the answer is not 0 but ", "odpowiedź nie jest 0, lecz ") +
         std::to_string(value);
}

}  // namespace olv
