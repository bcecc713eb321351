# Fills the staging prefix of the Windows cross build once: GoogleTest built from the sources
# that Debian's googletest package ships, and the header-only CLI11 and nlohmann-json with
# their package files. Debian ships no mingw builds of them.
function(qel_stage_windows_dependencies stage)
  if(EXISTS ${stage}/stamp)
    return()
  endif()
  message(STATUS "Staging the Windows dependencies in ${stage}")
  foreach(folder CLI nlohmann)
    file(COPY /usr/include/${folder} DESTINATION ${stage}/include)
  endforeach()
  foreach(package CLI11 nlohmann_json)
    file(COPY /usr/share/cmake/${package} DESTINATION ${stage}/share/cmake)
  endforeach()

  set(gtest_build ${stage}/googletest-build)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S /usr/src/googletest -B ${gtest_build} -G Ninja
            -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
            -DCMAKE_INSTALL_PREFIX=${stage} -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF
    RESULT_VARIABLE configured OUTPUT_QUIET)
  if(NOT configured EQUAL 0)
    message(FATAL_ERROR "GoogleTest for Windows could not be configured")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${gtest_build} --target install
                  RESULT_VARIABLE built OUTPUT_QUIET)
  if(NOT built EQUAL 0)
    message(FATAL_ERROR "GoogleTest for Windows could not be built")
  endif()
  file(REMOVE_RECURSE ${gtest_build})
  file(WRITE ${stage}/stamp "")
endfunction()
