// Reading a rule back into a style rule dialog: the rule as the dialog sees it, and the ways a value goes back into the
// controls it is written from.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "dialogs/rule_lines.h"

class QAbstractButton;
class QLineEdit;
class TComboBox;
class TRadioGroup;
class TSpinEdit;

namespace tavi {

// One declaration of a rule read from the document.
struct TReadDeclaration {
    QString Property;  // as written
    QString Value;     // without "!important"
    bool Important = false;
    QString Text;  // the whole declaration as written, kept when no control can show it
};

// A rule read from the document.
struct TReadRule {
    QString Selector;
    std::vector<TReadDeclaration> Declarations;
    std::optional<QString> Comment;  // the text of a comment line after the rule
    // Where the rule lies in the text it was read from (characters), from its selector to its
    // "}", or to the end of its comment line.
    qsizetype Begin = 0;
    qsizetype End = 0;
};

// The first style rule of `text` (a rule as the document holds it, a comment line after its
// "}" included), as the dialogs read it; none when `text` holds no style rule.
std::optional<TReadRule> ReadRuleText(const QString& text);

// The element and class of a selector the selector group can show ("P.note", ".note", "P"),
// empty for the part it lacks; none for any other selector (several, descendants, ids...).
std::optional<std::pair<QString, QString>> SelectorParts(const QString& selector);

// A value's two ways: as written from the controls, and back into them; and how to empty them
// so that they write nothing.
struct TField {
    std::function<QString()> Text;
    TTake Take;
    std::function<void()> Clear = [] {};
};

// The spin edit's number directly followed by the unit ("inch" written "in"); read back, the
// number and a unit the list holds. Units of one list read in one rule must agree.
TField LengthField(TSpinEdit* value, TComboBox* unit);
// A CSS number in a spin edit.
TField NumberField(TSpinEdit* value);
// An edit's text as it stands.
TField TextField(QLineEdit* edit);
// An editable list's text as it stands.
TField TextField(TComboBox* list);
// An editable list's text, nothing while it shows its prompt.
TField ListField(TComboBox* list);
// The keyword of the chosen item of a radio group (compared without regard to ASCII case).
TField KeywordField(TRadioGroup* group, const QStringList& keywords);

// The property a declaration head names: "  margin : " is "margin".
QString PropertyOfHead(const QString& head);

// A group writing one declaration, `head` + the field's text (none while it is blank), and
// reading its property back into the field.
TOptionGroup DeclarationGroup(QAbstractButton* on, const QString& head, const TField& field);
// A group writing the chosen keyword of `group` as KeywordLine does, and reading it back.
TOptionGroup KeywordGroup(QAbstractButton* on, const QString& body, TRadioGroup* group, const QStringList& keywords,
                          const QString& openEnd = QStringLiteral(";"),
                          const QString& closingEnd = QStringLiteral(" }"));
// How SideLines' four properties ("margin-top", "border-left-color"...) read back, each into
// the field of its side; `choice` is the radio button that picks the sides one by one.
std::vector<TPropertyReading> SideReadings(const QString& prefix, const QString& suffix,
                                           const std::function<TField(TSide)>& field, QAbstractButton* choice);

// A group writing either each side (SideLines with `order`, while `sidesChoice` is on) or one
// value for all sides (`allHead` + its value, while `allChoice` is on), and reading both back.
TOptionGroup SidesOrAllGroup(QAbstractButton* on, const QString& prefix, const QString& suffix, const TSideOrder& order,
                             const std::array<TField, 4>& sides, QAbstractButton* sidesChoice, const QString& allHead,
                             const TField& all, QAbstractButton* allChoice);

// Forgets the units taken by LengthField, before a rule is read.
void ForgetTakenUnits(const QList<TComboBox*>& lists);

}  // namespace tavi
