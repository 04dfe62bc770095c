// Maps the design's font names to the Japanese faces installed on this machine.
#include "platform/font_names.h"

#include <QStringList>

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

QFont FormFont(int pixelSize)
{
    QFont font(kFormFontName);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace tavi
