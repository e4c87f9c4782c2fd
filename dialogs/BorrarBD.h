#pragma once

#include <QDialog>

class TMD;
class QCheckBox;
class QPushButton;

// Empties the catalogue: every link, every group, or both, once the user types SEGURO.
class TFormBorrarBD : public QDialog
{
    Q_OBJECT

public:
    explicit TFormBorrarBD(TMD& md, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString choiceWord() const;
    void updateButton();
    void BotBorrarClick();

    TMD& m_md;
    QWidget* Panel3;
    QCheckBox* CKEnlaces;
    QCheckBox* CKGrupos;
    QPushButton* BotBorrar;
};
