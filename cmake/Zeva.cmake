# Helpers shared by the library and test targets.

# Adds a library folder of src/ when it has a CMakeLists.txt of its own; the
# folders arrive one after another as the program grows.
function(zeva_add_folder dir)
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
    add_subdirectory(${dir})
  endif()
endfunction()

# Precompiled headers for the targets that use Qt Widgets: they dominate the
# compile time of every UI source. All Qt libraries share one, made once by a
# library of its own (compiling it costs as much as ten ordinary sources).
function(zeva_qt_pch target)
  if(NOT TARGET zeva_qt_pch_traeger)
    add_library(zeva_qt_pch_traeger STATIC "${PROJECT_SOURCE_DIR}/cmake/Leer.cpp")
    target_link_libraries(zeva_qt_pch_traeger PUBLIC Qt6::Widgets)
    set_target_properties(zeva_qt_pch_traeger PROPERTIES AUTOMOC OFF AUTORCC OFF)
    target_precompile_headers(zeva_qt_pch_traeger PRIVATE
      <QtCore/QtCore>
      <QtGui/QtGui>
      <QtWidgets/QtWidgets>)
  endif()
  target_precompile_headers(${target} REUSE_FROM zeva_qt_pch_traeger)
  # The widget sources are compiled in batches of eight: under the
  # sanitizers each file spends most of its time instantiating the same Qt
  # templates, and a batch does that once. File-local names must therefore
  # differ between the files of one library.
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endfunction()

# Test sources leave out UBSan's null and alignment checks: they instrument
# every member access and reference in GoogleTest's and Qt's templates and
# cost a third of a test file's compile time, while AddressSanitizer still
# stops at every null dereference. The program's own sources keep every
# check, and the tests keep all others (overflow, shift, bounds, vptr, ...).
function(zeva_test_sanitizer_flags target)
  if(ZEVA_SANITIZE)
    target_compile_options(${target} PRIVATE -fno-sanitize=alignment,null)
  endif()
endfunction()

function(zeva_register_test test_name target env labels)
  add_test(NAME ${test_name} COMMAND ${target} --gtest_brief=1)
  # A program runs all its cases; the limit is per program.
  set_tests_properties(${test_name} PROPERTIES
    ENVIRONMENT "ZEVA_TEST_ENV=${env}" LABELS "${labels}" TIMEOUT 600)
endfunction()

# zeva_add_test(<name> SOURCES ... [LIBS ...] [QT] [GL] [LOCALES])
#   QT      : links the test main that creates a QApplication (offscreen platform)
#   GL      : the test needs a real X server (Xvfb) for OpenGL; labelled "gl"
#   LOCALES : the test runs twice, under LANG=C and LANG=de_DE.UTF-8
function(zeva_add_test name)
  cmake_parse_arguments(T "QT;GL;LOCALES" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  zeva_test_sanitizer_flags(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/bin")
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/tests")
  target_compile_definitions(${name} PRIVATE
    ZEVA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZEVA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    ZEVA_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  if(T_QT OR T_GL)
    target_link_libraries(${name} PRIVATE zeva_test_main_qt ${T_LIBS} Qt6::Test GTest::gtest GTest::gmock)
    # One precompiled Qt header for all widget tests instead of one each.
    target_precompile_headers(${name} REUSE_FROM zeva_test_main_qt)
  else()
    target_link_libraries(${name} PRIVATE zeva_test_main ${T_LIBS} GTest::gtest GTest::gmock)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
    # GoogleTest's headers, precompiled once for all plain tests. Some of
    # them link a Qt library, which adds -fPIC; all take it so the header
    # fits every one.
    target_compile_options(${name} PRIVATE -fPIC)
    target_precompile_headers(${name} REUSE_FROM zeva_test_main)
  endif()

  # One CTest entry per test program (and locale): starting a sanitized
  # process, Qt and the leak check at its end cost about a second, which one
  # entry per test case paid a thousand times over. Each test still starts in
  # a fresh folder with empty settings (the test mains see to that); run a
  # single case with --gtest_filter. The variables travel packed in one
  # ZEVA_TEST_ENV ("NAME=value|NAME=value") that the test main unpacks first.
  set(env "")
  set(labels "")
  if(T_GL)
    list(APPEND env "QT_QPA_PLATFORM=xcb" "LIBGL_ALWAYS_SOFTWARE=1")
    list(APPEND labels gl)
  elseif(T_QT)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
    list(APPEND labels gui)
  endif()

  if(T_LOCALES)
    set(env_c ${env} "LANG=C" "LC_ALL=C")
    set(env_de ${env} "LANG=de_DE.UTF-8" "LC_ALL=de_DE.UTF-8" "ZEVA_EXPECT_GERMAN_LOCALE=1")
    list(JOIN env_c "|" env_c)
    list(JOIN env_de "|" env_de)
    zeva_register_test(C.${name} ${name} "${env_c}" "${labels}")
    zeva_register_test(de.${name} ${name} "${env_de}" "${labels}")
  else()
    list(JOIN env "|" env)
    zeva_register_test(${name} ${name} "${env}" "${labels}")
  endif()
endfunction()
