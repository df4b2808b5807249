#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "aggregation/CollectedData.h"
#include "app/Edition.h"
#include "app/IncomeKind.h"
#include "platform/WindowHandle.h"

class CProgressDlg;
class XmlWriter;
struct StDATAINFO;

// Writes the report of one run: the declaration, the root REPORT, SYSTEM
// (the link and the host product), BASIC (company, return form, fiscal year,
// income kind) and DATA with the income section of the chosen kind.
class ReportWriter {
public:
    ReportWriter();
    virtual ~ReportWriter();
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // Borrowed; the run fills them in before WriteReport. A null progress
    // window is not moved.
    CProgressDlg* progress = nullptr;
    const SummationRows* rows = nullptr;
    const StAOSUMINFO_TSUKIBETSU* monthly = nullptr;
    const StAOSIROSAVEINFO_IPPAN* general = nullptr;
    const StAOSIROSAVEINFO_FUDOUSAN* realEstate = nullptr;
    platform::WindowHandle progressWnd = 0;
    IncomeKind incomeKind = income_kind::kNone;
    // Overall progress (tenths of a per cent) at which writing starts.
    std::int16_t progressBase = 0;
    // Names the host product when the support file does not.
    const Edition* edition = &Edition::Brenlo();

    // 1 when the whole report is at `path`. The report is written beside it
    // under another name and moved over it only when complete, so a failed
    // run leaves an earlier file at `path` as it was and no partial file.
    int WriteReport(const std::string& path, std::int16_t functionId, const StDATAINFO* entry);

    int WriteSystem(XmlWriter* writer, std::int16_t functionId);
    int WriteBasic(XmlWriter* writer, const StDATAINFO* entry);
    int WriteData(XmlWriter* writer, const StDATAINFO* entry);

    // The content of EIGYOUSYOTOKU or SONOTASYOTOKU, and of FUDOUSANSYOTOKU.
    int WriteBusinessIncome(XmlWriter* writer, const StDATAINFO* entry);
    int WriteRealEstateIncome(XmlWriter* writer, const StDATAINFO* entry);

    // Half-width characters of a company name made full-width. The text of a
    // name longer than 30 bytes is cut to at most 63 bytes, never inside a
    // double-byte character.
    static std::string ToFullWidth(std::string_view text);

private:
    void Pulse();
    void Advance(std::int16_t from, std::int16_t to);
};
