// Times our checks on the input file of scripts/peers.sh, the way the script times the other
// number validators: every input once per pass, the median of the passes' ns per call, by kind.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "calls/calls.h"

namespace {

using Dispatcher = int(short, char16_t*, int);
using OneText = int(const char16_t*);

constexpr int kPasses = 31;

std::u16string widen(const std::string& s) { return {s.begin(), s.end()}; }

template <typename Call>
double median_ns(std::vector<std::u16string>& inputs, Call&& call) {
  std::vector<double> passes;
  volatile int sink = 0;
  for (int p = 0; p < kPasses; ++p) {
    const auto start = std::chrono::steady_clock::now();
    for (auto& text : inputs) sink = sink + call(text.data());
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    passes.push_back(took.count() / static_cast<double>(inputs.size()));
  }
  std::nth_element(passes.begin(), passes.begin() + kPasses / 2, passes.end());
  return passes[kPasses / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s INPUTS (lines of kind, tab, text)\n", argv[0]);
    return 2;
  }
  std::map<std::string, std::vector<std::u16string>> inputs;
  std::ifstream in(argv[1]);
  for (std::string line; std::getline(in, line);) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    std::string text = line.substr(tab + 1);
    // The NRB check digits are the mod-97 test of the Polish IBAN without its country code.
    if (line.compare(0, tab, "iban") == 0 && text.size() > 2) text = text.substr(2);
    inputs[line.substr(0, tab)].push_back(widen(text));
  }
  const olv::Export* elem = olv::find_export("f_KVTElem");
  const olv::Export* nrb = olv::find_export("GP0004_1");
  const std::map<std::string, short> types = {{"pesel", 121}, {"nip", 117}, {"regon", 122}};
  for (auto& [kind, texts] : inputs) {
    double ns = -1;
    if (kind == "iban" && nrb) {
      auto* check = reinterpret_cast<OneText*>(nrb->address);
      ns = median_ns(texts, [&](char16_t* t) { return check(t); });
    } else if (types.count(kind) && elem) {
      auto* dispatch = reinterpret_cast<Dispatcher*>(elem->address);
      const short type = types.at(kind);
      ns = median_ns(texts, [&](char16_t* t) { return dispatch(type, t, 14); });
    }
    std::printf("%s\t%.2f\n", kind.c_str(), ns);
  }
  return 0;
}
