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

#define OLV_A1 ::olv::text(p1)
#define OLV_A2 OLV_A1, ::olv::text(p2)
#define OLV_A3 OLV_A2, ::olv::text(p3)
#define OLV_A4 OLV_A3, ::olv::text(p4)
#define OLV_A5 OLV_A4, ::olv::text(p5)
#define OLV_A6 OLV_A5, ::olv::text(p6)
#define OLV_A7 OLV_A6, ::olv::text(p7)
#define OLV_A8 OLV_A7, ::olv::text(p8)
#define OLV_A9 OLV_A8, ::olv::text(p9)
#define OLV_A10 OLV_A9, ::olv::text(p10)
#define OLV_A11 OLV_A10, ::olv::text(p11)
#define OLV_A12 OLV_A11, ::olv::text(p12)
#define OLV_A13 OLV_A12, ::olv::text(p13)
#define OLV_A14 OLV_A13, ::olv::text(p14)
#define OLV_A15 OLV_A14, ::olv::text(p15)
#define OLV_A16 OLV_A15, ::olv::text(p16)
#define OLV_A17 OLV_A16, ::olv::text(p17)
#define OLV_A18 OLV_A17, ::olv::text(p18)

#define OLV_T1 ::olv::Text
#define OLV_T2 OLV_T1, ::olv::Text
#define OLV_T3 OLV_T2, ::olv::Text
#define OLV_T4 OLV_T3, ::olv::Text
#define OLV_T5 OLV_T4, ::olv::Text
#define OLV_T6 OLV_T5, ::olv::Text
#define OLV_T7 OLV_T6, ::olv::Text
#define OLV_T8 OLV_T7, ::olv::Text
#define OLV_T9 OLV_T8, ::olv::Text
#define OLV_T10 OLV_T9, ::olv::Text
#define OLV_T11 OLV_T10, ::olv::Text
#define OLV_T12 OLV_T11, ::olv::Text
#define OLV_T13 OLV_T12, ::olv::Text
#define OLV_T14 OLV_T13, ::olv::Text
#define OLV_T15 OLV_T14, ::olv::Text
#define OLV_T16 OLV_T15, ::olv::Text
#define OLV_T17 OLV_T16, ::olv::Text
#define OLV_T18 OLV_T17, ::olv::Text
