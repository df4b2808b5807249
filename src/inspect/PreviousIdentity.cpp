#include "inspect/PreviousIdentity.h"

#include <optional>
#include <string>
#include <string_view>

#include "inspect/ShowLayout.h"
#include "reportformat/Elements.h"

namespace inspect {

namespace {

struct Date {
    int year = 0, month = 0, day = 0;
};

// A date as the report writes it, YYYYMMDD.
std::optional<Date> ParseDate(std::string_view text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    auto number = [text](std::size_t at, std::size_t length) {
        int n = 0;
        for (const char c : text.substr(at, length)) {
            n = n * 10 + (c - '0');
        }
        return n;
    };
    return Date{number(0, 4), number(4, 2), number(6, 2)};
}

int DaysIn(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Whether `next` is the day after `last`.
bool DayAfter(const Date& last, const Date& next) {
    if (last.month < 1 || last.month > 12 || last.day < 1 ||
        last.day > DaysIn(last.year, last.month)) {
        return false;
    }
    Date after{last.year, last.month, last.day + 1};
    if (after.day > DaysIn(last.year, last.month)) {
        after.day = 1;
        if (++after.month > 12) {
            after.month = 1;
            ++after.year;
        }
    }
    return after.year == next.year && after.month == next.month && after.day == next.day;
}

const char* FormJa(const Report& r) {
    return r.Blue() ? "青色" : "白色";
}
const char* FormEn(const Report& r) {
    return r.Blue() ? "blue" : "white";
}
const char* KindJa(const Report& r) {
    constexpr const char* kKinds[] = {"営業所得用（一般用）", "その他所得用（一般用）",
                                      "不動産所得用"};
    return kKinds[static_cast<int>(r.kind) - 1];
}
const char* KindEn(const Report& r) {
    constexpr const char* kKinds[] = {"business income", "other income", "real-estate income"};
    return kKinds[static_cast<int>(r.kind) - 1];
}

void Join(Mismatch& m, const std::string& ja, const std::string& en) {
    m.japanese += ja + "。";
    m.english += (m.english.empty() ? "" : "; ") + en;
}

}  // namespace

std::optional<Mismatch> PreviousMismatch(const Report& report, const Report& previous) {
    Mismatch m;
    namespace basic = reportformat::basic;
    const std::string company = report.basic.Text(basic::kCompany);
    const std::string other = previous.basic.Text(basic::kCompany);
    if (company != other) {
        Join(m, "別の会社（" + other + "）の出力ファイルです",
             "it is another company's report (" + other + ")");
    }
    const std::string endDigits = previous.basic.Text(basic::kPeriodTo);
    const std::string beginDigits = report.basic.Text(basic::kPeriodFrom);
    const std::optional<Date> last = ParseDate(endDigits);
    const std::optional<Date> next = ParseDate(beginDigits);
    const std::string end = layout::DateText(endDigits);
    const std::string begin = layout::DateText(beginDigits);
    if (!last || !next || !DayAfter(*last, *next)) {
        Join(m,
             "前年分の出力ファイルではありません（期間の終わり " + end +
                 " の翌日が本年の期間の初め " + begin + " ではありません）",
             "it is not last year's report (its period ends on " + end +
                 ", not the day before this report's period begins on " + begin + ")");
    }
    // A first blue year compares its profit and loss with last year's white return.
    if (report.form != previous.form && !(report.Blue() && !previous.Blue())) {
        Join(m,
             std::string(FormJa(previous)) + "申告の出力ファイルです（本年は" + FormJa(report) +
                 "申告）",
             std::string("it is a ") + FormEn(previous) + " return (this one is " + FormEn(report) +
                 ")");
    }
    if (report.kind != previous.kind) {
        Join(m,
             std::string(KindJa(previous)) + "の出力ファイルです（本年は" + KindJa(report) + "）",
             std::string("it reports ") + KindEn(previous) + " (this one " + KindEn(report) + ")");
    }
    if (m.english.empty()) {
        return std::nullopt;
    }
    m.japanese = "前年分として指定された出力ファイルは使えません: " + m.japanese;
    m.english = "The report given as last year's cannot be used: " + m.english + ".";
    return m;
}

}  // namespace inspect
