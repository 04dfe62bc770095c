// Reading a rule back into a style rule dialog.
#include "dialogs/rule_reading.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRegularExpression>

#include "components/combo_box.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "css/css_declarations.h"
#include "css/css_rules.h"
#include "dialogs/css_values.h"
#include "dialogs/rule_lines.h"

namespace tavi {

namespace {

// The dynamic property a unit list keeps the unit read into it under, while a rule is read.
constexpr char kTakenUnit[] = "taviTakenUnit";

bool IsName(const QString& text)
{
    static const QRegularExpression name(QStringLiteral("^-?[A-Za-z_][A-Za-z0-9_-]*$"));
    return name.match(text).hasMatch();
}

// The list's item that spells `unit` (its "inch" is "in" in CSS), or -1.
int UnitItem(const TComboBox* list, const QString& unit)
{
    for (int i = 0; i < list->count(); ++i) {
        if (CssUnit(list->itemText(i)).compare(unit, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

}  // namespace

std::optional<TReadRule> ReadRuleText(const QString& text)
{
    const std::string bytes = text.toStdString();
    const std::vector<TCssStyleRule> rules = CssStyleRulesOf(bytes, TTextEncoding::Utf8);
    const TCssStyleRule* first = nullptr;
    for (const TCssStyleRule& rule : rules) {
        if (!first || rule.Begin < first->Begin)
            first = &rule;
    }
    if (!first)
        return std::nullopt;
    const auto piece = [&](int from, int to) { return QString::fromStdString(bytes.substr(from, to - from)); };
    TReadRule read;
    read.Selector = piece(first->Begin, first->Open).trimmed();
    read.Begin = piece(0, first->Begin).size();
    read.End = piece(0, first->End).size();
    // The rule's own declarations: not those of a rule nested in it.
    std::vector<std::pair<int, int>> nested;
    for (const TCssStyleRule& rule : rules) {
        if (&rule != first && rule.Begin > first->Open && rule.End <= first->End)
            nested.emplace_back(rule.Begin, rule.End);
    }
    for (const TCssDeclaration& d : CssDeclarationsOf(bytes, TTextEncoding::Utf8)) {
        const bool inRule = d.Begin > first->Open && d.End <= first->End;
        const bool inNested = std::any_of(nested.begin(), nested.end(), [&](const auto& range) {
            return d.Begin >= range.first && d.Begin < range.second;
        });
        if (!inRule || inNested)
            continue;
        read.Declarations.push_back({piece(d.Begin, d.NameEnd),
                                     d.ValueBegin < 0 ? QString() : piece(d.ValueBegin, d.ValueEnd), d.Important,
                                     piece(d.Begin, d.End)});
    }
    // A comment alone on the line after the rule, as the dialogs write it.
    static const QRegularExpression comment(QStringLiteral("^[ \\t]*\\r?\\n  /\\*(.*)\\*/[ \\t]*(?=\\r?\\n|$)"));
    const QRegularExpressionMatch m = comment.match(piece(first->End, static_cast<int>(bytes.size())));
    if (m.hasMatch() && !m.captured(1).contains(QStringLiteral("*/"))) {
        read.Comment = m.captured(1);
        read.End += m.capturedLength(0);
    }
    return read;
}

std::optional<std::pair<QString, QString>> SelectorParts(const QString& selector)
{
    const QString s = selector.trimmed();
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    const QString element = dot < 0 ? s : s.left(dot);
    const QString cls = dot < 0 ? QString() : s.mid(dot + 1);
    if ((element.isEmpty() && cls.isEmpty()) || (!element.isEmpty() && !IsName(element)) || (dot >= 0 && !IsName(cls)))
        return std::nullopt;
    return std::pair{element, cls};
}

TField LengthField(TSpinEdit* value, TComboBox* unit)
{
    return {
        [value, unit] { return Length(value, unit); },
        [value, unit](const QString& text) {
            static const QRegularExpression length(QStringLiteral("^([+-]?(?:[0-9]+(?:\\.[0-9]+)?|\\.[0-9]+))(\\S*)$"));
            const QRegularExpressionMatch m = length.match(text.trimmed());
            if (!m.hasMatch())
                return false;
            // A unit the list holds is chosen ("in" is its "inch"); another is typed into it.
            const int item = UnitItem(unit, m.captured(2));
            const QString shown = item >= 0 ? unit->itemText(item) : m.captured(2);
            const QVariant taken = unit->property(kTakenUnit);
            if (taken.isValid() && taken.toString() != shown)
                return false;
            unit->setProperty(kTakenUnit, shown);
            if (item >= 0)
                unit->SetItemIndex(item);
            else
                unit->SetText(shown);
            value->SetText(m.captured(1));
            return true;
        },
        [value] { value->SetText(QString()); }};
}

TField NumberField(TSpinEdit* value)
{
    return {[value] { return Number(value); },
            [value](const QString& text) {
                if (!IsCssNumber(text.trimmed()))
                    return false;
                value->SetText(text.trimmed());
                return true;
            },
            [value] { value->SetText(QString()); }};
}

TField TextField(QLineEdit* edit)
{
    return {[edit] { return edit->text(); },
            [edit](const QString& text) {
                edit->setText(text);
                return true;
            },
            [edit] { edit->clear(); }};
}

TField TextField(TComboBox* list)
{
    return {[list] { return list->Text(); },
            [list](const QString& text) {
                list->SetText(text);
                return true;
            },
            [list] { list->SetText(QString()); }};
}

TField ListField(TComboBox* list)
{
    return {[list] { return ListText(list); },
            [list](const QString& text) {
                list->SetText(text);
                return true;
            },
            [list] { list->SetText(QString()); }};
}

TField KeywordField(TRadioGroup* group, const QStringList& keywords)
{
    return {[group, keywords] {
                const int item = group->ItemIndex();
                return item >= 0 && item < keywords.size() ? keywords[item] : QString();
            },
            [group, keywords](const QString& text) {
                for (int i = 0; i < keywords.size(); ++i) {
                    if (keywords[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
                        group->SetItemIndex(i);
                        return true;
                    }
                }
                return false;
            },
            [group] { group->SetItemIndex(-1); }};
}

QString PropertyOfHead(const QString& head)
{
    QString name = head.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

TOptionGroup DeclarationGroup(QAbstractButton* on, const QString& head, const TField& field)
{
    return {on, [head, text = field.Text] { return Declaration(head, text()); }, {{PropertyOfHead(head), field.Take}}};
}

TOptionGroup KeywordGroup(QAbstractButton* on, const QString& body, TRadioGroup* group, const QStringList& keywords,
                          const QString& openEnd, const QString& closingEnd)
{
    return {on,
            [=] { return KeywordLine(body, group, keywords, openEnd, closingEnd); },
            {{PropertyOfHead(body), KeywordField(group, keywords).Take}}};
}

std::vector<TPropertyReading> SideReadings(const QString& prefix, const QString& suffix,
                                           const std::function<TField(TSide)>& field, QAbstractButton* choice)
{
    std::vector<TPropertyReading> readings;
    for (const TSide side : {sdTop, sdRight, sdBottom, sdLeft})
        readings.push_back({prefix + QLatin1Char('-') + SideName(side) + suffix, field(side).Take, choice});
    return readings;
}

TOptionGroup SidesOrAllGroup(QAbstractButton* on, const QString& prefix, const QString& suffix, const TSideOrder& order,
                             const std::array<TField, 4>& sides, QAbstractButton* sidesChoice, const QString& allHead,
                             const TField& all, QAbstractButton* allChoice)
{
    std::vector<TPropertyReading> readings = SideReadings(
        prefix, suffix, [&sides](TSide side) { return sides[side]; }, sidesChoice);
    readings.push_back({PropertyOfHead(allHead), all.Take, allChoice});
    return {on,
            [=] {
                if (sidesChoice->isChecked())
                    return SideLines(prefix, suffix, order, [&](TSide side) { return sides[side].Text(); });
                if (allChoice->isChecked())
                    return Declaration(allHead, all.Text());
                return TRuleLines{};
            },
            std::move(readings),
            [sides] {
                for (const TField& side : sides)
                    side.Clear();
            }};
}

void ForgetTakenUnits(const QList<TComboBox*>& lists)
{
    for (TComboBox* list : lists)
        list->setProperty(kTakenUnit, QVariant());
}

}  // namespace tavi
