// The utility windows opened from the main window's menu.
#include "main/Principal.h"

#include "browsers/ManNavegadores.h"
#include "dialogs/Acercade.h"
#include "import/LeerFavoritos.h"
#include "main/Countdown.h"
#include "platform/Platform.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QComboBox>

void TFormPrincipal::MImportarFavoritosExecute()
{
    QString code;
    {
        const CountdownPause pause(*m_countdown);
        TFormLeerFavoritos window(m_md, this);
        m_platform.runModal(window);
        code = window.CodigoGrupo;
    }
    if (code.isEmpty())
        return;
    SubMenuGrupos();
    selectGroupCode(code);
}

void TFormPrincipal::selectGroupCode(const QString& code)
{
    CargarGrupoCombo();
    for (int position = 1; position < ComboGrupos->count(); ++position) {
        if (QuitarBlancos(ExtraerToken(ComboGrupos->itemText(position), QStringLiteral("-"), 1, 1)) == code) {
            ComboGrupos->setCurrentIndex(position);
            ComboGruposSelect();
            return;
        }
    }
}

void TFormPrincipal::MManNavegadoresExecute()
{
    {
        const CountdownPause pause(*m_countdown);
        TFormManNavegadores window(m_md, this);
        m_platform.runModal(window);
    }
    // A new default browser takes effect at once.
    m_md.CargarConstantes();
    SubMenuNavegadores();
}

void TFormPrincipal::MAcercadeExecute()
{
    const CountdownPause pause(*m_countdown);
    TFormAcercade box(m_md, this);
    m_platform.runModal(box);
}
