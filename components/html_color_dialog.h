// The colour chooser that gives its colour as HTML hexadecimal text ("#RRGGBB").
#pragma once

#include <QObject>
#include <QStringList>
#include <cstdint>

#include "platform/colors.h"

class QWidget;

// Options of the chooser. The platform chooser always shows its custom colour part,
// so they are kept for the forms that set them rather than acted on.
enum TColorDialogOption : std::uint8_t {
    cdFullOpen = 1 << 0,
    cdPreventFullOpen = 1 << 1,
    cdShowHelp = 1 << 2,
    cdSolidColor = 1 << 3,
    cdAnyColor = 1 << 4,
};
using TColorDialogOptions = std::uint8_t;

class THTMLcolorDialog : public QObject {
    Q_OBJECT
public:
    explicit THTMLcolorDialog(QObject* owner = nullptr);

    // The colour selected when the chooser opens, and the chosen one after OK. Black at first;
    // kept between openings.
    tavi::TColor Color() const { return color_; }
    void SetColor(tavi::TColor color) { color_ = color; }

    // The 16 custom slots as "ColorA=BBGGRR" … "ColorP=BBGGRR" lines (hexadecimal TColor
    // values); slots without a line start white.
    QStringList CustomColors() const { return customColors_; }
    void SetCustomColors(const QStringList& lines) { customColors_ = lines; }

    TColorDialogOptions Options() const { return options_; }
    void SetOptions(TColorDialogOptions options) { options_ = options; }
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on) { ctl3D_ = on; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    // Runs the chooser modally. True on OK, with Color and CustomColors updated; false
    // on Cancel with nothing changed.
    bool Execute();

    // Color as "#" + red + green + blue, two upper-case hexadecimal digits each; a system
    // colour gives the colour the application's palette uses for it now.
    QString HtmlColorText() const;

    // The same for any colour value.
    static QString HtmlColorText(tavi::TColor color);

private:
    void LoadCustomColors() const;
    void ReadCustomColors();

    tavi::TColor color_ = tavi::clBlack;
    QStringList customColors_;
    TColorDialogOptions options_ = 0;
    bool ctl3D_ = true;
    int helpContext_ = 0;
};
