#include "dialogs/VerEnlace.h"

#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "store/MDatos.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TFormVerEnlace::TFormVerEnlace(TMD& md, const QString& titulo, const QString& direccion, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , Memo1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FormVerEnlace"));
    setWindowTitle(QStringLiteral("Ver enlace"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->clear();
    Memo1->appendPlainText(titulo);
    Memo1->appendPlainText(direccion);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    resize(760, 90);
}

void TFormVerEnlace::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({Memo1});
        colours.button({Memo1});
    });
}
