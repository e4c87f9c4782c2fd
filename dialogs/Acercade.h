#pragma once

#include <QDialog>

class TMD;
class THttpDownload;
class QLabel;
class QPushButton;

// The about box: the product, its version and date, the maker's addresses, and the check
// for a newer version on the maker's web site.
class TFormAcercade : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAcercade(TMD& md, QWidget* parent = nullptr);

    // The maker's web site, from the build unless told otherwise.
    QString WebSite;

    void ComprobarActualizaciones();
    // The version published on the web site; empty, after telling the user, when it could not
    // be read.
    QString LeerUltimaVersion();

    // Compares dotted version numbers part by part as numbers: <0, 0 or >0.
    static int compareVersions(const QString& a, const QString& b);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildControls();
    QString versionFile() const;

    TMD& m_md;
    THttpDownload* HttpDownload1;
    QWidget* Panel1;
    QLabel* ProductName;
    QLabel* Image1;
    QLabel* VersionProg;
    QLabel* Fecha;
    QLabel* DirCorreo;
    QLabel* SitioWeb;
    QLabel* LCatalogo;
    QPushButton* BotActualiza;
    QPushButton* BotOK;
};
