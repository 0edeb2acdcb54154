// Reads and writes the settings of a run as an experiment file.

#include "model/ExperimentFile.h"

#include "io/InputFile.h"
#include "model/Formula.h"
#include "model/KeptApproximations.h"
#include "model/SettingText.h"
#include "model/SettingsRecord.h"
#include "text/FieldMessages.h"
#include "text/NumberFormat.h"
#include "text/StrictNumber.h"

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace spln {
namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string FormatValue(const SettingRange& range, const CSplnSettings& settings)
{
    if (range.docText)
        return Quoted(GetSettingText(settings, range.id));
    if (range.docReal)
        return FormatShortest(settings.*range.docReal);
    const int value = settings.*range.docWhole;
    if (range.kind == SettingKind::Choice && range.ChoiceName(value))
        return range.ChoiceName(value);
    return std::to_string(value);
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

ExperimentRead Fault(int line, std::string message)
{
    ExperimentRead read;
    read.status = ExperimentStatus::Fault;
    read.line = line;
    read.message = std::move(message);
    return read;
}

// Text in double quotes loses them; text without them is taken as it stands.
std::string_view Unquoted(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

// Reads one value into settings; empty on success, otherwise what is wrong in
// the words the settings dialog uses for its fields.
std::string ReadValue(const SettingRange& range, std::string_view text, CSplnSettings& settings)
{
    const SettingText read = ReadSettingText(range, range.docText ? Unquoted(text) : text);
    const bool whole = range.kind == SettingKind::Integer;
    switch (read.fault) {
    case SettingTextFault::None:
        ApplySettingText(settings, range, read);
        return {};
    case SettingTextFault::NotOneLine:
        return "the text may not hold control characters.";
    case SettingTextFault::TooLong:
        return "the text may have at most " + std::to_string(range.MaxInt()) + " characters.";
    case SettingTextFault::NotAChoice: {
        // "Please enter schwarz or lsq.", "Please enter example, file or formula."
        std::string names = ChoiceNames(range, ", ");
        names.replace(names.rfind(", "), 2, " or ");
        return "Please enter " + names + ".";
    }
    case SettingTextFault::NotANumber:
        return whole ? kNotAnInteger : kNotANumber;
    case SettingTextFault::OutOfRange:
        return whole ? IntegerRangeMessage(range.MinInt(), range.MaxInt()) : NumberRangeMessage(range.min, range.max);
    }
    return "Please enter a value.";
}

// A byte no text editor writes into a settings file: control characters other
// than tab, carriage return and line feed.
bool IsBinaryByte(unsigned char byte)
{
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7f;
}

std::string HexByte(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// The first line when it names another version of the format, else empty.
std::string OtherVersion(std::string_view line)
{
    const std::string_view stem = kExperimentHeader.substr(0, kExperimentHeader.rfind(' ') + 1);
    if (line.substr(0, stem.size()) != stem)
        return {};
    const std::string_view version = line.substr(stem.size());
    int number = 0;
    return ParseWholeNumber(version, number) == NumberStatus::Ok ? std::string(version) : std::string();
}

// The keys of a kept section besides the settings.
constexpr std::string_view kKeptName = "name";
constexpr std::string_view kKeptShown = "shown";
constexpr const char* kYes = "yes";
constexpr const char* kNo = "no";

bool SameSetting(const SettingRange& range, const CSplnSettings& a, const CSplnSettings& b)
{
    if (range.docText)
        return GetSettingText(a, range.id) == GetSettingText(b, range.id);
    if (range.docWhole)
        return a.*range.docWhole == b.*range.docWhole;
    return std::bit_cast<std::uint64_t>(a.*range.docReal) == std::bit_cast<std::uint64_t>(b.*range.docReal);
}

// A name typed into a table cell, kept on its line of the file.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (IsBinaryByte(static_cast<unsigned char>(c)) || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// Where the lines of one set of settings stand in the file, for the checks
// made once all of them are read.
struct SettingLines {
    int lineOf[kSettingCount] = {};  // 0: not given
    int section = 0;                 // the line of a kept section's heading
    int nameLine = 0;                // a kept section's name and shown flag
    int shownLine = 0;
};

// The window check and the formula of finished settings; a fault is blamed on
// the line that set the window, else the sample count or the source (the
// formula, else the source), else the section's heading.
ExperimentRead CheckSettings(const CSplnSettings& settings, const SettingLines& lines, WindowCheck check,
                             int& windowLine, int& formulaLine)
{
    windowLine = 0;
    for (const SettingId id : {kSettingWindow, kSettingFileLength, kSettingSource})
        if (windowLine == 0)
            windowLine = lines.lineOf[id];
    formulaLine = lines.lineOf[kSettingFormula] != 0 ? lines.lineOf[kSettingFormula] : lines.lineOf[kSettingSource];
    ExperimentRead read;
    read.status = ExperimentStatus::Settings;
    if (check == WindowCheck::InFile &&
        !WindowCheckPasses(settings.m_nSource, settings.m_nWindow, settings.m_nFileLength))
        return Fault(windowLine != 0 ? windowLine : lines.section, kWindowCheckMessage);
    if (check == WindowCheck::InFile) {
        const std::string problem = FormulaProblem(settings);
        if (!problem.empty())
            return Fault(formulaLine != 0 ? formulaLine : lines.section, problem);
    }
    return read;
}

}  // namespace

std::string FormatExperiment(const CSplnSettings& settings, const std::vector<KeptSettings>& kept,
                             const std::string& dataPath)
{
    std::string text(kExperimentHeader);
    text += '\n';
    for (const SettingRange& range : kSettingRanges) {
        // The settings that came after the first files are written only when
        // used, so that a file using none of them reads as those files did.
        if (range.id == kSettingNoiseSeed && settings.m_nNoiseSeed == kDefaultNoiseSeed)
            continue;
        if (range.id == kSettingResample && settings.m_nResample == kDefaultResample)
            continue;
        if (range.id == kSettingFormula && GetSettingText(settings, range.id).empty())
            continue;
        text += std::string(range.flag) + " = " + FormatValue(range, settings) + "\n";
    }
    if (!dataPath.empty())
        text += std::string(kDataKey) + " = " + Quoted(OneLine(dataPath)) + "\n";
    for (const KeptSettings& entry : kept) {
        text += std::string(kKeptSection) + "\n";
        if (!entry.ownName.empty())
            text += std::string(kKeptName) + " = " + Quoted(OneLine(entry.ownName)) + "\n";
        text += std::string(kKeptShown) + " = " + (entry.shown ? kYes : kNo) + "\n";
        for (const SettingRange& range : kSettingRanges)
            if (!SameSetting(range, entry.settings, settings))
                text += std::string(range.flag) + " = " + FormatValue(range, entry.settings) + "\n";
    }
    return text;
}

ExperimentRead ParseExperiment(std::string_view text, const CSplnSettings& defaults, WindowCheck check)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (text.empty()) {
        ExperimentRead read;
        read.status = ExperimentStatus::Empty;
        read.settings = defaults;
        return read;
    }

    CSplnSettings settings = defaults;
    SettingLines lines;
    std::vector<KeptSettings> kept;
    SettingLines keptLines;
    int windowLine = 0;
    int formulaLine = 0;
    std::string dataPath;
    int dataLine = 0;
    // The file's own settings are final at the first kept section; each
    // section is checked when the next begins or the file ends.
    const auto finishSection = [&]() -> ExperimentRead {
        int unusedWindow = 0;
        int unusedFormula = 0;
        if (kept.empty())
            return CheckSettings(settings, lines, check, windowLine, formulaLine);
        return CheckSettings(kept.back().settings, keptLines, WindowCheck::InFile, unusedWindow, unusedFormula);
    };
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        ++lineNumber;
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        for (const char c : line)
            if (IsBinaryByte(static_cast<unsigned char>(c)))
                return Fault(lineNumber, "the line holds the byte " + HexByte(static_cast<unsigned char>(c)) +
                                             ", which is not text; this is not a Spln experiment file.");

        if (lineNumber == 1) {
            if (line == kExperimentHeader)
                continue;
            const std::string version = OtherVersion(line);
            if (!version.empty())
                return Fault(1, "the file is in version " + version + " of the experiment format; this Spln reads " +
                                    Quoted(kExperimentHeader) + ".");
            return Fault(
                1, "this is not a Spln experiment file: its first line must be " + Quoted(kExperimentHeader) + ".");
        }

        const std::string_view content = Trimmed(line);
        if (content.empty() || content.front() == '#')
            continue;
        if (content == kKeptSection) {
            if (ExperimentRead done = finishSection(); done.status == ExperimentStatus::Fault)
                return done;
            if (kept.size() >= static_cast<std::size_t>(kMaxKept))
                return Fault(lineNumber, "a file keeps at most " + std::to_string(kMaxKept) + " approximations.");
            kept.push_back({settings, {}, true});
            keptLines = {};
            keptLines.section = lineNumber;
            continue;
        }
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            return Fault(lineNumber, Quoted(content) + " is not a setting; write it as name = value.");
        const std::string_view name = Trimmed(content.substr(0, equals));
        const std::string_view value = Trimmed(content.substr(equals + 1));
        if (!kept.empty() && (name == kKeptName || name == kKeptShown)) {
            KeptSettings& entry = kept.back();
            const int key = name == kKeptName ? 0 : 1;
            int& given = key == 0 ? keptLines.nameLine : keptLines.shownLine;
            if (given != 0)
                return Fault(lineNumber,
                             Quoted(name) + " is given twice (first on line " + std::to_string(given) + ").");
            given = lineNumber;
            if (key == 0) {
                entry.ownName = std::string(Unquoted(value));
            } else if (value == kYes || value == kNo) {
                entry.shown = value == kYes;
            } else {
                return Fault(lineNumber, std::string(name) + " = " + std::string(value) + ": Please enter " + kYes +
                                             " or " + kNo + ".");
            }
            continue;
        }
        if (kept.empty() && name == kDataKey) {
            if (dataLine != 0)
                return Fault(lineNumber,
                             Quoted(name) + " is given twice (first on line " + std::to_string(dataLine) + ").");
            dataLine = lineNumber;
            dataPath = std::string(Unquoted(value));
            if (dataPath.empty() || dataPath.size() >= static_cast<std::size_t>(kPathSize))
                return Fault(lineNumber, "data = " + std::string(value) + ": Please enter the path of a data file of " +
                                             "at most " + std::to_string(kPathSize - 1) + " characters.");
            continue;
        }
        const SettingRange* range = FindSetting(name);
        if (!range)
            return Fault(lineNumber, Quoted(name) + " is not the name of a setting.");
        SettingLines& current = kept.empty() ? lines : keptLines;
        if (current.lineOf[range->id] != 0)
            return Fault(lineNumber, Quoted(name) + " is given twice (first on line " +
                                         std::to_string(current.lineOf[range->id]) + ").");
        current.lineOf[range->id] = lineNumber;
        const std::string problem = ReadValue(*range, value, kept.empty() ? settings : kept.back().settings);
        if (!problem.empty())
            return Fault(lineNumber, std::string(name) + " = " + std::string(value) + ": " + problem);
    }
    if (ExperimentRead done = finishSection(); done.status == ExperimentStatus::Fault)
        return done;

    ExperimentRead read;
    read.status = ExperimentStatus::Settings;
    read.settings = settings;
    read.windowLine = windowLine;
    read.formulaLine = formulaLine;
    read.kept = std::move(kept);
    read.dataPath = std::move(dataPath);
    read.dataLine = dataLine;
    return read;
}

ExperimentRead ReadExperimentFile(const std::string& path, const CSplnSettings& defaults, WindowCheck check)
{
    const InputOpening opening = OpenInput(path.c_str());
    if (opening.error == EISDIR)
        return Fault(0, "this is a folder, not an experiment file.");
    if (opening.fd < 0 && opening.error == 0)
        return Fault(0, std::string("this ") + NotReadBecause(opening.refused) + ".");
    if (opening.fd < 0)
        return Fault(0, std::string("the file cannot be opened: ") + std::strerror(opening.error) + ".");
    struct FileCloser {
        int fd;
        ~FileCloser() { close(fd); }
    } closer{opening.fd};
    struct stat status {};
    if (fstat(opening.fd, &status) != 0)
        return Fault(0, std::string("the file cannot be read: ") + std::strerror(errno) + ".");
    if (S_ISREG(status.st_mode) && static_cast<std::uintmax_t>(status.st_size) > kMaxExperimentFileSize)
        return Fault(0, "the file is " + std::to_string(status.st_size) +
                            " bytes long; an experiment file holds at most " + std::to_string(kMaxExperimentFileSize) +
                            " bytes.");

    // One byte more than allowed tells a stream that keeps going from a file
    // that just fits.
    std::string text(kMaxExperimentFileSize + 1, '\0');
    std::size_t size = 0;
    while (size < text.size()) {
        const ssize_t got = read(opening.fd, text.data() + size, text.size() - size);
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR)
            return Fault(0, std::string("the file cannot be read: ") + std::strerror(errno) + ".");
        size += got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    if (size > kMaxExperimentFileSize)
        return Fault(0, "the file holds more than " + std::to_string(kMaxExperimentFileSize) +
                            " bytes; an experiment file is far smaller.");
    text.resize(size);
    return ParseExperiment(text, defaults, check);
}

std::string DescribeExperimentFault(const std::string& path, const ExperimentRead& read)
{
    if (read.line == 0)
        return path + ": " + read.message;
    return path + ", line " + std::to_string(read.line) + ": " + read.message;
}

std::string DataPathForFile(const std::string& experimentPath, const std::string& dataPath)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path data = fs::absolute(dataPath, error).lexically_normal();
    if (experimentPath.empty())
        return data.string();
    const fs::path folder = fs::absolute(experimentPath, error).lexically_normal().parent_path();
    const fs::path relative = data.lexically_relative(folder);
    if (relative.empty() || *relative.begin() == "..")
        return data.string();
    return relative.string();
}

std::string DataPathFromFile(const std::string& experimentPath, const std::string& written)
{
    namespace fs = std::filesystem;
    const fs::path path(written);
    if (path.is_absolute())
        return written;
    return (fs::path(experimentPath).parent_path() / path).lexically_normal().string();
}

bool SameSettings(const CSplnSettings& a, const CSplnSettings& b)
{
    for (const SettingRange& range : kSettingRanges)
        if (!SameSetting(range, a, b))
            return false;
    return true;
}

}  // namespace spln
