// A host built against an installed copy: an element check, then a dictionary check answered by
// the installed dictionary service, registered by the path the package gives.
#include <olvenir_p.h>

#include <cstdio>

#if __cplusplus < 201703L
#error the package must ask for C++17
#endif

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  char16_t pesel[] = u"44051401359";
  if (f_KVTElem(121, pesel, 11) != 0) return std::puts("f_KVTElem refused a valid PESEL"), 1;
  // Without a service every code that passes the format test is accepted.
  if (!fb_KVTKodSprawdzArkusze(10034, u"X", 0)) return std::puts("no service, yet refused"), 1;
  if (olvenir_RegisterServerPath(&CLSID_OlvenirDictionaryService, argv[1]) != S_OK)
    return std::puts("cannot register the dictionary service"), 1;
  if (fb_KVTKodSprawdzArkusze(10034, u"X", 0)) return std::puts("the service accepted X"), 1;
  std::puts("ok");
  return 0;
}
