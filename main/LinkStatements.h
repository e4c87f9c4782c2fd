#pragma once

#include "store/Statement.h"

// The statements by which the main window's actions change links.
namespace LinkStatements {

Statement favorito(qint64 id, bool favourite, const QDateTime& now);
Statement prioridad(qint64 id, const QString& priority, const QDateTime& now);
Statement quitarPrioridades();
Statement asignarGrupo(qint64 id, const QString& codgrupo, const QDateTime& now);
Statement borrarEnlacesDeGrupo(const QString& codgrupo);

} // namespace LinkStatements
