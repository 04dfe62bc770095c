// What every style rule dialog shares: its frame, the OK and Cancel buttons, and how its rule is written.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "dialogs/rule_lines.h"
#include "dialogs/rule_reading.h"
#include "dialogs/selector_group.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class TBitBtn;
class TImage;
class TPanel;

// Where a dialog's lines go: each call appends one whole line after the last line of the
// document, whatever the caret or selection.
using TLineSink = std::function<void(const QString& line)>;

// The message shown when OK is pressed with no selector.
inline const QString kSelectorMissingText =
    QStringLiteral("セレクターにタグかクラスを指定してから、スタイルを指定し、ＯＫボタンを押してください");
inline const QString kDialogMessageCaption = QStringLiteral("Information from TAVI");
// The message when the command to edit a rule finds none at the caret.
inline const QString kNoRuleAtCaretText = QStringLiteral("キャレットの位置にスタイルのルールがありません");
// The message when a rule to edit has a selector the selector group cannot show; %1 is the selector.
inline const QString kSelectorNotShownText = QStringLiteral(
    "このルールのセレクター「%1」は、ダイアログのセレクター（要素とクラス）では表せません。"
    "要素名だけ、クラスだけ、または「要素.クラス」のルールを編集できます");

// What a style rule dialog's frame is: everything but its own option controls.
struct TDialogFrame {
    QString Caption;
    QSize ClientSize;
    // The panel across the top: its height, the title picture (a resource path) and the
    // text beside it with its place.
    int HeaderHeight = 150;
    QString TitlePicture;
    QString HeaderText;
    QRect HeaderTextRect;
    // The selector group's place in the panel, what unticking its boxes does, and its label.
    QRect SelectorRect;
    TSelectorEditBehaviour SelectorBehaviour = sbDisableKeepText;
    QString SelectorLabel;
    // The bottom row: the comment box (its edit follows it), OK and Cancel.
    QPoint CommentPos;
    int CommentEditWidth = 170;
    bool CommentEditStartsEnabled = false;
    QPoint OkPos;
    QPoint CancelPos;
    // Seven dialogs have a bitmap OK button; the font dialog a plain one.
    bool OkHasGlyph = true;
};

// A fixed-size dialog centred on the screen in the form font, built from its frame
// description. A derived dialog adds its option controls and lists its option groups;
// OK then writes the rule: the selector line, the declarations, the comment line (when
// ticked), one sink call each, and closes. With no selector, OK shows the selector
// message and changes nothing. Enter and Escape press no button and Escape does not
// close the dialog; Alt with a button's underlined letter presses it.
class TStyleDialog : public QDialog {
    Q_OBJECT
public:
    TStyleDialog(const TDialogFrame& frame, TLineSink sink, QWidget* parent = nullptr);

    // Every line OK would write, in order; none when no selector is chosen.
    std::optional<QStringList> RuleLines() const;

    // Fills the dialog from a rule of the document: the selector group from its selector, each
    // declaration into the first group that writes its property and can show its value (the
    // group's switch and choice turned on, the group's other fields emptied), the comment edit
    // from its comment line. Declarations no group can show (another property, a value the
    // controls lack, "!important") are kept as written, and OK writes them after the dialog's
    // own, inside the rule. False, with nothing changed, when the selector group cannot show
    // the selector.
    bool ReadRule(const tavi::TReadRule& rule);
    // Every property the dialog's groups read back (lower case, each once).
    QStringList ReadableProperties() const;
    // The declarations kept from the rule read.
    const QStringList& KeptDeclarations() const { return kept_; }

    // The frame's controls, which each dialog also holds under its own names.
    TPanel* HeaderPanel() const { return headerPanel_; }
    TImage* TitleImage() const { return titleImage_; }
    QLabel* HeaderLabel() const { return headerLabel_; }
    TSelectorGroup* Selector() const { return selector_; }
    QCheckBox* CommentBox() const { return commentBox_; }
    QLineEdit* CommentEdit() const { return commentEdit_; }
    TBitBtn* OkButton() const { return okButton_; }
    TBitBtn* CancelButton() const { return cancelButton_; }

protected:
    // Gives the frame's controls the names the dialog holds them under.
    void NameFrameControls(TPanel*& panel, TImage*& titleImage, QLabel*& headerText, TSelectorGroup*& selector,
                           QCheckBox*& elementBox, QLineEdit*& elementEdit, QCheckBox*& classBox, QLineEdit*& classEdit,
                           QLabel*& selectorLabel, QCheckBox*& commentBox, QLineEdit*& commentEdit, TBitBtn*& ok,
                           TBitBtn*& cancel) const;

    // The dialog's option groups in the order their lines are written.
    virtual std::vector<tavi::TOptionGroup> OptionGroups() const = 0;

    // Connects OK and Cancel to the dialog's own handlers.
    template <typename Form>
    void ConnectButtons(Form* form, void (Form::*ok)(), void (Form::*cancel)())
    {
        ConnectClicked(okButton_, [form, ok] { (form->*ok)(); });
        ConnectClicked(cancelButton_, [form, cancel] { (form->*cancel)(); });
    }

    // OK: writes the rule and closes, or shows the selector message.
    void AppendRuleAndClose();

    void keyPressEvent(QKeyEvent* event) override;
    // Tab runs as the controls are laid out, from the first showing on, when every
    // dialog has placed its own controls.
    void showEvent(QShowEvent* event) override;

private:
    void OrderTabsAsLaidOut();
    void CreateHeader(const TDialogFrame& frame);
    void CreateBottomRow(const TDialogFrame& frame);
    void ConnectClicked(TBitBtn* button, std::function<void()> handler);

    TLineSink sink_;
    QStringList kept_;
    TPanel* headerPanel_;
    TImage* titleImage_;
    QLabel* headerLabel_;
    TSelectorGroup* selector_;
    QCheckBox* commentBox_;
    QLineEdit* commentEdit_;
    TBitBtn* okButton_;
    TBitBtn* cancelButton_;
    bool tabsOrdered_ = false;
};
