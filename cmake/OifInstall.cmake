# Install rules: the libraries, their headers under include/oif, the oif
# command, the CMake package (find_package(oif) -> oif::mdb, oif::writer,
# oif::modelfile) and the pkg-config files oif.pc and oif-modelfile.pc.
include(CMakePackageConfigHelpers)

set(OIF_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/oif)
set(OIF_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/oif)

install(TARGETS oifmdb oifwriter oifmodelfile EXPORT oifTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(OIF_BUILD_TOOLS)
  install(TARGETS oif_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Headers keep their folders, so that host programs include them as the
# library's own sources do: "oif/oif_Writer.h", "modelfile/mfl_ModelFile.h".
# The writer's internal classes (oif/impl) and the loader's internals stay out.
foreach(dir exceptions textstream containers geometry modeldb zkw oif)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${OIF_INCLUDE_DIR}/${dir}
    FILES_MATCHING PATTERN "*.h" PATTERN "impl" EXCLUDE)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/modelfile/mfl_ModelFile.h ${PROJECT_SOURCE_DIR}/modelfile/mfl_Json.h
  DESTINATION ${OIF_INCLUDE_DIR}/modelfile)

install(EXPORT oifTargets NAMESPACE oif:: FILE oifTargets.cmake DESTINATION ${OIF_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/oifConfig.cmake.in
  ${PROJECT_BINARY_DIR}/oifConfig.cmake INSTALL_DESTINATION ${OIF_CMAKE_DIR}
  PATH_VARS CMAKE_INSTALL_DATADIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/oifConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/oifConfig.cmake ${PROJECT_BINARY_DIR}/oifConfigVersion.cmake
  DESTINATION ${OIF_CMAKE_DIR})

# pkg-config: paths relative to the .pc file's place, so that a relocated
# prefix still works.
file(RELATIVE_PATH OIF_PC_TO_PREFIX
  ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
set(OIF_PC_PREFIX "\${pcfiledir}/${OIF_PC_TO_PREFIX}")
string(REGEX REPLACE "/$" "" OIF_PC_PREFIX "${OIF_PC_PREFIX}")
foreach(pc oif oif-modelfile)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()

# The model-file schema in one file, for validators and editors.
if(TARGET oif_schema)
  install(FILES ${OIF_SCHEMA_BUNDLE} DESTINATION ${CMAKE_INSTALL_DATADIR}/oif/schema)
endif()
