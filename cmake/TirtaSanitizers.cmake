# The sanitizer and fuzzing builds (scripts/sanitize.sh, scripts/fuzz.sh).

if(TIRTA_SANITIZE OR TIRTA_BUILD_FUZZ)
    # Any fault stops the program at once, with the stack that led to it.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

if(TIRTA_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage for the fuzzer in every library; only the fuzz targets link libFuzzer's main.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
