// A rule's field text: the host's pointer, counted where a rule reads it.
#pragma once

#include <cstddef>

#include "platform/text.h"

namespace olv {

// The exports hand the rules the host's pointers, and a rule decides most often on its first
// fields (a blank first field, a first unequal pair): a field is counted when it is first read
// and keeps its count, so the fields a rule never reads are never counted. A view keeps its
// size. A null pointer is the null view.
class Field {
 public:
  Field(const char16_t* p) : data_(p), size_(kUncounted) {}
  Field(Text t) : data_(t.data()), size_(t.size()) {}

  // The host's pointer while the field is uncounted, for a walk that counts it on its own; null
  // once counted and for a view, which need not end in a null.
  const char16_t* uncounted_pointer() const { return size_ == kUncounted ? data_ : nullptr; }

  operator Text() const {
    if (size_ == kUncounted) size_ = text(data_).size();
    return Text(data_, size_);
  }

 private:
  static constexpr std::size_t kUncounted = static_cast<std::size_t>(-1);
  const char16_t* data_;
  mutable std::size_t size_;
};

}  // namespace olv
