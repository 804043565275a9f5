# Copies the shipped data folder modules/ next to the executables (and next
# to the test programs, which start the application from their own folder),
# file by file, so that an edited data file is copied again on the next build.

file(GLOB_RECURSE K7_MODULE_FILES CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR}/modules ${CMAKE_SOURCE_DIR}/modules/*)

set(K7_MODULE_OUTPUTS)
foreach(rel ${K7_MODULE_FILES})
    # Sources of generated assets (logo.svg, its script) stay out of the copy.
    if(rel MATCHES "\\.(svg|sh)$")
        continue()
    endif()
    foreach(dir ${K7_OUTPUT_DIR} ${CMAKE_BINARY_DIR}/tests/bin)
        set(out ${dir}/modules/${rel})
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/modules/${rel} ${out}
            DEPENDS ${CMAKE_SOURCE_DIR}/modules/${rel}
            COMMENT "Copying modules/${rel}" VERBATIM)
        list(APPEND K7_MODULE_OUTPUTS ${out})
    endforeach()
endforeach()

add_custom_target(k7modules ALL DEPENDS ${K7_MODULE_OUTPUTS})
