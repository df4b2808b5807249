#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {
namespace {

std::optional<FileFailure>& NotedFailure() {
    thread_local std::optional<FileFailure> failure;
    return failure;
}

// Each input by the name it was read under and the file it was then.
struct Input {
    std::string path;
    FileIdentity identity;
};

// One list for the process, which is one run; runs that tests start on
// threads take turns at it.
struct Inputs {
    std::mutex turn;
    std::vector<Input> files;
};

Inputs& RunInputs() {
    static Inputs inputs;
    return inputs;
}

void Note(const std::string& path, const FileIdentity& identity) {
    Inputs& inputs = RunInputs();
    const std::lock_guard<std::mutex> held(inputs.turn);
    inputs.files.push_back({path, identity});
}

// Up to `limit` bytes from the file's position; nothing on a read error or,
// setting `tooLarge`, when the file holds more.
std::optional<std::string> ReadBounded(File& file, std::uint64_t limit, bool& tooLarge) {
    std::string content;
    std::array<char, 65536> chunk;
    for (;;) {
        const std::optional<std::size_t> count = file.Read(chunk);
        if (!count) {
            return std::nullopt;
        }
        if (*count == 0) {
            return content;
        }
        if (content.size() + *count > limit) {
            tooLarge = true;
            return std::nullopt;
        }
        content.append(chunk.data(), *count);
    }
}

}  // namespace

std::optional<std::string> ReadToEnd(File& file) {
    return ReadUpTo(file, std::string().max_size());
}

std::optional<std::string> ReadUpTo(File& file, std::uint64_t limit) {
    bool tooLarge = false;
    return ReadBounded(file, limit, tooLarge);
}

std::optional<std::string> ReadRegularFile(const std::string& path, ShareMode share,
                                           std::uint64_t limit, std::string* why) {
    FileSystem& files = Files();
    const auto fail = [why](std::string reason) -> std::optional<std::string> {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return std::nullopt;
    };
    switch (files.KindOf(path)) {
        case EntryKind::None:
            return fail("no such file");
        case EntryKind::Directory:
            return fail("is a folder");
        case EntryKind::Other:
            return fail("not a regular file");
        case EntryKind::File:
            break;
    }
    // The open never waits for a pipe's writer, and what was opened is looked
    // at once more: the name may lead elsewhere by now.
    std::unique_ptr<File> file = files.Open(path, OpenMode::Read, share);
    if (!file) {
        return fail(files.LastFailureReason());
    }
    const std::optional<FileFacts> facts = file->Facts();
    if (!facts) {
        return fail(files.LastFailureReason());
    }
    if (facts->kind != EntryKind::File) {
        return fail("not a regular file");
    }
    if (facts->size > limit) {
        return fail("larger than any such file");
    }
    // Bytes beyond the size the file had when opened are someone still
    // writing it: what was read would be no whole version of it.
    bool grew = false;
    std::optional<std::string> content = ReadBounded(*file, facts->size, grew);
    if (!content) {
        return fail(grew ? "grew while it was read" : files.LastFailureReason());
    }
    if (!file->Close()) {
        return fail(files.LastFailureReason());
    }
    Note(path, facts->identity);
    return content;
}

void NoteInput(const std::string& path) {
    if (const std::optional<FileIdentity> identity = Files().IdentityOf(path)) {
        Note(path, *identity);
    }
}

// An input counts while its name still leads to it: a file removed since has
// no say, whatever file takes its identity later.
bool IsInputOfTheRun(const std::string& path) {
    FileSystem& files = Files();
    const std::optional<FileIdentity> identity = files.IdentityOf(path);
    if (!identity) {
        return false;
    }
    std::vector<Input> inputs;
    {
        Inputs& run = RunInputs();
        const std::lock_guard<std::mutex> held(run.turn);
        inputs = run.files;
    }
    return std::any_of(inputs.begin(), inputs.end(), [&files, &identity](const Input& input) {
        return input.identity == *identity && files.IdentityOf(input.path) == identity;
    });
}

bool IsSameFile(const std::string& first, const std::string& second) {
    const std::optional<FileIdentity> identity = Files().IdentityOf(first);
    return identity && identity == Files().IdentityOf(second);
}

void NoteFileFailure(const std::string& path, const std::string& reason) {
    NotedFailure() = FileFailure{path, reason};
}

std::optional<FileFailure> TakeFileFailure() {
    return std::exchange(NotedFailure(), std::nullopt);
}

}  // namespace platform
