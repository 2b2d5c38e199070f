// The fuzzers' argument source and result oracle.
#include "fuzz/fuzz_source.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz/samples.h"

namespace olv::harness {

unsigned FuzzSource::byte() {
  if (rest_.empty()) return 0;
  const unsigned b = rest_.front();
  rest_ = rest_.subspan(1);
  return b;
}

std::u16string_view FuzzSource::sample() {
  const auto samples = field_samples();
  return samples[byte() % samples.size()];
}

// The kinds of text a host can hand over, good and hostile alike.
Pick FuzzSource::pick_text() {
  scratch_.clear();
  switch (byte() % 10) {
    case 0:
      return {true, {}};
    case 1:
      return {};
    case 2:
      return {false, sample()};
    case 3:  // raw units, up to 255 of them
      for (unsigned n = byte(); n > 0 && !rest_.empty(); --n) scratch_.push_back(unit());
      break;
    case 4: {  // a run of white space of every kind the library knows
      const auto spaces = white_space_units();
      for (unsigned n = byte() % 16 + 1; n > 0; --n)
        scratch_.push_back(spaces[byte() % spaces.size()]);
      break;
    }
    case 5: {  // a sample with lone surrogates and non-characters around and inside it
      static constexpr char16_t kOdd[] = {0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0xFFFE, 0xFFFF, 0x00A0};
      scratch_ = sample();
      for (unsigned n = byte() % 4 + 1; n > 0; --n) {
        scratch_.insert(byte() % (scratch_.size() + 1), 1, kOdd[byte() % std::size(kOdd)]);
      }
      break;
    }
    case 6: {  // thousands of one unit
      const char16_t u = unit();
      scratch_.assign(1000 + unit() % 8000, u ? u : u'9');
      break;
    }
    case 7: {  // a sample with one unit changed
      scratch_ = sample();
      const std::size_t at = byte() % (scratch_.size() + 1);
      if (at < scratch_.size()) {
        scratch_[at] = unit();
      } else {
        scratch_.push_back(unit());
      }
      break;
    }
    case 8:  // digits, for the check-digit paths
      for (unsigned n = byte() % 32; n > 0; --n) scratch_.push_back(u'0' + byte() % 10);
      break;
    default: {  // a sample framed by white space
      const auto spaces = white_space_units();
      scratch_.assign(byte() % 4, spaces[byte() % spaces.size()]);
      scratch_ += sample();
      scratch_.append(byte() % 4, spaces[byte() % spaces.size()]);
      break;
    }
  }
  return {false, scratch_};
}

int64_t FuzzSource::pick_number() {
  switch (byte() % 4) {
    case 0: {
      const auto samples = number_samples();
      return samples[byte() % samples.size()];
    }
    case 1:
      return static_cast<int64_t>(byte()) - 128;
    case 2: {
      uint32_t v = 0;
      for (int i = 0; i < 4; ++i) v = v << 8 | byte();
      return static_cast<int32_t>(v);
    }
    default: {
      uint64_t v = 0;
      for (int i = 0; i < 8; ++i) v = v << 8 | byte();
      return static_cast<int64_t>(v);
    }
  }
}

void check_result(const Export& row, const Calls& calls, int64_t result) {
  if (!calls.result_is_code() || allowed_result(row, result)) return;
  std::fprintf(stderr, "%s returned %" PRId64 ", which is not one of its results\n", row.name,
               result);
  std::abort();
}

}  // namespace olv::harness
