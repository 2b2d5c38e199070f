// Dictionary code checks and lookups over the dictionary service, and the host's code table.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstdint>

#include "dictionaries/service_query.h"
#include "olvenir_p/types.h"
#include "platform/runtime_names.h"
#include "platform/text.h"

namespace olv {

int sl_PoprawnyKod(Text code, int length);
int sl_CzyPrawidlowyKodLiterowy(const stGrupaKodow* groups, Text code, int date);
const char16_t* sl_PobierzNazweSlownika(int number);
// The date text may be a null view (no date).
int fb_KVTKodSprawdzArkusze(int number, Text code, Text date);
int fb_KVTKodSprawdz(int number, Text code, int ignored);
int fb_KVTZasadyPodleganiaUb(Text a, Text b, Text c, Text date);
int fb_KVTKodPokrewienstwa(Text code, int kind, int ch);
int fb_KVTKodPokrewienstwaJest(Text code, int kind, int ch);

// The dictionary date of a date text: RRRRMMDD of a valid DDMMRRRR text, RRRRMM of a valid
// MMRRRR text, else 0 (a null view included).
int32_t dictionary_date(Text date);
// `dates` ends at its first null pointer; a null `dates` is the empty list.
int fb_KVT_KodTyt_WypDok_ONE_XML(Text dictionary, Text column, stWarunekY* conditions, int count,
                                 const char16_t* const* dates);

}  // namespace olv
