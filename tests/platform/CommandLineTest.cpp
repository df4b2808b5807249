#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using platform::AfterProgramName;

TEST(CommandLineTest, TheProgramNameAndTheBlanksAfterItAreSkipped) {
    EXPECT_EQ("1234,1025,7,C:\\out\\a b.xml",
              AfterProgramName("\"C:\\Program Files\\Brenlo.exe\" 1234,1025,7,C:\\out\\a b.xml"));
    EXPECT_EQ("1234,1025,7,", AfterProgramName("Brenlo.exe \t 1234,1025,7,"));
    EXPECT_EQ("x", AfterProgramName("\"C:\\a\"x")) << "the closing quote ends the name";
    EXPECT_EQ("1,2", AfterProgramName("C:\\\x95\x5c\\Brenlo.exe 1,2")) << "double-byte name";
}

TEST(CommandLineTest, NothingAfterTheNameIsAnEmptyCommandLine) {
    EXPECT_EQ("", AfterProgramName("Brenlo.exe"));
    EXPECT_EQ("", AfterProgramName("Brenlo.exe   "));
    EXPECT_EQ("", AfterProgramName("\"C:\\Program Files\\Brenlo.exe"))
        << "an unclosed quote takes the whole line";
    EXPECT_EQ("", AfterProgramName(""));
    EXPECT_EQ("a\"b", AfterProgramName("\"\" a\"b")) << "an empty quoted name";
}

}  // namespace
