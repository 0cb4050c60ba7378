# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer targets (clang only): one executable fuzz_X per fuzz/X.cpp, linking the engine,
# the windows and the command-line code, all built with coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer. With a seed corpus in fuzz/corpus/X, ctest runs each target
# for a few seconds; new inputs go to the build folder, never into the committed corpus.
#   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCRESSELLE_FUZZ=ON
#   cmake --build build-fuzz --target fuzz_main_keys
#   build-fuzz/fuzz_main_keys -max_total_time=600 -artifact_prefix=$PWD/build-fuzz/ \
#     $PWD/build-fuzz/fuzz-corpus/main_keys $PWD/fuzz/corpus/main_keys
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "CRESSELLE_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

set(FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all)
foreach(lib astro cresselle_export cresselle_data cresselle_core cresselle_platform cresselle_print
    cresselle_ui)
  target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link ${FUZZ_SANITIZERS}
    -fno-omit-frame-pointer)
  target_link_options(${lib} INTERFACE -fsanitize=address,undefined)
endforeach()

file(GLOB CLI_CORE_SOURCES CONFIGURE_DEPENDS src/cli/*.cpp)
list(FILTER CLI_CORE_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(fuzz_cli_core STATIC ${CLI_CORE_SOURCES})
target_compile_options(fuzz_cli_core PRIVATE -fsanitize=fuzzer-no-link ${FUZZ_SANITIZERS})
target_compile_definitions(fuzz_cli_core PRIVATE CRESSELLE_VERSION="${PROJECT_VERSION}")
target_link_libraries(fuzz_cli_core PUBLIC cresselle_ui)

set(FUZZ_SECONDS 10 CACHE STRING "Seconds of each fuzz target's run in ctest")
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*.cpp)
foreach(src ${FUZZ_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(fuzz_${name} ${src})
  target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer ${FUZZ_SANITIZERS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer ${FUZZ_SANITIZERS})
  target_link_libraries(fuzz_${name} PRIVATE fuzz_cli_core)
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  if(EXISTS ${seeds})
    set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
    set(artifacts ${CMAKE_BINARY_DIR}/fuzz-artifacts/${name}/)
    file(MAKE_DIRECTORY ${work} ${artifacts})
    # Absolute paths throughout: the Qt targets work in a temporary folder of their own.
    add_test(NAME fuzz_${name}
      COMMAND fuzz_${name} -max_total_time=${FUZZ_SECONDS} -timeout=20 -rss_limit_mb=4096
        -print_final_stats=1 -artifact_prefix=${artifacts} ${work} ${seeds})
    set_tests_properties(fuzz_${name} PROPERTIES TIMEOUT 300 LABELS fuzz
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  endif()
endforeach()
