# Helpers shared by the folder CMakeLists files.

# tq62_library(name [QT] DEPS ...): a static library of every .cpp in the
# calling folder; QT turns on moc for it.
function(tq62_library name)
  cmake_parse_arguments(A "QT" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${srcs} ${hdrs})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS})
  if(A_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# tq62_test(name [QT [XCB [WM]]] DEPS ...): a GoogleTest program of every .cpp
# in the calling folder, its cases registered with CTest. Qt test programs run
# headless (their main sets the offscreen platform); XCB runs each case on a
# private Xvfb display instead, WM under a window manager there too.
function(tq62_test name)
  cmake_parse_arguments(A "QT;XCB;WM" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${A_DEPS} GTest::gtest GTest::gmock)
  if(A_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE tq62_testmain_qt)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  if(A_XCB)
    set(runner ${PROJECT_SOURCE_DIR}/tests/support/under-x.sh)
    if(A_WM)
      list(APPEND runner --wm)
    endif()
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${runner}")
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()

# tq62_bench(name source [QT] DEPS ...): one Google Benchmark program; QT
# gives it the shared main() that runs the benchmarks under a QApplication.
function(tq62_bench name source)
  cmake_parse_arguments(A "QT" "" "DEPS" ${ARGN})
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE ${A_DEPS} benchmark::benchmark)
  if(A_QT)
    target_link_libraries(${name} PRIVATE tq62_benchmain_qt)
  endif()
endfunction()

# tq62_asan_library(name library): a second build of the library's sources,
# instrumented with AddressSanitizer and linking what the library links. A
# program that links it is instrumented as well and stops with a report at a
# use of freed memory, a double free or a leak.
function(tq62_asan_library name library)
  get_target_property(dir ${library} SOURCE_DIR)
  get_target_property(srcs ${library} SOURCES)
  list(TRANSFORM srcs PREPEND ${dir}/ REGEX "^[^/]")
  get_target_property(incs ${library} INCLUDE_DIRECTORIES)
  get_target_property(deps ${library} LINK_LIBRARIES)
  get_target_property(automoc ${library} AUTOMOC)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${incs})
  target_link_libraries(${name} PUBLIC ${deps})
  set_target_properties(${name} PROPERTIES AUTOMOC ${automoc})
  # Light optimisation and line tables keep the extra build short.
  target_compile_options(${name} PUBLIC -fsanitize=address -fno-omit-frame-pointer -O1 -g1)
  target_link_options(${name} PUBLIC -fsanitize=address)
endfunction()
