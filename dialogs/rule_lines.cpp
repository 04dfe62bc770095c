// The lines a style rule dialog writes, as data: selector and comment lines, declaration lines in their open and
// closing forms, and the option groups whose order decides which line closes the rule.
#include "dialogs/rule_lines.h"

#include <QAbstractButton>

#include "components/combo_box.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/css_values.h"

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

QStringList Declarations(const std::vector<TOptionGroup>& groups, const QStringList& kept)
{
    QStringList out;
    bool closed = false;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (!groups[g].Switch->isChecked())
            continue;
        bool laterOn = !kept.isEmpty();
        for (std::size_t later = g + 1; later < groups.size() && !laterOn; ++later)
            laterOn = groups[later].Switch->isChecked();
        const TRuleLines lines = groups[g].Lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            closed = i + 1 == lines.size() && !laterOn;
            out << (closed ? lines[i].closing : lines[i].open);
        }
    }
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const TRuleLine line = Line(QStringLiteral("  ") + kept[i]);
        closed = i + 1 == kept.size();
        out << (closed ? line.closing : line.open);
    }
    if (!closed)
        out << kRuleEndLine;
    return out;
}

TRuleLines Declaration(const QString& head, const QString& value)
{
    if (value.trimmed().isEmpty())
        return {};
    return {Line(head + value)};
}

TRuleLines KeywordLine(const QString& body, const TRadioGroup* group, const QStringList& keywords,
                       const QString& openEnd, const QString& closingEnd)
{
    const int item = group->ItemIndex();
    if (item < 0 || item >= keywords.size())
        return {};
    return {Line(body + keywords[item], openEnd, closingEnd)};
}

QString ListText(const TComboBox* list)
{
    return list->ShowsPrompt() ? QString() : list->Text();
}

QString Number(const TSpinEdit* value)
{
    return IsCssNumber(value->Text()) ? value->Text() : QString();
}

QString Length(const TSpinEdit* value, const TComboBox* unit)
{
    const QString number = Number(value);
    return number.isEmpty() ? QString() : number + CssUnit(unit->Text());
}

QString SideName(TSide side)
{
    static const char* const kSideNames[] = {"top", "right", "bottom", "left"};
    return QLatin1String(kSideNames[side]);
}

TRuleLines SideLines(const QString& prefix, const QString& suffix, const TSideOrder& order,
                     const std::function<QString(TSide)>& value)
{
    TRuleLines lines;
    for (const TSide side : order) {
        const QString text = value(side);
        if (text.trimmed().isEmpty())
            continue;
        lines.push_back(Line(QStringLiteral("  ") + prefix + QLatin1Char('-') + SideName(side) + suffix +
                             QStringLiteral(" : ") + text));
    }
    return lines;
}

}  // namespace tavi
