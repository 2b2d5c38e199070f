// The service DLL's registration as the in-process server of the dictionary class, and the
// paths it reads from its own location.
#include "olvenir_p/runtime.h"
#include "service/com_server.h"
// The library's names come first: the system headers define S_OK and its kin as macros.
#include <objbase.h>
#include <olectl.h>
#include <windows.h>

#include <string>

namespace {

// The file this DLL was loaded from, as the system names it.
std::wstring module_file() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&module_file), &self)) {
    return {};
  }
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return path.substr(0, n);
    path.resize(path.size() * 2);
  }
}

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

// HKEY_CLASSES_ROOT's key of the dictionary class: CLSID\{...}.
std::wstring class_key() {
  wchar_t id[40] = {};
  StringFromGUID2(reinterpret_cast<const ::GUID&>(olvenir_p::CLSID_OlvenirDictionaryService), id,
                  40);
  return L"CLSID\\" + std::wstring(id);
}

bool set_value(HKEY key, const wchar_t* name, const std::wstring& value) {
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

namespace olv::service {

std::string module_database_path() {
  std::wstring named(32767, L'\0');
  DWORD n = GetEnvironmentVariableW(L"OLVENIR_DICTIONARY_DB", named.data(),
                                    static_cast<DWORD>(named.size()));
  if (n > 0 && n < named.size()) return utf8(named.substr(0, n));
  std::wstring self = module_file();
  std::size_t slash = self.find_last_of(L"\\/");
  return utf8((slash == std::wstring::npos ? std::wstring(L".") : self.substr(0, slash)) +
              L"\\olvenir_dictionary.db");
}

}  // namespace olv::service

// Registers this DLL, by its full path, as the dictionary class's in-process server, usable from
// any apartment.
STDAPI DllRegisterServer() {
  std::wstring path = module_file();
  if (path.empty()) return SELFREG_E_CLASS;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, (class_key() + L"\\InprocServer32").c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return SELFREG_E_CLASS;
  }
  bool written = set_value(key, nullptr, path) && set_value(key, L"ThreadingModel", L"Both");
  RegCloseKey(key);
  return written ? S_OK : SELFREG_E_CLASS;
}

// Removes the class's key with everything under it; a class not registered is no failure.
STDAPI DllUnregisterServer() {
  LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, class_key().c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
