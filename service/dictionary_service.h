// The dictionary service as a component: the five operations over a SqliteDictionary, and
// the class factory that makes its instances.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "olvenir_p.h"
#include "platform/runtime_names.h"
#include "service/sqlite_dictionary.h"

namespace olv::service {

// Opens the dictionary a factory serves; throws DictionaryError when it cannot.
using DictionaryOpener = std::function<std::shared_ptr<SqliteDictionary>()>;

// A new class factory (one reference, the caller's) whose instances answer from the dictionary
// that `open` gives; it is opened on the first creation, and a creation fails while it cannot be.
IClassFactory* new_dictionary_factory(DictionaryOpener open);

// The same over a dictionary already open.
IClassFactory* new_dictionary_factory(std::shared_ptr<SqliteDictionary> dictionary);

// The embedded sample dictionary, or a database file: what a host names as "sample" or a path.
// Throws DictionaryError when the file is no dictionary.
std::shared_ptr<SqliteDictionary> dictionary_named(const std::string& source);

// Whether an instance or a factory is alive or a server lock is held.
bool objects_alive();

// Registers, for the whole process, a service over `dictionary` in place of the one registered
// before; null leaves none registered.
void register_dictionary(std::shared_ptr<SqliteDictionary> dictionary);

}  // namespace olv::service
