// The dictionary service of the Python package: the embedded sample, the user's database, or none.
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "olvenir_p.h"
#include "service/dictionary_service.h"
#include "service/sample_dictionary.h"

// Replaces the registered service with one over `source` ("sample" or a database path); null
// leaves none. Nonzero with a message the caller frees when the database cannot be opened.
extern "C" int olvpy_use_dictionary(const char* source, char** error) {
  using olv::service::SqliteDictionary;
  try {
    std::shared_ptr<SqliteDictionary> dictionary;
    if (source && std::strcmp(source, "sample") == 0)
      dictionary = SqliteDictionary::from_sql(olv::service::kSampleDictionarySql);
    else if (source)
      dictionary = SqliteDictionary::open_file(source);
    olvenir_RevokeClass(&CLSID_OlvenirDictionaryService);
    if (!dictionary) return 0;
    IClassFactory* factory = olv::service::new_dictionary_factory(std::move(dictionary));
    olvenir_RegisterClassFactory(&CLSID_OlvenirDictionaryService, factory);
    factory->Release();
    return 0;
  } catch (const std::exception& e) {
    *error = static_cast<char*>(std::malloc(std::strlen(e.what()) + 1));
    if (*error) std::strcpy(*error, e.what());
    return 1;
  }
}
