#pragma once

// The approximation engine: the settings of one run, its fixed-capacity result
// arrays and report line, and the whole pipeline from sampling to the error
// report. Plain data with public members; a run allocates nothing.

namespace spln {

class NoiseSequence;

// Capacities of the engine's arrays.
inline constexpr int kMaxSamples = 10000;                      // sample workspace and result arrays
inline constexpr int kMaxSystem = 51;                          // equations of a linear system
inline constexpr int kMaxLsqPoints = 501;                      // columns of the least-squares basis table
inline constexpr int kFileBufferSize = 25000;                  // numbers the sample-file reader may store
inline constexpr int kFileSamples = 4501;                      // numbers of the sample file as first specified
inline constexpr int kReportSize = 256;                        // report line with its terminating zero
inline constexpr int kPathSize = 4096;                         // directory plus file name of the sample file
inline constexpr long long kMaxSampleFileBytes = 256LL << 20;  // far beyond any sample file; stops endless streams
inline constexpr int kMaxFormulaLength = 1000;                 // characters of a typed formula
inline constexpr int kFormulaSize = kMaxFormulaLength + 1;     // a formula with its terminating zero

// The signal sources, as m_nSource numbers them.
inline constexpr int kSourceExample = 0;  // a built-in function
inline constexpr int kSourceFile = 1;     // the sample file
inline constexpr int kSourceFormula = 2;  // a typed formula, tabulated before the run

// The boundary cubic of a data-file run with estimated ends is fitted to
// its first samples 0..kBoundaryFitLeftCount-1 and its last samples
// kBoundaryFitRightStart..kFileSamples-1; a file of another length N keeps
// the same share of its samples at each end.
inline constexpr int kBoundaryFitLeftCount = 250;
inline constexpr int kBoundaryFitRightStart = 4250;

constexpr int BoundaryFitLeftCount(int samples)
{
    return static_cast<int>(static_cast<long long>(kBoundaryFitLeftCount) * samples / kFileSamples);
}
constexpr int BoundaryFitRightStart(int samples)
{
    return samples - BoundaryFitLeftCount(samples) - 1;
}
static_assert(BoundaryFitLeftCount(kFileSamples) == kBoundaryFitLeftCount &&
              BoundaryFitRightStart(kFileSamples) == kBoundaryFitRightStart);

// Points of a run's output on [-1, 1]: what the picture shows and the files hold.
inline constexpr int kOutputPoints = 640;

// The settings of a fresh engine, which the settings dialog shows on its first
// opening and the command line and experiment files start from. The
// constructor sets them; the settings record (model/) and the document take
// their defaults from here.
inline constexpr int kDefaultSource = 0;  // built-in function
inline constexpr int kDefaultExample = 1;
inline constexpr double kDefaultAmplitude = 0.0;
inline constexpr int kDefaultSamples = kMaxSamples;  // as finely as the workspace allows
inline constexpr int kDefaultWindow = 1;
inline constexpr int kDefaultSchwarzCount = 51;
inline constexpr int kDefaultLsqCount = 35;
inline constexpr int kDefaultSchwarzType = 1;
inline constexpr int kDefaultLsqType = 5;
inline constexpr int kDefaultMethod = 1;  // projection on Schwarz space, in the engine's numbering
inline constexpr int kDefaultBoard = 1;   // ends of the sample file estimated by a cubic
inline constexpr double kDefaultLeftValue = 0.0;
inline constexpr double kDefaultRightValue = 0.0;
inline constexpr double kDefaultLeftDeriv = 0.0;
inline constexpr double kDefaultRightDeriv = 0.0;
inline constexpr int kDefaultLeftMargin = 250;
inline constexpr int kDefaultRightMargin = 250;
inline constexpr int kDefaultNoiseSeed = 0;  // noise goes on with the process-wide sequence
inline constexpr int kDefaultResample = 0;   // uneven x of a data file refused

// Why the last run stopped before producing results.
enum class RunFailure {
    None,              // the last run completed (or no run has been made)
    FileMissing,       // the sample file could not be opened
    WrongCount,        // the file holds too few or too many samples (count in m_nFailureDetail)
    NotANumber,        // text that is not a number (1-based position of the item in m_nFailureDetail)
    AllZero,           // every number of the file is zero, so it cannot be normalised
    NumberOutOfRange,  // a number too large for single precision (1-based position in m_nFailureDetail)
    BadSettings,       // a setting outside what a run can compute (1-based position in the settings check in
                       // m_nFailureDetail)
    TooLarge,  // the sample file goes on past the reader's size limit (the limit in bytes is kMaxSampleFileBytes)
    NotAFile,  // the sample file is a pipe, device or socket that is not standard input (spln::InputKind in
               // m_nFailureDetail)
    NoFunctionTable,  // a formula run whose table was not made for these samples, or holds a value that is not finite
    BadData,          // the data file's layout: an empty field, ragged rows, a third column, x not increasing or uneven
};

// The samples a data file gave: how many, from how many columns, and the
// interval of x they cover in the file's own units.
struct DataShape {
    int samples = 0;         // N
    int columns = 0;         // 1 (also the sample file in any arrangement) or 2 (x, y)
    bool resampled = false;  // uneven x linearly interpolated onto N even points
    double left = -1.0;      // x of the first and the last sample; -1 and 1 for one column
    double right = 1.0;
};

}  // namespace spln

class CSplineEngine {
public:
    CSplineEngine();
    ~CSplineEngine() = default;

    // ---- Settings (copied in by the document or the view; a run never changes them)
    int m_nSource;         // 0 built-in example function, 1 sample file, 2 typed formula
    int m_nExample;        // 1..11
    double m_dAmplitude;   // noise amplitude, 0..0.5
    double m_dHalfWidth;   // h; the interval is [-h, h]
    int m_nSamples;        // samples of the example function, 100..10000
    int m_nWindow;         // window of averaging in sample spacings, 1..500
    int m_nSchwarzCount;   // basic splines of the projection, 15..501
    int m_nLsqCount;       // basis functions of least squares, 5..51
    int m_nSchwarzType;    // kernel type of the projection, 1..4
    int m_nLsqType;        // basis type of least squares, 1..5
    int m_nPoints;         // output points, 640
    int m_nMaxLsqSamples;  // least-squares sample points at most, 501
    int m_nMethod;         // 1 projection on Schwarz space, 2 least squares
    int m_nBoard;          // sample file ends: 0 given values, otherwise cubic estimation
    int m_nNoiseSeed;      // 0 the process-wide noise sequence; S >= 1 every run draws afresh from S
    int m_nResample;       // data file with uneven x: 0 refused, 1 interpolated onto even points

    // ---- Results of the last completed run
    double m_dX[spln::kMaxSamples];
    double m_dApprox[spln::kMaxSamples];
    double m_dData[spln::kMaxSamples];
    double m_dExact[spln::kMaxSamples];

    // ---- Given boundary values (sample file, m_nBoard == 0) and margins
    double m_dLeftValue;
    double m_dRightValue;
    double m_dLeftDeriv;
    double m_dRightDeriv;
    int m_nLeftMargin;  // carried with the settings, not read by the run
    int m_nRightMargin;

    int m_nResultCount;  // output points of the last completed run

    // ---- Linear systems: matrix (row-major, 51 columns) and right-hand side / solution
    double m_dMatrix[spln::kMaxSystem][spln::kMaxSystem];
    double m_dVector[spln::kMaxSystem];

    char m_szReport[spln::kReportSize];  // report line of the last run on a built-in function

    // The three errors of the report line as numbers: |approx - exact| at -h,
    // the largest one strictly inside (output points 6..P-6), and at +h. Set by
    // every completed run on a built-in function; 0 after a run on the sample file.
    double m_dLeftError;
    double m_dInteriorError;
    double m_dRightError;

    // The noise sequence this engine draws from; null: the process-wide one.
    spln::NoiseSequence* m_pNoise;

    // ---- Where the sample file is read from. Empty: "sig.dat" in the current directory.
    char m_szDataPath[spln::kPathSize];

    // ---- The data file's samples (m_nSource 1), as read and not yet
    // normalised, in m_wsFile[0..N-1]. A run reads them from m_szDataPath,
    // unless m_bDataLoaded says spln::LoadDataFile has read them already, so
    // that repeated runs read the file once.
    bool m_bDataLoaded;
    spln::DataShape m_dataTable;

    // ---- The data of the last completed run on a data file: its shape and
    // the largest magnitude its numbers were divided by (0 for other runs).
    // A two-column file's run writes m_dX in the file's units of x.
    spln::DataShape m_dataShown;
    double m_dDataScale;

    // ---- A typed formula (m_nSource 2): its text, carried with the settings
    // and not read by the run, and its values, which the layer that parses
    // the formula writes before every run: at the m_nFunctionSamples sample
    // abscissae, at the m_nFunctionPoints output points, at -h and +h, and the
    // slopes at the ends of the formula less the line through its end values.
    char m_szFormula[spln::kFormulaSize];
    double m_dFunctionSamples[spln::kMaxSamples];
    double m_dFunctionOutputs[spln::kMaxSamples];
    double m_dFunctionLeft;
    double m_dFunctionRight;
    double m_dFunctionLeftDeriv;
    double m_dFunctionRightDeriv;
    int m_nFunctionSamples;  // 0: no table
    int m_nFunctionPoints;

    // ---- Why the last run stopped early; None after a completed run.
    spln::RunFailure m_eFailure;
    int m_nFailureDetail;                   // count found, position of the offending item, or errno of a missing file
    char m_szFailurePath[spln::kPathSize];  // the sample file the failure concerns
    int m_nFailureLine;                     // line and column of a data file's fault; 0 for the file as a whole
    int m_nFailureColumn;
    char m_szFailureText[spln::kReportSize];  // what a data file's fault expected and found

    // ---- Operations
    void Run();

    // Linear solver and least squares
    void Solve(int n, double* out);
    double LsqBasis(int type, double u) const;
    void BuildLsqSystem(int type, int K, int n, const double* values);
    double LsqSum(int type, double x, const double* a) const;
    double Cubic(double x, const double* e) const;

    // Built-in functions and noise
    double ExampleFunction(double x) const;
    double TrendLine(double x) const;
    double Detrended(double x) const;
    double NoisySample(double x) const;
    // The same for n points at once, the exponentials a block at a time:
    // out[i] = ExampleFunction(x[i]), out[i] = TrendLine(x[i]), and
    // y[i] = NoisySample(x[i]) drawing the noise in increasing i.
    void ExampleFunctions(const double* x, double* out, int n) const;
    void TrendLines(const double* x, double* out, int n) const;
    void NoisySamples(const double* x, double* y, int n) const;
    // y[i] holds the function at x[i]: takes the trend line out and adds the
    // noise, as NoisySamples does after evaluating the function.
    void DetrendWithNoise(const double* x, double* y, int n) const;
    // Noise draws one run of the current settings takes: one per sample and
    // one per output point of a built-in function or a formula, none for the sample file.
    int NoiseDrawsPerRun() const;

    // Projection on Schwarz space
    double KernelSmooth(int type, int n, double x, double b, const double* p, const double* q) const;
    double KernelSum(int type, int n, double x, double b, const double* p, const double* q) const;
    double HatKernelSum(int type, int n, double x, double b, const double* p, const double* q) const;

    // ---- Run workspace: scratch of one run, fixed capacity, contents on entry irrelevant
    double m_wsX[spln::kMaxSamples];          // sample abscissae
    double m_wsY[spln::kMaxSamples];          // data, then the residual
    float m_wsFile[spln::kFileBufferSize];    // numbers as read from the data file; its samples first afterwards
    double m_wsFileX[spln::kMaxSamples + 1];  // the first number of each row of the data file
    int m_wsRowLine[spln::kMaxSamples + 1];   // and where it stands
    int m_wsRowColumn[spln::kMaxSamples + 1];
    double m_wsCoef[spln::kMaxSamples];    // projection coefficients or least-squares values
    double m_wsCentre[spln::kMaxSamples];  // kernel centres or least-squares abscissae
    double m_wsNode[spln::kMaxSamples];    // accumulated projection nodes the coefficients are smoothed at
    double m_wsLsq[spln::kMaxSystem];      // least-squares coefficients
    double m_wsCubic[4];                   // coefficients of the fitted boundary cubic
    double m_wsBasis[spln::kMaxSystem][spln::kMaxLsqPoints];  // least-squares basis table
    char m_wsPath[spln::kPathSize];                           // directory plus file name
};
