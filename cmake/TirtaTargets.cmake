# Shared settings for every target of the project.

# Compile options and definitions that every library, tool and test uses.
function(tirta_configure target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    target_compile_definitions(${target} PRIVATE
        QT_DISABLE_DEPRECATED_BEFORE=0x060400
        QT_NO_KEYWORDS
        QT_NO_CAST_FROM_ASCII
        QT_NO_CAST_TO_ASCII
        QT_USE_QSTRINGBUILDER)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# tirta_library(name SOURCES ... LIBS ...): one static library per subsystem.
function(tirta_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    tirta_configure(${name})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# tirta_test(name LABEL area SOURCES ... LIBS ...): one QtTest executable, run headless by CTest.
function(tirta_test name)
    cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    tirta_configure(${name})
    target_link_libraries(${name} PRIVATE Qt6::Test tirta_test_support ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABEL}"
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false")
endfunction()
