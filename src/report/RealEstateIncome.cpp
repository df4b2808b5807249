#include "report/ReportWriter.h"

int ReportWriter::WriteRealEstateIncome(XmlWriter*, const StDATAINFO*) {
    return 1;
}
