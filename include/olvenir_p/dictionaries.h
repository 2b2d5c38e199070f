/* Dictionary code checks, lookups, names and the fixed-answer entry points. */
#ifndef OLVENIR_P_DICTIONARIES_H
#define OLVENIR_P_DICTIONARIES_H

#include "olvenir_p/types.h"

#endif
