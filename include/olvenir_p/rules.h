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

/* ---- WD ---- */

/* ---- GP, XU, ZF ---- */

}

#endif
