#include <cstring>
#include <memory>
#include <optional>

#include "core/Edition.h"
#include "dialog/ConditionsDlg.h"
#include "dialog/FolderCreation.h"
#include "dialog/PathChecks.h"
#include "dialog/SettingsFile.h"
#include "hostapi/ClFileMgr.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"

namespace {

constexpr int kSettingsFolderType = 1;
constexpr std::size_t kPathLimit = CConditionsDlg::kPathBufferSize - 1;
constexpr int kLockPatienceMs = 5000;

std::string SettingsFolder() {
    ClFileMgr* fileManager = ClFileMgr::Inst();
    const char* folder = fileManager ? fileManager->GetAppFolderPath(kSettingsFolderType) : nullptr;
    return folder ? std::string(folder) : std::string();
}

// Only this program reads or writes the file while it does.
std::optional<std::string> ReadWhole(const std::string& path, std::string* why) {
    return platform::ReadRegularFile(path, platform::ShareMode::Exclusive,
                                     platform::kLargestReadFile, why);
}

// False, with why for whoever tells the user more than the dialog does.
bool NotRemembered(const std::string& filePath, const std::string& why) {
    platform::NoteFileFailure(filePath, "the output path was not remembered: " + why);
    return false;
}

// Writes the file with the record in place of the key's earlier one. The new
// file is moved into place only while the lock is this run's, and the record
// counts as saved only when it still was afterwards: otherwise a run that took
// the lock over may have read the file before and write it after.
bool SaveRecord(const std::string& filePath, const std::string& key, const std::string& record,
                platform::UpdateLock& lock) {
    std::string why;
    std::optional<std::string> content;
    if (platform::Files().KindOf(filePath) != platform::EntryKind::None) {
        content = ReadWhole(filePath, &why);
        if (!content) {
            return NotRemembered(filePath, why);
        }
    }
    const std::string replaced = content ? settings_file::Replace(*content, key, record) : record;
    const bool written = platform::RewriteInput(
        filePath, [&](platform::ByteSink& sink) { return sink.Write(replaced) && lock.IsHeld(); });
    if (!lock.IsHeld()) {
        if (written) {
            platform::NoteFileFailure(filePath,
                                      "the output path may not stay remembered: another run took "
                                      "the lock over as stale while it was saved");
            return false;
        }
        return NotRemembered(filePath, "another run took the lock over as stale");
    }
    if (!written) {
        const std::optional<platform::FileFailure> failure = platform::TakeFileFailure();
        return NotRemembered(filePath, failure ? failure->reason : "cannot be written");
    }
    return true;
}

}  // namespace

bool CConditionsDlg::ReadRememberedOutput(IncomeKind* kind, char* path) {
    if (kind == nullptr || path == nullptr) {
        return false;
    }
    const std::string folder = SettingsFolder();
    const std::string filePath = folder + m_edition.settingsFileName;
    if (folder.empty() || filePath.size() > kPathLimit ||
        platform::Files().KindOf(filePath) == platform::EntryKind::None) {
        return false;
    }
    // Read in turn with the runs that save; without the lock, read all the same.
    const std::unique_ptr<platform::UpdateLock> lock =
        platform::LockForUpdating(filePath, kLockPatienceMs, nullptr);
    std::string why;
    const std::optional<std::string> content = ReadWhole(filePath, &why);
    if (!content) {
        platform::NoteFileFailure(filePath, why);
        return false;
    }
    const std::optional<settings_file::Remembered> remembered = settings_file::Find(
        *content, settings_file::KeyOf(m_szUserID, m_lSelectedNo1, m_lSelectedNo2));
    // A path that would not fit the dialog's buffer is no usable record.
    if (!remembered || remembered->path.size() > kPathLimit) {
        return false;
    }
    *kind = remembered->kind;
    std::memcpy(path, remembered->path.c_str(), remembered->path.size() + 1);
    return true;
}

bool CConditionsDlg::SaveRememberedOutput(std::int16_t first, std::int16_t second, IncomeKind kind,
                                          const char* path) {
    const std::string key = settings_file::KeyOf(m_szUserID, m_lSelectedNo1, m_lSelectedNo2);
    const std::string folder = SettingsFolder();
    if (folder.empty()) {
        return false;
    }
    if (!IsFolderPresent(folder) && !CreateFolderLevels(folder)) {
        return false;
    }
    const std::string record = settings_file::RecordOf(key, first, second, kind,
                                                       path != nullptr ? path : m_szRememberedPath);
    // A key with a line break makes a record that is never found again.
    if (key.size() > settings_file::kMaxKeyBytes ||
        key.find_first_of("\r\n") != std::string::npos ||
        record.size() > settings_file::kMaxRecordBytes) {
        return false;
    }
    const std::string filePath = folder + m_edition.settingsFileName;
    if (filePath.size() > kPathLimit) {
        return false;
    }
    // Runs sharing the folder take turns, so none loses another's record.
    std::string why;
    const std::unique_ptr<platform::UpdateLock> lock =
        platform::LockForUpdating(filePath, kLockPatienceMs, &why);
    if (!lock) {
        return NotRemembered(filePath, why);
    }
    return SaveRecord(filePath, key, record, *lock);
}
