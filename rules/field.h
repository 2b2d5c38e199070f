// A rule's field text as the host passed it.
//
// Most rules read most of their fields only to see whether they are blank or equal to another
// field or to a literal, and a walk to the terminator answers that; a rule of eighteen fields
// that counted the units of each first would spend most of its time counting. A Field therefore
// keeps the host's pointer and counts its units only when a word of the rules needs the text as
// a view, and then once: the count is kept in the rule's own Field.
#pragma once

#include <cstddef>
#include <cstdint>

#include "frame/frame.h"
#include "platform/text.h"

namespace olv {

class Field {
 public:
  // A host's terminated text; null is the null view, as text() makes it.
  Field(const char16_t* p) : p_(p), size_(p ? kUncounted : 0) {}
  // A view, which need not be terminated: its size is known.
  Field(Text t) : p_(t.data()), size_(t.size()) {}

  // The text as a view; its units are counted on the first use.
  operator Text() const {
    if (size_ == kUncounted) size_ = units_before_terminator(p_);
    return Text(p_, size_);
  }

  // The host's terminated units while they are not counted yet, else null.
  const char16_t* uncounted() const { return size_ == kUncounted ? p_ : nullptr; }

  // No units at all (a null field included), known without counting.
  bool empty() const { return size_ == kUncounted ? p_[0] == u'\0' : size_ == 0; }

  // The first unit; the terminator (0) for an empty field.
  char16_t first() const { return size_ == kUncounted || size_ > 0 ? p_[0] : u'\0'; }

 private:
  static constexpr std::size_t kUncounted = SIZE_MAX;
  const char16_t* p_;
  mutable std::size_t size_;
};

// The field is white space alone, or nothing; walked to its terminator when uncounted.
inline bool all_white_space(const Field& f) {
  const char16_t* host = f.uncounted();
  return host ? all_white_space(host) : all_white_space(Text(f));
}

// The trimmed text has exactly n units. An uncounted field is walked only past its leading
// white space, n units and the white space that may follow them: a long text is ruled out at
// its first unit past them that is not white space, without counting the rest.
inline bool trimmed_length_is(const Field& f, std::size_t n) {
  const char16_t* host = f.uncounted();
  if (!host) return KVTDelSpacje(Text(f)).size() == n;
  const char16_t* s = host;
  while (is_space(*s)) ++s;  // the terminator is no white space
  if (n == 0) return *s == u'\0';
  for (std::size_t k = 0; k < n; ++k) {
    if (s[k] == u'\0') return false;
  }
  return !is_space(s[n - 1]) && all_white_space(s + n);
}

// KVTDelSpacjeStrcmp of two fields, walking the uncounted ones to their terminators. The
// comparison is antisymmetric, so b against a, negated, is a against b.
inline int trimmed_compare(const Field& a, const Field& b) {
  const char16_t* host_a = a.uncounted();
  const char16_t* host_b = b.uncounted();
  if (host_a && host_b) return trimmed_compare(host_a, host_b);
  if (host_a) return trimmed_compare(host_a, Text(b));
  if (host_b) return -trimmed_compare(host_b, Text(a));
  return KVTDelSpacjeStrcmp(Text(a), Text(b));
}

}  // namespace olv
