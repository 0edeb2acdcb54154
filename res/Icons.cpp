// The toolbar images and the main icon, drawn in code.

#include "res/Icons.h"

#include "res/CommandIds.h"
#include "res/Toolbar.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace spln::res {
namespace {

const QColor kOutline(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kShade(128, 128, 128);
const QColor kFolder(255, 255, 0);
const QColor kFolderDark(128, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kSilver(192, 192, 192);
const QColor kBrown(128, 64, 0);

// A sheet with a folded top-right corner, its top-left at (x, y).
void DrawPage(QPainter& p, int x, int y, int w, int h)
{
    const QPolygon outline{QPoint(x, y), QPoint(x + w - 4, y), QPoint(x + w - 1, y + 3), QPoint(x + w - 1, y + h - 1),
                           QPoint(x, y + h - 1)};
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawPolygon(outline);
    p.drawLine(x + w - 4, y, x + w - 4, y + 3);
    p.drawLine(x + w - 4, y + 3, x + w - 1, y + 3);
}

void DrawTextLines(QPainter& p, int x, int y, int w, int count)
{
    p.setPen(kShade);
    for (int i = 0; i < count; ++i)
        p.drawLine(x, y + 2 * i, x + w - 1, y + 2 * i);
}

void DrawNew(QPainter& p)
{
    DrawPage(p, 3, 1, 10, 13);
}

void DrawOpen(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(kFolderDark);
    p.drawPolygon(QPolygon{QPoint(1, 3), QPoint(5, 3), QPoint(6, 4), QPoint(11, 4), QPoint(11, 12), QPoint(1, 12)});
    p.setBrush(kFolder);
    p.drawPolygon(QPolygon{QPoint(3, 7), QPoint(15, 7), QPoint(12, 12), QPoint(1, 12)});
    p.setPen(kBlue);
    p.drawLine(10, 1, 13, 1);
    p.drawLine(14, 2, 14, 4);
    p.drawLine(13, 4, 15, 4);
}

void DrawSave(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(kNavy);
    p.drawRect(1, 1, 13, 13);
    p.setBrush(kPaper);
    p.drawRect(3, 1, 9, 5);
    p.setBrush(kSilver);
    p.drawRect(4, 9, 7, 5);
    p.fillRect(5, 10, 2, 3, kNavy);
}

void DrawCut(QPainter& p)
{
    p.setPen(kOutline);
    p.drawLine(5, 1, 8, 8);
    p.drawLine(10, 1, 7, 8);
    p.setPen(kNavy);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(2, 9, 4, 4);
    p.drawEllipse(9, 9, 4, 4);
}

void DrawCopy(QPainter& p)
{
    DrawPage(p, 1, 1, 9, 10);
    DrawTextLines(p, 3, 5, 4, 3);
    DrawPage(p, 6, 4, 9, 11);
    DrawTextLines(p, 8, 8, 4, 3);
}

void DrawPaste(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(kBrown);
    p.drawRect(1, 2, 10, 12);
    p.setBrush(kSilver);
    p.drawRect(4, 1, 4, 2);
    DrawPage(p, 6, 5, 9, 10);
    DrawTextLines(p, 8, 9, 4, 3);
}

void DrawPrint(QPainter& p)
{
    DrawPage(p, 4, 0, 8, 6);
    p.setPen(kOutline);
    p.setBrush(kSilver);
    p.drawRect(1, 6, 14, 5);
    p.fillRect(12, 8, 2, 1, QColor(0, 255, 0));
    p.setBrush(kPaper);
    p.drawRect(3, 11, 10, 3);
}

void DrawQuestionMark(QPainter& p, int x, int y, const QColor& colour)
{
    p.setPen(colour);
    p.drawLine(x + 1, y, x + 4, y);
    p.drawPoint(x, y + 1);
    p.drawLine(x + 5, y + 1, x + 5, y + 2);
    p.drawLine(x + 4, y + 3, x + 3, y + 3);
    p.drawLine(x + 2, y + 4, x + 2, y + 5);
    p.drawPoint(x + 2, y + 7);
}

void DrawAbout(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(kFolder);
    p.drawEllipse(1, 0, 13, 11);
    p.drawPolygon(QPolygon{QPoint(4, 10), QPoint(3, 14), QPoint(8, 11)});
    p.setPen(kFolder);
    p.drawLine(5, 10, 6, 10);
    DrawQuestionMark(p, 5, 2, kNavy);
}

void DrawContextHelp(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(kPaper);
    p.drawPolygon(
        QPolygon{QPoint(1, 1), QPoint(1, 12), QPoint(4, 9), QPoint(6, 13), QPoint(7, 12), QPoint(5, 8), QPoint(9, 8)});
    DrawQuestionMark(p, 9, 2, kNavy);
}

// Two curves over each other, the kept one dashed.
void DrawKeep(QPainter& p)
{
    p.setPen(QPen(QColor(255, 128, 0), 1, Qt::DashLine));
    p.drawPolyline(QPolygon{QPoint(1, 12), QPoint(5, 5), QPoint(9, 3), QPoint(14, 9)});
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.drawPolyline(QPolygon{QPoint(1, 13), QPoint(5, 8), QPoint(9, 6), QPoint(14, 12)});
}

}  // namespace

QPixmap ToolbarImage(unsigned id)
{
    void (*draw)(QPainter&) = nullptr;
    switch (id) {
    case ID_FILE_NEW:
        draw = DrawNew;
        break;
    case ID_FILE_OPEN:
        draw = DrawOpen;
        break;
    case ID_FILE_SAVE:
        draw = DrawSave;
        break;
    case ID_EDIT_CUT:
        draw = DrawCut;
        break;
    case ID_EDIT_COPY:
        draw = DrawCopy;
        break;
    case ID_EDIT_PASTE:
        draw = DrawPaste;
        break;
    case ID_FILE_PRINT:
        draw = DrawPrint;
        break;
    case ID_APP_ABOUT:
        draw = DrawAbout;
        break;
    case ID_CONTEXT_HELP:
        draw = DrawContextHelp;
        break;
    case ID_SPLINE_KEEP:
        draw = DrawKeep;
        break;
    default:
        return {};
    }
    QPixmap image(kToolbarImageWidth, kToolbarImageHeight);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void PaintMainIcon(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 3, 3);
    p.setPen(QPen(kShade, 1));
    p.drawLine(QPointF(5, 16), QPointF(27, 16));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    // Data points scattered round a smooth bump, and the curve through them.
    p.setPen(QPen(QColor(0, 160, 0), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& point : {QPointF(6, 24), QPointF(10, 21), QPointF(13, 12), QPointF(16, 7), QPointF(19, 11),
                                 QPointF(23, 21), QPointF(26, 23)})
        p.drawPoint(point);
    QPainterPath curve(QPointF(5, 24));
    curve.cubicTo(QPointF(12, 24), QPointF(12, 6), QPointF(16, 6));
    curve.cubicTo(QPointF(20, 6), QPointF(20, 24), QPointF(27, 24));
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

QPixmap MainIconPixmap(int size)
{
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    PaintMainIcon(p);
    return image;
}

QIcon MainIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(MainIconPixmap(size));
    return icon;
}

}  // namespace spln::res
