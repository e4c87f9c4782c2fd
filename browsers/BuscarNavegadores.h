#pragma once

#include <QDialog>

#include "browsers/BrowserDiscovery.h"

class TMD;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// Searches the program folders for browser executables and stores the ticked ones in the
// browser table.
class TFormBuscarNavegadores : public QDialog
{
    Q_OBJECT

public:
    explicit TFormBuscarNavegadores(TMD& md, QWidget* parent = nullptr);

    // The folder entries offered, the system's program folders unless told otherwise.
    void setFolders(const QList<BrowserDiscovery::Folder>& folders);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void connectControls();
    void NavegadoresIniciales();
    void BotBorrarClick();
    void BotanadirClick();
    void BotBorrarNavegadoresClick();
    void Bot1Click();
    void Bot3Click();
    void setSearching(bool searching);

    TMD& m_md;
    QList<BrowserDiscovery::Folder> m_folders;
    bool m_cancelled = false;

    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* BotBorrar;
    QPushButton* BotNavegadoresIniciales;
    QLineEdit* EMarcador;
    QPushButton* Botanadir;
    QLabel* Label5;
    QListWidget* ListaCarpetas;
    QPushButton* BotBorrarNavegadores;
    QPushButton* Bot1;
    QLabel* LBuscando;
    QProgressBar* Progreso;
    QLabel* Label2;
    QPushButton* BotSelTodos;
    QPushButton* BotBorrarTodo;
    QListWidget* Lista;
    QLabel* Label3;
    QPushButton* Bot3;
};
