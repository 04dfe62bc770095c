// The shapes of the lines a style rule dialog writes: selector, terminator and comment.
#pragma once

#include <QString>
#include <optional>

namespace tavi {

// The line that opens a rule, from the selector edits exactly as typed: "P.note {",
// ".note {", "P {". None when neither the element nor the class is chosen.
std::optional<QString> SelectorLine(bool element, const QString& elementText, bool cls, const QString& classText);

// How a declaration ends: " }" when it is the rule's last, ";" otherwise.
inline QString Terminator(bool last)
{
    return last ? QStringLiteral(" }") : QStringLiteral(";");
}

// The comment written after a rule: "  /*" + text + "*/", the text as typed.
inline QString CommentLine(const QString& text)
{
    return QStringLiteral("  /*") + text + QStringLiteral("*/");
}

}  // namespace tavi
