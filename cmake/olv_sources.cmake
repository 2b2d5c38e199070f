# The library's sources for the platform being built, one list for the native and the
# WebAssembly builds: OLV_SOURCES, from the folders under `root`.
function(olv_library_sources root)
  file(GLOB sources CONFIGURE_DEPENDS
    ${root}/frame/*.cc ${root}/elements/*.cc ${root}/dates/*.cc ${root}/dictionaries/*.cc
    ${root}/rules/*.cc ${root}/exports/*.cc ${root}/platform/*.cc)
  # Host tools of the build, and the DLL's entry point, which only the DLL links.
  list(REMOVE_ITEM sources ${root}/exports/export_lists.cc ${root}/exports/msvc_names.cc
    ${root}/platform/dll_main.cc)
  # Windows has the system's component runtime; elsewhere the library brings its own.
  if(WIN32)
    list(REMOVE_ITEM sources ${root}/platform/runtime.cc)
  else()
    list(REMOVE_ITEM sources ${root}/platform/com_windows.cc ${root}/exports/windows_exports.cc)
  endif()
  set(OLV_SOURCES ${sources} PARENT_SCOPE)
endfunction()
