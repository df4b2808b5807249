#include "aggregation/CollectedData.h"

#include "platform/TaskMemory.h"

CollectedData::~CollectedData() {
    Release();
}

namespace {

constexpr int kSelectByCode = 0;
constexpr int kSelectByPosition = 1;

// The one walk behind both lookups.
int FindRow(const SummationRows& rows, int selector, int key, StAOSUMINFO* out) {
    if ((selector != kSelectByCode && selector != kSelectByPosition) || out == nullptr) {
        return 0;
    }
    int position = 0;
    for (const auto& row : rows) {
        ++position;
        if (selector == kSelectByCode ? row->code == key : position == key) {
            *out = *row;
            return 1;
        }
    }
    return 0;
}

}  // namespace

int FindRowByCode(const SummationRows& rows, int code, StAOSUMINFO* out) {
    return FindRow(rows, kSelectByCode, code, out);
}

int FindRowAt(const SummationRows& rows, int n, StAOSUMINFO* out) {
    return FindRow(rows, kSelectByPosition, n, out);
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
