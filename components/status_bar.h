// A status line divided into panels of fixed widths, each showing one text.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

struct TStatusPanel {
    QString Text;
    int Width = 50;
    // A growing panel widens beyond Width to show its whole text, as far as the room left
    // once the last panel has the width of its own text.
    bool Grows = false;
    // A fitting panel is as wide as its text, Width at least.
    bool Fits = false;
    // A yielding last panel reserves no room: it has what the others leave, and the room
    // shrinking panels have beyond their texts while its own text lacks room.
    bool Shrinks = false;
    bool Yields = false;
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
    // The width each panel takes now, its growth included.
    std::vector<int> PanelWidths() const;
    // The width a panel needs to show its whole text.
    int TextWidth(int index) const;

    std::vector<TStatusPanel> panels_;
};
