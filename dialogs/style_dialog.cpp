// What every style rule dialog shares: its frame, the OK and Cancel buttons, and how its rule is written.
#include "dialogs/style_dialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <algorithm>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/control_links.h"
#include "components/image.h"
#include "components/panel.h"
#include "components/spoken_names.h"
#include "components/tab_order.h"
#include "platform/font_names.h"

namespace {
constexpr QSize kButtonSize(75, 25);
constexpr int kCommentBoxWidth = 120;
}  // namespace

TStyleDialog::TStyleDialog(const TDialogFrame& frame, TLineSink sink, QWidget* parent)
    : QDialog(parent), sink_(std::move(sink))
{
    setWindowTitle(frame.Caption);
    setFont(tavi::FormFont(12));
    setFixedSize(frame.ClientSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    CreateHeader(frame);
    CreateBottomRow(frame);
}

void TStyleDialog::CreateHeader(const TDialogFrame& frame)
{
    const int width = frame.ClientSize.width();
    headerPanel_ = new TPanel(this);
    headerPanel_->setGeometry(0, 0, width, frame.HeaderHeight);
    titleImage_ = new TImage(headerPanel_);
    titleImage_->setGeometry(10, 10, 48, 48);
    titleImage_->LoadPicture(frame.TitlePicture);
    headerLabel_ = new QLabel(frame.HeaderText, headerPanel_);
    headerLabel_->setWordWrap(true);
    headerLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    headerLabel_->setGeometry(frame.HeaderTextRect);
    selector_ = new TSelectorGroup(frame.SelectorLabel, frame.SelectorBehaviour, headerPanel_);
    selector_->setGeometry(frame.SelectorRect);
}

void TStyleDialog::CreateBottomRow(const TDialogFrame& frame)
{
    commentBox_ = new QCheckBox(QStringLiteral("コメントを入れる"), this);
    commentBox_->setGeometry(QRect(frame.CommentPos, QSize(kCommentBoxWidth, 20)));
    commentEdit_ = new QLineEdit(this);
    commentEdit_->setGeometry(frame.CommentPos.x() + kCommentBoxWidth, frame.CommentPos.y() - 1, frame.CommentEditWidth,
                              21);
    tavi::NameAfter(commentEdit_, commentBox_);
    tavi::EnableWith(commentBox_, {commentEdit_});
    // A dialog whose edit starts enabled lets it follow the box from the first change on.
    commentEdit_->setEnabled(frame.CommentEditStartsEnabled);

    okButton_ = new TBitBtn(QStringLiteral("&OK"), this);
    if (frame.OkHasGlyph)
        okButton_->SetKind(TBitBtn::bkOK);
    okButton_->setGeometry(QRect(frame.OkPos, kButtonSize));
    cancelButton_ = new TBitBtn(QStringLiteral("&Cancel"), this);
    cancelButton_->SetKind(TBitBtn::bkCancel);
    cancelButton_->setGeometry(QRect(frame.CancelPos, kButtonSize));
}

void TStyleDialog::NameFrameControls(TPanel*& panel, TImage*& titleImage, QLabel*& headerText,
                                     TSelectorGroup*& selector, QCheckBox*& elementBox, QLineEdit*& elementEdit,
                                     QCheckBox*& classBox, QLineEdit*& classEdit, QLabel*& selectorLabel,
                                     QCheckBox*& commentBox, QLineEdit*& commentEdit, TBitBtn*& ok,
                                     TBitBtn*& cancel) const
{
    panel = headerPanel_;
    titleImage = titleImage_;
    headerText = headerLabel_;
    selector = selector_;
    elementBox = selector_->ElementBox;
    elementEdit = selector_->ElementEdit;
    classBox = selector_->ClassBox;
    classEdit = selector_->ClassEdit;
    selectorLabel = selector_->AppliesLabel;
    commentBox = commentBox_;
    commentEdit = commentEdit_;
    ok = okButton_;
    cancel = cancelButton_;
}

void TStyleDialog::ConnectClicked(TBitBtn* button, std::function<void()> handler)
{
    connect(button, &QPushButton::clicked, this, std::move(handler));
}

std::optional<QStringList> TStyleDialog::RuleLines() const
{
    const std::optional<QString> selector = selector_->SelectorLine();
    if (!selector)
        return std::nullopt;
    QStringList lines{*selector};
    lines += tavi::Declarations(OptionGroups(), kept_);
    if (commentBox_->isChecked())
        lines += tavi::CommentLine(commentEdit_->text());
    return lines;
}

namespace {

// Whether turning `button` on would turn off one of `on`: radio buttons of one row exclude
// each other.
bool ExcludesAny(const QAbstractButton* button, const std::vector<const QAbstractButton*>& on)
{
    const auto* radio = qobject_cast<const QRadioButton*>(button);
    return radio && radio->autoExclusive() && std::any_of(on.begin(), on.end(), [radio](const QAbstractButton* other) {
               return other != radio && qobject_cast<const QRadioButton*>(other) &&
                      other->parentWidget() == radio->parentWidget();
           });
}

}  // namespace

bool TStyleDialog::ReadRule(const tavi::TReadRule& rule)
{
    const std::optional<std::pair<QString, QString>> parts = tavi::SelectorParts(rule.Selector);
    if (!parts)
        return false;
    // Ticked first: some dialogs empty or disable an edit whose box is unticked.
    selector_->ElementBox->setChecked(!parts->first.isEmpty());
    selector_->ElementEdit->setText(parts->first);
    selector_->ClassBox->setChecked(!parts->second.isEmpty());
    selector_->ClassEdit->setText(parts->second);
    tavi::ForgetTakenUnits(findChildren<TComboBox*>());
    const std::vector<tavi::TOptionGroup> groups = OptionGroups();
    std::vector<std::vector<bool>> used(groups.size());
    std::vector<bool> emptied(groups.size(), false);
    for (std::size_t g = 0; g < groups.size(); ++g)
        used[g].assign(groups[g].Readings.size(), false);
    kept_.clear();
    std::vector<const QAbstractButton*> turnedOn;  // what the rule's declarations chose so far
    // The group that takes a declaration, trying groups from `first` on.
    const auto takeFrom = [&](const tavi::TReadDeclaration& declaration,
                              std::size_t first) -> std::optional<std::size_t> {
        for (std::size_t g = first; g < groups.size(); ++g) {
            for (std::size_t r = 0; r < groups[g].Readings.size(); ++r) {
                const tavi::TPropertyReading& reading = groups[g].Readings[r];
                if (used[g][r] || reading.Property.compare(declaration.Property.trimmed(), Qt::CaseInsensitive) != 0 ||
                    ExcludesAny(groups[g].Switch, turnedOn) ||
                    (reading.Choice && ExcludesAny(reading.Choice, turnedOn)))
                    continue;
                if (!emptied[g] && groups[g].Empty)
                    groups[g].Empty();
                emptied[g] = true;
                if (!reading.Take(declaration.Value))
                    continue;
                used[g][r] = true;
                groups[g].Switch->setChecked(true);
                turnedOn.push_back(groups[g].Switch);
                if (reading.Choice) {
                    reading.Choice->setChecked(true);
                    turnedOn.push_back(reading.Choice);
                }
                return g;
            }
        }
        return std::nullopt;
    };
    // A dialog writes its groups in order, so a declaration goes to a group no earlier than
    // the one before it when one can take it; a rule written in another order still reads.
    std::size_t last = 0;
    for (const tavi::TReadDeclaration& declaration : rule.Declarations) {
        std::optional<std::size_t> group;
        if (!declaration.Important) {
            group = takeFrom(declaration, last);
            if (!group)
                group = takeFrom(declaration, 0);
        }
        if (group)
            last = std::max(last, *group);
        else
            kept_ << declaration.Text;
    }
    commentBox_->setChecked(rule.Comment.has_value());
    commentEdit_->setText(rule.Comment.value_or(QString()));
    return true;
}

QStringList TStyleDialog::ReadableProperties() const
{
    QStringList properties;
    for (const tavi::TOptionGroup& group : OptionGroups()) {
        for (const tavi::TPropertyReading& reading : group.Readings) {
            if (!properties.contains(reading.Property.toLower()))
                properties << reading.Property.toLower();
        }
    }
    return properties;
}

void TStyleDialog::AppendRuleAndClose()
{
    const std::optional<QStringList> lines = RuleLines();
    if (!lines) {
        QMessageBox box(QMessageBox::Information, kDialogMessageCaption, kSelectorMissingText, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    for (const QString& line : *lines)
        sink_(line);
    close();
}

void TStyleDialog::OrderTabsAsLaidOut()
{
    // The header first, then the options (two columns are read one after the other, a
    // grid row by row), then the bottom row.
    QList<QWidget*> order = tavi::ControlsInReadingOrder({headerPanel_});
    QList<QWidget*> options = tavi::ChildWidgets(this);
    for (QWidget* frame :
         {static_cast<QWidget*>(headerPanel_), static_cast<QWidget*>(commentBox_), static_cast<QWidget*>(commentEdit_),
          static_cast<QWidget*>(okButton_), static_cast<QWidget*>(cancelButton_)})
        options.removeAll(frame);
    order += tavi::ControlsInReadingOrder(options, tavi::TCut::Down);
    order += {commentBox_, commentEdit_, okButton_, cancelButton_};
    tavi::SetTabOrder(order);
}

void TStyleDialog::showEvent(QShowEvent* event)
{
    if (!tabsOrdered_) {
        OrderTabsAsLaidOut();
        tabsOrdered_ = true;
    }
    QDialog::showEvent(event);
}

void TStyleDialog::keyPressEvent(QKeyEvent* event)
{
    // No button is the default or the cancel button: Enter and Escape do nothing here.
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}
