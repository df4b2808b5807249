#include "inspect/PreviousIdentity.h"

namespace inspect {

std::optional<Mismatch> PreviousMismatch(const Report& report, const Report& previous) {
    if (report.basic.Text("KOMONSAKINAME") != previous.basic.Text("KOMONSAKINAME")) {
        return Mismatch{"前年の報告書は別の顧問先のものです。",
                        "Last year's report is of another client."};
    }
    const std::string from = report.basic.Text("JIGYOUNENDOFROM");
    const std::string lastTo = previous.basic.Text("JIGYOUNENDOTO");
    // Years are the first four digits of the period's dates.
    if (from.size() < 4 || lastTo.size() < 4 || lastTo >= from ||
        std::stoi("0" + lastTo.substr(0, 4)) + 1 != std::stoi("0" + from.substr(0, 4))) {
        return Mismatch{"前年の報告書は前年分のものではありません。",
                        "Last year's report is not of the year before."};
    }
    return std::nullopt;
}

}  // namespace inspect
