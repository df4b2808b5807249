// The secret is 128 random bits in the user's own folder (FileSystem::
// UserDataFolder), made once, in full beside its name and then given the name
// unless another run was first; it counts only while nobody but the user can
// read it.
#include "platform/TemporaryNames.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <span>

#include "platform/Adapters.h"
#include "platform/FileSystem.h"
#include "platform/KeyedHash.h"

namespace platform {
namespace {

using Key = std::array<std::uint64_t, 2>;

constexpr std::string_view kStart = "~";
constexpr std::string_view kEnd = ".tmp";
constexpr std::string_view kCharacters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kRandom = 2;
constexpr std::size_t kCheck = 4;
static_assert(kStart.size() + kRandom + kCheck + kEnd.size() == kTemporaryNameLength);
constexpr std::string_view kKeyName = "temporary-names.key";
constexpr std::size_t kKeyText = 33;  // 32 hexadecimal digits and a line feed

std::uint64_t RandomBits() {
    static std::mutex guard;
    static std::mt19937_64 random = [] {
        std::random_device entropy;
        std::seed_seq seed{entropy(), entropy(), entropy(), entropy()};
        return std::mt19937_64(seed);
    }();
    const std::lock_guard<std::mutex> lock(guard);
    return random();
}

std::string KeyText(const Key& key) {
    char text[kKeyText + 1];
    std::snprintf(text, sizeof text, "%016llx%016llx\n", static_cast<unsigned long long>(key[0]),
                  static_cast<unsigned long long>(key[1]));
    return text;
}

std::optional<Key> ReadKey(FileSystem& files, const std::string& path) {
    const std::optional<FileFacts> facts = files.FactsOf(path);
    if (!facts || facts->kind != EntryKind::File || facts->links != 1 || !facts->ownedByUser ||
        !facts->ownerOnly || facts->size != kKeyText) {
        return std::nullopt;
    }
    const std::unique_ptr<File> file = files.Open(path, OpenMode::Read, ShareMode::Read);
    std::array<char, kKeyText + 1> text{};
    std::size_t length = 0;
    while (file && length < text.size()) {
        const std::optional<std::size_t> count = file->Read(std::span<char>(text).subspan(length));
        if (!count || *count == 0) {
            break;
        }
        length += *count;
    }
    unsigned long long first = 0, second = 0;
    if (length != kKeyText || std::sscanf(text.data(), "%16llx%16llx", &first, &second) != 2) {
        return std::nullopt;
    }
    const Key key{first, second};
    return KeyText(key) == std::string_view(text.data(), length) ? std::optional<Key>(key)
                                                                 : std::nullopt;
}

std::string RandomName() {
    std::uint64_t bits = RandomBits();
    std::string name(kStart);
    for (std::size_t k = 0; k < kRandom + kCheck; ++k) {
        name += kCharacters[bits % kCharacters.size()];
        bits /= kCharacters.size();
    }
    return name += kEnd;
}

std::optional<Key> MadeKey(FileSystem& files, const std::string& folder) {
    const std::string path = folder + std::string(kKeyName);
    const std::string made = folder + RandomName();
    std::unique_ptr<File> file = files.CreatePrivate(made);
    if (!file) {
        return std::nullopt;
    }
    const bool written = file->Write(KeyText({RandomBits(), RandomBits()})) && file->Close();
    file.reset();
    if (!written || !files.MoveToNew(made, path)) {
        files.RemoveFile(made);
    }
    return ReadKey(files, path);
}

// The user's secret, made when `make` and there is none yet; remembered once had.
std::optional<Key> UserKey(bool make) {
    static std::mutex guard;
    static std::optional<Key> had;
    const std::lock_guard<std::mutex> lock(guard);
    if (!had) {
        // The user's own, whatever file system a test has put in place.
        FileSystem& files = NativeFiles();
        const std::string folder = files.UserDataFolder();
        if (folder.empty()) {
            return std::nullopt;
        }
        had = ReadKey(files, folder + std::string(kKeyName));
        if (!had && make) {
            had = MadeKey(files, folder);
        }
    }
    return had;
}

// The check characters of the random ones.
std::string CheckOf(const Key& key, std::string_view random) {
    std::uint64_t bits = KeyedHash(key, std::string("temporary ") + std::string(random));
    std::string check;
    for (std::size_t k = 0; k < kCheck; ++k) {
        check += kCharacters[bits % kCharacters.size()];
        bits /= kCharacters.size();
    }
    return check;
}

}  // namespace

std::string NewTemporaryName(bool claimed) {
    std::string name = RandomName();
    const std::optional<Key> key = UserKey(true);
    if (key) {
        const std::string_view random = std::string_view(name).substr(kStart.size(), kRandom);
        std::string check = CheckOf(*key, random);
        if (!claimed) {
            // One character off the check.
            check[0] = kCharacters[(kCharacters.find(check[0]) + 1) % kCharacters.size()];
        }
        name.replace(kStart.size() + kRandom, kCheck, check);
    }
    return name;
}

bool IsClaimedTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryNameLength || !name.starts_with(kStart) || !name.ends_with(kEnd)) {
        return false;
    }
    const std::string_view characters = name.substr(kStart.size(), kRandom + kCheck);
    if (characters.find_first_not_of(kCharacters) != std::string_view::npos) {
        return false;
    }
    const std::optional<Key> key = UserKey(false);
    return key && CheckOf(*key, characters.substr(0, kRandom)) == characters.substr(kRandom);
}

}  // namespace platform
