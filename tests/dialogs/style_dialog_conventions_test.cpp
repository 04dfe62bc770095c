// The conventions every style rule dialog shares, checked for each dialog: frame, selector, comment, buttons and keys.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <memory>

#include "components/bit_btn.h"
#include "components/combo_box.h"
#include "components/image.h"
#include "components/radio_group.h"
#include "components/spin_edit.h"
#include "dialogs/aural_dialog.h"
#include "dialogs/basic_style_dialog.h"
#include "dialogs/border_dialog.h"
#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"
#include "dialogs/list_dialog.h"
#include "dialogs/margin_dialog.h"
#include "dialogs/rule_reading.h"
#include "dialogs/text_layout_dialog.h"
#include "tests/support/modal_answer.h"
#include "tests/support/qt_printers.h"

namespace {

// Each dialog's frame: caption, size, selector label and behaviour, comment edit, option switches.
struct TFrameFacts {
    const char* caption;
    QSize clientSize;
    const char* selectorLabel;
    TSelectorEditBehaviour selectorBehaviour;
    bool commentEditStartsEnabled;
    // The option check boxes and the radio buttons outside radio groups, as Tab meets them.
    QStringList switchesInTabOrder;
};

template <typename Form>
TFrameFacts FactsOf();
template <>
TFrameFacts FactsOf<TForm2>()
{
    return {"フォント・テキスト装飾",
            {654, 517},
            "に対し下のスタイルを適用します",
            sbDisableAndClear,
            false,
            {"フォント系統", "フォントスタイル", "フォントの大きさ", "大小の指定", "相対大小の指定", "相対百分率指定",
             "絶対指定", "フォントの太さ", "相対指定", "絶対指定", "テキストの修飾", "テキストの整形", "文字の表示位置",
             "改行・空白記号", "フォント名"}};
}
template <>
TFrameFacts FactsOf<TForm3>()
{
    return {"マージン", {499, 539}, "に対して下のスタイルを指定します",
            sbClear,    false,      {"上下左右一括指定", "下図でそれぞれ指定"}};
}
template <>
TFrameFacts FactsOf<TForm4>()
{
    return {"ボーダー",
            {788, 497},
            "に対し下のスタイルを適用します",
            sbNone,
            false,
            {"パッディング", "左の図でそれぞれ指定", "上下左右一括指定", "ボーダーラインの色", "左の図でそれぞれ指定",
             "上下左右一括指定", "ボーダーラインの太さ", "左の図でそれぞれ指定", "上下左右一括指定",
             "ボーダーラインのスタイル"}};
}
template <>
TFrameFacts FactsOf<TForm7>()
{
    return {"リスト",
            {560, 519},
            "に対し、下のスタイルを適用します",
            sbDisableKeepText,
            false,
            {"リストマークの種類", "リストマークにイメージを使用", "リストマークの位置", "Outside （マークが外側に）",
             "Inside （マークが内側に）"}};
}
template <>
TFrameFacts FactsOf<TForm8>()
{
    return {"基本スタイル",
            {588, 438},
            "に対し下のスタイルを適用します",
            sbDisableKeepText,
            false,
            {"表示上の要素種別", "配置", "テキストの回り込み制御", "要素の表示サイズ", "自動（ブラウザ依存）", "単位"}};
}
template <>
TFrameFacts FactsOf<TForm10>()
{
    return {"テキスト・レイアウト",
            {585, 459},
            "に対して、下のスタイルを指定します",
            sbDisableKeepText,
            false,
            {"インデントを", "一行の高さを", "テキストの配置", "単語間の距離", "文字間の距離"}};
}
template <>
TFrameFacts FactsOf<TForm11>()
{
    return {"音声・読み上げ",
            {562, 528},
            "に対し下のスタイルを適用します",
            sbDisableKeepText,
            false,
            {"声の種類", "読み上げ速度", "ピッチ（音程）", "抑揚", "アクセント", "声の豊かさ", "音量", "無音",
             "音量指定", "左右のスピーカーバランス（ＰＡＮ調整）", "テーブル・ヘッディングの読み上げ", "BGMの指定",
             "繰り返し再生します", "親要素のBGMも再生します"}};
}
template <>
TFrameFacts FactsOf<TForm9>()
{
    return {"色・背景",
            {625, 396},
            "に対して下のスタイルを指定します",
            sbDisableKeepText,
            true,
            {"背景にイメージを使う", "背景イメージの表示位置指定", "前景色の指定", "背景色の指定"}};
}

// Whether `lines` are one rule a browser reads whole: the selector line, declarations
// "name : value" each with a value, ended by ";" or "}", the rule closed exactly once,
// then only comment lines. Values use units CSS knows, keep non-ASCII text inside
// strings, and write url() and font names as valid tokens.
::testing::AssertionResult IsWellFormedRule(const QStringList& lines)
{
    const auto fail = [&](const QString& why) {
        return ::testing::AssertionFailure() << why.toStdString() << " in\n" << lines.join('\n').toStdString();
    };
    if (lines.isEmpty() || !lines.first().endsWith(" {"))
        return fail("no selector line");
    const QRegularExpression declaration(R"(^  ([a-z-]+) ?: ?(.*?) ?(;|\}) ?$)");
    const QRegularExpression quoted(R"("(?:[^"\\]|\\.)*")");
    const QRegularExpression url(R"(url\((?:"(?:[^"\\]|\\.)*"|[^\s"'()\\]*)\))");
    const QRegularExpression inch(R"(\dinch\b)");
    const QRegularExpression unitAlone(R"((^|\s)(px|mm|cm|in|pt|pc|%)(\s|$))");
    const QRegularExpression family(
        R"(^\s*("(?:[^"\\]|\\.)*"|'[^'\\]*'|-?[A-Za-z_\x{80}-\x{FFFF}][\w\x{80}-\x{FFFF}-]*(?: [A-Za-z_\x{80}-\x{FFFF}-][\w\x{80}-\x{FFFF}-]*)*)\s*$)");
    bool open = true;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (!open) {
            if (!(line.startsWith("  /*") && line.endsWith("*/")))
                return fail("a line after the rule: " + line);
            continue;
        }
        if (line == "}") {
            open = false;
            continue;
        }
        const QRegularExpressionMatch m = declaration.match(line);
        if (!m.hasMatch())
            return fail("not a declaration: " + line);
        const QString name = m.captured(1);
        const QString value = m.captured(2).trimmed();
        open = m.captured(3) == ";";
        if (value.isEmpty() || value.contains(';') || value.contains('{') || value.contains('}'))
            return fail("no single value: " + line);
        if (value.contains(inch) || value.contains(unitAlone))
            return fail("a unit CSS does not know, or a unit without its number: " + line);
        QString outside = QString(value).remove(url).remove(quoted);
        if (outside.contains("url(") || outside.contains('"'))
            return fail("a malformed url or string: " + line);
        if (std::any_of(outside.begin(), outside.end(), [](QChar c) { return c.unicode() >= 0x80; }) &&
            name != "font-family")
            return fail("a keyword CSS does not know: " + line);
        if (name == "font-family") {
            for (const QString& f : value.split(',')) {
                if (!family.match(f).hasMatch())
                    return fail("not a font family: " + line);
            }
        }
    }
    if (open)
        return fail("the rule is left open");
    return ::testing::AssertionSuccess();
}

template <typename Form>
class StyleDialogConventions : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<Form>([this](const QString& line) { written << line; });
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    void Tick(QAbstractButton* box) { box->click(); }
    void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    // Every check box, radio button and edit of the dialog (not of the choosers it owns):
    // its state as a text, to compare openings.
    static QStringList Snapshot(const QDialog& d)
    {
        QStringList states;
        for (const QAbstractButton* b : d.findChildren<QAbstractButton*>()) {
            if (b->window() == &d)
                states << b->text() + (b->isChecked() ? "+" : "-") + (b->isEnabled() ? "e" : "d");
        }
        for (const QLineEdit* e : d.findChildren<QLineEdit*>()) {
            if (e->window() == &d)
                states << e->text() + (e->isEnabled() ? "e" : "d");
        }
        return states;
    }
    QStringList Snapshot() const { return Snapshot(*dialog); }

    const TFrameFacts facts = FactsOf<Form>();
    std::unique_ptr<Form> dialog;
    QStringList written;
};

TYPED_TEST_SUITE_P(StyleDialogConventions);

TYPED_TEST_P(StyleDialogConventions, FrameHasItsCaptionSizeAndControlsAndNoCaptionIsCut)
{
    auto& d = *this->dialog;
    EXPECT_EQ(d.windowTitle(), this->facts.caption);
    EXPECT_EQ(d.size(), this->facts.clientSize);
    EXPECT_EQ(d.Selector()->title(), "セレクター（選択部）");
    EXPECT_EQ(d.Selector()->ElementBox->text(), "要素");
    EXPECT_EQ(d.Selector()->ClassBox->text(), "クラス");
    EXPECT_EQ(d.Selector()->AppliesLabel->text(), this->facts.selectorLabel);
    EXPECT_FALSE(d.TitleImage()->Picture().isNull());
    EXPECT_EQ(d.CommentBox()->text(), "コメントを入れる");
    EXPECT_FALSE(d.CommentBox()->isChecked());
    EXPECT_EQ(d.CommentEdit()->isEnabled(), this->facts.commentEditStartsEnabled);
    EXPECT_EQ(d.OkButton()->text(), "&OK");
    EXPECT_EQ(d.CancelButton()->text(), "&Cancel");
    EXPECT_FALSE(d.OkButton()->isDefault());
    EXPECT_FALSE(d.OkButton()->autoDefault());

    // Every caption fits its control and every control lies inside its parent.
    for (QWidget* w : d.template findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&d) || w->parentWidget() == nullptr || w->isWindow())
            continue;
        const std::string name = w->metaObject()->className() + std::string(" ") + w->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && !label->text().isEmpty()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << name << " " << label->text().toStdString();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
            // A push button's own hint asks for a minimum width; its glyph and text must fit.
            const int needed = qobject_cast<QPushButton*>(w)
                                   ? button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
                                         button->iconSize().width() + 8
                                   : button->sizeHint().width();
            EXPECT_GE(button->width(), needed) << name << " " << button->text().toStdString();
        }
        if (w->parentWidget()->inherits("QDialog") || w->parentWidget()->inherits("QGroupBox") ||
            w->parentWidget()->inherits("TPanel")) {
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
        }
    }
}

// Whether two sibling controls may share pixels: a control standing on a figure, and an
// option's check box standing on its frame's top edge.
bool MayOverlap(const QWidget* a, const QWidget* b, const QWidget* titleImage)
{
    for (const auto& [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
        if (qobject_cast<const TImage*>(x) && x != titleImage)
            return true;
        if (qobject_cast<const QCheckBox*>(x) && qobject_cast<const QGroupBox*>(y) &&
            std::abs(x->geometry().center().y() - y->y()) <= x->height())
            return true;
    }
    return false;
}

TYPED_TEST_P(StyleDialogConventions, NoTwoControlsOverlap)
{
    auto& d = *this->dialog;
    // Every option on, so that controls shown only then are checked too.
    for (QAbstractButton* b : d.template findChildren<QAbstractButton*>())
        b->setChecked(true);
    for (QWidget* parent : d.template findChildren<QWidget*>()) {
        if (parent->window() != &d)
            continue;
        QList<QWidget*> children;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && w->isVisibleTo(&d))
                children << w;
        }
        for (qsizetype i = 0; i < children.size(); ++i) {
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                if (MayOverlap(children[i], children[j], d.TitleImage()))
                    continue;
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << children[i]->metaObject()->className() << " " << children[j]->metaObject()->className() << " in "
                    << parent->metaObject()->className();
            }
        }
    }
}

TYPED_TEST_P(StyleDialogConventions, WithoutASelectorOkShowsTheMessageAndKeepsTheDialogAsItWas)
{
    auto& d = *this->dialog;
    this->Tick(d.CommentBox());
    const QStringList before = this->Snapshot();
    SeenMessageBox seen;
    RecordNextMessageBox(seen);
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    EXPECT_EQ(seen.caption, "Information from TAVI");
    EXPECT_EQ(seen.text, "セレクターにタグかクラスを指定してから、スタイルを指定し、ＯＫボタンを押してください");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_TRUE(this->written.isEmpty());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(this->Snapshot(), before);
}

TYPED_TEST_P(StyleDialogConventions, SelectorEditsFollowTheirBoxes)
{
    TSelectorGroup* s = this->dialog->Selector();
    const TSelectorEditBehaviour b = this->facts.selectorBehaviour;
    const bool startEnabled = b == sbClear || b == sbNone;
    for (auto [box, edit] : {std::pair{s->ElementBox, s->ElementEdit}, std::pair{s->ClassBox, s->ClassEdit}}) {
        SCOPED_TRACE(box->text().toStdString());
        EXPECT_EQ(edit->isEnabled(), startEnabled);
        EXPECT_TRUE(edit->text().isEmpty());
        this->Tick(box);
        EXPECT_TRUE(edit->isEnabled());
        this->Type(edit, "P");
        this->Tick(box);
        EXPECT_EQ(edit->isEnabled(), b != sbDisableAndClear && b != sbDisableKeepText);
        EXPECT_EQ(edit->text(), b == sbNone || b == sbDisableKeepText ? "P" : "");
    }
    // Text left in an edit whose box is unticked is never written.
    s->ElementEdit->setText("H1");
    s->ClassEdit->setText("x");
    s->ClassBox->setChecked(true);
    EXPECT_EQ(this->dialog->RuleLines().value().first(), ".x {");
}

TYPED_TEST_P(StyleDialogConventions, SelectorLineTakesTheEditsExactlyAsTyped)
{
    auto& d = *this->dialog;
    TSelectorGroup* s = d.Selector();
    s->ElementBox->setChecked(true);
    EXPECT_EQ(d.RuleLines(), QStringList({" {", "}"}));
    s->ClassBox->setChecked(true);
    EXPECT_EQ(d.RuleLines(), QStringList({". {", "}"}));
    s->ElementEdit->setText(" H1 ");
    s->ClassEdit->setText("note");
    EXPECT_EQ(d.RuleLines(), QStringList({" H1 .note {", "}"}));
    s->ElementBox->setChecked(false);
    EXPECT_EQ(d.RuleLines(), QStringList({".note {", "}"}));
}

TYPED_TEST_P(StyleDialogConventions, OkWritesTheRuleThenTheCommentAndCloses)
{
    auto& d = *this->dialog;
    this->Tick(d.Selector()->ElementBox);
    this->Type(d.Selector()->ElementEdit, "P");
    this->Tick(d.CommentBox());
    EXPECT_TRUE(d.CommentEdit()->isEnabled());
    QTest::mouseClick(d.OkButton(), Qt::LeftButton);
    // With no option chosen a line of its own closes the rule; an empty comment still gives its line.
    EXPECT_EQ(this->written, QStringList({"P {", "}", "  /**/"}));
    EXPECT_FALSE(d.isVisible());
}

TYPED_TEST_P(StyleDialogConventions, EnterAndEscapePressNothingAltCCancelsAndAltOWrites)
{
    auto& d = *this->dialog;
    this->Tick(d.Selector()->ClassBox);
    this->Type(d.Selector()->ClassEdit, "c");
    QTest::keyClick(d.Selector()->ClassEdit, Qt::Key_Return);
    QTest::keyClick(d.Selector()->ClassEdit, Qt::Key_Escape);
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(this->written.isEmpty());
    QTest::keyClick(&d, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !d.isVisible(); }, 2000));
    EXPECT_EQ(this->written, QStringList({".c {", "}"}));

    // A fresh dialog: Alt+C closes it and writes nothing; so does its close box.
    this->written.clear();
    TypeParam other([this](const QString& line) { this->written << line; });
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.Selector()->ClassBox->setChecked(true);
    QTest::keyClick(&other, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !other.isVisible(); }, 2000));
    other.show();
    other.close();
    EXPECT_TRUE(this->written.isEmpty());
}

TYPED_TEST_P(StyleDialogConventions, EachOpeningStartsFromTheDesignDefaults)
{
    const QStringList fresh = this->Snapshot();
    for (QAbstractButton* b : this->dialog->template findChildren<QAbstractButton*>())
        b->setChecked(true);
    for (QLineEdit* e : this->dialog->template findChildren<QLineEdit*>())
        e->setText("changed");
    TypeParam next([](const QString&) {});
    next.show();
    EXPECT_EQ(this->Snapshot(next), fresh);
}

// The value controls of a dialog a user sets (not the selector and comment, nor the choosers it owns).
struct TValueControls {
    QList<QAbstractButton*> Switches;
    QList<TComboBox*> Lists;
    QList<TSpinEdit*> Numbers;
    QList<QLineEdit*> Edits;
};

TValueControls ValueControlsOf(TStyleDialog& d)
{
    TValueControls c;
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (w->window() != &d)
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable() && b != d.CommentBox() &&
                                                         b != d.Selector()->ElementBox && b != d.Selector()->ClassBox)
            c.Switches << b;
        else if (auto* list = qobject_cast<TComboBox*>(w))
            c.Lists << list;
        else if (auto* n = qobject_cast<TSpinEdit*>(w))
            c.Numbers << n;
        else if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QAbstractSpinBox*>(e->parentWidget()) &&
                                                        !qobject_cast<QComboBox*>(e->parentWidget()) &&
                                                        e != d.CommentEdit() && e != d.Selector()->ElementEdit &&
                                                        e != d.Selector()->ClassEdit)
            c.Edits << e;
    }
    return c;
}

// Changes one value control at random, typed values among the choices.
// (A quote typed into a colour or keyword is the user's CSS, written as typed; the urls it may
// stand in are tested with each dialog.)
const QStringList kTypedTexts{
    "", "#FF0000", "red", "a.gif", "my sky.jpg", "x(1).png", "em", "inch", "Font Awesome 6 Free", "Sans Serif", " "};

void ChangeOneAtRandom(const TValueControls& c, QRandomGenerator& random, const QStringList& typedTexts = kTypedTexts)
{
    static const QStringList typedNumbers{"", "0", "12", "-3", "1.5", "-", "+", "."};
    switch (random.bounded(4)) {
        case 0: {
            QAbstractButton* b = c.Switches[random.bounded(c.Switches.size())];
            b->setChecked(qobject_cast<QRadioButton*>(b) ? true : !b->isChecked());
            break;
        }
        case 1:
            if (!c.Lists.isEmpty()) {
                TComboBox* list = c.Lists[random.bounded(c.Lists.size())];
                if (random.bounded(2) == 0 && list->count() > 0)
                    list->SetItemIndex(random.bounded(list->count()));
                else
                    list->SetText(typedTexts[random.bounded(typedTexts.size())]);
            }
            break;
        case 2:
            if (!c.Numbers.isEmpty())
                c.Numbers[random.bounded(c.Numbers.size())]->SetText(typedNumbers[random.bounded(typedNumbers.size())]);
            break;
        default:
            if (!c.Edits.isEmpty())
                c.Edits[random.bounded(c.Edits.size())]->setText(typedTexts[random.bounded(typedTexts.size())]);
    }
}

TYPED_TEST_P(StyleDialogConventions, EveryRuleItCanWriteIsWellFormedCss)
{
    auto& d = *this->dialog;
    d.Selector()->ElementBox->setChecked(true);
    d.Selector()->ElementEdit->setText("P");
    d.CommentBox()->setChecked(true);
    const TValueControls c = ValueControlsOf(d);
    ASSERT_FALSE(c.Switches.isEmpty());

    // Every item of every list and every choice, with every option on.
    for (QAbstractButton* b : c.Switches) {
        if (qobject_cast<QCheckBox*>(b))
            b->setChecked(true);
    }
    for (QAbstractButton* b : c.Switches) {
        b->setChecked(true);
        EXPECT_TRUE(IsWellFormedRule(d.RuleLines().value())) << b->text().toStdString();
    }
    for (TComboBox* list : c.Lists) {
        for (int i = 0; i < list->count(); ++i) {
            list->SetItemIndex(i);
            EXPECT_TRUE(IsWellFormedRule(d.RuleLines().value())) << list->itemText(i).toStdString();
        }
    }

    // Then random settings, each rule checked.
    QRandomGenerator random(2812);
    for (int step = 0; step < 600; ++step) {
        ChangeOneAtRandom(c, random);
        ASSERT_TRUE(IsWellFormedRule(d.RuleLines().value())) << "step " << step;
    }
}

// The controls Tab visits, from the element box round to it again.
QList<QWidget*> TabChain(QDialog& d, QWidget* first)
{
    QList<QWidget*> chain;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == &d && !w->focusProxy())
            chain << w;
        w = w->nextInFocusChain();
    } while (w != first && chain.size() < 500);
    return chain;
}

TYPED_TEST_P(StyleDialogConventions, TabFollowsTheLayout)
{
    auto& d = *this->dialog;
    const QList<QWidget*> chain = TabChain(d, d.Selector()->ElementBox);
    // Every control that takes the focus is visited once.
    int focusable = 0;
    for (QWidget* w : d.template findChildren<QWidget*>())
        focusable += (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->window() == &d;
    EXPECT_EQ(chain.size(), focusable);
    ASSERT_GE(chain.size(), 8);
    const QList<QWidget*> head{d.Selector()->ElementBox, d.Selector()->ElementEdit, d.Selector()->ClassBox,
                               d.Selector()->ClassEdit};
    const QList<QWidget*> tail{d.CommentBox(), d.CommentEdit(), d.OkButton(), d.CancelButton()};
    EXPECT_EQ(chain.mid(0, 4), head);
    EXPECT_EQ(chain.mid(chain.size() - 4), tail);
    // The option switches in the order they are laid out.
    QStringList switches;
    for (QWidget* w : chain.mid(4, chain.size() - 8)) {
        const bool isSwitch = qobject_cast<QCheckBox*>(w) ||
                              (qobject_cast<QRadioButton*>(w) && !qobject_cast<TRadioGroup*>(w->parentWidget()));
        if (isSwitch && !static_cast<QAbstractButton*>(w)->text().isEmpty())  // not the aural dial's buttons
            switches << static_cast<QAbstractButton*>(w)->text();
    }
    EXPECT_EQ(switches, this->facts.switchesInTabOrder);
}

REGISTER_TYPED_TEST_SUITE_P(StyleDialogConventions, EveryRuleItCanWriteIsWellFormedCss, TabFollowsTheLayout,
                            FrameHasItsCaptionSizeAndControlsAndNoCaptionIsCut, NoTwoControlsOverlap,
                            WithoutASelectorOkShowsTheMessageAndKeepsTheDialogAsItWas, SelectorEditsFollowTheirBoxes,
                            SelectorLineTakesTheEditsExactlyAsTyped, OkWritesTheRuleThenTheCommentAndCloses,
                            EnterAndEscapePressNothingAltCCancelsAndAltOWrites, EachOpeningStartsFromTheDesignDefaults);

// Each dialog joins the suite with one line.
using StyleDialogs = ::testing::Types<TForm2, TForm3, TForm4, TForm7, TForm8, TForm9, TForm10, TForm11>;
INSTANTIATE_TYPED_TEST_SUITE_P(Every, StyleDialogConventions, StyleDialogs);

// Reading rules back: every rule a dialog writes, read into a fresh dialog, is written again
// line for line.
template <typename Form>
class RuleReadBack : public ::testing::Test {
};
TYPED_TEST_SUITE_P(RuleReadBack);

// The declarations of a rule as written, and its selector and comment.
QStringList Declared(const QStringList& lines)
{
    const std::optional<tavi::TReadRule> rule = tavi::ReadRuleText(lines.join("\r\n") + "\r\n");
    if (!rule)
        return {"no rule"};
    QStringList out{rule->Selector, rule->Comment.value_or("no comment")};
    for (const tavi::TReadDeclaration& d : rule->Declarations)
        out << d.Text;
    return out;
}

TYPED_TEST_P(RuleReadBack, EveryRuleItWritesReadsBackIntoTheSameLines)
{
    TypeParam dialog([](const QString&) {});
    const TValueControls c = ValueControlsOf(dialog);
    QRandomGenerator random(3311);
    const QStringList names{"P", "note", "h1", "my-class"};
    // Texts with blanks typed into a unit list are no unit: such a length stays as written.
    QStringList typedTexts = kTypedTexts;
    typedTexts.removeIf([](const QString& text) { return text.contains(QLatin1Char(' ')); });
    for (int step = 0; step < 300; ++step) {
        ChangeOneAtRandom(c, random, typedTexts);
        if (step % 7 == 0) {
            dialog.Selector()->ElementBox->setChecked(random.bounded(2) == 0);
            dialog.Selector()->ElementEdit->setText(names[random.bounded(names.size())]);
            dialog.Selector()->ClassBox->setChecked(random.bounded(2) == 0 ||
                                                    !dialog.Selector()->ElementBox->isChecked());
            dialog.Selector()->ClassEdit->setText(names[random.bounded(names.size())]);
            dialog.CommentBox()->setChecked(random.bounded(2) == 0);
            dialog.CommentEdit()->setText(random.bounded(2) == 0 ? "" : "見出し note");
        }
        const QStringList lines = dialog.RuleLines().value();
        const std::optional<tavi::TReadRule> rule = tavi::ReadRuleText(lines.join("\r\n") + "\r\n");
        ASSERT_TRUE(rule) << lines.join("\n").toStdString();
        TypeParam fresh([](const QString&) {});
        ASSERT_TRUE(fresh.ReadRule(*rule)) << rule->Selector.toStdString();
        EXPECT_TRUE(fresh.KeptDeclarations().isEmpty()) << fresh.KeptDeclarations().join("; ").toStdString();
        // A group ticked after the last one that writes leaves the rule to a "}" of its own;
        // read back, the last declaration closes it. Otherwise the very lines come back.
        if (lines.contains(tavi::kRuleEndLine))
            ASSERT_EQ(Declared(fresh.RuleLines().value()), Declared(lines)) << "step " << step;
        else
            ASSERT_EQ(fresh.RuleLines().value(), lines) << "step " << step;
    }
}

REGISTER_TYPED_TEST_SUITE_P(RuleReadBack, EveryRuleItWritesReadsBackIntoTheSameLines);
INSTANTIATE_TYPED_TEST_SUITE_P(Every, RuleReadBack, StyleDialogs);

}  // namespace
