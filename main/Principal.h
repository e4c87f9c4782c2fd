#pragma once

#include "main/ListQuery.h"

#include <QMainWindow>

class Countdown;
class LinkGridDelegate;
class LinkListModel;
class PictureCache;
class Platform;
class RadioGroup;
class TMD;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

// The main window: the search inputs, the list of links, the countdown and the menus.
class TFormPrincipal : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormPrincipal(TMD& md, QWidget* parent = nullptr);
    ~TFormPrincipal() override;

    // Rebuilds the list for a selector: "TODOS", "FAVORITOS", "" or a group code.
    void CargarQuery(const QString& selector);
    // Maps the group selector to CargarQuery: running the search.
    void ComboGruposSelect();
    void CargarInicio();
    void CargarGrupoCombo();
    int NumFavoritos();
    void GuardarPreferencias();

    // The statement of the last search, as written.
    const Statement& lastStatement() const { return m_statement; }
    Countdown& countdown() const { return *m_countdown; }
    // The list's context menu: the link menu, or the short menu when nothing is listed.
    QMenu* gridMenu() const { return m_gridMenu; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectControls();
    void PonerColores();
    void presentResult();
    void showCount();
    void updateListHint();
    void setSearchTextSilently(const QString& text);
    void BotBorrarFiltroClick();
    void BotGrupoClick();
    void MNuevoEnlaceExecute();
    void MEditarEnlaceExecute();
    void MManGruposExecute();
    void MIconosEnlacesExecute();
    // Selects the selector item equal to a group label and runs the search, when found
    // past "TODOS".
    void selectGroup(const QString& label);
    void EBusquedaChange();
    void MAbrirEnlaceExecute();
    void AbrirEnlacesYa(const QList<int>& rows);
    void MGuiaExecute();
    bool searchBoxKey(QKeyEvent* key);
    bool gridKey(QKeyEvent* key);
    QList<int> selectedRows() const;
    QString guidePath() const;

    TMD& m_md;
    Platform& m_platform;
    PictureCache* m_pictures;
    LinkListModel* m_model;
    LinkGridDelegate* m_delegate;
    Countdown* m_countdown;
    Statement m_statement;
    bool m_shown = false;
    bool m_silentSearchChange = false;

    QLabel* LTitulo;
    QCheckBox* CKBuscaAuto;
    QPushButton* BotBorrarFiltro;
    QLineEdit* EBusqueda;
    QPushButton* BotBuscar;
    QLabel* LTextoBusqueda;
    QCheckBox* CKDireccion;
    QLabel* LBuscar;
    QPushButton* BotGrupo;
    QComboBox* ComboGrupos;
    RadioGroup* ROrden;
    QLabel* LTiempo1;
    QLabel* LSegundos;
    QPushButton* BotCerrar;
    QPushButton* BotGuia;
    QPushButton* BotEscape;
    QPushButton* BotFavoritos;
    QPushButton* BotAnadirEnlace;
    QLabel* LSeleccionaEnlace;
    QLabel* LNum;
    QTableView* DBGrid1;
    QLabel* PanelInfo;
    QLabel* Label4;
    QLabel* Label5;
    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel4;
    QMenu* PopMenuPoner;
    QMenu* PopupMenuNuevo;
    QMenu* m_gridMenu = nullptr;
    QAction* MAbrirEnlace;
    QAction* MNuevoEnlace;
    QAction* MEditarEnlace;
    QAction* MGuia;
};
