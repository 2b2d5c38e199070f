// The benchmark families, registered at start-up from the exports table.
#pragma once

namespace olv::bench {

void register_export_benchmarks();
void register_hot_benchmarks();

}  // namespace olv::bench
