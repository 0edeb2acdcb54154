// Fuzz target: the engine run over arbitrary settings. Counts stay small, so
// a run is cheap, except where the input asks for the extremes of a setting.
// A run either completes with every output point filled or is refused as
// bad settings with the earlier results untouched.

#include "engine/CSplineEngine.h"
#include "engine/NodeSmoothing.h"

#include <sys/mman.h>
#include <unistd.h>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace {

// Takes the input's bytes one setting at a time; zeros once they run out.
class SettingReader {
public:
    SettingReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    template <typename T>
    T Raw()
    {
        unsigned char bytes[sizeof(T)];
        for (unsigned char& b : bytes)
            b = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // Mostly a small value in lo..smallHi; now and then a value just outside the
    // domain lo..hi or an extreme. Values inside the domain stay small, so
    // that a run stays cheap; the tests run the domain's upper ends.
    int Whole(int lo, int smallHi, int hi)
    {
        const std::uint8_t b = Byte();
        if (b < 240)
            return lo + b % (smallHi - lo + 1);
        const int extremes[] = {INT_MIN, INT_MAX, lo - 1, hi + 1, -1, 0, 1 << 30};
        if (b < 240 + std::size(extremes))
            return extremes[b - 240];
        const int raw = Raw<int>();
        return raw >= lo && raw <= hi ? lo + (raw - lo) % (smallHi - lo + 1) : raw;
    }

    // Mostly a modest value; now and then a special one.
    double Real(double usual)
    {
        const std::uint8_t b = Byte();
        if (b < 128)
            return usual;
        if (b < 224)
            return (static_cast<int>(b) - 176) / 16.0;
        constexpr double kInf = std::numeric_limits<double>::infinity();
        const double specials[] = {std::numeric_limits<double>::quiet_NaN(),
                                   kInf,
                                   -kInf,
                                   std::numeric_limits<double>::max(),
                                   -std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::denorm_min(),
                                   1e100,
                                   -1e100,
                                   std::nextafter(1e100, kInf),
                                   1e-30,
                                   1e30,
                                   std::nextafter(1e-30, 0.0),
                                   std::nextafter(1e30, kInf),
                                   0.0,
                                   -0.0};
        if (b < 224 + std::size(specials))
            return specials[b - 224];
        return Raw<double>();
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// A valid sample file for the runs that read one: short numbers, so that
// reading it (fuzzed on its own elsewhere) costs little. It lives in memory,
// so that nothing is left behind when the fuzzer stops.
std::string WriteSampleFile()
{
    const int fd = memfd_create("sig.dat", 0);
    if (fd < 0)
        std::abort();
    for (int i = 0; i < spln::kFileSamples; ++i)
        if (dprintf(fd, "%d\n", static_cast<int>(9.0 * std::sin(0.003 * i))) < 0)
            std::abort();
    return "/proc/self/fd/" + std::to_string(fd);
}

struct Results {
    double x[spln::kMaxSamples], approx[spln::kMaxSamples], data[spln::kMaxSamples], exact[spln::kMaxSamples];
    int count;
    char report[spln::kReportSize];
};

void Keep(const CSplineEngine& e, Results& r)
{
    std::memcpy(r.x, e.m_dX, sizeof r.x);
    std::memcpy(r.approx, e.m_dApprox, sizeof r.approx);
    std::memcpy(r.data, e.m_dData, sizeof r.data);
    std::memcpy(r.exact, e.m_dExact, sizeof r.exact);
    std::memcpy(r.report, e.m_szReport, sizeof r.report);
    r.count = e.m_nResultCount;
}

bool Unchanged(const CSplineEngine& e, const Results& r)
{
    return std::memcmp(r.x, e.m_dX, sizeof r.x) == 0 && std::memcmp(r.approx, e.m_dApprox, sizeof r.approx) == 0 &&
           std::memcmp(r.data, e.m_dData, sizeof r.data) == 0 &&
           std::memcmp(r.exact, e.m_dExact, sizeof r.exact) == 0 &&
           std::memcmp(r.report, e.m_szReport, sizeof r.report) == 0 && r.count == e.m_nResultCount;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string samplePath = WriteSampleFile();
    static const std::unique_ptr<CSplineEngine> engine = [] {
        spln::EnableParallelNodes(false);
        auto e = std::make_unique<CSplineEngine>();
        std::snprintf(e->m_szDataPath, sizeof e->m_szDataPath, "%s", samplePath.c_str());
        return e;
    }();
    // The results of the last completed run, which a refused run must leave as they are.
    static const std::unique_ptr<Results> before = [] {
        auto r = std::make_unique<Results>();
        Keep(*engine, *r);
        return r;
    }();

    CSplineEngine& e = *engine;
    SettingReader in(data, size);
    // A sample-file run always takes 4501 samples, so it takes a byte of its own.
    e.m_nSource = in.Byte() == 0xFF ? 1 : in.Whole(0, 0, 1);
    e.m_nMethod = in.Whole(1, 2, 2);
    e.m_nExample = in.Whole(1, 11, 11);
    e.m_nSamples = in.Whole(2, 200, spln::kMaxSamples);
    e.m_nWindow = in.Whole(1, 8, spln::kMaxSamples);
    e.m_nSchwarzCount = in.Whole(2, 60, spln::kMaxSamples);
    e.m_nSchwarzType = in.Whole(1, 4, 4);
    e.m_nLsqCount = in.Whole(2, 51, spln::kMaxSystem);
    e.m_nLsqType = in.Whole(1, 5, 5);
    e.m_nMaxLsqSamples = in.Whole(2, 60, spln::kMaxLsqPoints);
    e.m_nPoints = in.Whole(2, 60, spln::kMaxSamples);
    e.m_nBoard = in.Whole(0, 1, 1);
    e.m_dHalfWidth = in.Real(1.0);
    e.m_dAmplitude = in.Real(0.1);
    e.m_dLeftValue = in.Real(0.0);
    e.m_dRightValue = in.Real(0.0);
    e.m_dLeftDeriv = in.Real(0.0);
    e.m_dRightDeriv = in.Real(0.0);

    e.Run();
    switch (e.m_eFailure) {
    case spln::RunFailure::None:
        if (e.m_nResultCount != e.m_nPoints)
            std::abort();
        Keep(e, *before);
        break;
    case spln::RunFailure::BadSettings:
    case spln::RunFailure::NoFunctionTable:  // a formula source with no table made for it
        if (!Unchanged(e, *before))
            std::abort();
        break;
    default:
        std::abort();  // the sample file is always there and valid
    }
    return 0;
}
