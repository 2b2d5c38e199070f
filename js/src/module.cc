// The WebAssembly module's own entry points: the dictionary it answers from, the catalogue's
// texts, the heap in use, and a check that the records JavaScript writes are laid out as read.
#include <malloc.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "olvenir_p.h"
#include "olvenir_p_c.h"
#include "service/dictionary_service.h"
#include "service/runtime_access.h"
#include "tools/messages.h"

// JavaScript writes and reads these records by byte offset (wasm32: 4-byte pointers).
static_assert(sizeof(olv_text) == 8);
static_assert(sizeof(olv_arg) == 32 && offsetof(olv_arg, number) == 8 &&
              offsetof(olv_arg, text) == 16 && offsetof(olv_arg, items) == 24 &&
              offsetof(olv_arg, count) == 28);
static_assert(sizeof(olv_condition) == 20 && offsetof(olv_condition, op) == 8 &&
              offsetof(olv_condition, value) == 12);
static_assert(sizeof(olv_code_entry) == 24 && offsetof(olv_code_entry, valid_from) == 8 &&
              offsetof(olv_code_entry, valid_to) == 12 &&
              offsetof(olv_code_entry, alternative) == 16);
static_assert(sizeof(olv_code_group) == 16 && offsetof(olv_code_group, children) == 8);
static_assert(sizeof(olv_out) == 24 && offsetof(olv_out, number) == 8 &&
              offsetof(olv_out, text) == 16 && offsetof(olv_out, length) == 20);
static_assert(offsetof(olv_outcome, message) == 4 && offsetof(olv_outcome, result) == 8 &&
              offsetof(olv_outcome, number) == 16 && offsetof(olv_outcome, real) == 24 &&
              offsetof(olv_outcome, text) == 32 && offsetof(olv_outcome, length) == 36 &&
              offsetof(olv_outcome, null_pointer) == 40 && offsetof(olv_outcome, outs) == 44 &&
              offsetof(olv_outcome, out_count) == 48 && offsetof(olv_outcome, row) == 52);
static_assert(sizeof(olv_export) == 40 && offsetof(olv_export, params) == 12 &&
              offsetof(olv_export, results) == 28 && offsetof(olv_export, same_as) == 36);

namespace {

char* copy_of(const std::string& s) {
  char* p = static_cast<char*>(std::malloc(s.size() + 1));
  if (p) std::memcpy(p, s.c_str(), s.size() + 1);
  return p;
}

}  // namespace

extern "C" {

// Replaces the registered service with one over `source` ("sample" or a database file in the
// module's file system); null leaves none. Null on success, else a message the caller frees.
// The sample is built from its SQL on the first dictionary query, not here: building it is most
// of a first load's time, and most pages never ask the dictionary.
char* olvjs_use_dictionary(const char* source) {
  try {
    if (source && std::strcmp(source, "sample") == 0) {
      olv::service::revoke_factory();
      olvenir_p::IClassFactory* factory = olv::service::new_dictionary_factory(
          [] { return olv::service::dictionary_named("sample"); });
      olv::service::register_factory(factory);
      factory->Release();
      return nullptr;
    }
    olv::service::register_dictionary(source ? olv::service::dictionary_named(source) : nullptr);
    return nullptr;
  } catch (const std::exception& e) {
    return copy_of(e.what());
  }
}

// A finding's text in English (0) or Polish (1), UTF-8, freed by the caller; null when the code
// is not one of the library's.
char* olvjs_explain(int32_t code, int polish) {
  std::string text =
      olv::explain_code(code, polish ? olv::Language::kPolish : olv::Language::kEnglish);
  return text.empty() ? nullptr : copy_of(text);
}

// Calls `row` once per value of a column of texts: the value goes into args[column] (the other
// arguments are the fixed ones, written once), its units at units + starts[i], `lengths[i]` of
// them before a terminator, or a null text when that is negative. Each answer is written to
// answers[i] as olv_call_many writes it. Null when every value was called; else the failing
// value's outcome, its `row` set, freed by olv_outcome_free.
olv_outcome* olvjs_check_column(const olv_export* row, olv_arg* args, size_t arg_count,
                                size_t column, const char16_t* units, const uint32_t* starts,
                                const int32_t* lengths, size_t count, int64_t* answers) {
  olv_arg& value = args[column];
  for (size_t i = 0; i < count; ++i) {
    if (lengths[i] < 0) {
      value.type = OLV_ARG_NULL;
      value.text = {nullptr, 0};
    } else {
      value.type = OLV_ARG_TEXT;
      value.text = {units + starts[i], static_cast<size_t>(lengths[i])};
    }
    if (olv_call_direct(row, args, arg_count, &answers[i])) continue;
    if (olv_outcome* o = olv_call_many(row, args, arg_count, 1, &answers[i])) {
      o->row = i;
      return o;
    }
  }
  return nullptr;
}

// Bytes the module's allocator has handed out and not taken back.
size_t olvjs_heap_in_use() { return mallinfo().uordblks; }

}  // extern "C"
