/* The cross-field rules: each takes the field texts its rule relates, in a fixed order, and
 * answers 0 or the rule's finding code. A null text counts as blank where a rule only trims or
 * compares it. */
#ifndef OLVENIR_P_RULES_H
#define OLVENIR_P_RULES_H

#include "olvenir_p/types.h"

extern "C" {

/* ---- XP 0002-0051 ---- */
/* 61000201 unless the trimmed p1 has exactly 8 characters. */
int XP0002_1(const OLVENIR_P_CHAR* p1);
/* 61000301 unless the person is identified by a filled 11-character number, a filled 10-character
 * number or a valid document type with its number, with p2 and p3 filled. */
int XP0003_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6);
/* 61000303 unless p1 is an 11-character number, p4 a 10-character number, or p5 a valid document
 * type with p6 filled, with p2 and p3 filled. */
int XP0003_3(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6);
/* 61000304 unless p2 is a filled 11-character number, or p1 is "2" and p7 a filled 10-character
 * number (both with p3 and p4 filled), or p3 to p6 are all filled. */
int XP0003_4(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7);
/* 61000301 when a field is blank, when the type p3 is "N", or when p3 is "P" and the identifier p4
 * without its spaces does not have 11 characters. */
int XP0003_5(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 61000301 unless p1 is a filled 11-character number with p2 and p3 filled, or p2 to p5 are all
 * filled. */
int XP0003_6(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5);
/* 61050001 when p2 reads 1 or more and p1 is a valid month from April 2003 on. */
int XP0005_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61000901 when p1 to p7 are not all blank and p8 to p13 give no complete identification. */
int XP0009_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
             const OLVENIR_P_CHAR* p13);
/* 61001202 when p1 or p2 is blank. */
int XP0012_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61001701 when the identifier p2 is not valid for its type p1 ("R": a REGON). */
int XP0017_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61001901 when p1 and p2 are both filled. */
int XP0019_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61002001 when p1 to p4 are neither all blank nor all filled. */
int XP0020_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 61002101 when p1 to p4 are neither all blank nor all filled. */
int XP0021_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* The dictionary service's rule check of p1 and p2; -1 when the service cannot be created. */
int XP0022_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61002401 when exactly one of p1, p2 is blank. */
int XP0024_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61002501 when exactly one of p1, p2 is empty (untrimmed). */
int XP0025_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61002601 when p1 and p2 are not both blank and exactly one of them is empty. */
int XP0026_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61002701 when p1 is one of the codes 1010, 1011, 1020, 3000, 5000. */
int XP0027_1(const OLVENIR_P_CHAR* p1);
/* 61002901 when p1 or p2 is filled and p3 is blank. */
int XP0029_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61003201 when all four fields are filled, p3 reads 0 and p4 reads as a number other than 0. */
int XP0032_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 61004601 when p1 is "212", p3 reads 1 or more and p2 divided by p3 exceeds 5000. */
int XP0046_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61004901 when p1 is blank, p13 filled, one of p2 to p11 above 0 and p12 reads 0. */
int XP0049_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
             const OLVENIR_P_CHAR* p13);
/* 61005001 when p3 is filled, one of p1, p2, p4, p5, p6 reads 1 or more and p7 reads 0. */
int XP0050_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7);
/* 61005002 when p2 is filled, one of p1, p3, p4, p5, p6 reads 1 or more and p7 reads 0. */
int XP0050_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7);
/* 61005101 when the code p2 begins with "4" and p1 is a valid month before October 2003. */
int XP0051_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61005102 when the code p7 is filled, begins with "4" and the earliest valid date of p1 to p6 is
 * before 1 October 2003. */
int XP0051_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7);
/* 61005102 when the code p2 begins with "4" and p1 is a valid date before 1 October 2003. */
int XP0051_4(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);

/* ---- XP 0061-0098 ---- */
/* 61006101 when p1 is filled and p2 blank. */
int XP0061_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61007201 when p1 or p3 is filled and p2 blank. */
int XP0072_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61007302 when exactly one of p1, p2 is blank. */
int XP0073_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61007601 when p1 or p2 is blank. */
int XP0076_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61008801 when p1 or p2 is blank. */
int XP0088_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61009201 when p1 and p2 are both blank. */
int XP0092_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61009307 unless p1 to p3 are filled, when p1 or p4 is blank. */
int XP0093_7(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 61009308 unless p1 to p8 are blank or p1 to p3 filled, when p2 or p8 is blank. */
int XP0093_8(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8);
/* 61009309 unless p1 to p4 are filled, when p1, p2 or p5 is blank. */
int XP0093_9(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5);
/* 61009308 unless p1 to p8 are blank or p1 to p3 filled, when p2 or p8 is blank. */
int XP0093_10(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
              const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8);
/* 61009312 unless all are blank or p1 or p8 is filled with p2 and one of p4, p6. */
int XP0093_12(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
              const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9);
/* 61009314 unless all are blank or p1 or p9 is filled with p2 and one of p4, p7. */
int XP0093_14(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
              const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9);
/* 61009315 unless p1 to p4 are blank or p1 to p3 filled, when p1 or p4 is blank. */
int XP0093_15(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4);
/* 61009313 unless all ten are blank or p1 or p9 is filled with p2 and one of p4, p7. */
int XP0093_16(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
              const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
              const OLVENIR_P_CHAR* p10);
/* 61009401 when p1 and p2 are both filled. */
int XP0094_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61009502 when p1 is blank and p2 or p3 is blank. */
int XP0095_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61009503 when p1 is blank. */
int XP0095_3(const OLVENIR_P_CHAR* p1);
/* 61009504 when p1 is blank. */
int XP0095_4(const OLVENIR_P_CHAR* p1);
/* 61009601 when p1 begins with "F" and p2 to p9 give fewer than two identifications. */
int XP0096_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9);
/* 61009701 when p1 begins with "P" and two of the identifiers p2, p3 and the field p4 are not
 * present. */
int XP0097_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 61009801 when two of the identifiers p1, p2 and the field p3 are not present. */
int XP0098_4(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61009801 when p1 to p8 give fewer than two identifications. */
int XP0098_7(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8);

/* ---- XB ---- */
/* 63000101 when p1 is "0110" or "0111" and p2 or p3 is blank. */
int XB0001_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 63000201 when p2 begins with "P" and p1 is empty (untrimmed); 0 for a null text. */
int XB0002_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 63000401 when p1 is filled and p2 is blank or p3 and p4 are both blank. */
int XB0004_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 63000501 when p1 is filled, p3 or p4 filled and p2 blank. */
int XB0005_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 63002301 when p1 is "2" and the trimmed p2 has more than 9 characters. */
int XB0023_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 63006001 when the second version p7 to p12, p14 repeats the first p1 to p6, p13. */
int XB0060_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
             const OLVENIR_P_CHAR* p13, const OLVENIR_P_CHAR* p14);
/* 63006002 when the second version p6 to p10 repeats the first p1 to p5. */
int XB0060_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10);
/* 63006101 when the second version p10 to p18 repeats the first p1 to p9. */
int XB0061_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
             const OLVENIR_P_CHAR* p13, const OLVENIR_P_CHAR* p14, const OLVENIR_P_CHAR* p15,
             const OLVENIR_P_CHAR* p16, const OLVENIR_P_CHAR* p17, const OLVENIR_P_CHAR* p18);
/* 63006201 when the second versions change nothing and drop p1, p3, p9, p11 or p13. */
int XB0062_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
             const OLVENIR_P_CHAR* p13, const OLVENIR_P_CHAR* p14);
/* 63006301 when the second versions change nothing and drop p1, p3, p5, p7, p13, p15 or p17. */
int XB0063_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
             const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
             const OLVENIR_P_CHAR* p13, const OLVENIR_P_CHAR* p14, const OLVENIR_P_CHAR* p15,
             const OLVENIR_P_CHAR* p16, const OLVENIR_P_CHAR* p17, const OLVENIR_P_CHAR* p18);
/* 63008101 when one of the pairs (p1, p2), (p3, p4), (p5, p6) holds two equal present values. */
int XB0081_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6);
/* 63008202 when p3 is filled exactly when p1 and p2 are both blank. */
int XB0082_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 63008301 unless p3 reads 1 or more exactly when p1 or p2 does; 0 for a null p1 or p2. */
int XB0083_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 63008401 when p1 is "0430" or "0431" and a filled p2 reads outside 40 to 49. */
int XB0084_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 63008501 when p1 is "0430" and a filled p2 reads outside 40 to 49. */
int XB0085_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);

/* ---- XP 0130-0176 ---- */
/* 61013001 when the kinship code p1 is filled and fails the check of dictionary 10006. */
int XP0130_1(const OLVENIR_P_CHAR* p1);
/* 61013101 when p1 is blank. */
int XP0131_1(const OLVENIR_P_CHAR* p1);
/* 61013201 when p1 equals "1", the kinship code p2 is of a household member and p3 is blank. */
int XP0132_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61013401 when p1 is "1", the kinship code p2 has a disability degree, the person born on p4
 * is 26 or older on p3 and p2's degree does not allow p5's first character. */
int XP0134_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5);
/* 61013403 when p1 is "1", the kinship code p2 has a disability degree, the person born on p4 is
 * under 26 on p3 and p5 is empty. */
int XP0134_3(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5);
/* 61013404 when p1 is "1", the kinship code p2 has no disability degree and p3 is empty. */
int XP0134_4(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61013601 when p1 is filled and does not begin with 'A', 'B' or '0'. */
int XP0136_1(const OLVENIR_P_CHAR* p1);
/* 61013701 when p1 begins with 'A' or 'B' and is shorter than 7 trimmed or its characters 6 and 7
 * are not 1 to 47. */
int XP0137_1(const OLVENIR_P_CHAR* p1);
/* 61013801 when p1 begins with '0' and fails the check of dictionary 10010. */
int XP0138_1(const OLVENIR_P_CHAR* p1);
/* 61013802 when p1 is filled and fails the check of dictionary 10049. */
int XP0138_2(const OLVENIR_P_CHAR* p1);
/* 61014701 when the insurance title key of p1 and p2 is excluded for the period p3 (p1 filled). */
int XP0147_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61014701 when the insurance title key of p7 and p8 is excluded for the earliest valid date of p1
 * to p6. */
int XP0147_3(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8);
/* 61014701 when the insurance title key of p2 and p3 is excluded for the day before the date p1. */
int XP0147_5(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 60004101 unless p1 is two digits and p2 six digits. */
int XP0148_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61014902 when p1 is blank. */
int XP0149_4(const OLVENIR_P_CHAR* p1);
/* 61014910 when p1 is filled and p2 is blank or none of the groups (p15, p3-p5), (p16, p6-p8),
 * (p17, p9-p11), (p18, p12-p14) is complete. */
int XP0149_10(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
              const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
              const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
              const OLVENIR_P_CHAR* p13, const OLVENIR_P_CHAR* p14, const OLVENIR_P_CHAR* p15,
              const OLVENIR_P_CHAR* p16, const OLVENIR_P_CHAR* p17, const OLVENIR_P_CHAR* p18);
/* 61014911 when p1 and p2 are filled and none of the groups p3-p6, p7-p10, p11-p14, p15-p18 is
 * complete. */
int XP0149_11(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
              const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9,
              const OLVENIR_P_CHAR* p10, const OLVENIR_P_CHAR* p11, const OLVENIR_P_CHAR* p12,
              const OLVENIR_P_CHAR* p13, const OLVENIR_P_CHAR* p14, const OLVENIR_P_CHAR* p15,
              const OLVENIR_P_CHAR* p16, const OLVENIR_P_CHAR* p17, const OLVENIR_P_CHAR* p18);
/* 61014912 when p1 is filled and one of p2, p3, p4 is blank. */
int XP0149_12(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
              const OLVENIR_P_CHAR* p4);
/* 60008101 when p1 is filled and not two digits from 01 to 99. */
int XP0150_2(const OLVENIR_P_CHAR* p1);
/* 61015605 unless p1, p2 and p3 are four, one and one digits. */
int XP0156_5(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61015103 when the first two characters of p1 hold no white space and are not a month 1 to 12. */
int XP0157_1(const OLVENIR_P_CHAR* p1);
/* 61015902 when p1 is filled and fails the check of dictionary 10005. */
int XP0159_2(const OLVENIR_P_CHAR* p1);
/* 61016101 unless p1 is three characters, none of them a space. */
int XP0161_1(const OLVENIR_P_CHAR* p1);
/* 61016201 when the three-character code p1 fails dictionary 10019 at the period p2 (else October
 * 2003). */
int XP0162_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61016301 when p1 is not empty and fails dictionary 10009 at the date p2 (else 1 January 2005). */
int XP0163_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61016401 when p1 is filled and fails dictionary 10008 at the date p2 (else 1 January 2005). */
int XP0164_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61016501 when p1 is filled and fails dictionary 10012 at the date p2 (else 1 January 2005). */
int XP0165_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61016703 when p1 is filled and fails dictionary 10004, at the date p2 when it is from 2005 on. */
int XP0167_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61017501 when p1 is filled and fails dictionary 10013 at the date p2 (else 1 January 2005). */
int XP0175_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61017601 when the citizenship p1 is "PL", "RP" or begins like a Polish form without being one of
 * the four full forms. */
int XP0176_1(const OLVENIR_P_CHAR* p1);

/* ---- XP 0200-0385 ---- */
/* 61020002 when p1 is blank. */
int XP0200_2(const OLVENIR_P_CHAR* p1);
/* 61021101 when the count p1 is blank, non-zero with p2 to p5 blank, or zero with one of them
 * positive. */
int XP0211_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5);
/* 61021501 when the numbers p1 and p2 are both positive. */
int XP0215_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61021801 when the title code p1 is 0113, 0213 or 0513 and the valid date p2 is before 1 July
 * 2008. */
int XP0218_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61021901 when the period p1 is up to December 2007, the date p2 from 1 July 2008 and p3 is filled
 * and not "0". */
int XP0219_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 61022002 when the period p1 is from October 2006 and p2 is a non-zero number. */
int XP0220_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61022001 when the period p1 is from January 2010 and one of p2 to p5 is a non-zero number. */
int XP0220_3(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5);
/* 61038201 when p1 is not a valid PESEL and the citizenship p2 is Polish or blank. */
int XP0382_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61038401 unless p1 is three digits and p2 four digits. */
int XP0384_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 61038501 when the year p2 is from 2011 and a filled date of p1, p3 to p9 is of another year. */
int XP0385_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9);
/* 61038502 when p1 is "2010" and a filled date among p2 to p9 is not of 2009 or 2010. */
int XP0385_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4, const OLVENIR_P_CHAR* p5, const OLVENIR_P_CHAR* p6,
             const OLVENIR_P_CHAR* p7, const OLVENIR_P_CHAR* p8, const OLVENIR_P_CHAR* p9);

/* ---- GB ---- */
/* 64000101 when the full dates p1 and p2 are given and p1 is after p2. */
int GB0001_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000501 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0005_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000601 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000602 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000603 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_3(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000604 when the full dates p1 and p2 are given and p1 is on or after p2. */
int GB0006_5(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000701 when the full dates p1 and p2 are given and p1 is after p2. */
int GB0007_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64000901 when the full dates p1 and p2 differ, except p1 01011999 with p2 31121998. */
int GB0009_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64001501 when p1 and p2 are filled element dates and p1 is on or after p2. */
int GB0015_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64002101 when the filled date p1 falls in a month after the period p2. */
int GB0021_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64002201 when p1 and p2 are valid dates and p1 is after p2. */
int GB0022_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64002203 when p1 and p2 are filled and the day count from p1 to p2 is below 1 (p1 after p2). */
int GB0022_3(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64002301 when the sex p1 is not "M" for an odd, "K" for an even tenth digit of the PESEL p2. */
int GB0023_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64002801 when p1 is filled and not a number text. */
int GB0028_1(const OLVENIR_P_CHAR* p1);
/* 64002901 when p1 and p2 are filled and the number p1 is less than the number p2. */
int GB0029_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64003001 when the year of the element date p2 is before the four-character year p1. */
int GB0030_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64003002 when the element date p2 is before 1 December of the four-character year p1. */
int GB0030_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64003301 when the full dates p1 and p2 are given and p1 is on or before p2. */
int GB0033_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64003501 when the full dates p1 and p2 are given and p1 is on or before p2. */
int GB0035_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64004101 when p1 is filled and not two digits from 01 to 39. */
int GB0041_1(const OLVENIR_P_CHAR* p1);
/* 64004201 when p1 is filled and not a four-digit year from 2003 on. */
int GB0042_1(const OLVENIR_P_CHAR* p1);
/* 60004301 when p1 is null, empty or holds a space anywhere. */
int GB0044_2(const OLVENIR_P_CHAR* p1);
/* 64004401 when p1 is blank. */
int GB0044_3(const OLVENIR_P_CHAR* p1);
/* 64004901 when the period p1 is from 2008 on and p2 is filled and not "0". */
int GB0049_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 64005001 when p1 is filled and not a three-character number from 1 to 999. */
int GB0050_1(const OLVENIR_P_CHAR* p1);
/* 64005101 when p1 is filled and not a four-digit year from 2010 on. */
int GB0051_1(const OLVENIR_P_CHAR* p1);
/* 64005201 when the period p1 is at most 122009 and one of p2, p3, p4 is filled and not zero. */
int GB0052_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3,
             const OLVENIR_P_CHAR* p4);
/* 64005301 when p1 begins with "PL". */
int GB0053_1(const OLVENIR_P_CHAR* p1);

/* ---- WD ---- */
/* 0 for a blank p1, else the period's first fault: 60006201 form, 60005701 month, 60006301 year. */
int WD0003_1(const OLVENIR_P_CHAR* p1);
/* 60005301 when the filled p1 is not an e-mail address of one '@', ASCII letters, digits, . _ -. */
int WD0004_1(const OLVENIR_P_CHAR* p1);
/* 60006101 when p1 is filled and not a number text. */
int WD0005_1(const OLVENIR_P_CHAR* p1);
/* 60006401 when the filled p1 holds anything but letters, apostrophes, spaces and '-'. */
int WD0006_1(const OLVENIR_P_CHAR* p1);
/* The dictionary service's judgement of p1; -1 when the service cannot be created. */
int WD0007_1(const OLVENIR_P_CHAR* p1);
/* 60007501 when p1 begins or ends with '/' or holds other than letters, digits, / , - and space. */
int WD0007_2(const OLVENIR_P_CHAR* p1);
/* 60007701 when p1 holds other than letters, digits, - and /, or ends in or doubles a - or /. */
int WD0008_1(const OLVENIR_P_CHAR* p1);
/* 60007702 when p1's part after its first '-' is empty, starts with '-', is all 0s or letters. */
int WD0008_2(const OLVENIR_P_CHAR* p1);
/* 60006501 when the filled p1 holds anything but letters, digits and the name signs. */
int WD0009_1(const OLVENIR_P_CHAR* p1);
/* 60006501 when the filled p1 holds other than letters, digits, the name signs and apostrophes. */
int WD0009_2(const OLVENIR_P_CHAR* p1);
/* 60006601 when the filled p1 holds anything but letters, spaces, '-' and apostrophes. */
int WD0010_1(const OLVENIR_P_CHAR* p1);
/* 60006503 when the filled p1 holds anything but letters, '-', '.', '(', ')' and spaces. */
int WD0011_1(const OLVENIR_P_CHAR* p1);
/* 60005901 when p1's first trimmed-length characters are not a number framed by spaces. */
int WD0012_1(const OLVENIR_P_CHAR* p1);
/* 60005902 when the filled p1 is not exactly five digits. */
int WD0012_2(const OLVENIR_P_CHAR* p1);
/* 60006001 when the filled p1 is not "X", "1" or "0". */
int WD0013_1(const OLVENIR_P_CHAR* p1);
/* 60005101 when the filled p1 is not a NIP with a correct check digit. */
int WD0014_1(const OLVENIR_P_CHAR* p1);
/* 60005401 when the filled p1 is not a PESEL with a valid birth date, serial and check digit. */
int WD0015_1(const OLVENIR_P_CHAR* p1);
/* 60005201 when the filled p1 is not a 9- or 14-digit REGON with correct check digits. */
int WD0016_1(const OLVENIR_P_CHAR* p1);
/* 60007602 when p1 is neither spaces alone nor an account in the NRB or IBAN form; p2 unread. */
int WD0017_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* WD0017_1 of p1 and p3 when p2 is exactly "1", else 0. */
int WD0017_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 60007901 when the filled p1 is not a telephone number of digits, - + ( ) and spaces. */
int WD0018_1(const OLVENIR_P_CHAR* p1);
/* 60003901 when the filled p1 holds anything but digits and spaces. */
int WD0020_1(const OLVENIR_P_CHAR* p1);
/* 60006201 when p1 is not null and not a number text. */
int WD0023_1(const OLVENIR_P_CHAR* p1);

/* ---- GP, XU, ZF ---- */
/* 62000202 when p1 and p2 are filled element dates and p1 is after p2. */
int GP0002_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 62000301 when p1 is a valid date after today. */
int GP0003_1(const OLVENIR_P_CHAR* p1);
/* 62000401 when p1 holds 26 digits that fail the NRB check digits. */
int GP0004_1(const OLVENIR_P_CHAR* p1);
/* 62000501 when p1 fails the NRB form test. */
int GP0005_1(const OLVENIR_P_CHAR* p1);
/* 62000901 when the element date p1 is not the birth date in the PESEL p2 of 6 or more units. */
int GP0009_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 62001302 when the full dates p1 and p2 are given and p1 is not before p2. */
int GP0013_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 60004301 when p1 is blank. */
int GP0014_1(const OLVENIR_P_CHAR* p1);
/* 62001502 when p1 is not null, empty, "S" or "M" (exactly) and p2 is blank. */
int GP0015_1(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
/* 60004301 when the trimmed length of p1 is not 8. */
int GP0039_1(const OLVENIR_P_CHAR* p1);
/* The same function as GP0039_1. */
int GP0039_2(const OLVENIR_P_CHAR* p1);
/* 62004002 when the filled element date p1 is before 1 January 1999. */
int GP0040_2(const OLVENIR_P_CHAR* p1);
/* 62004003 when the filled element date p1 is before 31 December 1998. */
int GP0040_3(const OLVENIR_P_CHAR* p1);
/* 62004005 when the element date p1 is after 31 December 2008. */
int GP0040_4(const OLVENIR_P_CHAR* p1);
/* 62004006 when p1 is filled and its date's year (today's when invalid) is before 2009. */
int GP0040_5(const OLVENIR_P_CHAR* p1);
/* 69000501 when p1 and p2 are filled and equal and p3 is "D", "S" or "X". */
int XU0005(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 69000601 when p1 and p2 are filled and equal and p3 is "P". */
int XU0006(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2, const OLVENIR_P_CHAR* p3);
/* 66000102 when the amount p1 is above 0 and the amount p2 reads as exactly 0. */
int ZF0001_2(const OLVENIR_P_CHAR* p1, const OLVENIR_P_CHAR* p2);
}

#endif
