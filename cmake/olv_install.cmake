# Installation: the header, the library, a CMake package and a pkg-config file (both relocatable,
# both naming the installed dictionary service), the licence, the change log and the manual pages.
include(CMakePackageConfigHelpers)

install(TARGETS olvenir_p EXPORT olvenir_pTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT olvenir_pTargets NAMESPACE olvenir_p::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/olvenir_p)

# Where service/ installs the dictionary service and its sample database.
set(OLV_DICTIONARY_DIR ${CMAKE_INSTALL_LIBDIR}/olvenir_p)
set(OLV_DICTIONARY_SERVICE ${OLV_DICTIONARY_DIR}/libolvenir_dictionary.so)
set(OLV_DICTIONARY_DATABASE ${OLV_DICTIONARY_DIR}/olvenir_dictionary.db)
configure_package_config_file(cmake/olvenir_pConfig.cmake.in
  ${PROJECT_BINARY_DIR}/olvenir_pConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/olvenir_p
  PATH_VARS OLV_DICTIONARY_SERVICE OLV_DICTIONARY_DATABASE)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/olvenir_pConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/olvenir_pConfig.cmake
  ${PROJECT_BINARY_DIR}/olvenir_pConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/olvenir_p)

# The way up from the pkg-config folder to the prefix, whatever prefix the install is given.
file(RELATIVE_PATH OLV_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/olvenir_p.pc.in ${PROJECT_BINARY_DIR}/olvenir_p.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/olvenir_p.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES LICENSE CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
