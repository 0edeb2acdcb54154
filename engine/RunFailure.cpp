// The user's sentence for a run that stopped early.

#include "engine/RunFailure.h"

#include "engine/CSplineEngine.h"

#include <string>
#include <system_error>

std::string DescribeRunFailure(const CSplineEngine& engine)
{
    using spln::RunFailure;
    const std::string file = "The sample file \"" + std::string(engine.m_szFailurePath) + "\"";
    const std::string item = std::to_string(engine.m_nFailureDetail);
    switch (engine.m_eFailure) {
    case RunFailure::None:
        return {};
    case RunFailure::FileMissing:
        return file + " could not be opened: " + std::generic_category().message(engine.m_nFailureDetail) +
               ".";
    case RunFailure::WrongCount:
        return file + " holds " + item + (engine.m_nFailureDetail == 1 ? " number" : " numbers") +
               "; it must hold exactly " + std::to_string(spln::kFileSamples) + ".";
    case RunFailure::NotANumber:
        return file + " holds text that is not a number at item " + item + ".";
    case RunFailure::NumberOutOfRange:
        return file + " holds a number too large for single precision at item " + item + ".";
    case RunFailure::AllZero:
        return file + " holds only zeros, so its numbers cannot be scaled by their largest magnitude.";
    case RunFailure::BadSettings:
        return "The run settings cannot be computed: the source must be 0 or 1 and the method 1 or 2; "
               "samples, basic splines and output points must number 2 to " +
               std::to_string(spln::kMaxSamples) + ", least-squares functions 2 to " +
               std::to_string(spln::kMaxSystem) + " and least-squares points 2 to " +
               std::to_string(spln::kMaxLsqPoints) + ".";
    }
    return "The last run stopped early for an unknown reason.";
}
