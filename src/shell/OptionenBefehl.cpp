#include "shell/OptionenBefehl.h"

#include "model/DHeizung.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/C3DOptionenDlg.h"
#include "shell/Optionen.h"

namespace zeva {

DialogErgebnis ZeigeOptionen(QWidget* parent, DOptionen& optionen, const Haus& haus, Profil& profil)
{
    // A damaged project may come without the existing heating: the page
    // then offers a default heating's values.
    const DHeizung bestand = haus.m_aHeizung.empty() ? DHeizung() : haus.m_aHeizung[0];
    Optionen sheet(bestand, parent, 0);
    sheet.m_Optionen = optionen;

    DialogErgebnis ergebnis;
    if (sheet.exec() != QDialog::Accepted)
        return ergebnis;
    ergebnis.uebernommen = true;
    ergebnis.geaendert = !(sheet.m_Optionen == optionen);
    optionen = sheet.m_Optionen;
    SpeichereOptionenAlsStandard(parent, optionen, profil);
    return ergebnis;
}

bool SpeichereOptionenAlsStandard(QWidget* parent, const DOptionen& optionen, Profil& profil)
{
    if (!Meldung::Frage(QString::fromUtf8(FrageOptionenAlsStandard), QMessageBox::Yes, Meldung::Symbol::Frage,
                        parent))
        return true;
    if (optionen.SchreibeOptionen(profil))
        return true;
    Meldung::Hinweis(QString::fromUtf8(FehlerOptionenSpeichern), Meldung::Symbol::Stopp, parent);
    return false;
}

DialogErgebnis Zeige3DOptionen(QWidget* parent, Haus& haus)
{
    C3DOptionenDlg dlg(haus, parent);
    DialogErgebnis ergebnis;
    ergebnis.uebernommen = dlg.exec() == QDialog::Accepted;
    ergebnis.geaendert = dlg.Geaendert();
    return ergebnis;
}

} // namespace zeva
