# Helpers shared by every folder's CMakeLists.txt.

# quillory_add_gtest(NAME <name> SOURCES <files...> [LIBS <targets...>] [LABELS <labels...>])
# A GoogleTest executable registered as one CTest test. For the Windows build
# CTest runs it under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
function(quillory_add_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES LABELS "unit;${T_LABELS}")
endfunction()

# quillory_add_script_test(NAME <name> COMMAND <cmd...> [LABELS <labels...>] [TIMEOUT <s>])
# A test driven by a script (Wine scenarios, peers such as reg.exe or zip).
function(quillory_add_script_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "COMMAND;LABELS" ${ARGN})
  if(NOT BUILD_TESTING)
    return()
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "script;${T_LABELS}" TIMEOUT ${T_TIMEOUT})
endfunction()

# quillory_add_display_gtest(NAME <name> SOURCES <files...> [LIBS <targets...>])
# A GoogleTest executable of the Windows build that needs windows on a screen:
# run under Wine with its own prefix below build/wine and an Xvfb display
# (scripts/wine-with-display), one such test at a time.
function(quillory_add_display_gtest)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT (WIN32 AND BUILD_TESTING))
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  quillory_add_script_test(NAME ${T_NAME}
    COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-with-display
            $<TARGET_FILE:${T_NAME}> ${CMAKE_BINARY_DIR}/wine/${T_NAME}
    LABELS wine TIMEOUT 300)
  set_tests_properties(${T_NAME} PROPERTIES RESOURCE_LOCK configurator_display)
endfunction()

# quillory_add_fuzzer(NAME <name> SOURCES <files...> [LIBS <targets...>] [SECONDS <n>])
# A libFuzzer target, built only with QUILLORY_FUZZ (the asan preset). It is
# also registered as a CTest test that fuzzes for a bounded time from the seed
# corpus in fuzz/corpus/<name> (if present).
function(quillory_add_fuzzer)
  cmake_parse_arguments(T "" "NAME;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT QUILLORY_FUZZ)
    return()
  endif()
  if(NOT T_SECONDS)
    set(T_SECONDS 30)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_compile_options(${T_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_options(${T_NAME} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  set(corpus ${CMAKE_BINARY_DIR}/fuzz-corpus/${T_NAME})
  set(seeds ${PROJECT_SOURCE_DIR}/fuzz/corpus/${T_NAME})
  add_test(NAME ${T_NAME}
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   ${PROJECT_SOURCE_DIR}/scripts/fuzz-run $<TARGET_FILE:${T_NAME}> ${corpus} ${seeds} ${T_SECONDS})
  set_tests_properties(${T_NAME} PROPERTIES LABELS "fuzz" TIMEOUT 600)
endfunction()
