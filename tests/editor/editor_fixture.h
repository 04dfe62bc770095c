// What the editor widget tests share: the main window's editor shown offscreen, rendered into an image cell by cell.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <string>

#include "app/main_editor_setup.h"
#include "editor/editor.h"

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ConfigureMainEditor(&editor);
        editor.resize(400, 200);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    void SetText(const std::string& bytes) { editor.Lines().SetTextStr(bytes); }

    QImage Render()
    {
        QImage image(editor.viewport()->size(), QImage::Format_RGB32);
        editor.viewport()->render(&image);
        return image;
    }

    // The pixels of cell (row, col) on screen, with `extra` more pixel rows below.
    QRect Cell(int row, int col, int extra = 0) const
    {
        const QPoint p = editor.CellPos(row, col);
        return QRect(p.x(), p.y(), editor.CharWidth(), editor.RowHeight() + extra);
    }

    // Number of pixels of `rect` that are `color` blended with a white background at
    // least half way (antialiased glyph edges count, other hues do not).
    static int CountColor(const QImage& image, const QRect& rect, const QColor& color)
    {
        int n = 0;
        const QRect r = rect.intersected(image.rect());
        const int target[3] = {color.red(), color.green(), color.blue()};
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const int got[3] = {c.red(), c.green(), c.blue()};
                double lo = 1, hi = 0;
                bool fits = true;
                for (int k = 0; k < 3; ++k) {
                    if (target[k] > 235) {
                        fits = fits && got[k] > 235;
                        continue;
                    }
                    const double a = (255.0 - got[k]) / (255.0 - target[k]);
                    lo = std::min(lo, a);
                    hi = std::max(hi, a);
                }
                if (fits && lo >= 0.5 && hi - lo < 0.2)
                    ++n;
            }
        }
        return n;
    }

    bool CellHas(const QImage& image, int row, int col, const QColor& color) const
    {
        return CountColor(image, Cell(row, col), color) > 0;
    }

    TEditor editor;
};
