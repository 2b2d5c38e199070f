// Host tool of the build: prints the linker version script or the expected dynamic symbols,
// both from exports/exports.def.
#include <cstdio>
#include <cstring>

namespace {

const char* const kSymbols[] = {
#define OLV_C(name, result, params, results) #name,
#define OLV_CXX(name, symbol, result, params, results) symbol,
#define OLV_RULE(name, arity, ...) #name,
#define OLV_FIXED(name, result, params, answer) #name,
#define OLV_FIXED_CXX(name, symbol, result, params, answer) symbol,
#define OLV_SAME(name, target) #name,
#include "exports/exports.def"
};

}  // namespace

int main(int argc, char** argv) {
  bool script = argc == 2 && std::strcmp(argv[1], "version-script") == 0;
  if (!script && !(argc == 2 && std::strcmp(argv[1], "symbols") == 0)) {
    std::fprintf(stderr, "usage: %s version-script|symbols\n", argv[0]);
    return 2;
  }
  if (script) std::printf("{\n  global:\n");
  for (const char* symbol : kSymbols) std::printf(script ? "    %s;\n" : "%s\n", symbol);
  if (script) std::printf("  local: *;\n};\n");
  return 0;
}
