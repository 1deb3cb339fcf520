# What `cmake --install` puts in place: the component library (with its
# SOVERSION), the host runtime and host libraries, the helper libraries a host
# loads by name, the headers of include/, hdpart and its man page, the Tcl
# package, a CMake package (find_package(zavEraV_Adoduzadi CONFIG): imported
# targets zavEraV_Adoduzadi::interfaces and zavEraV_Adoduzadi::runtime) and a
# pkg-config file. Every library goes to one directory, where the runtime's
# loader finds the libraries it loads by name beside itself.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZORE_PACKAGE zavEraV_Adoduzadi)
set(ZORE_INCLUDE_SUBDIR ${ZORE_PACKAGE})
set(ZORE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${ZORE_PACKAGE})

# The interfaces, for hosts: header-only.
add_library(zore_interfaces INTERFACE)
target_include_directories(zore_interfaces INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}>)
set_target_properties(zore_interfaces PROPERTIES EXPORT_NAME interfaces)
set_target_properties(Portability PROPERTIES EXPORT_NAME runtime)
target_include_directories(Portability INTERFACE
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}>)

install(TARGETS zore_interfaces Portability EXPORT ${ZORE_PACKAGE}Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS zavEraV_Adoduzadi HostModel HostPersist HostProject HostSession Dpm_DesignData
                devAreD_PartitionHelper Tcltask_Helpers hdpartition
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS hdpart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR})
install(FILES ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/hdpartition/pkgIndex.tcl
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/hdpartition)
# The man page, made at install from hdpart's own help texts (every
# command's), so it cannot drift from the one place each command is declared.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
install(CODE "
  set(man \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
  file(MAKE_DIRECTORY \"\${man}\")
  execute_process(COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/manpage.py
                          $<TARGET_FILE:hdpart>
                  OUTPUT_FILE \"\${man}/hdpart.1\" RESULT_VARIABLE made)
  if(NOT made EQUAL 0)
    message(FATAL_ERROR \"the man page could not be made\")
  endif()
  message(STATUS \"Installing: \${man}/hdpart.1\")")

install(EXPORT ${ZORE_PACKAGE}Targets NAMESPACE ${ZORE_PACKAGE}:: DESTINATION ${ZORE_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/PackageConfig.cmake.in
  ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}Config.cmake INSTALL_DESTINATION ${ZORE_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}Config.cmake
              ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}ConfigVersion.cmake
  DESTINATION ${ZORE_CMAKE_DIR})

# The prefix is found from where the file lies, so --prefix at install time holds.
file(RELATIVE_PATH ZORE_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/package.pc.in ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}.pc
  @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
