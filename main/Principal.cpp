#include "main/Principal.h"

#include "store/MDatos.h"

TFormPrincipal::TFormPrincipal(TMD& md, QWidget* parent)
    : QMainWindow(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral("Trevalia"));
    resize(760, 560);
}
