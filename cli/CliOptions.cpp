#include "cli/CliOptions.h"

#include <memory>

#include "engine/CSplineEngine.h"

namespace spln::cli {

CSplnSettings DefaultSettings() {
    auto engine = std::make_unique<CSplineEngine>();  // too large for the stack
    CSplnSettings settings;
    LoadSettingsFromEngine(*engine, settings);
    return settings;
}

}  // namespace spln::cli
