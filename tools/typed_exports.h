// The exports as the checker calls them: the rows of the call layer under the checker's names.
#pragma once

#include <span>
#include <string_view>

#include "calls/calls.h"

namespace olv {

using TypedExport = Export;

inline std::span<const TypedExport> typed_exports() { return exports(); }

// The row of a symbol, or else the first row of a name; null when none.
inline const TypedExport* find_typed_export(std::string_view name_or_symbol) {
  return find_export(name_or_symbol);
}

// A row's own entry in the table: the rows and their typed calls are one table now.
inline const Export& registry_row(const TypedExport& row) { return row; }

// The kind of argument i of a row, as a caller supplies it (texts past the fixed parameters of
// a variable list).
inline ParamKind param_kind_at(const TypedExport& row, std::size_t i) {
  return i < row.params.size() ? row.params[i] : ParamKind::kText;
}

}  // namespace olv
