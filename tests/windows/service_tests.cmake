# The dictionary service DLL under Wine: regsvr32 registers it in the run's Wine prefix, the tests
# create it through the system's COM, and regsvr32 /u removes it again.
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
target_link_libraries(service_com_test PRIVATE GTest::gtest GTest::gtest_main ole32 oleaut32)
add_dependencies(service_com_test olvenir_dictionary olvenir_sample_dictionary)

add_test(NAME service_register
  COMMAND ${OLV_EMULATOR} regsvr32 /s $<TARGET_FILE:olvenir_dictionary>)
add_test(NAME service_registry COMMAND ${OLV_EMULATOR} reg query ${OLV_CLASS_KEY} ${OLV_REGISTRY_VIEW})
add_test(NAME service_com_test COMMAND service_com_test)
add_test(NAME service_unregister
  COMMAND ${OLV_EMULATOR} regsvr32 /s /u $<TARGET_FILE:olvenir_dictionary>)
add_test(NAME service_unregistered_registry
  COMMAND ${OLV_EMULATOR} reg query ${OLV_CLASS_KEY} ${OLV_REGISTRY_VIEW})

set_tests_properties(service_register PROPERTIES FIXTURES_SETUP olv_service_registered)
set_tests_properties(service_registry PROPERTIES FIXTURES_REQUIRED olv_service_registered
  PASS_REGULAR_EXPRESSION "ThreadingModel[ \t]+REG_SZ[ \t]+Both")
set_tests_properties(service_com_test PROPERTIES FIXTURES_REQUIRED olv_service_registered
  ENVIRONMENT OLVENIR_DICTIONARY_DB=)
set_tests_properties(service_unregister PROPERTIES FIXTURES_CLEANUP olv_service_registered
  FIXTURES_SETUP olv_service_unregistered)
# reg fails for a key that is not there.
set_tests_properties(service_unregistered_registry PROPERTIES
  FIXTURES_REQUIRED olv_service_unregistered WILL_FAIL TRUE)
