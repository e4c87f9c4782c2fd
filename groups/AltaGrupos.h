#pragma once

#include <QDialog>

class TMD;
class QLineEdit;
class QPushButton;

// The new-group dialog: a code and a name; GrupoCreado holds the new group's label
// (code-name), or is empty when nothing was created.
class TFormAltaGrupos : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAltaGrupos(TMD& md, QWidget* parent = nullptr);

    QString GrupoCreado;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BotOKClick();

    TMD& m_md;
    QLineEdit* ECodigo;
    QLineEdit* ENomgrupo;
    QPushButton* BotOK;
    QPushButton* BotCancelar;
};
