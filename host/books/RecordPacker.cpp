#include "books/RecordPacker.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include <nlohmann/json.hpp>

#include "books/Refusal.h"

namespace tobra::books {
namespace {

template <typename T>
void Store(std::span<char> field, T value) {
    std::memcpy(field.data(), &value, sizeof value);
}

void PackField(const Json& value, const FieldLayout& layout, std::span<char> record,
               const std::string& path) {
    const std::span<char> field = record.subspan(layout.offset, layout.width);
    switch (layout.kind) {
        case FieldKind::Text: {
            const std::string bytes = ReadText(value, layout.width, path);
            std::memcpy(field.data(), bytes.data(), bytes.size());
            break;
        }
        case FieldKind::Int8:
            Store(field, static_cast<std::int8_t>(ReadInteger(value, layout.kind, path)));
            break;
        case FieldKind::Uint8:
            Store(field, static_cast<std::uint8_t>(ReadInteger(value, layout.kind, path)));
            break;
        case FieldKind::Int16:
            Store(field, static_cast<std::int16_t>(ReadInteger(value, layout.kind, path)));
            break;
        case FieldKind::Int32:
            Store(field, static_cast<std::int32_t>(ReadInteger(value, layout.kind, path)));
            break;
        case FieldKind::Amount:
            Store(field, ReadAmount(value, path));
            break;
    }
}

void PackList(const Json& array, const ListLayout& list, std::span<char> record,
              const std::string& path) {
    ExpectArray(array, path);
    if (array.size() > list.slots) {
        Refuse(ElementPath(path, list.slots),
               std::string(list.key) + " has " + std::to_string(list.slots) +
                   " slots, the array has " + std::to_string(array.size()) + " elements");
    }
    const std::size_t width = SlotWidth(list);
    for (std::size_t i = 0; i < array.size(); ++i) {
        const std::size_t offset = list.offset + i * width;
        if (list.entry != nullptr) {
            PackRecord(array[i], *list.entry, record.subspan(offset, width), ElementPath(path, i));
        } else {
            PackField(array[i], FieldLayout{list.key, offset, list.scalar, width}, record,
                      ElementPath(path, i));
        }
    }
}

}  // namespace

void PackRecord(const Json& object, const RecordLayout& layout, std::span<char> record,
                const std::string& path, std::span<const std::string_view> otherKeys) {
    ExpectObject(object, path);
    for (const auto& [key, value] : object.items()) {
        const std::string memberPath = MemberPath(path, key);
        bool packed = false;
        for (const FieldLayout& field : layout.fields) {
            if (field.key == key) {
                PackField(value, field, record, memberPath);
                packed = true;
            }
        }
        for (const ListLayout& list : layout.lists) {
            if (list.key == key) {
                PackList(value, list, record, memberPath);
                packed = true;
            }
        }
        for (std::string_view other : otherKeys) {
            packed = packed || other == key;
        }
        if (!packed) {
            std::vector<std::string_view> known;
            for (const FieldLayout& field : layout.fields) {
                known.push_back(field.key);
            }
            for (const ListLayout& list : layout.lists) {
                known.push_back(list.key);
            }
            known.insert(known.end(), otherKeys.begin(), otherKeys.end());
            Refuse(memberPath, known.empty()
                                   ? "unknown key (this record takes no keys)"
                                   : "unknown key (expected one of: " + ListOf(known) + ")");
        }
    }
}

}  // namespace tobra::books
