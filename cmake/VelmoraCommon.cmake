# Settings every target of the project shares: language level, warnings and Qt strictness.
add_library(velmora_common INTERFACE)
target_compile_features(velmora_common INTERFACE cxx_std_20)
target_compile_options(velmora_common INTERFACE
    -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor -Wshadow
    $<$<BOOL:${VELMORA_WERROR}>:-Werror>)
# Address and undefined-behaviour checks for a second test build; any report ends the program.
if(VELMORA_SANITIZE)
    set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(velmora_common INTERFACE ${sanitizer_flags})
    target_link_options(velmora_common INTERFACE ${sanitizer_flags})
endif()
# The fuzzing build: clang's coverage counters in every object, the same checks as above; only
# the fuzz targets themselves link libFuzzer's main.
if(VELMORA_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VELMORA_FUZZ needs clang (CXX=clang++)")
    endif()
    set(fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(velmora_common INTERFACE ${fuzz_flags})
    target_link_options(velmora_common INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(velmora_common INTERFACE
    QT_NO_CONTEXTLESS_CONNECT QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS)

# add_velmora_test(name SOURCES ... LIBS ... [UI])
# One GoogleTest executable registered with CTest; UI tests run on the offscreen platform.
function(add_velmora_test name)
    cmake_parse_arguments(ARG "UI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE velmora_common velmora_test_support ${ARG_LIBS})
    if(ARG_UI)
        # The resources' objects reach only executables that link them directly.
        target_link_libraries(${name} PRIVATE velmora_ui_test_main velmora_assets)
        gtest_discover_tests(${name}
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ui
            DISCOVERY_TIMEOUT 30)
    elseif(CMAKE_CROSSCOMPILING)
        # One test per executable: listing the cases would start the emulator at build time.
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        add_test(NAME ${name} COMMAND ${name})
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
    endif()
endfunction()
