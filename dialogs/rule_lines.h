// The lines a style rule dialog writes, as data: selector and comment lines, declaration lines in their open and
// closing forms, and the option groups whose order decides which line closes the rule.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class TComboBox;
class TRadioGroup;
class TSpinEdit;

namespace tavi {

// The line that opens a rule, from the selector edits exactly as typed: "P.note {",
// ".note {", "P {". None when neither the element nor the class is chosen.
std::optional<QString> SelectorLine(bool element, const QString& elementText, bool cls, const QString& classText);

// The comment written after a rule: "  /*" + text + "*/", the text as typed.
inline QString CommentLine(const QString& text)
{
    return QStringLiteral("  /*") + text + QStringLiteral("*/");
}

// One declaration line in its two forms: `open` when a later group of the rule is on,
// `closing` when the line ends the rule.
struct TRuleLine {
    QString open;
    QString closing;
    bool operator==(const TRuleLine&) const = default;
};

// The usual line: body + ";" or body + " }".
inline TRuleLine Line(const QString& body)
{
    return {body + QLatin1Char(';'), body + QStringLiteral(" }")};
}

// A line with endings of its own, such as " ;" and "}" or "%;" and "% }".
inline TRuleLine Line(const QString& body, const QString& openEnd, const QString& closingEnd)
{
    return {body + openEnd, body + closingEnd};
}

// A line that closes the rule whatever follows it.
inline TRuleLine ClosingLine(const QString& text)
{
    return {text, text};
}

using TRuleLines = std::vector<TRuleLine>;

// Sets controls from a value as a dialog writes it; false, changing nothing, when they cannot
// show it exactly (a unit the list lacks, a keyword the group lacks...).
using TTake = std::function<bool(const QString& value)>;

// How an option group reads one property back: its name, what takes the value, and the radio
// button of the group that chooses this way of writing it (none: the group's switch alone).
struct TPropertyReading {
    QString Property;
    TTake Take;
    QAbstractButton* Choice = nullptr;
};

// An option group of a dialog: the check box or radio button that turns it on, the lines it
// writes while on (none when its choice is left empty), the properties it reads back, and
// what empties its fields before a rule is read into it (so that what the rule lacks is
// not written).
struct TOptionGroup {
    QAbstractButton* Switch;
    std::function<TRuleLines()> Lines;
    std::vector<TPropertyReading> Readings = {};
    std::function<void()> Empty = {};
};

// The declarations of groups in order, then `kept` (declarations the dialog cannot show,
// as written), and the rule's end. Only groups whose switch is on write. Within a group
// every line but the last takes its open form; the group's last line takes its closing form
// unless the switch of a later group is on (whether or not that group writes anything) or
// declarations are kept. When the last line written is left open (or none is written), a
// line "}" closes the rule, so that it never swallows the next rule.
QStringList Declarations(const std::vector<TOptionGroup>& groups, const QStringList& kept = {});

// The line that closes a rule its declarations left open.
inline const QString kRuleEndLine = QStringLiteral("}");

// One declaration, head + value, in its two forms; none when the value is blank.
TRuleLines Declaration(const QString& head, const QString& value);

// The line for the chosen item of a radio group: body + keywords[item] + the endings; no
// line while no item is chosen.
TRuleLines KeywordLine(const QString& body, const TRadioGroup* group, const QStringList& keywords,
                       const QString& openEnd = QStringLiteral(";"), const QString& closingEnd = QStringLiteral(" }"));

// A list's text; empty while it still shows its prompt, which is no value.
QString ListText(const TComboBox* list);

// A spin edit's text when it is a number; empty otherwise (an emptied box, a lone "-").
QString Number(const TSpinEdit* value);

// A length as written: the spin edit's number directly followed by the unit box's text,
// "inch" written "in"; empty when the box holds no number.
QString Length(const TSpinEdit* value, const TComboBox* unit);

// The sides of a box, and the orders in which the dialogs write them.
enum TSide { sdTop, sdRight, sdBottom, sdLeft };
using TSideOrder = std::array<TSide, 4>;
inline constexpr TSideOrder kMarginSideOrder{sdTop, sdRight, sdLeft, sdBottom};
inline constexpr TSideOrder kBorderSideOrder{sdTop, sdBottom, sdRight, sdLeft};
// "top", "right", "bottom" or "left".
QString SideName(TSide side);

// Up to four lines "  " + prefix + "-" + side + suffix + " : " + value(side), in `order`,
// e.g. "  margin-top : 0px;" or "  border-top-color : #FF0000;"; a side whose value is
// blank writes no line.
TRuleLines SideLines(const QString& prefix, const QString& suffix, const TSideOrder& order,
                     const std::function<QString(TSide)>& value);

}  // namespace tavi
