#pragma once

#include <QDialog>

class TMD;
class QLabel;
class QListWidget;
class QPushButton;

// The gallery of the 27 default pictures; NumIconoElegido holds the chosen number, or -1.
class TFormSelIcono : public QDialog
{
    Q_OBJECT

public:
    explicit TFormSelIcono(TMD& md, QWidget* parent = nullptr);

    int NumIconoElegido = -1;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CargarIconos();
    void ListView1DblClick();
    void BotSeleccionarClick();

    TMD& m_md;
    QWidget* Panel1;
    QLabel* m_caption;
    QListWidget* ListView1;
    QPushButton* BotSeleccionar;
    QPushButton* BotCerrar;
    QWidget* m_buttons;
};
