# Build rules shared by every module: warnings, the Shift_JIS execution
# character set, and the helpers that add tests and fuzz targets so that the
# same sources serve the native, fuzz and Windows builds.

if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(SUITE_WINDOWS ON)
else()
  set(SUITE_WINDOWS OFF)
endif()

# Flags for the project's own code only; GoogleTest and friends keep theirs.
set(SUITE_CXX_FLAGS -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Narrow literals become Shift_JIS, as the ANSI side of the system expects.
  # clang has no such option; the fuzz build keeps UTF-8 literals, which only
  # changes message texts, never the parsers it exercises.
  list(APPEND SUITE_CXX_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932)
  # g++ 12's optimiser reports out-of-bounds and overlapping copies inside
  # std::string and std::vector that cannot happen (GCC bugs 105329, 105651,
  # 107852); in optimised builds they stay warnings. The sanitizer builds,
  # unoptimised, keep them errors.
  list(APPEND SUITE_CXX_FLAGS $<$<NOT:$<CONFIG:Debug>>:-Wno-error=restrict>
       $<$<NOT:$<CONFIG:Debug>>:-Wno-error=array-bounds>
       $<$<NOT:$<CONFIG:Debug>>:-Wno-error=stringop-overflow>)
endif()

if(SUITE_WINDOWS)
  enable_language(RC)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Resource scripts are UTF-8 (Japanese texts); without this windres
  # silently garbles them.
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

# suite_library(name sources...): a static library of project code.
function(suite_library name)
  add_library(${name} STATIC ${ARGN})
  target_compile_options(${name} PRIVATE ${SUITE_CXX_FLAGS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Test framework: the system package natively, the Debian source tree built
# by the cross compiler for Windows.
if(NOT SUITE_FUZZ)
  if(SUITE_WINDOWS)
    set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    set(SUITE_GTEST_MAIN GTest::gtest_main)
    if(NOT TARGET GTest::gtest_main)
      add_library(GTest::gtest_main ALIAS gtest_main)
      add_library(GTest::gmock ALIAS gmock)
    endif()
  else()
    find_package(GTest REQUIRED)
    include(GoogleTest)
  endif()
endif()

if(SUITE_WINDOWS)
  # Every Windows test runs under Wine in this build folder's own prefix; the
  # fixture below starts one persistent wineserver outside ctest's pipes.
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.in
                 ${CMAKE_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  add_test(NAME wine.start COMMAND ${CMAKE_BINARY_DIR}/wine-run --start)
  set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
  add_test(NAME wine.stop COMMAND ${CMAKE_BINARY_DIR}/wine-run --stop)
  set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# suite_test(name SOURCES files... LIBS libs... [LABELS label]
#            [NICSIM fixture] [SMTPSINK fixture])
# One GoogleTest program. Natively each test case becomes a ctest test; under
# Wine the whole program is one ctest test (test discovery would run Wine at
# build time, before the fixture has started the server). With NICSIM the
# tests run while that simulated network is up and find it through
# NICSIM_STATE; with SMTPSINK, likewise that mail sink through
# SMTPSINK_STATE. A program may name both.
function(suite_test name)
  if(SUITE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "NICSIM;SMTPSINK" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_compile_options(${name} PRIVATE ${SUITE_CXX_FLAGS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  set(fixtures "")
  set(environment "")
  if(T_NICSIM)
    list(APPEND fixtures ${T_NICSIM})
    list(APPEND environment "NICSIM_STATE=${CMAKE_BINARY_DIR}/nicsim/${T_NICSIM}")
  endif()
  if(T_SMTPSINK)
    list(APPEND fixtures smtpsink.${T_SMTPSINK})
    list(APPEND environment "SMTPSINK_STATE=${CMAKE_BINARY_DIR}/smtpsink/${T_SMTPSINK}")
  endif()
  # Test discovery writes list properties unquoted, so a test case carries one
  # label: the one given, else "native".
  set(label native)
  if(T_LABELS)
    set(label ${T_LABELS})
  endif()
  if(SUITE_WINDOWS)
    add_test(NAME win.${name} COMMAND ${name})
    set_tests_properties(win.${name} PROPERTIES FIXTURES_REQUIRED "wine;${fixtures}"
                         LABELS "windows;${T_LABELS}" TIMEOUT 300 ENVIRONMENT "${environment}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${label})
    suite_discovered_tests_need(${name} "${fixtures}" "${environment}")
  endif()
endfunction()

# Fixtures and environment of a program's discovered test cases.
# gtest_discover_tests splits list values of PROPERTIES into separate
# arguments, so two fixtures or two variables cannot go through it; they are
# set by a file ctest reads after the program's list of test cases.
function(suite_discovered_tests_need name fixtures environment)
  if(NOT fixtures)
    return()
  endif()
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${name}_fixtures.cmake)
  file(WRITE ${file}
       "if(${name}_TESTS)\n"
       "  set_tests_properties(\${${name}_TESTS} PROPERTIES\n"
       "                       FIXTURES_REQUIRED [==[${fixtures}]==]\n"
       "                       ENVIRONMENT [==[${environment}]==])\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# suite_nicsim_fixture(name CONFIG file PORT control-port [OPTIONS nicsim-options...])
# A simulated printer network started before the tests that name it and
# stopped after them. The Windows build uses the native simulator.
set(SUITE_NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build/native CACHE PATH
    "Native build folder whose tools (the NIC simulator) the Windows tests use")
function(suite_nicsim_fixture name)
  if(SUITE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(N "" "CONFIG;PORT" "OPTIONS" ${ARGN})
  if(SUITE_WINDOWS)
    set(nicsim ${SUITE_NATIVE_BUILD}/tools/nicsim/nicsim)
  else()
    set(nicsim $<TARGET_FILE:nicsim>)
  endif()
  set(state ${CMAKE_BINARY_DIR}/nicsim/${name})
  add_test(NAME nicsim.${name}.start
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/nicsim-fixture start ${state} ${nicsim}
                   ${CMAKE_CURRENT_SOURCE_DIR}/${N_CONFIG} ${N_PORT} ${N_OPTIONS})
  set_tests_properties(nicsim.${name}.start PROPERTIES FIXTURES_SETUP ${name} TIMEOUT 30)
  add_test(NAME nicsim.${name}.stop COMMAND ${PROJECT_SOURCE_DIR}/cmake/nicsim-fixture stop ${state})
  set_tests_properties(nicsim.${name}.stop PROPERTIES FIXTURES_CLEANUP ${name})
endfunction()

# suite_smtpsink_fixture(name LISTEN 127.0.0.N:port [MODE accept|reject|close|silent])
# A recording mail server started before the tests that name it (SMTPSINK in
# suite_test) and stopped after them. Its state folder is
# ${CMAKE_BINARY_DIR}/smtpsink/<name>: sessions are recorded in "sessions",
# and "listen" holds the address. The Windows build uses the native server.
function(suite_smtpsink_fixture name)
  if(SUITE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(S "" "LISTEN;MODE" "" ${ARGN})
  if(NOT S_MODE)
    set(S_MODE accept)
  endif()
  if(SUITE_WINDOWS)
    set(sink ${SUITE_NATIVE_BUILD}/tools/smtpsink/smtpsink)
  else()
    set(sink $<TARGET_FILE:smtpsink>)
  endif()
  set(state ${CMAKE_BINARY_DIR}/smtpsink/${name})
  add_test(NAME smtpsink.${name}.start
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/smtpsink-fixture start ${state} ${sink}
                   ${S_LISTEN} ${S_MODE})
  set_tests_properties(smtpsink.${name}.start PROPERTIES FIXTURES_SETUP smtpsink.${name}
                                                          TIMEOUT 30)
  add_test(NAME smtpsink.${name}.stop
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/smtpsink-fixture stop ${state})
  set_tests_properties(smtpsink.${name}.stop PROPERTIES FIXTURES_CLEANUP smtpsink.${name})
endfunction()

# suite_fuzz_target(name SOURCE file LIBS libs...)
# A libFuzzer entry point. The fuzz build links it with libFuzzer; the native
# build links it with a small replay driver and adds a test that runs it over
# its checked-in corpus, so every test run replays what fuzzing found.
function(suite_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE" "LIBS" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  if(SUITE_FUZZ)
    add_executable(${name} ${F_SOURCE})
    target_compile_options(${name} PRIVATE ${SUITE_CXX_FLAGS})
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_property(GLOBAL APPEND PROPERTY SUITE_FUZZ_TARGETS "${name} ${CMAKE_CURRENT_BINARY_DIR}/${name} ${corpus}")
  elseif(NOT SUITE_WINDOWS)
    add_executable(${name} ${F_SOURCE})
    target_compile_options(${name} PRIVATE ${SUITE_CXX_FLAGS})
    target_link_libraries(${name} PRIVATE ${F_LIBS} fuzz_replay)
    add_test(NAME fuzz.${name} COMMAND ${name} ${corpus})
    set_tests_properties(fuzz.${name} PROPERTIES LABELS "native;fuzz")
  endif()
endfunction()

# suite_benchmark(name SOURCES files... LIBS libs...)
function(suite_benchmark name)
  if(NOT SUITE_BENCH)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${B_SOURCES})
  target_compile_options(${name} PRIVATE ${SUITE_CXX_FLAGS})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark_main)
  set_property(GLOBAL APPEND PROPERTY SUITE_BENCHMARKS ${CMAKE_CURRENT_BINARY_DIR}/${name})
endfunction()

# suite_deliverable(target [IMPORTED]): a Windows deliverable, installed into
# dist/ by ./run build, and built by the target "deliverables". Its callers
# find its entries by their plain names; a 32-bit build would export
# stdcall entries as name@size, so it exports them plain there. IMPORTED: other
# modules also link against its import library, which needs the sized
# names, so both are exported.
function(suite_deliverable target)
  if(SUITE_WINDOWS)
    install(TARGETS ${target} RUNTIME DESTINATION . LIBRARY DESTINATION .)
    set_property(GLOBAL APPEND PROPERTY SUITE_DELIVERABLE_TARGETS ${target})
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      if("IMPORTED" IN_LIST ARGN)
        target_link_options(${target} PRIVATE -Wl,--add-stdcall-alias)
      else()
        target_link_options(${target} PRIVATE -Wl,--kill-at)
      endif()
    endif()
  endif()
endfunction()

# suite_def_file(variable source.def): the module definition file for this
# build. 32-bit names of stdcall functions carry their argument sizes (@N);
# 64-bit builds have none, so they are dropped there.
function(suite_def_file variable source)
  get_filename_component(source ${source} ABSOLUTE)
  file(READ ${source} text)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
  endif()
  get_filename_component(name ${source} NAME)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.new "${text}")
  file(COPY_FILE ${CMAKE_CURRENT_BINARY_DIR}/${name}.new ${CMAKE_CURRENT_BINARY_DIR}/${name} ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  set(${variable} ${CMAKE_CURRENT_BINARY_DIR}/${name} PARENT_SCOPE)
endfunction()

# suite_tool(target): a Windows build of a developer or administrator tool,
# installed into dist/tools by ./run build.
function(suite_tool target)
  if(SUITE_WINDOWS)
    install(TARGETS ${target} RUNTIME DESTINATION tools)
    set_property(GLOBAL APPEND PROPERTY SUITE_DELIVERABLE_TARGETS ${target})
  endif()
endfunction()

# suite_copy_beside(target library...): copies of the libraries beside the
# target's program, for programs that load them by name from where they lie.
# The copies follow every rebuild of a library, not only of the program.
function(suite_copy_beside target)
  set(copies "")
  foreach(library ${ARGN})
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${library}.dll)
    add_custom_command(OUTPUT ${copy}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${library}> ${copy}
                       DEPENDS ${library})
    list(APPEND copies ${copy})
  endforeach()
  add_custom_target(${target}_beside DEPENDS ${copies})
  add_dependencies(${target} ${target}_beside)
endfunction()
