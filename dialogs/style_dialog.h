// What every style rule dialog shares: its frame, the OK and Cancel buttons, and how its rule is written.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class TBitBtn;
class TSelectorGroup;

// Where a dialog's lines go: each call appends one whole line after the last line of the
// document, whatever the caret or selection.
using TLineSink = std::function<void(const QString& line)>;

// The message shown when OK is pressed with no selector.
inline const QString kSelectorMissingText =
    QStringLiteral("セレクターにタグかクラスを指定してから、スタイルを指定し、ＯＫボタンを押してください");
inline const QString kDialogMessageCaption = QStringLiteral("Information from TAVI");

// A fixed-size dialog centred on the screen in the form font. A derived dialog builds its
// controls, registers its selector group, comment option and buttons, and gives its
// declarations; OK then writes the rule:
//   selector line, the declarations, the comment line (when ticked), one sink call each,
// and closes. With no selector, OK shows the selector message and changes nothing.
// Enter and Escape press no button and Escape does not close the dialog.
class TStyleDialog : public QDialog {
    Q_OBJECT
public:
    TStyleDialog(const QString& caption, QSize clientSize, TLineSink sink, QWidget* parent = nullptr);

    // Every line OK would write, in order; none when no selector is chosen.
    std::optional<QStringList> RuleLines() const;

protected:
    // The declaration lines of the rule in the dialog's order, each ending in its
    // terminator; empty when no option is chosen (the rule then stays open).
    virtual QStringList Declarations() const = 0;

    void SetSelectorGroup(TSelectorGroup* group) { selectorGroup_ = group; }

    // Registers the comment box and its edit; the edit follows the box from its first click.
    void SetCommentOption(QCheckBox* box, QLineEdit* edit, bool editStartsEnabled = false);

    // The "&OK" and "&Cancel" buttons at the given places.
    TBitBtn* MakeOkButton(QPoint pos);
    TBitBtn* MakeCancelButton(QPoint pos);

    // OK: writes the rule and closes, or shows the selector message.
    void AppendRuleAndClose();

    void keyPressEvent(QKeyEvent* event) override;

private:
    TLineSink sink_;
    TSelectorGroup* selectorGroup_ = nullptr;
    QCheckBox* commentBox_ = nullptr;
    QLineEdit* commentEdit_ = nullptr;
};
