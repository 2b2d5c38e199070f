/* The cross-field rules: each takes the field texts its rule relates, in a fixed order, and
 * answers 0 or the rule's finding code. A null text counts as blank where a rule only trims or
 * compares it. */
#ifndef OLVENIR_P_RULES_H
#define OLVENIR_P_RULES_H

#include "olvenir_p/types.h"

extern "C" {

/* ---- XP 0002-0051 ---- */

/* ---- XP 0061-0098 ---- */

/* ---- XB ---- */

/* ---- XP 0130-0176 ---- */

/* ---- XP 0200-0385 ---- */

/* ---- GB ---- */
/* 64000101 when the full dates p1 and p2 are given and p1 is after p2. */
int GB0001_1(const char16_t* p1, const char16_t* p2);
/* 64000501 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0005_1(const char16_t* p1, const char16_t* p2);
/* 64000601 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_1(const char16_t* p1, const char16_t* p2);
/* 64000602 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_2(const char16_t* p1, const char16_t* p2);
/* 64000603 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_3(const char16_t* p1, const char16_t* p2);
/* 64000604 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_5(const char16_t* p1, const char16_t* p2);
/* 64000701 when the full dates p1 and p2 are given and p1 is after p2. */
int GB0007_1(const char16_t* p1, const char16_t* p2);
/* 64000901 when the full dates p1 and p2 differ, except p1 01011999 with p2 31121998. */
int GB0009_1(const char16_t* p1, const char16_t* p2);
/* 64001501 when p1 and p2 are filled element dates and p1 is on or after p2. */
int GB0015_1(const char16_t* p1, const char16_t* p2);
/* 64002101 when the filled date p1 falls in a month after the period p2. */
int GB0021_2(const char16_t* p1, const char16_t* p2);
/* 64002201 when p1 and p2 are valid dates and p1 is after p2. */
int GB0022_2(const char16_t* p1, const char16_t* p2);
/* 64002203 when p1 and p2 are filled and the day count from p1 to p2 is below 1 (p1 after p2). */
int GB0022_3(const char16_t* p1, const char16_t* p2);
/* 64002301 when the sex p1 is not "M" for an odd, "K" for an even tenth digit of the PESEL p2. */
int GB0023_1(const char16_t* p1, const char16_t* p2);
/* 64002801 when p1 is filled and not a number text. */
int GB0028_1(const char16_t* p1);
/* 64002901 when p1 and p2 are filled and the number p1 is less than the number p2. */
int GB0029_1(const char16_t* p1, const char16_t* p2);
/* 64003001 when the year of the element date p2 is before the four-character year p1. */
int GB0030_1(const char16_t* p1, const char16_t* p2);
/* 64003002 when the element date p2 is before 1 December of the four-character year p1. */
int GB0030_2(const char16_t* p1, const char16_t* p2);
/* 64003301 when the full dates p1 and p2 are given and p1 is on or before p2. */
int GB0033_1(const char16_t* p1, const char16_t* p2);
/* 64003501 when the full dates p1 and p2 are given and p1 is on or before p2. */
int GB0035_1(const char16_t* p1, const char16_t* p2);
/* 64004101 when p1 is filled and not two digits from 01 to 39. */
int GB0041_1(const char16_t* p1);
/* 64004201 when p1 is filled and not a four-digit year from 2003 on. */
int GB0042_1(const char16_t* p1);
/* 60004301 when p1 is null, empty or holds a space anywhere. */
int GB0044_2(const char16_t* p1);
/* 64004401 when p1 is blank. */
int GB0044_3(const char16_t* p1);
/* 64004901 when the period p1 is from 2008 on and p2 is filled and not "0". */
int GB0049_1(const char16_t* p1, const char16_t* p2);
/* 64005001 when p1 is filled and not a three-character number from 1 to 999. */
int GB0050_1(const char16_t* p1);
/* 64005101 when p1 is filled and not a four-digit year from 2010 on. */
int GB0051_1(const char16_t* p1);
/* 64005201 when the period p1 is at most 122009 and one of p2, p3, p4 is filled and not zero. */
int GB0052_1(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4);
/* 64005301 when p1 begins with "PL". */
int GB0053_1(const char16_t* p1);

/* ---- WD ---- */
/* 0 for a blank p1, else the period's first fault: 60006201 form, 60005701 month, 60006301 year. */
int WD0003_1(const char16_t* p1);
/* 60005301 when the filled p1 is not an e-mail address of one '@', ASCII letters, digits, . _ -. */
int WD0004_1(const char16_t* p1);
/* 60006101 when p1 is filled and not a number text. */
int WD0005_1(const char16_t* p1);
/* 60006401 when the filled p1 holds anything but letters, apostrophes, spaces and '-'. */
int WD0006_1(const char16_t* p1);
/* The dictionary service's judgement of p1; -1 when the service cannot be created. */
int WD0007_1(const char16_t* p1);
/* 60007501 when p1 begins or ends with '/' or holds other than letters, digits, / , - and space. */
int WD0007_2(const char16_t* p1);
/* 60007701 when p1 holds other than letters, digits, - and /, or ends in or doubles a - or /. */
int WD0008_1(const char16_t* p1);
/* 60007702 when p1's part after its first '-' is empty, starts with '-', is all 0s or letters. */
int WD0008_2(const char16_t* p1);
/* 60006501 when the filled p1 holds anything but letters, digits and the name signs. */
int WD0009_1(const char16_t* p1);
/* 60006501 when the filled p1 holds other than letters, digits, the name signs and apostrophes. */
int WD0009_2(const char16_t* p1);
/* 60006601 when the filled p1 holds anything but letters, spaces, '-' and apostrophes. */
int WD0010_1(const char16_t* p1);
/* 60006503 when the filled p1 holds anything but letters, '-', '.', '(', ')' and spaces. */
int WD0011_1(const char16_t* p1);
/* 60005901 when p1's first trimmed-length characters are not a number framed by spaces. */
int WD0012_1(const char16_t* p1);
/* 60005902 when the filled p1 is not exactly five digits. */
int WD0012_2(const char16_t* p1);
/* 60006001 when the filled p1 is not "X", "1" or "0". */
int WD0013_1(const char16_t* p1);
/* 60005101 when the filled p1 is not a NIP with a correct check digit. */
int WD0014_1(const char16_t* p1);
/* 60005401 when the filled p1 is not a PESEL with a valid birth date, serial and check digit. */
int WD0015_1(const char16_t* p1);
/* 60005201 when the filled p1 is not a 9- or 14-digit REGON with correct check digits. */
int WD0016_1(const char16_t* p1);
/* 60007602 when p1 is neither spaces alone nor an account in the NRB or IBAN form; p2 unread. */
int WD0017_1(const char16_t* p1, const char16_t* p2);
/* WD0017_1 of p1 and p3 when p2 is exactly "1", else 0. */
int WD0017_2(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 60007901 when the filled p1 is not a telephone number of digits, - + ( ) and spaces. */
int WD0018_1(const char16_t* p1);
/* 60003901 when the filled p1 holds anything but digits and spaces. */
int WD0020_1(const char16_t* p1);
/* 60006201 when p1 is not null and not a number text. */
int WD0023_1(const char16_t* p1);

/* ---- GP, XU, ZF ---- */
/* 62000202 when p1 and p2 are filled element dates and p1 is after p2. */
int GP0002_2(const char16_t* p1, const char16_t* p2);
/* 62000301 when p1 is a valid date after today. */
int GP0003_1(const char16_t* p1);
/* 62000401 when p1 holds 26 digits that fail the NRB check digits. */
int GP0004_1(const char16_t* p1);
/* 62000501 when p1 fails the NRB form test. */
int GP0005_1(const char16_t* p1);
/* 62000901 when the element date p1 is not the birth date in the PESEL p2 of 6 or more units. */
int GP0009_1(const char16_t* p1, const char16_t* p2);
/* 62001302 when the full dates p1 and p2 are given and p1 is not before p2. */
int GP0013_2(const char16_t* p1, const char16_t* p2);
/* 60004301 when p1 is blank. */
int GP0014_1(const char16_t* p1);
/* 62001502 when p1 is not null, empty, "S" or "M" (exactly) and p2 is blank. */
int GP0015_1(const char16_t* p1, const char16_t* p2);
/* 60004301 when the trimmed length of p1 is not 8. */
int GP0039_1(const char16_t* p1);
/* The same function as GP0039_1. */
int GP0039_2(const char16_t* p1);
/* 62004002 when the filled element date p1 is before 1 January 1999. */
int GP0040_2(const char16_t* p1);
/* 62004003 when the filled element date p1 is before 31 December 1998. */
int GP0040_3(const char16_t* p1);
/* 62004005 when the element date p1 is after 31 December 2008. */
int GP0040_4(const char16_t* p1);
/* 62004006 when p1 is filled and its date's year (today's when invalid) is before 2009. */
int GP0040_5(const char16_t* p1);
/* 69000501 when p1 and p2 are filled and equal and p3 is "D", "S" or "X". */
int XU0005(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 69000601 when p1 and p2 are filled and equal and p3 is "P". */
int XU0006(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 66000102 when the amount p1 is above 0 and the amount p2 reads as exactly 0. */
int ZF0001_2(const char16_t* p1, const char16_t* p2);

}

#endif
