#pragma once

#include <QDialog>

class TMD;
class QPlainTextEdit;

// Shows a link's title and address as text the user can select and copy.
class TFormVerEnlace : public QDialog
{
    Q_OBJECT

public:
    TFormVerEnlace(TMD& md, const QString& titulo, const QString& direccion, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMD& m_md;
    QPlainTextEdit* Memo1;
};
