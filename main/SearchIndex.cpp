#include "main/SearchIndex.h"

#include <algorithm>
#include <future>
#include <numeric>
#include <optional>
#include <unordered_map>

namespace {

// The orders of the list statement; the engine breaks ties the same way with or without a
// condition, since it reads the same list index either way. The first is read with the texts.
const char* const OrderQueries[] = {
    "SELECT id FROM direcciones ORDER BY prioridad desc, codgrupo, titulo",
    "SELECT id FROM direcciones ORDER BY prioridad desc, titulo",
    "SELECT id FROM direcciones ORDER BY fechahora desc",
};

void add(SearchIndex::LinkSet& links, quint32 link)
{
    links[link / 64] |= quint64(1) << (link % 64);
}

bool has(const SearchIndex::LinkSet& links, quint32 link)
{
    return (links[link / 64] >> (link % 64)) & 1;
}

// Runs work over the links [from, to) in two halves at once, split at a word of the set.
template<typename Work> void inHalves(quint32 count, Work&& work)
{
    constexpr quint32 SplitFrom = 20000;
    if (count < SplitFrom) {
        work(0, count);
        return;
    }
    const quint32 middle = (count / 2) & ~quint32(63);
    std::future<void> second = std::async(std::launch::async, [&] { work(middle, count); });
    work(0, middle);
    second.get();
}

// The ids of every link in the list's second and third orders; the first is the order the
// links are held in.
std::array<std::vector<qint64>, 3> orderedIds(Database& database)
{
    std::array<std::vector<qint64>, 3> orders;
    for (size_t order = 1; order < orders.size(); ++order) {
        Cursor ordered = database.query(QString::fromLatin1(OrderQueries[order]));
        while (ordered.next())
            orders[order].push_back(ordered.integer(0));
    }
    return orders;
}

// Where each id is held: a table when the ids are dense, as row numbers nearly always are,
// else a map.
class IdPositions
{
public:
    explicit IdPositions(const std::vector<qint64>& ids)
    {
        const qint64 largest = ids.empty() ? 0 : *std::max_element(ids.begin(), ids.end());
        const qint64 smallest = ids.empty() ? 0 : *std::min_element(ids.begin(), ids.end());
        m_dense = smallest >= 0 && largest < qint64(ids.size()) * 4 + 1024;
        if (m_dense)
            m_table.assign(size_t(largest) + 1, Missing);
        for (size_t position = 0; position < ids.size(); ++position) {
            if (m_dense)
                m_table[size_t(ids[position])] = quint32(position);
            else
                m_map.emplace(ids[position], quint32(position));
        }
    }

    std::optional<quint32> find(qint64 id) const
    {
        if (m_dense) {
            if (id < 0 || size_t(id) >= m_table.size() || m_table[size_t(id)] == Missing)
                return std::nullopt;
            return m_table[size_t(id)];
        }
        const auto found = m_map.find(id);
        return found == m_map.end() ? std::nullopt : std::optional<quint32>(found->second);
    }

private:
    static constexpr quint32 Missing = quint32(-1);
    bool m_dense = false;
    std::vector<quint32> m_table;
    std::unordered_map<qint64, quint32> m_map;
};

} // namespace

void SearchIndex::Texts::append(std::string_view text)
{
    bytes.append(text);
    bytes.push_back('\0');
    starts.push_back(quint32(bytes.size()));
}

bool SearchIndex::placeOrders(std::array<std::vector<qint64>, 3>& ids)
{
    const IdPositions positions(m_ids);
    for (size_t order = 1; order < m_orders.size(); ++order) {
        std::vector<quint32>& placed = m_orders[order];
        placed.clear();
        if (ids[order].size() != m_ids.size())
            return false;
        placed.reserve(m_ids.size());
        for (const qint64 id : ids[order]) {
            const std::optional<quint32> position = positions.find(id);
            if (!position)
                return false;
            placed.push_back(*position);
        }
        m_orderIds[order] = std::move(ids[order]);
    }
    return true;
}

std::string_view SearchIndex::Texts::at(quint32 link) const
{
    return std::string_view(bytes).substr(starts[link], starts[link + 1] - starts[link] - 1);
}

SearchIndex::SearchIndex(Database& database)
    : m_database(database)
{ }

void SearchIndex::load()
{
    m_ids.clear();
    m_titles = {};
    m_addresses = {};
    m_groupCodes.clear();
    m_groups.clear();
    m_favourites.clear();
    // The orders are read on a second connection meanwhile.
    if (!m_orderReader)
        m_orderReader = std::make_unique<Database>(m_database.fileName(), Database::Seeder());
    std::future<std::array<std::vector<qint64>, 3>> orders
        = std::async(std::launch::async, [this] { return orderedIds(*m_orderReader); });
    std::unordered_map<std::string, quint32> groupNumbers;
    // Held in the list's first order, read from its index without touching the rows.
    Cursor rows = m_database.query(QStringLiteral("SELECT id, titulo, direccion, codgrupo, tipo FROM "
                                                  "direcciones ORDER BY prioridad desc, codgrupo, titulo"));
    std::string address;
    while (rows.next()) {
        m_ids.push_back(rows.integer(0));
        m_titles.append(rows.utf8(1));
        address.clear();
        appendUpper(address, rows.utf8(2));
        m_addresses.append(address);
        const auto [number, added]
            = groupNumbers.try_emplace(std::string(rows.utf8(3)), quint32(m_groupCodes.size()));
        if (added)
            m_groupCodes.push_back(number->first);
        m_groups.push_back(number->second);
        m_favourites.push_back(rows.utf8(4) == "F");
    }
    m_orders[0].resize(m_ids.size());
    std::iota(m_orders[0].begin(), m_orders[0].end(), quint32(0));
    m_orderIds[0] = m_ids;
    std::array<std::vector<qint64>, 3> ids = orders.get();
    // Another copy may have written between the two connections' reads: then the orders are
    // read again within this connection's own view.
    if (!placeOrders(ids)) {
        ids = orderedIds(m_database);
        placeOrders(ids);
    }
    m_hasLast = false;
    m_loaded = true;
}

SearchIndex::LinkSet SearchIndex::selected(const ListInputs& inputs) const
{
    const quint32 count = quint32(m_ids.size());
    LinkSet links((count + 63) / 64);
    if (inputs.selector == QStringLiteral("TODOS")) {
        std::fill(links.begin(), links.end(), ~quint64(0));
        if (count % 64)
            links.back() = (quint64(1) << (count % 64)) - 1;
    } else if (inputs.selector == QStringLiteral("FAVORITOS")) {
        for (quint32 link = 0; link < count; ++link) {
            if (m_favourites[link])
                add(links, link);
        }
    } else {
        // A group that no link has selects nothing.
        const auto code = std::find(m_groupCodes.begin(), m_groupCodes.end(), inputs.selector.toStdString());
        const quint32 group = quint32(code - m_groupCodes.begin());
        for (quint32 link = 0; link < count && code != m_groupCodes.end(); ++link) {
            if (m_groups[link] == group)
                add(links, link);
        }
    }
    return links;
}

SearchIndex::LinkSet SearchIndex::find(const ListInputs& inputs, const LinkSet& within, bool narrowing) const
{
    const std::string text = inputs.searchText.toStdString();
    const quint32 count = quint32(m_ids.size());
    LinkSet found(within.size());
    if (narrowing) {
        // Few links left: each is checked where it is held.
        inHalves(count, [&](quint32 from, quint32 to) {
            for (quint32 word = from / 64; word * 64 < to; ++word) {
                for (quint64 bits = within[word]; bits; bits &= bits - 1) {
                    const quint32 link = word * 64 + quint32(std::countr_zero(bits));
                    if (m_titles.at(link).find(text) != std::string_view::npos
                        || (inputs.searchAddresses
                            && m_addresses.at(link).find(text) != std::string_view::npos))
                        add(found, link);
                }
            }
        });
        return found;
    }
    // Every link: the text is looked for through each column's bytes at once.
    const auto mark = [&](const Texts& texts, quint32 from, quint32 to) {
        const std::string_view bytes = std::string_view(texts.bytes).substr(0, texts.starts[to]);
        quint32 link = from;
        for (size_t at = bytes.find(text, texts.starts[from]); at != std::string_view::npos;
             at = bytes.find(text, texts.starts[link + 1])) {
            while (texts.starts[link + 1] <= at)
                ++link;
            add(found, link);
        }
    };
    inHalves(count, [&](quint32 from, quint32 to) {
        mark(m_titles, from, to);
        if (inputs.searchAddresses)
            mark(m_addresses, from, to);
        for (quint32 word = from / 64; word * 64 < to; ++word)
            found[word] &= within[word];
    });
    return found;
}

std::vector<qint64> SearchIndex::search(const ListInputs& inputs)
{
    if (!m_loaded || m_database.changeStamp() != m_stamp) {
        // One snapshot for every query of the load, whatever other copies write meanwhile; a
        // savepoint serves inside a transaction of this connection too.
        m_database.execute(QStringLiteral("SAVEPOINT search_index"));
        try {
            load();
            m_stamp = m_database.changeStamp();
            m_database.execute(QStringLiteral("RELEASE search_index"));
        } catch (...) {
            m_loaded = false;
            m_database.execute(QStringLiteral("ROLLBACK TO search_index"));
            m_database.execute(QStringLiteral("RELEASE search_index"));
            throw;
        }
    }
    const size_t order = inputs.order == 1 || inputs.order == 2 ? size_t(inputs.order) : 0;
    if (inputs.searchText.isEmpty() && inputs.selector == QStringLiteral("TODOS")) {
        m_hasLast = false;
        return m_orderIds[order];
    }
    // Links that hold a longer text hold the shorter one: only those found are checked again.
    const bool narrowing = m_hasLast && inputs.selector == m_lastInputs.selector
        && inputs.searchAddresses == m_lastInputs.searchAddresses && !m_lastInputs.searchText.isEmpty()
        && inputs.searchText.contains(m_lastInputs.searchText);
    LinkSet found = narrowing ? m_lastFound : selected(inputs);
    if (!inputs.searchText.isEmpty())
        found = find(inputs, found, narrowing);

    std::vector<qint64> ids;
    const std::vector<quint32>& positions = m_orders[order];
    const std::vector<qint64>& orderedIds = m_orderIds[order];
    for (size_t i = 0; i < positions.size(); ++i) {
        if (has(found, positions[i]))
            ids.push_back(orderedIds[i]);
    }
    m_lastFound = std::move(found);
    m_lastInputs = inputs;
    m_hasLast = true;
    return ids;
}
