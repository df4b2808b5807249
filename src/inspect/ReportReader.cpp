#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/Labels.h"
#include "inspect/Report.h"
#include "inspect/Xml.h"
#include "platform/text/Cp932.h"
#include "reportformat/Elements.h"
#include "reportformat/Envelope.h"

namespace inspect {

namespace {

namespace envelope = reportformat::envelope;
namespace basic = reportformat::basic;

// The magnitudes of all amounts stay below a quarter of int64: every sum of
// some of them, and the difference of two such sums, then fits.
constexpr std::int64_t kMostYenInAll = INT64_MAX / 4;

// The element whose start tag comes last before `offset`, for messages.
std::string ElementBefore(std::string_view bytes, std::size_t offset) {
    std::size_t open = bytes.rfind('<', offset);
    while (open != std::string_view::npos && open + 1 < bytes.size() && bytes[open + 1] == '/') {
        open = open == 0 ? std::string_view::npos : bytes.rfind('<', open - 1);
    }
    if (open == std::string_view::npos) {
        return "the prolog";
    }
    const std::size_t end = bytes.find_first_of(" \t\r\n/>", open + 1);
    return "<" + std::string(bytes.substr(open + 1, std::min(end, offset) - open - 1)) + ">";
}

std::string CodePoint(unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("U+00") + kHex[c >> 4] + kHex[c & 15];
}

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
        if (!OnlyWrittenCharacters()) {
            result.error = error_;
            return result;
        }
        const xml::Document doc = xml::Parse(bytes_);
        if (!doc.ok) {
            Fail(doc.errorOffset, "not well-formed XML (" + doc.error + ")");
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

    bool Fail(std::size_t offset, std::string message) {
        error_.file = name_;
        error_.line = LineOf(offset);
        error_.message = std::move(message);
        return false;
    }

    // The export drops the control characters XML forbids (all below 0x20 but
    // tab, CR and LF; DEL it keeps) and writes no character references:
    // either means the file was made or edited elsewhere.
    bool OnlyWrittenCharacters() {
        for (std::size_t i = 0; i < bytes_.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes_[i]);
            if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') {
                return Fail(i, ElementBefore(bytes_, i) + " holds the control character " +
                                   CodePoint(c) + ", which the export never writes");
            }
            if (c == '&' && i + 1 < bytes_.size() && bytes_[i + 1] == '#') {
                const std::size_t end = bytes_.find_first_of(";<", i);
                const std::size_t length = end == std::string_view::npos ? 12 : end - i + 1;
                return Fail(i,
                            ElementBefore(bytes_, i) + " holds the character reference \"" +
                                std::string(bytes_.substr(i, std::min<std::size_t>(length, 12))) +
                                "\", which the export never writes");
            }
        }
        return true;
    }

    // Each amount as the export writes it, and all of them far inside 64 bits.
    bool Amounts(const std::string& section, const Fields& fields) {
        for (const Field& field : fields.fields) {
            if (!HoldsYen(form_, section, field.tag)) {
                continue;
            }
            const std::optional<std::int64_t> yen = ParseAmount(field.text);
            if (!yen) {
                return Fail(LineStart(field.line),
                            "<" + field.tag + "> holds \"" + field.text +
                                "\", not an amount in whole yen (an optional minus and at most " +
                                std::to_string(kMostAmountDigits) + " digits)");
            }
            const std::optional<std::int64_t> total = AddYen(allYen_, *yen < 0 ? -*yen : *yen);
            if (!total || *total > kMostYenInAll) {
                return Fail(LineStart(field.line), "<" + field.tag + "> holds \"" + field.text +
                                                       "\", and the report's amounts add up "
                                                       "beyond what the checks can sum");
            }
            allYen_ = *total;
        }
        return true;
    }

    bool Decode(const std::string& bytes, std::string& out, const xml::Element& at) {
        if (std::all_of(bytes.begin(), bytes.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            out = bytes;
            return true;
        }
        std::optional<std::string> utf8 = platform::cp932::ToUtf8(bytes);
        if (!utf8) {
            return Fail(at.offset, "<" + at.name + "> holds bytes that are not Shift_JIS text");
        }
        out = std::move(*utf8);
        return true;
    }

    bool NoText(const xml::Element& element) {
        if (element.hasText) {
            return Fail(element.offset, "unexpected text inside <" + element.name + ">");
        }
        return true;
    }

    bool Value(const xml::Element& element, Fields& into) {
        if (!element.children.empty()) {
            return Fail(element.children.front().offset, "expected text inside <" + element.name +
                                                             ">, found <" +
                                                             element.children.front().name + ">");
        }
        Field field;
        field.tag = element.name;
        field.line = LineOf(element.offset);
        if (!Decode(element.text, field.text, element)) {
            return false;
        }
        into.fields.push_back(std::move(field));
        return true;
    }

    bool Values(const xml::Element& parent, Fields& into) {
        if (!NoText(parent)) {
            return false;
        }
        for (const xml::Element& child : parent.children) {
            if (!Value(child, into)) {
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
            return Fail(element.offset, "expected a section inside <" + incomeTag_ +
                                            ">, found text in <" + element.name + ">");
        }
        if (!NoText(element)) {
            return false;
        }
        for (const xml::Element& child : element.children) {
            // List entries carry their ordinal; every other element holds one value.
            const std::string* count = child.Attribute(envelope::kCount);
            if (count == nullptr) {
                if (!Value(child, section)) {
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
                return Fail(child.offset, std::string("expected a positive ") + envelope::kCount +
                                              " on <" + child.name + ">");
            }
            if (!Values(child, item)) {
                return false;
            }
            section.items.push_back(std::move(item));
        }
        return true;
    }

    const xml::Element* Expect(const xml::Element& parent, std::size_t index,
                               std::string_view name) {
        if (index >= parent.children.size()) {
            Fail(parent.offset,
                 "expected <" + std::string(name) + "> inside <" + parent.name + ">");
            return nullptr;
        }
        const xml::Element& child = parent.children[index];
        if (child.name != name) {
            Fail(child.offset, "expected <" + std::string(name) + ">, found <" + child.name + ">");
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
                return Fail(0, "expected the encoding Shift_JIS, found " + doc.encoding);
            }
        }
        const xml::Element& root = doc.root;
        if (root.name != envelope::kReport) {
            return Fail(root.offset, std::string("expected the root element <") +
                                         envelope::kReport + ">, found <" + root.name + ">");
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
            return Fail(root.children[3].offset, std::string("expected </") + envelope::kReport +
                                                     ">, found <" + root.children[3].name + ">");
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
                        std::string("expected <") + basic::kReturnForm + "> " +
                            reportformat::kBlueCode + " (blue) or " + reportformat::kWhiteCode +
                            " (white)");
        }
        report.form = form->text == reportformat::kBlueCode ? ReturnForm::Blue : ReturnForm::White;
        const Field* kind = report.basic.Find(basic::kIncomeKind);
        if (kind == nullptr || kind->text.size() != 1 ||
            reportformat::IncomeElementOf(kind->text[0] - '0') == nullptr) {
            return Fail(kind ? LineStart(kind->line) : header.offset,
                        std::string("expected <") + basic::kIncomeKind + "> 1, 2 or 3");
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
            return Fail(data.children[1].offset, std::string("expected </") + envelope::kData +
                                                     ">, found <" + data.children[1].name + ">");
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
