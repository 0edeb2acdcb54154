// Reads a data file into fixed buffers line by line, without allocating.

#include "engine/DataFile.h"

#include "engine/SampleFile.h"
#include "io/InputFile.h"

#include <unistd.h>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace spln {
namespace {

constexpr int kReadChunk = 16384;
constexpr int kTokenCapacity = 512;  // a longer token is not a number
constexpr int kShownToken = 24;      // characters of a bad token quoted in a message
constexpr int kRowCapacity = kMaxDataSamples + 1;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '"';
}

// NaN or an infinity as spreadsheets and printf spell them.
bool IsNotFinite(const char* token, int length)
{
    int start = token[0] == '+' || token[0] == '-' ? 1 : 0;
    char word[9] = {};
    if (length - start > 8)
        return false;
    for (int i = start; i < length; ++i)
        word[i - start] = static_cast<char>(token[i] >= 'A' && token[i] <= 'Z' ? token[i] - 'A' + 'a' : token[i]);
    return std::strcmp(word, "nan") == 0 || std::strcmp(word, "inf") == 0 || std::strcmp(word, "infinity") == 0;
}

// The reading's state: where in the file it stands and what it has found.
class DataParser {
public:
    DataParser(const DataFileBuffers& buffers, DataFileReading& reading, bool resample)
        : m_buffers(buffers), m_reading(reading), m_resample(resample)
    {}

    // Takes the next byte; false once the file is refused.
    bool Feed(char c)
    {
        if (c == '\n') {
            if (!EndToken() || !EndLine())
                return false;
            ++m_line;
            m_column = 0;
            return true;
        }
        ++m_column;
        if (m_inComment)
            return true;
        if (c == '#') {
            m_inComment = true;
            return EndToken();
        }
        if (c == ',') {
            if (!EndToken())
                return false;
            if (m_fields == 0 || m_pendingComma)
                return Refuse(RunFailure::BadData, m_line, m_column, 0, "expected a number before ','");
            m_pendingComma = true;
            m_commaColumn = m_column;
            return true;
        }
        if (IsBlank(c))
            return EndToken();
        if (m_tokenLength == 0)
            m_tokenColumn = m_column;
        if (m_tokenLength == kTokenCapacity)
            return Refuse(RunFailure::NotANumber, m_line, m_tokenColumn, m_numbers + 1,
                          "expected a number, found a word of more than 512 characters");
        m_token[m_tokenLength++] = c;
        return true;
    }

    // Ends the file: the last line and the checks of the whole.
    bool Finish()
    {
        if (!EndToken() || !EndLine())
            return false;
        return CheckLayout();
    }

private:
    bool Refuse(RunFailure failure, int line, int column, int detail, const char* what)
    {
        m_reading.failure = failure;
        m_reading.line = line;
        m_reading.column = column;
        m_reading.detail = detail;
        std::snprintf(m_reading.message, sizeof m_reading.message, "%s", what);
        return false;
    }

    // "expected a number, found 'abc'": the token quoted, cut to a few characters.
    bool RefuseToken(const char* expected, RunFailure failure = RunFailure::NotANumber)
    {
        const int shown = m_tokenLength < kShownToken ? m_tokenLength : kShownToken;
        char what[kDataMessageSize];
        std::snprintf(what, sizeof what, "%s, found '%.*s%s'", expected, shown, m_token,
                      shown < m_tokenLength ? "..." : "");
        return Refuse(failure, m_line, m_tokenColumn, m_numbers + 1, what);
    }

    bool EndToken()
    {
        if (m_tokenLength == 0)
            return true;
        const int length = m_tokenLength;
        m_tokenLength = 0;
        m_pendingComma = false;
        float value = 0.0f;
        const RunFailure parsed = ParseSampleNumber(m_token, length, value);
        if (parsed == RunFailure::NotANumber) {
            // Names on the first line that holds anything are its header.
            m_tokenLength = length;
            if (m_rows == 0 && m_numbers == 0 && !m_headerDone && (m_fields == 0 || m_headerLine == m_line)) {
                m_headerLine = m_line;
                m_tokenLength = 0;
                ++m_fields;
                return true;
            }
            if (IsNotFinite(m_token, length))
                return RefuseToken("expected a finite number");
            if (IsLetter(m_token[0]))
                return RefuseToken(m_headerLine != 0 || m_rows > 0
                                       ? "expected a number (a header may stand on the first line only)"
                                       : "expected a number");
            return RefuseToken("expected a number");
        }
        if (parsed == RunFailure::NumberOutOfRange) {
            m_tokenLength = length;
            return RefuseToken("expected a number within single precision (below 3.4e38)",
                               RunFailure::NumberOutOfRange);
        }
        if (m_headerLine == m_line)
            return Refuse(RunFailure::BadData, m_line, m_tokenColumn, 0,
                          "expected a name like the rest of the header line, found a number");
        if (m_numbers < kFileBufferSize)
            m_buffers.numbers[m_numbers] = value;
        if (m_fields == 0 && m_rows < kRowCapacity) {
            double x = 0.0;
            const char* first = m_token[0] == '+' ? m_token + 1 : m_token;
            std::from_chars(first, m_token + length, x);
            m_buffers.x[m_rows] = x;
            m_buffers.rowLine[m_rows] = m_line;
            m_buffers.rowColumn[m_rows] = m_tokenColumn;
        }
        if (m_fields == 2 && m_thirdLine == 0) {
            m_thirdLine = m_line;
            m_thirdColumn = m_tokenColumn;
        }
        ++m_fields;
        if (m_numbers == kMaxDataSamples) {
            m_extraLine = m_line;
            m_extraColumn = m_tokenColumn;
        }
        ++m_numbers;
        return true;
    }

    bool EndLine()
    {
        m_inComment = false;
        if (m_pendingComma)
            return Refuse(RunFailure::BadData, m_line, m_commaColumn, 0, "expected a number after ','");
        const int fields = m_fields;
        m_fields = 0;
        if (fields == 0)
            return true;
        if (m_headerLine == m_line) {
            m_headerDone = true;
            return true;
        }
        m_headerDone = true;
        if (m_rows == 0) {
            m_columns = fields;
            m_firstRowLine = m_line;
        } else if (fields != m_columns && m_raggedLine == 0) {
            m_raggedLine = m_line;
            m_raggedFields = fields;
        }
        if (m_rows == kMaxDataSamples) {
            m_extraRowLine = m_line;
        }
        ++m_rows;
        return true;
    }

    // The file read whole: one column, two, or the sample file's 4501 numbers in any arrangement.
    bool CheckLayout()
    {
        const bool even = m_raggedLine == 0 && m_columns <= 2;
        if (!even) {
            if (m_numbers == kFileSamples && m_headerLine == 0) {
                m_columns = 1;  // the sample file as it has always been read
            } else if (m_columns > 2 || (m_raggedFields > 2 && m_thirdLine != 0)) {
                char what[kDataMessageSize];
                std::snprintf(what, sizeof what, "expected one column (y) or two (x, y), found a third");
                return Refuse(RunFailure::BadData, m_thirdLine, m_thirdColumn, 0, what);
            } else {
                char what[kDataMessageSize];
                std::snprintf(what, sizeof what, "expected %d number%s on the row as on line %d, found %d", m_columns,
                              m_columns == 1 ? "" : "s", m_firstRowLine, m_raggedFields);
                return Refuse(RunFailure::BadData, m_raggedLine, 1, 0, what);
            }
        }
        const int samples = m_columns == 2 ? m_rows : m_numbers;
        if (samples < kMinDataSamples || samples > kMaxDataSamples) {
            char what[kDataMessageSize];
            std::snprintf(what, sizeof what, "expected from %d to %d %s, found %d", kMinDataSamples, kMaxDataSamples,
                          m_columns == 2 ? "rows" : "numbers", samples);
            const bool tooMany = samples > kMaxDataSamples;
            const int line = tooMany ? (m_columns == 2 ? m_extraRowLine : m_extraLine) : m_line;
            const int column = tooMany && m_columns != 2 ? m_extraColumn : 1;
            return Refuse(RunFailure::WrongCount, line, column, samples, what);
        }
        m_reading.samples = samples;
        m_reading.columns = m_columns;
        if (m_columns == 2)
            return CheckAbscissae(samples);
        m_reading.left = -1.0;
        m_reading.right = 1.0;
        return true;
    }

    // Two columns: x strictly increasing and evenly spaced, or resampled.
    bool CheckAbscissae(int n)
    {
        const double* x = m_buffers.x;
        float* y = m_buffers.numbers;
        for (int i = 0; i < n; ++i)
            y[i] = y[2 * i + 1];
        for (int i = 1; i < n; ++i) {
            if (!(x[i] > x[i - 1])) {
                char what[kDataMessageSize];
                std::snprintf(what, sizeof what, "expected x to increase strictly, found %.17g after %.17g on line %d",
                              x[i], x[i - 1], m_buffers.rowLine[i - 1]);
                return Refuse(RunFailure::BadData, m_buffers.rowLine[i], m_buffers.rowColumn[i], 0, what);
            }
        }
        m_reading.left = x[0];
        m_reading.right = x[n - 1];
        const double step = (x[n - 1] - x[0]) / (n - 1);
        int uneven = 0;
        for (int i = 1; i < n - 1 && uneven == 0; ++i)
            if (std::fabs(x[i] - (x[0] + i * step)) > kEvenSpacingTolerance * step)
                uneven = i;
        if (uneven == 0)
            return true;
        if (!m_resample) {
            char what[kDataMessageSize];
            std::snprintf(what, sizeof what,
                          "expected evenly spaced x (step %.6g), found %.17g; resampling interpolates onto even points",
                          step, x[uneven]);
            return Refuse(RunFailure::BadData, m_buffers.rowLine[uneven], m_buffers.rowColumn[uneven], 0, what);
        }
        // Linear interpolation onto n even points, written behind the samples and moved in front.
        float* even = y + n;
        int segment = 0;
        for (int j = 0; j < n; ++j) {
            const double t = j == n - 1 ? x[n - 1] : x[0] + j * step;
            while (segment < n - 2 && x[segment + 1] < t)
                ++segment;
            const double x0 = x[segment];
            const double x1 = x[segment + 1];
            const double y0 = y[segment];
            const double y1 = y[segment + 1];
            even[j] = static_cast<float>(y0 + (y1 - y0) * ((t - x0) / (x1 - x0)));
        }
        std::memcpy(y, even, sizeof(float) * static_cast<unsigned>(n));
        m_reading.resampled = true;
        return true;
    }

    const DataFileBuffers& m_buffers;
    DataFileReading& m_reading;
    bool m_resample;
    char m_token[kTokenCapacity] = {};
    int m_tokenLength = 0;
    int m_tokenColumn = 0;
    int m_line = 1;
    int m_column = 0;
    bool m_inComment = false;
    bool m_pendingComma = false;
    int m_commaColumn = 0;
    int m_fields = 0;   // fields on the current line
    int m_numbers = 0;  // numbers of the whole file
    int m_rows = 0;     // lines holding numbers
    int m_columns = 0;  // numbers on the first such line
    int m_firstRowLine = 0;
    int m_headerLine = 0;  // the line of the header, 0 for none
    bool m_headerDone = false;
    int m_raggedLine = 0;  // the first row with another count than the first
    int m_raggedFields = 0;
    int m_thirdLine = 0;  // where a third number on a row was first found
    int m_thirdColumn = 0;
    int m_extraLine = 0;  // where the number or row one past the capacity stands
    int m_extraColumn = 0;
    int m_extraRowLine = 0;
};

}  // namespace

DataFileReading ReadDataFile(const char* path, const DataFileBuffers& buffers, bool resample, long long byteLimit)
{
    DataFileReading reading{};
    reading.failure = RunFailure::None;
    const InputOpening opening = OpenInput(path);
    if (opening.fd < 0) {
        reading.failure = opening.error != 0 ? RunFailure::FileMissing : RunFailure::NotAFile;
        reading.detail = opening.error != 0 ? opening.error : static_cast<int>(opening.refused);
        return reading;
    }
    DataParser parser(buffers, reading, resample);
    char chunk[kReadChunk];
    long long bytesRead = 0;
    int bomMatched = 0;  // bytes of a byte-order mark matched at the start; -1 once past it
    bool going = true;
    while (going) {
        const ssize_t got = read(opening.fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            reading.failure = RunFailure::FileMissing;
            reading.detail = errno;
            break;
        }
        if (got == 0) {
            for (int b = 0; b < bomMatched && going; ++b)
                going = parser.Feed(kByteOrderMark[static_cast<std::size_t>(b)]);
            if (going)
                parser.Finish();
            break;
        }
        bytesRead += got;
        if (bytesRead > byteLimit) {
            reading.failure = RunFailure::TooLarge;
            break;
        }
        for (ssize_t i = 0; i < got && going; ++i) {
            const char c = chunk[i];
            if (bomMatched >= 0) {
                // A UTF-8 byte-order mark at the very start is dropped; bytes
                // that only began one are text.
                if (c == kByteOrderMark[static_cast<std::size_t>(bomMatched)]) {
                    if (++bomMatched == static_cast<int>(kByteOrderMark.size()))
                        bomMatched = -1;
                    continue;
                }
                for (int b = 0; b < bomMatched && going; ++b)
                    going = parser.Feed(kByteOrderMark[static_cast<std::size_t>(b)]);
                bomMatched = -1;
                if (!going)
                    break;
            }
            going = parser.Feed(c);
        }
    }
    close(opening.fd);
    return reading;
}

bool LoadDataFile(CSplineEngine& e)
{
    ResolveSampleFilePath(e.m_szDataPath, e.m_wsPath, kPathSize);
    const DataFileBuffers buffers{e.m_wsFile, e.m_wsFileX, e.m_wsRowLine, e.m_wsRowColumn};
    const DataFileReading reading = ReadDataFile(e.m_wsPath, buffers, e.m_nResample != 0);
    e.m_dataTable = {};
    if (reading.failure != RunFailure::None) {
        e.m_eFailure = reading.failure;
        e.m_nFailureDetail = reading.detail;
        e.m_nFailureLine = reading.line;
        e.m_nFailureColumn = reading.column;
        std::snprintf(e.m_szFailureText, sizeof e.m_szFailureText, "%s", reading.message);
        std::snprintf(e.m_szFailurePath, sizeof e.m_szFailurePath, "%s", e.m_wsPath);
        return false;
    }
    e.m_dataTable.samples = reading.samples;
    e.m_dataTable.columns = reading.columns;
    e.m_dataTable.resampled = reading.resampled;
    e.m_dataTable.left = reading.left;
    e.m_dataTable.right = reading.right;
    return true;
}

double LargestMagnitude(const float* numbers, int count)
{
    double largest = -1.0;
    for (int i = 0; i < count; ++i) {
        const double magnitude = std::fabs(static_cast<double>(numbers[i]));
        if (magnitude > largest)
            largest = magnitude;
    }
    return largest;
}

}  // namespace spln
