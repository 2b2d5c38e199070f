/* The types that cross the boundary: automation strings and the records of the dictionary
 * checks. The records' names are part of the mangled export names and are kept exactly, in the
 * global namespace; the automation string's type is olvenir_p::BSTR. */
#ifndef OLVENIR_P_TYPES_H
#define OLVENIR_P_TYPES_H

#include <cstdint>
#include <string>

/* A text unit is 16 bits: char16_t in the library and for hosts on other platforms; for a host on
 * Windows the platform's own wchar_t, the same unit, so that texts pass without casts. */
#if defined(_WIN32) && !defined(OLVENIR_P_BUILDING_LIBRARY)
#define OLVENIR_P_CHAR wchar_t
#else
#define OLVENIR_P_CHAR char16_t
#endif

namespace olvenir_p {
/* An automation string: points after a 32-bit byte-length prefix; made by
 * olvenir_SysAllocString and released by olvenir_SysFreeString. */
typedef OLVENIR_P_CHAR* BSTR;
}  // namespace olvenir_p

/* One condition of a conditional value lookup. */
struct stWarunekY {
  olvenir_p::BSTR column; /* the column the condition tests */
  signed char op;         /* 0 equality; -2 and 2 on date columns, as the service defines them */
  olvenir_p::BSTR value;  /* the value compared with */
};

/* One code of a host-built code table. */
struct stPozycjaKodu {
  const OLVENIR_P_CHAR* code;             /* the code text */
  int32_t valid_from;                     /* RRRRMMDD */
  int32_t valid_to;                       /* RRRRMMDD */
  int32_t reserved;                       /* not read by the library */
  const OLVENIR_P_CHAR* alternative_code; /* used instead of code when present and not empty */
};

/* A group of a host-built code table; groups always come in arrays of 10. */
struct stGrupaKodow {
  uint16_t count; /* entries in `codes` */
  stPozycjaKodu* codes;
  stGrupaKodow* children; /* a child array of 10 groups, or null */
};

/* A code description of the host's; the library never looks inside. */
struct _stOpisKodu;

#endif
