#include "hostapi/ClSaveAoSiro.h"

#include <array>
#include <cstring>

#include "Tobracore/DataIdCopy.h"
#include "books/HostState.h"
#include "books/StatementWalk.h"
#include "platform/TaskMemory.h"

namespace {

constexpr int kFailed = 1;
constexpr int kNoEntry = 1;
constexpr int kOutOfMemory = 2;

// Hands out each present block as COM task memory of its own; on a shortage
// nothing is handed out.
template <std::size_t N>
int DeliverBlocks(const std::array<tobra::books::SavedBlock, N>& saved, void* (&blocks)[N],
                  std::int32_t result) {
    platform::TaskMemory& memory = platform::TaskMemoryAllocator();
    std::array<void*, N> delivered{};
    for (std::size_t i = 0; i < N; ++i) {
        if (!saved[i]) {
            continue;
        }
        delivered[i] = memory.Allocate(saved[i]->size());
        if (delivered[i] == nullptr) {
            for (void* block : delivered) {
                memory.Free(block);
            }
            return kOutOfMemory;
        }
        std::memcpy(delivered[i], saved[i]->data(), saved[i]->size());
    }
    for (std::size_t i = 0; i < N; ++i) {
        blocks[i] = delivered[i];
    }
    return result;
}

}  // namespace

ClSaveBase::~ClSaveBase() = default;

int ClSaveBase::AttachSetMgr(ClSetMgr* /*setMgr*/) {
    return 0;
}

int ClSaveBase::SetCurDataID(const char* dataId) {
    tobra::core::CopyDataId(m_szDataId, dataId);
    return dataId != nullptr ? 0 : kFailed;
}

ClSaveAoSiro::ClSaveAoSiro() = default;

ClSaveAoSiro::~ClSaveAoSiro() = default;

int ClSaveAoSiro::GetDataIppan(StAOSIROSAVEINFO_IPPAN* info) {
    const tobra::books::Entry* entry = tobra::books::FindEntry(m_szDataId);
    if (info == nullptr || entry == nullptr) {
        return info == nullptr ? kFailed : kNoEntry;
    }
    return DeliverBlocks(entry->general, info->blocks,
                         tobra::books::Current()->ResultOf(tobra::books::Operation::GetDataIppan));
}

int ClSaveAoSiro::GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* info) {
    const tobra::books::Entry* entry = tobra::books::FindEntry(m_szDataId);
    if (info == nullptr || entry == nullptr) {
        return info == nullptr ? kFailed : kNoEntry;
    }
    return DeliverBlocks(
        entry->realEstate, info->blocks,
        tobra::books::Current()->ResultOf(tobra::books::Operation::GetDataFudousan));
}
