// Writes the command line's outputs together: every one, or none.

#include "cli/OutputWriter.h"

#include <utility>

#include "model/ResultText.h"

namespace spln::cli {

bool OutputSet::Add(const std::string& path, std::string bytes, std::string_view what)
{
    if (path == "-") {
        m_names.emplace_back();
        m_batch.AddInPlace([this, text = std::move(bytes)](std::string*) {
            m_out << text;
            m_out.flush();
            return static_cast<bool>(m_out);
        });
        return true;
    }
    std::string reason;
    m_names.push_back("The " + std::string(what) + " \"" + path + "\"");
    if (m_batch.Add(path, bytes, &reason))
        return true;
    Report(m_names.size() - 1, reason);
    m_names.pop_back();
    m_failed = true;
    return false;
}

void OutputSet::AddUndrawn(const std::string& path, const std::string& reason)
{
    m_err << "The picture \"" << path << "\" could not be drawn: " << reason << ".\n";
    m_failed = true;
}

bool OutputSet::Commit()
{
    if (m_failed) {
        if (!m_names.empty())
            m_err << "The other outputs were not written.\n";
        return false;
    }
    // The streams of this program go first, so that a descriptor shared with
    // one receives the bytes in order.
    m_out.flush();
    std::string reason;
    std::size_t failed = 0;
    if (m_batch.Commit(&reason, &failed))
        return true;
    Report(failed, reason);
    return false;
}

void OutputSet::Report(std::size_t entry, const std::string& reason)
{
    if (m_names[entry].empty())
        m_err << "The results could not be written to standard output.\n";
    else
        m_err << m_names[entry] << " could not be written: " << reason << ".\n";
}

std::string FormatOutput(OutputKind kind, const RunResults& results, const std::vector<ComparedRun>& compared)
{
    switch (kind) {
    case OutputKind::Json:
        return FormatJson(results, compared);
    case OutputKind::Csv:
        return FormatCsv(results, compared);
    case OutputKind::Png:
    case OutputKind::Svg:
    case OutputKind::Pdf:
        break;
    }
    return {};
}

}  // namespace spln::cli
