// Escapes the control characters of every message on its way to standard error.

#include "cli/PrintableErrors.h"

#include "text/PrintableText.h"

namespace spln::cli {

PrintableErrors::~PrintableErrors()
{
    WriteLine();
}

PrintableErrors::int_type PrintableErrors::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    m_line += traits_type::to_char_type(c);
    if (traits_type::to_char_type(c) == '\n' && !WriteLine())
        return traits_type::eof();
    return c;
}

int PrintableErrors::sync()
{
    return WriteLine() ? 0 : -1;
}

bool PrintableErrors::WriteLine()
{
    if (!m_line.empty())
        m_target << PrintableText(m_line);
    m_line.clear();
    m_target.flush();
    return static_cast<bool>(m_target);
}

}  // namespace spln::cli
