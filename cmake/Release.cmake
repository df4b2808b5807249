# The release archive of the Windows programs: both editions, the viewer and
# brenlo-cli for checking and showing reports, the Japanese user's guide and
# the administrators' installation guide (cpack in the mingw build,
# scripts/release.sh). Packing needs the four programs only, not the whole
# build with its tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
set(release_programs Brenlo Brenlopro BrenloView brenlo-cli)
install(TARGETS ${release_programs} RUNTIME DESTINATION .)
# The trial folder runs as unpacked: the programs beside the sample books
# (the blue sample, under the name the stand-in host looks for) and the
# definition and support files the export reads from its own folder.
install(TARGETS ${release_programs} RUNTIME DESTINATION お試し)
install(FILES ${PROJECT_SOURCE_DIR}/samples/NorvikDef.ini ${PROJECT_SOURCE_DIR}/samples/SUPPORT.INF
        DESTINATION お試し)
install(FILES ${PROJECT_SOURCE_DIR}/samples/Books-blue.json DESTINATION お試し RENAME Books.json)
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
