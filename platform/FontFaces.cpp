// Resolves requested font faces to the ones available.

#include "platform/FontFaces.h"

namespace spln {

std::string ResolveFontFace(const std::string& face)
{
    if (face == "MS Sans Serif" || face == "Arial")
        return "Liberation Sans";
    if (face == "Times New Roman Cyr" || face == "Times New Roman")
        return "Liberation Serif";
    return face;
}

int PointFontHeight(int pointSizeTenths)
{
    constexpr int kScreenDpi = 96;
    constexpr int kTenthsPerInch = 720;
    return (pointSizeTenths * kScreenDpi + kTenthsPerInch / 2) / kTenthsPerInch;
}

}  // namespace spln
