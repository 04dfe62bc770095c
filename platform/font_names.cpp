// Maps the font names the forms and settings use to the Japanese faces installed on this machine.
#include "platform/font_names.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <algorithm>

namespace tavi {

void InstallFontSubstitutions()
{
    // Proportional and fixed IPA faces under both their English and Japanese family names;
    // the generic families are the last resort when no IPA font is installed.
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                                   QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Sans Serif")};
    const QStringList fixed{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                            QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Monospace")};
    QFont::insertSubstitutions(kFormFontName, proportional);
    QFont::insertSubstitutions(kFixedGothicFontName, fixed);
    QFont::insertSubstitutions(kFixedSysFontName, fixed);
}

QStringList InstalledFontFamilies()
{
    // The toolkit names a family "C059 [urw]" when more than one foundry offers it.
    const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family))
            families << QString(family).remove(foundry).trimmed();
    }
    families.removeAll(QString());
    families.removeDuplicates();
    std::sort(families.begin(), families.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return families;
}

QStringList FixedPitchFontFamilies()
{
    // Measured rather than asked: the font system's pitch flag is not kept for every
    // family, and a family that only falls back to another face is left out.
    QStringList fixed;
    for (const QString& family : InstalledFontFamilies()) {
        QFont font(family);
        font.setPixelSize(16);
        if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) != 0)
            continue;
        const QFontMetricsF metrics(font);
        const qreal width = metrics.horizontalAdvance(QLatin1Char('M'));
        if (width > 0 && metrics.horizontalAdvance(QLatin1Char('i')) == width &&
            metrics.horizontalAdvance(QLatin1Char('.')) == width &&
            metrics.horizontalAdvance(QLatin1Char('W')) == width)
            fixed << family;
    }
    return fixed;
}

QFont FormFont(int pixelSize)
{
    QFont font(kFormFontName);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace tavi
