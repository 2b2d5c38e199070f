// The benchmark families, registered at start-up from the exports table.
#pragma once

namespace olv::bench {

void register_export_benchmarks();
void register_hot_benchmarks();
void register_pair_benchmarks();
// The checker's batch and the SQLite service; present when the tools are built.
void register_tools_benchmarks();

}  // namespace olv::bench
