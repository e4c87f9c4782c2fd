#pragma once

#include "store/Statement.h"

#include <optional>

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

// One part of the list split at a value of its first order column: the links from that
// value up, those below it, and those without a value, which come in this order.
struct ListPart
{
    enum Range { From, Below, Empty };
    Range range = From;
    QString boundary;
};

// The list statement, line by line; columns replaces the "*" of its select line.
Statement listStatement(
    const ListInputs& inputs, QStringView columns = u"*", const std::optional<ListPart>& part = std::nullopt);

// The column the list's order begins with: the one to split it at.
QString firstOrderColumn(int order);
