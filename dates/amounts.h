// Amount texts: conversion, the amount test over a list, the empty amount, 64-bit reading.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/text.h"

namespace olv {

double f_KVTKwotaVamoToFloat(Text amount);
// The list ends at its first null view (is_null), as the exported list ends at a null pointer.
int f_KVTSprKwoty(std::initializer_list<Text> amounts);
int bw_PustaKwota(Text t);
int64_t bw_GetSafeAtol64(Text t);
int ZamienStala(Text code, int constant);

}  // namespace olv
