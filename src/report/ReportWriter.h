#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <span>

#include "aggregation/CollectedData.h"
#include "core/Edition.h"
#include "core/IncomeKind.h"
#include "platform/ByteSink.h"
#include "platform/WindowHandle.h"
#include "reportformat/Sections.h"

class CProgressDlg;
class XmlWriter;
struct StDATAINFO;

// A row of a profit-and-loss or manufacturing-cost table: the element written
// for the summation row with `code`; a user-named row (flag 1) writes the
// account name too.
struct AmountTableRow {
    const char* tag;
    std::int32_t code;
    std::int32_t flag;
};

// A row of a balance-sheet table. Kind 0: opening amount (tag ends _KISYU),
// 1: closing amount (_KIMATU), 3: the account's name (_KAMOKU, flag 1).
struct BalanceTableRow {
    const char* tag;
    std::uint8_t kind;
    std::int32_t code;
    std::int32_t flag;
};

// Writes the report of one run: the declaration, the root REPORT, SYSTEM
// (the link and the host product), BASIC (company, return form, fiscal year,
// income kind) and DATA with the income section of the chosen kind.
class ReportWriter {
public:
    // What the run gives it: the progress window, the collected data it
    // writes, the income kind, the edition (which names the host product when
    // the support file does not) and the overall progress (tenths of a per
    // cent) at which writing starts. All borrowed, outliving the writer.
    ReportWriter(const CollectedData& collected, CProgressDlg& progress, IncomeKind incomeKind,
                 const Edition& edition, std::int16_t progressBase);
    virtual ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    CProgressDlg* const progress;
    const SummationRows* const rows;
    const StAOSUMINFO_TSUKIBETSU* const monthly;
    const StAOSIROSAVEINFO_IPPAN* const general;
    const StAOSIROSAVEINFO_FUDOUSAN* const realEstate;
    const platform::WindowHandle progressWnd;
    const IncomeKind incomeKind;
    const std::int16_t progressBase;
    const Edition& edition;

    // 1 when the whole report is at `path`. The report is written beside it
    // under another name and moved over it only when complete, so a failed
    // run leaves an earlier file at `path` as it was and no partial file.
    int WriteReport(const std::string& path, std::int16_t functionId, const StDATAINFO* entry);
    // The same report into any sink (memory, for previews and benchmarks).
    int WriteReportTo(platform::ByteSink& sink, std::int16_t functionId, const StDATAINFO* entry);

    int WriteSystem(XmlWriter* writer, std::int16_t functionId);
    int WriteBasic(XmlWriter* writer, const StDATAINFO* entry);
    int WriteData(XmlWriter* writer, const StDATAINFO* entry);

    // The content of EIGYOUSYOTOKU or SONOTASYOTOKU, and of FUDOUSANSYOTOKU.
    int WriteBusinessIncome(XmlWriter* writer, const StDATAINFO* entry);
    int WriteRealEstateIncome(XmlWriter* writer, const StDATAINFO* entry);

    // Mapping tables and their writers.
    int WriteAmountTable(XmlWriter* writer, std::span<const AmountTableRow> table);
    int WriteBalanceTable(XmlWriter* writer, std::span<const BalanceTableRow> table);
    int WriteMonthly(XmlWriter* writer);
    // Whole yen, truncated toward zero; empty for zero.
    static std::string FormatAmount(std::int64_t amount);
    // The name without its markers (blanks, brackets, "(製)"); 0 for an empty name, `out`
    // unchanged.
    static int CleanAccountName(std::string_view name, std::string& out);

    // Blue-return deduction and bad-debt reserve.
    int WriteBadDebtReserve(XmlWriter* writer);
    int WriteBlueDeduction(XmlWriter* writer);

    // Breakdown lists, each inside a section element its caller opened at level 3.
    int WriteSalaryList(XmlWriter* writer, int itemCount, int withOthers);
    int WriteRealEstateSalaryList(XmlWriter* writer, int itemCount, int withOthers);
    int WriteFamilyEmployeeList(XmlWriter* writer, const StDATAINFO* entry, int itemCount);
    int WriteRealEstateFamilyEmployeeList(XmlWriter* writer, const StDATAINFO* entry,
                                          int itemCount);
    int WriteInterestList(XmlWriter* writer, int itemCount);
    int WriteLoanList(XmlWriter* writer, int itemCount);
    int WriteLandRentList(XmlWriter* writer, int itemCount);
    int WriteRealEstateLandRentList(XmlWriter* writer, const StDATAINFO* entry, int itemCount);
    int WriteTaxAccountantList(XmlWriter* writer, int itemCount);
    int WriteRealEstateTaxAccountantList(XmlWriter* writer, int itemCount);
    int WriteSalesCustomerList(XmlWriter* writer, int itemCount);
    int WritePurchaseSupplierList(XmlWriter* writer, int itemCount);
    int WriteRepairList(XmlWriter* writer, int itemCount);
    // Decimal digits, "-" for negatives; empty for zero.
    static std::string FormatInteger(std::int32_t value);

    // Special notes and text fields.
    int WriteSpecialNotes(XmlWriter* writer, std::string_view notes, int lineLength, int lineCount);
    int WriteAssociationName(XmlWriter* writer);
    // At most `limit` bytes of the text, one fewer where the cut would split a character.
    static std::string CopyTruncated(std::string_view source, std::size_t limit);

    // Real-estate section.
    int WriteDebtInterest(XmlWriter* writer);
    int WriteRentalList(XmlWriter* writer, int maxItems);
    int WriteRentalUse(XmlWriter* writer);
    // The area (four fraction digits) with `fractionDigits` decimals, half away from zero.
    static std::string FormatArea(std::int64_t area, int fractionDigits);

    // Half-width characters of a company name made full-width. The text of a
    // name longer than 30 bytes is cut to at most 63 bytes, never inside a
    // double-byte character.
    static std::string ToFullWidth(std::string_view text);

private:
    // The form's sections in order, each with the writer of its content.
    int WriteSections(XmlWriter* writer, const StDATAINFO* entry, reportformat::Form form);
    int WriteSectionContent(XmlWriter* writer, const StDATAINFO* entry, reportformat::Form form,
                            const reportformat::SectionSpec& spec);
    int WriteDeductionChoice(XmlWriter* writer);
    void Pulse();
    void Advance(std::int16_t from, std::int16_t to);
};
