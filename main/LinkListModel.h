#pragma once

#include "main/ListQuery.h"
#include "main/SearchIndex.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>

#include <memory>
#include <optional>
#include <vector>

class Database;
class PictureCache;

// The main list: the links a search selects, in its order. The search runs over the
// in-memory index of the list's columns; only the ids of the result are held, and the rows
// on screen are read from the file a page at a time.
class LinkListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Relleno,
        Icono,
        EsFavorito,
        Titulo,
        NomGrupo,
        Prioridad,
        Relleno2,
        Direccion,
        CodGrupo,
        Tipo,
        Navegador,
        FechaHora,
        ColumnCount
    };
    enum Role { PictureRole = Qt::UserRole, IdRole };

    LinkListModel(Database& database, PictureCache& pictures, QObject* parent = nullptr);
    ~LinkListModel() override;

    // Searches the catalogue and shows the links found.
    void open(const ListInputs& inputs);
    // Runs the last search again.
    void refresh();
    // Empties the list until the next open.
    void close();
    bool isOpen() const { return m_open; }

    qint64 idAt(int row) const;
    // The row of a link, or -1 when it is not listed.
    int rowOf(qint64 id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        QString titulo;
        QString codgrupo;
        QString prioridad;
        QString direccion;
        QString tipo;
        QString navegador;
        QDateTime fechahora;
        int nicono = 0;
        QImage icono;
    };

    const Row* row(int index) const;
    void loadPage(int page) const;
    void loadGroupNames();

    Database& m_database;
    PictureCache& m_pictures;
    SearchIndex m_index;
    ListInputs m_inputs;
    bool m_open = false;
    std::vector<qint64> m_ids;
    QHash<QString, QString> m_groupNames;
    mutable QHash<int, QList<Row>> m_pages;
    mutable QList<int> m_recentPages;
};
