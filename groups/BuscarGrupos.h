#pragma once

#include <QDialog>

class GroupList;
class TMD;
class QLineEdit;
class QPushButton;

// The group picker: GrupoElegido holds the chosen or created group's label (code-name), or
// is empty when nothing was chosen.
class TFormBuscarGrupos : public QDialog
{
    Q_OBJECT

public:
    explicit TFormBuscarGrupos(TMD& md, QWidget* parent = nullptr);

    QString GrupoElegido;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Buscar();
    void Elegir();
    void CrearNuevoGrupo2();

    TMD& m_md;
    QWidget* m_panel;
    QLineEdit* EBuscarGrupo;
    QPushButton* BotNuevo;
    GroupList* DBGrid1;
};
