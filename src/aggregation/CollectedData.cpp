#include "aggregation/CollectedData.h"

#include "platform/TaskMemory.h"

CollectedData::~CollectedData() {
    Release();
}

int CollectedData::FindRowByCode(int code, StAOSUMINFO* out) const {
    return FindRow(kSelectByCode, code, out);
}

int CollectedData::FindRowAt(int n, StAOSUMINFO* out) const {
    return FindRow(kSelectByPosition, n, out);
}

int CollectedData::FindRow(int selector, int key, StAOSUMINFO* out) const {
    if (selector != kSelectByCode && selector != kSelectByPosition) {
        return 0;
    }
    if (out == nullptr) {
        return 0;
    }
    int position = 0;
    for (const auto& row : rows) {
        ++position;
        const bool match = selector == kSelectByCode ? row->code == key : position == key;
        if (match) {
            *out = *row;
            return 1;
        }
    }
    return 0;
}

void CollectedData::Release() {
    auto release = [&memory = platform::TaskMemoryAllocator()](void*& block) {
        if (block != nullptr) {
            memory.Free(block);
            block = nullptr;
        }
    };
    for (void*& block : general.blocks) {
        release(block);
    }
    for (void*& block : realEstate.blocks) {
        release(block);
    }
    rows.clear();
}
