# Every compiler call through ccache where it is installed (scripts/install-deps.sh
# installs it), into the user's own cache (~/.cache/ccache unless the user's
# ccache configuration says otherwise), shared by every clone and preset:
# - paths under the checkout are hashed relative to it (base directory), and
#   the build folder's path is left out of objects with debug information,
#   so a fresh clone in another folder hits what an earlier clone compiled;
# - the compiler is identified by its version and configuration (`-v`), which
#   tells MinGW's posix and win32 variants apart and follows an upgrade;
# - the locale stays in the hash: g++ reads sources in the locale's character set.
# -DBRENLO_CCACHE=OFF compiles without it.
option(BRENLO_CCACHE "Compile through ccache when it is installed" ON)
find_program(BRENLO_CCACHE_PROGRAM ccache)
if(BRENLO_CCACHE AND BRENLO_CCACHE_PROGRAM)
  set(launcher env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1 "CCACHE_COMPILERCHECK=%compiler% -v"
               ${BRENLO_CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
