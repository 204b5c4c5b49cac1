#include "views/Eingabeansichten.h"

#include "shell/CMainFrame.h"
#include "shell/Vorschaufabrik.h"
#include "ui/CHideBar.h"
#include "ui/SteuerelementId.h"
#include "views/C2DView.h"
#include "views/CEingabeAssistentDlg.h"

#include <QLabel>

namespace zeva {

Eingabeansichten::Eingabeansichten(CMainFrame& rahmen) : QObject(&rahmen), m_rahmen(rahmen)
{
    setObjectName(QStringLiteral("Eingabeansichten"));

    m_pAssistent = new CEingabeAssistentDlg(&rahmen, rahmen.RechterBalken()->Inhalt());
    m_pAssistent->Create();
    m_pAssistent->hide();

    if (Vorschaufabrik::OpenGLVerfuegbar()) {
        auto* ansicht = new C2DView(&rahmen, nullptr, false);
        ansicht->SetzeAblesefenster(m_pAssistent);
        m_p2D = ansicht;
    } else {
        auto* platzhalter = new QLabel(QString::fromUtf8(C2DView::Fenstertitel));
        SetzeId(platzhalter, C2DView::FensterId);
        platzhalter->setAlignment(Qt::AlignCenter);
        platzhalter->setEnabled(false);
        m_p2D = platzhalter;
    }
    rahmen.SetzeEingabeansichten(m_p2D, rahmen.Ansicht3D());
}

Eingabeansichten::~Eingabeansichten() = default;

Eingabeansichten* Eingabeansichten::Von(const CMainFrame& rahmen)
{
    return rahmen.findChild<Eingabeansichten*>(QStringLiteral("Eingabeansichten"), Qt::FindDirectChildrenOnly);
}

C2DView* Eingabeansichten::Ansicht2D() const
{
    return qobject_cast<C2DView*>(m_p2D.data());
}

QWidget* Eingabeansichten::Fenster2D() const
{
    return m_p2D;
}

CEingabeAssistentDlg* Eingabeansichten::Assistent() const
{
    return m_pAssistent;
}

void Eingabeansichten::Aktualisiere()
{
    if (C2DView* ansicht = Ansicht2D())
        ansicht->Setze2DProjektion();
    if (m_pAssistent)
        m_pAssistent->Aktualisiere();
}

void RegistriereEingabeansichten()
{
    Vorschaufabrik::SetzeErzeuger(
        Vorschaufabrik::Art::Grundriss, [](QWidget* eltern) -> QWidget* { return new C2DView(nullptr, eltern, true); },
        true);
    CMainFrame::RegistriereEinrichtung([](CMainFrame& rahmen) { new Eingabeansichten(rahmen); });
}

} // namespace zeva
