# Installation of the whole project, included last from the top-level CMakeLists.txt:
# the tools, the run-time library's headers, the libraries and the CMake package
# Orlevan (find_package(Orlevan), see cmake/OrlevanConfig.cmake.in). Nothing of the
# tests and no build-only flag (warnings, -Werror, sanitizer wrappers) is installed.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set_target_properties(orlevan_core PROPERTIES EXPORT_NAME core)
set_target_properties(orlevan_solides PROPERTIES EXPORT_NAME solides)
install(TARGETS orlevan orlevan-export orlevan_runtime orlevan_hote orlevan_core
                orlevan_solides
  EXPORT OrlevanTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programmes
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT developpement
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/orlevan COMPONENT developpement)

set(ORLEVAN_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Orlevan)
install(EXPORT OrlevanTargets NAMESPACE Orlevan:: DESTINATION ${ORLEVAN_CMAKE_DIR}
  COMPONENT developpement)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/OrlevanConfig.cmake.in
  ${PROJECT_BINARY_DIR}/OrlevanConfig.cmake INSTALL_DESTINATION ${ORLEVAN_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/OrlevanConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/OrlevanConfig.cmake
              ${PROJECT_BINARY_DIR}/OrlevanConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/runtime/OrlevanScene.cmake
  DESTINATION ${ORLEVAN_CMAKE_DIR} COMPONENT developpement)
