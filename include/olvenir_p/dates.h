/* Date forms and validation, date arithmetic, amounts. */
#ifndef OLVENIR_P_DATES_H
#define OLVENIR_P_DATES_H

#include "olvenir_p/types.h"

/* ---- date forms and date validation ---- */

/* ---- date arithmetic ---- */

/* ---- amounts and numeric text ---- */

#endif
