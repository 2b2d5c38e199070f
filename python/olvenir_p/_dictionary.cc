// The dictionary service of the Python package: the embedded sample, the user's database, or none.
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "olvenir_p.h"
#include "service/dictionary_service.h"

// Replaces the registered service with one over `source` ("sample" or a database path); null
// leaves none. Nonzero with a message the caller frees when the database cannot be opened.
extern "C" int olvpy_use_dictionary(const char* source, char** error) {
  try {
    olv::service::register_dictionary(source ? olv::service::dictionary_named(source) : nullptr);
    return 0;
  } catch (const std::exception& e) {
    *error = static_cast<char*>(std::malloc(std::strlen(e.what()) + 1));
    if (*error) std::strcpy(*error, e.what());
    return 1;
  }
}
