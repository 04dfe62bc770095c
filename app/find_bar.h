// The find bar at the foot of the main window: finding forwards and backwards, replacing, and the bar's notes.
#pragma once

#include <QFrame>

#include "editor/document_search.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TEditor;

// Works on the editor it is given. Enter finds the next match and Shift+Enter the previous
// one, Enter in the replacement box replaces, Escape closes the bar; what the search found
// or could not find is told in the bar itself, never in a message box. Keys typed in the
// bar's boxes stay in them: the editing keys of the window (Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+D,
// Ctrl+Z, Ctrl+Y, Ctrl+A) act on the box, not on the document.
class TFindBar : public QFrame {
    Q_OBJECT
public:
    explicit TFindBar(TEditor* editor, QWidget* parent = nullptr);

    QLabel* FindLabel;
    QLineEdit* FindEdit;
    QPushButton* PreviousButton;
    QPushButton* NextButton;
    QLabel* NoteLabel;
    QToolButton* CloseButton;
    QLabel* ReplaceLabel;
    QLineEdit* ReplaceEdit;
    QPushButton* ReplaceButton;
    QPushButton* ReplaceAllButton;
    QCheckBox* MatchCaseBox;
    QCheckBox* WholeWordBox;
    QCheckBox* RegexBox;

    // Shows the bar for finding only, or with the replacement row. A non-empty `text`
    // becomes what to find; the find box takes the focus with its text selected.
    void OpenFind(const QString& text);
    void OpenReplace(const QString& text);
    // Hides the bar and gives the focus back to the editor.
    void Close();
    bool Replacing() const { return replacing_; }
    QString Note() const;

public slots:
    void FindNext();
    void FindPrevious();
    // Replaces the selected match, then selects the next one; a selection that is no match
    // is left alone and the next match is selected.
    void ReplaceOne();
    void ReplaceAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Open(const QString& text, bool replacing);
    // Gives the search the bar's options; false, with the reason in the note, when there is
    // nothing to search for.
    bool TakeOptions();
    bool TakeReplacement();
    // Tells in the note why the last search found or replaced nothing.
    void ShowFailure();
    void Show(const std::optional<tavi::TDocumentSearch::TFound>& found, const QString& wrapNote);
    void Select(tavi::TTextMatch match);
    // Writes the note; a problem shows in the error colour.
    void SetNote(const QString& text, bool problem = false);

    TEditor* editor_;
    tavi::TDocumentSearch search_;
    bool replacing_ = false;
};
