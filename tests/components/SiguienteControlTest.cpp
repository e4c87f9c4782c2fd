#include "components/SiguienteControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(SiguienteControl, MovesTheFocusToTheNextControlAfterTheKeyEvent)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit;
    auto* second = new QLineEdit;
    auto* button = new QPushButton(QStringLiteral("Aceptar"));
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(button);
    window.show();
    QApplication::setActiveWindow(&window);
    first->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    SiguienteControl(first);
    EXPECT_TRUE(first->hasFocus());
    QCoreApplication::processEvents();
    EXPECT_TRUE(second->hasFocus());

    SiguienteControl(second);
    QCoreApplication::processEvents();
    EXPECT_TRUE(button->hasFocus());
}
