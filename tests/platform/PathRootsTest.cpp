#include "platform/PathRoots.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/Sjis.h"

namespace {

using testsupport::Sjis;

// What PathStripToRootA leaves and answers.
struct Stripped {
    bool ok;
    std::string root;
};
Stripped Strip(std::string path) {
    const bool ok = platform::StripToRoot(path);
    return {ok, path};
}

TEST(PathRoots, SkipRootAfterDriveAndShareRoots) {
    EXPECT_EQ(platform::SkipRoot("C:\\out\\r.xml"), std::optional<std::string>("out\\r.xml"));
    EXPECT_EQ(platform::SkipRoot("C:\\"), std::optional<std::string>(""));
    EXPECT_EQ(platform::SkipRoot("c:\\a\\"), std::optional<std::string>("a\\"));
    EXPECT_EQ(platform::SkipRoot("\\\\srv\\share\\x\\y"), std::optional<std::string>("x\\y"));
    EXPECT_EQ(platform::SkipRoot("\\\\srv\\share\\"), std::optional<std::string>(""));
    EXPECT_EQ(platform::SkipRoot(Sjis("C:\\ソ\\r.xml")),
              std::optional<std::string>(Sjis("ソ\\r.xml")));
    EXPECT_EQ(platform::SkipRoot(Sjis("C:\\a\\表")), std::optional<std::string>(Sjis("a\\表")));
}

TEST(PathRoots, SkipRootFindsNoRoot) {
    for (const char* path :
         {"", "C:out", "C:", "C:/a/b", "\\a\\b", "x", "\\\\srv", "\\\\srv\\share"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(platform::SkipRoot(path).has_value());
    }
    // The share's trail byte 5C is no separator.
    EXPECT_FALSE(platform::SkipRoot(Sjis("\\\\srv\\表")).has_value());
    EXPECT_FALSE(platform::SkipRoot(Sjis("C:ソ")).has_value());
}

TEST(PathRoots, StripToRootKeepsTheRoot) {
    const struct {
        std::string path;
        bool ok;
        std::string root;
    } cases[] = {
        {"C:\\out\\r.xml", true, "C:\\"},
        {"C:\\out\\", true, "C:\\"},
        {"C:\\", true, "C:\\"},
        {"d:\\a\\b\\c", true, "d:\\"},
        {"\\\\srv\\share\\x\\y", true, "\\\\srv\\share"},
        {"\\\\srv\\share", true, "\\\\srv\\share"},
        {"\\\\srv", true, "\\\\srv"},
        {"\\a\\b", true, "\\"},
        {"C:out", false, "C:"},
        {"C:/a/b", false, "C:"},
        {"x", false, ""},
        {Sjis("C:\\ソ\\表"), true, "C:\\"},
        {Sjis("C:ソ"), false, "C:"},
        {Sjis("\\\\srv\\表\\x"), true, Sjis("\\\\srv\\表")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testsupport::Utf8(c.path));
        const Stripped stripped = Strip(c.path);
        EXPECT_EQ(stripped.ok, c.ok);
        EXPECT_EQ(stripped.root, c.root);
    }
}

TEST(PathRoots, SplitPathGivesDriveAndDirectory) {
    const struct {
        std::string path;
        std::string drive;
        std::string directory;
    } cases[] = {
        {"C:\\out\\r.xml", "C:", "\\out\\"},
        {"C:\\out", "C:", "\\"},
        {"C:r.xml", "C:", ""},
        {"r.xml", "", ""},
        {"C:/a/b", "C:", "/a/"},
        {"\\a\\b", "", "\\a\\"},
        {"\\\\srv\\share\\x", "", "\\\\srv\\share\\"},
        {"a/b\\c", "", "a/b\\"},
        {Sjis("C:\\ソ\\r.xml"), "C:", Sjis("\\ソ\\")},
        {Sjis("C:\\a\\表"), "C:", "\\a\\"},
        {Sjis("C:ソ"), "C:", ""},
        {Sjis("D:\\税務\\ソ表"), "D:", Sjis("\\税務\\")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testsupport::Utf8(c.path));
        const platform::PathSplit split = platform::SplitPath(c.path);
        EXPECT_EQ(split.drive, c.drive);
        EXPECT_EQ(split.directory, c.directory);
    }
}

}  // namespace
