// Fuzzes every export. The input starts with a name ended by a null byte: the export of that
// name, or else a row picked by the name's hash; the rest builds the arguments. Naming the row
// keeps a seed aimed at its export while rows are added to the table.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "calls/calls.h"
#include "fuzz/export_calls.h"
#include "fuzz/fuzz_source.h"

namespace {

// The rows the harness calls.
const std::vector<std::size_t>& callable_rows() {
  static const std::vector<std::size_t> rows = [] {
    const auto callers = olv::harness::row_callers();
    std::vector<std::size_t> out;
    for (std::size_t i = 0; i < callers.size(); ++i) {
      if (callers[i].supported) out.push_back(i);
    }
    return out;
  }();
  return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const auto& rows = callable_rows();
  if (rows.empty()) return 0;
  olv::harness::FuzzSource source(data, size);
  std::string name;
  for (unsigned b = source.byte(); b != 0 && name.size() < 64; b = source.byte()) name += char(b);
  std::size_t index = rows[std::hash<std::string>{}(name) % rows.size()];
  if (const olv::Export* named = olv::find_export(name)) {
    const auto at = static_cast<std::size_t>(named - olv::exports().data());
    if (olv::harness::row_callers()[at].supported) index = at;
  }
  const olv::Export& row = olv::exports()[index];
  const auto calls = olv::harness::row_callers()[index].prepare(row, source, 1);
  olv::harness::check_result(row, *calls, calls->run(0));
  return 0;
}
