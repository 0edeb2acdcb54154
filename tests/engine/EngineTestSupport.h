#pragma once

// Shared helpers of the engine tests: heap engines, temporary folders, sample files.

#include "engine/CSplineEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace spln::test {

// Engines are about a megabyte: tests keep them on the heap.
std::unique_ptr<CSplineEngine> MakeEngine();

// A directory of its own for one test, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Writes text into a file of the directory and returns the file's path.
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string m_path;
};

// The numbers as text, one a line, each with enough digits to come back as the same float.
std::string NumbersText(const std::vector<double>& numbers);

// Points the engine at a sample file and selects the file source.
void UseSampleFile(CSplineEngine& engine, const std::string& path);

// Copies of the result members, to prove a run left them alone.
struct ResultSnapshot {
    std::vector<double> x, approx, data, exact;
    int count = 0;
    std::string report;

    static ResultSnapshot Of(const CSplineEngine& engine);
    bool operator==(const ResultSnapshot&) const = default;
};

// True when both doubles have the same bits.
bool SameBits(double a, double b);

// The first `count` entries of both arrays have the same bits; a mismatch
// names the array and its first differing point with both values.
::testing::AssertionResult SameBitsAt(const char* what, const double* expected, const double* actual, int count);

}  // namespace spln::test
