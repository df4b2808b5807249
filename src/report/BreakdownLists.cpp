#include "report/ReportWriter.h"

int ReportWriter::WriteSalaryList(XmlWriter*, int, int) { return 1; }
int ReportWriter::WriteRealEstateSalaryList(XmlWriter*, int, int) { return 1; }
int ReportWriter::WriteFamilyEmployeeList(XmlWriter*, const StDATAINFO*, int) { return 1; }
int ReportWriter::WriteRealEstateFamilyEmployeeList(XmlWriter*, const StDATAINFO*, int) { return 1; }
int ReportWriter::WriteInterestList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteLoanList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteLandRentList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteRealEstateLandRentList(XmlWriter*, const StDATAINFO*, int) { return 1; }
int ReportWriter::WriteTaxAccountantList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteRealEstateTaxAccountantList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteSalesCustomerList(XmlWriter*, int) { return 1; }
int ReportWriter::WritePurchaseSupplierList(XmlWriter*, int) { return 1; }
int ReportWriter::WriteRepairList(XmlWriter*, int) { return 1; }
std::string ReportWriter::FormatInteger(std::int32_t) { return {}; }
