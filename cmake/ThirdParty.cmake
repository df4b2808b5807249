# Header-only libraries from Debian packages. The cross build must not see the
# whole of /usr/include (Linux system headers), so only their folders are
# linked into a private include directory.
set(BRENLO_THIRD_PARTY_INCLUDE ${CMAKE_BINARY_DIR}/third_party/include)
file(MAKE_DIRECTORY ${BRENLO_THIRD_PARTY_INCLUDE})
foreach(dir nlohmann CLI)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/install-deps.sh")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${BRENLO_THIRD_PARTY_INCLUDE}/${dir} SYMBOLIC)
endforeach()

add_library(brenlo_third_party INTERFACE)
target_include_directories(brenlo_third_party SYSTEM INTERFACE ${BRENLO_THIRD_PARTY_INCLUDE})

# GoogleTest from Debian's source package, so the native and the Windows test
# binaries are built from the same sources.
if(BRENLO_BUILD_TESTS)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
