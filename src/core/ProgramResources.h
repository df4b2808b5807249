#pragma once

#include <string>

// The program's own resources: dialogs 130 and 131 and the string table,
// written once in resources/ for the resource compiler and for C++.
namespace core {

// Hands the tables to the platform layer; every front end does so at start.
void InstallProgramResources();

// String resource 1: the program's version, "21.01.01".
std::string ProgramVersion();

}  // namespace core
