#include "views/CEingabeAssistentDlg.h"

#include "geometry/C3DGenerator.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Flaechenberechnung.h"
#include "model/Haus.h"
#include "model/VariantenAnzeige.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "shell/OptionenBefehl.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"
#include "views/C3DView.h"
#include "views/C2DView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

// The read-out rows: label, value, unit.
struct Zeile {
    int label, wert, einheit;
};
constexpr Zeile Laenge{1283, 1009, 1284};
constexpr Zeile XVersatz{1288, 1010, 1289};
constexpr Zeile YVersatz{1290, 1011, 1291};
constexpr Zeile Breite{1329, 1330, 1331};
constexpr Zeile PositionX{1292, 1014, 1293};
constexpr Zeile PositionY{1323, 1324, 1325};

} // namespace

CEingabeAssistentDlg::CEingabeAssistentDlg(CMainFrame* rahmen, QWidget* eltern)
    : CRightBaseDialog(eltern), m_pRahmen(rahmen)
{
    setObjectName(QStringLiteral("CEingabeAssistentDlg"));

    auto* spalte = new QVBoxLayout(this);

    auto* geometrie = new QGroupBox(QStringLiteral("Gebäudegeometrie"), this);
    geometrie->setObjectName(IdName(IDC_GEBAEUDEGEOMETRIE));
    geometrie->hide();
    spalte->addWidget(geometrie);

    // Rows in a grid: values stretch, labels and units keep their width.
    auto zeilen = [this](QGroupBox* gruppe, std::initializer_list<Zeile> liste, int r = 0) {
        auto* gitter = new QGridLayout(gruppe);
        gitter->setColumnStretch(1, 1);
        for (const Zeile& z : liste) {
            gitter->addWidget(NeuesFeld(z.label, {}), r, 0);
            QLabel* wert = NeuesFeld(z.wert, {});
            wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            wert->setFrameShape(QFrame::StyledPanel);
            wert->setFrameShadow(QFrame::Sunken);
            gitter->addWidget(wert, r, 1);
            gitter->addWidget(NeuesFeld(z.einheit, {}), r, 2);
            ++r;
        }
    };

    auto* eingabe = new QGroupBox(QStringLiteral("Aktuelle Eingabe"), this);
    eingabe->setObjectName(IdName(IDC_AKTUELLE_EINGABE));
    zeilen(eingabe, {Laenge, XVersatz, YVersatz});
    spalte->addWidget(eingabe);

    auto* eingabe2 = new QGroupBox(QStringLiteral("Aktuelle Eingabe"), this);
    eingabe2->setObjectName(IdName(IDC_AKTUELLE_EINGABE2));
    // Rows 0 to 2 take the dormer's heights in step 16.
    zeilen(eingabe2, {Breite}, 3);
    spalte->addWidget(eingabe2);

    auto* position = new QGroupBox(QStringLiteral("Absolute Position"), this);
    position->setObjectName(IdName(IDC_ABSOLUTE_POSITION));
    zeilen(position, {PositionX, PositionY});
    spalte->addWidget(position);

    spalte->addWidget(NeuerKnopf(IDC_OPTIONEN, QStringLiteral("Eingabe-Optionen")));
    spalte->addStretch(1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(NeuerKnopf(IDC_ZURUECK, QStringLiteral("<< Zurück")));
    knoepfe->addStretch(1);
    knoepfe->addWidget(NeuerKnopf(IDC_WEITER, QStringLiteral("Weiter >>")));
    spalte->addLayout(knoepfe);

    connect(Knopf(IDC_WEITER), &QPushButton::clicked, this, [this] { OnWeiter(); });
    connect(Knopf(IDC_ZURUECK), &QPushButton::clicked, this, [this] { OnZurueck(); });
    connect(Knopf(IDC_OPTIONEN), &QPushButton::clicked, this, [this] { OnOptionen(); });

    // Last: a title shows the pane, and controls made after that would stay
    // hidden when the pane is made while the frame is on the screen.
    setWindowTitle(QString::fromUtf8(Titeltext));
}

QLabel* CEingabeAssistentDlg::NeuesFeld(int id, const QString& text)
{
    auto* feld = new QLabel(text, this);
    feld->setObjectName(IdName(id));
    return feld;
}

QPushButton* CEingabeAssistentDlg::NeuerKnopf(int id, const QString& text)
{
    auto* knopf = new QPushButton(text, this);
    knopf->setObjectName(IdName(id));
    knopf->setAutoDefault(false);
    return knopf;
}

QLabel* CEingabeAssistentDlg::Feld(int id) const
{
    return findChild<QLabel*>(IdName(id));
}

QPushButton* CEingabeAssistentDlg::Knopf(int id) const
{
    return findChild<QPushButton*>(IdName(id));
}

void CEingabeAssistentDlg::SetzeText(int id, const QString& text)
{
    if (QLabel* feld = Feld(id))
        feld->setText(text);
}

QString CEingabeAssistentDlg::Text(int id) const
{
    const QLabel* feld = Feld(id);
    return feld ? feld->text() : QString();
}

bool CEingabeAssistentDlg::OnInitDialog()
{
    const bool ok = CRightBaseDialog::OnInitDialog();
    Aktualisiere();
    return ok;
}

void CEingabeAssistentDlg::OrdneZeilen(int phase)
{
    // The three rows of the line (in step 16 the dormer's heights) sit in
    // the group that is shown, above the dormer's width.
    auto* ziel = findChild<QGroupBox*>(IdName(phase == 16 ? IDC_AKTUELLE_EINGABE2 : IDC_AKTUELLE_EINGABE));
    if (Feld(Laenge.label)->parentWidget() == ziel)
        return;
    auto* alt = qobject_cast<QGridLayout*>(Feld(Laenge.label)->parentWidget()->layout());
    auto* gitter = qobject_cast<QGridLayout*>(ziel->layout());
    int r = 0;
    for (const Zeile& z : {Laenge, XVersatz, YVersatz}) {
        int spalte = 0;
        for (int id : {z.label, z.wert, z.einheit}) {
            QLabel* feld = Feld(id);
            const bool sichtbar = feld->isVisibleTo(feld->parentWidget());
            alt->removeWidget(feld);
            gitter->addWidget(feld, r, spalte++);
            feld->setVisible(sichtbar);
        }
        ++r;
    }
}

void CEingabeAssistentDlg::Aktualisiere()
{
    ZeichneAnsichtenNeu();
}

C2DView* CEingabeAssistentDlg::Ansicht2D() const
{
    return m_pRahmen ? qobject_cast<C2DView*>(m_pRahmen->Ansicht2D()) : nullptr;
}

bool CEingabeAssistentDlg::EingabeLaeuft() const
{
    const C2DView* ansicht = Ansicht2D();
    if (!ansicht || !m_pRahmen)
        return false;
    const int phase = m_pRahmen->AktuellesHaus().Phase;
    return phase >= 8 && phase < 15 && ansicht->EingabeAktiv();
}

void CEingabeAssistentDlg::ZeichneAnsichtenNeu()
{
    if (!m_pRahmen)
        return;
    for (QWidget* ansicht : {m_pRahmen->Ansicht2D(), m_pRahmen->Ansicht3D()})
        if (ansicht)
            ansicht->update();
}

bool CEingabeAssistentDlg::OhneDachWeiter(CMainFrame& rahmen, QWidget* eltern)
{
    const Haus& haus = rahmen.AktuellesHaus();
    if (!haus.Steildach)
        return true;
    for (const CDach& dach : haus.m_aDach)
        if (dach.IstFertig())
            return true;
    return Meldung::Frage(QString::fromUtf8(FrageKeinDach), QMessageBox::No, Meldung::Symbol::Vorgabe, eltern);
}

void CEingabeAssistentDlg::EntferneUnfertigeDaecher(CMainFrame& rahmen)
{
    Haus& haus = rahmen.AktuellesHaus();
    bool entfernt = false;
    for (std::size_t i = haus.m_aDach.size(); i-- > 0;)
        if (!haus.m_aDach[i].IstFertig()) {
            haus.m_aDach.RemoveAt(i);
            entfernt = true;
        }
    if (entfernt) {
        VerschneideDaecher(haus.m_aDach);
        if (auto* ansicht = qobject_cast<C2DView*>(rahmen.Ansicht2D()))
            ansicht->SetzeAktivesDach(-1);
        if (auto* dachpane = dynamic_cast<Schrittfenster*>(rahmen.Dacheingabe()))
            dachpane->LiesHausNeu();
    }
}

bool CEingabeAssistentDlg::BetreteDreiDPhase(CMainFrame& rahmen)
{
    EntferneUnfertigeDaecher(rahmen);
    Haus& haus = rahmen.AktuellesHaus();
    haus.ListeNeuAufbauen = 0;
    GesamtFlaeche(haus);
    GesamtVolumen(haus);
    haus.ListeNeuAufbauen = 1;
    // The 3D view rebuilds the surfaces and sets its scene up again; without
    // one (no OpenGL) the surfaces are rebuilt all the same.
    auto* ansicht3D = qobject_cast<C3DView*>(rahmen.Ansicht3D());
    if (!(ansicht3D ? ansicht3D->Regeneriere3D() : C3DView::ErzeugeFlaechen(rahmen)))
        return false;
    rahmen.AktualisiereAnsichten();
    if (auto* ansicht = qobject_cast<C2DView*>(rahmen.Ansicht2D()))
        ansicht->Setze2DProjektion();
    return true;
}

void CEingabeAssistentDlg::OnWeiter()
{
    if (!m_pRahmen || EingabeLaeuft())
        return;
    Haus& haus = m_pRahmen->AktuellesHaus();
    const int phase = haus.Phase;
    // The floor plan is left only with a closed, counted outline: an outline
    // saved open has no floating point after loading.
    if (phase == 8) {
        const bool geschlossen = !haus.m_aZone.empty() && haus.m_aZone[0].Geschlossen == 1 && haus.Zonen >= 2;
        if (!geschlossen)
            return;
    }
    bool weiter = true;
    if (phase == 14)
        weiter = OhneDachWeiter(*m_pRahmen, this) && BetreteDreiDPhase(*m_pRahmen);
    if (weiter)
        m_pRahmen->NaechsterSchritt();
    ZeichneAnsichtenNeu();
}

void CEingabeAssistentDlg::OnZurueck()
{
    if (!m_pRahmen || EingabeLaeuft())
        return;
    Haus& haus = m_pRahmen->AktuellesHaus();
    if (haus.Phase == 15) {
        if (!Meldung::Frage(QString::fromUtf8(FrageZurueck), QMessageBox::No, Meldung::Symbol::Vorgabe, this))
            return;
        MeldungsNotifier notifier(m_pRahmen);
        haus.BestandAendernErlaubt(false, notifier, dynamic_cast<VariantenAnzeige*>(m_pRahmen));
    }
    if (haus.Phase == 14)
        EntferneUnfertigeDaecher(*m_pRahmen);
    m_pRahmen->VorherigerSchritt();
    ZeichneAnsichtenNeu();
}

void CEingabeAssistentDlg::OnOptionen()
{
    if (!m_pRahmen)
        return;
    const DialogErgebnis ergebnis = Zeige3DOptionen(this, m_pRahmen->AktuellesHaus());
    if (!ergebnis.geaendert)
        return;
    m_pRahmen->GetActiveDocument()->SetModifiedFlag(true);
    if (C2DView* ansicht = Ansicht2D())
        ansicht->Setze2DProjektion();
}

} // namespace zeva
