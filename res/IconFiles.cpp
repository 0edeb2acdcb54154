// Writes the program's icon into a hicolor icon theme folder: a scalable SVG
// and PNGs of the usual sizes, painted by the same code as the window icon.

#include "res/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

namespace res = spln::res;

namespace {

constexpr int kDrawingSide = 32;  // the icon is drawn in a 32 by 32 square
constexpr int kPngSides[] = {16, 24, 32, 48, 64, 128, 256};

// Opens `path` for a write that replaces it only when complete.
bool OpenTarget(QSaveFile& file, const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "spln-icon-files: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool Finish(QSaveFile& file)
{
    if (file.commit())
        return true;
    std::fprintf(stderr, "spln-icon-files: cannot write %s: %s\n", qPrintable(file.fileName()),
                 qPrintable(file.errorString()));
    return false;
}

bool WritePng(const QString& theme, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / double(kDrawingSide), side / double(kDrawingSide));
    res::PaintMainIcon(painter);
    painter.end();

    const QString path = QStringLiteral("%1/%2x%2/apps/spln.png").arg(theme).arg(side);
    QSaveFile file(path);
    return OpenTarget(file, path) && image.save(&file, "PNG") && Finish(file);
}

bool WriteSvg(const QString& theme)
{
    const QString path = theme + QStringLiteral("/scalable/apps/spln.svg");
    QSaveFile file(path);
    if (!OpenTarget(file, path))
        return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(kDrawingSide, kDrawingSide));
    svg.setViewBox(QRect(0, 0, kDrawingSide, kDrawingSide));
    svg.setTitle(QStringLiteral("Spln"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    res::PaintMainIcon(painter);
    painter.end();
    return Finish(file);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: spln-icon-files THEME-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");  // fonts of the SVG writer need an application, not a screen
    QGuiApplication application(argc, argv);
    const QString theme = QString::fromLocal8Bit(argv[1]);
    bool written = WriteSvg(theme);
    for (int side : kPngSides)
        written = WritePng(theme, side) && written;
    return written ? 0 : 1;
}
