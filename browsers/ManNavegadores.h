#pragma once

#include <QDialog>

class TMD;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

// The browser table, edited in a grid, and the program's default browser.
class TFormManNavegadores : public QDialog
{
    Q_OBJECT

public:
    explicit TFormManNavegadores(TMD& md, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void loadBrowsers();
    void PopCargarNavegadores();
    void NavegadorNavegadoresClick(const QString& caption);
    void DBGrid1DblClick();
    void BitBtn1Click();
    void BotBusquedaAutomaticaClick();
    // Runs before the default browser is stored; throws when it names no browser.
    void ConstantesBeforePost();
    // The row navigator.
    void insertRow();
    void deleteRow();
    void postRow();
    void cancelRow();

    TMD& m_md;
    // The stored name of each grid row; empty for a row not yet stored.
    QStringList m_storedNames;
    int m_editedRow = -1;
    bool m_defaultEdited = false;

    QWidget* Panel1;
    QWidget* Panel2;
    QLabel* LAviso;
    QPushButton* BotBusquedaAutomatica;
    QTableWidget* DBGrid1;
    QWidget* DBNavigator1;
    QPushButton* m_insert;
    QPushButton* m_delete;
    QPushButton* m_post;
    QPushButton* m_cancel;
    QLineEdit* DBEditNAVEGADORDEFECTO;
    QPushButton* BotDchoNavegador;
    QLabel* Label10;
    QLabel* Label3;
    QLabel* Label7;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QMenu* PopMenuNavegadores;
};
