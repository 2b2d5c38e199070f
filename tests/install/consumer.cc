// A host built against an installed copy: an element check, then a dictionary check answered by
// the installed dictionary service, registered by the path the package gives. The host has
// names of its own that the library's runtime also uses.
#include <cstdio>
#include <cstring>

typedef long HRESULT;
struct GUID {
  char bytes[16];
};
struct IUnknown;
const HRESULT S_OK = 0;
bool FAILED(HRESULT hr) { return hr < 0; }

#include <olvenir_p.h>

#define OLV_TEXT(x) #x
#define OLV_VERSION_OF(a, b, c) OLV_TEXT(a) "." OLV_TEXT(b) "." OLV_TEXT(c)

#if __cplusplus < 201703L
#error the package must ask for C++17
#endif

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  if (std::strcmp(
          OLV_VERSION_OF(OLVENIR_P_VERSION_MAJOR, OLVENIR_P_VERSION_MINOR, OLVENIR_P_VERSION_PATCH),
          OLVENIR_P_VERSION_STRING) != 0)
    return std::puts("the version macros disagree"), 1;
  char16_t pesel[] = u"44051401359";
  if (f_KVTElem(121, pesel, 11) != 0) return std::puts("f_KVTElem refused a valid PESEL"), 1;
  // Without a service every code that passes the format test is accepted.
  if (!fb_KVTKodSprawdzArkusze(10034, u"X", 0)) return std::puts("no service, yet refused"), 1;
  if (olvenir_RegisterServerPath(&olvenir_p::CLSID_OlvenirDictionaryService, argv[1]) !=
      olvenir_p::S_OK)
    return std::puts("cannot register the dictionary service"), 1;
  if (fb_KVTKodSprawdzArkusze(10034, u"X", 0)) return std::puts("the service accepted X"), 1;
  std::puts("ok");
  return 0;
}
