#pragma once

#include "main/ListQuery.h"
#include "store/Database.h"

#include <QtGlobal>

#include <array>
#include <string>
#include <utility>
#include <vector>

// The list's columns of every link held in memory, with the links in each of the list's
// three orders, so that a keystroke scans memory instead of the file. A search gives exactly
// the ids the list statement gives, in its order. A longer search over the same list
// re-checks only the links the shorter one found, and a long scan uses two threads. A change
// of the file, by this copy of the program or another, is noticed before the next search,
// which then reads the catalogue again.
class SearchIndex
{
public:
    explicit SearchIndex(Database& database);

    std::vector<qint64> search(const ListInputs& inputs);

private:
    void load();
    std::vector<uint32_t> filter(const std::vector<uint32_t>& candidates, const ListInputs& inputs) const;
    std::string_view title(uint32_t link) const;
    std::string_view address(uint32_t link) const;

    Database& m_database;
    bool m_loaded = false;
    Database::ChangeStamp m_stamp;

    std::vector<qint64> m_ids;
    std::string m_titles;
    std::vector<uint32_t> m_titleStarts;
    std::string m_addresses;
    std::vector<uint32_t> m_addressStarts;
    std::vector<std::string> m_groupCodes;
    std::vector<uint32_t> m_groups;
    std::vector<bool> m_favourites;
    std::array<std::vector<uint32_t>, 3> m_orders;

    // The last search and what it found, for the next keystroke to narrow.
    bool m_hasLast = false;
    ListInputs m_lastInputs;
    std::vector<uint32_t> m_lastFound;
};
