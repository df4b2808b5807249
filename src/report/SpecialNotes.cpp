#include "report/ReportWriter.h"

int ReportWriter::WriteSpecialNotes(XmlWriter*, std::string_view, int, int) { return 1; }
int ReportWriter::WriteAssociationName(XmlWriter*) { return 1; }
std::string ReportWriter::CopyTruncated(std::string_view, std::size_t) { return {}; }
