#pragma once

#include <span>
#include <string>
#include <string_view>

#include "books/JsonValues.h"
#include "books/RecordLayout.h"

namespace tobra::books {

// Packs the members of a JSON object into a zero-filled record of
// layout.size bytes as the layout places them. Members named in `otherKeys`
// are left to the caller; any other member the layout lacks is refused.
void PackRecord(const Json& object, const RecordLayout& layout, std::span<char> record,
                const std::string& path, std::span<const std::string_view> otherKeys = {});

}  // namespace tobra::books
