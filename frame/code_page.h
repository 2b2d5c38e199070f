// The process-wide code-page setting that selects the Polish letter classes.
#pragma once

#include <atomic>
#include <cstdint>

namespace olv {

// 0 selects ISO 8859-2, 1 Windows-1250; any other value is stored and matches no letter.
// Read and written without a lock: relaxed atomics keep a concurrent change race-free.
extern std::atomic<int32_t> code_page_setting;

inline int32_t code_page() { return code_page_setting.load(std::memory_order_relaxed); }

}  // namespace olv
