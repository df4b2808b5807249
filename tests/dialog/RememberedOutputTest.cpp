#include <gtest/gtest.h>

#include <cstdio>

#include <algorithm>
#include <atomic>
#include <chrono>

#include <thread>

#include <set>

#include <filesystem>
#include <fstream>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "books/HostState.h"
#include "core/Edition.h"
#include "dialog/ConditionsDlg.h"
#include "platform/FileSystem.h"
#include "support/DialogControls.h"
#include "support/FailingFileSystem.h"
#include "support/FakeDriveFileSystem.h"
#include "support/NetworkShare.h"
#include "support/ScriptedConsole.h"
#include "support/Sjis.h"
#include "support/TempFolder.h"

namespace {

using platform::headless::HeadlessDialog;
using testsupport::Sjis;

using namespace testsupport::controls;

std::string JsonText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '"') {
            escaped += '\\';
        }
        escaped += c;
    }
    return '"' + escaped + '"';
}

std::optional<std::string> ReadFile(const std::string& path) {
    auto file =
        platform::Files().Open(path, platform::OpenMode::Read, platform::ShareMode::ReadWrite);
    if (!file) {
        return std::nullopt;
    }
    std::string content;
    std::vector<char> chunk(1024);
    while (auto read = file->Read(chunk)) {
        if (*read == 0) {
            return content;
        }
        content.append(chunk.data(), *read);
    }
    return std::nullopt;
}

void WriteFile(const std::string& path, const std::string& content) {
    auto file =
        platform::Files().Open(path, platform::OpenMode::Write, platform::ShareMode::Exclusive);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write(content));
    ASSERT_TRUE(file->Close());
}

bool Exists(const std::string& path) {
    return platform::Files().KindOf(path) != platform::EntryKind::None;
}

class RememberedOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp.Path().empty());
        ASSERT_TRUE(platform::Files().MakeDirectory(temp / "out"));
        Host(temp / "env\\");
        SetUser("USER1", 3, 12);
    }
    void TearDown() override { tobra::books::Reset(); }

    // The stand-in host's folders: type 0 the output folder, type 1 the settings folder.
    void Host(const std::string& settingsFolder) {
        tobra::books::Reset();
        ASSERT_EQ(tobra::books::InstallText(R"({"format": "books/1", "appFolders": [)" +
                                            JsonText(temp / "out\\") + ", " +
                                            JsonText(settingsFolder) + R"(], "entries": []})"),
                  "");
    }

    void SetUser(const char* user, std::int32_t no1, std::int32_t no2) {
        std::memset(dialog.m_szUserID, 0, sizeof dialog.m_szUserID);
        std::strncpy(dialog.m_szUserID, user, sizeof dialog.m_szUserID - 1);
        dialog.m_lSelectedNo1 = no1;
        dialog.m_lSelectedNo2 = no2;
    }

    std::string SettingsPath() const { return temp / "env\\Brenlo.env"; }

    // Nothing but the settings file stays in its folder after a save.
    std::set<std::string> SettingsFolderEntries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp.NativePath() / "env")) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    struct Read {
        bool found;
        IncomeKind kind;
        std::string path;
    };
    Read ReadBack() {
        IncomeKind kind = 0;
        char path[CConditionsDlg::kPathBufferSize] = {};
        const bool found = dialog.ReadRememberedOutput(&kind, path);
        return {found, kind, path};
    }

    testsupport::TempFolder temp;
    CConditionsDlg dialog{0, Edition::Brenlo()};
};

TEST_F(RememberedOutputTest, FirstSaveCreatesTheFolderAndOneRecord) {
    EXPECT_FALSE(ReadBack().found);
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 3, "D:\\tax\\r.xml"));
    EXPECT_EQ(ReadFile(SettingsPath()), "USER1/3/12:0/0/3/D:\\tax\\r.xml\n");
    const Read read = ReadBack();
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.kind, 3);
    EXPECT_EQ(read.path, "D:\\tax\\r.xml");
    EXPECT_EQ(SettingsFolderEntries(), std::set<std::string>{"Brenlo.env"});
}

TEST_F(RememberedOutputTest, TheProEditionHasItsOwnFile) {
    CConditionsDlg pro{0, Edition::Brenlopro()};
    std::strcpy(pro.m_szUserID, "USER1");
    EXPECT_TRUE(pro.SaveRememberedOutput(0, 0, 1, "C:\\p.xml"));
    EXPECT_EQ(ReadFile(temp / "env\\Brenlopro.env"), "USER1/0/0:0/0/1/C:\\p.xml\n");
    EXPECT_FALSE(Exists(SettingsPath()));
}

TEST_F(RememberedOutputTest, ASecondSaveReplacesTheRecordAndMovesItToTheEnd) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    WriteFile(SettingsPath(),
              "A/1/1:0/0/1/C:\\a.xml\nUSER1/3/12:0/0/1/C:\\old.xml\nZ/2/2:0/0/2/C:\\z.xml\n");
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 2, Sjis("C:\\税務\\ソ表.xml").c_str()));
    EXPECT_EQ(ReadFile(SettingsPath()), "A/1/1:0/0/1/C:\\a.xml\nZ/2/2:0/0/2/C:\\z.xml\n" +
                                            Sjis("USER1/3/12:0/0/2/C:\\税務\\ソ表.xml\n"));
    EXPECT_EQ(ReadBack().path, Sjis("C:\\税務\\ソ表.xml"));
}

TEST_F(RememberedOutputTest, UserIdsEndingInAnotherFindOnlyTheirOwnRecord) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    WriteFile(SettingsPath(), "AB/1/2:0/0/2/C:\\ab.xml\nB/1/2:0/0/3/C:\\b.xml\n");
    SetUser("B", 1, 2);
    Read read = ReadBack();
    EXPECT_EQ(read.kind, 3);
    EXPECT_EQ(read.path, "C:\\b.xml");
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\b2.xml"));
    EXPECT_EQ(ReadFile(SettingsPath()), "AB/1/2:0/0/2/C:\\ab.xml\nB/1/2:0/0/1/C:\\b2.xml\n");
    SetUser("AB", 1, 2);
    read = ReadBack();
    EXPECT_EQ(read.kind, 2);
    EXPECT_EQ(read.path, "C:\\ab.xml");
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 3, "C:\\ab2.xml"));
    EXPECT_EQ(ReadFile(SettingsPath()), "B/1/2:0/0/1/C:\\b2.xml\nAB/1/2:0/0/3/C:\\ab2.xml\n");
}

TEST_F(RememberedOutputTest, MalformedLinesAreNeverMatchedAndStayInPlace) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    const std::string before =
        "garbage\n\nUSER1/3/12:no-slash\nUSER1/3/12 0/0/3/C:\\nocolon.xml\n"
        "USER1/3/12:0/0/1/C:\\old.xml\nother/1/1:0/0/2/x\nUSER1/3/12:0/0/3/C:\\tail.xml";
    WriteFile(SettingsPath(), before);
    Read read = ReadBack();
    EXPECT_EQ(read.kind, 1);
    EXPECT_EQ(read.path, "C:\\old.xml");
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 2, "C:\\new.xml"));
    EXPECT_EQ(ReadFile(SettingsPath()),
              "garbage\n\nUSER1/3/12:no-slash\nUSER1/3/12 0/0/3/C:\\nocolon.xml\n"
              "other/1/1:0/0/2/x\nUSER1/3/12:0/0/2/C:\\new.xml\nUSER1/3/12:0/0/3/C:\\tail.xml");
    read = ReadBack();
    EXPECT_EQ(read.kind, 2);
    EXPECT_EQ(read.path, "C:\\new.xml");
}

TEST_F(RememberedOutputTest, OnlyMalformedLinesGiveNoRecord) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    WriteFile(SettingsPath(), "USER1/3/12:nothing\nUSER1/3/12:0/0/3/unterminated");
    EXPECT_FALSE(ReadBack().found);
}

TEST_F(RememberedOutputTest, AFailingWriteOrCloseLeavesTheOldOrTheNewFile) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    const std::string old = "A/1/1:0/0/1/C:\\a.xml\nUSER1/3/12:0/0/1/C:\\old.xml\n";
    const std::string updated = "A/1/1:0/0/1/C:\\a.xml\nUSER1/3/12:0/0/3/C:\\new.xml\n";
    for (int k = 1; k <= 3; ++k) {
        for (bool failClose : {false, true}) {
            SCOPED_TRACE(std::to_string(k) + (failClose ? " close" : " write"));
            WriteFile(SettingsPath(), old);
            bool saved = false;
            {
                testsupport::FailingFileSystem failing;
                (failClose ? failing.failingClose : failing.failingWrite) = k;
                saved = dialog.SaveRememberedOutput(0, 0, 3, "C:\\new.xml");
            }
            const std::optional<std::string> content = ReadFile(SettingsPath());
            EXPECT_EQ(content, saved ? updated : old);
            EXPECT_EQ(saved, k > 1);
            EXPECT_EQ(SettingsFolderEntries(), std::set<std::string>{"Brenlo.env"});
        }
    }
}

TEST_F(RememberedOutputTest, AnUnreadableFileIsLeftUntouched) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    const std::string old = "USER1/3/12:0/0/1/C:\\old.xml\n";
    WriteFile(SettingsPath(), old);
    testsupport::FakeDriveFileSystem files;
    files.unreadable.insert(SettingsPath());
    EXPECT_FALSE(ReadBack().found);
    EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 3, "C:\\new.xml"));
    files.unreadable.clear();
    EXPECT_EQ(ReadFile(SettingsPath()), old);
    EXPECT_EQ(SettingsFolderEntries(), std::set<std::string>{"Brenlo.env"});
}

TEST_F(RememberedOutputTest, KeysAndRecordsBeyondTheirLimitsAreNotWritten) {
    SetUser(std::string(44, 'U').c_str(), 3, 12);  // "/3/12:" makes 50 bytes
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\r.xml"));
    SetUser(std::string(45, 'U').c_str(), 3, 12);
    EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\r.xml"));
    SetUser("USER1", 3, 12);
    // "USER1/3/12:0/0/1/" is 17 bytes, the line feed 1.
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, std::string(493, 'p').c_str()));
    EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 2, std::string(494, 'p').c_str()));
    // A user ID with a line break would make a record that is never found again.
    for (const char* user : {"US\nER", "US\rER", "USER\r\n"}) {
        SetUser(user, 3, 12);
        EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\r.xml"));
    }
    const std::optional<std::string> content = ReadFile(SettingsPath());
    ASSERT_TRUE(content);
    EXPECT_EQ(*content, std::string(44, 'U') + "/3/12:0/0/1/C:\\r.xml\nUSER1/3/12:0/0/1/" +
                            std::string(493, 'p') + "\n");
}

#ifndef _WIN32
TEST_F(RememberedOutputTest, OnlyARegularFileIsReadOrReplaced) {
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 3, "D:\\tax\\r.xml"));
    const auto native = temp.NativePath() / "env" / "Brenlo.env";
    std::filesystem::remove(native);
    std::filesystem::create_symlink("/dev/zero", native);
    EXPECT_FALSE(ReadBack().found);
    EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 3, "D:\\tax\\r.xml"));
    EXPECT_TRUE(std::filesystem::is_symlink(native));
}
#endif

TEST_F(RememberedOutputTest, RunsSavingAtOnceKeepEachOthersRecords) {
    ASSERT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\first.xml"));
    constexpr int kRuns = 4;
    constexpr int kSaves = 10;
    std::vector<std::thread> runs;
    for (int run = 0; run < kRuns; ++run) {
        runs.emplace_back([run] {
            for (int save = 0; save < kSaves; ++save) {
                CConditionsDlg other{0, Edition::Brenlo()};
                std::snprintf(other.m_szUserID, sizeof other.m_szUserID, "R%d", run);
                other.m_lSelectedNo2 = save;
                other.SaveRememberedOutput(0, 0, 1, "C:\\r.xml");
            }
        });
    }
    for (std::thread& run : runs) {
        run.join();
    }
    const std::string content = ReadFile(SettingsPath()).value_or("");
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 1 + kRuns * kSaves);
    EXPECT_EQ(SettingsFolderEntries(), std::set<std::string>{"Brenlo.env"});
}

// Eight runs at once on a share without folder locks, in a folder of 5,000
// files, each round starting from a lock that a killed run left: every save
// that says it landed has its record, whether or not the folder can be listed.
// A run that waited out its patience on a loaded machine says so, and may.
TEST_F(RememberedOutputTest, EightRunsAtOnceOnANetworkShareLoseNoRecord) {
    constexpr int kRuns = 8;
    constexpr int kRounds = 30;
    ASSERT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\first.xml"));
    for (int k = 0; k < 5000; ++k) {
        WriteFile(temp / ("env\\user" + std::to_string(k) + ".txt"), "");
    }
    testsupport::NetworkShare share;
    share.slowMs = 1;
    platform::ProcessStamp killed = platform::Files().CurrentProcess();
    ++killed.started;
    std::atomic<int> refused{0};
    for (int round = 0; round < kRounds; ++round) {
        share.listable = round % 2 == 0;
        WriteFile(temp / "env\\Brenlo.lck", platform::LockFileText(killed));
        std::filesystem::last_write_time(
            temp.NativePath() / "env" / "Brenlo.lck",
            std::filesystem::file_time_type::clock::now() - std::chrono::minutes(10));
        std::vector<std::thread> runs;
        for (int run = 0; run < kRuns; ++run) {
            runs.emplace_back([run, round, &refused] {
                CConditionsDlg other{0, Edition::Brenlo()};
                std::snprintf(other.m_szUserID, sizeof other.m_szUserID, "R%d", run);
                other.m_lSelectedNo2 = round;
                refused += other.SaveRememberedOutput(0, 0, 1, "C:\\r.xml") ? 0 : 1;
            });
        }
        for (std::thread& run : runs) {
            run.join();
        }
    }
    // Each record has a key of its own: none lost leaves one line per save.
    const std::string content = ReadFile(SettingsPath()).value_or("");
    EXPECT_LT(refused, kRuns * kRounds / 10);
    EXPECT_EQ(1 + kRuns * kRounds - refused, std::count(content.begin(), content.end(), '\n'));
    EXPECT_EQ(5001u, SettingsFolderEntries().size()) << "a lock file or a temporary left";
}

TEST_F(RememberedOutputTest, AnotherRunsLockFileKeepsTheRecordFromBeingSavedAndThatIsSaid) {
    testsupport::NetworkShare share;
    ASSERT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\first.xml"));
    platform::ProcessStamp elsewhere = platform::Files().CurrentProcess();
    elsewhere.machine += " elsewhere";
    WriteFile(temp / "env\\Brenlo.lck", platform::LockFileText(elsewhere));
    EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 3, "C:\\third.xml"));
    const std::optional<platform::FileFailure> failure = platform::TakeFileFailure();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path, SettingsPath());
    EXPECT_NE(failure->reason.find("not remembered"), std::string::npos);
    std::filesystem::remove(temp.NativePath() / "env" / "Brenlo.lck");
    EXPECT_EQ(ReadBack().path, "C:\\first.xml");
}

#ifndef _WIN32
// Windows lets nobody move or remove the lock file its holder keeps open.
TEST_F(RememberedOutputTest, ASaveWhoseLockWasTakenOverSaysSo) {
    platform::ProcessStamp elsewhere = platform::Files().CurrentProcess();
    elsewhere.machine += " elsewhere";
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    for (const bool whileWriting : {false, true}) {
        SCOPED_TRACE(whileWriting);
        WriteFile(SettingsPath(), "USER1/3/12:0/0/1/C:\\first.xml\n");
        testsupport::NetworkShare share;
        testsupport::FailingFileSystem files;
        // A run elsewhere takes the lock over.
        const auto takeOver = [&](const std::string& path) {
            if (path == SettingsPath() || path.ends_with(".tmp")) {
                std::filesystem::remove(temp.NativePath() / "env" / "Brenlo.lck");
                std::ofstream(temp.NativePath() / "env" / "Brenlo.lck")
                    << platform::LockFileText(elsewhere);
            }
        };
        (whileWriting ? files.beforeWrite : files.beforeRead) = takeOver;
        EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 2, "C:\\second.xml"));
        const std::optional<platform::FileFailure> failure = platform::TakeFileFailure();
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->reason.find("took the lock over"), std::string::npos);
        if (!whileWriting) {
            EXPECT_EQ(ReadFile(SettingsPath()), "USER1/3/12:0/0/1/C:\\first.xml\n");
        }
        std::filesystem::remove(temp.NativePath() / "env" / "Brenlo.lck");
    }
}
#endif

TEST_F(RememberedOutputTest, NoSettingsFolderOrOneThatCannotBeCreated) {
    Host("");
    EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\r.xml"));
    EXPECT_FALSE(ReadBack().found);
    Host(temp / "env\\deep\\");
    {
        testsupport::FakeDriveFileSystem files;
        files.failingMakeDirectory = 2;
        EXPECT_FALSE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\r.xml"));
    }
    EXPECT_FALSE(Exists(temp / "env"));
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 1, "C:\\r.xml"));
    EXPECT_EQ(ReadFile(temp / "env\\deep\\Brenlo.env"), "USER1/3/12:0/0/1/C:\\r.xml\n");
}

// A host-started run keeps the remembered path: with none, the record has an
// empty one, and the next interactive run takes its kind and the default path.
TEST_F(RememberedOutputTest, AHostStartedRunWritesAnEmptyPath) {
    dialog.m_nBusinessKind = 3;
    dialog.m_strPresetPath = "C:\\HOST\\r.xml";
    {
        testsupport::ScriptedConsole console([](HeadlessDialog& d) { d.Click(kOther); });
        dialog.DoModal();
    }
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 2, nullptr));
    EXPECT_EQ(ReadFile(SettingsPath()), "USER1/3/12:0/0/2/\n");

    CConditionsDlg next{0, Edition::Brenlo()};
    std::strcpy(next.m_szUserID, "USER1");
    next.m_lSelectedNo1 = 3;
    next.m_lSelectedNo2 = 12;
    next.m_nBusinessKind = 3;
    testsupport::ScriptedConsole console([&](HeadlessDialog& d) {
        EXPECT_TRUE(d.IsChecked(kOther));
        EXPECT_FALSE(d.IsChecked(kBusiness));
        EXPECT_EQ(d.Text(CConditionsDlg::kOutputEdit), temp / "out\\*.xml");
    });
    next.DoModal();
    EXPECT_EQ(next.m_nIncomeKind, 2);
    EXPECT_EQ(next.m_szRememberedPath[0], '\0');
}

TEST_F(RememberedOutputTest, AHostStartedRunKeepsTheRememberedPath) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    WriteFile(SettingsPath(), "USER1/3/12:0/0/1/C:\\kept.xml\n");
    dialog.m_nBusinessKind = 3;
    dialog.m_strPresetPath = "C:\\HOST\\r.xml";
    {
        testsupport::ScriptedConsole console([](HeadlessDialog&) {});
        dialog.DoModal();
    }
    EXPECT_STREQ(dialog.m_szRememberedPath, "C:\\kept.xml");
    EXPECT_TRUE(dialog.SaveRememberedOutput(0, 0, 3, nullptr));
    EXPECT_EQ(ReadFile(SettingsPath()), "USER1/3/12:0/0/3/C:\\kept.xml\n");
}

TEST_F(RememberedOutputTest, EachBusinessKindWithEachRememberedKind) {
    ASSERT_TRUE(platform::Files().MakeDirectory(temp / "env"));
    const struct {
        std::int8_t businessKind;
        IncomeKind remembered;
        int selected;
        IncomeKind kind;
    } cases[] = {
        {1, 1, kBusiness, 1},   {1, 2, kOther, 2},      {1, 3, kBusiness, 1},
        {2, 1, kRealEstate, 3}, {2, 2, kRealEstate, 3}, {2, 3, kRealEstate, 3},
        {3, 1, kBusiness, 1},   {3, 2, kOther, 2},      {3, 3, kRealEstate, 3},
        {0, 3, kRealEstate, 3}, {3, 0, kBusiness, 1},   {3, 7, kBusiness, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.businessKind) + "/" + std::to_string(c.remembered));
        WriteFile(SettingsPath(), "USER1/3/12:0/0/" + std::to_string(c.remembered) + "/" +
                                      (temp / "out\\r.xml") + "\n");
        CConditionsDlg run{0, Edition::Brenlo()};
        std::strcpy(run.m_szUserID, "USER1");
        run.m_lSelectedNo1 = 3;
        run.m_lSelectedNo2 = 12;
        run.m_nBusinessKind = c.businessKind;
        testsupport::ScriptedConsole console([&](HeadlessDialog& d) {
            for (int id : {kBusiness, kOther, kRealEstate}) {
                EXPECT_EQ(d.IsChecked(id), id == c.selected) << id;
            }
            EXPECT_EQ(d.Text(CConditionsDlg::kOutputEdit), temp / "out\\r.xml");
        });
        run.DoModal();
        EXPECT_EQ(run.m_nIncomeKind, c.kind);
        // The ignored kind stays in the file until the next save.
        EXPECT_NE(ReadFile(SettingsPath())->find(":0/0/" + std::to_string(c.remembered) + "/"),
                  std::string::npos);
    }
}

}  // namespace
