// The lines a style rule dialog writes, as data: selector and comment lines, declaration lines in their open and
// closing forms, and the option groups whose order decides which line closes the rule.
#include "dialogs/rule_lines.h"

#include <QAbstractButton>

#include "components/combo_box.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"

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

QStringList Declarations(const std::vector<TOptionGroup>& groups)
{
    QStringList out;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (!groups[g].Switch->isChecked())
            continue;
        bool laterOn = false;
        for (std::size_t later = g + 1; later < groups.size() && !laterOn; ++later)
            laterOn = groups[later].Switch->isChecked();
        const TRuleLines lines = groups[g].Lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool closes = i + 1 == lines.size() && !laterOn;
            out << (closes ? lines[i].closing : lines[i].open);
        }
    }
    return out;
}

TRuleLines KeywordLine(const QString& body, const TRadioGroup* group, const QStringList& keywords,
                       const QString& openEnd, const QString& closingEnd)
{
    const int item = group->ItemIndex();
    if (item < 0 || item >= keywords.size())
        return {};
    return {Line(body + keywords[item], openEnd, closingEnd)};
}

QString Length(const TSpinEdit* value, const TComboBox* unit)
{
    return value->Text() + unit->Text();
}

TRuleLines SideLines(const QString& prefix, const QString& suffix, const TSideOrder& order,
                     const std::function<QString(TSide)>& value)
{
    static const char* const kSideNames[] = {"top", "right", "bottom", "left"};
    TRuleLines lines;
    for (const TSide side : order) {
        lines.push_back(Line(QStringLiteral("  ") + prefix + QLatin1Char('-') + QLatin1String(kSideNames[side]) +
                             suffix + QStringLiteral(" : ") + value(side)));
    }
    return lines;
}

}  // namespace tavi
