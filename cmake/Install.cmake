# What `cmake --install` puts in place. At the top of the prefix: the
# component library and the host runtime (each with its SOVERSION), hdpart,
# the headers, the CMake package, the pkg-config file and the Tcl package
# (lib/hdpartition). The host's other libraries and the helper libraries a
# host loads by name go to a private folder, lib/zavEraV_Adoduzadi/, found
# through RUNPATH and by the runtime's loader.
#
# find_package(zavEraV_Adoduzadi CONFIG) gives zavEraV_Adoduzadi::interfaces
# (headers only), ::runtime (registry, loading by name, strings, messages)
# and the host pieces another host may reuse: ::model, ::persist, ::project
# and ::session (which opens a description or a project file into a design).
include(CMakePackageConfigHelpers)

set(ZORE_PACKAGE zavEraV_Adoduzadi)
set(ZORE_INCLUDE_SUBDIR ${ZORE_PACKAGE})
set(ZORE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${ZORE_PACKAGE})
set(ZORE_PRIVATE_DIR ${CMAKE_INSTALL_LIBDIR}/${ZORE_PACKAGE})
set(ZORE_TCL_DIR ${CMAKE_INSTALL_LIBDIR}/hdpartition)

# Names: a generic library name gets the package's in front; the libraries a
# host loads by name, and the Tcl package, keep theirs.
foreach(library Portability:runtime HostModel:model HostPersist:persist HostProject:project
                HostSession:session)
  string(REPLACE ":" ";" pair ${library})
  list(GET pair 0 target)
  list(GET pair 1 part)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${ZORE_PACKAGE}_${part} EXPORT_NAME ${part}
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
endforeach()

# Where each installed file finds the libraries it needs.
set_target_properties(zavEraV_Adoduzadi Portability PROPERTIES INSTALL_RPATH "$ORIGIN")
set_target_properties(HostModel HostPersist HostProject HostSession Dpm_DesignData
                      devAreD_PartitionHelper Tcltask_Helpers
  PROPERTIES INSTALL_RPATH "$ORIGIN;$ORIGIN/..")
set_target_properties(hdpartition PROPERTIES INSTALL_RPATH "$ORIGIN/../${ZORE_PACKAGE};$ORIGIN/..")
set_target_properties(hdpart PROPERTIES INSTALL_RPATH
  "$ORIGIN/../${CMAKE_INSTALL_LIBDIR};$ORIGIN/../${ZORE_PRIVATE_DIR};$ORIGIN/../${ZORE_TCL_DIR}")

# The interfaces, for hosts: header-only.
add_library(zore_interfaces INTERFACE)
target_include_directories(zore_interfaces INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}>)
target_compile_features(zore_interfaces INTERFACE cxx_std_17)
set_target_properties(zore_interfaces PROPERTIES EXPORT_NAME interfaces)
target_include_directories(Portability INTERFACE
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}>)
foreach(target HostModel HostProject HostSession)
  target_include_directories(${target} INTERFACE
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}/host>)
endforeach()
target_include_directories(HostPersist INTERFACE
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}/host>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}/host/persist>)

install(TARGETS zore_interfaces Portability EXPORT ${ZORE_PACKAGE}Targets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS HostModel HostPersist HostProject HostSession EXPORT ${ZORE_PACKAGE}Targets
  LIBRARY DESTINATION ${ZORE_PRIVATE_DIR})
install(TARGETS zavEraV_Adoduzadi LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS Dpm_DesignData devAreD_PartitionHelper Tcltask_Helpers
  LIBRARY DESTINATION ${ZORE_PRIVATE_DIR})
install(TARGETS hdpartition LIBRARY DESTINATION ${ZORE_TCL_DIR})
install(TARGETS hdpart RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR})
# The host pieces' headers, as their sources include them ("session/Session.h").
foreach(part model persist project session)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/host/${part}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${ZORE_INCLUDE_SUBDIR}/host/${part}
    FILES_MATCHING PATTERN "*.h" PATTERN "*Texts.h" EXCLUDE PATTERN "SessionDesign.h" EXCLUDE)
endforeach()
# The Tcl package: its index beside the library it loads.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/install/pkgIndex.tcl CONTENT
"# The hdpartition package.
package ifneeded hdpartition 1.0 [list load [file join $dir $<TARGET_FILE_NAME:hdpartition>] Hdpartition]
")
install(FILES ${CMAKE_BINARY_DIR}/install/pkgIndex.tcl DESTINATION ${ZORE_TCL_DIR})
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
string(REGEX REPLACE "/$" "" ZORE_PC_TO_PREFIX "${ZORE_PC_TO_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/package.pc.in ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}.pc
  @ONLY)
# One file for each host piece, each requiring the one it stands on.
set(ZORE_PC_FILES ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}.pc)
foreach(piece "model:${ZORE_PACKAGE}:model (project types, service objects)"
              "persist:${ZORE_PACKAGE}-model xerces-c:persistence (the project file)"
              "project:${ZORE_PACKAGE}-persist:design project and the services it offers the library"
              "session:${ZORE_PACKAGE}-project xerces-c:session (opens, saves, writes, imports)")
  string(REPLACE ":" ";" fields "${piece}")
  list(GET fields 0 ZORE_PART)
  list(GET fields 1 ZORE_PART_REQUIRES)
  list(GET fields 2 ZORE_PART_WHAT)
  set(ZORE_PART_CFLAGS "")
  if(ZORE_PART STREQUAL "persist")
    set(ZORE_PART_CFLAGS " -I\${includedir}/persist")
  endif()
  configure_file(${PROJECT_SOURCE_DIR}/cmake/component.pc.in
    ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}-${ZORE_PART}.pc @ONLY)
  list(APPEND ZORE_PC_FILES ${CMAKE_BINARY_DIR}/${ZORE_PACKAGE}-${ZORE_PART}.pc)
endforeach()
install(FILES ${ZORE_PC_FILES} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The documents, with their pictures.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}
  FILES_MATCHING PATTERN "*.md" PATTERN "*.svg" PATTERN "*.json")
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
