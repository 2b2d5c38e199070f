// Validators of the identity numbers: PESEL, REGON, NIP, NUSP, identity cards, passports.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include "platform/char_class.h"
#include "platform/text.h"

namespace olv {

int f_KVTElemT_PESEL(Text t);
int f_KVTElemT_REGON(Text t);
int f_KVTElemT_NIP(Text t);
int f_KVTElemT_NUSP(Text t);
int f_KVTElemT_DOWOD_NOWY(Text t);
int f_KVTElemT_DOWOD_STARY(Text t);
int f_KVTElemT_DOWOD_NOWY_I_STARY(Text t);
int f_KVTElemT_PASZPORT(Text t);
int f_KVTTypAndIdentyfikator(Text type, Text identifier);

}  // namespace olv
