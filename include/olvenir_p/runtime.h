/* The component runtime: automation strings, service registration, error information. */
#ifndef OLVENIR_P_RUNTIME_H
#define OLVENIR_P_RUNTIME_H

#include "olvenir_p/types.h"

#endif
