// books-dump [FILE]: shows what the stand-in host answers from a books file,
// asking it through the host's own calls. Without FILE the host finds its
// books as a program run would (TOBRA_BOOKS, else Books.json beside the program).
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "books/BooksPath.h"
#include "books/HostState.h"
#include "hostapi/ClAccConnect.h"
#include "hostapi/ClDataMgr.h"
#include "hostapi/ClRuleAo.h"
#include "hostapi/ClSaveAoSiro.h"
#include "hostapi/ClSetData.h"
#include "hostapi/StDATAINFO.h"
#include "platform/TaskMemory.h"
#include "platform/text/Cp932.h"

namespace {

constexpr int kEntrySetKind = 5;
constexpr int kEntrySetSub = 1;

std::string_view FieldText(const char* field, std::size_t width) {
    const void* nul = std::memchr(field, '\0', width);
    return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : width};
}

// CP932 bytes as UTF-8; bytes that do not convert are shown as \xNN.
std::string Utf8(std::string_view cp932) {
    if (std::optional<std::string> utf8 = platform::cp932::ToUtf8(cp932)) {
        return *utf8;
    }
    std::string shown;
    for (char c : cp932) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
        shown += static_cast<unsigned char>(c) < 0x80 ? std::string(1, c) : std::string(escaped);
    }
    return shown;
}

void PrintCounts(const char* dataId) {
    ClRuleAo blue;
    blue.SetCurDataID(dataId);
    std::printf("  blue business:    pl %d, assets %d, liabilities %d, manufacturing %d\n",
                blue.GetCount_PL(RuleAoSumType_Business),
                blue.GetCount_BS_Shisan(RuleAoSumType_Business),
                blue.GetCount_BS_FusaiShihon(RuleAoSumType_Business), blue.GetCount_SeizoGenka());
    std::printf("  blue realEstate:  pl %d, assets %d, liabilities %d\n",
                blue.GetCount_PL(RuleAoSumType_RealEstate),
                blue.GetCount_BS_Shisan(RuleAoSumType_RealEstate),
                blue.GetCount_BS_FusaiShihon(RuleAoSumType_RealEstate));
    ClRuleSiro white;
    white.SetCurDataID(dataId);
    std::printf("  white business:   pl %d\n", white.GetCount_PL(RuleSiroSumType_Business));
    std::printf("  white realEstate: pl %d\n", white.GetCount_PL(RuleSiroSumType_RealEstate));
}

template <std::size_t N>
void PrintBlocks(const char* family, int result, void* (&blocks)[N]) {
    std::printf("  %s blocks:", family);
    const char* separator = " ";
    for (std::size_t i = 0; i < N; ++i) {
        if (blocks[i] != nullptr) {
            std::printf("%s%zu (%zu bytes)", separator, i,
                        platform::TaskMemoryAllocator().SizeOf(blocks[i]));
            platform::TaskMemoryAllocator().Free(blocks[i]);
            separator = ", ";
        }
    }
    std::printf("%s", *separator == ' ' ? " none" : "");
    if (result != 0) {
        std::printf(", load returned %d", result);
    }
    std::printf("\n");
}

void PrintEntry(const StDATAINFO& entry) {
    char dataId[sizeof entry.dataId + 1] = {};
    std::memcpy(dataId, entry.dataId, sizeof entry.dataId);
    std::printf("%s  dataNo %d  %s\n", Utf8(dataId).c_str(), entry.dataNo,
                Utf8(FieldText(entry.companyName, sizeof entry.companyName)).c_str());
    std::printf("  period %d-%d, returnKind %d, businessKind %d\n", entry.periodFrom,
                entry.periodTo, entry.returnKind, entry.businessKind);
    PrintCounts(dataId);

    ClSaveAoSiro saved;
    saved.SetCurDataID(dataId);
    StAOSIROSAVEINFO_IPPAN general{};
    const int generalResult = saved.GetDataIppan(&general);
    PrintBlocks("general", generalResult, general.blocks);
    StAOSIROSAVEINFO_FUDOUSAN realEstate{};
    const int realEstateResult = saved.GetDataFudousan(&realEstate);
    PrintBlocks("realEstate", realEstateResult, realEstate.blocks);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::fprintf(stderr, "usage: books-dump [FILE]\n");
        return 2;
    }
    if (argc == 2) {
        tobra::books::UseBooksFile(tobra::books::BooksPathFromUser(argv[1]));
    }
    ClAccConnect* connection = ClAccConnect::Inst();
    if (const int result = connection->Initiate(); result != 0) {
        if (tobra::books::Current() != nullptr) {
            std::fprintf(stderr, "books-dump: the books make Initiate return %d\n", result);
        }
        return 1;
    }

    ClSetData* entries = ClDataMgr::Inst()->GetSetObject(kEntrySetKind, kEntrySetSub);
    ClSetData::Cursor cursor = 0;
    if (entries == nullptr || entries->GetDatCursor(&cursor) != 0 ||
        entries->ReadyDat(cursor, 0) != 0) {
        std::fprintf(stderr, "books-dump: the host gives no company data entries\n");
        return 1;
    }
    StDATAINFO entry{};
    while (entries->WalkDat(&entry, cursor) == 0) {
        PrintEntry(entry);
    }
    entries->ReleaseDatCursor(cursor);
    connection->Release();
    connection->Terminate();
    return 0;
}
