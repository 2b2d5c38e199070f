// Date arithmetic: comparison, day counts, the 26-year tests, PESEL birth dates, periods.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace olv {

int f_DateCmp(Text a, Text b);
int f_KVTElemDateCmpLessEqual(Text a, Text b);
int f_KVTElemDateCmpLess(Text a, Text b);
int f_KVTRoznicaDni(Text a, Text b);
int f_KVTRoznicaDniDDMM(Text end, Text start, Text period);
int f_PeselToDate(Text pesel);
int KVTMaWiecejNiz26lat(Text birth, Text date);
int KVTMaWiecejRowno26lat(Text birth, Text date);
int f_KVTLiczbaDniWMiesiacu(Text month);
// Steps the DDMMRRRR text in `date` (a buffer of at least 9 units) back by one day in place.
int32_t f_KVTDataMinus1(char16_t* date);
void bw_DajDatyOdDoRSARGA(Text period, Text from, Text to, int32_t* from_date, int32_t* to_date);

}  // namespace olv
