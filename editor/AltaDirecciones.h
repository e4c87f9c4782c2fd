#pragma once

#include <QDialog>
#include <QImage>

class TLinkDropTarget;
class TMD;
struct DroppedLinks;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

// The link editor: a new link ("ALTA") or a change to one ("EDITAR"). Guardado tells the
// caller whether anything was stored.
class TFormAltaDirecciones : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAltaDirecciones(TMD& md, QWidget* parent = nullptr);

    QString Modo;
    QString IdEnlace;
    bool Guardado = false;

    // Presets of the caller, before the window is shown.
    void setGrupo(const QString& codgrupo);
    void setFavorito(bool favorito);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void PonerColores();
    void PopCargarGrupos();
    void PopCargarNavegadores();
    void NavegadorGruposClick(const QString& caption);
    void NavegadorNavegadoresClick(const QString& caption);
    void LeerRegistroID();
    void showPicture(const QImage& picture);
    void EDireccionChange();
    void updateImportButton();
    void BotAbrirClick();
    void BotProbarEnlaceClick();
    void BotCambiarIconoClick();
    void BotGaleriaClick();
    void BotOriginalClick();
    void BotOKClick();
    void AltaNuevoEnlace();
    void ModificarEnlace(qint64 id);
    void DropTargetDrop(const DroppedLinks& links);
    bool priorityKey(QKeyEvent* key);

    TMD& m_md;
    TLinkDropTarget* m_dropTarget = nullptr;
    bool m_shown = false;
    bool IconoRestaurado = false;
    int NumIconoRestaurado = 0;
    QImage m_picture;

    QWidget* Panel1;
    QLineEdit* ETitulo;
    QLineEdit* EDireccion;
    QPushButton* BotAbrir;
    QPushButton* BotProbarEnlace;
    QLabel* Label7;
    QLineEdit* EGrupo;
    QPushButton* BotDchoGrupo;
    QLabel* Label5;
    QLineEdit* ENavegador;
    QPushButton* BotDchoNavegador;
    QLabel* Label6;
    QLineEdit* EPrioridad;
    QLabel* Label10;
    QCheckBox* CKFavorito;
    QLabel* LIDENTIFICA;
    QLabel* LSugerencia;
    QLabel* Image1;
    QPushButton* BotCambiarIcono;
    QPushButton* BotOriginal;
    QPushButton* BotGaleria;
    QPushButton* BotImportar;
    QPushButton* BotOK;
    QPushButton* BotCancelar;
    QListWidget* ListBox1;
    QMenu* m_groupMenu;
    QMenu* m_browserMenu;
};
