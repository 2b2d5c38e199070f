// Code list files in other encodings than UTF-8, converted by ICU.
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>

#include "service/import.h"

namespace olv::service {

std::string utf8_from_encoding(std::string_view text, const std::string& encoding) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, void (*)(UConverter*)> from(ucnv_open(encoding.c_str(), &status),
                                                          ucnv_close);
  if (U_FAILURE(status) || status == U_AMBIGUOUS_ALIAS_WARNING)
    throw DictionaryError("unknown encoding " + encoding, true);
  ucnv_setToUCallBack(from.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  std::u16string units(text.size() * 2 + 1, u'\0');
  int32_t n = ucnv_toUChars(from.get(), units.data(), static_cast<int32_t>(units.size()),
                            text.data(), static_cast<int32_t>(text.size()), &status);
  if (U_FAILURE(status))
    throw DictionaryError("a byte that " + encoding + " does not define", true);
  std::string out(static_cast<std::size_t>(n) * 3 + 1, '\0');
  int32_t length = 0;
  u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, units.data(), n, &status);
  if (U_FAILURE(status)) throw DictionaryError("cannot convert from " + encoding, true);
  out.resize(static_cast<std::size_t>(length));
  return out;
}

}  // namespace olv::service
