#pragma once

// Every test source sees this header (the build includes it first): the
// checkout's folder comes from one object, so the other test objects are the
// same in every clone and a compiler cache shared by clones serves them.
namespace testsupport {

// The checkout's folder as the program sees paths: Windows form, reached
// through Z: (Wine's mapping of /, which the POSIX adapter shares).
const char* SourceDir();

}  // namespace testsupport

#define BRENLO_SOURCE_DIR (::testsupport::SourceDir())
