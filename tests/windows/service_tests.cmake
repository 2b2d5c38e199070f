# The dictionary service DLL under Wine: regsvr32 registers it in the run's Wine prefix (its
# registry entries are service_com_test's), the tests create it through the system's COM, and
# regsvr32 /u removes it again.
# The registration is the Wine prefix's and every program sees it: the tests defined before these
# (they expect no service registered, or register their own) run once it is removed again.
get_property(OLV_OTHER_TESTS DIRECTORY PROPERTY TESTS)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(OLV_REGISTRY_VIEW /reg:64)
else()
  set(OLV_REGISTRY_VIEW /reg:32)
endif()
# The class identifier, as runtime.h spells it out in the class's comment.
file(STRINGS ${PROJECT_SOURCE_DIR}/include/olvenir_p/runtime.h OLV_CLASS_LINE
  REGEX "dictionary service's class: {")
string(REGEX MATCH "{[-0-9A-F]+}" OLV_CLASS_ID "${OLV_CLASS_LINE}")
set(OLV_CLASS_KEY "HKCR\\CLSID\\${OLV_CLASS_ID}\\InprocServer32")
set(OLV_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR})

add_executable(service_com_test ${PROJECT_SOURCE_DIR}/tests/windows/service_com_test.cc)
target_include_directories(service_com_test PRIVATE ${PROJECT_SOURCE_DIR}/include)
target_link_libraries(service_com_test PRIVATE gtest gtest_main ole32 oleaut32)
add_dependencies(service_com_test olvenir_dictionary olvenir_sample_dictionary)

add_test(NAME service_register
  COMMAND ${OLV_EMULATOR} regsvr32 /s $<TARGET_FILE:olvenir_dictionary>)
add_test(NAME service_com_test COMMAND service_com_test)
add_test(NAME service_unregister
  COMMAND ${OLV_EMULATOR} regsvr32 /s /u $<TARGET_FILE:olvenir_dictionary>)
add_test(NAME service_unregistered_registry
  COMMAND ${OLV_EMULATOR} reg query ${OLV_CLASS_KEY} ${OLV_REGISTRY_VIEW})

set_tests_properties(service_register PROPERTIES FIXTURES_SETUP olv_service_registered)
set_tests_properties(service_com_test PROPERTIES FIXTURES_REQUIRED olv_service_registered
  ENVIRONMENT OLVENIR_DICTIONARY_DB=)
# The library DLL's dictionary checks through the service, as a host calls them by name: with the
# service registered and with its database missing; once it is unregistered, in the boundary
# test's own run. NAME|the tests it runs|the database the service is given.
add_dependencies(olvenir_p_dll_boundary_test olvenir_dictionary olvenir_sample_dictionary)
foreach(row "registered|TheRegisteredService*|"
            "missing_database|WithNoService*|Z:\\nonexistent\\olvenir_dictionary.db")
  string(REGEX MATCH "^([^|]+)\\|([^|]+)\\|(.*)$" fields "${row}")
  add_test(NAME service_library_${CMAKE_MATCH_1}
    COMMAND olvenir_p_dll_boundary_test --gtest_filter=*${CMAKE_MATCH_2})
  set_tests_properties(service_library_${CMAKE_MATCH_1} PROPERTIES
    FIXTURES_REQUIRED olv_service_registered ENVIRONMENT "OLVENIR_DICTIONARY_DB=${CMAKE_MATCH_3}")
endforeach()

set_tests_properties(service_unregister PROPERTIES FIXTURES_CLEANUP olv_service_registered
  FIXTURES_SETUP olv_service_unregistered)
# reg fails for a key that is not there.
set_tests_properties(service_unregistered_registry PROPERTIES
  FIXTURES_REQUIRED olv_service_unregistered WILL_FAIL TRUE)

# The checker on its embedded sample dictionary, registered in its own process: one row a test,
# NAME|ARGUMENTS|what its answer line must say.
if(TARGET olvenir-check)
  set(OLV_CHECKER_ROWS
    "element_pesel|f_KVTElem 121 44051401359 11|f_KVTElem = 0\r?\n"
    "code_valid_on_date|fb_KVTKodSprawdzArkusze 10019 350 01012009|fb_KVTKodSprawdzArkusze = 0\r?\n"
    "code_not_yet_valid|fb_KVTKodSprawdzArkusze 10019 350 31122008|fb_KVTKodSprawdzArkusze = -1\r?\n"
    "value_lookup|sl_DajWartoscZeSlownika slU_KodPokrew STP_KODPOKREW 12 STP_WGOSPZOSUBEZP|sl_DajWartoscZeSlownika = \"1\"\r?\n"
    "no_dictionary|--no-dictionary fb_KVTKodSprawdzArkusze 10019 350 31122008|fb_KVTKodSprawdzArkusze = 0\r?\n")
  foreach(row IN LISTS OLV_CHECKER_ROWS)
    string(REGEX MATCH "^([^|]+)\\|([^|]+)\\|(.+)$" fields "${row}")
    separate_arguments(arguments UNIX_COMMAND "${CMAKE_MATCH_2}")
    add_test(NAME service_checker_${CMAKE_MATCH_1} COMMAND olvenir-check ${arguments})
    set_tests_properties(service_checker_${CMAKE_MATCH_1} PROPERTIES
      PASS_REGULAR_EXPRESSION "${CMAKE_MATCH_3}" FIXTURES_REQUIRED olv_service_unregistered)
  endforeach()
endif()

# The database builder converting a value table from cp1250 through the system's code pages, the
# checker reading it back, and an encoding the system conversion does not name.
if(TARGET olvenir-dictionary AND TARGET olvenir-check)
  set(OLV_IMPORT_DIR ${CMAKE_CURRENT_BINARY_DIR}/service_import)
  string(ASCII 163 243 100 159 OLV_CP1250_NAME)  # "Łódź" in cp1250
  file(MAKE_DIRECTORY ${OLV_IMPORT_DIR})
  file(WRITE ${OLV_IMPORT_DIR}/slU_Proba.csv "KOD,NAZWA\n1,${OLV_CP1250_NAME}\n")
  add_test(NAME service_dictionary_import_cp1250
    COMMAND olvenir-dictionary import --encoding cp1250 imported.db slU_Proba.csv
    WORKING_DIRECTORY ${OLV_IMPORT_DIR})
  add_test(NAME service_dictionary_imported_text
    COMMAND olvenir-check --dictionary imported.db
            sl_DajWartoscZeSlownika slU_Proba KOD 1 NAZWA
    WORKING_DIRECTORY ${OLV_IMPORT_DIR})
  add_test(NAME service_dictionary_unknown_encoding
    COMMAND olvenir-dictionary import --encoding klingon imported.db slU_Proba.csv
    WORKING_DIRECTORY ${OLV_IMPORT_DIR})
  set_tests_properties(service_dictionary_import_cp1250 PROPERTIES
    FIXTURES_SETUP olv_imported_dictionary)
  set_tests_properties(service_dictionary_imported_text PROPERTIES
    FIXTURES_REQUIRED olv_imported_dictionary
    PASS_REGULAR_EXPRESSION "sl_DajWartoscZeSlownika = \"Łódź\"")
  set_tests_properties(service_dictionary_unknown_encoding PROPERTIES
    PASS_REGULAR_EXPRESSION "unknown encoding klingon")
endif()

foreach(test IN LISTS OLV_OTHER_TESTS)
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED olv_service_unregistered)
endforeach()
