# kv_add_test(NAME SOURCES... LIBS ...): a GoogleTest program registered with ctest.
function(kv_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# kv_add_widget_test(NAME SOURCES... LIBS ...): a widget test program that runs
# without a display; its main() builds the QApplication.
function(kv_add_widget_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Widgets Qt6::Test GTest::gtest)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# kv_add_library(NAME [QT] SOURCES... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...]): a
# static library of one source folder, also known as kv::<NAME without kv_>.
# Every include of the project names its path from the source root
# ("engine/DealEngine.h"), so the root is the one include directory; a
# folder's public headers sit at its top, its sources and private headers in
# src/. QT makes it with qt_add_library, for resources.
function(kv_add_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  if(ARG_QT)
    qt_add_library(${name} STATIC ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  string(REGEX REPLACE "^kv_" "" alias ${name})
  add_library(kv::${alias} ALIAS ${name})
endfunction()
