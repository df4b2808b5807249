#include "books/Installation.h"

#include <cstring>

namespace tobra::books {

int Statement::Count() const {
    return count ? *count : static_cast<int>(elements.size());
}

std::string_view Entry::DataId() const {
    const void* nul = std::memchr(info.dataId, '\0', sizeof info.dataId);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - info.dataId)
            : sizeof info.dataId;
    return {info.dataId, length};
}

const Statement& Entry::StatementOf(StatementKind kind) const {
    return statements[static_cast<std::size_t>(kind)];
}

std::int32_t Installation::ResultOf(Operation operation) const {
    return results[static_cast<std::size_t>(operation)];
}

const Entry* Installation::EntryWithDataId(std::string_view dataId) const {
    for (const Entry& entry : entries) {
        if (entry.DataId() == dataId) {
            return &entry;
        }
    }
    return nullptr;
}

const Entry* Installation::EntryWithDataNo(std::int32_t dataNo) const {
    for (const Entry& entry : entries) {
        if (entry.info.dataNo == dataNo) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace tobra::books
