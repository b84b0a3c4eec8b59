# A warning fails the build, so none is left to bury a new one. Only our own targets take these:
# GoogleTest and libjpeg keep their own flags.
set(MARIVO_WARNINGS -Wall -Wextra -Werror)

if(MARIVO_NATIVE)
  if(NOT MARIVO_BENCH)
    # Coverage instrumentation everywhere so the fuzz targets can steer through the libraries.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer -fsanitize=fuzzer-no-link -g)
    add_link_options(-fsanitize=address,undefined)
  endif()
else()
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Code nothing calls is dropped at link time; classes are registered by explicit calls, so
  # nothing the forms create can be lost this way.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections)
  # Sections aligned in the file as in memory, so that Wine maps the image instead of reading it
  # into private memory: only the pages run are resident (about 2 MiB less for a console).
  add_link_options(-Wl,--file-alignment,4096 -Wl,--section-alignment,4096)
  # GCC 12's libstdc++ string code trips its own -Wrestrict on inlined appends (a known false
  # positive), which would bury real warnings.
  list(APPEND MARIVO_WARNINGS -Wno-restrict)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run)
  # libjpeg is built from Debian's source package by scripts/setup, as a static MinGW library.
  set(MARIVO_JPEG_ROOT ${PROJECT_SOURCE_DIR}/build/deps/libjpeg)
  add_library(JPEG::JPEG STATIC IMPORTED)
  set_target_properties(JPEG::JPEG PROPERTIES IMPORTED_LOCATION ${MARIVO_JPEG_ROOT}/lib/libjpeg.a
                        INTERFACE_INCLUDE_DIRECTORIES ${MARIVO_JPEG_ROOT}/include)
endif()

if(MARIVO_NATIVE)
  set(MARIVO_TEST_PREFIX native_)
else()
  set(MARIVO_TEST_PREFIX win_)
endif()

# A library every part of which must also build natively. Its sources are the .cpp files of
# its folder; a Win32 header included from it is a build error in both configurations.
function(marivo_portable_library target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/portable-guard)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${MARIVO_WARNINGS})
endfunction()

# A Win32 library: only in the Windows configuration.
function(marivo_win_library target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${MARIVO_WARNINGS})
endfunction()

# One test executable per library folder, run whole by CTest (under Wine in the Windows build).
function(marivo_test target)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${target} ${sources})
  target_compile_options(${target} PRIVATE ${MARIVO_WARNINGS})
  target_link_libraries(${target} PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
  add_test(NAME ${MARIVO_TEST_PREFIX}${target} COMMAND ${target} --gtest_brief=1
           WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  # A run cut short (a Wine process killed from outside can exit with 0) must not pass: only the
  # test runner's own summary counts.
  set_tests_properties(${MARIVO_TEST_PREFIX}${target} PROPERTIES TIMEOUT 900
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()

# A console (Tessaline or Corvella) with its forms, run against the fake meet server by the
# support of tests/support, in a test or benchmark program.
function(marivo_running_console target console)
  string(TOLOWER ${console} folder)
  set(support ${PROJECT_SOURCE_DIR}/tests/support)
  target_sources(${target} PRIVATE ${support}/FakeMeetServer.cpp ${support}/RunningConsole.cpp
                 ${support}/Running${console}.cpp ${support}/MessagePump.cpp
                 ${support}/ModalScript.cpp ${support}/ShippedForms.cpp ${support}/Snapshot.cpp
                 ${support}/TemporaryFolder.cpp)
  target_link_libraries(${target} PRIVATE marivo_${folder})
  marivo_form_resources(${target} ${PROJECT_SOURCE_DIR}/forms/common
                        ${PROJECT_SOURCE_DIR}/forms/${folder})
endfunction()

# A test program whose tests need the keyboard focus runs with no other test beside it: all
# Windows test programs share one display and one Wine desktop, and any of them showing a form
# may take the active window midway.
function(marivo_needs_focus target)
  set_tests_properties(${MARIVO_TEST_PREFIX}${target} PROPERTIES RUN_SERIAL TRUE)
endfunction()

# A libFuzzer target, run by CTest for a bounded time in the native build only. Inputs grow to
# MARIVO_FUZZ_MAX_LEN bytes where the caller sets it, to libFuzzer's own limit otherwise.
function(marivo_fuzz target source seconds)
  if(MARIVO_NATIVE AND NOT MARIVO_BENCH)
    add_executable(${target} ${source})
    target_link_libraries(${target} PRIVATE ${ARGN})
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    set(max_len "")
    if(MARIVO_FUZZ_MAX_LEN)
      set(max_len -max_len=${MARIVO_FUZZ_MAX_LEN})
    endif()
    # Seeds kept beside the source in <name without "fuzz_">_seeds start the search; read only,
    # so nothing found is written into the source tree.
    string(REGEX REPLACE "^fuzz_" "" seed_name ${target})
    file(GLOB seeds CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/${seed_name}_seeds/*)
    set(seed_inputs "")
    if(seeds)
      list(JOIN seeds "," seed_list)
      set(seed_inputs -seed_inputs=${seed_list})
    endif()
    add_test(NAME ${target} COMMAND ${target} -max_total_time=${seconds} -rss_limit_mb=2048 ${max_len}
             ${seed_inputs} -print_final_stats=0 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${target} PROPERTIES TIMEOUT 300)
  endif()
endfunction()

# Compiles the form data and the pictures of the given folders into a Windows target as RCDATA
# resources: a form under its class name, a picture under its file name with "_" for ".", both
# in upper case (resource compilers join quoted names with the next string, so names are bare).
function(marivo_form_resources target)
  set(rc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_forms.rc)
  set(rc_text "")
  set(inputs "")
  foreach(folder ${ARGN})
    file(GLOB files CONFIGURE_DEPENDS ${folder}/*.frm ${folder}/*.jpg ${folder}/*.bmp)
    foreach(file ${files})
      if(file MATCHES "\\.frm$")
        file(STRINGS ${file} first_line LIMIT_COUNT 1)
        if(NOT first_line MATCHES "^object [A-Za-z_0-9]+ *: *([A-Za-z_0-9]+)")
          message(FATAL_ERROR "${file}: the first line must be 'object Name: TClass'")
        endif()
        set(name ${CMAKE_MATCH_1})
      else()
        get_filename_component(name ${file} NAME)
        string(REPLACE "." "_" name ${name})
      endif()
      string(TOUPPER ${name} name)
      string(APPEND rc_text "${name} RCDATA \"${file}\"\n")
      list(APPEND inputs ${file})
    endforeach()
  endforeach()
  file(CONFIGURE OUTPUT ${rc_file} CONTENT "${rc_text}")
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS "${inputs}")
  target_sources(${target} PRIVATE ${rc_file})
endfunction()
