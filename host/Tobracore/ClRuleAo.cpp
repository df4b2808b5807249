#include "hostapi/ClRuleAo.h"

#include <array>
#include <cstddef>
#include <new>
#include <optional>

#include "books/HostState.h"
#include "books/StatementWalk.h"

using tobra::books::StatementKind;

struct ClRuleAo::Impl {
    tobra::books::StatementWalks walks;
};

namespace {

constexpr int kFailed = 1;

// The statement each sum type of a walk reads; the manufacturing costs are
// summed for the business only.
using KindsBySumType = std::array<StatementKind, 2>;
constexpr KindsBySumType kPl = {StatementKind::BlueBusinessPl, StatementKind::BlueRealEstatePl};
constexpr KindsBySumType kAssets = {StatementKind::BlueBusinessAssets,
                                    StatementKind::BlueRealEstateAssets};
constexpr KindsBySumType kLiabilities = {StatementKind::BlueBusinessLiabilities,
                                         StatementKind::BlueRealEstateLiabilities};

std::optional<StatementKind> KindOf(const KindsBySumType& kinds, _RuleAoSumType sumType) {
    const auto index = static_cast<std::size_t>(sumType);
    return index < kinds.size() ? std::optional(kinds[index]) : std::nullopt;
}

// The condition the program passes: every statement, nothing else chosen.
constexpr std::uint8_t kAllStatements = 0xFF;

bool IsExpectedCondition(const StAOSUMCONDITION* condition) {
    if (condition == nullptr || condition->bytes[0] != kAllStatements) {
        return false;
    }
    for (std::size_t i = 1; i < sizeof condition->bytes; ++i) {
        if (condition->bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

std::int32_t ResultOf(tobra::books::Operation operation) {
    const tobra::books::Installation* books = tobra::books::Current();
    return books != nullptr ? books->ResultOf(operation) : 0;
}

}  // namespace

ClRuleAo::ClRuleAo() : m_pImpl(new (std::nothrow) Impl) {}

ClRuleAo::~ClRuleAo() {
    delete m_pImpl;
}

int ClRuleAo::AttachSetMgr(ClSetMgr* /*setMgr*/) {
    return 0;
}

int ClRuleAo::Ready(const StAOSUMCONDITION* condition) {
    if (const std::int32_t result = ResultOf(tobra::books::Operation::RuleAoReady); result != 0) {
        return result;
    }
    return m_pImpl != nullptr && IsExpectedCondition(condition) ? 0 : kFailed;
}

int ClRuleAo::GetCount_PL(_RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Count(m_szDataId, KindOf(kPl, sumType)) : 0;
}

int ClRuleAo::GetCount_BS_Shisan(_RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Count(m_szDataId, KindOf(kAssets, sumType)) : 0;
}

int ClRuleAo::GetCount_BS_FusaiShihon(_RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Count(m_szDataId, KindOf(kLiabilities, sumType)) : 0;
}

int ClRuleAo::GetCount_SeizoGenka() {
    return m_pImpl ? m_pImpl->walks.Count(m_szDataId, StatementKind::BlueManufacturing) : 0;
}

int ClRuleAo::MoveFirst_PL(StAOSUMINFO* row, _RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.First(m_szDataId, KindOf(kPl, sumType), row) : kFailed;
}

int ClRuleAo::MoveNext_PL(StAOSUMINFO* row, _RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Next(m_szDataId, KindOf(kPl, sumType), row) : kFailed;
}

int ClRuleAo::MoveFirst_BS_Shisan(StAOSUMINFO* row, _RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.First(m_szDataId, KindOf(kAssets, sumType), row) : kFailed;
}

int ClRuleAo::MoveNext_BS_Shisan(StAOSUMINFO* row, _RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Next(m_szDataId, KindOf(kAssets, sumType), row) : kFailed;
}

int ClRuleAo::MoveFirst_BS_FusaiShihon(StAOSUMINFO* row, _RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.First(m_szDataId, KindOf(kLiabilities, sumType), row) : kFailed;
}

int ClRuleAo::MoveNext_BS_FusaiShihon(StAOSUMINFO* row, _RuleAoSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Next(m_szDataId, KindOf(kLiabilities, sumType), row) : kFailed;
}

int ClRuleAo::MoveFirst_SeizoGenka(StAOSUMINFO* row) {
    return m_pImpl ? m_pImpl->walks.First(m_szDataId, StatementKind::BlueManufacturing, row)
                   : kFailed;
}

int ClRuleAo::MoveNext_SeizoGenka(StAOSUMINFO* row) {
    return m_pImpl ? m_pImpl->walks.Next(m_szDataId, StatementKind::BlueManufacturing, row)
                   : kFailed;
}

int ClRuleAo::GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* monthly) {
    if (const std::int32_t result = ResultOf(tobra::books::Operation::MonthlySums); result != 0) {
        return result;
    }
    if (monthly == nullptr) {
        return kFailed;
    }
    const tobra::books::Entry* entry = tobra::books::FindEntry(m_szDataId);
    *monthly = entry != nullptr ? entry->monthly : StAOSUMINFO_TSUKIBETSU{};
    return 0;
}
