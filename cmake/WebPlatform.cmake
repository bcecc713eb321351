# wasi-libc has no code page conversion: the browser's platform converts code page 932 with a
# table that the build machine's iconv fills at build time, through the Linux program's own
# conversion. Sets out to the generated source.
function(qel_cp932_table out)
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
  set(${out} ${generated}/cp932_table.cpp PARENT_SCOPE)
endfunction()

# The browser's platform takes the clock and the '/' paths from the POSIX one (wasi-libc has
# clock_gettime). The
# page has no threads: its long work runs in the page's own turn (frontends/web), so the
# desktop programs' worker thread is left out.
function(qel_add_web_platform_sources target)
  qel_cp932_table(table)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/platform/posix/posix_clock.cpp
                                   ${PROJECT_SOURCE_DIR}/platform/posix/slash_paths.cpp ${table})
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources EXCLUDE REGEX "/platform/background_work\\.cpp$")
  set_target_properties(${target} PROPERTIES SOURCES "${sources}")
endfunction()
