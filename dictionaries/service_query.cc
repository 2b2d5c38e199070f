// One query of the dictionary service: initialise, create, one operation, release, uninitialise.
#include "dictionaries/service_query.h"

#include <cstdio>
#include <string>

#include "olvenir_p/runtime.h"
#include "platform/com.h"
#include "platform/runtime_names.h"
#include "platform/utf8.h"

namespace olv {
namespace {

// Throws the failure with the description the service left on this thread, if any.
[[noreturn]] void throw_failure(HRESULT hr) {
  std::u16string description;
  if (BSTR info = com::take_error_info()) {
    description.assign(info, com::string_length(info));
    com::free_string(info);
  }
  char code[40];
  std::snprintf(code, sizeof code, "dictionary service failure 0x%08X", static_cast<uint32_t>(hr));
  std::string message = description.empty() ? code : utf8_of(description);
  throw olvenir_p::ServiceError(hr, std::move(description), std::move(message));
}

void check(HRESULT hr) {
  if (FAILED(hr)) throw_failure(hr);
}

// The copy of an argument text handed to the service.
OwnedString copy_of(Text t) { return OwnedString(string_copy(t)); }

// The scope of one query: the thread's initialisation and the service instance, both undone
// when the scope ends, whether by return or by exception.
class Query {
 public:
  Query() {
    com::initialize();
    // Error information left by an earlier call must not describe this query's failure.
    com::clear_error_info();
    void* object = nullptr;
    if (SUCCEEDED(com::create_instance(CLSID_OlvenirDictionaryService,
                                       IID_IOlvenirDictionaryService, &object))) {
      service_ = static_cast<IOlvenirDictionaryService*>(object);
    }
  }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;
  ~Query() {
    if (service_) service_->Release();
    com::uninitialize();
  }
  // Null when the service could not be created.
  IOlvenirDictionaryService* service() const { return service_; }

 private:
  IOlvenirDictionaryService* service_ = nullptr;
};

// A new automation string of the library's own, up to the text's first null unit.
BSTR own_copy(const char16_t* text) {
  BSTR copy = com::alloc_string(text);
  if (!copy) throw_failure(E_OUTOFMEMORY);
  return copy;
}

// The answer of a lookup that left `found`: the library's own copy of it, null for null. The
// service's string is released, and a failure thrown, either way.
BSTR lookup_answer(HRESULT hr, BSTR found) {
  OwnedString value(found);
  check(hr);
  return value ? own_copy(value.get()) : nullptr;
}

}  // namespace

BSTR string_copy(Text t) {
  if (is_null(t)) return nullptr;
  BSTR s = t.size() > UINT32_MAX ? nullptr
                                 : com::alloc_string(t.data(), static_cast<uint32_t>(t.size()));
  if (!s) throw_failure(E_OUTOFMEMORY);
  return s;
}

int32_t service_rule_check(Text field) {
  Query query;
  if (!query.service()) return -1;
  OwnedString arg = copy_of(field);
  int64_t result = 0;
  check(query.service()->CheckRule(arg.get(), &result));
  return static_cast<int32_t>(result);
}

int32_t service_rule_check(Text first, Text second) {
  Query query;
  if (!query.service()) return -1;
  OwnedString a = copy_of(first);
  OwnedString b = copy_of(second);
  int64_t result = 0;
  check(query.service()->CheckRulePair(a.get(), b.get(), &result));
  return static_cast<int32_t>(result);
}

bool service_code_check(int32_t number, Text code, int32_t dictionary_date) {
  Query query;
  if (!query.service()) return true;
  OwnedString arg = copy_of(code);
  int16_t valid = 0;
  check(query.service()->CheckCode(number, arg.get(), dictionary_date, &valid));
  return valid != 0;
}

BSTR service_lookup(Text dictionary, Text key_column, Text key, Text column) {
  Query query;
  if (!query.service()) return own_copy(u"-1");
  OwnedString d = copy_of(dictionary);
  OwnedString kc = copy_of(key_column);
  OwnedString k = copy_of(key);
  OwnedString c = copy_of(column);
  BSTR found = nullptr;
  const HRESULT hr = query.service()->LookupValue(d.get(), kc.get(), k.get(), c.get(), &found);
  return lookup_answer(hr, found);
}

BSTR service_lookup_where(Text dictionary, stWarunekY* conditions, int32_t count, Text column) {
  Query query;
  if (!query.service()) return own_copy(u"-1");
  OwnedString d = copy_of(dictionary);
  OwnedString c = copy_of(column);
  BSTR found = nullptr;
  const HRESULT hr = query.service()->LookupValueWhere(d.get(), conditions, count, c.get(), &found);
  return lookup_answer(hr, found);
}

}  // namespace olv
