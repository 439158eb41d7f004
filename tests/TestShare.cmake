# Counts the lines of the tests and of the product code, prints both,
# and fails when the tests come to more than 0.36 of the code: tests that catch faults are about
# a third of the code, not a copy of it. Run by CTest as test_share.
function(count_lines folder result)
    file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    set(lines 0)
    foreach(file IN LISTS files)
        file(READ ${file} text)
        string(REGEX MATCHALL "\n" ends "${text}")
        list(LENGTH ends count)
        math(EXPR lines "${lines} + ${count}")
    endforeach()
    set(${result} ${lines} PARENT_SCOPE)
endfunction()

count_lines(src code)
count_lines(tests tests)
math(EXPR per_mille "1000 * ${tests} / ${code}")
math(EXPR over "100 * ${tests} - 36 * ${code}") # exact: the per mille above is rounded down
message("tests: ${tests} lines, code: ${code} lines: ${per_mille} per thousand (at most 360)")
if(over GREATER 0)
    message(FATAL_ERROR "the tests have grown past 0.36 of the code")
endif()
