#include "report/SupportInfoReader.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <span>

#include "platform/FileSystem.h"

namespace {

constexpr char kFileName[] = "SUPPORT.INF";
// Shift_JIS, the version key with half-width katakana as the host writes it.
constexpr char kNameKey[] = "[=製品名=]";
constexpr char kVersionKey[] = "[=製品ﾊﾞｰｼﾞｮﾝ=]";
static_assert(sizeof kNameKey - 1 == 10 && sizeof kVersionKey - 1 == 15,
              "the keys are Shift_JIS bytes");

constexpr char kEndOfFile = 0x1A;

bool EndsValue(char byte) {
    return byte == '\0' || byte == '\r' || byte == '\n';
}

}  // namespace

SupportInfoReader::SupportInfoReader() = default;

SupportInfoReader::~SupportInfoReader() = default;

std::string SupportInfoReader::ProductName() {
    return ValueAfter(kNameKey);
}

std::string SupportInfoReader::ProductVersion() {
    return ValueAfter(kVersionKey);
}

int SupportInfoReader::Load() {
    if (attempted_) {
        return loaded_;
    }
    attempted_ = true;
    block_.reset(new (std::nothrow) char[kBlockSize]);
    if (!block_) {
        return 0;
    }
    char* const block = block_.get();
    std::fill_n(block, kBlockSize, static_cast<char>(0xFF));

    platform::FileSystem& files = platform::Files();
    // A pipe or a device would never end the read.
    if (files.KindOf(kFileName) != platform::EntryKind::File) {
        if (files.KindOf(kFileName) != platform::EntryKind::None) {
            platform::NoteFileFailure(kFileName, "not a regular file");
        }
        return 0;
    }
    std::unique_ptr<platform::File> file =
        files.Open(kFileName, platform::OpenMode::Read, platform::ShareMode::ReadWrite);
    if (!file) {
        return 0;
    }
    platform::NoteInput(kFileName);
    while (length_ < kBlockSize) {
        const std::optional<std::size_t> count =
            file->Read(std::span<char>(block + length_, kBlockSize - length_));
        if (!count) {
            length_ = 0;
            return 0;
        }
        if (*count == 0) {
            break;
        }
        length_ += *count;
    }

    for (std::size_t i = 0; i < length_; ++i) {
        if (block[i] == '\r' && i + 1 < length_ && block[i + 1] == '\n') {
            block[i] = '\0';
            block[i + 1] = '\0';
            ++i;
        } else if (block[i] == kEndOfFile) {
            block[i] = '\0';
        }
    }
    loaded_ = 1;
    return loaded_;
}

std::string SupportInfoReader::ValueAfter(std::string_view key) {
    if (!Load()) {
        return {};
    }
    const std::string_view data(block_.get(), length_);
    const std::size_t at = data.find(key);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = data.substr(at + key.size());
    return std::string(
        rest.substr(0, std::find_if(rest.begin(), rest.end(), EndsValue) - rest.begin()));
}
