// The user's sentence for a run that stopped early.

#include "engine/RunFailure.h"

#include "engine/CSplineEngine.h"
#include "engine/RunDomain.h"
#include "io/InputFile.h"

#include <string>
#include <system_error>

namespace spln {

std::string DescribeRunFailure(const CSplineEngine& engine)
{
    const std::string file = "The sample file \"" + std::string(engine.m_szFailurePath) + "\"";
    const std::string item = std::to_string(engine.m_nFailureDetail);
    // A fault at a place in the data file: "PATH:LINE:COLUMN: what was expected, found what".
    const std::string place = std::string(engine.m_szFailurePath) + ":" + std::to_string(engine.m_nFailureLine) + ":" +
                              std::to_string(engine.m_nFailureColumn) + ": " + engine.m_szFailureText;
    const bool placed = engine.m_nFailureLine > 0;
    switch (engine.m_eFailure) {
    case RunFailure::None:
        return {};
    case RunFailure::FileMissing:
        return file + " could not be opened: " + std::generic_category().message(engine.m_nFailureDetail) + ".";
    case RunFailure::WrongCount:
        if (placed)
            return place + ".";
        return file + " holds " + item + (engine.m_nFailureDetail == 1 ? " number" : " numbers") +
               "; it must hold exactly " + std::to_string(kFileSamples) + ".";
    case RunFailure::NotANumber:
        if (placed)
            return place + " (item " + item + ").";
        return file + " holds text that is not a number at item " + item + ".";
    case RunFailure::NumberOutOfRange:
        if (placed)
            return place + " (item " + item + ").";
        return file + " holds a number too large for single precision at item " + item + ".";
    case RunFailure::AllZero:
        return file + " holds only zeros, so its numbers cannot be scaled by their largest magnitude.";
    case RunFailure::BadSettings:
        return "The run settings cannot be computed: " + DescribeUncomputableSetting(engine, engine.m_nFailureDetail) +
               ".";
    case RunFailure::TooLarge:
        return file + " goes on past " + std::to_string(kMaxSampleFileBytes >> 20) +
               " MB without ending; a data file holds at most " + std::to_string(kMaxSamples) + " rows.";
    case RunFailure::BadData:
        return place + ".";
    case RunFailure::NoFunctionTable:
        return "The formula has no finite value at every sample of this run.";
    case RunFailure::NotAFile:
        return file + " " + NotReadBecause(static_cast<InputKind>(engine.m_nFailureDetail)) + ".";
    }
    return "The last run stopped early for an unknown reason.";
}

}  // namespace spln
