/* Element validators: general types, identity numbers, bank accounts, the dispatcher. */
#ifndef OLVENIR_P_ELEMENTS_H
#define OLVENIR_P_ELEMENTS_H

#include "olvenir_p/types.h"

/* ---- general element types ---- */

/* ---- identity numbers ---- */

/* ---- bank account numbers ---- */

/* ---- the element dispatcher and the document-type field ---- */

/* The validator's result for the element type when the text is at most `max_length` units
 * (both unsigned); 60004001 for a longer text; 0 for the types without a test; for a
 * dictionary type the code check of the dictionary of that number (0 or -1); -1000 - type for
 * an unknown type. */
int f_KVTElem(short type, char16_t* text, int max_length);
/* 0 for an empty text, 1 for a text longer than one unit, else the code check of the
 * document-type dictionary 10023 (0 or -1). */
int fb_KVTPoleRodzajDokumentu(const char16_t* text);

#endif
