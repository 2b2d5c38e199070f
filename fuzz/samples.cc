// The sample field texts and numbers.
#include "fuzz/samples.h"

#include <limits>

namespace olv::harness {

// clang-format off
// Check digits computed by hand from the published weights; the "bad" ones differ in one digit.
constexpr std::u16string_view kFields[] = {
    u"", u" ", u"   ", u"\t \n",
    u"44051401359", u"02270803624", u"44051401358", u"4405140135",       // PESEL
    u"5261040828", u"526-104-08-28", u"5261040827",                       // NIP
    u"123456785", u"123456786", u"12345678512347", u"12345678512348",     // REGON
    u"61109010140000071219812874", u"61109010140000071219812875",         // NRB
    u"PL61109010140000071219812874", u"DE89370400440532013000",           // IBAN
    u"15032024", u"29022023", u"31122050", u"01011849", u"0000",          // dates
    u"1503", u"3102", u"032024", u"132024", u"1503202401", u"01032024",
    u"1234.56", u"0.00", u"-12", u"1e3", u"12,5",                         // amounts
    u"0", u"1", u"2", u"T", u"N", u"X", u"A",                             // flags and letters
    u"011000", u"0110", u"10", u"31", u"RSA",                             // codes
    u"ABC123456", u"AB1234567", u"ZZ9999999",                             // documents
    u"Kowalska-Nowak", u"Żółć", u"Jan Maria", u"Spółka z o.o. \"Ład\"",   // names
    u"jan.kowalski@example.pl", u"+48 22 123 45 67", u"PL",
    u"  44051401359  ", u"1 2", u"12a", u"9999999999999999999999",
};

constexpr int64_t kNumbers[] = {
    0, 1, 2, 3, -1, 11, 9, 14, 26, 10,                                    // lengths, kinds, pages
    101, 102, 104, 105, 106, 107, 110, 112, 114, 115, 116, 117, 118,     // element types
    120, 121, 122, 125, 126, 128, 129, 130, 5, 10018, 10023, 10024,
    10001, 10003, 10005, 10006, 10013, 10021, 10040, 10056,              // dictionaries
    20240315, 202403, 19000101, 32,
    std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
    std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(),
};
// clang-format on

std::span<const std::u16string_view> field_samples() { return kFields; }

std::span<const int64_t> number_samples() { return kNumbers; }

}  // namespace olv::harness
