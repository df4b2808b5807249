#include "app/Compatibility.h"

#include <array>
#include <string>

#include "app/DecimalText.h"
#include "core/MessageTexts.h"
#include "hostapi/ClAccConnect.h"
#include "platform/FileSystem.h"
#include "platform/WindowSystem.h"
#include "platform/text/PathPieces.h"

namespace {

constexpr int kRequiredLevel = 3;
constexpr std::size_t kValueBufferSize = 16;

constexpr int kDefinitionMissing = -1;
constexpr int kHostTooOld = 1;
constexpr int kHostTooNew = 2;

struct LevelMessage {
    int code;
    core::Message message;
};

constexpr std::array<LevelMessage, 3> kMessages = {{
    {kDefinitionMissing, core::Message::DefinitionMissing},
    {kHostTooOld, core::Message::HostTooOld},
    {kHostTooNew, core::Message::HostTooNew},
}};

// The definition file in the current folder, which the run has made the program's own.
std::string DefinitionFilePath() {
    // However long the folder is: a bare file name would send the profile
    // functions to the Windows folder instead.
    std::string path = platform::Files().CurrentFolder();
    platform::AddBackslash(path, path.size() + 2);
    return path + "NorvikDef.ini";
}

int LevelCode() {
    const std::string path = DefinitionFilePath();
    platform::FileSystem& files = platform::Files();
    switch (files.KindOf(path)) {
        case platform::EntryKind::None:
            return kDefinitionMissing;
        case platform::EntryKind::File:
            break;
        default:
            // A pipe or a device would never end the read: no definition file.
            platform::NoteFileFailure(path, "not a regular file");
            return kDefinitionMissing;
    }
    const std::string value =
        files.ReadProfileText(path, "ProgramLevel", "NV14", "1", kValueBufferSize);
    platform::NoteInput(path);
    if (value.empty()) {
        return kDefinitionMissing;
    }
    const std::int32_t level = LeadingDecimal(value);
    return level == kRequiredLevel ? 0 : level < kRequiredLevel ? kHostTooOld : kHostTooNew;
}

}  // namespace

int CheckCompatibility(bool showMessages) {
    const int code = LevelCode();
    for (const LevelMessage& message : kMessages) {
        if (message.code == code) {
            if (showMessages) {
                ClAccConnect::Inst()->DispMsg(0, core::MessageText(message.message),
                                              core::MessageCaption(),
                                              platform::kMbIconExclamation | platform::kMbOk);
            }
            return 0;
        }
    }
    return 1;
}
