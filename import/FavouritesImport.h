#pragma once

#include <QStringList>

#include <functional>

class TMD;

// Stores the chosen candidates of an import as links of one new group.
namespace FavouritesImport {

struct ImportGroup
{
    QString code;
    // Set when every code was taken and the links join the existing IMP99.
    bool full = false;
};

// The group an import goes to: the first of IMP, IMP01 … IMP99 that is free, created with
// its name; with every one taken, the existing IMP99.
ImportGroup CrearNuevoGrupo(TMD& md);

// Creates the group and stores one link per candidate line, all in one transaction, so that
// a failure leaves the catalogue as it was. progress is told how many lines are stored.
// The user is told when the links had to join IMP99, once the transaction is over.
QString importLines(TMD& md, const QStringList& lines, const std::function<void(int stored)>& progress);

} // namespace FavouritesImport
