/* Date forms and validation, date arithmetic, amounts. */
#ifndef OLVENIR_P_DATES_H
#define OLVENIR_P_DATES_H

#include "olvenir_p/types.h"

/* ---- date forms and date validation ---- */
extern "C" {
/* 0 for a valid DDMMRRRR date (any year); -1 for a null text, else its first finding. */
int32_t sl_PoprawnaData_DDMMRRRR(const char16_t* text);
/* 0 for a valid MMRRRR month of the years 1850-2050; -1 for a null text, else its finding. */
int32_t sl_PoprawnaData_MMRRRR(const char16_t* text);
/* 0 for a valid DDMM day (29 February included); -1 for a null text, else its finding. */
int32_t sl_PoprawnaData_DDMM(const char16_t* text);
/* RRRRMMDD of a valid DDMMRRRR text, of today for an invalid one; -1 for a null text. */
int32_t sl_PrzeksztalcDate_DDMMRRRR(const char16_t* text);
/* RRRRMM of a valid MMRRRR text, of today for an invalid one; -1 for a null text. */
int32_t sl_PrzeksztalcDate_MMRRRR(const char16_t* text);
/* MMDD of a valid DDMM text, of today for an invalid one; -1 for a null text. */
int32_t sl_PrzeksztalcDate_DDMM(const char16_t* text);
/* RRRRMMDD of today; a non-null buffer (9 units) receives today as DDMMRRRR. */
int32_t sl_Now(char16_t* buffer);
/* Writes the current settlement month as MMRRRR into the buffer (7 units). */
void bw_DajBiezOkrRozl(char16_t* buffer);
/* The earliest valid DDMMRRRR text of the null-ended list, or the fallback when none is. */
const char16_t* sl_NajwczesniejszaData(const char16_t* fallback, ...);
/* The latest valid DDMMRRRR text of the null-ended list, or the fallback when none is. */
const char16_t* sl_NajpozniejszaData(const char16_t* fallback, ...);
}

/* 0 for a valid DDMMRRRR date of 1850-2050 or eight spaces, else its first finding. */
int f_KVTElemT_DATA_DDMMRRRR(const char16_t* text);
/* 0 for a valid MMRRRR month of 1850-2050 or six spaces, else its first finding. */
int f_KVTElemT_DATA_MMRRRR(const char16_t* text);
/* 0 for a valid DDMM day or four spaces, else its first finding. */
int f_KVTElemT_DATA_DDMM(char16_t* text);
/* 0 for a valid DDMMRRRRNN date with ordinal 01-99 or ten spaces, else its first finding. */
int f_KVTElemT_DATA_DDMMRRRRNN(char16_t* text);
/* 0 for a report identifier NNMMRRRR with ordinal 1-99 and a valid month, else its finding. */
int f_KVTElemT_NNMMRRRR_RAP(char16_t* text);
/* 0 when the text reads as a year of 1850-2050, else 1. */
int f_KVTZakresRoku(const char16_t* year);
/* value(1-2) + value(3-4)*100 + value(5-8)*10000 of an 8-unit text, unvalidated; else -1. */
int32_t DataStr2Long(const char16_t* text);
/* RRRRMMDD read from an 8-unit text, unvalidated; 0 for a null text or another length. */
int32_t atod(const char16_t* text);
/* MMDD read from a 4-unit text, unvalidated; 0 for a null text or another length. */
int32_t DDMMtol(const char16_t* text);
/* RRRRMMDD of today. */
int32_t f_KVTGetCurrentTimeLong(void);
/* Writes today as day, month and four-digit year without leading zeros (9 units). */
void f_KVTGetCurrentTimeStr(char16_t* buffer);

/* ---- date arithmetic ---- */

/* ---- amounts and numeric text ---- */

#endif
