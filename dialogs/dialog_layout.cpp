// Small factories that place the style rule dialogs' controls at their fixed positions.
#include "dialogs/dialog_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "components/check_group_box.h"
#include "components/combo_box.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "components/spoken_names.h"

namespace tavi {

namespace {
constexpr int kControlHeight = 22;

// `size` centred on `centre` of `figure`, in the coordinates of the figure's parent.
QRect OnFigure(const TImage* figure, QPoint centre, QSize size)
{
    return QRect(figure->pos() + centre - QPoint(size.width() / 2, size.height() / 2), size);
}
}  // namespace

QLabel* MakeLabel(QWidget* parent, QPoint pos, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->move(pos);
    label->adjustSize();
    return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QRect& rect, const QString& caption)
{
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(rect);
    return box;
}

QRadioButton* MakeRadioButton(QWidget* parent, const QRect& rect, const QString& caption)
{
    auto* button = new QRadioButton(caption, parent);
    button->setGeometry(rect);
    return button;
}

QLineEdit* MakeEdit(QWidget* parent, const QRect& rect)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(rect);
    return edit;
}

TComboBox* MakeComboBox(QWidget* parent, const QRect& rect, const QStringList& items, const QString& text)
{
    auto* box = new TComboBox(items, text, parent);
    box->setGeometry(rect);
    return box;
}

TSpinEdit* MakeSpinEdit(QWidget* parent, const QRect& rect, int min, int max, int value, int increment)
{
    auto* spin = new TSpinEdit(parent);
    spin->setGeometry(rect);
    spin->SetMinValue(min);
    spin->SetMaxValue(max);
    spin->SetIncrement(increment);
    spin->SetValue(value);
    return spin;
}

TRadioGroup* MakeRadioGroup(QWidget* parent, const QRect& rect, const QString& caption, const QStringList& items,
                            int columns)
{
    auto* group = new TRadioGroup(caption, parent);
    group->setGeometry(rect);
    group->SetItems(items);
    group->SetColumns(columns);
    return group;
}

TCheckGroupBox* MakeCheckGroup(QWidget* parent, const QRect& rect, const QString& caption)
{
    auto* group = new TCheckGroupBox(caption, parent);
    group->setGeometry(rect);
    return group;
}

QGroupBox* MakeOptionFrame(QWidget* form, QCheckBox*& box, const QRect& rect, const QString& caption)
{
    auto* frame = new QGroupBox(form);
    frame->setGeometry(rect);
    box = new QCheckBox(caption, form);
    StandOnFrame(box, frame);
    return frame;
}

TRadioGroup* MakeOptionRadioGroup(QWidget* form, QCheckBox*& box, const QRect& rect, const QString& caption,
                                  const QStringList& items, int columns)
{
    TRadioGroup* group = MakeRadioGroup(form, rect, QString(), items, columns);
    box = new QCheckBox(caption, form);
    StandOnFrame(box, group);
    return group;
}

TImage* MakeFigure(QWidget* parent, const QRect& rect, const QString& picture)
{
    auto* figure = new TImage(parent);
    figure->setGeometry(rect);
    figure->LoadPicture(picture);
    return figure;
}

TSpinEdit* MakeSpinEditOn(TImage* figure, QPoint centre, int width)
{
    return MakeSpinEdit(figure->parentWidget(), OnFigure(figure, centre, {width, kControlHeight}), 0, 0, 0);
}

QLineEdit* MakeEditOn(TImage* figure, QPoint centre, int width)
{
    return MakeEdit(figure->parentWidget(), OnFigure(figure, centre, {width, kControlHeight}));
}

QIcon PaletteGlyph()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/glyphs/palette.png"), {}, QIcon::Normal);
    icon.addFile(QStringLiteral(":/glyphs/palette_disabled.png"), {}, QIcon::Disabled);
    return icon;
}

TUnitSentence UnitSentence(QWidget* parent, QPoint pos, const QString& before, const QStringList& units,
                           const QString& after)
{
    TUnitSentence s;
    s.before = MakeLabel(parent, pos + QPoint(0, 4), before);
    s.box = MakeComboBox(parent, {s.before->geometry().right() + 4, pos.y(), 72, kControlHeight}, units,
                         QStringLiteral("px"));
    s.after = MakeLabel(parent, {s.box->geometry().right() + 4, pos.y() + 4}, after);
    // Spoken as the sentence it stands in: "…を、単位で指定します".
    s.box->setAccessibleName(SpokenCaption(before) + QStringLiteral("単位") + SpokenCaption(after));
    return s;
}

}  // namespace tavi
