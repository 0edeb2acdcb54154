#pragma once

// The command line's outputs, all or nothing: files, descriptors and standard
// output written together once every one of them could be prepared.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliOptions.h"
#include "io/AtomicFile.h"
#include "model/ResultText.h"
#include "model/RunResults.h"

namespace spln::cli {

// Every output of one command. Add prepares each file at once (its complete
// new contents in a temporary file beside it); Commit writes standard output
// and descriptors in the order added and puts the files in place, unless an
// output could not be prepared: then nothing is written, and no file is
// replaced. Failures are told to `err`, naming the file and why.
class OutputSet {
public:
    OutputSet(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    // Adds bytes for path, "-" being standard output; `what` names the file in
    // a message ("output file", "experiment file"). False, reported, when the
    // file cannot be written.
    bool Add(const std::string& path, std::string bytes, std::string_view what = "output file");

    // A picture for path that could not be drawn: reported, and nothing is
    // written at Commit.
    void AddUndrawn(const std::string& path, const std::string& reason);

    // True when every output was written; false, reported, otherwise.
    bool Commit();

private:
    void Report(std::size_t entry, const std::string& reason);

    std::ostream& m_out;
    std::ostream& m_err;
    FileBatch m_batch;
    std::vector<std::string> m_names;  // for each entry, how a message names it; empty for standard output
    bool m_failed = false;
};

// The text of a JSON or CSV output of one run, with the runs compared to it.
std::string FormatOutput(OutputKind kind, const RunResults& results, const std::vector<ComparedRun>& compared = {});

}  // namespace spln::cli
