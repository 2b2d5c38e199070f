// Code list files in other encodings than UTF-8, converted by the system's code pages.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <iterator>

#include "service/import.h"

namespace olv::service {
namespace {

struct Encoding {
  const char* name;
  UINT code_page;
};

// clang-format off
// The encodings Polish code lists come in, under the names ICU gives them elsewhere, with the
// Windows code page of each.
constexpr Encoding kEncodings[] = {
    {"utf-8",        CP_UTF8}, {"utf8",         CP_UTF8},
    {"cp1250",       1250},    {"windows-1250", 1250},
    {"iso-8859-2",   28592},   {"latin2",       28592},
    {"cp852",        852},     {"ibm852",       852},
    {"cp1252",       1252},    {"windows-1252", 1252},
    {"iso-8859-1",   28591},   {"latin1",       28591},
};
// clang-format on

bool same_name(const std::string& a, const char* b) {
  return std::equal(
      a.begin(), a.end(), b, b + std::char_traits<char>::length(b),
      [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
}

}  // namespace

std::string utf8_from_encoding(std::string_view text, const std::string& encoding) {
  auto found = std::find_if(std::begin(kEncodings), std::end(kEncodings),
                            [&](const Encoding& e) { return same_name(encoding, e.name); });
  if (found == std::end(kEncodings)) throw DictionaryError("unknown encoding " + encoding, true);
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  std::wstring units(text.size(), L'\0');
  int n = MultiByteToWideChar(found->code_page, MB_ERR_INVALID_CHARS, text.data(), size,
                              units.data(), size);
  if (n <= 0) throw DictionaryError("a byte that " + encoding + " does not define", true);
  std::string out(static_cast<std::size_t>(n) * 3, '\0');
  int length = WideCharToMultiByte(CP_UTF8, 0, units.data(), n, out.data(),
                                   static_cast<int>(out.size()), nullptr, nullptr);
  if (length <= 0) throw DictionaryError("cannot convert from " + encoding, true);
  out.resize(static_cast<std::size_t>(length));
  return out;
}

}  // namespace olv::service
