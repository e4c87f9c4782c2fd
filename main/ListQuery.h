#pragma once

#include "store/Statement.h"

// The main list's inputs: the search text, whether addresses are searched too, the
// slice of the catalogue ("TODOS", "FAVORITOS", "" for links without group, or a group
// code) and the order (0 priority and group, 1 priority and title, 2 most recent).
struct ListInputs
{
    QString searchText;
    bool searchAddresses = true;
    QString selector = QStringLiteral("TODOS");
    int order = 0;
};

// The list statement, line by line; columns replaces the "*" of its select line.
Statement listStatement(const ListInputs& inputs, QStringView columns = u"*");
