// Parameter and argument lists of 1 to 18 field texts, for the rows of the exports table.
#pragma once

#define OLV_P1 const char16_t* p1
#define OLV_P2 OLV_P1, const char16_t* p2
#define OLV_P3 OLV_P2, const char16_t* p3
#define OLV_P4 OLV_P3, const char16_t* p4
#define OLV_P5 OLV_P4, const char16_t* p5
#define OLV_P6 OLV_P5, const char16_t* p6
#define OLV_P7 OLV_P6, const char16_t* p7
#define OLV_P8 OLV_P7, const char16_t* p8
#define OLV_P9 OLV_P8, const char16_t* p9
#define OLV_P10 OLV_P9, const char16_t* p10
#define OLV_P11 OLV_P10, const char16_t* p11
#define OLV_P12 OLV_P11, const char16_t* p12
#define OLV_P13 OLV_P12, const char16_t* p13
#define OLV_P14 OLV_P13, const char16_t* p14
#define OLV_P15 OLV_P14, const char16_t* p15
#define OLV_P16 OLV_P15, const char16_t* p16
#define OLV_P17 OLV_P16, const char16_t* p17
#define OLV_P18 OLV_P17, const char16_t* p18

#define OLV_A1 p1
#define OLV_A2 OLV_A1, p2
#define OLV_A3 OLV_A2, p3
#define OLV_A4 OLV_A3, p4
#define OLV_A5 OLV_A4, p5
#define OLV_A6 OLV_A5, p6
#define OLV_A7 OLV_A6, p7
#define OLV_A8 OLV_A7, p8
#define OLV_A9 OLV_A8, p9
#define OLV_A10 OLV_A9, p10
#define OLV_A11 OLV_A10, p11
#define OLV_A12 OLV_A11, p12
#define OLV_A13 OLV_A12, p13
#define OLV_A14 OLV_A13, p14
#define OLV_A15 OLV_A14, p15
#define OLV_A16 OLV_A15, p16
#define OLV_A17 OLV_A16, p17
#define OLV_A18 OLV_A17, p18

#define OLV_T1 ::olv::Field
#define OLV_T2 OLV_T1, ::olv::Field
#define OLV_T3 OLV_T2, ::olv::Field
#define OLV_T4 OLV_T3, ::olv::Field
#define OLV_T5 OLV_T4, ::olv::Field
#define OLV_T6 OLV_T5, ::olv::Field
#define OLV_T7 OLV_T6, ::olv::Field
#define OLV_T8 OLV_T7, ::olv::Field
#define OLV_T9 OLV_T8, ::olv::Field
#define OLV_T10 OLV_T9, ::olv::Field
#define OLV_T11 OLV_T10, ::olv::Field
#define OLV_T12 OLV_T11, ::olv::Field
#define OLV_T13 OLV_T12, ::olv::Field
#define OLV_T14 OLV_T13, ::olv::Field
#define OLV_T15 OLV_T14, ::olv::Field
#define OLV_T16 OLV_T15, ::olv::Field
#define OLV_T17 OLV_T16, ::olv::Field
#define OLV_T18 OLV_T17, ::olv::Field
