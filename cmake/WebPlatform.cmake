# The browser's platform takes the clock from the POSIX one (wasi-libc has clock_gettime) and
# code page 932 from a table that the build machine's iconv fills, since wasi-libc has no
# conversion of its own.
function(qel_add_web_platform_sources target)
  find_program(QEL_HOST_CXX NAMES g++ c++ REQUIRED)
  set(generated ${CMAKE_BINARY_DIR}/generated)
  set(generator_sources ${PROJECT_SOURCE_DIR}/platform/web/generator/cp932_table_generator.cpp
                        ${PROJECT_SOURCE_DIR}/platform/code_page_932.cpp
                        ${PROJECT_SOURCE_DIR}/platform/posix/iconv_code_page.cpp)
  add_custom_command(
    OUTPUT ${generated}/cp932_table.cpp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}
    COMMAND ${QEL_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR} ${generator_sources}
            -o ${generated}/cp932-table-generator
    COMMAND ${generated}/cp932-table-generator ${generated}/cp932_table.cpp
    DEPENDS ${generator_sources}
    COMMENT "Code page 932 table from the build machine's iconv")
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/posix/posix_clock.cpp
                                   ${generated}/cp932_table.cpp)
endfunction()
