#include "import/FavouritesImport.h"

#include "import/Candidates.h"
#include "platform/Platform.h"
#include "store/GroupTable.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

namespace FavouritesImport {

ImportGroup CrearNuevoGrupo(TMD& md)
{
    GroupTable groups(md.Enlaces());
    QString code = QStringLiteral("IMP");
    int number = 0;
    while (groups.find(code) && number < 100) {
        ++number;
        code = QStringLiteral("IMP") + RellenarCeros(number, 2);
    }
    if (number == 100)
        return {QStringLiteral("IMP99"), true};
    const QString name
        = QStringLiteral("IMPORTA FAVORITOS ") + (number == 0 ? QString() : QString::number(number));
    groups.insert({code, name});
    return {code, false};
}

QString importLines(TMD& md, const QStringList& lines, const std::function<void(int stored)>& progress)
{
    ImportGroup group;
    md.Enlaces().transaction([&] {
        group = CrearNuevoGrupo(md);
        int stored = 0;
        for (const QString& line : lines) {
            Link link;
            link.titulo = Candidates::titleOf(line);
            link.direccion = Candidates::addressOf(line);
            link.codgrupo = group.code;
            link.nicono = 1;
            md.PostDireccion(link);
            progress(++stored);
        }
    });
    if (group.full)
        md.platform().showInformation(
            QStringLiteral("No se puede crear el grupo IMP100, se asigna el IMP99"));
    return group.code;
}

} // namespace FavouritesImport
