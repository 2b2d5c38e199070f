/* Olvenir_p for C: every export callable from C11, and calls by name with neutral arguments.
 * Texts are null-terminated UTF-16 (char16_t). Link with -lolvenir_p_calls -lolvenir_p
 * (pkg-config --cflags --libs olvenir_p). The generated part names the version:
 * OLVENIR_P_C_VERSION ("1.0.0") and OLVENIR_P_C_VERSION_NUMBER (10000). */
#ifndef OLVENIR_P_C_H
#define OLVENIR_P_C_H

#ifdef __cplusplus
#include <cstddef>
#include <cstdint>

#include "olvenir_p.h"
#else
#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <uchar.h>

/* The records the plain names take, laid out as the library lays them out. */
typedef char16_t* BSTR;
typedef int32_t HRESULT;
typedef struct GUID {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
} GUID;
typedef GUID IID;
typedef GUID CLSID;
typedef struct IUnknown IUnknown;
typedef struct IClassFactory IClassFactory;
typedef struct stWarunekY {
  BSTR column;
  signed char op;
  BSTR value;
} stWarunekY;
typedef struct stPozycjaKodu {
  const char16_t* code;
  int32_t valid_from;
  int32_t valid_to;
  int32_t reserved;
  const char16_t* alternative_code;
} stPozycjaKodu;
typedef struct stGrupaKodow {
  uint16_t count;
  stPozycjaKodu* codes;
  struct stGrupaKodow* children;
} stGrupaKodow;
typedef struct _stOpisKodu _stOpisKodu;
#endif

#include "olvenir_p_c_exports.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- the exports, listed ---- */

/* What a parameter takes (the order is fixed). */
enum olv_param_kind {
  OLV_PARAM_TEXT,         /* const char16_t*, only read */
  OLV_PARAM_MUTABLE_TEXT, /* char16_t*, may be changed or written into */
  OLV_PARAM_TEXT_LIST,    /* const char16_t**, ended by a null */
  OLV_PARAM_INT,
  OLV_PARAM_UNSIGNED,
  OLV_PARAM_SHORT,
  OLV_PARAM_BOOL,
  OLV_PARAM_BYTE,
  OLV_PARAM_CHAR, /* one UTF-16 unit by value */
  OLV_PARAM_INT64,
  OLV_PARAM_INT_OUT, /* int32_t* the function writes */
  OLV_PARAM_CONDITIONS,
  OLV_PARAM_CODE_TABLE,
  OLV_PARAM_BSTR,  /* only null is passed */
  OLV_PARAM_OPAQUE /* only null is passed */
};

/* What a function answers (the order is fixed). */
enum olv_result_kind {
  OLV_RESULT_VOID,
  OLV_RESULT_INT,
  OLV_RESULT_BOOL,
  OLV_RESULT_DOUBLE,
  OLV_RESULT_TEXT,
  OLV_RESULT_OWNED_TEXT,
  OLV_RESULT_STRING,
  OLV_RESULT_POINTER
};

/* How the table defines a row. */
enum olv_export_kind {
  OLV_EXPORT_PLAIN,
  OLV_EXPORT_DECORATED,
  OLV_EXPORT_RULE,
  OLV_EXPORT_FIXED,
  OLV_EXPORT_FIXED_DECORATED,
  OLV_EXPORT_SAME
};

/* In a row's results: any value (not a code), and any result code (0 passes). */
#define OLV_ANY_RESULT INT64_MIN
#define OLV_ANY_CODE (INT64_MIN + 1)

/* One export; every pointer is the library's, valid for the life of the process. */
typedef struct olv_export {
  const char* name;
  const char* symbol;
  int kind;                    /* enum olv_export_kind */
  const unsigned char* params; /* param_count values of enum olv_param_kind */
  size_t param_count;
  int variadic;           /* takes texts after the fixed parameters */
  int result;             /* enum olv_result_kind */
  const int64_t* results; /* result_count allowed values, or OLV_ANY_RESULT / OLV_ANY_CODE */
  size_t result_count;
  const char* same_as; /* for OLV_EXPORT_SAME the name answered for, else null */
} olv_export;

/* The number of rows of the exports table. */
size_t olv_export_count(void);
/* Row `index` (0 to olv_export_count() - 1), or null past the end. */
const olv_export* olv_export_at(size_t index);
/* The row of a symbol, or else the first row of a name; null when none. */
const olv_export* olv_find_export(const char* name_or_symbol);
/* 1 when the row allows `value` as a result, else 0. */
int olv_allowed_result(const olv_export* row, int64_t value);
/* A parameter kind's name ("text", "int", ...), a static string. */
const char* olv_param_kind_name(int kind);

/* ---- calls by name ---- */

/* A text: `length` units at `units`, followed by a null unit; units null is a null pointer. */
typedef struct olv_text {
  const char16_t* units;
  size_t length;
} olv_text;

typedef struct olv_condition {
  olv_text column;
  int op;
  olv_text value;
} olv_condition;

typedef struct olv_code_entry {
  olv_text code;
  int32_t valid_from;
  int32_t valid_to;
  olv_text alternative;
} olv_code_entry;

typedef struct olv_code_group {
  const olv_code_entry* codes;
  size_t code_count;
  const struct olv_code_group* children; /* at most 10 */
  size_t child_count;
} olv_code_group;

enum olv_arg_type {
  OLV_ARG_NULL,
  OLV_ARG_TEXT,       /* text */
  OLV_ARG_INT,        /* number */
  OLV_ARG_BOOL,       /* number, 0 or 1 */
  OLV_ARG_TEXT_LIST,  /* count olv_text at items */
  OLV_ARG_CONDITIONS, /* count olv_condition at items */
  OLV_ARG_CODE_TABLE  /* count olv_code_group at items */
};

/* One neutral argument; only the fields of its type are read. */
typedef struct olv_arg {
  int type; /* enum olv_arg_type */
  int64_t number;
  olv_text text;
  const void* items;
  size_t count;
} olv_arg;

enum olv_error {
  OLV_OK,
  OLV_ERROR_TYPE,   /* wrong number of arguments or an argument of the wrong kind */
  OLV_ERROR_VALUE,  /* an argument of the right kind out of its range */
  OLV_ERROR_FAILED, /* the function left with a failure (the dictionary service's, memory) */
  OLV_ERROR_NAME    /* no export of that name */
};

/* A text or out-integer as the function left it; position counts arguments from 1. */
typedef struct olv_out {
  size_t position;
  int is_text;
  int64_t number;
  char16_t* text; /* null-terminated, length units */
  size_t length;
} olv_out;

/* The outcome of one call; every pointer in it is freed by olv_outcome_free. */
typedef struct olv_outcome {
  int error;        /* enum olv_error; the other fields are unset unless OLV_OK */
  char* message;    /* UTF-8, naming the argument; null when OLV_OK */
  int result;       /* enum olv_result_kind */
  int64_t number;   /* an integer or bool result */
  double real;      /* a double result */
  char16_t* text;   /* a text result, null-terminated; null for a null pointer */
  size_t length;    /* units of text */
  int null_pointer; /* a pointer result that was null */
  olv_out* outs;    /* out_count writable arguments that the call changed */
  size_t out_count;
  size_t row; /* olv_call_many: the 0-based row that failed */
} olv_outcome;

/* Calls `row` with `count` arguments; null only when memory ran out. Free with olv_outcome_free. */
olv_outcome* olv_call(const olv_export* row, const olv_arg* args, size_t count);
/* Calls `row` straight, without the copies of olv_call, when its arguments are texts, integers
 * and bools and it answers an integer or bool: 1 with *answer set. 0 when the call needs
 * olv_call: other arguments, an argument olv_call would refuse, or a writable text the function
 * changed (olv_call then calls it again and reports the change). */
int olv_call_direct(const olv_export* row, const olv_arg* args, size_t count, int64_t* answer);
/* The same by name or symbol; an unknown name gives OLV_ERROR_NAME. */
olv_outcome* olv_call_name(const char* name, const olv_arg* args, size_t count);
/* Calls `row` once per row of `args` (rows x arg_count, row after row) and writes each answer as
 * a number to answers[0 .. rows - 1]: an integer or bool result as it is, a text's length, 1 for
 * a non-null pointer, 0 for none. Writable arguments are not reported. Null when every row was
 * called; else the first failing row's outcome (its `row` set), freed by olv_outcome_free. */
olv_outcome* olv_call_many(const olv_export* row, const olv_arg* args, size_t arg_count,
                           size_t rows, int64_t* answers);
/* Frees an outcome and everything in it; null is allowed. */
void olv_outcome_free(olv_outcome* outcome);
/* Frees a text returned by an olv_ function (olv_KVTDelSpacje); null is allowed. */
void olv_free(void* p);

#ifdef __cplusplus
}
#endif

#endif
