#include "books/BooksLoader.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <vector>

#include <nlohmann/json.hpp>

#include "books/BooksPath.h"
#include "books/HostRecordLayouts.h"
#include "books/JsonValues.h"
#include "books/RecordPacker.h"
#include "books/Refusal.h"
#include "core/ConsoleTexts.h"
#include "platform/FileSystem.h"
#include "platform/text/Cp932.h"
#include "platform/text/PathPieces.h"

namespace tobra::books {
namespace {

constexpr std::string_view kFormat = "books/1";
constexpr std::string_view kTopKeys[] = {"format",     "user",    "selection",
                                         "appFolders", "results", "entries"};
constexpr std::string_view kDefaultUser = "USER";
constexpr std::size_t kUserIdWidth = 64;  // bytes of the host's user ID, without its NUL

constexpr std::string_view kEntryBookKeys[] = {"blue", "white", "general", "realEstate"};

struct StatementPlace {
    std::string_view returnKey;
    std::string_view bookKey;
    std::string_view key;
    StatementKind kind;
};

constexpr StatementPlace kStatementPlaces[] = {
    {"blue", "business", "pl", StatementKind::BlueBusinessPl},
    {"blue", "business", "assets", StatementKind::BlueBusinessAssets},
    {"blue", "business", "liabilities", StatementKind::BlueBusinessLiabilities},
    {"blue", "business", "manufacturing", StatementKind::BlueManufacturing},
    {"blue", "realEstate", "pl", StatementKind::BlueRealEstatePl},
    {"blue", "realEstate", "assets", StatementKind::BlueRealEstateAssets},
    {"blue", "realEstate", "liabilities", StatementKind::BlueRealEstateLiabilities},
    {"white", "business", "pl", StatementKind::WhiteBusinessPl},
    {"white", "realEstate", "pl", StatementKind::WhiteRealEstatePl},
};
// The monthly sums sit beside the statement books of this return kind.
constexpr std::string_view kMonthlyReturnKey = "blue";
constexpr std::string_view kMonthlyKey = "monthly";

constexpr std::string_view kStatementKeys[] = {"rows", "count", "firstResult"};
constexpr std::string_view kFaultKey = "result";

struct BlockFamily {
    std::string_view key;
    int count;
    const RecordLayout& (*layout)(int block);
    int rentalsBlock;  // -1: none
};

constexpr BlockFamily kGeneralFamily{"general", hostapi::general::kBlockCount,
                                     &layouts::GeneralBlock, -1};
constexpr BlockFamily kRealEstateFamily{"realEstate", hostapi::realestate::kBlockCount,
                                        &layouts::RealEstateBlock, layouts::kRentalsBlock};

constexpr std::string_view kSizeKey = "size";
constexpr std::string_view kBlockKeys[] = {kSizeKey};
constexpr std::string_view kRentalsKeys[] = {"rentals", "endMarker", kSizeKey};

template <typename Record>
std::span<char> BytesOf(Record& record) {
    return {reinterpret_cast<char*>(&record), sizeof record};
}

const Json* Member(const Json& object, std::string_view key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

Statement ReadStatement(const Json& value, const std::string& path) {
    Statement statement;
    const Json* rows = &value;
    std::string rowsPath = path;
    if (value.is_object()) {
        ExpectKeys(value, path, kStatementKeys);
        if (const Json* count = Member(value, "count")) {
            statement.count = ReadInt32(*count, MemberPath(path, "count"));
        }
        if (const Json* firstResult = Member(value, "firstResult")) {
            statement.firstResult = ReadInt32(*firstResult, MemberPath(path, "firstResult"));
        }
        rows = Member(value, "rows");
        rowsPath = MemberPath(path, "rows");
    } else if (!value.is_array()) {
        RefuseType(value, path,
                   "an array of rows or {\"rows\": [...], \"count\": n, \"firstResult\": r}");
    }
    if (rows == nullptr) {
        return statement;
    }
    ExpectArray(*rows, rowsPath);
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const Json& element = (*rows)[i];
        const std::string elementPath = ElementPath(rowsPath, i);
        ExpectObject(element, elementPath);
        if (const Json* result = Member(element, kFaultKey)) {
            for (const auto& [key, member] : element.items()) {
                if (key != kFaultKey) {
                    Refuse(MemberPath(elementPath, key),
                           "a fault marker {\"result\": r} takes no other key");
                }
            }
            statement.elements.emplace_back(
                FaultMarker{ReadInt32(*result, MemberPath(elementPath, kFaultKey))});
        } else {
            StAOSUMINFO row{};
            PackRecord(element, layouts::SummationRow(), BytesOf(row), elementPath);
            statement.elements.emplace_back(row);
        }
    }
    return statement;
}

void ReadReturnBooks(const Json& value, std::string_view returnKey, const std::string& path,
                     Entry& entry) {
    ExpectObject(value, path);
    std::vector<std::string_view> bookKeys;
    for (const StatementPlace& place : kStatementPlaces) {
        if (place.returnKey == returnKey &&
            (bookKeys.empty() || bookKeys.back() != place.bookKey)) {
            bookKeys.push_back(place.bookKey);
        }
    }
    if (returnKey == kMonthlyReturnKey) {
        bookKeys.push_back(kMonthlyKey);
    }
    ExpectKeys(value, path, bookKeys);

    for (const auto& [bookKey, book] : value.items()) {
        const std::string bookPath = MemberPath(path, bookKey);
        if (bookKey == kMonthlyKey) {
            PackRecord(book, layouts::MonthlySums(), BytesOf(entry.monthly), bookPath);
            continue;
        }
        std::vector<std::string_view> statementKeys;
        for (const StatementPlace& place : kStatementPlaces) {
            if (place.returnKey == returnKey && place.bookKey == bookKey) {
                statementKeys.push_back(place.key);
            }
        }
        ExpectObject(book, bookPath);
        ExpectKeys(book, bookPath, statementKeys);
        for (const StatementPlace& place : kStatementPlaces) {
            const Json* statement = place.returnKey == returnKey && place.bookKey == bookKey
                                        ? Member(book, place.key)
                                        : nullptr;
            if (statement != nullptr) {
                entry.statements[static_cast<std::size_t>(place.kind)] =
                    ReadStatement(*statement, MemberPath(bookPath, place.key));
            }
        }
    }
}

// A `size` member delivers only the first bytes of the block.
void ApplySize(const Json& block, std::string& bytes, const std::string& path) {
    const Json* size = Member(block, kSizeKey);
    if (size == nullptr) {
        return;
    }
    const std::string sizePath = MemberPath(path, kSizeKey);
    const std::int32_t wanted = ReadInt32(*size, sizePath);
    if (wanted < 0) {
        Refuse(sizePath, "a block size cannot be negative");
    }
    if (static_cast<std::size_t>(wanted) > bytes.size()) {
        Refuse(sizePath, "size " + std::to_string(wanted) + " is larger than the block's " +
                             std::to_string(bytes.size()) + " bytes");
    }
    bytes.resize(static_cast<std::size_t>(wanted));
}

std::string ReadRentals(const Json& block, const std::string& path) {
    ExpectObject(block, path);
    ExpectKeys(block, path, kRentalsKeys);
    const Json* rentals = Member(block, "rentals");
    const std::string rentalsPath = MemberPath(path, "rentals");
    if (rentals != nullptr) {
        ExpectArray(*rentals, rentalsPath);
    }
    bool endMarker = true;
    if (const Json* marker = Member(block, "endMarker")) {
        if (!marker->is_boolean()) {
            RefuseType(*marker, MemberPath(path, "endMarker"), "true or false");
        }
        endMarker = marker->get<bool>();
    }

    const RecordLayout& rental = layouts::RentalEntryRecord();
    const std::size_t count = rentals != nullptr ? rentals->size() : 0;
    std::string bytes((count + (endMarker ? 1 : 0)) * rental.size, '\0');
    const std::span<char> entries(bytes);
    for (std::size_t i = 0; i < count; ++i) {
        PackRecord((*rentals)[i], rental, entries.subspan(i * rental.size, rental.size),
                   ElementPath(rentalsPath, i));
    }
    if (endMarker) {
        const std::int32_t marker = hostapi::realestate::kRentalEndMarker;
        std::memcpy(entries.data() + count * rental.size + offsetof(RentalEntry, endMarker),
                    &marker, sizeof marker);
    }
    ApplySize(block, bytes, path);
    return bytes;
}

std::string ReadBlock(const Json& block, const RecordLayout& layout, const std::string& path) {
    std::string bytes(layout.size, '\0');
    PackRecord(block, layout, bytes, path, kBlockKeys);
    ApplySize(block, bytes, path);
    return bytes;
}

void ReadSavedBlocks(const Json& value, const BlockFamily& family, const std::string& path,
                     std::span<SavedBlock> blocks) {
    ExpectObject(value, path);
    for (const auto& [key, block] : value.items()) {
        const std::string blockPath = MemberPath(path, key);
        const bool known = key.size() == 1 && key[0] >= '0' && key[0] < '0' + family.count;
        if (!known) {
            Refuse(blockPath, "unknown block (" + std::string(family.key) +
                                  " has blocks \"0\" to \"" + std::to_string(family.count - 1) +
                                  "\")");
        }
        const int index = key[0] - '0';
        if (block.is_null()) {
            continue;
        }
        blocks[static_cast<std::size_t>(index)] =
            index == family.rentalsBlock ? ReadRentals(block, blockPath)
                                         : ReadBlock(block, family.layout(index), blockPath);
    }
}

Entry ReadEntry(const Json& value, const std::string& path) {
    Entry entry;
    PackRecord(value, layouts::DataInfo(), BytesOf(entry.info), path, kEntryBookKeys);
    for (std::string_view returnKey : {"blue", "white"}) {
        if (const Json* books = Member(value, returnKey)) {
            ReadReturnBooks(*books, returnKey, MemberPath(path, returnKey), entry);
        }
    }
    if (const Json* general = Member(value, kGeneralFamily.key)) {
        ReadSavedBlocks(*general, kGeneralFamily, MemberPath(path, kGeneralFamily.key),
                        entry.general);
    }
    if (const Json* realEstate = Member(value, kRealEstateFamily.key)) {
        ReadSavedBlocks(*realEstate, kRealEstateFamily, MemberPath(path, kRealEstateFamily.key),
                        entry.realEstate);
    }
    return entry;
}

template <std::size_t N>
std::array<const Json*, N> ReadPair(const Json& value, const std::string& path,
                                    std::string_view expected) {
    if (!value.is_array() || value.size() != N) {
        if (value.is_array()) {
            Refuse(path, "expected " + std::string(expected) + ", found " +
                             std::to_string(value.size()) + " elements");
        }
        RefuseType(value, path, expected);
    }
    std::array<const Json*, N> elements{};
    for (std::size_t i = 0; i < N; ++i) {
        elements[i] = &value[i];
    }
    return elements;
}

Installation ReadInstallation(const Json& document, std::string_view name) {
    ExpectObject(document, "");
    const Json* format = Member(document, "format");
    if (format == nullptr) {
        Refuse("format", "missing (expected \"books/1\")");
    }
    if (!format->is_string() || format->get_ref<const std::string&>() != kFormat) {
        Refuse("format", format->dump() + " is not a supported format (expected \"books/1\")");
    }
    ExpectKeys(document, "", kTopKeys);

    Installation books;
    books.booksFile = std::string(name);
    const Json* entries = Member(document, "entries");
    if (entries == nullptr) {
        Refuse("entries", "missing (expected an array of entries)");
    }
    ExpectArray(*entries, "entries");
    for (std::size_t i = 0; i < entries->size(); ++i) {
        books.entries.push_back(ReadEntry((*entries)[i], ElementPath("entries", i)));
    }

    books.user = std::string(kDefaultUser);
    if (const Json* user = Member(document, "user")) {
        books.user = ReadText(*user, std::nullopt, "user");
        if (books.user.size() > kUserIdWidth) {
            Refuse("user", std::to_string(books.user.size()) +
                               " bytes in code page 932, longer than the host's " +
                               std::to_string(kUserIdWidth));
        }
    }

    books.selection = {0, books.entries.empty() ? 0 : books.entries.front().info.dataNo};
    if (const Json* selection = Member(document, "selection")) {
        const auto pair = ReadPair<2>(*selection, "selection", "two int32 [first, second]");
        for (std::size_t i = 0; i < pair.size(); ++i) {
            books.selection[i] = ReadInt32(*pair[i], ElementPath("selection", i));
        }
    }

    books.appFolders = {platform::FolderOf(name), platform::FolderOf(name)};
    if (const Json* folders = Member(document, "appFolders")) {
        const auto pair = ReadPair<2>(*folders, "appFolders", "two folder texts [type0, type1]");
        for (std::size_t i = 0; i < pair.size(); ++i) {
            books.appFolders[i] = ReadText(*pair[i], std::nullopt, ElementPath("appFolders", i));
        }
    }

    if (const Json* results = Member(document, "results")) {
        ExpectObject(*results, "results");
        ExpectKeys(*results, "results", kOperationNames);
        for (std::size_t i = 0; i < kOperationCount; ++i) {
            if (const Json* result = Member(*results, kOperationNames[i])) {
                books.results[i] = ReadInt32(*result, MemberPath("results", kOperationNames[i]));
            }
        }
    }
    return books;
}

std::string Shown(std::string_view name) {
    const std::optional<std::string> shown = platform::cp932::ToUtf8(name);
    return shown ? *shown : std::string(name);
}

std::string Refused(std::string_view name, const std::string& detail) {
    return "books file " + Shown(name) + ": " + detail;
}

// A refusal and its Japanese: `what` says what is wrong with the file and
// `where` where in it, in the file's own terms (a JSON path) where it can.
LoadResult Failed(std::string_view name, const std::string& detail, std::string_view what,
                  const std::string& where = {}) {
    return {
        std::nullopt, Refused(name, detail),
        std::string(what) + "\n\n" + Shown(name) + (where.empty() ? "" : "\n\n（" + where + "）")};
}

constexpr std::string_view kNotBooks = "帳簿ファイルの内容が正しくありません。";

}  // namespace

LoadResult LoadText(std::string_view json, std::string_view name) {
    try {
        const Json document = Json::parse(json.begin(), json.end());
        return {ReadInstallation(document, name), {}, {}};
    } catch (const Refusal& refusal) {
        return Failed(
            name, (refusal.path.empty() ? "the top level" : refusal.path) + ": " + refusal.problem,
            kNotBooks, refusal.path.empty() ? "ファイル全体" : "項目 " + refusal.path);
    } catch (const Json::parse_error& error) {
        // The library's own prefix ("[json.exception.parse_error.101] ") says nothing to a reader.
        std::string_view what = error.what();
        const std::size_t prefixEnd = what.find("] ");
        if (prefixEnd != std::string_view::npos) {
            what.remove_prefix(prefixEnd + 2);
        }
        return Failed(name, "not valid JSON: " + std::string(what), kNotBooks,
                      "JSON として読めません。" + std::to_string(error.byte) + " バイト目");
    } catch (const Json::exception& error) {
        return Failed(name, "cannot be read as books: " + std::string(error.what()), kNotBooks);
    } catch (const std::bad_alloc&) {
        return Failed(name, "out of memory while loading",
                      "帳簿ファイルを読み込むメモリが足りません。");
    }
}

LoadResult LoadFile(const std::string& path) {
    if (platform::Files().KindOf(path) == platform::EntryKind::None) {
        return {std::nullopt, Refused(path, "cannot be opened"),
                "帳簿ファイルがありません。\n\n" + Shown(path) +
                    "\n\nこのプログラムは、Tellary２１ の帳簿の代わりにこのファイルを読む"
                    "お試し版です。"};
    }
    std::string why;
    const std::optional<std::string> text = platform::ReadRegularFile(
        path, platform::ShareMode::Read, platform::kLargestReadFile, &why);
    if (!text) {
        return Failed(path, "cannot be read: " + why, "帳簿ファイルを読めません。",
                      core::JapaneseReason(why));
    }
    return LoadText(*text, path);
}

}  // namespace tobra::books
