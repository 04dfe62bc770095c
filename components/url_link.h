// A text label that behaves as a hyperlink: it changes colour under the mouse, shows its target in a floating hint,
// and hands its target to the desktop on a left click.
#pragma once

#include <QFont>
#include <QLabel>
#include <QUrl>
#include <functional>

#include "platform/colors.h"

enum TURLtype { tpURL, tpMAIL };

class TURLLink : public QLabel {
    Q_OBJECT
public:
    explicit TURLLink(QWidget* parent = nullptr);
    ~TURLLink() override;

    TURLtype URLType() const { return urlType_; }
    void SetURLType(TURLtype type) { urlType_ = type; }
    QString Link() const { return link_; }
    void SetLink(const QString& link) { link_ = link; }
    // The text colour while the mouse is over the label; FontColor is the colour otherwise.
    tavi::TColor LinkColor() const { return linkColor_; }
    void SetLinkColor(tavi::TColor color) { linkColor_ = color; }
    tavi::TColor FontColor() const { return fontColor_; }
    void SetFontColor(tavi::TColor color);
    bool EnableShowHint() const { return enableShowHint_; }
    void SetEnableShowHint(bool on) { enableShowHint_ = on; }
    tavi::TColor HintFormColor() const { return hintFormColor_; }
    void SetHintFormColor(tavi::TColor color) { hintFormColor_ = color; }
    QFont HintFormFont() const { return hintFormFont_; }
    void SetHintFormFont(const QFont& font) { hintFormFont_ = font; }
    int HintOffsetX() const { return hintOffset_.x(); }
    void SetHintOffsetX(int x) { hintOffset_.setX(x); }
    int HintOffsetY() const { return hintOffset_.y(); }
    void SetHintOffsetY(int y) { hintOffset_.setY(y); }

    // The address a left click opens: "mailto:" + Link for a mail address, else Link.
    QUrl Target() const;
    // The floating window that shows Link next to the cursor.
    QLabel* HintForm() const { return hint_; }

    // How a target is handed to the desktop (its web browser or mail program). Tests put
    // their own in place.
    static std::function<void(const QUrl&)> ShellOpen;

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowColor(tavi::TColor color);

    TURLtype urlType_ = tpURL;
    QString link_ = QStringLiteral("http://");
    tavi::TColor linkColor_ = tavi::clRed;
    tavi::TColor fontColor_ = tavi::clBlue;
    bool enableShowHint_ = true;
    tavi::TColor hintFormColor_ = tavi::clInfoBk;
    QFont hintFormFont_;
    QPoint hintOffset_{15, 15};
    QLabel* hint_;
};
