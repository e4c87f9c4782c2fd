#pragma once

#include <QDialog>

class TMD;
class QCheckBox;
class QLineEdit;
class QPushButton;

// Edits the settings row: the automatic close, the search, the start, the clipboard.
class TFormConfiguracion : public QDialog
{
    Q_OBJECT

public:
    explicit TFormConfiguracion(TMD& md, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void loadRow();
    void setPending(bool pending);
    // The row as stored: an empty time is 0, a maximum below 1 is 1.
    void ConstantesBeforePost();
    void postRow();
    void BotRestaurarValoresClick();

    TMD& m_md;
    QWidget* Panel1;
    QLineEdit* DBTiempo;
    QCheckBox* CKBuscauto;
    QCheckBox* CKBuscarDireccion;
    QCheckBox* CKFavoritossihay;
    QLineEdit* DBNumMaxAbrir;
    QCheckBox* CKGuardarSalir;
    QCheckBox* CKBorrarCarpetas;
    QCheckBox* CKPortainicio;
    QCheckBox* CKPortafin;
    QPushButton* m_post;
    QPushButton* m_cancel;
    QPushButton* BotRestaurarValores;
};
