// The JSON, CSV and summary texts of a run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "model/ResultText.h"
#include "model/SettingsRecord.h"
#include "tests/cli/JsonReader.h"

using spln::FormatCsv;
using spln::FormatJson;
using spln::FormatSummaryLine;
using spln::RunResults;
using spln::test::JsonValue;
using spln::test::ParseJson;

namespace {

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Doubles whose shortest faithful text needs all 17 digits, or sit at the
// ends of the format: a writer with fewer digits or a locale comma fails here.
const std::vector<double> kAwkward = {
    0.1,
    1.0 / 3.0,
    -2.0 / 3.0,
    std::nextafter(1.0, 2.0),
    std::nextafter(1.0, 0.0),
    -0.0,
    0.0,
    DBL_MAX,
    -DBL_MAX,
    DBL_MIN,
    std::numeric_limits<double>::denorm_min(),
    1e-300,
    123456789.12345678,
    -1.0000000000000002,
    5e-324,
    0.30000000000000004,
};

struct Fixture {
    std::vector<double> x, data, exact, approx;
    RunResults results;

    explicit Fixture(const std::vector<double>& values, bool builtIn = true)
    {
        const size_t n = values.size();
        for (size_t i = 0; i < n; ++i) {
            x.push_back(values[i]);
            data.push_back(values[(i + 1) % n]);
            exact.push_back(values[(i + 2) % n]);
            approx.push_back(values[(i + 3) % n]);
        }
        results.count = static_cast<int>(n);
        results.x = x.data();
        results.data = data.data();
        results.approx = approx.data();
        if (builtIn) {
            results.exact = exact.data();
            results.report = "left board error = 0.000000    internal error = 0.001234    right board error = 0.000000";
            results.hasReport = true;
        } else {
            results.settings.m_nSource = 1;
        }
    }
};

JsonValue ParsedJson(const RunResults& results)
{
    JsonValue value;
    std::string error;
    const std::string text = FormatJson(results);
    EXPECT_TRUE(ParseJson(text, value, error)) << error << "\n" << text.substr(0, 2000);
    return value;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator && separator != '\n')
        parts.push_back("");
    return parts;
}

}  // namespace

TEST(JsonOutput, IsOneValidObjectWithTheNamedMembersInOrder)
{
    Fixture f({-1.0, 0.0, 1.0});
    const JsonValue json = ParsedJson(f.results);
    ASSERT_EQ(json.type, JsonValue::Type::Object);
    const std::vector<std::string> names = {"settings", "points", "x", "data", "exact", "approx", "error", "report"};
    EXPECT_EQ(json.order, names);
    EXPECT_EQ(json["points"].text, "3");
    for (const char* array : {"x", "data", "exact", "approx", "error"})
        EXPECT_EQ(json[array].items.size(), 3u) << array;
    EXPECT_EQ(json["report"].text, f.results.report);
}

TEST(JsonOutput, SettingsAreWrittenAsTypedUnderTheirFlagNames)
{
    Fixture f({0.0});
    CSplnSettings& s = f.results.settings;
    s.m_nMethod = 1;
    s.m_nSchwarzType = 3;
    s.m_dAmplitude = 0.1;
    s.m_dLeftDeriv = -2.35;
    const JsonValue settings = ParsedJson(f.results)["settings"];
    ASSERT_EQ(settings.order.size(), static_cast<std::size_t>(spln::kSettingCount));
    for (const spln::SettingRange& range : spln::kSettingRanges)
        EXPECT_EQ(settings.order[range.id], range.flag);  // the record's order
    EXPECT_EQ(settings["method"].text, "1");
    EXPECT_EQ(settings["schwarz-type"].text, "3");
    EXPECT_EQ(settings["samples"].text, "10000");
    EXPECT_EQ(Bits(settings["amplitude"].Number()), Bits(0.1));
    EXPECT_EQ(Bits(settings["left-deriv"].Number()), Bits(-2.35));
}

TEST(JsonOutput, EveryDoubleReadsBackToTheSameBits)
{
    Fixture f(kAwkward);
    const JsonValue json = ParsedJson(f.results);
    const std::vector<double>* arrays[] = {&f.x, &f.data, &f.exact, &f.approx};
    const char* names[] = {"x", "data", "exact", "approx"};
    for (int a = 0; a < 4; ++a) {
        const JsonValue& array = json[names[a]];
        ASSERT_EQ(array.items.size(), kAwkward.size());
        for (size_t i = 0; i < kAwkward.size(); ++i)
            EXPECT_EQ(Bits(array.items[i].Number()), Bits((*arrays[a])[i]))
                << names[a] << "[" << i << "] written as " << array.items[i].text;
    }
    // The error is the difference of the doubles, not of their texts.
    const JsonValue& error = json["error"];
    ASSERT_EQ(error.items.size(), kAwkward.size());
    for (size_t i = 0; i < kAwkward.size(); ++i) {
        const double expected = f.approx[i] - f.exact[i];
        if (std::isfinite(expected))
            EXPECT_EQ(Bits(error.items[i].Number()), Bits(expected)) << "error[" << i << "]";
        else
            EXPECT_EQ(error.items[i].type, JsonValue::Type::Null) << "error[" << i << "] overflows";
    }
}

TEST(JsonOutput, ValuesThatAreNotFiniteBecomeNull)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Fixture f({nan, -nan, inf, -inf, 1.5});
    const JsonValue json = ParsedJson(f.results);
    const JsonValue& x = json["x"];
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(x.items[i].type, JsonValue::Type::Null) << i;
    EXPECT_EQ(x.items[4].text, "1.5");
}

TEST(JsonOutput, SampleFileRunHasNullExactValuesAndNoReport)
{
    Fixture f({-1.0, 0.5, 1.0}, false);
    const JsonValue json = ParsedJson(f.results);
    ASSERT_EQ(json["exact"].items.size(), 3u) << "same length as the other arrays";
    for (const JsonValue& item : json["exact"].items)
        EXPECT_EQ(item.type, JsonValue::Type::Null);
    EXPECT_EQ(json["report"].type, JsonValue::Type::Null);
    EXPECT_EQ(std::count(json.order.begin(), json.order.end(), "error"), 0) << "no exact function, no error";
    EXPECT_EQ(json["settings"]["source"].text, "1");
}

TEST(JsonOutput, ReportTextIsEscaped)
{
    Fixture f({0.0});
    f.results.report = "quote \" backslash \\ tab \t bell \x07 end";
    const JsonValue json = ParsedJson(f.results);
    EXPECT_EQ(json["report"].text, f.results.report);
}

TEST(JsonOutput, NoPointsStillGivesValidJson)
{
    Fixture f({});
    const JsonValue json = ParsedJson(f.results);
    EXPECT_EQ(json["points"].text, "0");
    EXPECT_TRUE(json["x"].items.empty());
}

TEST(CsvOutput, HeaderAndOneRowOfFourFieldsAPointReadingBackExactly)
{
    Fixture f(kAwkward);
    const std::vector<std::string> lines = Split(FormatCsv(f.results), '\n');
    ASSERT_EQ(lines.size(), kAwkward.size() + 1);
    EXPECT_EQ(lines[0], "x,data,exact,approx");
    for (size_t i = 0; i < kAwkward.size(); ++i) {
        const std::vector<std::string> fields = Split(lines[i + 1], ',');
        ASSERT_EQ(fields.size(), 4u) << lines[i + 1];
        EXPECT_EQ(Bits(std::strtod(fields[0].c_str(), nullptr)), Bits(f.x[i]));
        EXPECT_EQ(Bits(std::strtod(fields[1].c_str(), nullptr)), Bits(f.data[i]));
        EXPECT_EQ(Bits(std::strtod(fields[2].c_str(), nullptr)), Bits(f.exact[i]));
        EXPECT_EQ(Bits(std::strtod(fields[3].c_str(), nullptr)), Bits(f.approx[i]));
    }
}

TEST(CsvOutput, SampleFileLeavesTheExactColumnEmpty)
{
    Fixture f({-1.0, 1.0}, false);
    const std::vector<std::string> lines = Split(FormatCsv(f.results), '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "-1,1,,1");  // data and approx are the fixture's rotations
    EXPECT_EQ(lines[2], "1,-1,,-1");
}

TEST(CsvOutput, NonFiniteValuesHaveOneSpellingEach)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Fixture f({-nan, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 2.0});
    const std::vector<std::string> lines = Split(FormatCsv(f.results), '\n');
    EXPECT_EQ(lines[1], "nan,inf,-inf,2");
}

TEST(SummaryLine, ReportLineOrPointCount)
{
    Fixture builtIn({0.0});
    EXPECT_EQ(FormatSummaryLine(builtIn.results), builtIn.results.report + "\n");
    Fixture file(std::vector<double>(640, 0.0), false);
    EXPECT_EQ(FormatSummaryLine(file.results), "sample file approximated at 640 points\n");
}
