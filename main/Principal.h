#pragma once

#include "main/ListQuery.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class Countdown;
struct DroppedLinks;
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
    // Reads the list again, keeping the current link current where it is still listed.
    void refreshList();
    void updateListHint();
    void setSearchTextSilently(const QString& text);
    void BotBorrarFiltroClick();
    void BotGrupoClick();
    void MNuevoEnlaceExecute();
    void MEditarEnlaceExecute();
    void MManGruposExecute();
    void MIconosEnlacesExecute();

    // The utility windows.
    void MImportarFavoritosExecute();
    void MManNavegadoresExecute();
    void MAcercadeExecute();
    void MConfiguracionExecute();
    void MColoresExecute();
    void MBorrarBDExecute();
    // Selects the selector item of a group code and runs the search, when the code is listed.
    void selectGroupCode(const QString& code);
    QAction* action(const char* name, const QString& caption, void (TFormPrincipal::*handler)() = nullptr);

    // Link actions and menus.
    void PopMenuPonerPopup();
    void SubMenuNavegadores();
    void SubMenuGrupos();
    void NavegadorClick(const QString& browser);
    void GruposClick(const QString& caption);
    void MAbrirAdministradorExecute();
    void MAbrirUbicacionExecute();
    void MAnadirFavoritoExecute();
    void MQuitarFavoritoExecute();
    void setFavourite(bool favourite);
    void MBorrarFavoritosExecute();
    void MAsignarPrioridadExecute();
    void MQuitarPrioridadesExecute();
    void MNuevoGrupoExecute();
    void MBorrarGrupoExecute();
    void MBorrarGrupoyEnlacesExecute();
    void deleteSelectedGroup(bool withLinks);
    void MBorrarEnlaceExecute();
    void MVerEnlaceExecute();
    void MBorrarFisicamenteExecute();
    // The id and address of the current row; empty when the list has none.
    std::optional<int> currentRow() const;
    QString columnText(int row, int column) const;

    // Intake from the clipboard and drops.
    void MCopiarEnlaceExecute();
    void MPegarEnlaceExecute();
    void DropTargetDrop(const DroppedLinks& links);
    void DardeAltaEnlace(const QString& title, const QString& address);
    // Stores a link unless the same title and address are stored already.
    void takeLink(const QString& title, const QString& address);
    // After an intake: the most recent links first, the newest current.
    void showRecent();
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
    std::unique_ptr<PictureCache> m_pictures;
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
    QAction* MBorrarEnlace;
    QAction* MPegarEnlace;
    QAction* Abrirenlace1;
    QAction* Abrircomoadministrador1;
    QMenu* Abrircon1;
    QAction* EditarEnlace1;
    QAction* BorrarEnlace1;
    QAction* VerEnlace;
    QAction* AsignarPrioridad1;
    QMenu* AsignarGrupo1;
    QAction* Borrargrupo1;
    QAction* BorrarGrupoYEnlaces1;
    QAction* AnadirFavorPersonal1;
    QAction* QuitarFavorPersonal1;
    QAction* AadirFavorito1;
    QAction* AbrirUbicacion1;
    QAction* CopiarEnlace;
    QAction* PegarEnlace1;
    QAction* BorraFisicamente;
    QMenu* PopupMenuGrupos;
    QAction* MGuia;
};
