#include "report/ReportWriter.h"

int ReportWriter::WriteAmountTable(XmlWriter*, std::span<const AmountTableRow>) { return 1; }
int ReportWriter::WriteBalanceTable(XmlWriter*, std::span<const BalanceTableRow>) { return 1; }
int ReportWriter::WriteMonthly(XmlWriter*) { return 1; }
std::string ReportWriter::FormatAmount(std::int64_t) { return {}; }
int ReportWriter::CleanAccountName(std::string_view, std::string&) { return 0; }
