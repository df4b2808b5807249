#include "report/ReportWriter.h"

int ReportWriter::WriteBusinessIncome(XmlWriter*, const StDATAINFO*) {
    return 1;
}
