#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "inspect/Checks.h"
#include "inspect/InspectTestSupport.h"
#include "inspect/Labels.h"
#include "reportformat/Schema.h"
#include "reportformat/Statements.h"

namespace {

using reportformat::Form;
using reportformat::Holds;

bool AllOf(const std::string& text, const std::string& allowed) {
    return text.find_first_not_of(allowed) == std::string::npos;
}

// Whether a value is written as an element of its kind holds it.
bool Fits(Holds holds, const std::string& text) {
    const std::string body = text.starts_with('-') ? text.substr(1) : text;
    switch (holds) {
        case Holds::Yen:
            return inspect::ParseAmount(text).has_value();
        case Holds::Integer:
        case Holds::Date:
        case Holds::Month:
            return AllOf(body, "0123456789");
        case Holds::Area:
            return AllOf(body, "0123456789.");
        case Holds::Code:
            return !text.empty();
        case Holds::Text:
            return true;
    }
    return false;
}

// The reports the writer wrote from the sample books (the end-to-end test
// holds the writer to them byte for byte), read back: each element is one the
// vocabulary lists in its section, with a value of its kind, and each element
// the vocabulary lists for the form is there, sections in the form's order.
TEST(VocabularyTest, WrittenReportsReadBackThroughTheVocabulary) {
    for (const char* golden : inspecttest::kGoldens) {
        const inspect::Report report = inspecttest::ReadGolden(golden);
        ASSERT_FALSE(report.sections.empty()) << golden;
        const Form form = inspect::FormOf(report);
        const reportformat::Schema& schema = reportformat::SchemaOf(form);
        std::vector<std::string> sections, expected;
        for (const reportformat::SectionSpec& spec : reportformat::SectionsOf(form)) {
            expected.emplace_back(spec.tag);
        }
        for (const inspect::Section& section : report.sections) {
            sections.push_back(section.tag);
            const reportformat::SectionSchema* known = schema.Find(section.tag);
            ASSERT_NE(known, nullptr) << golden << ": " << section.tag;
            std::set<std::string> values, entries;
            const auto read = [&](const inspect::Fields& fields, std::set<std::string>& seen) {
                for (const inspect::Field& field : fields.fields) {
                    const reportformat::ElementSpec* element = known->Find(field.tag);
                    seen.insert(field.tag);
                    if (element == nullptr) {
                        ADD_FAILURE() << golden << ": " << section.tag << "/" << field.tag;
                        continue;
                    }
                    EXPECT_TRUE(Fits(element->holds, field.text)) << field.tag << " " << field.text;
                    if (element->account != nullptr &&
                        element->period != reportformat::Period::AccountName) {
                        EXPECT_NE(inspect::SideOf(form, field.tag), inspect::Side::None);
                    }
                }
            };
            read(section, values);
            for (const inspect::Item& item : section.items) {
                EXPECT_EQ(item.tag, known->spec->list ? known->spec->list->item : "") << golden;
                read(item, entries);
            }
            for (const reportformat::ElementSpec& element : known->values) {
                EXPECT_TRUE(values.count(element.tag)) << golden << " lacks " << element.tag;
            }
            for (const reportformat::ElementSpec& element : known->entries) {
                EXPECT_TRUE(section.items.empty() || entries.count(element.tag))
                    << golden << " lacks " << element.tag;
            }
        }
        EXPECT_EQ(sections, expected) << golden;
    }
}

// Each form's statements as printed: circled numbers run without a gap, and
// every sum adds up only lines above it.
TEST(VocabularyTest, SumsAddUpLinesAboveThem) {
    const auto circled = [](int n) {
        const char32_t cp = n <= 20 ? 0x2460 + n - 1 : n <= 35 ? 0x3251 + n - 21 : 0x32B1 + n - 36;
        return std::string{static_cast<char>(0xE0 | (cp >> 12)),
                           static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                           static_cast<char>(0x80 | (cp & 0x3F))};
    };
    for (const Form form : reportformat::kForms) {
        for (const auto lines :
             {reportformat::ProfitAndLoss(form), reportformat::ManufacturingCost(form)}) {
            std::set<std::string> above;
            int numbered = 0;
            for (const reportformat::StatementLine& line : lines) {
                const std::string number(line.number);
                if (number.size() == 3 && number.compare(0, 2, "\xE3\x82") != 0 &&
                    number.compare(0, 2, "\xE3\x83") != 0) {
                    EXPECT_EQ(number, circled(++numbered)) << line.name;
                }
                std::string terms(line.sum);
                std::replace_if(
                    terms.begin(), terms.end(),
                    [](char c) { return c == '+' || c == '-' || c == '~'; }, ' ');
                std::istringstream in(terms);
                for (std::string term; in >> term;) {
                    EXPECT_TRUE(above.count(term)) << number << " uses " << term;
                }
                above.insert(number);
                above.insert(std::string(line.name));
            }
        }
    }
}

}  // namespace
