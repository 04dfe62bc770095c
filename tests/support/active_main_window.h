// A test fixture holding a main window that is shown, active and has the editor focused.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "editor/editor.h"

class ActiveMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->ExtMemo1->setFocus();
    }

    std::unique_ptr<TForm1> form;
};
