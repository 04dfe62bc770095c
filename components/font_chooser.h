// The font chooser the customisation dialog uses: fixed-pitch fonts only, with an Apply button.
#pragma once

#include <QFont>
#include <QObject>
#include <functional>

class TFontDialog : public QObject {
    Q_OBJECT
public:
    explicit TFontDialog(QObject* owner = nullptr);

    // The font shown selected when the chooser opens, and the chosen one after OK.
    QFont Font() const { return font_; }
    void SetFont(const QFont& font) { font_ = font; }

    // Runs the chooser modally, listing fixed-pitch fonts only. True on OK, with Font()
    // the chosen font; false on Cancel with nothing changed.
    bool Execute();

    // Called with the font the chooser shows when its Apply button ("適用(&A)") is pressed.
    std::function<void(const QFont&)> OnApply;

private:
    QFont font_;
};
