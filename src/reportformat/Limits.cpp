#include "reportformat/Limits.h"

#include <algorithm>

namespace reportformat {

namespace {

constexpr FamilyDeductionLimit kSpouse{Relationship::Spouse, 860000, "配偶者"};
constexpr FamilyDeductionLimit kOtherRelative{Relationship::OtherRelative, 500000, "その他の親族"};
constexpr FamilyDeductionLimit kUnknown{
    Relationship::Unknown, std::max(kSpouse.yen, kOtherRelative.yen), "続柄から判断できない親族"};

constexpr std::string_view kSpouseWords[] = {"妻", "夫", "配偶者"};
// The other relatives a family employee usually is, in the words the list's
// box holds them; any other text does not tell.
constexpr std::string_view kRelativeWords[] = {
    "子",   "長男", "次男", "三男", "四男", "長女", "次女", "三女", "四女", "父",   "母",
    "義父", "義母", "兄",   "弟",   "姉",   "妹",   "義兄", "義弟", "義姉", "義妹", "祖父",
    "祖母", "孫",   "嫁",   "婿",   "叔父", "叔母", "伯父", "伯母", "甥",   "姪"};

constexpr std::string_view kSpaces[] = {" ", "　"};

std::string_view Trimmed(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view space : kSpaces) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                trimmed = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return text;
}

template <std::size_t N>
bool OneOf(std::string_view text, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), text) != std::end(words);
}

// 一括評価: 1000分の55 for a business other than finance, 1000分の33 for finance.
constexpr BadDebtRate kBadDebtRates[] = {
    {55, "金融業以外", "5.5%"},
    {33, "金融業", "3.3%"},
};

}  // namespace

Relationship RelationshipOf(std::string_view relationship) {
    const std::string_view text = Trimmed(relationship);
    if (OneOf(text, kSpouseWords)) {
        return Relationship::Spouse;
    }
    return OneOf(text, kRelativeWords) ? Relationship::OtherRelative : Relationship::Unknown;
}

const FamilyDeductionLimit& FamilyDeductionLimitOf(Relationship relationship) {
    switch (relationship) {
        case Relationship::Spouse:
            return kSpouse;
        case Relationship::OtherRelative:
            return kOtherRelative;
        case Relationship::Unknown:
            break;
    }
    return kUnknown;
}

std::span<const BadDebtRate> BadDebtRates() {
    return kBadDebtRates;
}

}  // namespace reportformat
