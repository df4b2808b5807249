#pragma once

#include "books/RecordLayout.h"

// Where each books-file key lands in the host's records and blocks.
namespace tobra::books::layouts {

const RecordLayout& DataInfo();           // StDATAINFO
const RecordLayout& SummationRow();       // StAOSUMINFO
const RecordLayout& MonthlySums();        // StAOSUMINFO_TSUKIBETSU
const RecordLayout& RentalEntryRecord();  // one entry of realEstate block 1

// The blocks of StAOSIROSAVEINFO_IPPAN and StAOSIROSAVEINFO_FUDOUSAN. Block 1
// of the real-estate family holds rental entries, as many as the file lists,
// so its layout has no fields and no size.
const RecordLayout& GeneralBlock(int block);
const RecordLayout& RealEstateBlock(int block);
inline constexpr int kRentalsBlock = 1;

}  // namespace tobra::books::layouts
