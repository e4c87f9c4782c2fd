// The link editor's batch list: many dropped links corrected and stored at once.
#include "editor/AltaDirecciones.h"

#include "formats/InternetShortcut.h"
#include "formats/ShellLink.h"
#include "platform/Platform.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

void TFormAltaDirecciones::BotImportarClick()
{
    const bool entry = ETitulo->isEnabled();
    setFixedHeight(BatchHeight);
    ListBox1->show();
    BotImportar->hide();
    ActivarControlesEntrada(!entry);
}

void TFormAltaDirecciones::ActivarControlesEntrada(bool entry)
{
    for (QWidget* control :
        {static_cast<QWidget*>(ETitulo), static_cast<QWidget*>(EDireccion), static_cast<QWidget*>(ENavegador),
            static_cast<QWidget*>(EPrioridad), static_cast<QWidget*>(CKFavorito)})
        control->setEnabled(entry);
    for (QWidget* batch : {static_cast<QWidget*>(BotLimpiarLista), static_cast<QWidget*>(LLimpiarLista),
             static_cast<QWidget*>(BotTodoGruposIgual), static_cast<QWidget*>(LArrastrar)})
        batch->setVisible(!entry);
    if (!entry)
        CKModificar->show();
    // The system's window colour is the background of edit fields.
    const QColor background = entry ? QApplication::palette().color(QPalette::Base) : QColor(192, 192, 192);
    for (QWidget* control : {static_cast<QWidget*>(ETitulo), static_cast<QWidget*>(EDireccion),
             static_cast<QWidget*>(EGrupo), static_cast<QWidget*>(ENavegador),
             static_cast<QWidget*>(EPrioridad), static_cast<QWidget*>(CKFavorito)}) {
        QPalette colours = control->palette();
        colours.setColor(QPalette::Base, background);
        colours.setColor(QPalette::Disabled, QPalette::Base, background);
        // The row shown stays readable on silver.
        colours.setColor(QPalette::Disabled, QPalette::Text, QColor(60, 60, 60));
        control->setPalette(colours);
    }
    ListBox1->setVisible(!entry);
    setFixedHeight(entry ? SingleHeight : BatchHeight);
}

void TFormAltaDirecciones::addItem(const QString& item)
{
    ListBox1->addItem(item);
    GenerarGrid();
    ListBox1->setCurrentRow(0);
}

void TFormAltaDirecciones::GenerarGrid()
{
    m_rows.clear();
    for (int i = 0; i < ListBox1->count(); ++i) {
        const QString item = ListBox1->item(i)->text();
        Row row;
        if (item.contains(u'|')) {
            row[Titulo] = ExtraerToken(item, QStringLiteral("|"), 1, 1);
            row[Direccion] = ExtraerToken(item, QStringLiteral("|"), 2, 1);
        } else {
            row[Direccion] = item;
            row[Titulo] = NombreFichero(item);
        }
        // A web address that only looks like a shortcut file stays as it is.
        if (row[Direccion].contains(QStringLiteral(".URL"), Qt::CaseInsensitive)) {
            const std::optional<QString> address = InternetShortcut::lastUrlLine(row[Direccion]);
            if (address && !address->isEmpty()) {
                row[Titulo] = NombreFichero(row[Direccion]);
                row[Direccion] = *address;
            }
        }
        if (const std::optional<QString> target = shortcutTarget(row[Direccion])) {
            row[Titulo] = u'>' + NombreFichero(row[Direccion]);
            row[Direccion] = *target;
        }
        if (row[Titulo].isEmpty())
            row[Titulo] = item;
        m_rows.append(row);
    }
    showRow(0);
}

void TFormAltaDirecciones::showRow(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    const Row row = m_rows.at(index);
    ETitulo->setText(row[Titulo]);
    EDireccion->setText(row[Direccion]);
    EGrupo->setText(row[Grupo]);
    ENavegador->setText(row[Navegador]);
    EPrioridad->setText(row[Prioridad]);
    CKFavorito->setChecked(row[Favorito] == QStringLiteral("True"));
}

void TFormAltaDirecciones::BorrarLinea()
{
    const int index = ListBox1->currentRow();
    if (index < 0)
        return;
    m_rows.removeAt(index);
    {
        const QSignalBlocker quiet(ListBox1);
        delete ListBox1->takeItem(index);
        ListBox1->setCurrentRow(std::min(index, ListBox1->count() - 1));
    }
    if (ListBox1->count() > 0)
        showRow(ListBox1->currentRow());
    else
        clearBoxes();
}

void TFormAltaDirecciones::BotLimpiarListaClick()
{
    ListBox1->clear();
    m_rows.clear();
    clearBoxes();
}

void TFormAltaDirecciones::clearBoxes()
{
    for (QLineEdit* box : {ETitulo, EDireccion, EGrupo, ENavegador, EPrioridad})
        box->clear();
    CKFavorito->setChecked(false);
}

void TFormAltaDirecciones::BotTodoGruposIgualClick()
{
    for (Row& row : m_rows)
        row[Grupo] = EGrupo->text();
}

void TFormAltaDirecciones::CKModificarClick()
{
    if (CKModificar->isChecked()) {
        ActivarControlesEntrada(true);
        ListBox1->show();
        ListBox1->setCurrentRow(0);
        setFixedHeight(BatchHeight);
        return;
    }
    if (ListBox1->count() > 0)
        m_md.platform().showInformation(QStringLiteral("Se perderán las moficaciones si se añaden enlaces"));
    ActivarControlesEntrada(false);
}

void TFormAltaDirecciones::correctRow(Column column, const QString& value)
{
    const int index = ListBox1->currentRow();
    if (CKModificar->isChecked() && index >= 0 && index < m_rows.size())
        m_rows[index][column] = value;
}
