#pragma once

#include <QDialog>
#include <QImage>

#include <array>

class TLinkDropTarget;
struct Link;
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
    Link linkFromBoxes() const;
    void insertLink(Link link);

    static constexpr int SingleHeight = 270;
    static constexpr int BatchHeight = 515;

    // The batch list: many dropped links stored at once.
    enum Column { Titulo, Direccion, Grupo, Navegador, Prioridad, Favorito, Columns };
    using Row = std::array<QString, Columns>;
    void BotImportarClick();
    void ActivarControlesEntrada(bool entry);
    void addItem(const QString& item);
    void GenerarGrid();
    void showRow(int row);
    void BorrarLinea();
    void BotLimpiarListaClick();
    // Empties the entry boxes: the list has no row to show.
    void clearBoxes();
    void BotTodoGruposIgualClick();
    void CKModificarClick();
    void correctRow(Column column, const QString& value);
    QList<Row> m_rows;

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
    QPushButton* BotLimpiarLista;
    QLabel* LLimpiarLista;
    QPushButton* BotTodoGruposIgual;
    QLabel* LArrastrar;
    QCheckBox* CKModificar;
    QMenu* m_groupMenu;
    QMenu* m_browserMenu;
};
