// Shared arrangements of the host tests.
#pragma once

#include <string>
#include <vector>

#include "core/RunState.h"
#include "fakes/Fakes.h"

namespace testsupport {

// Puts the wizard's own string table (read from wizard/resources/wizard.rc)
// into the fake program module.
void LoadConfigStrings();

// A fresh fake world and run state with the configuration strings loaded.
void FreshWorld();

// The log's lines without their time and date columns.
std::vector<std::wstring> LogMessages();

// The log's raw bytes.
std::string LogBytes();

// Every host test fails when Form::Item misses a control. Within the life of
// this object a miss is counted instead (for the tests of the miss itself).
class ExpectMissingControls {
public:
    ExpectMissingControls();
    ~ExpectMissingControls();
    ExpectMissingControls(const ExpectMissingControls&) = delete;
    ExpectMissingControls& operator=(const ExpectMissingControls&) = delete;
    // The names missed so far, as asked for.
    const std::vector<std::wstring>& Names() const;
};

}  // namespace testsupport
