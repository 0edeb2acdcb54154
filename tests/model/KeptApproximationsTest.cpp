// Kept approximations: names made from what differs, and the comparison table.

#include "model/KeptApproximations.h"

#include "model/SettingsRecord.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace spln;

TEST(KeptApproximations, ShortNamesSayWhatDiffersFromTheCurrentSettings)
{
    const CSplnSettings current = DefaultSettings();  // projection, 51 functions
    const struct {
        std::function<void(CSplnSettings&)> change;
        const char* name;
    } table[] = {
        {[](CSplnSettings&) {}, "same"},
        {[](CSplnSettings& s) { s.m_nMethod = 1, s.m_nLsqCount = 51; }, "lsq 51"},
        {[](CSplnSettings& s) { s.m_nSchwarzCount = 101; }, "schwarz 101"},
        {[](CSplnSettings& s) { s.m_nWindow = 8; }, "window 8"},
        {[](CSplnSettings& s) { s.m_nExample = 7, s.m_dAmplitude = 0.1; }, "example 7, amplitude 0.1"},
        // The rows of the method not used say nothing.
        {[](CSplnSettings& s) { s.m_nLsqCount = 9, s.m_nLsqType = 2; }, "same"},
        {[](CSplnSettings& s) { s.m_nMethod = 1, s.m_nLsqType = 2; }, "lsq 35, lsq-type 2"},
        // The third source and the text of a formula by their names.
        {[](CSplnSettings& s) { s.m_nSource = 2, spln::SetSettingText(s, spln::kSettingFormula, "sin(8*x)"); },
         "source formula, formula sin(8*x)"},
        // A formula's text says nothing while it is not the source.
        {[](CSplnSettings& s) { spln::SetSettingText(s, spln::kSettingFormula, "sin(8*x)"); }, "same"},
    };
    for (const auto& row : table) {
        CSplnSettings kept = current;
        row.change(kept);
        EXPECT_EQ(ShortName(kept, current), row.name);
    }
}

TEST(KeptApproximations, TableHasANameAndErrorsALineAndQuotesNames)
{
    CSplnSettings current = DefaultSettings();
    KeptApproximation lsq;
    lsq.settings = current;
    lsq.settings.m_nMethod = 1;
    lsq.hasErrors = true;
    lsq.leftError = 0.5;
    lsq.interiorError = 0.25;
    lsq.rightError = 1e-3;
    lsq.runMilliseconds = 0.125;
    KeptApproximation file;
    file.settings = current;
    file.settings.m_nSource = 1;
    file.ownName = "my \"file\", kept";
    file.shown = false;
    EXPECT_EQ(ComparisonCsv({lsq, file}, current),
              "name,settings,shown,left_error,interior_error,right_error,run_ms\n"
              "\"lsq 35\",\"example=1 method=lsq\",yes,0.5,0.25,0.001,0.125\n"
              "\"my \"\"file\"\", kept\",\"source=file example=1 method=schwarz\",no,,,,0\n");
}
