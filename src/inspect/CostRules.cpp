// The rules on the cost of sales: the manufacturing cost and the monthly purchases.
#include <string>
#include <string_view>

#include "inspect/Checker.h"
#include "inspect/Labels.h"
#include "reportformat/Elements.h"
#include "reportformat/ValueTables.h"

namespace inspect::rules {

namespace {

namespace manufacturing = reportformat::manufacturing;
namespace pl = reportformat::pl;
constexpr std::string_view kManufacturing = reportformat::section::kManufacturing;

}  // namespace

// The blue form writes the manufacturing cost for every report; only a
// business that makes what it sells fills it in.
const Section* Checker::ManufacturingCost() const {
    const Section* cost = r_.Find(kManufacturing);
    if (cost == nullptr || r_.RealEstate()) {
        return nullptr;
    }
    for (const Field& field : cost->fields) {
        if (HoldsYen(form_, kManufacturing, field.tag) &&
            ParseAmount(field.text).value_or(0) != 0) {
            return cost;
        }
    }
    return nullptr;
}

// The form carries ㉖ 製品製造原価, the chain of the manufacturing cost, to ③
// of the profit and loss.
Reason Checker::Manufacturing() {
    if (!r_.Blue() || r_.RealEstate()) {
        return {"製造原価の計算は青色申告の営業所得用・その他所得用の出力ファイルだけにあります。",
                "only the blue returns of business or other income have a manufacturing cost"};
    }
    const Section* cost = ManufacturingCost();
    const Section* statement = r_.Find(kProfitAndLoss);
    if (cost == nullptr || statement == nullptr) {
        return {"製造原価の計算に金額がありません（製造業ではありません）。",
                "the manufacturing cost holds no amount (the business makes nothing)"};
    }
    CutSum products;
    for (const Field& field : cost->fields) {
        if (!HoldsYen(form_, kManufacturing, field.tag)) {
            continue;
        }
        // A line no form has counts as a cost.
        const reportformat::ElementSpec* element = ElementOf(form_, kManufacturing, field.tag);
        const bool closing = element != nullptr && element->line != nullptr &&
                             element->line->counts == reportformat::Counts::ClosingStock;
        products.Add(ParseAmount(field.text).value_or(0), closing ? -1 : 1);
    }
    Compare(At(kProfitAndLoss, pl::kPurchases), products, statement->Yen(pl::kPurchases),
            Written::Cut, "仕入金額（製品製造原価）と製造原価の計算の製品製造原価",
            "Purchases (the cost of the products made) against the manufacturing cost's chain",
            {{cost, ""}});
    return {};
}

// The monthly purchases add up to the year's purchases; a manufacturer's
// are its materials, 原材料仕入高 of the manufacturing cost.
Reason Checker::MonthlyPurchases() {
    Reason why;
    const Section* monthly = MonthlyTable("仕入", "purchases", why);
    if (monthly == nullptr) {
        return why;
    }
    const Section* statement = r_.Find(kProfitAndLoss);
    const CutSum sum = MonthsOf(*monthly, reportformat::monthly::kPurchases);
    if (const Section* cost = ManufacturingCost()) {
        Compare(At(kManufacturing, manufacturing::kMaterialPurchases), sum,
                cost->Yen(manufacturing::kMaterialPurchases), Written::Cut,
                "製造原価の計算の原材料仕入高と月別仕入",
                "Material purchases of the manufacturing cost against the monthly purchases",
                {{monthly, ""}});
        return {};
    }
    Compare(At(kProfitAndLoss, pl::kPurchases), sum, statement->Yen(pl::kPurchases), Written::Cut,
            "仕入金額と月別仕入", "Purchases against the monthly purchases", {{monthly, ""}});
    return {};
}

}  // namespace inspect::rules
