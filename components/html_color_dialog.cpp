// The colour chooser that gives its colour as HTML hexadecimal text ("#RRGGBB").
#include "components/html_color_dialog.h"

#include <QApplication>
#include <QColorDialog>

namespace {

constexpr int kCustomSlots = 16;

tavi::TColor ColorFromQColor(const QColor& color)
{
    return static_cast<tavi::TColor>(color.red()) | static_cast<tavi::TColor>(color.green()) << 8 |
           static_cast<tavi::TColor>(color.blue()) << 16;
}

QColor QColorFromRgbValue(tavi::TColor value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace

THTMLcolorDialog::THTMLcolorDialog(QObject* owner) : QObject(owner) {}

QString THTMLcolorDialog::HtmlColorText(tavi::TColor color)
{
    const QColor rgb = tavi::IsSystemColor(color) ? tavi::ColorToQColor(color) : QColorFromRgbValue(color);
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString THTMLcolorDialog::HtmlColorText() const
{
    return HtmlColorText(color_);
}

void THTMLcolorDialog::LoadCustomColors() const
{
    for (int i = 0; i < kCustomSlots; ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    for (const QString& line : customColors_) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString name = line.left(eq).trimmed().toUpper();
        if (eq < 0 || name.size() != 6 || !name.startsWith(QLatin1String("COLOR")))
            continue;
        const int slot = name.back().unicode() - 'A';
        bool ok = false;
        const uint value = line.mid(eq + 1).trimmed().toUInt(&ok, 16);
        if (ok && slot >= 0 && slot < kCustomSlots)
            QColorDialog::setCustomColor(slot, QColorFromRgbValue(value));
    }
}

void THTMLcolorDialog::ReadCustomColors()
{
    customColors_.clear();
    for (int i = 0; i < kCustomSlots; ++i) {
        const QString value = QString::number(ColorFromQColor(QColorDialog::customColor(i)), 16);
        customColors_ << QStringLiteral("Color") + QChar('A' + i) + QLatin1Char('=') +
                             value.rightJustified(6, QLatin1Char('0')).toUpper();
    }
}

bool THTMLcolorDialog::Execute()
{
    LoadCustomColors();
    const QColor initial = tavi::IsSystemColor(color_) ? tavi::ColorToQColor(color_) : QColorFromRgbValue(color_);
    QColorDialog chooser(initial, QApplication::activeWindow());
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    if (chooser.exec() != QDialog::Accepted)
        return false;
    color_ = ColorFromQColor(chooser.selectedColor());
    ReadCustomColors();
    return true;
}
