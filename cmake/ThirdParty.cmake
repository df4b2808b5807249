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

# GoogleTest from Debian's googletest: its libraries natively; for Windows,
# built from the sources the package ships, the same version.
if(BRENLO_BUILD_TESTS AND NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
elseif(BRENLO_BUILD_TESTS)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# pugixml reads reports back in every build: Debian's libpugixml-dev natively;
# for the cross build, the same version built from Debian's source package,
# which scripts/install-deps.sh fetches into the user's cache.
if(CMAKE_CROSSCOMPILING)
  if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(pugixml_cache $ENV{XDG_CACHE_HOME})
  else()
    set(pugixml_cache $ENV{HOME}/.cache)
  endif()
  set(BRENLO_PUGIXML_SOURCE ${pugixml_cache}/brenlo/pugixml CACHE PATH "pugixml sources for the cross build")
  if(NOT EXISTS ${BRENLO_PUGIXML_SOURCE}/src/pugixml.hpp OR NOT EXISTS /usr/include/pugixml.hpp)
    message(FATAL_ERROR "pugixml sources are missing in ${BRENLO_PUGIXML_SOURCE}: run scripts/install-deps.sh")
  endif()
  # The same version as the native build's, so both read a report alike.
  file(STRINGS ${BRENLO_PUGIXML_SOURCE}/src/pugixml.hpp cross_version REGEX "^#.*define PUGIXML_VERSION ")
  file(STRINGS /usr/include/pugixml.hpp native_version REGEX "^#.*define PUGIXML_VERSION ")
  if(NOT cross_version STREQUAL native_version)
    message(FATAL_ERROR "pugixml in ${BRENLO_PUGIXML_SOURCE} is not libpugixml-dev's version: run scripts/install-deps.sh")
  endif()
  set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
  add_subdirectory(${BRENLO_PUGIXML_SOURCE} ${CMAKE_BINARY_DIR}/pugixml EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(pugixml REQUIRED)
endif()
