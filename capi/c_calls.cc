// The C entry to the call layer: the exports listed, and calls by name from C's neutral arguments.
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "calls/calls.h"
#include "capi/direct_call.h"
#include "olvenir_p_c.h"

namespace {

using olv::Arg;

// The rows in C's form, built once from the table.
const std::vector<olv_export>& c_rows() {
  static const std::vector<olv_export> rows = [] {
    std::vector<olv_export> out;
    for (const olv::Export& e : olv::exports()) {
      out.push_back(olv_export{e.name, e.symbol, static_cast<int>(e.kind),
                               reinterpret_cast<const unsigned char*>(e.params.data()),
                               e.params.size(), e.variadic ? 1 : 0, static_cast<int>(e.result),
                               e.results.data(), e.results.size(), e.same_as});
    }
    return out;
  }();
  return rows;
}

std::size_t index_of(const olv_export* row) {
  return static_cast<std::size_t>(row - c_rows().data());
}

const olv::Export& row_of(const olv_export* row) { return olv::exports()[index_of(row)]; }

// The row's direct call, if it has one; none at all should the two expansions of the table differ.
olv::capi::DirectCall direct_of(const olv_export* row) {
  static const bool same_table = olv::capi::kDirectCallCount == olv::exports().size();
  return same_table ? olv::capi::kDirectCalls[index_of(row)] : nullptr;
}

olv::OptionalText text_of(const olv_text& t) {
  if (!t.units) return std::nullopt;
  return std::u16string(t.units, t.length);
}

std::vector<olv::CodeGroup> groups_of(const olv_code_group* groups, std::size_t count) {
  std::vector<olv::CodeGroup> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t c = 0; c < groups[i].code_count; ++c) {
      const olv_code_entry& e = groups[i].codes[c];
      out[i].codes.push_back({text_of(e.code), e.valid_from, e.valid_to, text_of(e.alternative)});
    }
    out[i].children = groups_of(groups[i].children, groups[i].child_count);
  }
  return out;
}

// A neutral argument as the call layer takes it; false for an unknown type.
bool arg_of(const olv_arg& a, Arg& out) {
  switch (a.type) {
    case OLV_ARG_NULL:
      out = std::monostate();
      return true;
    case OLV_ARG_TEXT:
      if (!a.text.units)
        out = std::monostate();
      else
        out = std::u16string(a.text.units, a.text.length);
      return true;
    case OLV_ARG_INT:
      out = a.number;
      return true;
    case OLV_ARG_BOOL:
      out = a.number != 0;
      return true;
    case OLV_ARG_TEXT_LIST: {
      std::vector<olv::OptionalText> texts;
      const auto* items = static_cast<const olv_text*>(a.items);
      for (std::size_t i = 0; i < a.count; ++i) texts.push_back(text_of(items[i]));
      out = std::move(texts);
      return true;
    }
    case OLV_ARG_CONDITIONS: {
      std::vector<olv::Condition> conditions;
      const auto* items = static_cast<const olv_condition*>(a.items);
      for (std::size_t i = 0; i < a.count; ++i)
        conditions.push_back({text_of(items[i].column), items[i].op, text_of(items[i].value)});
      out = std::move(conditions);
      return true;
    }
    case OLV_ARG_CODE_TABLE:
      out = groups_of(static_cast<const olv_code_group*>(a.items), a.count);
      return true;
  }
  return false;
}

char* c_string(const std::string& s) {
  char* p = static_cast<char*>(std::malloc(s.size() + 1));
  if (p) std::memcpy(p, s.c_str(), s.size() + 1);
  return p;
}

char16_t* c_text(const std::u16string& s) {
  auto* p = static_cast<char16_t*>(std::malloc((s.size() + 1) * sizeof(char16_t)));
  if (p) std::memcpy(p, s.c_str(), (s.size() + 1) * sizeof(char16_t));
  return p;
}

// The call layer says what went wrong in words; C callers get its class as well.
int error_class(const std::string& message) {
  if (message.rfind("the call failed", 0) == 0) return OLV_ERROR_FAILED;
  if (message.find("does not fit") != std::string::npos ||
      message.find("at most") != std::string::npos ||
      message.find("more than the conditions") != std::string::npos)
    return OLV_ERROR_VALUE;
  return OLV_ERROR_TYPE;
}

olv_outcome* failure(int error, const std::string& message) {
  auto* o = static_cast<olv_outcome*>(std::calloc(1, sizeof(olv_outcome)));
  if (!o) return nullptr;
  o->error = error;
  o->message = c_string(message);
  return o;
}

bool args_of(const olv_arg* args, std::size_t count, std::vector<Arg>& out) {
  out.resize(count);
  for (std::size_t i = 0; i < count; ++i)
    if (!arg_of(args[i], out[i])) return false;
  return true;
}

olv_outcome* outcome_of(const olv::Outcome& r) {
  if (!r.error.empty()) return failure(error_class(r.error), r.error);
  auto* o = static_cast<olv_outcome*>(std::calloc(1, sizeof(olv_outcome)));
  if (!o) return nullptr;
  o->result = static_cast<int>(r.kind);
  o->number = r.number;
  o->real = r.real;
  o->null_pointer = r.null_pointer ? 1 : 0;
  if (r.text) {
    o->text = c_text(*r.text);
    o->length = r.text->size();
  }
  if (!r.outs.empty()) {
    o->outs = static_cast<olv_out*>(std::calloc(r.outs.size(), sizeof(olv_out)));
    for (std::size_t i = 0; o->outs && i < r.outs.size(); ++i) {
      olv_out& out = o->outs[o->out_count++];
      out.position = r.outs[i].index + 1;
      if (const auto* t = std::get_if<std::u16string>(&r.outs[i].value)) {
        out.is_text = 1;
        out.text = c_text(*t);
        out.length = t->size();
      } else {
        out.number = std::get<int64_t>(r.outs[i].value);
      }
    }
  }
  return o;
}

}  // namespace

extern "C" {

size_t olv_export_count(void) { return c_rows().size(); }

const olv_export* olv_export_at(size_t index) {
  return index < c_rows().size() ? &c_rows()[index] : nullptr;
}

const olv_export* olv_find_export(const char* name_or_symbol) {
  if (!name_or_symbol) return nullptr;
  const olv::Export* e = olv::find_export(name_or_symbol);
  return e ? &c_rows()[static_cast<std::size_t>(e - olv::exports().data())] : nullptr;
}

int olv_allowed_result(const olv_export* row, int64_t value) {
  return row && olv::allowed_result(row_of(row), value) ? 1 : 0;
}

const char* olv_param_kind_name(int kind) {
  return olv::kind_name(static_cast<olv::ParamKind>(kind));
}

int olv_call_direct(const olv_export* row, const olv_arg* args, size_t count, int64_t* answer) {
  const olv::capi::DirectCall direct = row ? direct_of(row) : nullptr;
  return direct && direct(args, count, answer) == olv::capi::kAnswered ? 1 : 0;
}

olv_outcome* olv_call(const olv_export* row, const olv_arg* args, size_t count) {
  if (!row) return failure(OLV_ERROR_NAME, "no such export");
  int64_t answer = 0;
  if (olv_call_direct(row, args, count, &answer)) {
    auto* o = static_cast<olv_outcome*>(std::calloc(1, sizeof(olv_outcome)));
    if (!o) return nullptr;
    o->result = row->result;
    o->number = row->result == OLV_RESULT_BOOL ? answer != 0 : answer;
    return o;
  }
  try {
    std::vector<Arg> converted;
    if (!args_of(args, count, converted)) return failure(OLV_ERROR_TYPE, "unknown argument type");
    return outcome_of(row_of(row).call(converted));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

olv_outcome* olv_call_name(const char* name, const olv_arg* args, size_t count) {
  const olv_export* row = olv_find_export(name);
  if (!row) return failure(OLV_ERROR_NAME, std::string("no export named ") + (name ? name : ""));
  return olv_call(row, args, count);
}

olv_outcome* olv_call_many(const olv_export* row, const olv_arg* args, size_t arg_count,
                           size_t rows, int64_t* answers) {
  if (!row) return failure(OLV_ERROR_NAME, "no such export");
  const olv::Export& e = row_of(row);
  const olv::capi::DirectCall direct = direct_of(row);
  std::size_t r = 0;
  try {
    std::vector<Arg> converted;
    for (; r < rows; ++r) {
      const olv_arg* a = args + r * arg_count;
      if (direct && direct(a, arg_count, &answers[r]) != olv::capi::kNotMade) continue;
      std::string error;
      if (!args_of(a, arg_count, converted)) error = "unknown argument type";
      std::unique_ptr<olv::BoundCall> bound = error.empty() ? e.bind(converted, error) : nullptr;
      if (!bound) {
        olv_outcome* o = failure(error_class(error), error);
        if (o) o->row = r;
        return o;
      }
      answers[r] = bound->call_number();
    }
    return nullptr;
  } catch (const std::bad_alloc&) {
    olv_outcome* o = failure(OLV_ERROR_FAILED, "out of memory");
    if (o) o->row = r;
    return o;
  } catch (const std::exception& ex) {
    olv_outcome* o = failure(OLV_ERROR_FAILED, std::string("the call failed: ") + ex.what());
    if (o) o->row = r;
    return o;
  }
}

void olv_outcome_free(olv_outcome* outcome) {
  if (!outcome) return;
  for (std::size_t i = 0; i < outcome->out_count; ++i) std::free(outcome->outs[i].text);
  std::free(outcome->outs);
  std::free(outcome->text);
  std::free(outcome->message);
  std::free(outcome);
}

void olv_free(void* p) { std::free(p); }

}  // extern "C"
