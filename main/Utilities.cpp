// The utility windows opened from the main window's menu.
#include "main/Principal.h"

#include "browsers/ManNavegadores.h"
#include "dialogs/Acercade.h"
#include "dialogs/BorrarBD.h"
#include "dialogs/Configuracion.h"
#include "dialogs/ManColores.h"
#include "import/LeerFavoritos.h"
#include "main/Countdown.h"
#include "platform/Platform.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QComboBox>
#include <QPushButton>

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

void TFormPrincipal::MConfiguracionExecute()
{
    const bool wasRunning = m_countdown->isRunning();
    m_countdown->pause();
    {
        TFormConfiguracion window(m_md, this);
        m_platform.runModal(window);
    }
    m_md.CargarConstantes();
    CargarInicio();
    // The countdown goes on as it was before the window, whatever the new start state says.
    if (wasRunning)
        m_countdown->resume();
    else
        m_countdown->pause();
}

void TFormPrincipal::MColoresExecute()
{
    {
        TFormManColores window(m_md, this);
        m_platform.runModal(window);
    }
    PonerColores();
}

void TFormPrincipal::MBorrarBDExecute()
{
    {
        const CountdownPause pause(*m_countdown);
        TFormBorrarBD window(m_md, this);
        m_platform.runModal(window);
    }
    BotBorrarFiltro->click();
}
