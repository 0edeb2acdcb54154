#pragma once

#include <memory>

#include "engine/CSplineEngine.h"
#include "engine/SplnSettings.h"

namespace spln::test {

// The settings the dialog shows on a fresh engine: built-in function 1, projection, no noise.
inline CSplnSettings FreshSettings()
{
    auto engine = std::make_unique<CSplineEngine>();
    CSplnSettings settings;
    LoadSettingsFromEngine(*engine, settings);
    return settings;
}

}  // namespace spln::test
