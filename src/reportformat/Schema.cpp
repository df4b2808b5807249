#include "reportformat/Schema.h"

#include <algorithm>
#include <array>

#include "reportformat/Elements.h"
#include "reportformat/Records.h"
#include "reportformat/ValueTables.h"

namespace reportformat {

const ElementSpec* SectionSchema::Find(std::string_view tag) const {
    for (const std::vector<ElementSpec>* elements : {&values, &entries}) {
        for (const ElementSpec& element : *elements) {
            if (element.tag == tag) {
                return &element;
            }
        }
    }
    return nullptr;
}

const SectionSchema* Schema::Find(std::string_view section) const {
    for (const SectionSchema& each : sections) {
        if (each.spec->tag == section) {
            return &each;
        }
    }
    return nullptr;
}

namespace {

ElementSpec Plain(std::string tag, Holds holds, std::string_view name) {
    ElementSpec element;
    element.tag = std::move(tag);
    element.holds = holds;
    element.name = name;
    return element;
}

void AddStatement(std::vector<ElementSpec>& into, std::span<const StatementLine> lines) {
    for (const StatementLine& line : lines) {
        if (line.tag == nullptr || line.section != nullptr) {
            continue;
        }
        if (line.named) {
            into.push_back(Plain(line.Tag() + suffix::kName, Holds::Text, {}));
        }
        ElementSpec element = Plain(line.Tag(), line.holds, line.name);
        element.number = line.number;
        element.line = &line;
        into.push_back(std::move(element));
    }
}

void AddBalanceSheet(std::vector<ElementSpec>& into, std::span<const BalanceAccount> accounts) {
    for (BalanceLine& line : BalanceLines(accounts)) {
        ElementSpec element = Plain(std::move(line.tag),
                                    line.period == Period::AccountName ? Holds::Text : Holds::Yen,
                                    line.account->name);
        element.account = line.account;
        element.period = line.period;
        into.push_back(std::move(element));
    }
}

void AddChildren(std::vector<ElementSpec>& into, std::span<const Child> children) {
    for (const Child& child : children) {
        into.push_back(Plain(child.element, HoldsOf(child), child.label));
    }
}

// Values in the report's order, named and numbered as `printed` prints them.
void AddValues(std::vector<ElementSpec>& into, std::span<const ValueLine> lines,
               std::span<const StatementLine> printed = {}) {
    for (const ValueLine& line : lines) {
        ElementSpec element = Plain(line.tag, line.holds, line.name);
        for (const StatementLine& print : printed) {
            if (print.tag != nullptr && std::string_view(print.tag) == line.tag) {
                element.name = print.name;
                element.number = print.number;
                element.line = &print;
            }
        }
        into.push_back(std::move(element));
    }
}

SectionSchema SectionOf(Form form, const SectionSpec& spec) {
    SectionSchema section{&spec, {}, {}};
    std::vector<ElementSpec>& values = section.values;
    switch (spec.content) {
        case Content::ProfitAndLoss:
            AddStatement(values, ProfitAndLoss(form));
            break;
        case Content::ManufacturingCost:
            AddStatement(values, ManufacturingCost(form));
            break;
        case Content::BalanceSheet:
            AddBalanceSheet(values, BalanceSheet(form));
            break;
        case Content::Monthly:
            for (const MonthlyRun& run : MonthlyTable()) {
                for (int month = 1; month <= std::max(run.months, 1); ++month) {
                    values.push_back(Plain(
                        run.months > 0 ? run.tag + std::to_string(month) : std::string(run.tag),
                        Holds::Yen, run.name));
                }
            }
            break;
        case Content::BadDebtReserve:
            AddValues(values, BadDebtReserve(), BadDebtCalculation());
            break;
        case Content::BlueDeduction:
            AddValues(values, BlueDeductionLines(), DeductionCalculation());
            break;
        case Content::SpecialNotes:
            for (int n = 1; n <= spec.lineCount; ++n) {
                values.push_back(Plain(notes::kLine + std::to_string(n), Holds::Text, {}));
            }
            break;
        case Content::Association:
            AddValues(values, std::span(&AssociationName(), 1));
            break;
        case Content::RentalUse:
            AddChildren(values, RentalUse());
            break;
        default:
            break;
    }
    if (spec.list != nullptr) {
        AddChildren(section.entries, spec.list->children);
        AddChildren(values, spec.beside);
    }
    return section;
}

Schema Build(Form form) {
    Schema schema;
    for (const SectionSpec& spec : SectionsOf(form)) {
        schema.sections.push_back(SectionOf(form, spec));
    }
    return schema;
}

}  // namespace

const Schema& SchemaOf(Form form) {
    static const std::array<Schema, 4> schemas = {
        Build(Form::BlueBusiness), Build(Form::WhiteBusiness), Build(Form::BlueRealEstate),
        Build(Form::WhiteRealEstate)};
    return schemas[static_cast<std::size_t>(form)];
}

const ElementSpec* FindElement(Form form, std::string_view section, std::string_view tag) {
    if (const SectionSchema* own = SchemaOf(form).Find(section)) {
        if (const ElementSpec* element = own->Find(tag)) {
            return element;
        }
    }
    for (const bool sameSection : {true, false}) {
        for (const Form other : kForms) {
            for (const SectionSchema& each : SchemaOf(other).sections) {
                if (sameSection != (each.spec->tag == section)) {
                    continue;
                }
                if (const ElementSpec* element = each.Find(tag)) {
                    return element;
                }
            }
        }
    }
    return nullptr;
}

}  // namespace reportformat
