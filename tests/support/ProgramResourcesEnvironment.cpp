// Every test sees the program's resources, as every front end hands them over at start.
#include <gtest/gtest.h>

#include "core/ProgramResources.h"

namespace {

class ProgramResourcesEnvironment : public ::testing::Environment {
public:
    void SetUp() override { core::InstallProgramResources(); }
};

const auto* const kInstalled = ::testing::AddGlobalTestEnvironment(new ProgramResourcesEnvironment);

}  // namespace
