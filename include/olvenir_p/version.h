/* The library's version; the build reads it from here. */
#ifndef OLVENIR_P_VERSION_H
#define OLVENIR_P_VERSION_H

#define OLVENIR_P_VERSION_MAJOR 1
#define OLVENIR_P_VERSION_MINOR 0
#define OLVENIR_P_VERSION_PATCH 0
#define OLVENIR_P_VERSION_STRING "1.0.0"

#endif
