#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "books/HostRecordLayouts.h"
#include "hostapi/SavedStatementRecords.h"

// The tables that place books-file keys in host records: every field lies
// inside its record, and no two fields share a byte.

namespace {

namespace layouts = tobra::books::layouts;
using tobra::books::FieldLayout;
using tobra::books::ListLayout;
using tobra::books::RecordLayout;

struct Placed {
    std::string key;
    std::size_t begin;
    std::size_t end;
};

void Collect(const RecordLayout& record, std::size_t base, const std::string& prefix,
             std::vector<Placed>& placed) {
    for (const FieldLayout& field : record.fields) {
        placed.push_back({prefix + std::string(field.key), base + field.offset,
                          base + field.offset + field.width});
    }
    for (const ListLayout& list : record.lists) {
        const std::size_t width = tobra::books::SlotWidth(list);
        for (std::size_t slot = 0; slot < list.slots; ++slot) {
            const std::string key =
                prefix + std::string(list.key) + "[" + std::to_string(slot) + "]";
            const std::size_t offset = base + list.offset + slot * width;
            if (list.entry != nullptr) {
                Collect(*list.entry, offset, key + ".", placed);
            } else {
                placed.push_back({key, offset, offset + width});
            }
        }
    }
}

void ExpectFieldsApart(const RecordLayout& record, const std::string& name) {
    std::vector<Placed> placed;
    Collect(record, 0, "", placed);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_LE(placed[i].end, record.size) << name << ": " << placed[i].key;
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            EXPECT_TRUE(placed[i].end <= placed[j].begin || placed[j].end <= placed[i].begin)
                << name << ": " << placed[i].key << " overlaps " << placed[j].key;
        }
    }
}

TEST(HostLayouts, FieldsLieApartInsideTheirRecords) {
    ExpectFieldsApart(layouts::DataInfo(), "StDATAINFO");
    ExpectFieldsApart(layouts::SummationRow(), "StAOSUMINFO");
    ExpectFieldsApart(layouts::MonthlySums(), "StAOSUMINFO_TSUKIBETSU");
    ExpectFieldsApart(layouts::RentalEntryRecord(), "RentalEntry");
    for (int block = 0; block < hostapi::general::kBlockCount; ++block) {
        ExpectFieldsApart(layouts::GeneralBlock(block), "general " + std::to_string(block));
    }
    for (int block = 0; block < hostapi::realestate::kBlockCount; ++block) {
        ExpectFieldsApart(layouts::RealEstateBlock(block), "realEstate " + std::to_string(block));
    }
}

}  // namespace
