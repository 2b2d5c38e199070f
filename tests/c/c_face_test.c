/* The C face from C11: the olv_ names, a rule by its plain name, and calls by name. */
#include <stdio.h>
#include <string.h>

#include "olvenir_p_c.h"

/* Arguments as a C host writes them in a table. */
#define INT(n) \
  { OLV_ARG_INT, (n), {NULL, 0}, NULL, 0 }
#define TEXT(s) \
  { OLV_ARG_TEXT, 0, {(s), sizeof(s) / sizeof(char16_t) - 1}, NULL, 0 }
#define NULL_TEXT \
  { OLV_ARG_NULL, 0, {NULL, 0}, NULL, 0 }
#define COUNT(a) (sizeof(a) / sizeof((a)[0]))

static int failures = 0;

static void expect(const char* what, long long got, long long want) {
  if (got != want) {
    fprintf(stderr, "%s = %lld, want %lld\n", what, got, want);
    ++failures;
  }
}

static void test_direct_names(void) {
  char16_t pesel[] = u"44051401358";
  char16_t spaced[] = u"  a b ";
  char16_t* trimmed;
  expect("olv_f_KVTElem", olv_f_KVTElem(121, pesel, 11), 60005401);
  expect("olv_f_KVTElem of an unknown type", olv_f_KVTElem(999, pesel, 11), -1999);
  expect("XP0088_1 of null", XP0088_1(NULL, u"y"), 61008801);
  expect("XP0088_1", XP0088_1(u"x", u"y"), 0);
  trimmed = olv_KVTDelSpacje(spaced);
  expect("olv_KVTDelSpacje", trimmed[0] == u'a' && trimmed[2] == u'b' && !trimmed[3], 1);
  olv_free(trimmed);
  expect("olv_isKVTdigit", olv_isKVTdigit(u'7'), 1);
  expect("olv_f_KVTElemT_TylkoCyfry", olv_f_KVTElemT_TylkoCyfry(u"12a"), 0);
}

static void test_listing(void) {
  const olv_export* row = olv_find_export("f_KVTElem");
  expect("every export listed", olv_export_count() >= 297, 1);
  expect("the version", OLVENIR_P_C_VERSION_NUMBER >= 10000 && OLVENIR_P_C_VERSION[0] >= '1', 1);
  expect("f_KVTElem found", row != NULL, 1);
  if (!row) return;
  expect("f_KVTElem by its symbol", olv_find_export("_Z9f_KVTElemsPDsi") == row, 1);
  expect("f_KVTElem parameters", (long long)row->param_count, 3);
  expect("f_KVTElem first parameter", row->params[0], OLV_PARAM_SHORT);
  expect("f_KVTElem allows its codes", olv_allowed_result(row, 60005401), 1);
  expect("XP0088_1 refuses other codes", olv_allowed_result(olv_find_export("XP0088_1"), 60005401),
         0);
  expect("unknown name", olv_find_export("no_such_export") == NULL, 1);
  expect("past the end", olv_export_at(olv_export_count()) == NULL, 1);
}

/* Each call by name, and whether the direct call takes it: only rows of texts, integers and
 * bools that it can answer as given, with the same answer. */
static void test_calls_by_name(void) {
  /* clang-format off */
  static const struct {
    const char* what;
    const char* name;
    olv_arg args[3];
    size_t count;
    int error;
    const char* says; /* a part of the message, if any */
    int direct;
  } calls[] = {
    {"a PESEL", "f_KVTElem", {INT(121), TEXT(u"44051401358"), INT(11)}, 3, OLV_OK, NULL, 1},
    {"int as text", "f_KVTElem", {INT(121), INT(5), INT(11)}, 3, OLV_ERROR_TYPE, "argument 2", 0},
    {"past short", "f_KVTElem", {INT(1 << 20), TEXT(u"1"), INT(11)}, 3, OLV_ERROR_VALUE, NULL, 0},
    {"too few arguments", "f_KVTElem", {INT(121), TEXT(u"1"), INT(11)}, 2, OLV_ERROR_TYPE, NULL, 0},
    {"unknown name", "no_such_export", {INT(0)}, 0, OLV_ERROR_NAME, NULL, 0},
    {"a text it changes", "sl_Now", {TEXT(u"xxxxxxxxxxxxxxxxxxxx")}, 1, OLV_OK, NULL, 0},
    {"records", "sl_CzyPrawidlowyKodLiterowy", {NULL_TEXT, TEXT(u"A"), INT(0)}, 3, OLV_OK, NULL, 0},
  };
  /* clang-format on */
  const olv_arg spaced[] = {TEXT(u" \tx ")};
  olv_outcome* o;
  int64_t answer;
  size_t i;
  for (i = 0; i < COUNT(calls); ++i) {
    o = olv_call_name(calls[i].name, calls[i].args, calls[i].count);
    expect(calls[i].what, o->error, calls[i].error);
    if (calls[i].says) expect(calls[i].what, strstr(o->message, calls[i].says) != NULL, 1);
    expect(calls[i].what,
           olv_call_direct(olv_find_export(calls[i].name), calls[i].args, calls[i].count, &answer),
           calls[i].direct);
    if (calls[i].direct) expect(calls[i].what, answer, o->number);
    olv_outcome_free(o);
  }
  o = olv_call_name("KVTDelSpacje", spaced, 1);
  expect("KVTDelSpacje text", o->text && o->length == 1 && o->text[0] == u'x', 1);
  olv_outcome_free(o);
}

static void test_many_rows(void) {
  /* clang-format off */
  olv_arg rows[] = {INT(121), TEXT(u"44051401359"), INT(11),
                    INT(121), TEXT(u"44051401358"), INT(11),
                    INT(121), TEXT(u""),            INT(11),
                    INT(121), NULL_TEXT,            INT(11)};
  /* clang-format on */
  const olv_arg rule_rows[] = {NULL_TEXT, TEXT(u"y"), TEXT(u"x"), TEXT(u"y")};
  const olv_arg seven = INT(7);
  static const long long want[] = {0, 60005401, 60005401, 60005401};
  int64_t answers[4];
  olv_outcome* o = olv_call_many(olv_find_export("f_KVTElem"), rows, 3, 4, answers);
  size_t i;
  expect("many rows called", o == NULL, 1);
  for (i = 0; o == NULL && i < 4; ++i) expect("many rows answer", answers[i], want[i]);
  olv_outcome_free(o);

  rows[2 * 3 + 1] = seven;
  o = olv_call_many(olv_find_export("f_KVTElem"), rows, 3, 4, answers);
  expect("the failing row is named", o && o->row == 2 && o->error == OLV_ERROR_TYPE, 1);
  olv_outcome_free(o);

  o = olv_call_many(olv_find_export("XP0088_1"), rule_rows, 2, 2, answers);
  expect("rule rows called", o == NULL, 1);
  expect("rule row 1", answers[0], 61008801);
  expect("rule row 2", answers[1], 0);
  olv_outcome_free(o);
}

int main(void) {
  test_direct_names();
  test_listing();
  test_calls_by_name();
  test_many_rows();
  if (failures) fprintf(stderr, "%d failures\n", failures);
  return failures ? 1 : 0;
}
