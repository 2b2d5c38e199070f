// Every row of the exports table as a typed call, in the order of the table.
#pragma once

#include <span>
#include <string_view>

#include "exports/registry.h"
#include "exports/typed_call.h"

namespace olv {

// All rows; typed_exports()[i] is the typed form of exports()[i].
std::span<const TypedExport> typed_exports();

// The row of a symbol, or else the first row of a name; null when none.
const TypedExport* find_typed_export(std::string_view name_or_symbol);

// The registry row of a typed row (its kind, its listed results).
const Export& registry_row(const TypedExport& row);

// The registry row whose results decide what a row's answers mean: a name that shares another
// export's function answers as that export.
const Export& answering_row(const TypedExport& row);

// The parameter kind's name as the checker shows it.
const char* kind_name(ParamKind kind);

}  // namespace olv
