# Build speed: precompiled headers and unity builds.
#
# Both are applied to every target of the tree after all targets exist
# (nerka_apply_build_speed() at the end of the top-level CMakeLists.txt), by
# what a target links, so a new source file or a new target needs no entry
# here.
#
# Precompiled headers (NERKA_PCH, on by default): four header sets, each
# compiled once per build tree by a small owner target and reused by every
# target of its kind:
#   core          QtCore and the standard library (codecs, link, controller,
#                 command line, stand-in radio, fuzz targets, benchmarks)
#   widgets       core plus QtWidgets (the window's libraries and program)
#   tests         core plus GoogleTest, GoogleMock and the Qt value printers
#   tests_widgets tests plus QtWidgets
# scripts/fuzz turns them off: clang is handed the header's paths where ccache
# cannot make them relative, so a clone elsewhere would miss the whole cache.
# A reusing target must be compiled with the owner's macros or more (clang
# refuses a header compiled with a macro the user lacks), so each owner links
# only the Qt modules its whole kind links. QtTest stays out of the sets: its
# headers test QT_WIDGETS_LIB and the per-target QT_TESTCASE_SOURCEDIR, which
# differ between test executables.
#
# Unity builds (NERKA_UNITY, off by default): each target's sources are
# compiled in batches of NERKA_UNITY_BATCH_SIZE (16: today every target but
# the codeplug library is one compilation). A clean build is much faster, but
# touching one file recompiles its whole batch, so developers keep it off and
# the build scripts turn it on under CI. Sources must not clash when batched:
# file-local helpers get names unique within their target, whatever batch a
# new file shifts them into.

option(NERKA_PCH "Precompile the Qt, GoogleTest and standard library headers" ON)
option(NERKA_UNITY "Compile each target's sources in batches (unity build)" OFF)
set(NERKA_UNITY_BATCH_SIZE 16 CACHE STRING "Sources per unity batch; 0 puts a whole target in one")

if(NERKA_UNITY)
  # Initialises UNITY_BUILD of every target created from here on.
  set(CMAKE_UNITY_BUILD ON)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE ${NERKA_UNITY_BATCH_SIZE})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # A test class derives from its file's fixture in an anonymous namespace.
    # GCC accepts that only in the main file of a compilation, and in a batch
    # the sources are included files; the batch is still one compilation, so
    # nothing is defined twice.
    add_compile_options(-Wno-subobject-linkage)
  endif()
endif()

# __FILE__ (in Qt's and GoogleTest's macros) relative to the source tree, so
# the same source compiles to the same object in every clone: a unity batch
# includes its sources by absolute path, and ccache only makes paths on the
# command line relative (it leaves the map's own path out of its hash).
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-fmacro-prefix-map=${CMAKE_SOURCE_DIR}/=)
endif()

# Qt6::Test defines QT_TESTCASE_BUILDDIR and QT_TESTCASE_SOURCEDIR as the
# absolute folders of each target, for QtTest's own main() and QFINDTESTDATA,
# neither of which the suite uses. Their paths would make every test
# compilation differ between clones, so no clone would hit ccache.
if(TARGET Qt6::Test)
  get_target_property(test_definitions Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
  list(FILTER test_definitions EXCLUDE REGEX "^QT_TESTCASE_")
  set_property(TARGET Qt6::Test PROPERTY INTERFACE_COMPILE_DEFINITIONS ${test_definitions})
endif()

set(NERKA_PCH_CORE
    <algorithm> <array> <cmath> <cstdint> <cstring> <functional> <memory> <optional>
    <string> <utility> <variant> <vector>
    <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QJsonArray>
    <QJsonDocument> <QJsonObject> <QList> <QMap> <QObject> <QPointer> <QSet> <QString>
    <QStringList> <QTimer> <QUuid> <QVariant>)
set(NERKA_PCH_WIDGETS
    <QAbstractItemModel> <QAction> <QApplication> <QComboBox> <QDialog> <QDialogButtonBox>
    <QFormLayout> <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QPushButton>
    <QTableView> <QToolButton> <QVBoxLayout> <QWidget>)
# The printers are included into every test source, as tests/CMakeLists.txt
# does without precompiled headers.
set(NERKA_PCH_TESTS <QTemporaryDir> <gtest/gtest.h> <gmock/gmock.h> <QtPrinters.h>)

# Defines the owner target nerka_pch_<kind>, which compiles the header set.
function(_nerka_pch_owner kind)
  set(name nerka_pch_${kind})
  set(source ${CMAKE_BINARY_DIR}/nerka_pch/${kind}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Owner of the ${kind} precompiled headers.\n")
  add_library(${name} OBJECT EXCLUDE_FROM_ALL ${source})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF UNITY_BUILD OFF)
  set(headers ${NERKA_PCH_CORE})
  set(libs Qt6::Core)
  if(kind MATCHES "widgets")
    list(APPEND headers ${NERKA_PCH_WIDGETS})
    set(libs Qt6::Widgets)
  endif()
  if(kind MATCHES "tests")
    list(APPEND headers ${NERKA_PCH_TESTS})
    list(APPEND libs GTest::gtest GTest::gmock)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  endif()
  target_link_libraries(${name} PRIVATE ${libs})
  target_precompile_headers(${name} PRIVATE ${headers})
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Without the header times in it, ccache can reuse the compiled header.
    target_compile_options(${name} PRIVATE "SHELL:-Xclang -fno-pch-timestamp")
  endif()
endfunction()

# Every library target `target` links, directly or through other targets.
function(_nerka_link_closure target out)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND queue ${aliased})
    endif()
    set(deps "")
    get_target_property(type ${current} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND deps ${direct})
      endif()
    endif()
    get_target_property(iface ${current} INTERFACE_LINK_LIBRARIES)
    if(iface)
      list(APPEND deps ${iface})
    endif()
    foreach(dep IN LISTS deps)
      # $<LINK_ONLY:X> (a static library's private dependency) still names X.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" dep "${dep}")
      if(dep MATCHES "^::@" OR dep MATCHES "\\$<")
        continue()
      endif()
      list(APPEND queue ${dep})
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Every buildsystem target defined in `dir` and below.
function(_nerka_targets_below dir out)
  get_directory_property(found DIRECTORY ${dir} BUILDSYSTEM_TARGETS)
  get_directory_property(subdirs DIRECTORY ${dir} SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _nerka_targets_below(${sub} more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(nerka_apply_build_speed)
  if(NOT NERKA_PCH)
    return()
  endif()
  _nerka_targets_below(${CMAKE_SOURCE_DIR} targets)
  set(owners "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|OBJECT_LIBRARY|SHARED_LIBRARY)$")
      continue()
    endif()
    _nerka_link_closure(${target} closure)
    if(NOT "Qt6::Core" IN_LIST closure)
      continue()
    endif()
    set(kind core)
    if("GTest::gtest" IN_LIST closure OR "GTest::GTest" IN_LIST closure)
      set(kind tests)
    endif()
    if("Qt6::Widgets" IN_LIST closure)
      if(kind STREQUAL "tests")
        set(kind tests_widgets)
      else()
        set(kind widgets)
      endif()
    endif()
    if(NOT kind IN_LIST owners)
      _nerka_pch_owner(${kind})
      list(APPEND owners ${kind})
    endif()
    target_precompile_headers(${target} REUSE_FROM nerka_pch_${kind})
  endforeach()
endfunction()
