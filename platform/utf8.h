// UTF-8 of a UTF-16 text, for messages: error descriptions, test output, the checker's answers.
#pragma once

#include <string>
#include <string_view>

namespace olv {

// A lone surrogate becomes U+FFFD.
inline std::string utf8_of(std::u16string_view t) {
  std::string out;
  out.reserve(t.size());
  auto put = [&out](unsigned value) { out.push_back(static_cast<char>(value)); };
  for (std::size_t i = 0; i < t.size(); ++i) {
    char32_t c = t[i];
    bool high = c >= 0xD800 && c <= 0xDBFF;
    if (high && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (t[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    // A lead byte that says how many continuation bytes of six bits each follow it.
    const int continuations = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    put(kLead[continuations] | (c >> (6 * continuations)));
    for (int k = continuations - 1; k >= 0; --k) put(0x80 | ((c >> (6 * k)) & 0x3F));
  }
  return out;
}

}  // namespace olv
