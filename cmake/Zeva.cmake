# Helpers shared by the library and test targets.

# Adds a library folder of src/ when it has a CMakeLists.txt of its own; the
# folders arrive one after another as the program grows.
function(zeva_add_folder dir)
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt")
    add_subdirectory(${dir})
  endif()
endfunction()

# Precompiled headers for the targets that use Qt Widgets: they dominate the
# compile time of every UI source.
function(zeva_qt_pch target)
  target_precompile_headers(${target} PRIVATE
    <QtCore/QtCore>
    <QtGui/QtGui>
    <QtWidgets/QtWidgets>)
endfunction()

# zeva_add_test(<name> SOURCES ... [LIBS ...] [QT] [GL] [LOCALES])
#   QT      : links the test main that creates a QApplication (offscreen platform)
#   GL      : the test needs a real X server (Xvfb) for OpenGL; labelled "gl"
#   LOCALES : the test runs twice, under LANG=C and LANG=de_DE.UTF-8
function(zeva_add_test name)
  cmake_parse_arguments(T "QT;GL;LOCALES" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
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
  endif()

  # gtest_discover_tests cannot carry a list of environment variables (only
  # the first survives), so a test gets one variable that the test main
  # unpacks before anything else runs: "NAME=value|NAME=value".
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
    gtest_discover_tests(${name} TEST_PREFIX "C." DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "ZEVA_TEST_ENV=${env_c}" LABELS "${labels}")
    gtest_discover_tests(${name} TEST_PREFIX "de." DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "ZEVA_TEST_ENV=${env_de}" LABELS "${labels}")
  else()
    list(JOIN env "|" env)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "ZEVA_TEST_ENV=${env}" LABELS "${labels}")
  endif()
endfunction()
