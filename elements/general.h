// Validators of the general element types: texts, names, numbers, flags, e-mail, telephone.
// olv::NAME is the internal twin of the export NAME.
#pragma once

#include "platform/text.h"

namespace olv {

int f_KVTElemT_LANCUCH_NAZWA(Text t);
int f_KVTElemT_LANCUCH_NAZWISKO(Text t);
int f_KVTElemT_LANCUCH_IMIE(Text t);
int f_KVTElemT_LANCUCH_OGOLNY(Text t);
int f_KVTElemT_LANCUCH_LICZBYZNAKI(Text t);
int f_KVTElemT_LANCUCH_LICZBYZNAKISEPARATORY(Text t);
int f_KVTElemT_LICZBA(Text t);
bool f_KVTElemT_TylkoCyfry(Text t);
int f_KVTElemT_LITERA(char16_t c);
int f_KVTElemT_LOGICZNE(Text t);
int f_KVTElemT_EMAIL(Text t);
int f_KVTElemT_NR_TELEFONU(Text t);
int f_KVTElemT_NAZWA_NUMER(Text t);
int f_KVTElemT_KRAJ(Text t);
int f_KVTElemT_KWOTA(Text t);
int f_KVTElemT_ULAMEK33(Text t);
// A '-' or '/' comes last, or directly before another '-' or '/' (a separator may come first).
bool misplaced_separator(Text t);
// 0 when the text is an N-character number: not empty, `length` units, a number text; else 1.
int f_KVTIsZnakAndLenght(Text t, int length);

}  // namespace olv
