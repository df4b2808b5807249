#pragma once

#include "reportformat/Records.h"

// How the forms print each list (ListPrints.cpp), for the lists' layouts.
namespace reportformat {

extern const ListPrint kSalaryPrint;
extern const ListPrint kBlueFamilyPrint;
extern const ListPrint kWhiteFamilyPrint;
extern const ListPrint kInterestPrint;
extern const ListPrint kLoanPrint;
extern const ListPrint kTaxAccountantPrint;
extern const ListPrint kLandRentPrint;
extern const ListPrint kRealEstateBlueLandRentPrint;
extern const ListPrint kCustomerPrint;
extern const ListPrint kSupplierPrint;
extern const ListPrint kRepairPrint;
extern const ListPrint kRentalPrint;

}  // namespace reportformat
