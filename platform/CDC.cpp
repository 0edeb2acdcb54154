// Pens and fonts of the drawing surfaces.

#include "platform/CDC.h"

bool CFont::CreatePointFont(int pointSizeTenths, const char* faceName)
{
    if (pointSizeTenths <= 0)
        return false;
    m_strFace = faceName != nullptr ? faceName : "";
    m_nPointTenths = pointSizeTenths;
    m_bCreated = true;
    return true;
}

void CFont::DeleteObject()
{
    m_strFace.clear();
    m_nPointTenths = 0;
    m_bCreated = false;
}

bool CPen::CreatePen(int style, int width, COLORREF colour)
{
    m_nStyle = style;
    m_nWidth = width < 0 ? 0 : width;
    m_colour = colour;
    m_bCreated = true;
    return true;
}

void CPen::DeleteObject()
{
    m_nStyle = PS_SOLID;
    m_nWidth = 1;
    m_colour = RGB(0, 0, 0);
    m_bCreated = false;
}
