/* Element validators: general types, identity numbers, bank accounts, the dispatcher. */
#ifndef OLVENIR_P_ELEMENTS_H
#define OLVENIR_P_ELEMENTS_H

#include "olvenir_p/types.h"

/* ---- general element types ---- */

/* ---- identity numbers ---- */

/* ---- bank account numbers ---- */

/* ---- the element dispatcher and the document-type field ---- */

#endif
