# Every library the build needs, looked for at configure time, so a missing
# one is one clear message naming the Debian package that brings it rather
# than a failure halfway through the build.
find_package(PkgConfig QUIET)

function(anglewise_missing what package)
  message(FATAL_ERROR "${what} was not found: install the Debian package ${package} "
                      "(apt-get install ${package}), or run scripts/test, which installs it.")
endfunction()

if(NOT PKG_CONFIG_FOUND)
  anglewise_missing("pkg-config" pkg-config)
endif()

# anglewise_pkg(PREFIX package module...): a pkg-config module as PkgConfig::PREFIX.
macro(anglewise_pkg prefix package)
  pkg_check_modules(${prefix} QUIET IMPORTED_TARGET ${ARGN})
  if(NOT ${prefix}_FOUND)
    anglewise_missing("${ARGN} (pkg-config)" ${package})
  endif()
endmacro()

# anglewise_package(Name package [args...]): a CMake package.
macro(anglewise_package name package)
  find_package(${name} ${ARGN} QUIET)
  if(NOT ${name}_FOUND)
    anglewise_missing("${name} (CMake package)" ${package})
  endif()
endmacro()

anglewise_package(nlohmann_json nlohmann-json3-dev 3.10)
anglewise_package(CLI11 libcli11-dev)
# Arb and FLINT ship no pkg-config files: their headers and libraries, as
# the target arb (Arb on FLINT, with GMP beneath both).
find_path(ARB_INCLUDE_DIR arb.h)
find_library(ARB_LIBRARY flint-arb)
if(NOT ARB_INCLUDE_DIR OR NOT ARB_LIBRARY)
  anglewise_missing("Arb (arb.h and libflint-arb.so)" libflint-arb-dev)
endif()
find_path(FLINT_INCLUDE_DIR flint/flint.h)
find_library(FLINT_LIBRARY flint)
if(NOT FLINT_INCLUDE_DIR OR NOT FLINT_LIBRARY)
  anglewise_missing("FLINT (flint/flint.h and libflint.so)" libflint-dev)
endif()
find_library(GMP_LIBRARY gmp)
if(NOT GMP_LIBRARY)
  anglewise_missing("GMP (libgmp.so)" libgmp-dev)
endif()
# arb_headers alone serves code that names the report's types but leaves
# their arithmetic to the engine module.
add_library(arb_headers INTERFACE IMPORTED GLOBAL)
target_include_directories(arb_headers INTERFACE "${ARB_INCLUDE_DIR}" "${FLINT_INCLUDE_DIR}")
add_library(arb INTERFACE IMPORTED GLOBAL)
target_link_libraries(arb INTERFACE arb_headers "${ARB_LIBRARY}" "${FLINT_LIBRARY}" "${GMP_LIBRARY}")
# Calcium's exact algebraic numbers (qqbar), for right angles and equal
# sides that measures make only by coincidence.
find_path(CALCIUM_INCLUDE_DIR calcium/qqbar.h)
find_library(CALCIUM_LIBRARY calcium)
if(NOT CALCIUM_INCLUDE_DIR OR NOT CALCIUM_LIBRARY)
  anglewise_missing("Calcium (calcium/qqbar.h and libcalcium.so)" libcalcium-dev)
endif()
add_library(calcium INTERFACE IMPORTED GLOBAL)
target_include_directories(calcium INTERFACE "${CALCIUM_INCLUDE_DIR}" "${CALCIUM_INCLUDE_DIR}/calcium")
target_link_libraries(calcium INTERFACE "${CALCIUM_LIBRARY}" arb)
anglewise_pkg(CAIRO libcairo2-dev cairo cairo-pdf cairo-svg cairo-png)

# libcsv ships no pkg-config file: its header and library, as the target csv.
find_path(CSV_INCLUDE_DIR csv.h)
find_library(CSV_LIBRARY csv)
if(NOT CSV_INCLUDE_DIR OR NOT CSV_LIBRARY)
  anglewise_missing("libcsv (csv.h and libcsv.so)" libcsv-dev)
endif()
add_library(csv UNKNOWN IMPORTED GLOBAL)
set_target_properties(csv PROPERTIES IMPORTED_LOCATION "${CSV_LIBRARY}"
                                     INTERFACE_INCLUDE_DIRECTORIES "${CSV_INCLUDE_DIR}")

if(ANGLEWISE_GUI)
  find_package(Qt6 6.2 QUIET COMPONENTS Widgets PrintSupport Test)
  if(NOT Qt6_FOUND)
    anglewise_missing("Qt 6 (Widgets, PrintSupport, Test)" qt6-base-dev)
  endif()
  anglewise_pkg(XCB_XKB libxcb-xkb-dev xcb xcb-xkb)
endif()

if(ANGLEWISE_PYTHON)
  # Debian's own interpreter, whose dist-packages the package installs into
  # (not another Python that may come first on the PATH).
  find_program(ANGLEWISE_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(ANGLEWISE_SYSTEM_PYTHON)
    set(Python_EXECUTABLE ${ANGLEWISE_SYSTEM_PYTHON})
  endif()
  set(PYBIND11_FINDPYTHON ON)
  find_package(Python 3.11 COMPONENTS Interpreter Development.Module QUIET)
  if(NOT Python_FOUND)
    anglewise_missing("Python 3 headers" python3-dev)
  endif()
  anglewise_package(pybind11 pybind11-dev CONFIG)
endif()

if(ANGLEWISE_TESTS)
  anglewise_package(GTest libgtest-dev)
endif()
