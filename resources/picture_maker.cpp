// Draws the banner, the splash picture, the tool-button glyphs and the program's icon into the resources folder.
// Usage: picture_maker <resources folder>. The pictures are committed; run this only to change them.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <iostream>
#include <utility>
#include <vector>

namespace {

const QColor kDeep(0x0b, 0x3d, 0x5c);
const QColor kTeal(0x1f, 0x8a, 0x8c);
const QColor kLight(0xd8, 0xf3, 0xf0);
const QColor kAccent(0xff, 0xc8, 0x57);

QFont Face(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void PaintBackdrop(QPainter& p, const QRect& r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kDeep);
    g.setColorAt(1, kTeal);
    p.fillRect(r, g);
    // Faint rule lines, like lines of a style sheet, behind the title.
    p.setPen(QColor(255, 255, 255, 22));
    for (int y = r.top() + 6; y < r.bottom(); y += 9)
        p.drawLine(r.left(), y, r.right(), y);
}

void PaintBraces(QPainter& p, const QRect& box)
{
    p.setPen(kAccent);
    p.setFont(Face(box.height(), true));
    p.drawText(box, Qt::AlignCenter, QStringLiteral("{ }"));
}

// Pictures are drawn with smooth lines and text.
void Smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// Every picture is drawn twice: at its size for ordinary screens, then at twice its size
// for screens of device pixel ratio 2, saved beside it with "@2x" before the extension.
int scale = 1;

// A picture of `width` by `height` pixels of the forms; drawing on it is in those pixels
// whatever the scale.
QImage Canvas(int width, int height, QImage::Format format)
{
    QImage image(width * scale, height * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

// The picture's area in the forms' pixels.
QRect Area(const QImage& image)
{
    return QRect(QPoint(), image.deviceIndependentSize().toSize());
}

// The white ground of the dialogs' figures.
QImage WhiteFigure(int width, int height)
{
    QImage image = Canvas(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QString ScaledName(const QString& path)
{
    if (scale == 1)
        return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

bool SaveJpeg(const QImage& image, const QString& path)
{
    return image.save(ScaledName(path), "JPEG", 92);
}

bool SavePng(const QImage& image, const QString& path)
{
    return image.save(ScaledName(path), "PNG");
}

bool DrawBanner(const QString& path)
{
    QImage image = Canvas(257, 63, QImage::Format_RGB32);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, Area(image));
    PaintBraces(p, QRect(6, 8, 62, 44));
    p.setPen(Qt::white);
    p.setFont(Face(22, true));
    p.drawText(QRect(72, 6, 182, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TAVI CSS Editor"));
    p.setPen(kLight);
    p.setFont(Face(12, false));
    p.drawText(QRect(74, 36, 180, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("スタイルシート・エディタ"));
    p.end();
    return SaveJpeg(image, path);
}

// The splash picture, also the about box's: the about box puts its Close button at (123, 120) and its mail link at
// (88, 168), so the texts keep clear of both.
bool DrawSplash(const QString& path)
{
    QImage image = Canvas(296, 198, QImage::Format_RGB32);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, Area(image));
    PaintBraces(p, QRect(0, 8, 296, 52));
    p.setPen(Qt::white);
    p.setFont(Face(28, true));
    p.drawText(QRect(0, 60, 296, 34), Qt::AlignCenter, QStringLiteral("TAVI CSS Editor"));
    p.setPen(kLight);
    p.setFont(Face(13, false));
    p.drawText(QRect(0, 94, 296, 20), Qt::AlignCenter, QStringLiteral("スタイルシート・エディタ"));
    p.setFont(Face(11, false));
    p.drawText(QRect(0, 150, 284, 16), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Version 1.0"));
    p.setPen(QColor(255, 255, 255, 90));
    p.drawRect(Area(image).adjusted(0, 0, -1, -1));
    p.end();
    return SaveJpeg(image, path);
}

// The banner of the editor customisation dialog, 249 by 41.
bool DrawCustomizeBanner(const QString& path)
{
    QImage image = Canvas(249, 41, QImage::Format_RGB32);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, Area(image));
    PaintBraces(p, QRect(4, 6, 44, 30));
    p.setPen(Qt::white);
    p.setFont(Face(16, true));
    p.drawText(QRect(52, 2, 194, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Editor Style"));
    p.setPen(kLight);
    p.setFont(Face(11, false));
    p.drawText(QRect(54, 22, 192, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("エディタのスタイル"));
    p.end();
    return SaveJpeg(image, path);
}

// The title pictures of the style rule dialogs: a symbol of what the dialog sets on the backdrop, 48 by 48.
bool DrawTitle(const QString& path, const std::function<void(QPainter&)>& paintSymbol)
{
    QImage image = Canvas(48, 48, QImage::Format_RGB32);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, Area(image));
    paintSymbol(p);
    p.end();
    return SaveJpeg(image, path);
}

// A box with a margin band around it.
void PaintMarginSymbol(QPainter& p)
{
    p.setPen(QPen(kAccent, 1.5, Qt::DashLine));
    p.drawRect(QRectF(6.5, 6.5, 35, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawRect(QRectF(15, 15, 18, 18));
}

// A large and a small letter, the large one underlined.
void PaintFontSymbol(QPainter& p)
{
    p.setPen(kLight);
    p.setFont(Face(30, true));
    p.drawText(QRect(3, 2, 28, 38), Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(kAccent);
    p.setFont(Face(20, false));
    p.drawText(QRect(27, 12, 18, 28), Qt::AlignCenter, QStringLiteral("a"));
    p.drawLine(QPointF(6, 40.5), QPointF(42, 40.5));
}

// Three overlapping colour discs.
void PaintColorSymbol(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 70, 70, 210));
    p.drawEllipse(QPointF(18, 18), 11, 11);
    p.setBrush(QColor(70, 190, 90, 210));
    p.drawEllipse(QPointF(30, 18), 11, 11);
    p.setBrush(QColor(80, 130, 240, 210));
    p.drawEllipse(QPointF(24, 30), 11, 11);
}

// A box with a thick border and its padding.
void PaintBorderSymbol(QPainter& p)
{
    p.setPen(QPen(kAccent, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 8, 32, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawRect(QRectF(16, 16, 16, 16));
}

// Three list items with their marks.
void PaintListSymbol(QPainter& p)
{
    for (int i = 0; i < 3; ++i) {
        const qreal y = 12 + 12 * i;
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(10, y), 3, 3);
        p.setPen(QPen(kLight, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, y), QPointF(i == 1 ? 34 : 40, y));
    }
}

// A box with its width and height arrows.
void PaintBasicSymbol(QPainter& p)
{
    p.setPen(QPen(kLight, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(14.5, 8.5, 26, 26));
    p.setPen(QPen(kAccent, 1.5));
    p.drawLine(QPointF(8, 8), QPointF(8, 35));
    p.drawLine(QPointF(14, 41), QPointF(41, 41));
}

// Indented lines of text.
void PaintLayoutSymbol(QPainter& p)
{
    p.setPen(QPen(kLight, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 12), QPointF(40, 12));
    p.drawLine(QPointF(8, 22), QPointF(40, 22));
    p.drawLine(QPointF(8, 32), QPointF(30, 32));
    p.setPen(QPen(kAccent, 1.5));
    p.drawLine(QPointF(8, 12), QPointF(15, 12));
}

// A speaker with sound waves.
void PaintAuralSymbol(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawPolygon(QPolygonF({{8, 19}, {15, 19}, {24, 11}, {24, 37}, {15, 29}, {8, 29}}));
    p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20, 14, 12, 20), -60 * 16, 120 * 16);
    p.drawArc(QRectF(20, 8, 20, 32), -60 * 16, 120 * 16);
}

bool DrawTitles(const QString& folder)
{
    return DrawTitle(folder + "/pictures/margin_title.jpg", PaintMarginSymbol) &&
           DrawTitle(folder + "/pictures/basic_title.jpg", PaintBasicSymbol) &&
           DrawTitle(folder + "/pictures/layout_title.jpg", PaintLayoutSymbol) &&
           DrawTitle(folder + "/pictures/aural_title.jpg", PaintAuralSymbol) &&
           DrawTitle(folder + "/pictures/border_title.jpg", PaintBorderSymbol) &&
           DrawTitle(folder + "/pictures/list_title.jpg", PaintListSymbol) &&
           DrawTitle(folder + "/pictures/font_title.jpg", PaintFontSymbol) &&
           DrawTitle(folder + "/pictures/color_title.jpg", PaintColorSymbol);
}

void DoubleArrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    for (const auto& [tip, dir] : {std::pair{from, d}, std::pair{to, -d}})
        p.drawPolygon(QPolygonF({tip, tip + dir * 8 + n * 4, tip + dir * 8 - n * 4}));
}

// The figure of the margin dialog: a block element inside its margin, one arrow per side.
// The dialog puts each side's spin edit on the middle of that side's arrow.
bool DrawMarginFigure(const QString& path)
{
    QImage image = WhiteFigure(420, 220);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(kTeal, 1.2, Qt::DashLine));
    p.setBrush(QColor(0xf2, 0xfa, 0xfa));
    p.drawRect(QRectF(10.5, 10.5, 399, 199));
    p.setPen(QPen(kDeep, 1.5));
    p.setBrush(QColor(0xc9, 0xe9, 0xee));
    p.drawRect(QRectF(110.5, 60.5, 199, 99));
    p.setFont(Face(14, true));
    p.drawText(QRect(110, 60, 200, 100), Qt::AlignCenter, QStringLiteral("ブロック要素"));
    p.setPen(QPen(QColor(0xc0, 0x50, 0x20), 1.4));
    p.setBrush(QColor(0xc0, 0x50, 0x20));
    DoubleArrow(p, {210, 12}, {210, 58});
    DoubleArrow(p, {210, 162}, {210, 208});
    DoubleArrow(p, {12, 110}, {108, 110});
    DoubleArrow(p, {312, 110}, {408, 110});
    p.setPen(kDeep);
    p.setFont(Face(12, false));
    p.drawText(QPoint(254, 40), QStringLiteral("上"));
    p.drawText(QPoint(254, 192), QStringLiteral("下"));
    p.drawText(QPoint(54, 92), QStringLiteral("左"));
    p.drawText(QPoint(356, 92), QStringLiteral("右"));
    p.end();
    return SaveJpeg(image, path);
}

// The figure of the border dialog: a block element, its padding and the border line around it. The dialog
// puts the padding spin edits on the padding arrows and, outside the border line, each side's colour edit
// (with its colour button) and width spin edit beside the captions drawn here.
bool DrawBorderFigure(const QString& path)
{
    QImage image = WhiteFigure(460, 330);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(kDeep, 5));
    p.setBrush(QColor(0xf2, 0xfa, 0xfa));
    p.drawRect(QRectF(115, 68, 230, 194));
    p.setPen(QPen(kDeep, 1.5));
    p.setBrush(QColor(0xc9, 0xe9, 0xee));
    p.drawRect(QRectF(178.5, 118.5, 103, 93));
    p.setFont(Face(13, true));
    p.drawText(QRect(178, 118, 104, 94), Qt::AlignCenter, QStringLiteral("ブロック要素"));
    p.setPen(QPen(QColor(0xc0, 0x50, 0x20), 1.4));
    p.setBrush(QColor(0xc0, 0x50, 0x20));
    DoubleArrow(p, {230, 72}, {230, 116});
    DoubleArrow(p, {230, 214}, {230, 258});
    DoubleArrow(p, {119, 165}, {176, 165});
    DoubleArrow(p, {284, 165}, {341, 165});
    p.setPen(kDeep);
    p.setFont(Face(11, false));
    p.drawText(QPoint(122, 84), QStringLiteral("パディング"));
    p.drawText(QPoint(118, 60), QStringLiteral("ボーダーライン"));
    p.setFont(Face(12, false));
    // Captions of the controls outside the border line: colour ("色") and width ("太さ").
    for (const auto& [at, text] : std::vector<std::pair<QPoint, QString>>{{{134, 29}, "色"},
                                                                          {{258, 29}, "太さ"},
                                                                          {{134, 301}, "色"},
                                                                          {{258, 301}, "太さ"},
                                                                          {{8, 122}, "色"},
                                                                          {{32, 182}, "太さ"},
                                                                          {{352, 122}, "色"},
                                                                          {{376, 182}, "太さ"}})
        p.drawText(at, text);
    p.end();
    return SaveJpeg(image, path);
}

// The two pictures of the list dialog's mark position: marks outside the text block, and inside it.
bool DrawListPositions(const QString& folder)
{
    for (const bool inside : {false, true}) {
        QImage image = WhiteFigure(76, 62);
        QPainter p(&image);
        Smooth(p);
        const QRectF block(20.5, 6.5, 50, 50);
        p.setPen(QPen(kTeal, 1, Qt::DashLine));
        p.setBrush(QColor(0xf2, 0xfa, 0xfa));
        p.drawRect(block);
        for (int i = 0; i < 3; ++i) {
            const qreal y = 16 + 15 * i;
            const qreal mark = inside ? 27 : 13;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xc0, 0x50, 0x20));
            p.drawEllipse(QPointF(mark, y), 3, 3);
            p.setPen(QPen(kDeep, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(mark + 7, y), QPointF(64, y));
        }
        p.end();
        if (!SaveJpeg(image, folder + (inside ? "/pictures/list_inside.jpg" : "/pictures/list_outside.jpg")))
            return false;
    }
    return true;
}

// The size figure of the basic style dialog: a box with a height arrow along its left side, labelled at its top
// left, and a width arrow under it, labelled below; the dialog puts each spin edit right of its label.
bool DrawSizeFigure(const QString& path)
{
    QImage image = WhiteFigure(201, 153);
    QPainter p(&image);
    Smooth(p);
    p.setPen(QPen(kDeep, 1.5));
    p.setBrush(QColor(0xc9, 0xe9, 0xee));
    p.drawRect(QRectF(40.5, 30.5, 150, 80));
    p.setFont(Face(12, true));
    p.drawText(QRect(40, 30, 150, 80), Qt::AlignCenter, QStringLiteral("要素"));
    p.setPen(QPen(QColor(0xc0, 0x50, 0x20), 1.4));
    p.setBrush(QColor(0xc0, 0x50, 0x20));
    DoubleArrow(p, {22, 31}, {22, 110});
    DoubleArrow(p, {41, 120}, {190, 120});
    p.setPen(kDeep);
    p.setFont(Face(12, false));
    p.drawText(QPoint(4, 20), QStringLiteral("高さ"));
    p.drawText(QPoint(70, 144), QStringLiteral("幅"));
    p.end();
    return SaveJpeg(image, path);
}

// The figure of the text layout dialog: three underlined lines of sample text, the first indented, with a
// text-indent arrow before it and a line-height arrow between the first two; each spin edit stands right of
// its label.
bool DrawLayoutFigure(const QString& path)
{
    QImage image = WhiteFigure(297, 177);
    QPainter p(&image);
    Smooth(p);
    const qreal baselines[] = {46, 96, 146};
    for (int i = 0; i < 3; ++i) {
        const qreal left = i == 0 ? 112 : 44;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc9, 0xe9, 0xee));
        p.drawRect(QRectF(left, baselines[i] - 12, 282 - left, 11));
        p.setPen(QPen(kDeep, 1));
        p.drawLine(QPointF(left, baselines[i]), QPointF(282, baselines[i]));
    }
    p.setPen(QPen(QColor(0xc0, 0x50, 0x20), 1.4));
    p.setBrush(QColor(0xc0, 0x50, 0x20));
    DoubleArrow(p, {45, 40}, {110, 40});
    DoubleArrow(p, {26, 47}, {26, 95});
    p.setPen(kDeep);
    p.setFont(Face(11, false));
    p.drawText(QPoint(44, 22), QStringLiteral("text-indent"));
    p.drawText(QPoint(34, 72), QStringLiteral("line-height"));
    p.end();
    return SaveJpeg(image, path);
}

// The azimuth dial of the aural dialog: a circle with PAN in its middle, the angles 0, 90, 180 and 270, Center
// above and Center Behind below. The dialog's sixteen radio buttons stand on the rim, centred on (100, 107)
// with a radius of 79.
bool DrawAzimuthDial(const QString& path)
{
    QImage image = WhiteFigure(201, 217);
    QPainter p(&image);
    Smooth(p);
    const QPointF centre(100, 107);
    p.setPen(QPen(kTeal, 2));
    p.setBrush(QColor(0xf2, 0xfa, 0xfa));
    p.drawEllipse(centre, 79, 79);
    p.setPen(QPen(kTeal, 1, Qt::DotLine));
    p.drawLine(centre + QPointF(0, -62), centre + QPointF(0, 62));
    p.drawLine(centre + QPointF(-62, 0), centre + QPointF(62, 0));
    p.setPen(kDeep);
    p.setFont(Face(16, true));
    p.drawText(QRectF(centre.x() - 30, centre.y() - 12, 60, 24), Qt::AlignCenter, QStringLiteral("PAN"));
    p.setFont(Face(11, false));
    p.drawText(QRectF(centre.x() - 15, 36, 30, 14), Qt::AlignCenter, QStringLiteral("0"));
    p.drawText(QRectF(152, centre.y() - 7, 20, 14), Qt::AlignCenter, QStringLiteral("90"));
    p.drawText(QRectF(centre.x() - 15, 164, 30, 14), Qt::AlignCenter, QStringLiteral("180"));
    p.drawText(QRectF(27, centre.y() - 7, 22, 14), Qt::AlignCenter, QStringLiteral("270"));
    p.drawText(QRectF(0, 2, 201, 16), Qt::AlignCenter, QStringLiteral("Center"));
    p.drawText(QRectF(0, 198, 201, 16), Qt::AlignCenter, QStringLiteral("Center Behind"));
    p.end();
    return SaveJpeg(image, path);
}

// The OK and Cancel glyphs of the dialogs' buttons, 16 by 16.
bool DrawButtonGlyphs(const QString& folder)
{
    QImage ok = Canvas(16, 16, QImage::Format_ARGB32_Premultiplied);
    ok.fill(Qt::transparent);
    QPainter p(&ok);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1e, 0x8a, 0x3c), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
    p.end();
    QImage cancel = Canvas(16, 16, QImage::Format_ARGB32_Premultiplied);
    cancel.fill(Qt::transparent);
    p.begin(&cancel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xc0, 0x28, 0x28), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.end();
    return SavePng(ok, folder + "/glyphs/ok.png") && SavePng(cancel, folder + "/glyphs/cancel.png");
}

// Glyphs are drawn on an 18 by 18 grid; the disabled state is the same drawing in grey.
using GlyphPainter = std::function<void(QPainter&, const QColor& ink, const QColor& fill)>;

void Page(QPainter& p, const QRectF& r, const QColor& ink, const QColor& fill)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(fill);
    p.drawRect(r);
    for (qreal y = r.top() + 3; y < r.bottom() - 1; y += 2.5)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void CurvedArrow(QPainter& p, const QColor& ink, bool toLeft)
{
    p.save();
    if (!toLeft) {
        p.translate(18, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(4, 8);
    arc.cubicTo(7, 3, 15, 3, 15, 9);
    arc.cubicTo(15, 13, 12, 15, 9, 15);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1, 9);
    head.lineTo(8, 9.5);
    head.lineTo(4.5, 3);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(head);
    p.restore();
}

const std::vector<std::pair<QString, GlyphPainter>>& Glyphs()
{
    static const std::vector<std::pair<QString, GlyphPainter>> glyphs{
        {"save",
         [](QPainter& p, const QColor& ink, const QColor& fill) {
             p.setPen(QPen(ink, 1.2));
             p.setBrush(fill);
             p.drawRoundedRect(QRectF(2, 2, 14, 14), 1.5, 1.5);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(5, 2.5, 8, 5));
             p.setBrush(ink);
             p.drawRect(QRectF(4.5, 10, 9, 5.5));
         }},
        {"open",
         [](QPainter& p, const QColor& ink, const QColor& fill) {
             p.setPen(QPen(ink, 1.2));
             p.setBrush(fill.darker(115));
             p.drawPolygon(QPolygonF({{1.5, 4}, {6, 4}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 15}, {1.5, 15}}));
             p.setBrush(fill);
             p.drawPolygon(QPolygonF({{1.5, 15}, {4.5, 8.5}, {17, 8.5}, {14.5, 15}}));
         }},
        {"undo", [](QPainter& p, const QColor& ink, const QColor&) { CurvedArrow(p, ink, true); }},
        {"redo", [](QPainter& p, const QColor& ink, const QColor&) { CurvedArrow(p, ink, false); }},
        {"copy",
         [](QPainter& p, const QColor& ink, const QColor& fill) {
             Page(p, QRectF(1.5, 1.5, 9, 11), ink, fill);
             Page(p, QRectF(7.5, 5.5, 9, 11), ink, Qt::white);
         }},
        {"paste",
         [](QPainter& p, const QColor& ink, const QColor& fill) {
             p.setPen(QPen(ink, 1.2));
             p.setBrush(fill.darker(130));
             p.drawRoundedRect(QRectF(2, 3, 11, 13.5), 1.5, 1.5);
             p.setBrush(ink);
             p.drawRect(QRectF(5, 1.5, 5, 3));
             Page(p, QRectF(8, 7, 8.5, 10), ink, Qt::white);
         }},
        {"cut",
         [](QPainter& p, const QColor& ink, const QColor& fill) {
             p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(5, 2), QPointF(11.5, 11));
             p.drawLine(QPointF(13, 2), QPointF(6.5, 11));
             p.setBrush(fill);
             p.drawEllipse(QPointF(5, 13.5), 2.8, 2.8);
             p.drawEllipse(QPointF(13, 13.5), 2.8, 2.8);
         }},
        {"palette",
         [](QPainter& p, const QColor& ink, const QColor& fill) {
             p.setPen(QPen(ink, 1.2));
             p.setBrush(fill);
             p.drawEllipse(QRectF(1.5, 2.5, 15, 13));
             p.setBrush(Qt::white);
             p.drawEllipse(QRectF(10, 9.5, 3.5, 3.5));
             const bool grey = ink.saturation() == 0;
             const QColor dots[] = {QColor(0xd0, 0x30, 0x30), QColor(0x30, 0xa0, 0x40), QColor(0x30, 0x60, 0xd0)};
             const QPointF at[] = {{5.5, 7}, {9, 5.5}, {6, 11}};
             p.setPen(Qt::NoPen);
             for (int i = 0; i < 3; ++i) {
                 p.setBrush(grey ? ink : dots[i]);
                 p.drawEllipse(at[i], 1.7, 1.7);
             }
         }},
        {"delete",
         [](QPainter& p, const QColor& ink, const QColor&) {
             p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(4, 4), QPointF(14, 14));
             p.drawLine(QPointF(14, 4), QPointF(4, 14));
         }},
    };
    return glyphs;
}

bool DrawGlyph(const QString& folder, const QString& name, const GlyphPainter& paint, bool enabled)
{
    QImage image = Canvas(18, 18, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const bool red = name == QLatin1String("delete") || name == QLatin1String("cut");
    const QColor ink = enabled ? (red ? QColor(0xc0, 0x28, 0x28) : kDeep) : QColor(0x9a, 0x9a, 0x9a);
    const QColor fill =
        enabled ? (red ? QColor(0xf6, 0xd0, 0xd0) : QColor(0x9c, 0xd8, 0xe6)) : QColor(0xe4, 0xe4, 0xe4);
    paint(p, ink, fill);
    p.end();
    const QString file = folder + "/glyphs/" + name + (enabled ? "" : "_disabled") + ".png";
    return SavePng(image, file);
}

// The program's icon at `size` pixels square: braces on a rounded tile of the backdrop's
// colours, with "CSS" beneath them where there is room to read it.
bool DrawAppIcon(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Smooth(p);
    const QRectF tile = QRectF(Area(image)).adjusted(size / 32.0, size / 32.0, -size / 32.0, -size / 32.0);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, kDeep);
    g.setColorAt(1, kTeal);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, size * 0.18, size * 0.18);
    const bool withName = size >= 48;
    QFont braces = Face(qRound(size * (withName ? 0.46 : 0.62)), true);
    p.setFont(braces);
    p.setPen(kAccent);
    const QRectF upper = withName ? QRectF(tile.left(), tile.top() + size * 0.06, tile.width(), size * 0.52) : tile;
    p.drawText(upper, Qt::AlignCenter, QStringLiteral("{ }"));
    if (withName) {
        p.setPen(Qt::white);
        p.setFont(Face(qRound(size * 0.24), true));
        p.drawText(QRectF(tile.left(), tile.top() + size * 0.56, tile.width(), size * 0.32), Qt::AlignCenter,
                   QStringLiteral("CSS"));
    }
    p.end();
    return image.save(path, "PNG");
}

// The icon in every size the desktop's icon theme asks for.
bool DrawAppIcons(const QString& folder)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        if (!DrawAppIcon(QStringLiteral("%1/icons/tavi-css-editor-%2.png").arg(folder).arg(size), size))
            return false;
    return true;
}

// Every picture of the forms and every glyph of the buttons, at the current scale.
bool DrawPictures(const QString& folder)
{
    bool ok = DrawBanner(folder + "/pictures/banner.jpg") && DrawSplash(folder + "/pictures/splash.jpg") &&
              DrawTitles(folder) && DrawCustomizeBanner(folder + "/pictures/customize_banner.jpg") &&
              DrawBorderFigure(folder + "/pictures/border_figure.jpg") && DrawListPositions(folder) &&
              DrawSizeFigure(folder + "/pictures/size_figure.jpg") &&
              DrawLayoutFigure(folder + "/pictures/layout_figure.jpg") &&
              DrawAzimuthDial(folder + "/pictures/azimuth_dial.jpg") &&
              DrawMarginFigure(folder + "/pictures/margin_figure.jpg") && DrawButtonGlyphs(folder);
    for (const auto& [name, paint] : Glyphs())
        ok = ok && DrawGlyph(folder, name, paint, true) && DrawGlyph(folder, name, paint, false);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "usage: picture_maker <resources folder>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder + "/pictures");
    QDir().mkpath(folder + "/glyphs");
    QDir().mkpath(folder + "/icons");
    bool ok = DrawAppIcons(folder);
    for (const int pictureScale : {1, 2}) {
        scale = pictureScale;
        ok = ok && DrawPictures(folder);
    }
    if (!ok) {
        std::cerr << "picture_maker: could not write the pictures into " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
