/* The extension module: Python values to the C face's neutral arguments and its answers back. */
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <stdint.h>
#include <string.h>

#include "olvenir_p_c.h"

int olvpy_use_dictionary(const char* source, char** error);

static PyObject* service_error;

/* ---- memory for one call's converted arguments, freed together ---- */

typedef struct Block {
  struct Block* next;
  size_t used, size;
  _Alignas(16) unsigned char data[];
} Block;

/* The first units come from the arena itself, on the caller's stack: most calls allocate
 * nothing. */
typedef struct {
  Block* head;
  size_t local_used;
  _Alignas(16) unsigned char local[1024];
} Arena;

static void arena_init(Arena* a) {
  a->head = NULL;
  a->local_used = 0;
}

static void* arena_alloc(Arena* a, size_t bytes) {
  bytes = (bytes + 15) & ~(size_t)15;
  if (sizeof a->local - a->local_used >= bytes) {
    void* p = a->local + a->local_used;
    a->local_used += bytes;
    return p;
  }
  if (!a->head || a->head->size - a->head->used < bytes) {
    size_t size = bytes > 65536 ? bytes : 65536;
    Block* b = PyMem_Malloc(sizeof(Block) + size);
    if (!b) {
      PyErr_NoMemory();
      return NULL;
    }
    b->next = a->head;
    b->used = 0;
    b->size = size;
    a->head = b;
  }
  void* p = a->head->data + a->head->used;
  a->head->used += bytes;
  return p;
}

static void arena_free(Arena* a) {
  while (a->head) {
    Block* next = a->head->next;
    PyMem_Free(a->head);
    a->head = next;
  }
  a->local_used = 0;
}

/* ---- conversions ---- */

typedef struct {
  const char* name; /* the export's, for messages */
  size_t position;  /* 1-based */
} Where;

static int fail(PyObject* type, Where w, const char* what, PyObject* got) {
  if (got)
    PyErr_Format(type, "%s: argument %zu: %s, got %s", w.name, w.position, what,
                 Py_TYPE(got)->tp_name);
  else
    PyErr_Format(type, "%s: argument %zu: %s", w.name, w.position, what);
  return -1;
}

/* A str as UTF-16 units: two-byte strings are used in place; others are copied, characters above
 * U+FFFF as surrogate pairs, and a lone surrogate as that unit. */
static int text_of(PyObject* s, Arena* a, olv_text* out) {
  Py_ssize_t n = PyUnicode_GET_LENGTH(s);
  int kind = PyUnicode_KIND(s);
  const void* data = PyUnicode_DATA(s);
  if (kind == PyUnicode_2BYTE_KIND) {
    out->units = (const char16_t*)data;
    out->length = (size_t)n;
    return 0;
  }
  size_t extra = 0;
  if (kind == PyUnicode_4BYTE_KIND)
    for (Py_ssize_t i = 0; i < n; ++i) extra += ((const Py_UCS4*)data)[i] > 0xFFFF;
  char16_t* u = arena_alloc(a, ((size_t)n + extra + 1) * sizeof(char16_t));
  if (!u) return -1;
  size_t j = 0;
  if (kind == PyUnicode_1BYTE_KIND) {
    const Py_UCS1* b = data;
    for (Py_ssize_t i = 0; i < n; ++i) u[j++] = b[i];
  } else {
    const Py_UCS4* c = data;
    for (Py_ssize_t i = 0; i < n; ++i) {
      Py_UCS4 ch = c[i];
      if (ch > 0xFFFF) {
        ch -= 0x10000;
        u[j++] = (char16_t)(0xD800 + (ch >> 10));
        u[j++] = (char16_t)(0xDC00 + (ch & 0x3FF));
      } else {
        u[j++] = (char16_t)ch;
      }
    }
  }
  u[j] = 0;
  out->units = u;
  out->length = j;
  return 0;
}

static int optional_text(PyObject* o, Arena* a, olv_text* out, Where w, const char* what) {
  if (o == Py_None) {
    out->units = NULL;
    out->length = 0;
    return 0;
  }
  if (!PyUnicode_Check(o)) return fail(PyExc_TypeError, w, what, o);
  return text_of(o, a, out);
}

static int integer(PyObject* o, int64_t* out, Where w, const char* what) {
  if (!PyLong_Check(o)) return fail(PyExc_TypeError, w, what, o);
  int overflow = 0;
  long long v = PyLong_AsLongLongAndOverflow(o, &overflow);
  if (overflow) return fail(PyExc_ValueError, w, "the integer does not fit 64 bits", NULL);
  if (v == -1 && PyErr_Occurred()) return -1;
  *out = v;
  return 0;
}

/* A list or tuple's items, or a dict's values under the keys given. */
static PyObject* fields(PyObject* o, const char* const* keys, size_t required, size_t most, Where w,
                        const char* form) {
  if (PyDict_Check(o)) {
    PyObject* t = PyTuple_New((Py_ssize_t)most);
    if (!t) return NULL;
    for (size_t i = 0; i < most; ++i) {
      PyObject* v = PyDict_GetItemString(o, keys[i]);
      if (!v && i < required) {
        Py_DECREF(t);
        fail(PyExc_TypeError, w, form, NULL);
        return NULL;
      }
      v = v ? v : Py_None;
      Py_INCREF(v);
      PyTuple_SET_ITEM(t, (Py_ssize_t)i, v);
    }
    return t;
  }
  if ((PyList_Check(o) || PyTuple_Check(o))) {
    Py_ssize_t n = PySequence_Size(o);
    if (n >= (Py_ssize_t)required && n <= (Py_ssize_t)most) {
      PyObject* t = PyTuple_New((Py_ssize_t)most);
      if (!t) return NULL;
      for (Py_ssize_t i = 0; i < (Py_ssize_t)most; ++i) {
        PyObject* v = i < n ? PySequence_GetItem(o, i) : (Py_INCREF(Py_None), Py_None);
        if (!v) {
          Py_DECREF(t);
          return NULL;
        }
        PyTuple_SET_ITEM(t, i, v);
      }
      return t;
    }
  }
  fail(PyExc_TypeError, w, form, o);
  return NULL;
}

static int conditions_of(PyObject* list, Arena* a, olv_arg* out, Where w) {
  static const char* const keys[] = {"column", "op", "value"};
  const char* form = "a condition is (column, op, value) or {'column', 'op', 'value'}";
  Py_ssize_t n = PySequence_Fast_GET_SIZE(list);
  olv_condition* cs = arena_alloc(a, sizeof(olv_condition) * (size_t)(n ? n : 1));
  if (!cs) return -1;
  for (Py_ssize_t i = 0; i < n; ++i) {
    PyObject* f = fields(PySequence_Fast_GET_ITEM(list, i), keys, 3, 3, w, form);
    if (!f) return -1;
    int64_t op = 0;
    int bad = optional_text(PyTuple_GET_ITEM(f, 0), a, &cs[i].column, w, form) ||
              integer(PyTuple_GET_ITEM(f, 1), &op, w, form) ||
              optional_text(PyTuple_GET_ITEM(f, 2), a, &cs[i].value, w, form);
    Py_DECREF(f);
    if (bad) return -1;
    if (op < -128 || op > 127)
      return fail(PyExc_ValueError, w, "a condition's operator is from -128 to 127", NULL);
    cs[i].op = (int)op;
  }
  out->type = OLV_ARG_CONDITIONS;
  out->items = cs;
  out->count = (size_t)n;
  return 0;
}

static int groups_of(PyObject* o, Arena* a, const olv_code_group** out, size_t* count, Where w) {
  static const char* const group_keys[] = {"codes", "children"};
  static const char* const entry_keys[] = {"code", "from", "to", "alternative"};
  const char* group_form = "a group is {'codes': [...], 'children': [...]}";
  const char* entry_form = "a code is (code, from, to[, alternative]) or a dict of those keys";
  PyObject* list = PySequence_Fast(o, "a code table is a list of at most 10 groups");
  if (!list) return fail(PyExc_TypeError, w, "a code table is a list of at most 10 groups", o);
  Py_ssize_t n = PySequence_Fast_GET_SIZE(list);
  int bad = n > 10 ? fail(PyExc_ValueError, w, "a group array holds at most 10 groups", NULL) : 0;
  olv_code_group* gs = bad ? NULL : arena_alloc(a, sizeof(olv_code_group) * (size_t)(n ? n : 1));
  bad = bad || !gs;
  for (Py_ssize_t i = 0; !bad && i < n; ++i) {
    PyObject* g = PySequence_Fast_GET_ITEM(list, i);
    if (!PyDict_Check(g)) {
      bad = fail(PyExc_TypeError, w, group_form, g);
      break;
    }
    PyObject* f = fields(g, group_keys, 0, 2, w, group_form);
    if (!f) {
      bad = 1;
      break;
    }
    memset(&gs[i], 0, sizeof gs[i]);
    PyObject* codes = PyTuple_GET_ITEM(f, 0);
    if (codes != Py_None) {
      PyObject* cl = PySequence_Fast(codes, "a group's codes are a list");
      Py_ssize_t m = cl ? PySequence_Fast_GET_SIZE(cl) : 0;
      olv_code_entry* es = cl ? arena_alloc(a, sizeof(olv_code_entry) * (size_t)(m ? m : 1)) : NULL;
      bad = !es;
      for (Py_ssize_t k = 0; !bad && k < m; ++k) {
        PyObject* e = fields(PySequence_Fast_GET_ITEM(cl, k), entry_keys, 3, 4, w, entry_form);
        int64_t from = 0, to = 0;
        bad = !e || optional_text(PyTuple_GET_ITEM(e, 0), a, &es[k].code, w, entry_form) ||
              integer(PyTuple_GET_ITEM(e, 1), &from, w, entry_form) ||
              integer(PyTuple_GET_ITEM(e, 2), &to, w, entry_form) ||
              optional_text(PyTuple_GET_ITEM(e, 3), a, &es[k].alternative, w, entry_form);
        Py_XDECREF(e);
        es[k].valid_from = (int32_t)from;
        es[k].valid_to = (int32_t)to;
      }
      Py_XDECREF(cl);
      gs[i].codes = es;
      gs[i].code_count = (size_t)m;
    }
    PyObject* children = PyTuple_GET_ITEM(f, 1);
    if (!bad && children != Py_None)
      bad = groups_of(children, a, &gs[i].children, &gs[i].child_count, w) != 0;
    Py_DECREF(f);
  }
  Py_DECREF(list);
  if (bad) return -1;
  *out = gs;
  *count = (size_t)n;
  return 0;
}

/* One argument for a parameter of `kind` (a text for the variable list). */
static int arg_of(PyObject* o, int kind, Arena* a, olv_arg* out, Where w) {
  memset(out, 0, sizeof *out);
  if (o == Py_None) {
    out->type = OLV_ARG_NULL;
    return 0;
  }
  if (PyUnicode_Check(o)) {
    out->type = OLV_ARG_TEXT;
    return text_of(o, a, &out->text);
  }
  if (PyBool_Check(o)) {
    out->type = OLV_ARG_BOOL;
    out->number = o == Py_True;
    return 0;
  }
  if (PyLong_Check(o)) {
    out->type = OLV_ARG_INT;
    return integer(o, &out->number, w, "expected an integer");
  }
  if (kind == OLV_PARAM_CODE_TABLE) {
    out->type = OLV_ARG_CODE_TABLE;
    return groups_of(o, a, (const olv_code_group**)&out->items, &out->count, w);
  }
  if (PyList_Check(o) || PyTuple_Check(o)) {
    PyObject* list = PySequence_Fast(o, "");
    if (!list) return -1;
    int bad = 0;
    if (kind == OLV_PARAM_CONDITIONS) {
      bad = conditions_of(list, a, out, w);
    } else {
      Py_ssize_t n = PySequence_Fast_GET_SIZE(list);
      olv_text* texts = arena_alloc(a, sizeof(olv_text) * (size_t)(n ? n : 1));
      bad = !texts;
      for (Py_ssize_t i = 0; !bad && i < n; ++i)
        bad = optional_text(PySequence_Fast_GET_ITEM(list, i), a, &texts[i], w,
                            "expected a list of str or None");
      out->type = OLV_ARG_TEXT_LIST;
      out->items = texts;
      out->count = (size_t)n;
    }
    Py_DECREF(list);
    return bad ? -1 : 0;
  }
  return fail(PyExc_TypeError, w, "expected str, int, bool, None or a list", o);
}

static int args_of(const olv_export* row, PyObject* const* items, size_t n, Arena* a,
                   olv_arg* out) {
  for (size_t i = 0; i < n; ++i) {
    int kind = i < row->param_count ? row->params[i] : OLV_PARAM_TEXT;
    Where w = {row->name, i + 1};
    if (arg_of(items[i], kind, a, &out[i], w)) return -1;
  }
  return 0;
}

static PyObject* text_object(const char16_t* units, size_t length) {
  if (!units) Py_RETURN_NONE;
  int order = -1; /* little-endian */
  return PyUnicode_DecodeUTF16((const char*)units, (Py_ssize_t)(length * 2), "surrogatepass",
                               &order);
}

static PyObject* raise_outcome(const olv_export* row, const olv_outcome* o) {
  PyObject* type = o->error == OLV_ERROR_VALUE    ? PyExc_ValueError
                   : o->error == OLV_ERROR_FAILED ? service_error
                                                  : PyExc_TypeError;
  PyErr_Format(type, "%s: %s", row ? row->name : "olvenir_p", o->message ? o->message : "");
  return NULL;
}

static PyObject* answer_of(const olv_export* row, olv_outcome* o) {
  if (!o) return PyErr_NoMemory();
  if (o->error != OLV_OK) return raise_outcome(row, o);
  PyObject* answer;
  switch (o->result) {
    case OLV_RESULT_VOID:
      answer = Py_NewRef(Py_None);
      break;
    case OLV_RESULT_BOOL:
      answer = PyBool_FromLong(o->number != 0);
      break;
    case OLV_RESULT_DOUBLE:
      answer = PyFloat_FromDouble(o->real);
      break;
    case OLV_RESULT_TEXT:
    case OLV_RESULT_OWNED_TEXT:
    case OLV_RESULT_STRING:
      answer = text_object(o->text, o->length);
      break;
    case OLV_RESULT_POINTER:
      answer = Py_NewRef(o->null_pointer ? Py_None : Py_True);
      break;
    default:
      answer = PyLong_FromLongLong(o->number);
  }
  if (!answer || o->out_count == 0) return answer;
  PyObject* outs = PyDict_New();
  for (size_t i = 0; outs && i < o->out_count; ++i) {
    const olv_out* out = &o->outs[i];
    PyObject* key = PyLong_FromSize_t(out->position);
    PyObject* value =
        out->is_text ? text_object(out->text, out->length) : PyLong_FromLongLong(out->number);
    if (!key || !value || PyDict_SetItem(outs, key, value)) Py_CLEAR(outs);
    Py_XDECREF(key);
    Py_XDECREF(value);
  }
  PyObject* pair = outs ? PyTuple_Pack(2, answer, outs) : NULL;
  Py_DECREF(answer);
  Py_XDECREF(outs);
  return pair;
}

#define SMALL_ARGS 8

static PyObject* call_row(const olv_export* row, PyObject* const* args, Py_ssize_t n) {
  olv_arg small[SMALL_ARGS];
  olv_arg* converted = small;
  Arena arena;
  arena_init(&arena);
  if (n > SMALL_ARGS && !(converted = arena_alloc(&arena, sizeof(olv_arg) * (size_t)n)))
    return NULL;
  PyObject* result = NULL;
  int64_t answer;
  if (args_of(row, args, (size_t)n, &arena, converted)) {
    /* the error is set */
  } else if ((row->result == OLV_RESULT_INT || row->result == OLV_RESULT_BOOL) &&
             olv_call_direct(row, converted, (size_t)n, &answer)) {
    result =
        row->result == OLV_RESULT_BOOL ? PyBool_FromLong(answer != 0) : PyLong_FromLongLong(answer);
  } else {
    olv_outcome* o = olv_call(row, converted, (size_t)n);
    result = answer_of(row, o);
    olv_outcome_free(o);
  }
  arena_free(&arena);
  return result;
}

static const olv_export* row_named(PyObject* name) {
  if (!PyUnicode_Check(name)) {
    PyErr_Format(PyExc_TypeError, "an export's name is a str, got %s", Py_TYPE(name)->tp_name);
    return NULL;
  }
  const char* utf8 = PyUnicode_AsUTF8(name);
  if (!utf8) return NULL;
  const olv_export* row = olv_find_export(utf8);
  if (!row) PyErr_Format(PyExc_ValueError, "no export named %R", name);
  return row;
}

/* call(name, *args) */
static PyObject* py_call(PyObject* self, PyObject* const* args, Py_ssize_t n) {
  (void)self;
  if (n < 1) {
    PyErr_SetString(PyExc_TypeError, "call() needs the export's name");
    return NULL;
  }
  const olv_export* row = row_named(args[0]);
  return row ? call_row(row, args + 1, n - 1) : NULL;
}

/* The body of every named function; `self` holds the row's index. */
static PyObject* py_named(PyObject* self, PyObject* const* args, Py_ssize_t n) {
  return call_row(olv_export_at(PyLong_AsSize_t(self)), args, n);
}

/* _bind(index, name, doc): the named function of one row. */
static PyObject* py_bind(PyObject* self, PyObject* args) {
  (void)self;
  Py_ssize_t index;
  PyObject *name, *doc;
  if (!PyArg_ParseTuple(args, "nUU", &index, &name, &doc)) return NULL;
  if (!olv_export_at((size_t)index)) {
    PyErr_SetString(PyExc_IndexError, "no such row");
    return NULL;
  }
  /* The definition lives as long as the function; the names and docs are kept by the module. */
  PyMethodDef* def = PyMem_Calloc(1, sizeof(PyMethodDef));
  if (!def) return PyErr_NoMemory();
  Py_INCREF(name);
  Py_INCREF(doc);
  def->ml_name = PyUnicode_AsUTF8(name);
  def->ml_doc = PyUnicode_AsUTF8(doc);
  def->ml_meth = (PyCFunction)(void (*)(void))py_named;
  def->ml_flags = METH_FASTCALL;
  PyObject* i = PyLong_FromSsize_t(index);
  PyObject* module_name = PyUnicode_FromString("olvenir_p");
  PyObject* f = i && module_name ? PyCFunction_NewEx(def, i, module_name) : NULL;
  Py_XDECREF(i);
  Py_XDECREF(module_name);
  return f;
}

/* Answers of many rows: the C face's batch where every answer is a number, else one call each. */
static PyObject* answers_of(const olv_export* row, PyObject* rows, PyObject* fixed,
                            Py_ssize_t column) {
  /* Tuples own their items while the batch runs without the interpreter's lock. */
  PyObject* seq = PyTuple_Check(rows) ? Py_NewRef(rows) : PySequence_Tuple(rows);
  if (!seq) return NULL;
  Py_ssize_t n = PySequence_Fast_GET_SIZE(seq);
  PyObject* result = PyList_New(n);
  int numbers = row->result == OLV_RESULT_INT || row->result == OLV_RESULT_BOOL;
  for (size_t i = 0; i < row->param_count; ++i)
    if (row->params[i] == OLV_PARAM_INT_OUT) numbers = 0;
  Py_ssize_t width = fixed ? PyTuple_GET_SIZE(fixed) + 1 : -1;
  const Py_ssize_t chunk = 4096;
  Arena arena;
  arena_init(&arena);
  PyObject* keep = NULL; /* the rows of a chunk, as tuples */
  olv_arg* converted = NULL;
  int64_t* answers = NULL;
  for (Py_ssize_t start = 0; result && start < n; start += chunk) {
    Py_ssize_t end = start + chunk < n ? start + chunk : n;
    Py_ssize_t used = 0; /* the width of every row, which the batch needs alike */
    arena_free(&arena);
    Py_XSETREF(keep, PyList_New(0));
    if (!keep) Py_CLEAR(result);
    for (Py_ssize_t r = start; result && r < end; ++r) {
      PyObject* item = PySequence_Fast_GET_ITEM(seq, r);
      PyObject* const* items;
      Py_ssize_t k;
      PyObject* built[SMALL_ARGS * 4];
      if (fixed) {
        if (width > (Py_ssize_t)(sizeof built / sizeof built[0])) {
          PyErr_SetString(PyExc_ValueError, "too many fixed arguments");
          Py_CLEAR(result);
          break;
        }
        for (Py_ssize_t j = 0, f = 0; j < width; ++j)
          built[j] = j == column ? item : PyTuple_GET_ITEM(fixed, f++);
        items = built;
        k = width;
      } else {
        PyObject* row_tuple = PyTuple_Check(item) ? Py_NewRef(item) : PySequence_Tuple(item);
        if (!row_tuple || PyList_Append(keep, row_tuple)) {
          Py_XDECREF(row_tuple);
          Py_CLEAR(result);
          break;
        }
        Py_DECREF(row_tuple);
        items = PySequence_Fast_ITEMS(row_tuple);
        k = PyTuple_GET_SIZE(row_tuple);
      }
      if (!numbers || (used && k != used)) {
        PyObject* answer = call_row(row, items, k);
        if (!answer) {
          Py_CLEAR(result);
          break;
        }
        PyList_SET_ITEM(result, r, answer);
        continue;
      }
      if (!used) {
        used = k;
        converted = arena_alloc(&arena, sizeof(olv_arg) * (size_t)(used ? used : 1) * chunk);
        answers = arena_alloc(&arena, sizeof(int64_t) * chunk);
        if (!converted || !answers) {
          Py_CLEAR(result);
          break;
        }
      }
      if (args_of(row, items, (size_t)k, &arena, converted + (r - start) * used)) Py_CLEAR(result);
    }
    if (!result || !numbers || !used) continue;
    olv_outcome* o;
    Py_BEGIN_ALLOW_THREADS o =
        olv_call_many(row, converted, (size_t)used, (size_t)(end - start), answers);
    Py_END_ALLOW_THREADS if (o) {
      PyErr_Format(o->error == OLV_ERROR_VALUE    ? PyExc_ValueError
                   : o->error == OLV_ERROR_FAILED ? service_error
                                                  : PyExc_TypeError,
                   "%s: row %zd: %s", row->name, start + (Py_ssize_t)o->row + 1,
                   o->message ? o->message : "");
      olv_outcome_free(o);
      Py_CLEAR(result);
      break;
    }
    for (Py_ssize_t r = start; r < end; ++r) {
      PyObject* v = row->result == OLV_RESULT_BOOL ? PyBool_FromLong(answers[r - start] != 0)
                                                   : PyLong_FromLongLong(answers[r - start]);
      if (!v) {
        Py_CLEAR(result);
        break;
      }
      PyList_SET_ITEM(result, r, v);
    }
  }
  Py_XDECREF(keep);
  arena_free(&arena);
  Py_DECREF(seq);
  return result;
}

/* check_many(name, rows) */
static PyObject* py_check_many(PyObject* self, PyObject* const* args, Py_ssize_t n) {
  (void)self;
  if (n != 2) {
    PyErr_SetString(PyExc_TypeError, "check_many(name, rows)");
    return NULL;
  }
  const olv_export* row = row_named(args[0]);
  return row ? answers_of(row, args[1], NULL, 0) : NULL;
}

/* _check_column(name, values, fixed, column) */
static PyObject* py_check_column(PyObject* self, PyObject* const* args, Py_ssize_t n) {
  (void)self;
  if (n != 4 || !PyTuple_Check(args[2])) {
    PyErr_SetString(PyExc_TypeError, "_check_column(name, values, fixed, column)");
    return NULL;
  }
  const olv_export* row = row_named(args[0]);
  Py_ssize_t column = PyLong_AsSsize_t(args[3]);
  if (!row || (column == -1 && PyErr_Occurred())) return NULL;
  return answers_of(row, args[1], args[2], column);
}

static PyObject* int_list(const int64_t* v, size_t n) {
  PyObject* list = PyList_New((Py_ssize_t)n);
  for (size_t i = 0; list && i < n; ++i) {
    PyObject* x = v[i] == OLV_ANY_RESULT ? PyUnicode_FromString("any")
                  : v[i] == OLV_ANY_CODE ? PyUnicode_FromString("any code")
                                         : PyLong_FromLongLong(v[i]);
    if (!x)
      Py_CLEAR(list);
    else
      PyList_SET_ITEM(list, (Py_ssize_t)i, x);
  }
  return list;
}

/* _rows(): per row (name, symbol, kind, [parameter kinds], variadic, result kind, [results],
 * same_as) */
static PyObject* py_rows(PyObject* self, PyObject* unused) {
  (void)self;
  (void)unused;
  static const char* const results[] = {"void", "int", "bool", "float",
                                        "str",  "str", "str",  "pointer"};
  static const char* const kinds[] = {"plain", "decorated", "rule", "fixed", "fixed", "same"};
  size_t n = olv_export_count();
  PyObject* list = PyList_New((Py_ssize_t)n);
  for (size_t i = 0; list && i < n; ++i) {
    const olv_export* e = olv_export_at(i);
    PyObject* params = PyList_New((Py_ssize_t)e->param_count);
    for (size_t k = 0; params && k < e->param_count; ++k)
      PyList_SET_ITEM(params, (Py_ssize_t)k,
                      PyUnicode_FromString(olv_param_kind_name(e->params[k])));
    PyObject* codes = int_list(e->results, e->result_count);
    PyObject* t = params && codes ? Py_BuildValue("(sssOOsOz)", e->name, e->symbol, kinds[e->kind],
                                                  params, e->variadic ? Py_True : Py_False,
                                                  results[e->result], codes, e->same_as)
                                  : NULL;
    Py_XDECREF(params);
    Py_XDECREF(codes);
    if (!t)
      Py_CLEAR(list);
    else
      PyList_SET_ITEM(list, (Py_ssize_t)i, t);
  }
  return list;
}

/* use_dictionary(source): a database path, "sample" or None. */
static PyObject* py_use_dictionary(PyObject* self, PyObject* source) {
  (void)self;
  const char* s = NULL;
  if (source != Py_None) {
    if (!PyUnicode_Check(source) && !PyObject_CheckBuffer(source)) {
      PyObject* path = PyOS_FSPath(source);
      if (!path) return NULL;
      PyObject* r = py_use_dictionary(self, path);
      Py_DECREF(path);
      return r;
    }
    if (!PyUnicode_Check(source)) {
      PyErr_SetString(PyExc_TypeError, "use_dictionary: source is a path, 'sample' or None");
      return NULL;
    }
    s = PyUnicode_AsUTF8(source);
    if (!s) return NULL;
  }
  char* error = NULL;
  int failed;
  Py_BEGIN_ALLOW_THREADS failed = olvpy_use_dictionary(s, &error);
  Py_END_ALLOW_THREADS if (failed) {
    PyErr_Format(service_error, "use_dictionary: %s", error ? error : "failed");
    olv_free(error);
    return NULL;
  }
  Py_RETURN_NONE;
}

static PyMethodDef methods[] = {
    {"call", (PyCFunction)(void (*)(void))py_call, METH_FASTCALL,
     "call(name, *args): calls an export by its name or symbol."},
    {"check_many", (PyCFunction)(void (*)(void))py_check_many, METH_FASTCALL,
     "check_many(name, rows): one export over many argument rows; the answers in order."},
    {"_check_column", (PyCFunction)(void (*)(void))py_check_column, METH_FASTCALL, NULL},
    {"_bind", py_bind, METH_VARARGS, NULL},
    {"_rows", py_rows, METH_NOARGS, NULL},
    {"use_dictionary", py_use_dictionary, METH_O,
     "use_dictionary(source): a database path, 'sample' or None."},
    {NULL, NULL, 0, NULL}};

static struct PyModuleDef module = {
    PyModuleDef_HEAD_INIT, "olvenir_p._native", NULL, -1, methods, NULL, NULL, NULL, NULL};

PyMODINIT_FUNC PyInit__native(void) {
  PyObject* m = PyModule_Create(&module);
  if (!m) return NULL;
  service_error = PyErr_NewExceptionWithDoc("olvenir_p.ServiceError",
                                            "A failure of the dictionary service.", NULL, NULL);
  if (!service_error || PyModule_AddObjectRef(m, "ServiceError", service_error) ||
      PyModule_AddStringConstant(m, "C_VERSION", OLVENIR_P_C_VERSION)) {
    Py_DECREF(m);
    return NULL;
  }
  return m;
}
