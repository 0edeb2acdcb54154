#pragma once

// Why a run stopped early, told in a sentence for the user.

#include <string>

class CSplineEngine;

namespace spln {

// A sentence for the user telling why the engine's last run stopped early,
// naming the sample file and the reason; empty when the last run completed.
std::string DescribeRunFailure(const CSplineEngine& engine);

}  // namespace spln
