#pragma once

// Reading a data file into fixed buffers: the sample file of 4501 numbers in
// any arrangement, one column of N numbers, or two columns x and y (commas,
// tabs or blanks between them, an optional header line, # comments). Uses
// only POSIX reads and the caller's buffers, so a run that reads the file
// allocates nothing.

#include "engine/CSplineEngine.h"

namespace spln {

// Samples a data file may hold: the sample workspace's capacity at most.
inline constexpr int kMinDataSamples = 100;
inline constexpr int kMaxDataSamples = kMaxSamples;

// The x of two columns may stray from its even place x0 + i (xN - x0) / (N - 1)
// by this share of the step before the file counts as unevenly spaced.
inline constexpr double kEvenSpacingTolerance = 0.01;

inline constexpr int kDataMessageSize = 200;

// The caller's buffers of one reading.
struct DataFileBuffers {
    float* numbers;  // kFileBufferSize: every number in the file's order; the samples' y first afterwards
    double* x;       // kMaxDataSamples + 1: the first number of each row, in double precision
    int* rowLine;    // kMaxDataSamples + 1: the line of each row
    int* rowColumn;  // kMaxDataSamples + 1: the column of its first number
};

// Outcome of reading a data file.
struct DataFileReading {
    RunFailure failure;  // None, FileMissing, NotAFile, TooLarge, NotANumber, NumberOutOfRange, WrongCount or BadData
    int detail;          // errno, the InputKind, the 1-based item of a bad number, or the count found
    int line;            // 1-based line and column of the fault; 0 for the file as a whole
    int column;
    char message[kDataMessageSize];  // BadData and WrongCount: what was expected and what was found
    int samples;                     // N, when read
    int columns;                     // 1 (the sample file in any arrangement too) or 2
    bool resampled;                  // uneven x interpolated onto N even points
    double left;                     // x of the first and last sample in the file's units; -1 and 1 for one column
    double right;
};

// Reads the file at path. Afterwards numbers[0..samples-1] hold the samples'
// values as read (not yet normalised), evenly spaced from left to right. A
// two-column file's x must increase strictly; uneven x is refused naming the
// first uneven row, unless resample asks for linear interpolation onto N even
// points. Reading stops at the first fault, and past byteLimit bytes.
DataFileReading ReadDataFile(const char* path, const DataFileBuffers& buffers, bool resample,
                             long long byteLimit = kMaxSampleFileBytes);

// Reads the engine's data file (m_szDataPath, or sig.dat in the current
// directory) into its table, for the run or ahead of it: m_wsFile and
// m_dataTable. Returns false with the failure recorded as a run's is, the
// table emptied and no result touched, when the file is refused.
bool LoadDataFile(CSplineEngine& engine);

// The numbers' largest magnitude, found as a running maximum from -1.
double LargestMagnitude(const float* numbers, int count);

}  // namespace spln
