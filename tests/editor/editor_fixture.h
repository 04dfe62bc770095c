// What the editor widget tests share: the main window's editor shown offscreen, rendered into an image cell by cell,
// and driven by keys, the mouse and the input method.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyleHints>
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

    // Sizes the control to show exactly `rows` rows.
    void ShowRows(int rows)
    {
        editor.resize(400, editor.TopMargin() + 5 + rows * editor.RowPitch() + editor.RowPitch() / 2);
        ASSERT_EQ(editor.VisibleRows(), rows);
    }

    // What the window shows on screen, as partial repaints left it.
    QImage OnScreen()
    {
        QApplication::processEvents();
        const QPoint at = editor.viewport()->mapTo(editor.window(), QPoint(0, 0));
        return QGuiApplication::primaryScreen()
            ->grabWindow(editor.window()->winId(), at.x(), at.y(), editor.viewport()->width(),
                         editor.viewport()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The screen must equal a fresh paint of the whole view: nothing smeared, no stale band.
    void ExpectScreenMatchesFreshPaint(const std::string& what)
    {
        const QImage screen = OnScreen();
        const QImage fresh = Render();
        ASSERT_EQ(screen.size(), fresh.size()) << what;
        int differing = 0;
        for (int y = 0; y < fresh.height(); ++y)
            for (int x = 0; x < fresh.width(); ++x)
                differing += screen.pixel(x, y) != fresh.pixel(x, y);
        EXPECT_EQ(differing, 0) << what;
    }

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

// The editor focused in an active window, driven through QtTest's input functions.
class EditorInputTest : public EditorTest {
protected:
    void SetUp() override
    {
        // A steady caret unless a test asks for blinking.
        flashTime_ = QGuiApplication::styleHints()->cursorFlashTime();
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        EditorTest::SetUp();
        editor.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        editor.setFocus();
        ASSERT_TRUE(editor.hasFocus());
    }
    void TearDown() override { QGuiApplication::styleHints()->setCursorFlashTime(flashTime_); }

    std::string Text() const { return editor.Lines().GetTextStr(); }
    std::pair<int, int> Caret() const { return {editor.Core().CaretRow(), editor.Core().CaretCol()}; }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&editor, key, mods); }
    // Types text one key event per character, as a keyboard layout would deliver it.
    void Type(const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, &editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    // The middle of cell (row, col) in viewport coordinates.
    QPoint CellCentre(int row, int col) const
    {
        return editor.CellPos(row, col) + QPoint(editor.CharWidth() / 2, editor.RowHeight() / 2);
    }
    void Click(int row, int col) { QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, CellCentre(row, col)); }
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(editor.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(editor.viewport(), to);
        QTest::mouseRelease(editor.viewport(), Qt::LeftButton, {}, to);
    }

    // Pixels of the caret's rectangle that the caret inverts, found by rendering with and
    // without it; no pixel outside the rectangle may change.
    int CaretPixels()
    {
        QApplication::processEvents();
        const QImage with = Render();
        editor.HideCaret();
        const QImage without = Render();
        editor.ShowCaret();
        int inverted = 0;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                const QRgb a = with.pixel(x, y);
                const QRgb b = without.pixel(x, y);
                if (editor.CaretRect().contains(x, y))
                    inverted += a == qRgb(255 - qRed(b), 255 - qGreen(b), 255 - qBlue(b));
                else
                    EXPECT_EQ(a, b) << "outside the caret at " << x << "," << y;
            }
        }
        return inverted;
    }

private:
    int flashTime_ = 0;
};
