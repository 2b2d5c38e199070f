// A source of arguments that reads the fuzzer's input: each pick consumes a few bytes and an
// exhausted input reads as zeros.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "fuzz/export_calls.h"

namespace olv::harness {

class FuzzSource final : public Source {
 public:
  FuzzSource(const uint8_t* data, std::size_t size) : rest_(data, size) {}

  unsigned byte();
  char16_t unit() { return static_cast<char16_t>(byte() | byte() << 8); }

 protected:
  Pick pick_text() override;
  int64_t pick_number() override;
  int pick_list_length() override { return static_cast<int>(byte() % (kMaxListTexts + 1)); }

 private:
  std::u16string_view sample();

  std::span<const uint8_t> rest_;
  std::u16string scratch_;
};

// Stops the process with a message when a row gives a result it may not give.
void check_result(const Export& row, const Calls& calls, int64_t result);

}  // namespace olv::harness
