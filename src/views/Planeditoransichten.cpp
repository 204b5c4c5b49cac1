#include "views/Planeditoransichten.h"

#include "shell/CMainFrame.h"
#include "shell/Schrittplatzhalter.h"
#include "shell/Vorschaufabrik.h"
#include "views/C2DView.h"
#include "views/CDacheingabeDlg.h"
#include "views/C3DView.h"
#include "views/CEingabeAssistentDlg.h"
#include "views/CHoehenangabenDlg.h"

namespace zeva {

Planeditoransichten::Planeditoransichten(CMainFrame& rahmen)
    : m_rahmen(rahmen), m_pPlatzhalter(Schrittplatzhalter::ErzeugeEingabeansichten(rahmen))
{
}

Planeditoransichten::~Planeditoransichten() = default;

QWidget* Planeditoransichten::Erzeuge(Fenster art, QWidget* eltern)
{
    switch (art) {
    case Fenster::Ansicht2D:
        if (!Vorschaufabrik::OpenGLVerfuegbar())
            break;
        {
            auto* ansicht = new C2DView(&m_rahmen, eltern, false);
            ansicht->hide();
            return ansicht;
        }
    case Fenster::Ansicht3D:
        if (!Vorschaufabrik::OpenGLVerfuegbar())
            break;
        {
            auto* ansicht = new C3DView(&m_rahmen, eltern, false);
            ansicht->hide();
            return ansicht;
        }
    case Fenster::Assistent: {
        auto* assistent = new CEingabeAssistentDlg(&m_rahmen, eltern);
        assistent->Create();
        assistent->hide();
        // The step switch sets the rows' texts and which of them show; the
        // pane moves its line rows into the group the step shows.
        QObject::connect(&m_rahmen, &CMainFrame::schrittAngezeigt, assistent,
                         &CEingabeAssistentDlg::OrdneZeilen);
        return assistent;
    }
    case Fenster::Hoehenangaben: {
        auto* hoehen = new CHoehenangabenDlg(&m_rahmen, eltern);
        hoehen->Create();
        hoehen->hide();
        return hoehen;
    }
    case Fenster::Dacheingabe: {
        auto* dach = new CDacheingabeDlg(&m_rahmen, eltern);
        dach->Create();
        dach->hide();
        return dach;
    }
    default: break;
    }
    return m_pPlatzhalter->Erzeuge(art, eltern);
}

void Planeditoransichten::ZeigeZone(QWidget* ansicht2D, int zone)
{
    if (auto* ansicht = qobject_cast<C2DView*>(ansicht2D))
        ansicht->SetzeZone(zone);
}

void Planeditoransichten::VerbindeDach(QWidget* dacheingabe, QWidget* ansicht2D)
{
    if (auto* dach = qobject_cast<CDacheingabeDlg*>(dacheingabe))
        dach->SetzeAnsicht(qobject_cast<C2DView*>(ansicht2D));
    else
        m_pPlatzhalter->VerbindeDach(dacheingabe, ansicht2D);
}

bool Planeditoransichten::GaubeUebernehmen(QWidget* ansicht2D)
{
    if (auto* ansicht = qobject_cast<C2DView*>(ansicht2D))
        return ansicht->GaubeUebernehmen() != C2DView::Gaubenuebernahme::Verweigert;
    return m_pPlatzhalter->GaubeUebernehmen(ansicht2D);
}

void InstalliereEingabeansichten(CMainFrame& rahmen)
{
    Vorschaufabrik::SetzeErzeuger(
        Vorschaufabrik::Art::Grundriss, [](QWidget* eltern) -> QWidget* { return new C2DView(nullptr, eltern, true); },
        true);
    Installiere3DVorschau();
    // The project picture written with the document is the main 3D view's.
    rahmen.SetzeBildErzeuger([&rahmen] {
        auto* ansicht = qobject_cast<C3DView*>(rahmen.Ansicht3D());
        return ansicht && ansicht->SpeichereAnsichtJpeg();
    });
    rahmen.SetzeEingabeansichtenBesitzer(std::make_unique<Planeditoransichten>(rahmen));
}

} // namespace zeva
