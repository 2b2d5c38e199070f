// The service DLL's class entry points on Windows: its class factory, and whether it may be
// unloaded.
#include "service/com_server.h"

#include <memory>
#include <mutex>

#include "platform/runtime_names.h"
#include "service/dictionary_service.h"

namespace {

// The database stays open while the DLL is loaded, shared by every factory the system asks for;
// a database that could not be opened is tried again at the next creation.
std::shared_ptr<olv::service::SqliteDictionary> module_dictionary() {
  static std::mutex mutex;
  static std::shared_ptr<olv::service::SqliteDictionary> dictionary;
  std::lock_guard<std::mutex> lock(mutex);
  if (!dictionary) {
    dictionary = olv::service::SqliteDictionary::open_file(olv::service::module_database_path());
  }
  return dictionary;
}

}  // namespace

// Writes the `iid` interface of a new factory of the dictionary class.
extern "C" HRESULT OLVENIR_P_COM_CALL DllGetClassObject(const CLSID* clsid, const IID* iid,
                                                        void** object) {
  if (!object || !clsid || !iid) return E_POINTER;
  *object = nullptr;
  if (*clsid != CLSID_OlvenirDictionaryService) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory* factory = olv::service::new_dictionary_factory(&module_dictionary);
  HRESULT hr = factory->QueryInterface(*iid, object);
  factory->Release();
  return hr;
}

// S_OK once no instance or factory is alive and no server lock is held.
extern "C" HRESULT OLVENIR_P_COM_CALL DllCanUnloadNow() {
  return olv::service::objects_alive() ? S_FALSE : S_OK;
}
