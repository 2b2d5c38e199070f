// The argument storage and the conversions of one argument for each kind of parameter, shared by
// every row of the table; the rows' invokers only pick among them.
#include <algorithm>
#include <cstring>
#include <new>

#include "calls/invoke.h"
#include "platform/com.h"

namespace olv::calls {

ArgFrame::~ArgFrame() {
  for (BSTR b : bstrs_) com::free_string(b);
}

char16_t* ArgFrame::copy(const std::u16string& t, std::size_t capacity, std::size_t prefix_units) {
  auto storage = std::make_unique<char16_t[]>(prefix_units + capacity);
  std::copy(t.begin(), t.end(), storage.get() + prefix_units);
  return texts_.emplace_back(std::move(storage)).get() + prefix_units;
}

BSTR ArgFrame::bstr(const OptionalText& t) {
  if (!t) return nullptr;
  BSTR b = com::alloc_string(t->c_str());
  if (!b) throw std::bad_alloc();
  bstrs_.push_back(b);
  return b;
}

const char16_t* ArgFrame::text(const OptionalText& t) {
  return t ? copy(*t, t->size() + 1, 0) : nullptr;
}

char16_t* ArgFrame::writable(std::size_t index, const std::u16string& t) {
  const std::size_t capacity = t.size() + 1 + kOutBufferUnits;
  char16_t* b = copy(t, capacity, 2);
  const auto bytes = static_cast<uint32_t>(t.size() * sizeof(char16_t));
  std::memcpy(b - 2, &bytes, sizeof bytes);
  watched_texts_.push_back({index, b, capacity, t});
  return b;
}

int32_t* ArgFrame::integer(std::size_t index, int32_t initial) {
  int32_t& v = integers_.emplace_back(initial);
  watched_integers_.push_back({index, &v});
  return &v;
}

const char16_t** ArgFrame::list(const std::vector<OptionalText>& texts) {
  std::vector<const char16_t*>& l = lists_.emplace_back();
  for (const OptionalText& t : texts) l.push_back(text(t));
  l.push_back(nullptr);
  return l.data();
}

stWarunekY* ArgFrame::conditions(const std::vector<Condition>& cs) {
  std::vector<stWarunekY>& v = conditions_.emplace_back();
  for (const Condition& c : cs) {
    v.push_back({bstr(c.column), static_cast<signed char>(c.op), bstr(c.value)});
  }
  return v.empty() ? nullptr : v.data();
}

stGrupaKodow* ArgFrame::groups(const std::vector<CodeGroup>& gs) {
  std::array<stGrupaKodow, 10>& array = group_arrays_.emplace_back();
  for (std::size_t i = 0; i < array.size(); ++i) {
    array[i] = {0, nullptr, nullptr};
    if (i >= gs.size()) continue;
    std::vector<stPozycjaKodu>& entries = entries_.emplace_back();
    for (const CodeEntry& e : gs[i].codes) {
      entries.push_back({text(e.code), e.valid_from, e.valid_to, 0, text(e.alternative)});
    }
    array[i].count = static_cast<uint16_t>(entries.size());
    array[i].codes = entries.empty() ? nullptr : entries.data();
    array[i].children = gs[i].children.empty() ? nullptr : groups(gs[i].children);
  }
  return array.data();
}

std::vector<OutValue> ArgFrame::outs() const {
  std::vector<OutValue> out;
  for (const WatchedText& w : watched_texts_) {
    const char16_t* end = std::find(w.buffer, w.buffer + w.capacity - 1, u'\0');
    std::u16string now(w.buffer, end);
    if (now != w.before) out.push_back({w.index, now});
  }
  for (const WatchedInteger& w : watched_integers_) {
    OutValue& integer = out.emplace_back();
    integer.index = w.index;
    integer.value.emplace<int64_t>(*w.value);
  }
  std::sort(out.begin(), out.end(),
            [](const OutValue& a, const OutValue& b) { return a.index < b.index; });
  return out;
}

namespace {

bool fail(std::size_t index, const char* what, std::string& error) {
  error = "argument " + std::to_string(index + 1) + ": " + what;
  return false;
}

}  // namespace

bool bind_pointer(ArgFrame& frame, const Arg& arg, std::size_t index, ParamKind kind, void*& out,
                  std::string& error) {
  out = nullptr;
  if (std::holds_alternative<std::monostate>(arg)) {
    if (kind == ParamKind::kConditions) frame.conditions_given(index, 0);
    return true;
  }
  const auto* text = std::get_if<std::u16string>(&arg);
  switch (kind) {
    case ParamKind::kText:
      if (!text) return fail(index, "expected a text or null", error);
      out = const_cast<char16_t*>(frame.text(*text));
      return true;
    case ParamKind::kMutableText:
      if (!text) return fail(index, "expected a text or null", error);
      out = frame.writable(index, *text);
      return true;
    case ParamKind::kTextList: {
      const auto* list = std::get_if<std::vector<OptionalText>>(&arg);
      if (!list) return fail(index, "expected a list of texts or null", error);
      out = frame.list(*list);
      return true;
    }
    case ParamKind::kIntOut: {
      const auto* number = std::get_if<int64_t>(&arg);
      if (!number || *number < INT32_MIN || *number > INT32_MAX) {
        return fail(index, "expected null or the 32-bit initial value of an out-integer", error);
      }
      out = frame.integer(index, static_cast<int32_t>(*number));
      return true;
    }
    case ParamKind::kConditions: {
      const auto* cs = std::get_if<std::vector<Condition>>(&arg);
      if (!cs) return fail(index, "expected a list of conditions or null", error);
      frame.conditions_given(index, cs->size());
      out = frame.conditions(*cs);
      return true;
    }
    case ParamKind::kCodeTable: {
      const auto* gs = std::get_if<std::vector<CodeGroup>>(&arg);
      if (!gs) return fail(index, "expected a list of code groups or null", error);
      if (gs->size() > 10) return fail(index, "a group array holds at most 10 groups", error);
      out = frame.groups(*gs);
      return true;
    }
    case ParamKind::kBstr:
      return fail(index, "only null can be passed for an automation string", error);
    default:
      return fail(index, "only null can be passed for this record", error);
  }
}

bool bind_integer(ArgFrame& frame, const Arg& arg, std::size_t index, ParamKind kind, int64_t min,
                  int64_t max, int64_t& out, std::string& error) {
  const auto* text = std::get_if<std::u16string>(&arg);
  const auto* number = std::get_if<int64_t>(&arg);
  if (kind == ParamKind::kBool) {
    if (const auto* flag = std::get_if<bool>(&arg)) {
      out = *flag;
      return true;
    }
    if (!number || (*number != 0 && *number != 1)) {
      return fail(index, "expected true, false, 0 or 1", error);
    }
  } else if (kind == ParamKind::kChar) {
    if (text && text->size() == 1) {
      out = (*text)[0];
      return true;
    }
    if (!number || *number < min || *number > max) {
      return fail(index, "expected one UTF-16 unit: a one-unit text or a number 0 to 65535", error);
    }
  } else {
    if (!number) return fail(index, "expected an integer", error);
    if (*number < min || *number > max) {
      return fail(index, "the integer does not fit the parameter's type", error);
    }
    if (frame.count_past_conditions(index, *number)) {
      return fail(index, "the count is more than the conditions given", error);
    }
  }
  out = *number;
  return true;
}

bool arity_fits(std::size_t given, std::size_t fixed, bool variadic, std::string& error) {
  if (variadic ? given < fixed : given != fixed) {
    error = "takes " + std::string(variadic ? "at least " : "") + std::to_string(fixed) +
            " argument" + (fixed == 1 ? "" : "s") + ", given " + std::to_string(given);
    return false;
  }
  if (variadic && given - fixed > kMaxListTexts) {
    error = "at most " + std::to_string(kMaxListTexts) + " texts in the variable list";
    return false;
  }
  return true;
}

Outcome failed(const char* what) {
  Outcome o;
  o.error =
      what ? std::string("the call failed: ") + what : "the call failed with an unknown exception";
  return o;
}

}  // namespace olv::calls
