#pragma once

// Writes the elements of a saved-statement record as the vocabulary's record
// tables describe them (reportformat/Records.h).
#include <cstddef>
#include <span>

#include "hostapi/BlockView.h"
#include "reportformat/Records.h"

class XmlWriter;

namespace record {

// Writes the children of the record at `entry` in the block, each a value
// element at the writer's depth; a field the block does not hold whole reads
// as absent and gives an empty element. 1 when every line was written.
int WriteChild(XmlWriter& writer, const hostapi::BlockView& block, std::size_t entry,
               const reportformat::Child& child);
int WriteChildren(XmlWriter& writer, const hostapi::BlockView& block, std::size_t entry,
                  std::span<const reportformat::Child> children);

}  // namespace record
