// The selector group of a style rule dialog: element and class check boxes with their edits.
#pragma once

#include <QGroupBox>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

// What unticking a selector box does to its edit; each dialog has one of these.
enum TSelectorEditBehaviour {
    sbDisableAndClear,  // edits start disabled; unticking disables and clears, ticking enables
    sbClear,            // edits start enabled; unticking clears the edit
    sbNone,             // edits start enabled; the boxes change nothing
    sbDisableKeepText,  // edits start disabled; unticking disables and keeps the text, ticking enables
};

// A group box captioned "セレクター（選択部）": "要素" + element edit, "クラス" + class edit,
// and a label that says the style applies to them.
class TSelectorGroup : public QGroupBox {
    Q_OBJECT
public:
    TSelectorGroup(const QString& appliesText, TSelectorEditBehaviour behaviour, QWidget* parent = nullptr);

    QCheckBox* ElementBox;
    QLineEdit* ElementEdit;
    QCheckBox* ClassBox;
    QLineEdit* ClassEdit;
    QLabel* AppliesLabel;

    // The rule's opening line from the ticked boxes' edits; none when no box is ticked.
    // An edit whose box is unticked is never read.
    std::optional<QString> SelectorLine() const;

private:
    void FollowBox(QLineEdit* edit, bool ticked);

    TSelectorEditBehaviour behaviour_;
};
