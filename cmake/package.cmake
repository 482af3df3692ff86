# `cmake --build build --target package` makes a Debian package whose
# dependencies dpkg-shlibdeps works out from the binaries.
set(ANGLEWISE_DOC_DIR share/doc/anglewise)
install(FILES packaging/copyright DESTINATION ${ANGLEWISE_DOC_DIR})
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${ANGLEWISE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME anglewise)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for plane triangles")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Anglewise solves right and oblique plane triangles from the values
you know, shows every side, angle, height, width and area, draws the
triangle to scale and prints it. Its Triangle Report shows the true
triangles behind the given values with every derived value correctly
rounded. anglewise-cli does the same without a screen, for single
triangles and whole CSV files, and the Python module anglewise for
scripts and pandas DataFrames.")
set(CPACK_PACKAGE_CONTACT "Anglewise developers <developers@anglewise.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's layout is measured with the Arial and Courier New metrics
# that Liberation gives; DejaVu stands in for the rest. The libraries'
# dependencies are added after these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
if(ANGLEWISE_PYTHON)
  # The module anglewise is built for this interpreter's ABI; its frames
  # are pandas DataFrames, and Dask runs it on a cluster.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}), "
         "python3 (<< ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}.99)")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3-pandas")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-dask, python3-distributed")
endif()
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
