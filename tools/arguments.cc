// JSON and command-line arguments converted for the typed calls, and results back to JSON.
#include "tools/arguments.h"

#include <charconv>
#include <cstdint>

#include "platform/utf8.h"

namespace olv {
namespace {

using json = nlohmann::ordered_json;

bool fail(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

template <typename T, typename V>
bool set(T& out, V&& value) {
  out = std::forward<V>(value);
  return true;
}

bool integer_from_json(const json& j, int64_t& out) {
  if (j.is_number_integer()) {
    if (j.is_number_unsigned() && j.get<uint64_t>() > uint64_t{INT64_MAX}) return false;
    out = j.get<int64_t>();
    return true;
  }
  return false;
}

// A text: a JSON string, or {"units": [...]} for any UTF-16 units, lone surrogates included.
bool text_from_json(const json& j, std::u16string& out, std::string& error) {
  if (j.is_string()) {
    std::optional<std::u16string> t = utf16_from_utf8(j.get_ref<const std::string&>());
    if (!t) return fail(error, "the text is not well-formed UTF-8");
    out = std::move(*t);
    return true;
  }
  if (j.is_object() && j.size() == 1 && j.contains("units") && j["units"].is_array()) {
    out.clear();
    for (const json& u : j["units"]) {
      int64_t v = 0;
      if (!integer_from_json(u, v) || v < 0 || v > 0xFFFF) {
        return fail(error, "a unit must be a number from 0 to 65535");
      }
      out.push_back(static_cast<char16_t>(v));
    }
    return true;
  }
  return fail(error, "expected a text or null");
}

bool optional_text(const json& j, OptionalText& out, std::string& error) {
  if (j.is_null()) return set(out, std::nullopt);
  std::u16string t;
  if (!text_from_json(j, t, error)) return false;
  out = std::move(t);
  return true;
}

bool condition_from_json(const json& j, Condition& out, std::string& error) {
  const json* column = nullptr;
  const json* op = nullptr;
  const json* value = nullptr;
  if (j.is_array() && j.size() == 3) {
    column = &j[0], op = &j[1], value = &j[2];
  } else if (j.is_object() && j.contains("column") && j.contains("op") && j.contains("value")) {
    column = &j["column"], op = &j["op"], value = &j["value"];
  } else {
    return fail(error, "a condition is [column, op, value] or {\"column\", \"op\", \"value\"}");
  }
  int64_t o = 0;
  if (!integer_from_json(*op, o) || o < -128 || o > 127) {
    return fail(error, "a condition's operator is a number from -128 to 127");
  }
  out.op = static_cast<int>(o);
  return optional_text(*column, out.column, error) && optional_text(*value, out.value, error);
}

bool date_number(const json& j, int32_t& out) {
  int64_t v = 0;
  if (!integer_from_json(j, v) || v < INT32_MIN || v > INT32_MAX) return false;
  out = static_cast<int32_t>(v);
  return true;
}

bool entry_from_json(const json& j, CodeEntry& out, std::string& error) {
  const char* form = "a code is [code, from, to, alternative?] or {\"code\", \"from\", \"to\"}";
  json code, from, to, alternative;
  if (j.is_array() && (j.size() == 3 || j.size() == 4)) {
    code = j[0], from = j[1], to = j[2];
    if (j.size() == 4) alternative = j[3];
  } else if (j.is_object() && j.contains("code") && j.contains("from") && j.contains("to")) {
    code = j["code"], from = j["from"], to = j["to"];
    alternative = j.value("alternative", json());
  } else {
    return fail(error, form);
  }
  if (!date_number(from, out.valid_from) || !date_number(to, out.valid_to)) {
    return fail(error, "a code's dates are 32-bit RRRRMMDD numbers");
  }
  std::u16string code_text;
  if (!text_from_json(code, code_text, error)) return false;
  out.code = std::move(code_text);
  return optional_text(alternative, out.alternative, error);
}

bool groups_from_json(const json& j, std::vector<CodeGroup>& out, std::string& error) {
  if (!j.is_array() || j.size() > 10)
    return fail(error, "a group array is a list of at most 10 groups");
  for (const json& g : j) {
    if (!g.is_object()) return fail(error, "a group is {\"codes\": [...], \"children\": [...]}");
    CodeGroup& group = out.emplace_back();
    if (g.contains("codes")) {
      if (!g["codes"].is_array()) return fail(error, "a group's codes are a list");
      for (const json& e : g["codes"]) {
        if (!entry_from_json(e, group.codes.emplace_back(), error)) return false;
      }
      if (group.codes.size() > UINT16_MAX) return fail(error, "a group holds at most 65535 codes");
    }
    if (g.contains("children") && !groups_from_json(g["children"], group.children, error)) {
      return false;
    }
  }
  return true;
}

bool parse_integer(std::string_view word, int64_t& out) {
  bool negative = !word.empty() && word[0] == '-';
  if (negative) word.remove_prefix(1);
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16;
    word.remove_prefix(2);
  }
  uint64_t v = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v, base);
  if (word.empty() || ec != std::errc() || end != word.data() + word.size()) return false;
  if (v > uint64_t{INT64_MAX} + (negative ? 1 : 0)) return false;
  out = negative ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
  return true;
}

bool is_text_kind(ParamKind kind) {
  return kind == ParamKind::kText || kind == ParamKind::kMutableText || kind == ParamKind::kChar;
}

}  // namespace

std::optional<std::u16string> utf16_from_utf8(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    std::size_t length = b < 0x80         ? 1
                         : (b >> 5) == 6  ? 2
                         : (b >> 4) == 14 ? 3
                         : (b >> 3) == 30 ? 4
                                          : 0;
    if (length == 0 || i + length > s.size()) return std::nullopt;
    char32_t c = length == 1 ? b : b & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    if (c >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
    i += length;
  }
  return out;
}

std::string utf8_from_utf16(std::u16string_view t) { return utf8_of(t); }

bool arg_from_json(const json& j, ParamKind kind, Arg& out, std::string& error) {
  int64_t number = 0;
  switch (kind) {
    case ParamKind::kText:
    case ParamKind::kMutableText:
    case ParamKind::kChar: {
      if (j.is_null() && kind != ParamKind::kChar) return set(out, std::monostate());
      if (kind == ParamKind::kChar && integer_from_json(j, number)) return set(out, number);
      std::u16string t;
      if (!text_from_json(j, t, error)) return false;
      out = std::move(t);
      return true;
    }
    case ParamKind::kInt:
    case ParamKind::kUnsigned:
    case ParamKind::kShort:
    case ParamKind::kByte:
    case ParamKind::kInt64:
      if (!integer_from_json(j, number)) return fail(error, "expected an integer");
      return set(out, number);
    case ParamKind::kBool:
      if (j.is_boolean()) return set(out, j.get<bool>());
      if (!integer_from_json(j, number)) return fail(error, "expected true or false");
      return set(out, number);
    case ParamKind::kIntOut:
      if (j.is_null()) return set(out, std::monostate());
      if (!integer_from_json(j, number)) return fail(error, "expected null or an integer");
      return set(out, number);
    case ParamKind::kTextList: {
      if (j.is_null()) return set(out, std::monostate());
      if (!j.is_array()) return fail(error, "expected a list of texts or null");
      std::vector<OptionalText> texts;
      for (const json& t : j) {
        if (!optional_text(t, texts.emplace_back(), error)) return false;
      }
      return set(out, std::move(texts));
    }
    case ParamKind::kConditions: {
      if (j.is_null()) return set(out, std::monostate());
      if (!j.is_array()) return fail(error, "expected a list of conditions or null");
      std::vector<Condition> conditions;
      for (const json& c : j) {
        if (!condition_from_json(c, conditions.emplace_back(), error)) return false;
      }
      return set(out, std::move(conditions));
    }
    case ParamKind::kCodeTable: {
      if (j.is_null()) return set(out, std::monostate());
      std::vector<CodeGroup> groups;
      if (!groups_from_json(j, groups, error)) return false;
      return set(out, std::move(groups));
    }
    case ParamKind::kBstr:
    case ParamKind::kOpaque:
      if (!j.is_null()) return fail(error, "only null can be passed for this parameter");
      return set(out, std::monostate());
  }
  return fail(error, "unknown parameter kind");
}

bool json_from_word(std::string_view word, ParamKind kind, json& out, std::string& error) {
  if (word == ":null") return set(out, nullptr);
  if (word == ":empty") return set(out, "");
  if (word.substr(0, 6) == ":json:") {
    out = json::parse(word.substr(6), nullptr, false);
    if (out.is_discarded()) return fail(error, "the value after :json: is not valid JSON");
    return true;
  }
  if (word.substr(0, 2) == "::")
    word.remove_prefix(1);
  else if (!word.empty() && word[0] == ':') {
    return fail(error, "unknown form " + std::string(word) +
                           " (use ::TEXT for a text beginning with a colon)");
  }
  if (is_text_kind(kind)) {
    if (!utf16_from_utf8(word)) return fail(error, "the text is not well-formed UTF-8");
    return set(out, std::string(word));
  }
  if (kind == ParamKind::kBool && (word == "true" || word == "false")) {
    return set(out, word == "true");
  }
  int64_t number = 0;
  if (parse_integer(word, number)) return set(out, number);
  if (kind == ParamKind::kBool) return fail(error, "expected true, false, 0 or 1");
  switch (kind) {
    case ParamKind::kInt:
    case ParamKind::kUnsigned:
    case ParamKind::kShort:
    case ParamKind::kByte:
    case ParamKind::kInt64:
    case ParamKind::kIntOut:
      return fail(error, "expected an integer");
    default:
      return fail(error, "this parameter takes :null or :json:VALUE");
  }
}

json result_json(const Outcome& o) {
  switch (o.kind) {
    case ResultKind::kVoid:
      return nullptr;
    case ResultKind::kInt:
      return o.number;
    case ResultKind::kBool:
      return o.number != 0;
    case ResultKind::kDouble:
      return o.real;
    case ResultKind::kText:
    case ResultKind::kOwnedText:
    case ResultKind::kString:
      return o.text ? json(utf8_from_utf16(*o.text)) : json(nullptr);
    case ResultKind::kPointer:
      return o.null_pointer ? json(nullptr) : json("non-null pointer");
  }
  return nullptr;
}

json outs_json(const Outcome& o) {
  if (o.outs.empty()) return nullptr;
  json outs = json::object();
  for (const OutValue& v : o.outs) {
    std::string key = std::to_string(v.index + 1);
    if (const auto* t = std::get_if<std::u16string>(&v.value)) {
      outs[key] = utf8_from_utf16(*t);
    } else {
      outs[key] = std::get<int64_t>(v.value);
    }
  }
  return outs;
}

}  // namespace olv
