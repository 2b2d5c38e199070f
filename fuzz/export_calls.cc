// Arguments drawn for a row's parameter kinds, and the rows' calls bound through the call layer.
#include "fuzz/export_calls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "olvenir_p.h"
#include "platform/char_class.h"
#include "platform/runtime_names.h"

namespace olv::harness {

OptionalText Source::text() {
  const Pick p = pick_text();
  if (p.null) return std::nullopt;
  return std::u16string(p.units);
}

int64_t Source::number() {
  if (pending_count_ >= 0) return std::exchange(pending_count_, -1);
  return pick_number();
}

std::vector<Condition> Source::condition_list() {
  std::vector<Condition> list(kMaxConditions);
  for (Condition& c : list) {
    c.column = text();
    c.op = static_cast<signed char>(pick_number());
    c.value = text();
  }
  pending_count_ = static_cast<int>(static_cast<uint64_t>(pick_number()) % (kMaxConditions + 1));
  return list;
}

// Ten groups (the host's tables always have ten), each with up to two codes and no children.
std::vector<CodeGroup> Source::code_table() {
  std::vector<CodeGroup> groups(10);
  for (CodeGroup& g : groups) {
    g.codes.resize(static_cast<uint64_t>(pick_number()) % 3);
    for (CodeEntry& e : g.codes) {
      e.code = text();
      e.valid_from = static_cast<int32_t>(pick_number());
      e.valid_to = static_cast<int32_t>(pick_number());
      e.alternative = text();
    }
  }
  return groups;
}

// A number is wrapped into the parameter's type, as a host's cast would.
Arg Source::argument(ParamKind kind) {
  switch (kind) {
    case ParamKind::kText:
    case ParamKind::kMutableText: {
      OptionalText t = text();
      return t ? Arg(std::move(*t)) : Arg();
    }
    case ParamKind::kTextList: {
      std::vector<OptionalText> list(static_cast<std::size_t>(pick_list_length()));
      for (OptionalText& t : list) t = text();
      return list;
    }
    case ParamKind::kInt:
      return int64_t{static_cast<int32_t>(number())};
    case ParamKind::kUnsigned:
      return int64_t{static_cast<uint32_t>(number())};
    case ParamKind::kShort:
      return int64_t{static_cast<int16_t>(number())};
    case ParamKind::kByte:
      return int64_t{static_cast<uint8_t>(number())};
    case ParamKind::kChar:
      return int64_t{static_cast<uint16_t>(number())};
    case ParamKind::kInt64:
      return number();
    case ParamKind::kBool:
      return number() != 0;
    case ParamKind::kIntOut:
      return int64_t{0};
    case ParamKind::kConditions:
      return condition_list();
    case ParamKind::kCodeTable:
      return code_table();
    case ParamKind::kBstr:
    case ParamKind::kOpaque:
      return {};
  }
  return {};
}

std::vector<Arg> Source::arguments(const Export& row) {
  std::vector<Arg> args;
  for (ParamKind kind : row.params) args.push_back(argument(kind));
  if (row.variadic) {
    const int n = std::clamp(pick_list_length(), 0, kMaxListTexts);
    for (int i = 0; i < n; ++i) args.push_back(argument(ParamKind::kText));
  }
  return args;
}

BSTR Source::bstr() {
  const Pick p = pick_text();
  if (p.null) return nullptr;
  // The byte length in the 32 bits before the first unit, as an automation string has it.
  auto storage = std::make_unique<char16_t[]>(p.units.size() + 3);
  const auto bytes = static_cast<uint32_t>(p.units.size() * sizeof(char16_t));
  std::memcpy(storage.get(), &bytes, sizeof bytes);
  std::copy(p.units.begin(), p.units.end(), storage.get() + 2);
  return bstrs_.emplace_back(std::move(storage)).get() + 2;
}

stWarunekY* Source::conditions() {
  auto list = std::make_unique<stWarunekY[]>(kMaxConditions);
  for (int i = 0; i < kMaxConditions; ++i) {
    list[i].column = bstr();
    list[i].op = static_cast<signed char>(pick_number());
    list[i].value = bstr();
  }
  pending_count_ = static_cast<int>(static_cast<uint64_t>(pick_number()) % (kMaxConditions + 1));
  return records_.emplace_back(std::move(list)).get();
}

std::unique_ptr<Calls> RowCaller::prepare(const Export& row, Source& source,
                                          std::size_t count) const {
  auto calls = std::make_unique<Calls>();
  calls->result_is_code_ = row.result == ResultKind::kInt || row.result == ResultKind::kBool;
  for (std::size_t i = 0; i < std::max<std::size_t>(count, 1); ++i) {
    const std::vector<Arg> args = source.arguments(row);
    std::string error;
    std::unique_ptr<BoundCall> bound = row.bind(args, error);
    if (!bound) {
      std::fprintf(stderr, "%s: drawn arguments refused: %s\n", row.name, error.c_str());
      std::abort();
    }
    calls->bound_.push_back(std::move(bound));
  }
  return calls;
}

std::span<const RowCaller> row_callers() {
  static const std::vector<RowCaller> callers = [] {
    std::vector<RowCaller> out;
    for (const Export& row : exports()) {
      const bool runtime = std::string_view(row.name).starts_with("olvenir_");
      const bool text =
          row.variadic || std::any_of(row.params.begin(), row.params.end(), [](ParamKind k) {
            return k == ParamKind::kText || k == ParamKind::kMutableText ||
                   k == ParamKind::kTextList;
          });
      out.push_back({row.name, !runtime, text});
    }
    return out;
  }();
  return callers;
}

// Asked of the library through its exports, so that a program linking the shared library alone
// can draw them: a unit is white space when trimming leaves nothing of it.
std::span<const char16_t> white_space_units() {
  static const auto units = [] {
    std::u16string all;
    for (uint32_t c = 1; c <= 0xFFFF; ++c) {
      char16_t one[] = {static_cast<char16_t>(c), u'\0'};
      if (KVTDelSpacje(one).empty()) all.push_back(one[0]);
    }
    return all;
  }();
  return {units.data(), units.size()};
}

}  // namespace olv::harness
