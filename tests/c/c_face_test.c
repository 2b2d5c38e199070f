/* The C face from C11: the olv_ names, a rule by its plain name, and calls by name. */
#include <stdio.h>
#include <string.h>

#include "olvenir_p_c.h"

static int failures = 0;

static void expect(const char* what, long long got, long long want) {
  if (got != want) {
    fprintf(stderr, "%s = %lld, want %lld\n", what, got, want);
    ++failures;
  }
}

static size_t units(const char16_t* s) {
  size_t n = 0;
  while (s[n]) ++n;
  return n;
}

static olv_arg text_arg(const char16_t* s) {
  olv_arg a;
  memset(&a, 0, sizeof a);
  a.type = s ? OLV_ARG_TEXT : OLV_ARG_NULL;
  a.text.units = s;
  a.text.length = s ? units(s) : 0;
  return a;
}

static olv_arg int_arg(long long n) {
  olv_arg a;
  memset(&a, 0, sizeof a);
  a.type = OLV_ARG_INT;
  a.number = n;
  return a;
}

static void test_direct_names(void) {
  static const struct {
    short type;
    const char16_t* text;
    int max_length;
    int want;
  } elements[] = {
      {121, u"44051401359", 11, 0},
      {121, u"44051401358", 11, 60005401},
      {121, u"440514013591", 11, 60004001},
      {999, u"x", 5, -1999},
  };
  static const struct {
    const char16_t* p1;
    const char16_t* p2;
    int want;
  } rules[] = {
      {NULL, u"y", 61008801},
      {u"x", u"y", 0},
  };
  size_t i;
  char16_t spaced[] = u"  a b ";
  char16_t* trimmed;
  for (i = 0; i < sizeof elements / sizeof elements[0]; ++i) {
    char16_t buffer[32];
    memcpy(buffer, elements[i].text, (units(elements[i].text) + 1) * sizeof(char16_t));
    expect("olv_f_KVTElem", olv_f_KVTElem(elements[i].type, buffer, elements[i].max_length),
           elements[i].want);
  }
  for (i = 0; i < sizeof rules / sizeof rules[0]; ++i)
    expect("XP0088_1", XP0088_1(rules[i].p1, rules[i].p2), rules[i].want);
  trimmed = olv_KVTDelSpacje(spaced);
  expect("olv_KVTDelSpacje length", (long long)units(trimmed), 3);
  olv_free(trimmed);
  expect("olv_isKVTdigit", olv_isKVTdigit(u'7'), 1);
  expect("olv_f_KVTElemT_TylkoCyfry", olv_f_KVTElemT_TylkoCyfry(u"12a"), 0);
}

static void test_listing(void) {
  const olv_export* row = olv_find_export("f_KVTElem");
  const olv_export* by_symbol = olv_find_export("_Z9f_KVTElemsPDsi");
  expect("every export listed", olv_export_count() >= 297, 1);
  expect("the version's number", OLVENIR_P_C_VERSION_NUMBER >= 10000, 1);
  expect("the version's text", OLVENIR_P_C_VERSION[0] >= '1', 1);
  expect("f_KVTElem found", row != NULL, 1);
  if (!row) return;
  expect("f_KVTElem by its symbol", by_symbol == row, 1);
  expect("f_KVTElem parameters", (long long)row->param_count, 3);
  expect("f_KVTElem first parameter", row->params[0], OLV_PARAM_SHORT);
  expect("f_KVTElem allows its codes", olv_allowed_result(row, 60005401), 1);
  expect("XP0088_1 refuses other codes",
         olv_allowed_result(olv_find_export("XP0088_1"), 60005401), 0);
  expect("unknown name", olv_find_export("no_such_export") == NULL, 1);
  expect("past the end", olv_export_at(olv_export_count()) == NULL, 1);
}

static void test_calls_by_name(void) {
  olv_arg args[3];
  olv_outcome* o;
  args[0] = int_arg(121);
  args[1] = text_arg(u"44051401359");
  args[2] = int_arg(11);
  o = olv_call_name("f_KVTElem", args, 3);
  expect("call f_KVTElem error", o->error, OLV_OK);
  expect("call f_KVTElem", o->number, 0);
  olv_outcome_free(o);

  args[1] = int_arg(5);
  o = olv_call_name("f_KVTElem", args, 3);
  expect("a number for a text", o->error, OLV_ERROR_TYPE);
  expect("the message names the argument", strstr(o->message, "argument 2") != NULL, 1);
  olv_outcome_free(o);

  args[0] = int_arg(1 << 20);
  args[1] = text_arg(u"1");
  o = olv_call_name("f_KVTElem", args, 3);
  expect("a type out of a short's range", o->error, OLV_ERROR_VALUE);
  olv_outcome_free(o);

  o = olv_call_name("f_KVTElem", args, 2);
  expect("too few arguments", o->error, OLV_ERROR_TYPE);
  olv_outcome_free(o);

  o = olv_call_name("no_such_export", args, 0);
  expect("unknown name", o->error, OLV_ERROR_NAME);
  olv_outcome_free(o);

  args[0] = text_arg(u" \tx ");
  o = olv_call_name("KVTDelSpacje", args, 1);
  expect("KVTDelSpacje text", o->text && o->length == 1 && o->text[0] == u'x', 1);
  olv_outcome_free(o);
}

static void test_direct_calls(void) {
  olv_arg args[3];
  int64_t answer = -7;
  args[0] = int_arg(121);
  args[1] = text_arg(u"44051401358");
  args[2] = int_arg(11);
  expect("direct f_KVTElem made", olv_call_direct(olv_find_export("f_KVTElem"), args, 3, &answer),
         1);
  expect("direct f_KVTElem answer", answer, 60005401);
  args[0] = int_arg(1 << 20);
  expect("a short out of range takes the general path",
         olv_call_direct(olv_find_export("f_KVTElem"), args, 3, &answer), 0);
  args[0] = text_arg(u"xxxxxxxxxxxxxxxxxxxx");
  expect("a text the call changes takes the general path",
         olv_call_direct(olv_find_export("sl_Now"), args, 1, &answer), 0);
  expect("records have no direct call",
         olv_call_direct(olv_find_export("sl_CzyPrawidlowyKodLiterowy"), args, 1, &answer), 0);
}

static void test_many_rows(void) {
  static const char16_t* pesels[] = {u"44051401359", u"44051401358", u"", NULL};
  static const long long want[] = {0, 60005401, 60005401, 60005401};
  olv_arg rows[4 * 3];
  int64_t answers[4];
  olv_arg rule_rows[2 * 2];
  int64_t rule_answers[2];
  olv_outcome* o;
  size_t i;
  for (i = 0; i < 4; ++i) {
    rows[i * 3] = int_arg(121);
    rows[i * 3 + 1] = text_arg(pesels[i]);
    rows[i * 3 + 2] = int_arg(11);
  }
  o = olv_call_many(olv_find_export("f_KVTElem"), rows, 3, 4, answers);
  expect("many rows called", o == NULL, 1);
  for (i = 0; o == NULL && i < 4; ++i) expect("many rows answer", answers[i], want[i]);
  olv_outcome_free(o);

  rows[2 * 3 + 1] = int_arg(7);
  o = olv_call_many(olv_find_export("f_KVTElem"), rows, 3, 4, answers);
  expect("the failing row is named", o && o->row == 2 && o->error == OLV_ERROR_TYPE, 1);
  olv_outcome_free(o);

  rule_rows[0] = text_arg(NULL);
  rule_rows[1] = text_arg(u"y");
  rule_rows[2] = text_arg(u"x");
  rule_rows[3] = text_arg(u"y");
  o = olv_call_many(olv_find_export("XP0088_1"), rule_rows, 2, 2, rule_answers);
  expect("rule rows called", o == NULL, 1);
  expect("rule row 1", rule_answers[0], 61008801);
  expect("rule row 2", rule_answers[1], 0);
  olv_outcome_free(o);
}

int main(void) {
  test_direct_names();
  test_listing();
  test_calls_by_name();
  test_direct_calls();
  test_many_rows();
  if (failures) fprintf(stderr, "%d failures\n", failures);
  return failures ? 1 : 0;
}
