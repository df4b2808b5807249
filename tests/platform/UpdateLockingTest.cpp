#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "support/Files.h"
#include "support/NetworkShare.h"
#include "support/TempFolder.h"

// The lock file of a network share, natively and through the Win32 adapter
// under Wine.

namespace {

namespace fs = std::filesystem;

class UpdateLockingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(scratch_.Path().empty()); }

    void Age(const std::string& name, int minutes) {
        fs::last_write_time(scratch_.NativePath() / name,
                            fs::file_time_type::clock::now() - std::chrono::minutes(minutes));
    }

    testsupport::TempFolder scratch_;
    testsupport::NetworkShare share_;
    std::string settings_ = scratch_ / "Brenlo.env";
    std::string lock_ = scratch_ / "Brenlo.lck";
    platform::ProcessStamp me_ = platform::Files().CurrentProcess();
};

TEST_F(UpdateLockingTest, ALockFileIsTakenOverOnlyWhenItsHolderIsGone) {
    platform::ProcessStamp reused = me_;
    ++reused.started;  // its id was given to another process since
    platform::ProcessStamp elsewhere = me_;
    elsewhere.machine += " elsewhere";
    const struct {
        const char* what;
        std::string text;
        int minutesOld;
        bool taken;
    } cases[] = {
        {"a holder that ended", platform::LockFileText(reused), 0, true},
        {"a holder on another machine, long unchanged", platform::LockFileText(elsewhere), 10,
         true},
        {"a holder on another machine, lately", platform::LockFileText(elsewhere), 0, false},
        {"a holder that runs, long unchanged", platform::LockFileText(me_), 10, false},
        {"nothing, long unchanged", "", 10, true},
        {"nothing, lately", "", 0, false},
        {"the user's notes", "notes\n", 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(testsupport::WriteFile(lock_, c.text));
        Age("Brenlo.lck", c.minutesOld);
        std::string why;
        std::unique_ptr<platform::UpdateLock> held =
            platform::LockForUpdating(settings_, 100, &why);
        ASSERT_EQ(c.taken, held != nullptr) << why;
        if (c.taken) {
            // Its own file at the name, which on Windows nobody else may open meanwhile.
            EXPECT_TRUE(held->IsHeld());
            held.reset();
            EXPECT_EQ(platform::EntryKind::None, platform::Files().KindOf(lock_));
        } else {
            EXPECT_EQ(c.text, testsupport::ReadFile(lock_));
            EXPECT_NE(std::string::npos, why.find(c.text == "notes\n" ? "none of this program's"
                                                                      : "held the lock file"))
                << why;
            fs::remove(scratch_.NativePath() / "Brenlo.lck");
        }
    }
}

// Where the system has a lock of its own (a folder lock on POSIX, a name
// deleted on close on Windows), a user's file of the lock's name stays as it
// is; on Windows a stamped one that nobody holds is what a stopped machine
// left, and goes.
TEST(UpdateLocking, TheSystemsLockLeavesAUsersFileOfItsName) {
    testsupport::TempFolder scratch;
    ASSERT_FALSE(scratch.Path().empty());
    const std::string lock = scratch / "Brenlo.lck";
    const std::string left = platform::LockFileText(platform::Files().CurrentProcess());
    for (const std::string& text : {std::string("notes\n"), left}) {
        ASSERT_TRUE(testsupport::WriteFile(lock, text));
        std::unique_ptr<platform::UpdateLock> held =
            platform::LockForUpdating(scratch / "Brenlo.env", 100, nullptr);
#ifdef _WIN32
        const bool kept = text != left;
        EXPECT_EQ(kept, held == nullptr);
        held.reset();
#else
        const bool kept = true;
        EXPECT_NE(nullptr, held);
#endif
        EXPECT_EQ(kept ? std::optional<std::string>(text) : std::nullopt,
                  testsupport::ReadFile(lock));
    }
}

#ifndef _WIN32
TEST_F(UpdateLockingTest, APipeOfTheLocksNameIsNeverRead) {
    ASSERT_EQ(0, ::mkfifo((scratch_.NativePath() / "Brenlo.lck").c_str(), 0600));
    std::string why;
    EXPECT_EQ(nullptr, platform::LockForUpdating(settings_, 100, &why));
    EXPECT_NE(std::string::npos, why.find("none of this program's")) << why;
}

// Windows lets nobody move or remove the file its holder keeps open.
TEST_F(UpdateLockingTest, AHolderRemovesOnlyItsOwnLockFile) {
    std::unique_ptr<platform::UpdateLock> held = platform::LockForUpdating(settings_, 100, nullptr);
    ASSERT_NE(nullptr, held);
    // A run on another machine took it over, and holds it now.
    platform::ProcessStamp elsewhere = me_;
    elsewhere.machine += " elsewhere";
    const std::string other = platform::LockFileText(elsewhere);
    fs::remove(scratch_.NativePath() / "Brenlo.lck");
    ASSERT_TRUE(testsupport::WriteFile(lock_, other));
    EXPECT_FALSE(held->IsHeld());
    held.reset();
    EXPECT_EQ(other, testsupport::ReadFile(lock_));
}
#endif

}  // namespace
