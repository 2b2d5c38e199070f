// Amount texts: conversion, the amount test over a list, the empty amount, 64-bit reading.
#include "dates/amounts.h"

#include <cstdarg>

#include "frame/frame.h"
#include "olvenir_p.h"

namespace olv {

double f_KVTKwotaVamoToFloat(Text amount) { return to_double(amount) / 100.0; }

int f_KVTSprKwoty(std::initializer_list<Text> amounts) {
  for (Text amount : amounts) {
    if (is_null(amount)) break;
    if (!digit_run_text(amount)) return 60006701;  // the amount test of the element type
  }
  return 0;
}

int bw_PustaKwota(Text t) { return t.find_first_not_of(u" \t\n") == Text::npos ? 1 : 0; }

int64_t bw_GetSafeAtol64(Text t) { return bw_PustaKwota(t) ? 0 : to_int64(t); }

int ZamienStala(Text code, int constant) {
  if (constant == 107 && begins_with_any(code, {u"05", u"10"})) return 105;
  if (constant == 106 &&
      begins_with_any(code, {u"05", u"10", u"0125", u"0126", u"0426", u"0427", u"0428", u"0429"})) {
    return 105;
  }
  return constant;
}

}  // namespace olv

// ---- exports ----------------------------------------------------------------------------------

using olv::text;

double f_KVTKwotaVamoToFloat(char16_t* amount) { return olv::f_KVTKwotaVamoToFloat(text(amount)); }

// The exported list is walked here, one amount at a time, with the test of the twin's list.
int f_KVTSprKwoty(char16_t* first, ...) {
  va_list rest;
  va_start(rest, first);
  int code = 0;
  for (char16_t* amount = first; amount && code == 0; amount = va_arg(rest, char16_t*)) {
    code = olv::f_KVTSprKwoty({text(amount)});
  }
  va_end(rest);
  return code;
}

extern "C" int bw_PustaKwota(const char16_t* t) { return olv::bw_PustaKwota(text(t)); }
extern "C" int64_t bw_GetSafeAtol64(const char16_t* t) { return olv::bw_GetSafeAtol64(text(t)); }

int ZamienStala(const char16_t* code, int constant) {
  return olv::ZamienStala(text(code), constant);
}
