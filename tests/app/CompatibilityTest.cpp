#include "app/Compatibility.h"

#include <gtest/gtest.h>

#include <string>

#include "books/HostState.h"
#include "platform/FileSystem.h"
#include "support/ScriptedConsole.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using testsupport::Sjis;

constexpr char kMissing[] =
    "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。";
constexpr char kTooOld[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。";
constexpr char kTooNew[] =
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "連動コンポーネントの最新版を入手してインストールしてからご利用ください。";

class CompatibilityTest : public ::testing::Test {
protected:
    void SetUp() override {
        tobra::books::Reset();
        previousFolder_ = platform::Files().CurrentFolder();
        ASSERT_FALSE(temp_.Path().empty());
        folder_ = temp_.Path();
    }
    void TearDown() override {
        platform::Files().SetCurrentFolder(previousFolder_);
        tobra::books::Reset();
    }

    // Makes `folder` (under the scratch folder) current, with a definition file of this content.
    void Definition(const std::string* content, const std::string& subfolder = "") {
        if (!subfolder.empty()) {
            folder_ = temp_ / subfolder;
            ASSERT_TRUE(platform::Files().MakeDirectory(folder_));
        }
        if (content != nullptr) {
            auto file =
                platform::Files().Open(folder_ + "\\NorvikDef.ini", platform::OpenMode::Write,
                                       platform::ShareMode::Exclusive);
            ASSERT_TRUE(file);
            ASSERT_TRUE(file->Write(*content));
            ASSERT_TRUE(file->Close());
        }
        ASSERT_TRUE(platform::Files().SetCurrentFolder(folder_));
    }

    // The check's result, and the one message it showed (empty when none).
    std::pair<int, std::string> Check() {
        const int result = CheckCompatibility(true);
        const auto& messages = tobra::books::Recorded().messages;
        EXPECT_LE(messages.size(), 1u);
        std::string text;
        if (!messages.empty()) {
            EXPECT_EQ(messages[0].caption, Sjis("所得税"));
            EXPECT_EQ(messages[0].flags, 0x30u);  // exclamation, OK
            EXPECT_EQ(messages[0].owner, 0);
            text = messages[0].text;
        }
        tobra::books::Recorded().messages.clear();
        return {result, text};
    }

    testsupport::TempFolder temp_;
    std::string folder_;
    std::string previousFolder_;
    // The host shows its messages in message boxes, here on a console.
    testsupport::ScriptedConsole console_;
};

TEST_F(CompatibilityTest, MissingDefinitionFile) {
    Definition(nullptr);
    EXPECT_EQ(Check(), std::make_pair(0, Sjis(kMissing)));
}

TEST_F(CompatibilityTest, LevelsDecideTheMessage) {
    const struct {
        const char* content;
        int result;
        const char* message;
    } cases[] = {
        {"[ProgramLevel]\r\nNV14=3\r\n", 1, nullptr},
        {"[ProgramLevel]\r\nNV14=03\r\n", 1, nullptr},
        {"[ProgramLevel]\r\nNV14=3x\r\n", 1, nullptr},
        {"[programlevel]\r\nnv14 = 3\r\n", 1, nullptr},
        {"[ProgramLevel]\r\nNV14=2\r\n", 0, kTooOld},
        {"[ProgramLevel]\r\nNV14=abc\r\n", 0, kTooOld},
        {"[ProgramLevel]\r\nOTHER=3\r\n", 0, kTooOld},  // the default "1"
        {"", 0, kTooOld},
        {"[ProgramLevel]\r\nNV14=4\r\n", 0, kTooNew},
        {"[ProgramLevel]\r\nNV14=999999999999\r\n", 0, kTooNew},
        {"[ProgramLevel]\r\nNV14=\r\n", 0, kMissing},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const std::string content = c.content;
        Definition(&content);
        EXPECT_EQ(Check(), std::make_pair(c.result, c.message ? Sjis(c.message) : std::string()));
    }
}

TEST_F(CompatibilityTest, FolderEndingInADoubleByteCharacterStillGetsItsSeparator) {
    const std::string content = "[ProgramLevel]\r\nNV14=3\r\n";
    Definition(&content, Sjis("表"));  // 95 5C: the last byte looks like a backslash
    EXPECT_EQ(Check(), std::make_pair(1, std::string()));
}

#ifndef _WIN32
TEST_F(CompatibilityTest, ProgramFolderOfAnyLength) {
    // Windows keeps a program folder under 260 characters; Linux does not.
    const std::string content = "[ProgramLevel]\r\nNV14=3\r\n";
    std::string deep;
    for (int level = 0; level < 5; ++level) {
        deep += std::string(60, static_cast<char>('a' + level));
        ASSERT_TRUE(platform::Files().MakeDirectory(temp_ / deep));
        deep += "\\";
    }
    Definition(&content, deep + "last");
    ASSERT_GT(platform::Files().CurrentFolder().size(), 260u);
    EXPECT_EQ(Check(), std::make_pair(1, std::string()));
}
#endif

TEST_F(CompatibilityTest, NoMessageWhenAskedForNone) {
    Definition(nullptr);
    EXPECT_EQ(CheckCompatibility(false), 0);
    EXPECT_TRUE(tobra::books::Recorded().messages.empty());
}

}  // namespace
