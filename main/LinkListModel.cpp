#include "main/LinkListModel.h"

#include "main/PictureCache.h"
#include "store/Database.h"
#include "store/DefaultPictures.h"

namespace {

constexpr int PageSize = 64;
constexpr int PagesKept = 8;
} // namespace

LinkListModel::LinkListModel(Database& database, PictureCache& pictures, QObject* parent)
    : QAbstractTableModel(parent)
    , m_database(database)
    , m_pictures(pictures)
    , m_index(database)
{ }

LinkListModel::~LinkListModel() = default;

void LinkListModel::open(const ListInputs& inputs)
{
    std::vector<qint64> ids = m_index.search(inputs);
    beginResetModel();
    m_inputs = inputs;
    m_open = true;
    m_ids.swap(ids);
    m_pages.clear();
    m_recentPages.clear();
    loadGroupNames();
    m_pictures.refresh();
    endResetModel();
}

void LinkListModel::refresh()
{
    if (m_open)
        open(m_inputs);
}

void LinkListModel::close()
{
    beginResetModel();
    m_open = false;
    m_ids.clear();
    m_ids.shrink_to_fit();
    m_pages.clear();
    m_recentPages.clear();
    endResetModel();
}

qint64 LinkListModel::idAt(int row) const
{
    return row >= 0 && size_t(row) < m_ids.size() ? m_ids[size_t(row)] : 0;
}

int LinkListModel::rowOf(qint64 id) const
{
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    return found == m_ids.end() ? -1 : int(found - m_ids.begin());
}

int LinkListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_ids.size());
}

int LinkListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LinkListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == IdRole)
        return idAt(index.row());
    const Row* link = row(index.row());
    if (!link)
        return {};
    if (role == PictureRole && index.column() == Icono)
        return link->nicono == 0 ? link->icono : m_pictures.picture(link->nicono);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case EsFavorito:
        return link->tipo == QStringLiteral("F") ? QStringLiteral("*") : QString();
    case Titulo:
        return link->titulo;
    case NomGrupo:
        return link->codgrupo.isEmpty() ? QString() : m_groupNames.value(link->codgrupo);
    case Prioridad:
        return link->prioridad;
    case Direccion:
        return link->direccion;
    case CodGrupo:
        return link->codgrupo;
    case Tipo:
        return link->tipo;
    case Navegador:
        return link->navegador;
    case FechaHora:
        return link->fechahora;
    default:
        return QString();
    }
}

const LinkListModel::Row* LinkListModel::row(int index) const
{
    const int page = index / PageSize;
    if (!m_pages.contains(page)) {
        try {
            loadPage(page);
        } catch (const std::exception&) {
            // A row that cannot be read is drawn empty.
            return nullptr;
        }
    }
    m_recentPages.removeOne(page);
    m_recentPages.append(page);
    const QList<Row>& rows = m_pages[page];
    const int offset = index % PageSize;
    return offset < rows.size() ? &rows[offset] : nullptr;
}

void LinkListModel::loadPage(int page) const
{
    const size_t first = size_t(page) * PageSize;
    const size_t last = std::min(m_ids.size(), first + PageSize);
    QVariantList ids;
    QStringList marks;
    for (size_t i = first; i < last; ++i) {
        ids << m_ids[i];
        marks << QStringLiteral("?");
    }
    QHash<qint64, Row> found;
    Cursor cursor = m_database.query(
        QStringLiteral("SELECT id, titulo, codgrupo, prioridad, direccion, tipo, navegador, fechahora, "
                       "nicono, CASE WHEN nicono = 0 AND length(icono) <= %1 THEN icono END "
                       "FROM direcciones WHERE id IN (%2)")
            .arg(DefaultPictures::MaxBytes)
            .arg(marks.join(u',')),
        ids);
    while (cursor.next()) {
        Row link {cursor.text(1), cursor.text(2), cursor.text(3), cursor.text(4), cursor.text(5),
            cursor.text(6), cursor.dateTime(7), int(cursor.integer(8)), {}};
        if (link.nicono == 0)
            link.icono = QImage::fromData(cursor.blob(9));
        found.insert(cursor.integer(0), link);
    }
    QList<Row> rows;
    rows.reserve(qsizetype(last - first));
    for (size_t i = first; i < last; ++i)
        rows.append(found.value(m_ids[i]));

    if (m_recentPages.size() >= PagesKept)
        m_pages.remove(m_recentPages.takeFirst());
    m_pages.insert(page, rows);
}

void LinkListModel::loadGroupNames()
{
    m_groupNames.clear();
    Cursor cursor = m_database.query(QStringLiteral("SELECT codgrupo, nomgrupo FROM grupos"));
    while (cursor.next())
        m_groupNames.insert(cursor.text(0), cursor.text(1));
}
