#pragma once

// A typed formula in x as a signal: checked as text, and tabulated into an
// engine at the points of its next run, so that the run itself reads plain
// numbers as it does for a built-in function. Parsed and evaluated by muParser.

#include <string>
#include <string_view>

#include "model/SplnSettings.h"

namespace spln {

// The message for a formula that cannot be run whatever the samples: empty,
// longer than kMaxFormulaLength, or not parsed ("unknown name 'sinn' at
// position 1", positions counted from 1). Empty when it parses.
std::string FormulaTextProblem(std::string_view formula);

// Writes the formula's table into engine for its settings (samples, output
// points, half width). Returns the problem, leaving no table, when the text is
// refused or the formula is not finite at a point of the run ("the formula
// gives inf at x = 0"; the smallest such x is named); empty on success.
std::string TabulateFormula(const char* formula, CSplineEngine& engine);

// The problem of the settings' formula when the formula is their source, at
// their number of samples; empty otherwise.
std::string FormulaProblem(const CSplnSettings& settings);

// That problem as the desktop's settings dialog and panel tell it: a
// sentence, its first letter a capital; empty when there is none.
std::string FormulaMessage(const CSplnSettings& settings);

}  // namespace spln
