#pragma once

#include <QDialog>

class TMD;
class QListWidget;
class QPushButton;

// Picks the browser profiles to import, all ticked at first. Profiles() gives the ticked
// ones in list order after the dialog closes.
class TFormSelPerfilChrome : public QDialog
{
    Q_OBJECT

public:
    TFormSelPerfilChrome(
        TMD& md, const QStringList& profiles, const QString& caption, QWidget* parent = nullptr);

    QStringList Profiles() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateImportButton();
    void BotCerrarClick();

    TMD& m_md;
    QWidget* Panel2;
    QListWidget* ListaChrome;
    QPushButton* BotImportar;
    QPushButton* BotCerrar;
};
