// The completion list of the editor control: property names where a property is named, the property's keywords in its
// value.
#pragma once

#include <QObject>
#include <string>
#include <vector>

class QKeyEvent;
class QListWidget;
class TEditor;

// A list under the caret that never takes the focus: typing goes on in the editor and narrows
// it; Up, Down, Page Up and Page Down choose, Enter or Tab writes the choice over the word
// typed so far (one undo step), Escape closes it, as does a caret moved elsewhere.
class TCompletionPopup : public QObject {
    Q_OBJECT
public:
    explicit TCompletionPopup(TEditor& editor);

    bool Visible() const;
    QListWidget* List() const { return list_; }
    // Shows the completions for the word at the caret, or closes the list when there are
    // none. `asked`: the user asked for them (Ctrl+Space), so a property name may be empty yet.
    void Update(bool asked);
    void Close();
    // A key pressed while the list shows: true when the list took it.
    bool HandleKey(const QKeyEvent& key);

    // The words offered for a place of a sheet: `before` is the text from an earlier line
    // up to the caret, `property` says whether a property is being named there (else a value).
    static std::vector<std::string> Completions(const std::string& before, bool property, bool asked,
                                                std::size_t* wordLength);

private:
    void Accept();

    TEditor& editor_;
    QListWidget* list_;
    int row_ = 0;
    int wordStart_ = 0;  // byte where the word being completed begins
};
