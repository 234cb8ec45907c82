# Helpers shared by every folder. Each source folder is one static library
# made of the .cpp files directly inside it; each test folder is one test
# program made of its *_test.cpp files.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  set(TELUVAR_WARNINGS -Wall -Wextra -Wno-unused-parameter)
endif()
# GCC 12 at -O3 (Release) reports impossible overlapping copies (memcpy of
# 2^63 bytes) inside libstdc++'s own std::string::_M_replace, reached from
# "text" + string and from assigning a literal to a string: a known false
# positive of that compiler (GCC bug 105651), nothing in our code. Off for
# GCC 12's Release builds only.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND TELUVAR_WARNINGS $<$<CONFIG:Release>:-Wno-restrict>)
endif()

# teluvar_library(<name> [QT] [DEPS <targets...>] [SUBDIRS <folders...>])
# Builds the static library teluvar_<name> from the .cpp files of the current
# folder (and of the SUBDIRS named, for subsystems that call each other both
# ways). QT links Qt Widgets and PrintSupport; pure libraries leave it out.
function(teluvar_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS;SUBDIRS" ${ARGN})
  set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
  foreach(d ${ARG_SUBDIRS})
    list(APPEND dirs ${CMAKE_CURRENT_SOURCE_DIR}/${d})
  endforeach()
  set(srcs)
  set(hdrs)
  set(qrcs)
  foreach(d ${dirs})
    file(GLOB s CONFIGURE_DEPENDS ${d}/*.cpp)
    file(GLOB h CONFIGURE_DEPENDS ${d}/*.h)
    file(GLOB q CONFIGURE_DEPENDS ${d}/*.qrc)
    list(APPEND srcs ${s})
    list(APPEND hdrs ${h})
    list(APPEND qrcs ${q})
  endforeach()
  if(NOT srcs)
    # A folder not written yet: an empty interface keeps its users linking.
    add_library(teluvar_${name} INTERFACE)
    target_include_directories(teluvar_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    if(ARG_QT)
      target_link_libraries(teluvar_${name} INTERFACE Qt6::Widgets Qt6::PrintSupport)
    endif()
    if(ARG_DEPS)
      target_link_libraries(teluvar_${name} INTERFACE ${ARG_DEPS})
    endif()
    return()
  endif()
  add_library(teluvar_${name} STATIC ${srcs} ${hdrs} ${qrcs})
  target_include_directories(teluvar_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(teluvar_${name} PRIVATE ${TELUVAR_WARNINGS})
  if(ARG_QT)
    target_link_libraries(teluvar_${name} PUBLIC Qt6::Widgets Qt6::PrintSupport)
  else()
    set_target_properties(teluvar_${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
  endif()
  if(ARG_DEPS)
    target_link_libraries(teluvar_${name} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# teluvar_test(<name> [QT] [LIBS <targets...>])
# Builds the test program test_<name> from the *_test.cpp files of the current
# folder and registers it with ctest. Every test program uses the shared main
# (tests/support), which creates an offscreen QApplication for widget tests.
function(teluvar_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "LIBS;SUBDIRS" ${ARGN})
  set(srcs)
  foreach(d . ${ARG_SUBDIRS})
    file(GLOB s CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/*_test.cpp)
    list(APPEND srcs ${s})
  endforeach()
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs})
  target_compile_options(test_${name} PRIVATE ${TELUVAR_WARNINGS})
  target_link_libraries(test_${name} PRIVATE teluvar_test_support ${ARG_LIBS})
  target_compile_definitions(test_${name} PRIVATE
    TELUVAR_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND test_${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# teluvar_fuzz_target(<name> LIBS <targets...>)
# fuzz/<name>.cpp defines LLVMFuzzerTestOneInput. With TELUVAR_FUZZ it becomes
# a libFuzzer program (clang, sanitizers: see scripts/fuzz); in the ordinary
# build it becomes the test replay_<name>, which feeds every file of
# fuzz/corpus/<name>/ to the same function.
function(teluvar_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  set(src ${PROJECT_SOURCE_DIR}/fuzz/${name}.cpp)
  if(TELUVAR_FUZZ)
    add_executable(fuzz_${name} ${src})
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBS})
  elseif(TELUVAR_BUILD_TESTS)
    add_executable(replay_${name} ${src} ${PROJECT_SOURCE_DIR}/tests/support/fuzz_replay_main.cpp)
    target_link_libraries(replay_${name} PRIVATE ${ARG_LIBS})
    add_test(NAME replay_${name}
      COMMAND replay_${name} ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
    set_tests_properties(replay_${name} PROPERTIES TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()

# teluvar_art(<name> FILE <file.rgb32> LIBS <targets...>)
# A picture drawn at build time by the program's own drawing code: the
# program <name> (from <name>.cpp of the current folder) writes its raw
# pixels to art/<file>, and the target <name>_pixels makes them.
function(teluvar_art name)
  cmake_parse_arguments(ARG "" "FILE" "LIBS" ${ARGN})
  add_executable(${name} ${name}.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_compile_options(${name} PRIVATE ${TELUVAR_WARNINGS})
  set(pixels ${PROJECT_BINARY_DIR}/src/app/art/${ARG_FILE})
  # Qt wants a private runtime folder and, without one, says so in the middle
  # of the build's progress line: the drawing programs get one of their own.
  set(runtime ${PROJECT_BINARY_DIR}/src/app/art/runtime)
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_custom_command(OUTPUT ${pixels}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/src/app/art
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${runtime}
            $<TARGET_FILE:${name}> ${pixels}
    DEPENDS ${name} VERBATIM)
  add_custom_target(${name}_pixels DEPENDS ${pixels})
endfunction()

# teluvar_carry_art(<target> <name> <file.rgb32>)
# Carries the pixels of teluvar_art <name> as a resource of <target>
# (":/teluvar/<file>"), uncompressed: the program and the tests that show
# the same window.
function(teluvar_carry_art target name file)
  set(pixels ${PROJECT_BINARY_DIR}/src/app/art/${file})
  set_source_files_properties(${pixels} PROPERTIES GENERATED TRUE)
  qt_add_resources(${target} "${name}" PREFIX "/teluvar" BASE ${PROJECT_BINARY_DIR}/src/app/art
    OPTIONS -no-compress FILES ${pixels})
  add_dependencies(${target} ${name}_pixels)
endfunction()
