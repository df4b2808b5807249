#include "report/ReportWriter.h"

int ReportWriter::WriteBadDebtReserve(XmlWriter*) { return 1; }
int ReportWriter::WriteBlueDeduction(XmlWriter*) { return 1; }
