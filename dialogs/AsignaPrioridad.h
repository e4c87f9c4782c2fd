#pragma once

#include <QDialog>

class TMD;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for one priority; PrioridadElegida holds its three digits, or is empty when cancelled.
class TFormAsignaPrioridad : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAsignaPrioridad(TMD& md, QWidget* parent = nullptr);

    QString PrioridadElegida;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BotOKClick();

    TMD& m_md;
    QWidget* m_panel;
    QLineEdit* EPrioridad;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* BotOK;
    QPushButton* BotCancelar;
};
