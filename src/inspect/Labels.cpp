#include "inspect/Labels.h"

#include <algorithm>

#include "reportformat/Elements.h"
#include "reportformat/Envelope.h"
#include "reportformat/ValueTables.h"

namespace inspect {

namespace section = reportformat::section;

Form FormOf(const Report& report) {
    return reportformat::FormOf(report.Blue(), static_cast<int>(report.kind));
}

const reportformat::ElementSpec* ElementOf(Form form, std::string_view sectionTag,
                                           std::string_view tag) {
    return reportformat::FindElement(form, sectionTag, tag);
}

namespace {

// The form of the same income with the other return form.
Form OtherReturnOf(Form form) {
    switch (form) {
        case Form::BlueBusiness:
            return Form::WhiteBusiness;
        case Form::WhiteBusiness:
            return Form::BlueBusiness;
        case Form::BlueRealEstate:
            return Form::WhiteRealEstate;
        case Form::WhiteRealEstate:
            return Form::BlueRealEstate;
    }
    return form;
}

// Whether the form itself holds the element in that section.
bool OwnElement(Form form, std::string_view sectionTag, const reportformat::ElementSpec* element) {
    const reportformat::SectionSchema* own = reportformat::SchemaOf(form).Find(sectionTag);
    return own != nullptr && element != nullptr && own->Find(element->tag) == element;
}

}  // namespace

std::string SectionTitle(Form form, std::string_view sectionTag) {
    for (const Form each : {form, OtherReturnOf(form)}) {
        if (const reportformat::SectionSpec* spec = reportformat::FindSection(each, sectionTag)) {
            return std::string(spec->title);
        }
    }
    return std::string(sectionTag);
}

std::string FormLineName(Form form, std::string_view sectionTag, std::string_view tag) {
    const reportformat::ElementSpec* element = ElementOf(form, sectionTag, tag);
    if (element == nullptr) {
        return std::string(tag);
    }
    const bool userNamed = element->line != nullptr || element->account != nullptr;
    const std::string name = !element->name.empty() ? std::string(element->name)
                             : userNamed            ? std::string(UnnamedLine())
                                                    : std::string(tag);
    if (element->number.empty() || !OwnElement(form, sectionTag, element)) {
        return name;
    }
    return std::string(element->number) + " " + name;
}

std::string MonthLineName(std::string_view sectionTag, std::string_view tag) {
    if (sectionTag != section::kMonthly) {
        return {};
    }
    for (const reportformat::MonthlyRun& run : reportformat::MonthlyTable()) {
        const std::string_view stem = run.tag;
        const std::string_view month = tag.substr(std::min(stem.size(), tag.size()));
        if (run.months > 0 && tag.starts_with(stem) && !month.empty() &&
            month.find_first_not_of("0123456789") == std::string_view::npos) {
            return std::string(month) + "月 " + std::string(run.name);
        }
    }
    return {};
}

std::string LineName(Form form, const Fields& fields, std::string_view sectionTag,
                     std::string_view tag) {
    if (const Field* named = fields.Find(std::string(tag) + reportformat::suffix::kName);
        named != nullptr && !named->text.empty()) {
        return named->text;
    }
    if (std::string month = MonthLineName(sectionTag, tag); !month.empty()) {
        return month;
    }
    return FormLineName(form, sectionTag, tag);
}

std::string AccountName(Form form, const Fields& fields, std::string_view stem) {
    if (const Field* named =
            fields.Find(reportformat::LineOf(stem, reportformat::Period::AccountName));
        named != nullptr && !named->text.empty()) {
        return named->text;
    }
    for (const reportformat::Period period :
         {reportformat::Period::Closing, reportformat::Period::Opening}) {
        const reportformat::ElementSpec* element =
            ElementOf(form, section::kBalanceSheet, reportformat::LineOf(stem, period));
        if (element != nullptr) {
            return std::string(element->name.empty() ? UnnamedLine() : element->name);
        }
    }
    return std::string(stem);
}

std::string_view UnnamedLine() {
    return "（科目名なし）";
}

std::string_view CodeMeaning(std::string_view tag, std::string_view code) {
    if (tag != reportformat::deduction::kChoice) {
        return {};
    }
    const reportformat::DeductionChoice* choice = reportformat::DeductionChoiceOf(code);
    return choice ? choice->meaning : std::string_view();
}

bool HoldsYen(Form form, std::string_view sectionTag, std::string_view tag) {
    if (const reportformat::ElementSpec* element = ElementOf(form, sectionTag, tag)) {
        return element->holds == reportformat::Holds::Yen;
    }
    if (tag.ends_with(reportformat::suffix::kName)) {
        return false;
    }
    // The monthly figures and the lines the user names are all amounts.
    for (const std::string_view amounts : {section::kProfitAndLoss, section::kMonthly,
                                           section::kManufacturing, section::kBalanceSheet}) {
        if (sectionTag == amounts) {
            return true;
        }
    }
    return false;
}

}  // namespace inspect
