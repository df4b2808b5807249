# Compiler settings shared by every target of the project.
add_library(brenlo_options INTERFACE)
target_compile_features(brenlo_options INTERFACE cxx_std_20)
target_compile_options(brenlo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align
  -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
target_include_directories(brenlo_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(WIN32)
  # Static runtime: the programs and tests run under Wine without MinGW DLLs.
  target_link_options(brenlo_options INTERFACE -static -static-libgcc -static-libstdc++)
  target_compile_definitions(brenlo_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(BRENLO_FUZZ)
  # libFuzzer's coverage hooks in every library; only the fuzz targets link
  # its main (-fsanitize=fuzzer, tests/fuzz).
  target_compile_options(brenlo_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                  -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(brenlo_options INTERFACE -fsanitize=address,undefined)
endif()

if(BRENLO_SANITIZE)
  target_compile_options(brenlo_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=undefined)
  target_link_options(brenlo_options INTERFACE -fsanitize=address,undefined)
endif()

# The program's own texts are Shift_JIS, as on Windows: its sources are UTF-8
# and the compiler turns every narrow string literal into code page 932
# (glibc's CP932, which writes the same bytes as Windows). Tests keep UTF-8
# literals and convert where they compare, so Japanese literals belong in
# .cpp files of the program, never in its headers.
#
# Clang (the fuzz build) knows no execution character set but UTF-8, so there
# the library is built from copies of its sources whose non-ASCII characters
# are written as escapes of their CP932 bytes (tools/cp932-literals.py): the
# same literal bytes as g++ gives, hence the same behaviour under the fuzzer.
function(brenlo_add_library name)
  if(BRENLO_FUZZ)
    set(sources)
    foreach(source IN LISTS ARGN)
      get_filename_component(source ${source} ABSOLUTE)
      file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${source})
      set(copy ${PROJECT_BINARY_DIR}/cp932/${relative})
      # The copy names its original relative to the build folder, as the
      # compiler cache hands every other path to the compiler: the copies are
      # then the same in every clone.
      file(RELATIVE_PATH line_name ${PROJECT_BINARY_DIR} ${source})
      add_custom_command(OUTPUT ${copy}
                         COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/cp932-literals.py ${source} ${copy} ${line_name}
                         DEPENDS ${source} ${PROJECT_SOURCE_DIR}/tools/cp932-literals.py VERBATIM)
      list(APPEND sources ${copy})
    endforeach()
    add_library(${name} STATIC ${sources})
    # Quoted includes next to the original source.
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC brenlo_options)
  else()
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PUBLIC brenlo_options)
    target_compile_options(${name} PRIVATE -fexec-charset=CP932)
  endif()
endfunction()
