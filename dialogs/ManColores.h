#pragma once

#include <QColor>
#include <QDialog>

#include <optional>

class TMD;
class QLabel;
class QLineEdit;
class QPushButton;

// Picks the six colours of the scheme on a preview of the main window's elements.
class TFormManColores : public QDialog
{
    Q_OBJECT

public:
    explicit TFormManColores(TMD& md, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void PonerColores();
    // The colour chosen in the dialog, which starts from the last one chosen here.
    std::optional<QColor> chooseColour();
    void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
    QColor colourOf(const QWidget* widget, QPalette::ColorRole role) const;
    void VerResultado();
    void BotGuardarColoresClick();
    void SpeedButton2Click();

    TMD& m_md;
    QColor m_lastChosen = Qt::black;
    QWidget* PanelColorFondo;
    QLabel* LTitulo;
    QPushButton* Boton;
    QLabel* LMensaje;
    QLabel* LSugerencia;
    QLineEdit* EEdicion;
    QWidget* Panel1;
    QPushButton* BotGuardarColores;
    QPushButton* SpeedButton2;
};
