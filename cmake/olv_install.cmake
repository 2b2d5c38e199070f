# Installation: the header, the library, a CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS olvenir_p EXPORT olvenir_pTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT olvenir_pTargets NAMESPACE olvenir_p::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/olvenir_p)
configure_package_config_file(cmake/olvenir_pConfig.cmake.in
  ${PROJECT_BINARY_DIR}/olvenir_pConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/olvenir_p)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/olvenir_pConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/olvenir_pConfig.cmake
  ${PROJECT_BINARY_DIR}/olvenir_pConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/olvenir_p)
configure_file(cmake/olvenir_p.pc.in ${PROJECT_BINARY_DIR}/olvenir_p.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/olvenir_p.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
