// A captioned group of radio buttons laid out in columns, with no button chosen until one is picked.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(const QString& caption, QWidget* parent = nullptr);

    // Replaces the buttons; no item is chosen afterwards.
    QStringList Items() const { return items_; }
    void SetItems(const QStringList& items);

    // Items fill the columns from top to bottom, then left to right.
    int Columns() const { return columns_; }
    void SetColumns(int columns);

    // The chosen item, or -1 when none is.
    int ItemIndex() const;
    void SetItemIndex(int index);

    QRadioButton* Button(int index) const;

    // Called whenever an item becomes chosen (by the user, the keyboard or a program).
    std::function<void()> OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrangeButtons();

    QStringList items_;
    int columns_ = 1;
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};
