// The service DLL on Windows comes in two halves: the class's entry points (com_server.cc) over
// the library's declarations, and registration and paths (com_registration.cc) over the
// system's headers, which define some of the same names as macros.
#pragma once

#include <string>

namespace olv::service {

// The database the DLL serves, in UTF-8: OLVENIR_DICTIONARY_DB when it is set and not empty,
// else olvenir_dictionary.db in the DLL's own folder.
std::string module_database_path();

}  // namespace olv::service
