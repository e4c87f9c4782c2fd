#pragma once

#include "store/Records.h"

#include <QDialog>
#include <QList>

class TMD;
class QLabel;
class QListWidget;
class QPushButton;

// The icon library: the pictures that links without a picture of their own share.
// Every change is stored at once.
class TFormIconosEnlaces : public QDialog
{
    Q_OBJECT

public:
    explicit TFormIconosEnlaces(TMD& md, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BotVerIconoClick();
    void BotPropioClick();
    void BotGaleriaClick();
    void BotOriginalClick();
    void GuardarIcono(const QImage& picture);
    const Picture* current() const;

    TMD& m_md;
    QList<Picture> m_pictures;
    QWidget* m_panel;
    QLabel* LTitulo;
    QListWidget* DBGrid1;
    QLabel* Image1;
    QPushButton* BotGaleria;
    QPushButton* BotPropio;
    QPushButton* BotOriginal;
};
