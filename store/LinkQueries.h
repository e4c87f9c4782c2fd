#pragma once

#include "store/Statement.h"

// Statements on direcciones that more than one window runs.
namespace LinkQueries {

// The links with exactly this title and address.
Statement existeEnlace(const QString& titulo, const QString& direccion);

// The favourites.
Statement favoritos();

} // namespace LinkQueries
