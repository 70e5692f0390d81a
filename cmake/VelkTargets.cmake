# Shared settings for every target of the project.

# CI turns this on, so a new warning fails the build instead of scrolling
# past; it stays off by default because another compiler version may warn
# where this one does not.
option(VELK_WERROR "Treat warnings in the project's own code as errors" OFF)

add_library(velk_options INTERFACE)
target_compile_options(velk_options INTERFACE -Wall -Wextra)
# Implicit narrowing and shadowed names hide real faults in byte-handling
# code. GCC's -Wconversion leaves signedness alone; clang's would not.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(velk_options INTERFACE -Wshadow -Wconversion)
endif()
if(VELK_WERROR)
  target_compile_options(velk_options INTERFACE -Werror)
endif()
if(VELK_SANITIZE)
  target_compile_options(velk_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(velk_options INTERFACE -fsanitize=address,undefined)
endif()

# The headers most files of a widget library include, precompiled.
set(VELK_WIDGET_HEADERS <QApplication> <QWidget> <QPainter> <QDialog> <QPushButton> <QLineEdit> <QString>
  <string> <vector> <memory> <functional>)

# velk_add_library(<name> [QT] [DEPS <targets>...])
# A library made of every .cpp file in the calling folder. QT runs Qt's
# meta-object compiler over it (classes with Q_OBJECT).
# Headers in the folder are the library's public interface; headers in its
# internal/ subfolder are on no other library's include path. The library's
# own tests, benchmarks and fuzz targets reach them through <name>_internal.
function(velk_add_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/internal/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC velk_options ${ARG_DEPS})
  add_library(${name}_internal INTERFACE)
  target_link_libraries(${name}_internal INTERFACE ${name})
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/internal)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/internal)
    target_include_directories(${name}_internal INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/internal)
  endif()
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
  # A library of Qt widgets parses the same Qt headers in every file: once
  # is enough.
  if(ARG_QT OR "Qt6::Widgets" IN_LIST ARG_DEPS)
    target_precompile_headers(${name} PRIVATE ${VELK_WIDGET_HEADERS})
  endif()
  set_property(GLOBAL APPEND PROPERTY VELK_LIBRARIES ${name})
  set_property(GLOBAL PROPERTY VELK_LIBRARY_${name}_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(GLOBAL PROPERTY VELK_LIBRARY_${name}_DEPS ${ARG_DEPS})
endfunction()

# velk_add_layer_check(): a test that fails when a library includes a header
# of a library it does not link (an arrow pointing up the layers), or links
# a library of the project it takes nothing from. Called once every
# library is declared.
function(velk_add_layer_check)
  get_property(libraries GLOBAL PROPERTY VELK_LIBRARIES)
  set(manifest "")
  foreach(name IN LISTS libraries)
    get_property(dir GLOBAL PROPERTY VELK_LIBRARY_${name}_DIR)
    get_property(deps GLOBAL PROPERTY VELK_LIBRARY_${name}_DEPS)
    set(own_deps "")
    foreach(dep IN LISTS deps)
      if(dep IN_LIST libraries)
        list(APPEND own_deps ${dep})
      endif()
    endforeach()
    list(JOIN own_deps "," own_deps)
    string(APPEND manifest "${name}|${dir}|${own_deps}\n")
  endforeach()
  set(file ${CMAKE_BINARY_DIR}/velk_layers.txt)
  file(WRITE ${file} "${manifest}")
  add_test(NAME build.LibrariesIncludeOnlyTheLibrariesTheyLink
    COMMAND ${CMAKE_COMMAND} -DMANIFEST=${file} -P ${CMAKE_SOURCE_DIR}/cmake/CheckLayers.cmake)
endfunction()

# velk_add_tests(<folder> [QT_APP] DEPS <targets>...)
# One test program, <folder>_tests, of every tests/<folder>/*_test.cpp;
# CTest still runs each test on its own, as <folder>.<Suite>.<Test>. The
# program links once, and its files are compiled eight to a unit, so the
# headers they share are parsed once for eight: both were most of a test
# build's time. Names a test file keeps to itself (in its anonymous
# namespace) must therefore differ from the other files' of its folder.
# QT_APP gives the program a main() that makes a QApplication first.
function(velk_add_tests folder)
  cmake_parse_arguments(ARG "QT_APP" "" "DEPS" ${ARGN})
  if(ARG_QT_APP)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    set(main_lib velk_qt_test_main)
    list(APPEND ARG_DEPS Qt6::Test)
  else()
    set(main_lib GTest::gtest_main)
  endif()
  if(TARGET ${folder}_internal)
    list(APPEND ARG_DEPS ${folder}_internal)
  endif()
  set(dir ${CMAKE_SOURCE_DIR}/tests/${folder})
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*_test.cpp)
  file(GLOB support CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(REMOVE_ITEM support ${tests})
  # Fixtures and drivers, which other folders' tests may use too.
  if(support)
    add_library(${folder}_test_support STATIC ${support})
    target_include_directories(${folder}_test_support PUBLIC ${dir} ${CMAKE_SOURCE_DIR}/tests/common)
    target_link_libraries(${folder}_test_support PUBLIC ${ARG_DEPS} GTest::gtest GTest::gmock)
    set(ARG_DEPS ${folder}_test_support ${ARG_DEPS})
  endif()
  set(exe ${folder}_tests)
  add_executable(${exe} ${tests})
  target_include_directories(${exe} PRIVATE ${dir} ${CMAKE_SOURCE_DIR}/tests/common)
  target_link_libraries(${exe} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock ${main_lib})
  set_target_properties(${exe} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # In a unit of several files GCC takes each file for a header, and a
    # fixture of a file's anonymous namespace for one shared with others.
    target_compile_options(${exe} PRIVATE -Wno-subobject-linkage)
    # GCC 12 reports overlapping copies inside std::string's operator+ when
    # the assertion macros' string building is optimised (GCC bug 105329,
    # fixed in GCC 13); the warning is about the library, not the tests.
    if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${exe} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict>)
    endif()
  endif()
  gtest_discover_tests(${exe} DISCOVERY_MODE PRE_TEST TEST_PREFIX "${folder}."
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# velk_add_bench(<name> [QT_APP] DEPS <targets>...): <name>.cpp of the
# calling folder as a Google Benchmark program. QT_APP gives it a main()
# that makes a headless QApplication first.
function(velk_add_bench name)
  cmake_parse_arguments(ARG "QT_APP" "" "DEPS" ${ARGN})
  add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark)
  if(ARG_QT_APP)
    target_link_libraries(${name} PRIVATE velk_qt_bench_main)
  endif()
endfunction()
