# Helpers that keep the two layers apart.
#
# quorvel_core_library(name SOURCES ... [DEPENDS ...])
#   A static library of the Qt-free core. It never sees Qt's include directories,
#   so a Qt include in its sources fails to compile; linking a Qt target is refused.
# quorvel_ui_library(name SOURCES ... [DEPENDS ...])
#   A static library of Qt widgets; skipped in a core-only build.
# quorvel_core_test(name SOURCES ... [DEPENDS ...])
# quorvel_ui_test(name SOURCES ... [DEPENDS ...])
#   GoogleTest executables registered with CTest. UI tests run offscreen.

function(_quorvel_refuse_qt name deps)
  foreach(dep IN LISTS deps)
    if(dep MATCHES "^Qt6?::")
      message(FATAL_ERROR "core target ${name} may not depend on ${dep}")
    endif()
  endforeach()
endfunction()

# Settings every Qt-free target shares. QUORVEL_CORE_LAYER lets window-layer headers
# refuse to be included from the core (see client/app/window_layer.h).
function(quorvel_core_settings name)
  target_compile_definitions(${name} PRIVATE QUORVEL_CORE_LAYER=1)
  set_property(TARGET ${name} PROPERTY AUTOMOC OFF)
endfunction()

function(quorvel_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  _quorvel_refuse_qt(${name} "${ARG_DEPENDS}")
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  set_property(TARGET ${name} PROPERTY QUORVEL_LAYER core)
  quorvel_core_settings(${name})
endfunction()

function(quorvel_ui_library name)
  if(QUORVEL_CORE_ONLY)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

function(quorvel_core_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  _quorvel_refuse_qt(${name} "${ARG_DEPENDS}")
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  quorvel_core_settings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core)
endfunction()

function(quorvel_ui_test name)
  if(QUORVEL_CORE_ONLY)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/qt_gtest_main.cpp)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ui ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
endfunction()
