// The name the Windows C++ compiler gives a free function, from its declared types as the
// exports table writes them.
#pragma once

#include <string>
#include <string_view>

namespace olv {

// `result` and `params` are the table's spellings ("char16_t*", "(short, char16_t*, int)"). The
// table's char16_t is the declared wchar_t and its int32_t the declared long; any other name is a
// struct. Empty when a type has no decoration here.
std::string msvc_name(std::string_view name, std::string_view result, std::string_view params,
                      bool is64);

}  // namespace olv
