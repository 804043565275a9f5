# Compiler settings shared by every target of the project.

add_compile_options(-Wall -Wextra -Wpedantic)

if(K7_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# k7_add_test(NAME name SOURCES ... LIBS ... [LABELS ...] [TIMEOUT s] [LAUNCHER cmd...])
# Builds one QtTest program and registers it with CTest (run through
# LAUNCHER, e.g. dbus-run-session, when given). Tests run headless
# (offscreen platform) from their own build folder. Every test that shows the
# scene meets Qt Quick's texture cycle, so its leak suppressions apply to all.
function(k7_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENV;LAUNCHER" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_LAUNCHER} $<TARGET_FILE:${T_NAME}>)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        SKIP_RETURN_CODE 77
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;K7_SOURCE_DIR=${CMAKE_SOURCE_DIR};K7_OUTPUT_DIR=${K7_OUTPUT_DIR};ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/qml/lsan.supp;${T_ENV}")
endfunction()
