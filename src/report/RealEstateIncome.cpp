#include "report/ReportWriter.h"

int ReportWriter::WriteRealEstateIncome(XmlWriter*, const StDATAINFO*) {
    return 1;
}

int ReportWriter::WriteDebtInterest(XmlWriter*) { return 1; }
