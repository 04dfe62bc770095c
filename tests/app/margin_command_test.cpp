// Tests of opening the margin dialog from the main window and what its rule does to the document.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "components/bit_btn.h"
#include "components/spin_edit.h"
#include "dialogs/margin_dialog.h"
#include "editor/editor.h"
#include "tests/support/active_main_window.h"
#include "tests/support/modal_answer.h"

namespace {

class MarginCommandTest : public ActiveMainWindowTest {
protected:
    // Answers the margin dialog: element "P", all sides at `value` px.
    void AnswerWithAllSides(const QString& value, bool* sawDefaults = nullptr)
    {
        AnswerNextModal([value, sawDefaults](QWidget* modal) {
            auto* dialog = qobject_cast<TForm3*>(modal);
            ASSERT_NE(dialog, nullptr);
            if (sawDefaults)
                *sawDefaults = !dialog->CheckBox1->isChecked() && !dialog->RadioButton2->isChecked() &&
                               dialog->SpinEdit4->Text() == "1" && dialog->Edit1->text().isEmpty();
            QTest::mouseClick(dialog->CheckBox1, Qt::LeftButton);
            dialog->Edit1->setText("P");
            QTest::mouseClick(dialog->RadioButton2, Qt::LeftButton);
            dialog->SpinEdit4->SetText(value);
            QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        });
    }

    std::string Text() const { return form->ExtMemo1->Lines().GetTextStr(); }
};

}  // namespace

TEST_F(MarginCommandTest, F2AppendsTheRuleAtTheEndWhateverTheCaret)
{
    form->ExtMemo1->Lines().SetTextStr("a {\r\n}\r\n");
    form->ExtMemo1->Core().PlaceCaretAt(0, 1);
    AnswerWithAllSides("10");
    QTest::keyClick(form->ExtMemo1, Qt::Key_F2);
    EXPECT_EQ(Text(), "a {\r\n}\r\nP {\r\n  margin : 10px }\r\n");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Form3.isNull());  // released after its loop
}

TEST_F(MarginCommandTest, EveryAppendedLineIsOneUndoStep)
{
    form->ExtMemo1->Lines().SetTextStr("x\r\n");
    AnswerWithAllSides("3");
    QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    ASSERT_EQ(Text(), "x\r\nP {\r\n  margin : 3px }\r\n");
    form->ExtMemo1->Core().Undo();
    EXPECT_EQ(Text(), "x\r\nP {\r\n");
    form->ExtMemo1->Core().Undo();
    EXPECT_EQ(Text(), "x\r\n");
    form->ExtMemo1->Core().Redo();
    form->ExtMemo1->Core().Redo();
    EXPECT_EQ(Text(), "x\r\nP {\r\n  margin : 3px }\r\n");
}

TEST_F(MarginCommandTest, EachOpeningStartsFromTheDesignDefaults)
{
    AnswerWithAllSides("5");
    form->N4->trigger();
    bool sawDefaults = false;
    AnswerWithAllSides("6", &sawDefaults);
    form->N4->trigger();
    EXPECT_TRUE(sawDefaults);
    EXPECT_EQ(Text(), "P {\r\n  margin : 5px }\r\nP {\r\n  margin : 6px }\r\n");
}
