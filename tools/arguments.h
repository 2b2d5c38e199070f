// Arguments and results as the checker reads and writes them: JSON values, command-line words,
// and the UTF-8 / UTF-16 conversions between them.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "tools/typed_exports.h"

namespace olv {

// UTF-8 to UTF-16; nullopt when the bytes are not well-formed UTF-8.
std::optional<std::u16string> utf16_from_utf8(std::string_view s);

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8_from_utf16(std::u16string_view t);

// A JSON value as an argument for a parameter of the given kind; false with `error` set when
// it does not have the kind's form.
bool arg_from_json(const nlohmann::ordered_json& j, ParamKind kind, Arg& out, std::string& error);

// A command-line word as the JSON value it stands for, given the parameter's kind:
//   :null          a null pointer
//   :empty         the empty text (the same as an empty word)
//   :json:VALUE    any JSON value (lists, conditions, code tables, raw units)
//   ::TEXT         the text :TEXT (a leading colon doubled)
// Other words are texts for the text kinds, integers (decimal or 0x hexadecimal) for the number
// kinds, true or false for bool. False with `error` set when the word has no such reading.
bool json_from_word(std::string_view word, ParamKind kind, nlohmann::ordered_json& out,
                    std::string& error);

// A call's result as a JSON value (null for none and for a null pointer).
nlohmann::ordered_json result_json(const Outcome& outcome);

// A call's writable arguments after the call, keyed by their 1-based position; null when none.
nlohmann::ordered_json outs_json(const Outcome& outcome);

}  // namespace olv
