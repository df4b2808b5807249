#include "report/ReportWriter.h"

int ReportWriter::WriteRentalList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteRentalUse(XmlWriter*) { return 1; }
std::string ReportWriter::FormatArea(std::int64_t, int) { return {}; }
