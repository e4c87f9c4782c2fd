#pragma once

#include "main/ListQuery.h"
#include "store/Database.h"

#include <QtGlobal>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The list's columns of every link held in memory, with the links in each of the list's
// three orders, so that a keystroke scans memory instead of the file. A search gives exactly
// the ids the list statement gives, in its order. The texts are searched in the order they
// are held, which reads memory straight through, into a set of found links; the order then
// picks the found ones out. A longer search over the same list re-checks only the links the
// shorter one found, and scans run in two halves at once. A change of the file, by this copy
// of the program or another, is noticed before the next search, which then reads the
// catalogue again.
class SearchIndex
{
public:
    explicit SearchIndex(Database& database);

    std::vector<qint64> search(const ListInputs& inputs);

    // One bit a link, in the order the links are held.
    using LinkSet = std::vector<quint64>;

private:
    // The texts of one column, each followed by a zero byte so that no match spans two.
    struct Texts
    {
        std::string bytes;
        std::vector<quint32> starts {0};

        void append(std::string_view text);
        std::string_view at(quint32 link) const;
    };

    void load();
    // Places the ids of the second and third orders at their held positions; false when an
    // id is not held.
    bool placeOrders(std::array<std::vector<qint64>, 3>& ids);
    LinkSet selected(const ListInputs& inputs) const;
    LinkSet find(const ListInputs& inputs, const LinkSet& within, bool narrowing) const;

    Database& m_database;
    std::unique_ptr<Database> m_orderReader;
    bool m_loaded = false;
    Database::ChangeStamp m_stamp;

    std::vector<qint64> m_ids;
    Texts m_titles;
    Texts m_addresses;
    std::vector<std::string> m_groupCodes;
    std::vector<quint32> m_groups;
    std::vector<bool> m_favourites;
    // For each order, the held positions of the links in that order, and their ids.
    std::array<std::vector<quint32>, 3> m_orders;
    std::array<std::vector<qint64>, 3> m_orderIds;

    // The last search and what it found, for the next keystroke to narrow.
    bool m_hasLast = false;
    ListInputs m_lastInputs;
    LinkSet m_lastFound;
};
