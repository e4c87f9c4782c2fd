#include "main/SearchIndex.h"

#include "store/Database.h"

#include <algorithm>
#include <future>
#include <unordered_map>

namespace {

// Below this many candidates one thread is quicker than two.
constexpr size_t SplitFrom = 50000;

// The orders of the list statement; the engine breaks ties the same way with or without a
// condition, since it reads the same list index either way.
const char* const OrderQueries[] = {
    "SELECT id FROM direcciones ORDER BY prioridad desc, codgrupo, titulo",
    "SELECT id FROM direcciones ORDER BY prioridad desc, titulo",
    "SELECT id FROM direcciones ORDER BY fechahora desc",
};

bool contains(std::string_view text, std::string_view searched)
{
    return text.find(searched) != std::string_view::npos;
}

} // namespace

SearchIndex::SearchIndex(Database& database)
    : m_database(database)
{ }

void SearchIndex::load()
{
    m_ids.clear();
    m_titles.clear();
    m_titleStarts.assign(1, 0);
    m_addresses.clear();
    m_addressStarts.assign(1, 0);
    m_groupCodes.clear();
    m_groups.clear();
    m_favourites.clear();
    std::unordered_map<std::string, uint32_t> groupNumbers;
    Cursor rows = m_database.query(
        QStringLiteral("SELECT id, titulo, Upper(direccion), codgrupo, tipo FROM direcciones ORDER BY id"));
    while (rows.next()) {
        m_ids.push_back(rows.integer(0));
        m_titles.append(rows.utf8(1));
        m_titleStarts.push_back(uint32_t(m_titles.size()));
        m_addresses.append(rows.utf8(2));
        m_addressStarts.push_back(uint32_t(m_addresses.size()));
        const std::string group(rows.utf8(3));
        const auto [number, added] = groupNumbers.try_emplace(group, uint32_t(m_groupCodes.size()));
        if (added)
            m_groupCodes.push_back(group);
        m_groups.push_back(number->second);
        m_favourites.push_back(rows.utf8(4) == "F");
    }
    for (size_t order = 0; order < m_orders.size(); ++order) {
        std::vector<uint32_t>& links = m_orders[order];
        links.clear();
        links.reserve(m_ids.size());
        Cursor ordered = m_database.query(QString::fromLatin1(OrderQueries[order]));
        while (ordered.next()) {
            const auto found = std::lower_bound(m_ids.begin(), m_ids.end(), ordered.integer(0));
            links.push_back(uint32_t(found - m_ids.begin()));
        }
    }
    m_hasLast = false;
    m_loaded = true;
}

std::string_view SearchIndex::title(uint32_t link) const
{
    return std::string_view(m_titles).substr(
        m_titleStarts[link], m_titleStarts[link + 1] - m_titleStarts[link]);
}

std::string_view SearchIndex::address(uint32_t link) const
{
    return std::string_view(m_addresses)
        .substr(m_addressStarts[link], m_addressStarts[link + 1] - m_addressStarts[link]);
}

std::vector<uint32_t> SearchIndex::filter(
    const std::vector<uint32_t>& candidates, const ListInputs& inputs) const
{
    const std::string text = inputs.searchText.toStdString();
    const bool favourites = inputs.selector == QStringLiteral("FAVORITOS");
    const bool everything = inputs.selector == QStringLiteral("TODOS");
    // A group that no link has selects nothing.
    const std::string selector = inputs.selector.toStdString();
    const auto code = std::find(m_groupCodes.begin(), m_groupCodes.end(), selector);
    if (!everything && !favourites && code == m_groupCodes.end())
        return {};
    const uint32_t group = uint32_t(code - m_groupCodes.begin());
    const auto keeps = [&](uint32_t link) {
        if (favourites && !m_favourites[link])
            return false;
        if (!everything && !favourites && m_groups[link] != group)
            return false;
        return text.empty() || contains(title(link), text)
            || (inputs.searchAddresses && contains(address(link), text));
    };
    const auto scan = [&](size_t from, size_t to) {
        std::vector<uint32_t> kept;
        for (size_t i = from; i < to; ++i) {
            if (keeps(candidates[i]))
                kept.push_back(candidates[i]);
        }
        return kept;
    };
    if (candidates.size() < SplitFrom)
        return scan(0, candidates.size());
    const size_t middle = candidates.size() / 2;
    std::future<std::vector<uint32_t>> second
        = std::async(std::launch::async, scan, middle, candidates.size());
    std::vector<uint32_t> kept = scan(0, middle);
    const std::vector<uint32_t> rest = second.get();
    kept.insert(kept.end(), rest.begin(), rest.end());
    return kept;
}

std::vector<qint64> SearchIndex::search(const ListInputs& inputs)
{
    if (!m_loaded || m_database.changeStamp() != m_stamp) {
        // One snapshot for every query of the load, whatever other copies write meanwhile.
        m_database.execute(QStringLiteral("BEGIN"));
        try {
            load();
            m_stamp = m_database.changeStamp();
            m_database.execute(QStringLiteral("COMMIT"));
        } catch (...) {
            m_loaded = false;
            m_database.execute(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
    // Links that hold a longer text hold the shorter one: only those found are checked again.
    const bool narrows = m_hasLast && inputs.selector == m_lastInputs.selector
        && inputs.order == m_lastInputs.order && inputs.searchAddresses == m_lastInputs.searchAddresses
        && inputs.searchText.contains(m_lastInputs.searchText);
    const size_t order = inputs.order == 1 || inputs.order == 2 ? size_t(inputs.order) : 0;
    const std::vector<uint32_t>& candidates = narrows ? m_lastFound : m_orders[order];
    std::vector<uint32_t> found = filter(candidates, inputs);
    std::vector<qint64> ids;
    ids.reserve(found.size());
    for (const uint32_t link : found)
        ids.push_back(m_ids[link]);
    m_lastFound = std::move(found);
    m_lastInputs = inputs;
    m_hasLast = true;
    return ids;
}
