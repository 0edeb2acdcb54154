// Copies of the settings between the document and an engine, driven by the settings record.

#include "model/SplnSettings.h"

#include "engine/CSplineEngine.h"
#include "model/Formula.h"
#include "model/SettingsRecord.h"

#include <cstring>

namespace {

using spln::EngineForm;
using spln::SettingRange;

// Every copy into an engine walks the record; only the form of the method and,
// for a run, of the projection kernel type changes on the way.
void CopyIntoEngine(const CSplnSettings& settings, CSplineEngine& engine, bool forRun)
{
    for (const SettingRange& range : spln::kSettingRanges) {
        if (range.engineText) {
            std::memcpy(engine.*range.engineText, settings.*range.docText, spln::kFormulaSize);
            continue;
        }
        if (range.engineReal) {
            engine.*range.engineReal = settings.*range.docReal;
            continue;
        }
        int value = settings.*range.docWhole;
        if (range.engineForm == EngineForm::MethodNumber)
            value = spln::MethodToEngine(value);
        else if (range.engineForm == EngineForm::ProjectionType && forRun)
            value = spln::ProjectionTypeForRun(value);
        engine.*range.engineWhole = value;
    }
}

}  // namespace

void LoadSettingsFromEngine(const CSplineEngine& engine, CSplnSettings& settings)
{
    for (const SettingRange& range : spln::kSettingRanges) {
        if (range.engineText) {
            std::memcpy(settings.*range.docText, engine.*range.engineText, spln::kFormulaSize);
            continue;
        }
        if (range.engineReal) {
            settings.*range.docReal = engine.*range.engineReal;
            continue;
        }
        const int value = engine.*range.engineWhole;
        settings.*range.docWhole = range.engineForm == EngineForm::MethodNumber ? spln::MethodFromEngine(value) : value;
    }
}

void StoreSettingsInEngine(const CSplnSettings& settings, CSplineEngine& engine)
{
    CopyIntoEngine(settings, engine, false);
}

void CopySettingsForRun(const CSplnSettings& settings, CSplineEngine& engine)
{
    CopyIntoEngine(settings, engine, true);
    if (engine.m_nSource == spln::kSourceFormula)
        (void)spln::TabulateFormula(engine.m_szFormula, engine);
}

namespace spln {

CSplnSettings DefaultSettings()
{
    CSplnSettings settings;
    for (const SettingRange& range : kSettingRanges)
        SetSetting(settings, range.id, range.defaultValue);
    SetSettingText(settings, kSettingFormula, "");
    return settings;
}

}  // namespace spln
