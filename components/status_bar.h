// A status line divided into panels of fixed widths, each showing one text.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

struct TStatusPanel {
    QString Text;
    int Width = 50;
};

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit TStatusBar(QWidget* parent = nullptr);

    // The panels from left to right; the last one reaches to the right edge whatever its width.
    const std::vector<TStatusPanel>& Panels() const { return panels_; }
    void SetPanels(std::vector<TStatusPanel> panels);

    // Changes the text of panel `index` (ignored when out of range) and repaints that panel only.
    void SetPanelText(int index, const QString& text);

    // The area panel `index` covers in the bar's coordinates; empty when out of range.
    QRect PanelRect(int index) const;

protected:
    // A panel's tooltip is its whole text, for texts longer than the panel.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<TStatusPanel> panels_;
};
