#pragma once

#include "store/Records.h"

#include <QDialog>

#include <optional>

class GroupList;
class TMD;
class QLabel;
class QLineEdit;
class QPushButton;

// The group maintenance window: search, create, rename and delete groups.
class TFormManGrupos : public QDialog
{
    Q_OBJECT

public:
    explicit TFormManGrupos(TMD& md, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class State { Browse, Edit, Insert };

    void Buscar();
    void showGroup(const std::optional<Group>& group);
    void BotNuevoGrupoClick();
    void Guardar();
    void Cancelar();
    void EliminarGrupo(bool withLinks);

    TMD& m_md;
    State m_state = State::Browse;
    // The group under edit, as stored; empty while a new group is being entered.
    std::optional<Group> m_underEdit;

    QLineEdit* EBusqueda;
    QPushButton* BotBuscar;
    QPushButton* BotNuevoGrupo;
    QPushButton* BotEliminarGrupo;
    QPushButton* BotEliminarGrupoTodo;
    QPushButton* BotCerrar;
    GroupList* DBGrid1;
    QLineEdit* DBEditCODGRUPO;
    QLineEdit* DBEditNOMGRUPO;
    QLabel* Label4;
    QWidget* DBNavigator1;
    QPushButton* BotGuardarRegistro;
    QPushButton* BotCancelarEdicion;
    QWidget* m_bands[3];
};
