#pragma once

// Experiment files: the eighteen settings of a run as a small text file, a
// first line naming the format, then one "name = value" line per setting keyed
// by the command-line flag names, then a "[kept]" section per approximation
// kept for comparison. Read and written by the desktop document and by
// spln-cli; no toolkit involved.

#include "model/SplnSettings.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace spln {

// The first line of every experiment file; the number is the format's version.
inline constexpr std::string_view kExperimentHeader = "Spln experiment 1";
inline constexpr std::string_view kExperimentSuffix = "spl";

// An experiment file holds a few hundred bytes; anything far larger is refused
// before it is read.
inline constexpr std::size_t kMaxExperimentFileSize = 64 * 1024;

// The section that opens each kept approximation.
inline constexpr std::string_view kKeptSection = "[kept]";

// A kept approximation as a file holds it: the settings it was run with, the
// user's name for it (empty: named from what differs) and whether it is drawn.
struct KeptSettings {
    CSplnSettings settings;
    std::string ownName;
    bool shown = true;
};

// The file's text: the header, then every setting in the record's order, then
// for each kept approximation its section: the user's name when it has one,
// whether it is shown, and the settings in which it differs from the file's.
// Choices are written by name, doubles with the shortest text that reads back
// to the same bits. Without kept approximations there is no section at all.
// A chosen data file is written as "data = "PATH"" after the settings, as
// given (see DataPathForFile); none, and the file reads as before data files.
std::string FormatExperiment(const CSplnSettings& settings, const std::vector<KeptSettings>& kept = {},
                             const std::string& dataPath = {});

enum class ExperimentStatus {
    Settings,  // the file holds settings
    Empty,     // zero bytes: a document file of earlier versions, holding nothing
    Fault,     // refused; see line and message
};

struct ExperimentRead {
    ExperimentStatus status = ExperimentStatus::Fault;
    CSplnSettings settings;          // Settings only
    int line = 0;                    // Fault: 1-based line at fault, 0 for the file as a whole
    std::string message;             // Fault: what is wrong, for a person
    int windowLine = 0;              // Settings: the line a failed window check is blamed on
    int formulaLine = 0;             // Settings: the line a refused formula is blamed on
    std::vector<KeptSettings> kept;  // Settings: the kept approximations, in the file's order
    std::string dataPath;            // Settings: the data file as written (see DataPathFromFile); empty: none
    int dataLine = 0;                // Settings: its line
};

// The key of the data file's line.
inline constexpr std::string_view kDataKey = "data";

// The data file's path as an experiment file at experimentPath keeps it:
// relative to the experiment file's folder when the data file lies in it or
// below, otherwise absolute.
std::string DataPathForFile(const std::string& experimentPath, const std::string& dataPath);

// The data file an experiment file at experimentPath names with written: a
// relative path is taken from the experiment file's folder.
std::string DataPathFromFile(const std::string& experimentPath, const std::string& written);

// Whether the settings of a file must pass the window check on their own
// (InFile), or the caller checks them once it has changed some (Later: the
// command line's flags override single settings).
enum class WindowCheck { InFile, Later };

// Reads the text of an experiment file; a UTF-8 byte-order mark before the
// first line is skipped. A setting the file leaves out takes its value from
// defaults. With InFile the result passes the window check, and a formula
// that is the source is tabulated at the file's samples.
ExperimentRead ParseExperiment(std::string_view text, const CSplnSettings& defaults,
                               WindowCheck check = WindowCheck::InFile);

// Reads the file at path (a folder, a missing file, one too large or one that
// cannot be read is a fault of the file as a whole, and so is a pipe or a
// device other than standard input, which is never waited on).
ExperimentRead ReadExperimentFile(const std::string& path, const CSplnSettings& defaults,
                                  WindowCheck check = WindowCheck::InFile);

// "PATH, line N: message", or "PATH: message" for the file as a whole.
std::string DescribeExperimentFault(const std::string& path, const ExperimentRead& read);

// Settings equal to the last bit of every double.
bool SameSettings(const CSplnSettings& a, const CSplnSettings& b);

}  // namespace spln
