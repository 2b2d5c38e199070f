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
/* 61013001 when the kinship code p1 is filled and fails the check of dictionary 10006. */
int XP0130_1(const char16_t* p1);
/* 61013101 when p1 is blank. */
int XP0131_1(const char16_t* p1);
/* 61013201 when p1 equals "1", the kinship code p2 is of a household member and p3 is blank. */
int XP0132_2(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 61013401 when p1 is "1", the kinship code p2 has a disability degree, the person born on p4
 * is 26 or older on p3 and p2's degree does not allow p5's first character. */
int XP0134_2(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5);
/* 61013403 when p1 is "1", the kinship code p2 has a disability degree, the person born on p4 is
 * under 26 on p3 and p5 is empty. */
int XP0134_3(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5);
/* 61013404 when p1 is "1", the kinship code p2 has no disability degree and p3 is empty. */
int XP0134_4(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 61013601 when p1 is filled and does not begin with 'A', 'B' or '0'. */
int XP0136_1(const char16_t* p1);
/* 61013701 when p1 begins with 'A' or 'B' and is shorter than 7 trimmed or its characters 6 and 7
 * are not 1 to 47. */
int XP0137_1(const char16_t* p1);
/* 61013801 when p1 begins with '0' and fails the check of dictionary 10010. */
int XP0138_1(const char16_t* p1);
/* 61013802 when p1 is filled and fails the check of dictionary 10049. */
int XP0138_2(const char16_t* p1);
/* 61014701 when the insurance title key of p1 and p2 is excluded for the period p3 (p1 filled). */
int XP0147_1(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 61014701 when the insurance title key of p7 and p8 is excluded for the earliest valid date of p1
 * to p6. */
int XP0147_3(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5, const char16_t* p6, const char16_t* p7, const char16_t* p8);
/* 61014701 when the insurance title key of p2 and p3 is excluded for the day before the date p1. */
int XP0147_5(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 60004101 unless p1 is two digits and p2 six digits. */
int XP0148_1(const char16_t* p1, const char16_t* p2);
/* 61014902 when p1 is blank. */
int XP0149_4(const char16_t* p1);
/* 61014910 when p1 is filled and p2 is blank or none of the groups (p15, p3-p5), (p16, p6-p8),
 * (p17, p9-p11), (p18, p12-p14) is complete. */
int XP0149_10(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
              const char16_t* p5, const char16_t* p6, const char16_t* p7, const char16_t* p8,
              const char16_t* p9, const char16_t* p10, const char16_t* p11, const char16_t* p12,
              const char16_t* p13, const char16_t* p14, const char16_t* p15, const char16_t* p16,
              const char16_t* p17, const char16_t* p18);
/* 61014911 when p1 and p2 are filled and none of the groups p3-p6, p7-p10, p11-p14, p15-p18 is
 * complete. */
int XP0149_11(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
              const char16_t* p5, const char16_t* p6, const char16_t* p7, const char16_t* p8,
              const char16_t* p9, const char16_t* p10, const char16_t* p11, const char16_t* p12,
              const char16_t* p13, const char16_t* p14, const char16_t* p15, const char16_t* p16,
              const char16_t* p17, const char16_t* p18);
/* 61014912 when p1 is filled and one of p2, p3, p4 is blank. */
int XP0149_12(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4);
/* 60008101 when p1 is filled and not two digits from 01 to 99. */
int XP0150_2(const char16_t* p1);
/* 61015605 unless p1, p2 and p3 are four, one and one digits. */
int XP0156_5(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 61015103 when the first two characters of p1 hold no white space and are not a month 1 to 12. */
int XP0157_1(const char16_t* p1);
/* 61015902 when p1 is filled and fails the check of dictionary 10005. */
int XP0159_2(const char16_t* p1);
/* 61016101 unless p1 is three characters, none of them a space. */
int XP0161_1(const char16_t* p1);
/* 61016201 when the three-character code p1 fails dictionary 10019 at the period p2 (else October
 * 2003). */
int XP0162_2(const char16_t* p1, const char16_t* p2);
/* 61016301 when p1 is not empty and fails dictionary 10009 at the date p2 (else 1 January 2005). */
int XP0163_2(const char16_t* p1, const char16_t* p2);
/* 61016401 when p1 is filled and fails dictionary 10008 at the date p2 (else 1 January 2005). */
int XP0164_2(const char16_t* p1, const char16_t* p2);
/* 61016501 when p1 is filled and fails dictionary 10012 at the date p2 (else 1 January 2005). */
int XP0165_2(const char16_t* p1, const char16_t* p2);
/* 61016703 when p1 is filled and fails dictionary 10004, at the date p2 when it is from 2005 on. */
int XP0167_1(const char16_t* p1, const char16_t* p2);
/* 61017501 when p1 is filled and fails dictionary 10013 at the date p2 (else 1 January 2005). */
int XP0175_1(const char16_t* p1, const char16_t* p2);
/* 61017601 when the citizenship p1 is "PL", "RP" or begins like a Polish form without being one of
 * the four full forms. */
int XP0176_1(const char16_t* p1);

/* ---- XP 0200-0385 ---- */
/* 61020002 when p1 is blank. */
int XP0200_2(const char16_t* p1);
/* 61021101 when the count p1 is blank, non-zero with p2 to p5 blank, or zero with one of them
 * positive. */
int XP0211_1(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5);
/* 61021501 when the numbers p1 and p2 are both positive. */
int XP0215_1(const char16_t* p1, const char16_t* p2);
/* 61021801 when the title code p1 is 0113, 0213 or 0513 and the valid date p2 is before 1 July
 * 2008. */
int XP0218_1(const char16_t* p1, const char16_t* p2);
/* 61021901 when the period p1 is up to December 2007, the date p2 from 1 July 2008 and p3 is filled
 * and not "0". */
int XP0219_1(const char16_t* p1, const char16_t* p2, const char16_t* p3);
/* 61022002 when the period p1 is from October 2006 and p2 is a non-zero number. */
int XP0220_2(const char16_t* p1, const char16_t* p2);
/* 61022001 when the period p1 is from January 2010 and one of p2 to p5 is a non-zero number. */
int XP0220_3(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5);
/* 61038201 when p1 is not a valid PESEL and the citizenship p2 is Polish or blank. */
int XP0382_1(const char16_t* p1, const char16_t* p2);
/* 61038401 unless p1 is three digits and p2 four digits. */
int XP0384_1(const char16_t* p1, const char16_t* p2);
/* 61038501 when the year p2 is from 2011 and a filled date of p1, p3 to p9 is of another year. */
int XP0385_1(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5, const char16_t* p6, const char16_t* p7, const char16_t* p8,
             const char16_t* p9);
/* 61038502 when p1 is "2010" and a filled date among p2 to p9 is not of 2009 or 2010. */
int XP0385_2(const char16_t* p1, const char16_t* p2, const char16_t* p3, const char16_t* p4,
             const char16_t* p5, const char16_t* p6, const char16_t* p7, const char16_t* p8,
             const char16_t* p9);

/* ---- GB ---- */

/* ---- WD ---- */

/* ---- GP, XU, ZF ---- */
}

#endif
