#include <array>
#include <cstddef>
#include <new>
#include <optional>

#include "books/HostState.h"
#include "books/StatementWalk.h"
#include "hostapi/ClRuleAo.h"

using tobra::books::StatementKind;

struct ClRuleSiro::Impl {
    tobra::books::StatementWalks walks;
};

namespace {

constexpr int kFailed = 1;

constexpr std::array<StatementKind, 2> kPl = {StatementKind::WhiteBusinessPl,
                                              StatementKind::WhiteRealEstatePl};

std::optional<StatementKind> PlKind(_RuleSiroSumType sumType) {
    const auto index = static_cast<std::size_t>(sumType);
    return index < kPl.size() ? std::optional(kPl[index]) : std::nullopt;
}

}  // namespace

ClRuleSiro::ClRuleSiro() : m_pImpl(new (std::nothrow) Impl) {}

ClRuleSiro::~ClRuleSiro() {
    delete m_pImpl;
}

int ClRuleSiro::AttachSetMgr(ClSetMgr* /*setMgr*/) {
    return 0;
}

int ClRuleSiro::Ready() {
    const tobra::books::Installation* books = tobra::books::Current();
    if (books != nullptr) {
        if (const std::int32_t result = books->ResultOf(tobra::books::Operation::RuleSiroReady);
            result != 0) {
            return result;
        }
    }
    return m_pImpl != nullptr ? 0 : kFailed;
}

int ClRuleSiro::GetCount_PL(_RuleSiroSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Count(m_szDataId, PlKind(sumType)) : 0;
}

int ClRuleSiro::MoveFirst_PL(StSIROSUMINFO* row, _RuleSiroSumType sumType) {
    return m_pImpl ? m_pImpl->walks.First(m_szDataId, PlKind(sumType), row) : kFailed;
}

int ClRuleSiro::MoveNext_PL(StSIROSUMINFO* row, _RuleSiroSumType sumType) {
    return m_pImpl ? m_pImpl->walks.Next(m_szDataId, PlKind(sumType), row) : kFailed;
}
