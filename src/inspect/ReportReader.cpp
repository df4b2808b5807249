#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/ForeignCharacters.h"
#include "inspect/Labels.h"
#include "inspect/Report.h"
#include "inspect/Xml.h"
#include "platform/text/Cp932.h"
#include "reportformat/BalanceSheets.h"
#include "reportformat/Elements.h"
#include "reportformat/Envelope.h"

namespace inspect {

namespace {

namespace envelope = reportformat::envelope;
namespace basic = reportformat::basic;

// The magnitudes of all amounts stay below a quarter of int64: every sum of
// some of them, and the difference of two such sums, then fits.
constexpr std::int64_t kMostYenInAll = INT64_MAX / 4;

// What the reader says where a file is not laid out as the export lays out a
// report; the elements it expected go to JSON only.
constexpr std::string_view kNotLaidOutJa = "このプログラムが書く出力ファイルの形ではありません";
constexpr std::string_view kNotLaidOutEn = "not laid out as this program writes a report";

class Reader {
public:
    Reader(std::string_view bytes, std::string_view name) : bytes_(bytes), name_(name) {
        lineStarts_.push_back(0);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                lineStarts_.push_back(i + 1);
            }
        }
    }

    ReadResult Run() {
        ReadResult result;
        if (const std::optional<ForeignCharacter> foreign = FirstForeignCharacter(bytes_)) {
            Fail(foreign->offset, foreign->japanese, foreign->english, foreign->element);
            result.error = error_;
            return result;
        }
        const xml::Document doc = xml::Parse(bytes_);
        if (!doc.ok) {
            Fail(doc.errorOffset,
                 "XML として正しく書かれていません（途中で切れたか、ほかのプログラムで編集された"
                 "ファイルです）",
                 "not well-formed XML (" + doc.error + ")");
            result.error = error_;
            return result;
        }
        Report report;
        report.name = name_;
        if (Build(doc, report)) {
            result.report = std::move(report);
        } else {
            result.error = error_;
        }
        return result;
    }

private:
    int LineOf(std::size_t offset) const {
        const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
        return static_cast<int>(it - lineStarts_.begin());
    }

    bool Fail(std::size_t offset, std::string japanese, std::string english,
              std::string element = {}, std::string detail = {}) {
        error_.file = name_;
        error_.line = LineOf(offset);
        error_.japanese = std::move(japanese);
        error_.message = std::move(english);
        error_.element = std::move(element);
        error_.detail = std::move(detail);
        return false;
    }

    // A file out of the export's layout: what was expected, by element names.
    bool Misshapen(std::size_t offset, std::string_view why, std::string detail) {
        return Fail(offset, std::string(kNotLaidOutJa) + "（" + std::string(why) + "）",
                    std::string(kNotLaidOutEn), {}, std::move(detail));
    }

    // A line as the form names it: "損益計算書の ① 売上（収入）金額", a
    // balance-sheet line with its date, a header value by its element.
    std::string LineWords(std::string_view section, std::string_view tag) const {
        if (section.empty()) {
            return std::string(tag);
        }
        std::string line;
        const std::optional<reportformat::AccountLine> account =
            section == reportformat::section::kBalanceSheet ? reportformat::AccountOf(tag)
                                                            : std::nullopt;
        if (account && account->period != reportformat::Period::AccountName) {
            line = FormLineName(form_, section, tag) +
                   (account->period == reportformat::Period::Opening ? "（期首）" : "（期末）");
        } else {
            line = FormLineName(form_, section, tag);
        }
        return SectionTitle(form_, section) + "の " + line;
    }

    // Each amount as the export writes it, and all of them far inside 64 bits.
    bool Amounts(const std::string& section, const Fields& fields) {
        for (const Field& field : fields.fields) {
            if (!HoldsYen(form_, section, field.tag)) {
                continue;
            }
            const std::optional<std::int64_t> yen = ParseAmount(field.text);
            const std::string line = LineWords(section, field.tag);
            const std::string digits = std::to_string(kMostAmountDigits);
            if (!yen) {
                return Fail(LineStart(field.line),
                            line + " が「" + field.text + "」で、円単位の金額（" + digits +
                                " 桁までの数字、負の額は前にマイナス）ではありません",
                            line + " holds \"" + field.text +
                                "\", not an amount in whole yen (an optional minus and at most " +
                                digits + " digits)",
                            field.tag);
            }
            const std::optional<std::int64_t> total = AddYen(allYen_, *yen < 0 ? -*yen : *yen);
            if (!total || *total > kMostYenInAll) {
                return Fail(
                    LineStart(field.line),
                    line + " の「" + field.text + "」で、金額の合計が確認できる大きさを超えます",
                    line + " holds \"" + field.text +
                        "\", and the report's amounts add up beyond what the checks can "
                        "sum",
                    field.tag);
            }
            allYen_ = *total;
        }
        return true;
    }

    bool Decode(const std::string& bytes, std::string& out, const xml::Element& at,
                std::string_view section) {
        if (std::all_of(bytes.begin(), bytes.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            out = bytes;
            return true;
        }
        std::optional<std::string> utf8 = platform::cp932::ToUtf8(bytes);
        if (!utf8) {
            const std::string line = LineWords(section, at.name);
            return Fail(at.offset, line + " に Shift_JIS の文字でないバイトがあります",
                        line + " holds bytes that are not Shift_JIS text", at.name);
        }
        out = std::move(*utf8);
        return true;
    }

    bool NoText(const xml::Element& element) {
        if (element.hasText) {
            return Misshapen(element.offset, "要素の間に文字があります",
                             "unexpected text inside <" + element.name + ">");
        }
        return true;
    }

    bool Value(const xml::Element& element, Fields& into, std::string_view section) {
        if (!element.children.empty()) {
            const std::string line = LineWords(section, element.name);
            return Fail(element.children.front().offset, line + " に値でなく要素があります",
                        line + " holds an element instead of a value", element.name,
                        "expected text inside <" + element.name + ">, found <" +
                            element.children.front().name + ">");
        }
        Field field;
        field.tag = element.name;
        field.line = LineOf(element.offset);
        if (!Decode(element.text, field.text, element, section)) {
            return false;
        }
        into.fields.push_back(std::move(field));
        return true;
    }

    bool Values(const xml::Element& parent, Fields& into, std::string_view section = {}) {
        if (!NoText(parent)) {
            return false;
        }
        for (const xml::Element& child : parent.children) {
            if (!Value(child, into, section)) {
                return false;
            }
        }
        return true;
    }

    bool SectionOf(const xml::Element& element, Section& section) {
        section.tag = element.name;
        section.line = LineOf(element.offset);
        if (element.children.empty() &&
            element.text.find_first_not_of(" \t\r\n") != std::string::npos) {
            return Misshapen(element.offset, "所得の中に、区分でなく値があります",
                             "expected a section inside <" + incomeTag_ + ">, found text in <" +
                                 element.name + ">");
        }
        if (!NoText(element)) {
            return false;
        }
        for (const xml::Element& child : element.children) {
            // List entries carry their ordinal; every other element holds one value.
            const std::string* count = child.Attribute(envelope::kCount);
            if (count == nullptr) {
                if (!Value(child, section, section.tag)) {
                    return false;
                }
                continue;
            }
            Item item;
            item.tag = child.name;
            item.line = LineOf(child.offset);
            const auto [end, ec] =
                std::from_chars(count->data(), count->data() + count->size(), item.count);
            if (ec != std::errc() || end != count->data() + count->size() || item.count < 1) {
                return Fail(
                    child.offset,
                    SectionTitle(form_, section.tag) + "の明細の番号が正の整数ではありません",
                    SectionTitle(form_, section.tag) +
                        ": an entry's number is not a positive whole number",
                    child.name,
                    std::string("expected a positive ") + envelope::kCount + " on <" + child.name +
                        ">");
            }
            if (!Values(child, item, section.tag)) {
                return false;
            }
            section.items.push_back(std::move(item));
        }
        return true;
    }

    const xml::Element* Expect(const xml::Element& parent, std::size_t index,
                               std::string_view name) {
        if (index >= parent.children.size()) {
            Misshapen(parent.offset, "あるべき要素がありません",
                      "expected <" + std::string(name) + "> inside <" + parent.name + ">");
            return nullptr;
        }
        const xml::Element& child = parent.children[index];
        if (child.name != name) {
            Misshapen(child.offset, "要素の並びが違います",
                      "expected <" + std::string(name) + ">, found <" + child.name + ">");
            return nullptr;
        }
        return &child;
    }

    bool Build(const xml::Document& doc, Report& report) {
        if (!doc.encoding.empty()) {
            std::string encoding = doc.encoding;
            std::transform(encoding.begin(), encoding.end(), encoding.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            if (encoding != "SHIFT_JIS") {
                return Fail(0, "文字コードが Shift_JIS ではありません（" + doc.encoding + "）",
                            "expected the encoding Shift_JIS, found " + doc.encoding);
            }
        }
        const xml::Element& root = doc.root;
        if (root.name != envelope::kReport) {
            return Misshapen(root.offset, "最初の要素が違います",
                             std::string("expected the root element <") + envelope::kReport +
                                 ">, found <" + root.name + ">");
        }
        if (!NoText(root)) {
            return false;
        }
        const xml::Element* system = Expect(root, 0, envelope::kSystem);
        const xml::Element* header = system ? Expect(root, 1, envelope::kBasic) : nullptr;
        const xml::Element* data = header ? Expect(root, 2, envelope::kData) : nullptr;
        if (data == nullptr) {
            return false;
        }
        if (root.children.size() > 3) {
            return Misshapen(root.children[3].offset, "終わりのあとに要素があります",
                             std::string("expected </") + envelope::kReport + ">, found <" +
                                 root.children[3].name + ">");
        }
        if (!Values(*system, report.system) || !Values(*header, report.basic) ||
            !Kinds(*header, report)) {
            return false;
        }
        return Income(*data, report);
    }

    // The return form and the income kind, which choose the statements.
    bool Kinds(const xml::Element& header, Report& report) {
        const Field* form = report.basic.Find(basic::kReturnForm);
        if (form == nullptr ||
            (form->text != reportformat::kBlueCode && form->text != reportformat::kWhiteCode)) {
            return Fail(form ? LineStart(form->line) : header.offset,
                        std::string("申告の種類が ") + reportformat::kBlueCode + "（青色）でも " +
                            reportformat::kWhiteCode + "（白色）でもありません",
                        std::string("the return form is neither ") + reportformat::kBlueCode +
                            " (blue) nor " + reportformat::kWhiteCode + " (white)",
                        basic::kReturnForm);
        }
        report.form = form->text == reportformat::kBlueCode ? ReturnForm::Blue : ReturnForm::White;
        const Field* kind = report.basic.Find(basic::kIncomeKind);
        if (kind == nullptr || kind->text.size() != 1 ||
            reportformat::IncomeElementOf(kind->text[0] - '0') == nullptr) {
            return Fail(kind ? LineStart(kind->line) : header.offset,
                        "所得の種類が 1、2、3 のどれでもありません",
                        "the income kind is none of 1, 2 and 3", basic::kIncomeKind);
        }
        const int kindNumber = kind->text[0] - '0';
        report.kind = static_cast<IncomeKind>(kindNumber);
        incomeTag_ = reportformat::IncomeElementOf(kindNumber);
        form_ = reportformat::FormOf(report.Blue(), kindNumber);

        return true;
    }

    bool Income(const xml::Element& data, Report& report) {
        if (!NoText(data)) {
            return false;
        }
        const xml::Element* income = Expect(data, 0, incomeTag_);
        if (income == nullptr) {
            return false;
        }
        if (data.children.size() > 1) {
            return Misshapen(data.children[1].offset, "所得のあとに要素があります",
                             std::string("expected </") + envelope::kData + ">, found <" +
                                 data.children[1].name + ">");
        }
        report.incomeTag = incomeTag_;
        report.incomeLine = LineOf(income->offset);
        if (!NoText(*income)) {
            return false;
        }
        for (const xml::Element& child : income->children) {
            Section section;
            if (!SectionOf(child, section) || !Amounts(section.tag, section)) {
                return false;
            }
            for (const Item& item : section.items) {
                if (!Amounts(section.tag, item)) {
                    return false;
                }
            }
            report.sections.push_back(std::move(section));
        }
        return true;
    }

    std::size_t LineStart(int line) const {
        return line >= 1 && static_cast<std::size_t>(line) <= lineStarts_.size()
                   ? lineStarts_[static_cast<std::size_t>(line) - 1]
                   : 0;
    }

    std::string_view bytes_;
    std::string name_;
    std::vector<std::size_t> lineStarts_;
    std::string incomeTag_;
    reportformat::Form form_ = reportformat::Form::BlueBusiness;
    std::int64_t allYen_ = 0;
    ReadError error_;
};

}  // namespace

ReadResult ReadReport(std::string_view bytes, std::string_view name) {
    return Reader(bytes, name).Run();
}

}  // namespace inspect
