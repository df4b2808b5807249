#include "inspect/FormPages.h"

#include <string>

#include "reportformat/Elements.h"

namespace inspect::pages {

namespace {

namespace section = reportformat::section;

// The balance sheet's sides are blocks of their own.
const std::string kAssetsBlock = std::string(section::kBalanceSheet) + std::string(kAssets);
const std::string kLiabilitiesBlock =
    std::string(section::kBalanceSheet) + std::string(kLiabilities);

std::vector<Page> BlueBusiness() {
    return {
        // 損益計算書 in three columns under the header.
        {{{kHeader}},
         {{{section::kProfitAndLoss, {}, "⑱"}},
          {{section::kProfitAndLoss, "⑱", "㉞"}},
          {{section::kProfitAndLoss, "㉞"}}},
         {}},
        {{},
         {{{section::kMonthly}},
          {{section::kSalaries},
           {section::kFamilyEmployees},
           {section::kBadDebtReserve},
           {section::kBlueDeduction}}},
         {}},
        {{{kDepreciation}},
         {{{section::kInterest}, {section::kTaxAccountant}},
          {{section::kLandRents}, {section::kSpecialNotes}}},
         {}},
        {{}, {{{kAssetsBlock}}, {{kLiabilitiesBlock}}, {{section::kManufacturing}}}, {}},
    };
}

std::vector<Page> BlueRealEstate() {
    return {
        {{{kHeader}}, {{{section::kProfitAndLoss, {}, "⑫"}}, {{section::kProfitAndLoss, "⑫"}}}, {}},
        {{{section::kRentals}}, {{{section::kSalaries}}, {{section::kFamilyEmployees}}}, {}},
        {{{kDepreciation}},
         {{{section::kLandRents}, {section::kLoans}}, {{section::kTaxAccountant}}},
         {}},
        {{}, {{{kAssetsBlock}}, {{kLiabilitiesBlock}, {section::kSpecialNotes}}}, {}},
    };
}

std::vector<Page> WhiteBusiness() {
    return {
        {{{kHeader}},
         {{{section::kProfitAndLoss, {}, "⑪"}},
          {{section::kProfitAndLoss, "⑪"}},
          {{section::kSalaries}, {section::kTaxAccountant}, {section::kFamilyEmployees}}},
         {}},
        {{},
         {{{section::kCustomers}, {section::kSuppliers}},
          {{kDepreciation}, {section::kLandRents}, {section::kInterest}, {section::kSpecialNotes}}},
         {}},
    };
}

std::vector<Page> WhiteRealEstate() {
    return {
        {{{kHeader}},
         {{{section::kProfitAndLoss, {}, "⑤"}},
          {{section::kProfitAndLoss, "⑤"}},
          {{section::kSalaries}, {section::kFamilyEmployees}}},
         {{section::kRentals}}},
        {{},
         {{{kDepreciation}, {section::kLoans}, {section::kLandRents}},
          {{section::kRepairs},
           {section::kRentalUse},
           {section::kTaxAccountant},
           {section::kSpecialNotes}}},
         {}},
    };
}

}  // namespace

std::span<const Page> FormPages(reportformat::Form form) {
    static const std::vector<Page> pages[] = {BlueBusiness(), WhiteBusiness(), BlueRealEstate(),
                                              WhiteRealEstate()};
    return pages[static_cast<std::size_t>(form)];
}

}  // namespace inspect::pages
