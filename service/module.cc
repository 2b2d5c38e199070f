// The entry point of the service's shared object: the factory of the dictionary class, over
// the database named by OLVENIR_DICTIONARY_DB or else olvenir_dictionary.db beside the object.
#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "platform/runtime_names.h"
#include "service/dictionary_service.h"

namespace {

std::string database_path() {
  if (const char* path = std::getenv("OLVENIR_DICTIONARY_DB"); path && *path) return path;
  Dl_info info{};
  std::string self;
  if (dladdr(reinterpret_cast<void*>(&database_path), &info) && info.dli_fname) {
    self = info.dli_fname;
  }
  std::size_t slash = self.rfind('/');
  return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) +
         "/olvenir_dictionary.db";
}

}  // namespace

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(const CLSID* clsid,
                                                                            const IID* iid,
                                                                            void** object) {
  if (!object || !clsid || !iid) return E_POINTER;
  *object = nullptr;
  if (*clsid != CLSID_OlvenirDictionaryService) return CLASS_E_CLASSNOTAVAILABLE;
  // One factory for the life of the process; the runtime keeps the object loaded.
  static IClassFactory* const factory = olv::service::new_dictionary_factory(
      [] { return olv::service::SqliteDictionary::open_file(database_path()); });
  return factory->QueryInterface(*iid, object);
}
