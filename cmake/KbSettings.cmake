# Shared compile settings for every target of the project.
add_library(kb_settings INTERFACE)
target_compile_features(kb_settings INTERFACE cxx_std_20)
target_compile_options(kb_settings INTERFACE
    -Wall -Wextra -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
if(DEFINED ENV{CI})
    target_compile_options(kb_settings INTERFACE -Werror)
endif()
target_compile_definitions(kb_settings INTERFACE
    QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_STRICT_ITERATORS QT_NO_KEYWORDS)
if(KB_SANITIZE)
    target_compile_options(kb_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    target_link_options(kb_settings INTERFACE -fsanitize=address,undefined)
endif()
if(KB_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "KB_FUZZ needs clang (libFuzzer): configure with the preset \"fuzz\".")
    endif()
    # Coverage for libFuzzer in every library; the fuzz targets themselves add the driver.
    target_compile_options(kb_settings INTERFACE -fsanitize=fuzzer-no-link,address,undefined
        -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(kb_settings INTERFACE -fsanitize=address,undefined)
endif()

# One QtTest executable per test folder, registered with CTest.
# GUI marks a folder whose tests need a QApplication.
function(kb_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/test_main.h)
    if(ARG_GUI)
        target_compile_definitions(${name} PRIVATE KB_TEST_GUI)
        target_link_libraries(${name} PRIVATE Qt6::Widgets)
    endif()
    target_link_libraries(${name} PRIVATE kb_settings Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KB_SOURCE_DIR=${CMAKE_SOURCE_DIR};ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 900)
endfunction()
