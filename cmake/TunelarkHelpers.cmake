# Places a target's output in the program folder, the way the programs are shipped.
function(tunelark_stage target)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${TUNELARK_PROGRAM_DIR}
        LIBRARY_OUTPUT_DIRECTORY ${TUNELARK_PROGRAM_DIR})
endfunction()

# A QtTest executable registered with CTest. Extra arguments are the libraries it links.
function(tunelark_add_test name source)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARGN})
    add_test(NAME ${name} COMMAND ${name})
endfunction()
