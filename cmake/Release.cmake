# The release archive of the Windows programs: both editions, brenlo-cli for
# checking and showing reports, the Japanese user's guide and the
# administrators' installation guide (cpack in the mingw build,
# scripts/release.sh). Packing needs the three programs only, not the whole
# build with its tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
install(TARGETS Brenlo Brenlopro brenlo-cli RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/docs/INSTALL-Windows.md DESTINATION . RENAME INSTALL.md)
# The guide as HTML pages with their screenshots in guide/, and the note that
# Notepad opens first. Debian's python3 is the one python3-markdown serves.
install(CODE "execute_process(COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/guide-html.py
                ${PROJECT_SOURCE_DIR}/docs/ja \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\"
                COMMAND_ERROR_IS_FATAL ANY)")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Brenlo)
set(CPACK_PACKAGE_VENDOR Brenlo)
# The program's version, as its resources carry it.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/Version.h version_line REGEX "BRENLO_PROGRAM_VERSION \"")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" program_version "${version_line}")
set(CPACK_PACKAGE_FILE_NAME "Brenlo-${program_version}-win64")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
include(CPack)
