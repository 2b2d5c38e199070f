// Dictionary code checks and lookups over the dictionary service, and the host's code table.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include <cstdint>

#include "olvenir_p/types.h"
#include "platform/text.h"

namespace olv {

int sl_PoprawnyKod(Text code, int length);
int sl_CzyPrawidlowyKodLiterowy(const stGrupaKodow* groups, Text code, int date);
const char16_t* sl_PobierzNazweSlownika(int number);
// The date text may be a null view (no date).
int fb_KVTKodSprawdzArkusze(int number, Text code, Text date);
// The code check with a dictionary date (RRRRMMDD, RRRRMM or 0).
bool fb_KVTKodSprawdzArkusze(int number, Text code, int32_t dictionary_date);
int fb_KVTKodSprawdz(int number, Text code, int ignored);
int fb_KVTZasadyPodleganiaUb(Text a, Text b, Text c, Text date);
int fb_KVTKodPokrewienstwa(Text code, int kind, int ch);
int fb_KVTKodPokrewienstwaJest(Text code, int kind, int ch);

}  // namespace olv
