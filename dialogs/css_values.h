// How a value typed or picked in a style rule dialog is written so that a browser accepts it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tavi {

// The unit as CSS spells it: the unit lists' "inch" is "in"; any other text as it stands.
QString CssUnit(const QString& unit);

// Whether `text` is a CSS number: an optional sign, then digits with an optional
// fraction, or a fraction alone ("12", "-3", "+1.5", ".5"; not "", "-", "1.", "1e3").
bool IsCssNumber(const QString& text);

// A quoted CSS string: `text` between double quotes, with `"` and `\` escaped and
// control characters written as hexadecimal escapes.
QString CssString(const QString& text);

// A url() function for a file name or URL: bare when every character may stand in an
// unquoted url ("url(sky.jpg)", "url()" for an empty text), otherwise a quoted string
// ("url(\"my sky.jpg\")").
QString CssUrl(const QString& url);

// The text of the quoted string (as CssString writes it, or in single quotes) at `start` of
// `value`, and in `end` where it ends; none when no string starts there.
std::optional<QString> CssStringText(const QString& value, qsizetype start, qsizetype* end);

// The file name or URL of the url() that `value` starts with, as CssUrl writes it (bare or a
// quoted string with escapes), and in `end` where it ends; none when `value` starts otherwise.
std::optional<QString> CssUrlText(const QString& value, qsizetype* end);

// The font-family value for a family name picked or typed in the font list: the
// toolkit's aliases "Sans Serif", "Serif" and "Monospace" are the generic families;
// a name made of plain identifiers, or a list the user typed that is already valid CSS,
// stands as it is; any other name is quoted. Empty for a blank name.
QString CssFontFamily(const QString& name);

}  // namespace tavi
