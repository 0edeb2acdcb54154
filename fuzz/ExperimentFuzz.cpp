// Fuzz target: arbitrary text as an experiment file. Whatever the reader
// accepts must be settings the dialog would accept, and must come back to the
// same bits when written and read again.

#include "model/ExperimentFile.h"
#include "model/SettingsRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace spln;
    static const CSplnSettings defaults = DefaultSettings();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ExperimentRead read = ParseExperiment(text, defaults);
    if (read.status == ExperimentStatus::Fault) {
        if (read.message.empty() || read.line < 0)
            std::abort();
        return 0;
    }
    for (const SettingRange& range : kSettingRanges)
        if (!range.Contains(GetSetting(read.settings, range.id)))
            std::abort();
    const CSplnSettings& s = read.settings;
    if (!WindowCheckPasses(s.m_nSource, s.m_nWindow, s.m_nFileLength))
        std::abort();
    const ExperimentRead again = ParseExperiment(FormatExperiment(s), defaults);
    if (again.status != ExperimentStatus::Settings || !SameSettings(again.settings, s))
        std::abort();
    return 0;
}
