// Date text forms: validation, conversion to date numbers, today, earliest and latest dates.
// olv::NAME is the internal twin of the export NAME; the null-pointer answers (-1) belong to
// the exported adapters, the twins take a text.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/text.h"

namespace olv {

int32_t sl_PoprawnaData_DDMMRRRR(Text t);
int32_t sl_PoprawnaData_MMRRRR(Text t);
int32_t sl_PoprawnaData_DDMM(Text t);
int f_KVTElemT_DATA_DDMMRRRR(Text t);
int f_KVTElemT_DATA_MMRRRR(Text t);
int f_KVTElemT_DATA_DDMM(Text t);
int f_KVTElemT_DATA_DDMMRRRRNN(Text t);
int f_KVTElemT_NNMMRRRR_RAP(Text t);
int f_KVTZakresRoku(Text year);

int32_t sl_PrzeksztalcDate_DDMMRRRR(Text t);
int32_t sl_PrzeksztalcDate_MMRRRR(Text t);
int32_t sl_PrzeksztalcDate_DDMM(Text t);
int32_t DataStr2Long(Text t);
int32_t atod(Text t);
int32_t DDMMtol(Text t);

// `buffer` may be null; otherwise it receives today as DDMMRRRR (9 units).
int32_t sl_Now(char16_t* buffer);
int32_t f_KVTGetCurrentTimeLong();
void f_KVTGetCurrentTimeStr(char16_t* buffer);
void bw_DajBiezOkrRozl(char16_t* buffer);

// The earliest (latest) of the dates that sl_PoprawnaData_DDMMRRRR accepts, or the fallback;
// the list ends at its first null view (is_null), as the exported list ends at a null pointer.
Text sl_NajwczesniejszaData(Text fallback, std::initializer_list<Text> dates);
Text sl_NajpozniejszaData(Text fallback, std::initializer_list<Text> dates);

}  // namespace olv
