#pragma once

#include <string>

#include "inspect/Checks.h"

namespace inspect {

// The findings for a person: one block per finding, then which rules ran. UTF-8.
std::string CheckText(const Report& report, const CheckResult& result);
// The same as one JSON document (UTF-8).
std::string CheckJson(const Report& report, const CheckResult& result);
// Why a report could not be checked, as one JSON document: file, line, error.
std::string UnreadableJson(const ReadError& error);

}  // namespace inspect
