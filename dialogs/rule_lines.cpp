// The shapes of the lines a style rule dialog writes: selector, terminator and comment.
#include "dialogs/rule_lines.h"

namespace tavi {

std::optional<QString> SelectorLine(bool element, const QString& elementText, bool cls, const QString& classText)
{
    if (!element && !cls)
        return std::nullopt;
    QString line;
    if (element)
        line += elementText;
    if (cls)
        line += QLatin1Char('.') + classText;
    return line + QStringLiteral(" {");
}

}  // namespace tavi
