/* Date forms and validation, date arithmetic, amounts. */
#ifndef OLVENIR_P_DATES_H
#define OLVENIR_P_DATES_H

#include "olvenir_p/types.h"

/* ---- date forms and date validation ---- */

extern "C" {
/* 0 for a valid DDMMRRRR date (any year); -1 for null; else 60006201, 60005701 or 60005801. */
int32_t sl_PoprawnaData_DDMMRRRR(const char16_t* text);
/* 0 for a valid MMRRRR month of 1850-2050; -1 for null; else 60006201, 60005701 or 60006301. */
int32_t sl_PoprawnaData_MMRRRR(const char16_t* text);
/* 0 for a valid DDMM day (February of 29 days); else 60006201, 60005701 or 60005801. */
int32_t sl_PoprawnaData_DDMM(const char16_t* text);
/* RRRRMMDD of a valid DDMMRRRR text, else of today; -1 for null. */
int32_t sl_PrzeksztalcDate_DDMMRRRR(const char16_t* text);
/* RRRRMM of a valid MMRRRR text, else of today; -1 for null. */
int32_t sl_PrzeksztalcDate_MMRRRR(const char16_t* text);
/* MMDD of a valid DDMM text, else of today; -1 for null. */
int32_t sl_PrzeksztalcDate_DDMM(const char16_t* text);
/* RRRRMMDD of today; a non-null buffer (9 units) receives today as DDMMRRRR. */
int32_t sl_Now(char16_t* buffer);
/* Writes the current settlement month as MMRRRR into a buffer of 7 units. */
void bw_DajBiezOkrRozl(char16_t* buffer);
/* The earliest valid DDMMRRRR text of the list ended by a null pointer, else the fallback. */
const char16_t* sl_NajwczesniejszaData(const char16_t* fallback, ...);
/* The latest valid DDMMRRRR text of the list ended by a null pointer, else the fallback. */
const char16_t* sl_NajpozniejszaData(const char16_t* fallback, ...);
}

/* 0 for a valid DDMMRRRR date of 1850-2050 or eight spaces; else 60006201, 60005701 or
 * 60005801. */
int f_KVTElemT_DATA_DDMMRRRR(const char16_t* text);
/* 0 for a valid MMRRRR month of 1850-2050 or six spaces; else 60006201, 60005701 or 60006301. */
int f_KVTElemT_DATA_MMRRRR(const char16_t* text);
/* 0 for a valid DDMM day or four spaces; else 60006201, 60005701 or 60005801. */
int f_KVTElemT_DATA_DDMM(char16_t* text);
/* 0 for a valid DDMMRRRRNN date with ordinal 01-99 or ten spaces; else 60008101, 60005701 or
 * 60005801. */
int f_KVTElemT_DATA_DDMMRRRRNN(char16_t* text);
/* 0 for a report identifier NNMMRRRR (ordinal 01-99, valid month); else 60007401 or the
 * month's finding. */
int f_KVTElemT_NNMMRRRR_RAP(char16_t* text);
/* 0 for a year text of 1850 to 2050, else 1. */
int f_KVTZakresRoku(const char16_t* year);
/* value(1-2) + value(3-4)*100 + value(5-8)*10000 of an 8-unit text; -1 for null or another
 * length. */
int32_t DataStr2Long(const char16_t* text);
/* RRRRMMDD read from an 8-unit DDMMRRRR text without validation; 0 for null or another length. */
int32_t atod(const char16_t* text);
/* MMDD read from a 4-unit DDMM text without validation; 0 for null or another length. */
int32_t DDMMtol(const char16_t* text);
/* RRRRMMDD of today. */
int32_t f_KVTGetCurrentTimeLong();
/* Writes today as day, month and year without leading zeros into a buffer of 9 units. */
void f_KVTGetCurrentTimeStr(char16_t* buffer);

/* ---- date arithmetic ---- */

/* ---- amounts and numeric text ---- */

#endif
