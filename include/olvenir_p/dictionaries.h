/* Dictionary code checks, lookups, names and the fixed-answer entry points. Dictionaries are
 * numbered 10001 to 10056; a dictionary date is RRRRMMDD, RRRRMM or 0 for none. Every query of
 * the dictionary service may throw olvenir_p::ServiceError (include/olvenir_p/runtime.h). */
#ifndef OLVENIR_P_DICTIONARIES_H
#define OLVENIR_P_DICTIONARIES_H

#include "olvenir_p/types.h"

extern "C" {

/* ---- code checks, lookups and names ---- */

/* 0 when the code is all digits and has exactly `length` units (any length for 0), else -1. */
int sl_PoprawnyKod(OLVENIR_P_CHAR* code, int length);
/* 0 when the code is in the host's table of 10 groups (valid at `date` when it is above 0:
 * RRRRMMDD, or RRRRMM against the months of the validity), else -1. */
int sl_CzyPrawidlowyKodLiterowy(stGrupaKodow* groups, OLVENIR_P_CHAR* code, int date);
/* The dictionary's name, or null for a number without one. */
const OLVENIR_P_CHAR* sl_PobierzNazweSlownika(int number);
/* Always null: periods have no description. */
const OLVENIR_P_CHAR* sl_PobierzOpisOkresu(int number, OLVENIR_P_CHAR* code);
/* 0 when the code passes the dictionary's format test and the service accepts it at the date
 * text (DDMMRRRR, MMRRRR, or none when null or invalid), else -1. */
int fb_KVTKodSprawdzArkusze(int number, OLVENIR_P_CHAR* code, OLVENIR_P_CHAR* date);
/* fb_KVTKodSprawdzArkusze without a date; the third argument is ignored. */
int fb_KVTKodSprawdz(int number, OLVENIR_P_CHAR* code, int ignored);
/* fb_KVTKodSprawdzArkusze of dictionary 10003 with a, b and c joined (-1 beyond 6 units). */
int fb_KVTZasadyPodleganiaUb(OLVENIR_P_CHAR* a, OLVENIR_P_CHAR* b, OLVENIR_P_CHAR* c,
                             OLVENIR_P_CHAR* date);
/* The `column` value of the `dictionary` row whose `key_column` holds `key`, as a new string
 * that the caller releases with olvenir_SysFreeString; "-1" when the service is missing. */
OLVENIR_P_CHAR* sl_DajWartoscZeSlownika(OLVENIR_P_CHAR* dictionary, OLVENIR_P_CHAR* key_column,
                                        OLVENIR_P_CHAR* key, OLVENIR_P_CHAR* column);
/* 0 when the two-digit kinship code's row has, in the column of `kind` (1 household, 3
 * disability degree), a value beginning with "1" (kind 1) or with `ch` or empty (kind 3). */
int fb_KVTKodPokrewienstwa(OLVENIR_P_CHAR* code, int kind, int ch);
/* As fb_KVTKodPokrewienstwa, except that with kind 3 a filled value passes instead of an empty
 * one. */
int fb_KVTKodPokrewienstwaJest(OLVENIR_P_CHAR* code, int kind, int ch);
/* 0 when the four-digit insurance title `code` with the pension digit is listed as not on the
 * RSA form at one of the date texts that follow (ended by a null pointer), or when none
 * follows; -1 otherwise and for a code and digit that are not five digits. The first argument
 * is ignored. */
int fb_KVT_KodTyt_WypDok_RSA_ONE(const void* ignored, const OLVENIR_P_CHAR* code,
                                 const OLVENIR_P_CHAR* digit, ...);
/* Always 0. */
int sl_SprawdzSlownikNIPVUK(...);

/* ---- fixed answers ---- */

/* Always -1. */
int fb_KodWyrPlatnikaOsFizyczna(...);
int fb_KodWyrPlatnikaOsPrawna(...);
int fb_KodWyrPlatnikaTyp(...);
int fb_KVTTypSwiadczenia(...);
int fb_KVTZaleznosciKodSwKodTyt(...);
int fb_KVTZaleznosciKodSwKodTytIdent(...);
int fb_KVTZaleznosciKodSwLiczbaDniSkladkiTyp(...);
int fb_KVTZaleznosciKodSwOkresDoTyp(...);
int fb_KVTZaleznosciKodSwOkresOdTyp(...);
int fb_KVTZaleznosciKodSw_MSCTyp(...);
int fb_KVT_KodTyt_WypDok_RNA_ONE(...);
int fb_KVT_KodTyt_WypDok_ZZA_ONE(...);
int fb_KVT_Slw_Podl_ALL(...);
int fb_KVT_Slw_Podl_ONE(...);
int sl_SprawdzKodSwDRA(...);
int sl_SprawdzKodSwWST(...);
int sl_SprawdzPodstawySkladek(...);
/* Always false. */
bool fb_KVTKodySwiadMogaBycRazem(...);
/* Always 0. */
int TEST_EXPORTU_4(...);
int KVTSlownikGet(...);
int KVTSlownikKodDoWyboru(...);
int ZF0001_1(...);
int sl_PobierzSlownik(...);
int sl_SprawdzDatyObowiazywaniaKoduTytuluUbezpieczenia(...);
int sl_KVTSlownikGet(...);
/* Its first argument, unchanged. */
const _stOpisKodu* sl_PobierzOpisKodu(const _stOpisKodu* description, ...);
/* The static text "opis kodu ze słownika". */
const OLVENIR_P_CHAR* sl_KVTSlownikGetKodMsg(...);
/* The static empty text. */
const OLVENIR_P_CHAR* KVTSlownikGetKodMsg(...);
}

/* The service's code check of `code` in dictionary `number` at the dictionary date, without a
 * format test; true also when the service cannot be created. */
bool fb_KVTKodSprawdzArkusze(int number, const OLVENIR_P_CHAR* code, int date);
/* The `column` value of a `dictionary` row meeting all `count` conditions, as a new string that
 * the caller releases; "-1" when the service is missing. */
OLVENIR_P_CHAR* sl_DajWartoscZeSlownikaW(OLVENIR_P_CHAR* dictionary, stWarunekY* conditions,
                                         int32_t count, OLVENIR_P_CHAR* column);
/* 0 when a conditional lookup finds a value at one of the dates (a null-ended array; the date
 * goes into the second condition, today's when no text is a valid date), else -1. */
int fb_KVT_KodTyt_WypDok_ONE_XML(OLVENIR_P_CHAR* dictionary, OLVENIR_P_CHAR* column,
                                 stWarunekY* conditions, int count, const OLVENIR_P_CHAR** dates);
/* Always -1. */
int fb_KVT_KodTyt_WypDok_ONE(const OLVENIR_P_CHAR* code, const _stOpisKodu* description,
                             const OLVENIR_P_CHAR** dates);

#endif
