// Checks a typed formula and tabulates it for a run, muParser's bytecode
// evaluating every point of a table.

#include "model/Formula.h"

#include "engine/Abscissae.h"
#include "engine/CSplineEngine.h"
#include "text/NumberFormat.h"

#include <muParser.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace spln {
namespace {

// The ends' slopes come from a one-sided difference of second order inside
// [-h, h], so a formula defined on the interval alone still has them.
constexpr double kSlopeStepFactor = 1.0 / 16384.0;

// muParser's message without its own position, which counts from 0, followed
// by the position counted from 1.
std::string ParserMessage(const mu::Parser::exception_type& error)
{
    const int position = error.GetPos() + 1;
    std::string message;
    if (error.GetCode() == mu::ecUNASSIGNABLE_TOKEN) {
        std::string name = error.GetToken();
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        message = "unknown name '" + name + "'";
    } else {
        message = error.GetMsg();
        for (const char* tail : {" found at position", " at position"}) {
            const std::size_t at = message.find(tail);
            if (at != std::string::npos)
                message.resize(at);
        }
        while (!message.empty() && message.back() == '.')
            message.pop_back();
        if (!message.empty())
            message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
    }
    if (error.GetPos() >= 0)
        message += " at position " + std::to_string(position);
    return "the formula cannot be read: " + message + ".";
}

// A parser of the formula in x, compiled once to muParser's bytecode. Its
// bulk evaluation shares the points out to OpenMP threads, whose start costs
// more than a table takes, so the bytecode runs point by point here.
class FormulaEvaluator {
public:
    explicit FormulaEvaluator(std::string_view formula)
    {
        m_parser.DefineVar("x", &m_x);
        m_parser.SetExpr(std::string(formula));
        // The first evaluation compiles the bytecode and reports errors
        // that only show then, such as a misplaced operator.
        (void)m_parser.Eval();
    }

    // out[i] = f(x[i]) for the n abscissae.
    void Evaluate(const double* x, double* out, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i) {
            m_x = x[i];
            out[i] = m_parser.Eval();
        }
    }

private:
    mu::Parser m_parser;
    double m_x = 0.0;
};

// "the formula gives nan at x = 0.5": the smallest abscissa of the points
// whose value is not finite, or empty when every one is.
std::string FirstNonFinite(const std::vector<double>& x, const std::vector<double>& y)
{
    std::size_t first = x.size();
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!std::isfinite(y[i]) && (first == x.size() || x[i] < x[first]))
            first = i;
    if (first == x.size())
        return {};
    const char* what = std::isnan(y[first]) ? "NaN" : "an infinity";
    return std::string("the formula gives ") + what + " at x = " + FormatShortest(x[first]) + ".";
}

}  // namespace

std::string FormulaTextProblem(std::string_view formula)
{
    if (formula.find_first_not_of(" \t") == std::string_view::npos)
        return "Please enter a formula in x, for example sin(5*x) + abs(x)^0.5.";
    if (formula.size() > static_cast<std::size_t>(kMaxFormulaLength))
        return "the formula has " + std::to_string(formula.size()) + " characters; it may have at most " +
               std::to_string(kMaxFormulaLength) + ".";
    try {
        FormulaEvaluator evaluator(formula);
    } catch (const mu::Parser::exception_type& error) {
        return ParserMessage(error);
    }
    return {};
}

std::string TabulateFormula(const char* formula, CSplineEngine& engine)
{
    engine.m_nFunctionSamples = 0;
    engine.m_nFunctionPoints = 0;
    const std::string_view text(formula, strnlen(formula, kFormulaSize));
    if (text.find_first_not_of(" \t") == std::string_view::npos ||
        text.size() > static_cast<std::size_t>(kMaxFormulaLength))
        return FormulaTextProblem(text);

    const double h = engine.m_dHalfWidth;
    const int samples = engine.m_nSamples;
    const int points = engine.m_nPoints;
    if (samples < 2 || samples > kMaxSamples || points < 2 || points > kMaxSamples)
        return "the formula cannot be tabulated at " + std::to_string(samples) + " samples.";
    const double step = h * kSlopeStepFactor;

    // One bulk evaluation: the samples, the output points, then the ends and
    // the two points inward of each end that their slopes take.
    std::vector<double> x(static_cast<std::size_t>(samples + points + 6));
    for (int i = 0; i < samples; ++i)
        x[static_cast<std::size_t>(i)] = SampleAbscissa(h, samples, i);
    OutputAbscissae(h, points, x.data() + samples);
    double* ends = x.data() + samples + points;
    const double endPoints[6] = {-h, -h + step, -h + 2.0 * step, h, h - step, h - 2.0 * step};
    std::memcpy(ends, endPoints, sizeof endPoints);

    std::vector<double> y(x.size());
    try {
        FormulaEvaluator evaluator(text);
        evaluator.Evaluate(x.data(), y.data(), x.size());
    } catch (const mu::Parser::exception_type& error) {
        return ParserMessage(error);
    }
    std::string problem = FirstNonFinite(x, y);
    if (!problem.empty())
        return problem;

    const double* f = y.data() + samples + points;
    const double trendSlope = (f[3] - f[0]) / (h - (-h));
    engine.m_dFunctionLeft = f[0];
    engine.m_dFunctionRight = f[3];
    engine.m_dFunctionLeftDeriv = (-3.0 * f[0] + 4.0 * f[1] - f[2]) / (2.0 * step) - trendSlope;
    engine.m_dFunctionRightDeriv = (3.0 * f[3] - 4.0 * f[4] + f[5]) / (2.0 * step) - trendSlope;
    if (!std::isfinite(engine.m_dFunctionLeftDeriv) || !std::isfinite(engine.m_dFunctionRightDeriv))
        return "the formula's slope at an end of the interval is not finite.";
    std::memcpy(engine.m_dFunctionSamples, y.data(), sizeof(double) * static_cast<std::size_t>(samples));
    std::memcpy(engine.m_dFunctionOutputs, y.data() + samples, sizeof(double) * static_cast<std::size_t>(points));
    engine.m_nFunctionSamples = samples;
    engine.m_nFunctionPoints = points;
    return {};
}

std::string FormulaProblem(const CSplnSettings& settings)
{
    if (settings.m_nSource != kSourceFormula)
        return {};
    // A heap engine: the tables alone are far larger than a thread's stack should carry.
    auto engine = std::make_unique<CSplineEngine>();
    StoreSettingsInEngine(settings, *engine);
    return TabulateFormula(settings.m_szFormula, *engine);
}

std::string FormulaMessage(const CSplnSettings& settings)
{
    std::string message = FormulaProblem(settings);
    if (!message.empty())
        message[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(message[0])));
    return message;
}

}  // namespace spln
