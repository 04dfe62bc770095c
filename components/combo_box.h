// An editable drop-down list whose ItemIndex is -1 unless the user picked an item.
#pragma once

#include <QComboBox>

class TComboBox : public QComboBox {
    Q_OBJECT
public:
    // `text` is shown at first with no item chosen.
    TComboBox(const QStringList& items, const QString& text, QWidget* parent = nullptr);

    // What the box shows, typed or picked.
    QString Text() const { return currentText(); }
    void SetText(const QString& text);

    // Shows `prompt`, a hint such as "Font Name" that is no value of its own.
    void SetPrompt(const QString& prompt);
    // Whether the box still shows its prompt, untouched or typed back.
    bool ShowsPrompt() const { return !prompt_.isEmpty() && currentText() == prompt_; }

    // The picked item; -1 when none was picked or the text was edited since.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

private:
    // Makes assistive technologies speak every box by its own name (once per program).
    static void InstallAccessibility();

    int itemIndex_ = -1;
    QString prompt_;
};
