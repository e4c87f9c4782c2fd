#include "dialogs/AsignaPrioridad.h"
#include "dialogs/VerEnlace.h"
#include "store/MDatos.h"

#include "DistinctScheme.h"
#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Dialogs : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};
};

} // namespace

TEST_F(Dialogs, ThePriorityDialogGivesThreeDigits)
{
    TFormAsignaPrioridad dialog(md);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), s(u"Asignar prioridad"));
    EXPECT_EQ(dialog.findChild<QLabel*>(s(u"Label2"))->text(), s(u"Número entre 0 y 999"));
    dialog.findChild<QPushButton*>(s(u"BotOK"))->click();
    EXPECT_EQ(dialog.PrioridadElegida, s(u"000"));

    TFormAsignaPrioridad typed(md);
    typed.show();
    auto* box = typed.findChild<QLineEdit*>(s(u"EPrioridad"));
    QTest::keyClicks(box, QStringLiteral("-5a12"));
    EXPECT_EQ(box->text(), s(u"512"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(typed.PrioridadElegida, s(u"512"));
    EXPECT_EQ(typed.result(), QDialog::Accepted);

    TFormAsignaPrioridad cancelled(md);
    cancelled.show();
    QTest::keyClicks(cancelled.findChild<QLineEdit*>(s(u"EPrioridad")), QStringLiteral("9"));
    cancelled.findChild<QPushButton*>(s(u"BotCancelar"))->click();
    EXPECT_TRUE(cancelled.PrioridadElegida.isEmpty());
}

TEST_F(Dialogs, TheViewerShowsTitleAndAddressAsTwoLines)
{
    TFormVerEnlace viewer(md, s(u"EL PAÍS"), s(u"https://elpais.com"));
    viewer.show();
    EXPECT_EQ(viewer.windowTitle(), s(u"Ver enlace"));
    auto* text = viewer.findChild<QPlainTextEdit*>(s(u"Memo1"));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), s(u"EL PAÍS\nhttps://elpais.com"));
}

TEST_F(Dialogs, TheViewersTextIsDrawnInTheButtonColour)
{
    md.colores = DistinctScheme::scheme();
    TFormVerEnlace viewer(md, s(u"EL PAÍS"), s(u"https://elpais.com"));
    viewer.show();
    const auto* text = viewer.findChild<QPlainTextEdit*>(s(u"Memo1"));
    EXPECT_EQ(DistinctScheme::colourOf(text, QPalette::Text), DistinctScheme::Boton);
    EXPECT_EQ(DistinctScheme::colourOf(text, QPalette::Base), DistinctScheme::Fondo);
}
