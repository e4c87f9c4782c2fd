#pragma once

#include <QDialog>

class TMD;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
struct Bookmark;

// The favourites import: gathers candidate links from the browsers into one ticked list and
// stores the ticked ones as a new group. CodigoGrupo holds that group's code, empty when
// nothing was imported.
class TFormLeerFavoritos : public QDialog
{
    Q_OBJECT

public:
    explicit TFormLeerFavoritos(TMD& md, QWidget* parent = nullptr);

    QString CodigoGrupo;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void connectControls();
    void BotEdgeClick();
    void BotInternetExplorerClick();
    void BotChromeClick();
    void ImportarPerfilChrome(const QString& path);
    void BotFirefoxClick();
    void BotArchivoHtmlClick();
    void BotImportarEnlacesClick();
    void BotMarcarClick(bool ticked);
    void TotalReg();
    // Runs a reader button's work with the buttons disabled and the totals recounted after.
    template<typename Work> void runReader(Work&& work);
    // Every file matching filter below folder; the window stays responsive and Esc cancels.
    QStringList findFiles(const QString& folder, const QString& filter);
    // The profiles the user picks from several, or the only one.
    QStringList chooseProfiles(const QStringList& profiles, const QString& caption);
    void addCandidates(const QStringList& lines);
    void addBookmarks(const QList<Bookmark>& bookmarks);

    TMD& m_md;
    bool m_searching = false;
    bool m_cancelled = false;

    QWidget* Panel1;
    QPushButton* BotEdge;
    QPushButton* BotInternetExplorer;
    QPushButton* BotChrome;
    QPushButton* BotFirefox;
    QPushButton* BotArchivoHtml;
    QPushButton* BotImportarEnlaces;
    QProgressBar* Progreso;
    QPushButton* BotBorrarLista;
    QPushButton* BotMarcar;
    QPushButton* BotDesmarcar;
    QLabel* LNumReg;
    QListWidget* CKLista;
};
