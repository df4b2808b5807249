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
std::optional<std::string> ReadWhole(const std::string& path) {
    return platform::ReadWholeFile(path, platform::ShareMode::Exclusive);
}

bool ReplaceWhole(const std::string& path, const std::string& content) {
    return platform::WriteReplacing(
        path, [&content](platform::ByteSink& sink) { return sink.Write(content); });
}

}  // namespace

bool CConditionsDlg::ReadRememberedOutput(IncomeKind* kind, char* path) {
    if (kind == nullptr || path == nullptr) {
        return false;
    }
    const std::string folder = SettingsFolder();
    const std::string filePath = folder + m_edition.settingsFileName;
    if (folder.empty() || filePath.size() > kPathLimit ||
        platform::Files().KindOf(filePath) != platform::EntryKind::File) {
        return false;
    }
    const std::optional<std::string> content = ReadWhole(filePath);
    if (!content) {
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
    const std::unique_ptr<platform::UpdateLock> lock =
        platform::Files().LockForUpdate(filePath, kLockPatienceMs);
    if (!lock) {
        return false;
    }
    switch (platform::Files().KindOf(filePath)) {
        case platform::EntryKind::None:
            return ReplaceWhole(filePath, record);
        case platform::EntryKind::File: {
            const std::optional<std::string> content = ReadWhole(filePath);
            return content && ReplaceWhole(filePath, settings_file::Replace(*content, key, record));
        }
        default:
            return false;
    }
}
