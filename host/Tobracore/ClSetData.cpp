#include "hostapi/ClSetData.h"

#include <map>

#include "Tobracore/CoreObjects.h"
#include "books/HostState.h"
#include "hostapi/StDATAINFO.h"

namespace {

constexpr int kFailed = 1;
constexpr int kNoMoreEntries = 1;

class SetData final : public ClSetData {};

// The walks over the entries, by cursor, and the record GetSelectedInfo hands out.
struct SetDataState {
    std::map<ClSetData::Cursor, std::size_t> positions;
    ClSetData::Cursor lastCursor = 0;
    StDATAINFO selected{};
};

SetDataState& State() {
    static SetDataState state;
    return state;
}

}  // namespace

ClSetData& tobra::core::SetDataObject() {
    static SetData setData;
    return setData;
}

ClSetData::~ClSetData() = default;

int ClSetData::GetDatCursor(Cursor* cursor) {
    if (cursor == nullptr) {
        return kFailed;
    }
    try {
        SetDataState& state = State();
        state.positions[++state.lastCursor] = 0;
        *cursor = state.lastCursor;
        return 0;
    } catch (...) {
        return kFailed;
    }
}

int ClSetData::ReadyDat(Cursor cursor, int /*mode*/) {
    const auto found = State().positions.find(cursor);
    if (found == State().positions.end()) {
        return kFailed;
    }
    found->second = 0;
    return 0;
}

int ClSetData::WalkDat(StDATAINFO* entry, Cursor cursor) {
    const auto found = State().positions.find(cursor);
    if (entry == nullptr || found == State().positions.end()) {
        return kFailed;
    }
    const tobra::books::Installation* books = tobra::books::Current();
    if (books == nullptr || found->second >= books->entries.size()) {
        return kNoMoreEntries;
    }
    *entry = books->entries[found->second++].info;
    return 0;
}

int ClSetData::ReleaseDatCursor(Cursor cursor) {
    return State().positions.erase(cursor) == 1 ? 0 : kFailed;
}

StDATAINFO* ClSetData::GetSelectedInfo() {
    StDATAINFO& selected = State().selected;
    selected = StDATAINFO{};
    if (const tobra::books::Installation* books = tobra::books::Current()) {
        if (const tobra::books::Entry* entry = books->EntryWithDataNo(books->selection[1])) {
            selected = entry->info;
        }
    }
    return &selected;
}
