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
function(brenlo_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC brenlo_options)
  target_compile_options(${name} PRIVATE -fexec-charset=CP932)
endfunction()
