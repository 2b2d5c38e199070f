/* Code page, character classes and trimming. */
#ifndef OLVENIR_P_FRAME_H
#define OLVENIR_P_FRAME_H

#include "olvenir_p/types.h"

extern "C" {
/* The code-page setting: 0 ISO 8859-2, 1 Windows-1250 (the value at load). */
int KVTGetCodePage(void);
/* Stores any value unchanged; values other than 0 and 1 match no Polish letter. */
void KVTSetCodePage(int code_page);
/* 0 when the byte is in the code page's lower-case Polish letter class, else 1. */
int IsLowerPL(unsigned char c, int code_page);
/* 0 when the byte is in the code page's upper-case Polish letter class, else 1. */
int IsUpperPL(unsigned char c, int code_page);
}

/* 1 for the digits U+0030 to U+0039, else 0. */
int isKVTdigit(OLVENIR_P_CHAR c);
/* 0 for space - . , / " _ & \ (compared as 32 bits), else 60007501. */
int f_KVTIsZnakSpecjalny(int c);
/* 0 for a full stop, hyphen-minus or space, else 60003801. */
int f_KVTIsZnakKropkaKreskaOdstep(int c);
/* 1 when the text is empty or holds only U+0020 spaces, else 0. */
int KVTIsNotEmpty(OLVENIR_P_CHAR* text);
#if !defined(_WIN32) || defined(OLVENIR_P_BUILDING_LIBRARY)
/* The text without leading and trailing white space; a null text gives the empty text. */
std::u16string KVTDelSpacje(OLVENIR_P_CHAR* text);
#endif
#if defined(_WIN32)
/* KVTDelSpacje's text as a new BSTR that the caller frees with SysFreeString: no two Windows
 * compilers share a standard-library string. */
extern "C" olvenir_p::BSTR KVTDelSpacjeBSTR(OLVENIR_P_CHAR* text);
#endif
/* -1, 0 or 1: the trimmed a against the trimmed b, unit by unit; a null text is empty. */
int KVTDelSpacjeStrcmp(OLVENIR_P_CHAR* a, OLVENIR_P_CHAR* b);

#endif
