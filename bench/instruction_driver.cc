// Calls one hot path a given number of times, for instruction counts under callgrind: the
// difference between a run of N calls and a run of 0 calls, divided by N, is the cost of a call.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "olvenir_p.h"

namespace {

// Four texts per path, valid and invalid, cycled as the hot benchmarks cycle them.
struct Texts {
  std::u16string units[4];
  char16_t* operator[](unsigned long i) { return units[i & 3].data(); }
};

struct Path {
  const char* name;
  int (*call)(Texts& texts, Texts& others, unsigned long i);
  Texts texts;
  Texts others;
};

template <short kType, int kMax>
int element(Texts& t, Texts&, unsigned long i) {
  return f_KVTElem(kType, t[i], kMax);
}

template <auto kCheck>
int one_text(Texts& t, Texts&, unsigned long i) {
  return kCheck(t[i]);
}

int trimmed_compare(Texts& a, Texts& b, unsigned long i) { return KVTDelSpacjeStrcmp(a[i], b[i]); }

// clang-format off
Path kPaths[] = {
    {"PESEL", element<121, 11>, {u"44051401359", u"02270803624", u"44051401358", u"4405140135"}, {}},
    {"NIP", element<117, 13>, {u"5261040828", u"526-104-08-28", u"5261040827", u"1234563218"}, {}},
    {"REGON9", element<122, 14>, {u"123456785", u"192598184", u"123456786", u"12345678"}, {}},
    {"REGON14", element<122, 14>,
     {u"12345678512347", u"23511332857188", u"12345678512348", u"1234567851234X"}, {}},
    {"GP0004_1", one_text<GP0004_1>,
     {u"61109010140000071219812874", u"27114020040000300201355387",
      u"61109010140000071219812875", u"6110901014000007121981287"}, {}},
    {"NR_RACH_BANKOWEGO", one_text<f_KVTElemT_NR_RACH_BANKOWEGO>,
     {u"61109010140000071219812874", u"PL61109010140000071219812874",
      u"61109010140000071219812875", u"DE89370400440532013000"}, {}},
    {"sl_PoprawnaData_DDMMRRRR", one_text<sl_PoprawnaData_DDMMRRRR>,
     {u"15032024", u"29022024", u"29022023", u"1503202401"}, {}},
    {"f_KVTElemT_DATA_DDMMRRRR", one_text<f_KVTElemT_DATA_DDMMRRRR>,
     {u"15032024", u"29022024", u"29022023", u"1503202401"}, {}},
    {"f_KVTElemT_DATA_DDMMRRRRNN", one_text<f_KVTElemT_DATA_DDMMRRRRNN>,
     {u"15032024", u"29022024", u"29022023", u"1503202401"}, {}},
    {"f_KVTElemT_NNMMRRRR_RAP", one_text<f_KVTElemT_NNMMRRRR_RAP>,
     {u"15032024", u"29022024", u"29022023", u"1503202401"}, {}},
    {"sl_PoprawnaData_MMRRRR", one_text<sl_PoprawnaData_MMRRRR>,
     {u"032024", u"122050", u"132024", u"03202"}, {}},
    {"f_KVTElemT_DATA_MMRRRR", one_text<f_KVTElemT_DATA_MMRRRR>,
     {u"032024", u"122050", u"132024", u"03202"}, {}},
    {"sl_PoprawnaData_DDMM", one_text<sl_PoprawnaData_DDMM>, {u"1503", u"2902", u"3102", u"150"}, {}},
    {"f_KVTElemT_DATA_DDMM", one_text<f_KVTElemT_DATA_DDMM>, {u"1503", u"2902", u"3102", u"150"}, {}},
    {"KVTDelSpacjeStrcmp", trimmed_compare, {u"  12 ", u"abc", u"", u"T"}, {u"12", u"abd", u"   ", u"T"}},
};
// clang-format on

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PATH CALLS\n", argv[0]);
    for (const Path& p : kPaths) std::fprintf(stderr, "  %s\n", p.name);
    return 2;
  }
  const unsigned long calls = std::strtoul(argv[2], nullptr, 10);
  for (Path& p : kPaths) {
    if (std::strcmp(p.name, argv[1]) != 0) continue;
    volatile int sink = 0;
    for (unsigned long i = 0; i < calls; ++i) sink = sink + p.call(p.texts, p.others, i);
    return 0;
  }
  std::fprintf(stderr, "no path %s\n", argv[1]);
  return 2;
}
