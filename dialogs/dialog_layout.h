// Small factories that place the style rule dialogs' controls at their fixed positions.
#pragma once

#include <QRect>
#include <QStringList>

class QCheckBox;
class QIcon;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class TCheckGroupBox;
class TComboBox;
class TImage;
class TRadioGroup;
class TSpinEdit;

namespace tavi {

// The units of length the dialogs offer, with and without "%".
inline const QStringList kUnits{"px", "mm", "cm", "inch", "pt", "pc"};
inline const QStringList kUnitsWithPercent{"px", "mm", "cm", "inch", "pt", "pc", "%"};

QLabel* MakeLabel(QWidget* parent, QPoint pos, const QString& text);
QCheckBox* MakeCheckBox(QWidget* parent, const QRect& rect, const QString& caption);
QRadioButton* MakeRadioButton(QWidget* parent, const QRect& rect, const QString& caption);
QLineEdit* MakeEdit(QWidget* parent, const QRect& rect);
// An editable drop-down list showing `text` with no item chosen.
TComboBox* MakeComboBox(QWidget* parent, const QRect& rect, const QStringList& items, const QString& text);
// A spin edit with its range (both 0: unbounded), start value and step.
TSpinEdit* MakeSpinEdit(QWidget* parent, const QRect& rect, int min, int max, int value, int increment = 1);
// A radio group with no item chosen, its items filling `columns` columns.
TRadioGroup* MakeRadioGroup(QWidget* parent, const QRect& rect, const QString& caption, const QStringList& items,
                            int columns = 1);
// A frame titled by a check box that governs only some of what the frame holds.
TCheckGroupBox* MakeCheckGroup(QWidget* parent, const QRect& rect, const QString& caption);
// An option group's frame, and a radio group, with the option's check box `box` (made
// here, beside the frame on `form`) standing on its top edge, so that disabling the frame
// leaves the box usable.
QGroupBox* MakeOptionFrame(QWidget* form, QCheckBox*& box, const QRect& rect, const QString& caption);
TRadioGroup* MakeOptionRadioGroup(QWidget* form, QCheckBox*& box, const QRect& rect, const QString& caption,
                                  const QStringList& items, int columns = 2);

// A figure (a picture in resources) at its place on the form.
TImage* MakeFigure(QWidget* parent, const QRect& rect, const QString& picture);
// A spin edit (unbounded, value 0) standing on `figure`, centred on the given point of it.
TSpinEdit* MakeSpinEditOn(TImage* figure, QPoint centre, int width = 72);
// An edit standing on `figure`, centred on the given point of it.
QLineEdit* MakeEditOn(TImage* figure, QPoint centre, int width = 72);

// The glyph of the buttons that open the colour chooser, with its disabled form.
QIcon PaletteGlyph();

// One sentence with a unit box in the middle: before [unit] after, starting at `pos`.
struct TUnitSentence {
    QLabel* before;
    TComboBox* box;
    QLabel* after;
};
TUnitSentence UnitSentence(QWidget* parent, QPoint pos, const QString& before, const QStringList& units,
                           const QString& after);

}  // namespace tavi
