// The service's instances and factory. Every operation turns a failure into an HRESULT with
// the thread's error information set, so nothing is thrown across the interface.
#include "service/dictionary_service.h"

#include <atomic>
#include <mutex>
#include <new>
#include <vector>

#include "platform/runtime_names.h"
#include "service/runtime_access.h"
#include "service/sample_dictionary.h"

namespace olv::service {
namespace {

// A text as the library passes it; a null string is the empty text. The terminator is used,
// not the length prefix, so that a host's plain text in a condition is read safely too.
std::u16string_view view(BSTR b) { return b ? std::u16string_view(b) : std::u16string_view(); }

HRESULT failure(HRESULT hr, const std::string& message) {
  std::u16string description(message.begin(), message.end());
  set_error_description(description.c_str());
  return hr;
}

// Runs an operation, turning what it throws into a failure HRESULT with its description.
template <typename F>
HRESULT guarded(F&& operation) {
  try {
    return operation();
  } catch (const DictionaryError& e) {
    return failure(e.bad_request() ? E_INVALIDARG : E_FAIL, e.what());
  } catch (const std::bad_alloc&) {
    return failure(E_OUTOFMEMORY, "out of memory");
  } catch (const std::exception& e) {
    return failure(E_FAIL, e.what());
  }
}

HRESULT answer_text(const std::optional<std::u16string>& text, BSTR* value) {
  const std::u16string& t = text ? *text : std::u16string();
  *value = new_automation_string(t.data(), static_cast<uint32_t>(t.size()));
  return *value ? S_OK : failure(E_OUTOFMEMORY, "out of memory");
}

// The instances and factories alive, and the server locks held: a DLL that serves the class may
// be unloaded only when none is left.
std::atomic<long> live_objects{0};

// IUnknown for one interface: its identity, and a reference count that deletes the object at
// the last release.
template <typename Interface, const IID* kInterface>
class Unknown : public Interface {
 public:
  Unknown() { ++live_objects; }
  Unknown(const Unknown&) = delete;
  Unknown& operator=(const Unknown&) = delete;

  HRESULT OLVENIR_P_COM_CALL QueryInterface(const IID& iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == *kInterface) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  uint32_t OLVENIR_P_COM_CALL AddRef() override { return ++references_; }
  uint32_t OLVENIR_P_COM_CALL Release() override {
    uint32_t left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~Unknown() { --live_objects; }

 private:
  std::atomic<uint32_t> references_{1};
};

class DictionaryService final
    : public Unknown<IOlvenirDictionaryService, &IID_IOlvenirDictionaryService> {
 public:
  explicit DictionaryService(std::shared_ptr<SqliteDictionary> d) : dictionary_(std::move(d)) {}

  // The reference service judges no rule: every field passes.
  HRESULT OLVENIR_P_COM_CALL CheckRule(BSTR, int64_t* result) override {
    if (!result) return E_POINTER;
    *result = 0;
    return S_OK;
  }
  HRESULT OLVENIR_P_COM_CALL CheckRulePair(BSTR, BSTR, int64_t* result) override {
    if (!result) return E_POINTER;
    *result = 0;
    return S_OK;
  }

  HRESULT OLVENIR_P_COM_CALL LookupValue(BSTR dictionary, BSTR key_column, BSTR key, BSTR column,
                                         BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    return guarded([&] {
      LookupCondition condition{view(key_column), kEqual, view(key)};
      return answer_text(dictionary_->lookup(view(dictionary), {&condition, 1}, view(column)),
                         value);
    });
  }

  HRESULT OLVENIR_P_COM_CALL LookupValueWhere(BSTR dictionary, stWarunekY* conditions,
                                              int32_t count, BSTR column, BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    if (count < 0) return failure(E_INVALIDARG, "a negative number of conditions");
    if (count > 0 && !conditions) return failure(E_POINTER, "no conditions array");
    return guarded([&] {
      std::vector<LookupCondition> cs;
      for (int32_t i = 0; i < count; ++i) {
        cs.push_back({view(conditions[i].column), conditions[i].op, view(conditions[i].value)});
      }
      return answer_text(dictionary_->lookup(view(dictionary), cs, view(column)), value);
    });
  }

  HRESULT OLVENIR_P_COM_CALL CheckCode(int32_t number, BSTR code, int32_t date,
                                       int16_t* valid) override {
    if (!valid) return E_POINTER;
    *valid = 0;
    return guarded([&] {
      *valid = dictionary_->check_code(number, view(code), date) ? 1 : 0;
      return S_OK;
    });
  }

 private:
  std::shared_ptr<SqliteDictionary> dictionary_;
};

class Factory final : public Unknown<IClassFactory, &IID_IClassFactory> {
 public:
  explicit Factory(DictionaryOpener open) : open_(std::move(open)) {}

  HRESULT OLVENIR_P_COM_CALL CreateInstance(IUnknown* outer, const IID& iid,
                                            void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return guarded([&] {
      auto* service = new DictionaryService(dictionary());
      HRESULT hr = service->QueryInterface(iid, object);
      service->Release();
      return hr;
    });
  }
  HRESULT OLVENIR_P_COM_CALL LockServer(int32_t lock) override {
    lock ? ++live_objects : --live_objects;
    return S_OK;
  }

 private:
  std::shared_ptr<SqliteDictionary> dictionary() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!dictionary_) dictionary_ = open_();
    return dictionary_;
  }

  DictionaryOpener open_;
  std::mutex mutex_;
  std::shared_ptr<SqliteDictionary> dictionary_;
};

}  // namespace

IClassFactory* new_dictionary_factory(DictionaryOpener open) {
  return new Factory(std::move(open));
}

IClassFactory* new_dictionary_factory(std::shared_ptr<SqliteDictionary> dictionary) {
  return new Factory([d = std::move(dictionary)] { return d; });
}

std::shared_ptr<SqliteDictionary> dictionary_named(const std::string& source) {
  if (source == "sample") return SqliteDictionary::from_sql(kSampleDictionarySql);
  return SqliteDictionary::open_file(source);
}

void register_dictionary(std::shared_ptr<SqliteDictionary> dictionary) {
  revoke_factory();
  if (!dictionary) return;
  IClassFactory* factory = new_dictionary_factory(std::move(dictionary));
  register_factory(factory);
  factory->Release();
}

bool objects_alive() { return live_objects.load() != 0; }

}  // namespace olv::service
