// The input wizard of the main frame: the step switch, the moves between
// the steps, the step windows and their refresh.
#include "shell/CMainFrame.h"

#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "shell/Befehle.h"
#include "shell/CIntroDlg.h"
#include "shell/Schrittfolge.h"
#include "ui/CHideBar.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>

#include <array>
#include <iterator>
#include <utility>

namespace zeva {

namespace {

using Panel = Schrittplatzhalter::Panel;
using Fenster = Eingabeansichten::Fenster;

constexpr const char* MeldungZurueck =
    "Nach Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten gelöscht werden.";

// The hints of the panel steps; the graphic steps carry theirs in their table.
QString Statustext(int phase)
{
    switch (phase) {
    case 5: return QStringLiteral("Wählen Sie die Materialien für das Flachdach. Hat Ihr Haus keines, einfach WEITER drücken.");
    case 17: return QStringLiteral("Wählen Sie eine Heizung aus der Datenbank oder geben Sie die Kennwerte der Heizung an.");
    default: return {};
    }
}

// The read-out rows of the input assistant: label, value, unit.
constexpr int Zeilen[6][3] = {{1283, 1009, 1284}, {1288, 1010, 1289}, {1290, 1011, 1291},
                              {1329, 1330, 1331}, {1292, 1014, 1293}, {1323, 1324, 1325}};
constexpr int GruppeGaube = 1332;
constexpr int GruppeEingabe = 1308;
constexpr int GruppePosition = 1326;
constexpr int GruppeGeometrie = 1316;
constexpr int KnopfOptionen = 1121;

void Zeige(QWidget* seite, int id, bool sichtbar)
{
    if (QWidget* w = FindeId(seite, id))
        w->setVisible(sichtbar);
}

void Aktiviere(QWidget* seite, int id, bool aktiv)
{
    if (QWidget* w = FindeId(seite, id))
        w->setEnabled(aktiv);
}

void SetzeText(QWidget* seite, int id, const QString& text)
{
    if (QWidget* w = FindeId(seite, id))
        SetzeSteuerText(w, text);
}

// Row i of the assistant: texts, and whether its three controls are shown.
void SetzeZeile(QWidget* assistent, int i, const QString& text, const QString& wert, const QString& einheit,
                bool sichtbar = true)
{
    const QString texte[3] = {text, wert, einheit};
    for (int k = 0; k < 3; ++k) {
        SetzeText(assistent, Zeilen[i][k], texte[k]);
        Zeige(assistent, Zeilen[i][k], sichtbar);
    }
}

void LiesNeu(QWidget* fenster)
{
    if (auto* leser = dynamic_cast<Schrittfenster*>(fenster))
        leser->LiesHausNeu();
}

// ----- the graphic steps -----------------------------------------------------------------

// A text of the tables; an empty one stays a null string, as the panes
// expect of a cleared read-out.
QString Text(const char* text)
{
    return *text ? QString::fromUtf8(text) : QString();
}

// The pane a graphic step shows on the right.
enum class Rechtsfenster { Assistent, Hoehenangaben, Dacheingabe };
// What a step does with a view: shows it, hides it or leaves it as it is.
enum class Sicht { Lassen, Zeigen, Verbergen };

// The assistant's groups, as bits of Grafikschritt::gruppen.
constexpr int Gruppen[] = {GruppeGaube, GruppeEingabe, GruppePosition, GruppeGeometrie, KnopfOptionen};
constexpr unsigned Gaube = 1, Eingabe = 2, Position = 4, Geometrie = 8, Optionen = 16;
// The windows that take the step's caption.
constexpr unsigned TitelPlan = 1, TitelRaum = 2, TitelAssistent = 4;

// A read-out row of the assistant: label and unit, the value starts empty.
struct Assistentenzeile {
    const char* text;
    const char* einheit;
    bool sichtbar;
};
constexpr Assistentenzeile Leer = {"", "", false};

struct Grafikschritt {
    int phase;
    Rechtsfenster fenster;
    Sicht plan;
    Sicht raum;
    const char* titel;
    unsigned titelFuer;
    const char* hinweis;
    // The groups and rows of the assistant, on the steps that show it.
    unsigned gruppen;
    std::array<Assistentenzeile, 6> zeilen;
    // Row 1 shows the north arrow's angle at once.
    bool nordwinkel;
    // The assistant takes the keyboard.
    bool aktivieren;
};

constexpr Grafikschritt Grafikschritte[] = {
    {Schrittfolge::Grundriss, Rechtsfenster::Assistent, Sicht::Zeigen, Sicht::Verbergen, "Grundrißeingabe",
     TitelPlan | TitelAssistent,
     "linke Maustaste: neuer Grundrisspunkt - rechte Maustaste: letzten Grundrisspunkt löschen",
     Eingabe | Position | Optionen,
     {{{"Linienlänge :", "m", true},
       {"x-Versatz :", "m", true},
       {"y-Versatz :", "m", true},
       {"", "m", false},
       {"x :", "m", true},
       {"y :", "m", true}}},
     false, true},
    {Schrittfolge::Ausrichtung, Rechtsfenster::Assistent, Sicht::Zeigen, Sicht::Verbergen, "Geographische Ausrichtung",
     TitelPlan | TitelAssistent, "linke Maustaste: Nordpfeilausrichtung festlegen", Eingabe | Optionen,
     {{{"Winkel :", "°", true}, Leer, Leer, Leer, Leer, Leer}}, true, true},
    {Schrittfolge::Hoehen, Rechtsfenster::Hoehenangaben, Sicht::Zeigen, Sicht::Lassen, "Höhenangaben", TitelPlan,
     "geben Sie auf der rechten Seite die Stockwerkszahl sowie die Höhen ein", 0, {}, false, false},
    {Schrittfolge::Dach, Rechtsfenster::Dacheingabe, Sicht::Zeigen, Sicht::Lassen, "Dacheingabe", TitelPlan,
     "linke Maustaste drücken und gedrückt halten, um die Grundfläche des Dachs aufzuziehen. - "
     "rechte Maustaste: Dach löschen",
     0, {}, false, false},
    {Schrittfolge::Editier3D, Rechtsfenster::Assistent, Sicht::Lassen, Sicht::Zeigen, "3D-Editiermodus",
     TitelRaum | TitelAssistent,
     "linke Maustaste: dreht das Gebäude. - rechte Maustaste: wählt ein Bauteil zum Bearbeiten und Fenster "
     "plazieren aus.",
     0, {{Leer, Leer, Leer, Leer, Leer, Leer}}, false, false},
    // Coming back from the heating page or the roof step, another pane may
    // still be up; the dormer's read-outs are in the assistant.
    {Schrittfolge::Gauben, Rechtsfenster::Assistent, Sicht::Zeigen, Sicht::Verbergen, "Gaubeneingabe",
     TitelPlan | TitelAssistent, "", Gaube,
     {{{"Höhe Oben :", "m", true},
       {"Höhe Mitte :", "m", true},
       {"Höhe Unten :", "m", true},
       {"Breite :", "m", true},
       Leer,
       Leer}},
     false, true},
};

const Grafikschritt* GrafikschrittVon(int phase)
{
    for (const Grafikschritt& s : Grafikschritte)
        if (s.phase == phase)
            return &s;
    return nullptr;
}

// The assistant's groups and read-out rows as the step wants them.
void SetzeAssistent(QWidget* assistent, const Grafikschritt& s, const Haus& haus)
{
    for (std::size_t k = 0; k < std::size(Gruppen); ++k)
        Zeige(assistent, Gruppen[k], (s.gruppen & (1u << k)) != 0);
    for (int i = 0; i < 6; ++i) {
        const Assistentenzeile& z = s.zeilen[static_cast<std::size_t>(i)];
        const QString wert = i == 0 && s.nordwinkel ? Schrittfolge::Nordwinkel(haus.Ausrichtung) : QString();
        SetzeZeile(assistent, i, Text(z.text), wert, Text(z.einheit), z.sichtbar);
    }
}

} // namespace

// ----- makers -------------------------------------------------------------------------

void CMainFrame::SetzePanelErzeuger(Panel panel, PanelErzeuger erzeuger)
{
    if (erzeuger)
        m_PanelErzeuger[panel] = std::move(erzeuger);
    else
        m_PanelErzeuger.erase(panel);
}

void CMainFrame::SetzeEingabeansichtenBesitzer(std::unique_ptr<Eingabeansichten> besitzer)
{
    m_pEingabeansichten = besitzer ? std::move(besitzer) : Schrittplatzhalter::ErzeugeEingabeansichten(*this);
}

QDialog* CMainFrame::Schrittpanel(Panel panel) const
{
    const auto it = m_Panels.find(panel);
    return it == m_Panels.end() ? nullptr : it->second.data();
}

QDialog* CMainFrame::StellePanelBereit(Panel panel)
{
    QPointer<QDialog>& platz = m_Panels[panel];
    if (!platz) {
        const auto it = m_PanelErzeuger.find(panel);
        platz = it != m_PanelErzeuger.end() ? it->second(*this) : Schrittplatzhalter::ErzeugePanel(panel, *this, this);
        // A modeless panel of the frame without a close box.
        platz->setParent(this, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        platz->setModal(false);
        NimmDateibefehleAuf(platz);
        platz->adjustSize();
        // Centred on the work area of the frame's screen.
        const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
        if (schirm) {
            QRect r = platz->frameGeometry();
            r.moveCenter(schirm->availableGeometry().center());
            platz->move(r.topLeft());
        }
    }
    return platz;
}

QWidget* CMainFrame::StelleSeitenfensterBereit(QPointer<QWidget>& fenster, Eingabeansichten::Fenster art)
{
    if (!fenster) {
        fenster = m_pEingabeansichten->Erzeuge(art, m_wndRechts->Inhalt());
        fenster->setGeometry(m_wndRechts->Inhalt()->rect());
        fenster->hide();
    }
    return fenster;
}

void CMainFrame::ZeigeEingabeansichten()
{
    StelleSeitenfensterBereit(m_pEingabeAssistent, Fenster::Assistent);
    if (!m_p2DAnsicht || !m_p3DAnsicht) {
        QWidget* plan = m_p2DAnsicht ? m_p2DAnsicht.data() : m_pEingabeansichten->Erzeuge(Fenster::Ansicht2D, Ansichtsflaeche());
        QWidget* raum = m_p3DAnsicht ? m_p3DAnsicht.data() : m_pEingabeansichten->Erzeuge(Fenster::Ansicht3D, Ansichtsflaeche());
        SetzeEingabeansichten(plan, raum);
    }
}

// ----- the step switch ------------------------------------------------------------------

void CMainFrame::ZeigeSchritt()
{
    const int phase = HausAnbindung::Phase(AktuellesHaus());
    VerlasseStartseite();

    // The right bar: its button works only after the input.
    if (phase < Schrittfolge::Ende) {
        m_wndRechts->SetzeKnopfAktiv(false);
        m_wndRechts->SetzeVersteckt(false);
        VerbergeRechtesFenster(m_wndSanVarianten);
    } else if (!m_wndRechts->IstKnopfAktiv()) {
        m_wndRechts->SetzeKnopfAktiv(true);
        ZeigeRechtesFenster(m_wndSanVarianten);
    }

    if (phase == Schrittfolge::Intro) {
        SetzeSymbolzustand(false, false, false);
        if (!m_pIntro) {
            m_pIntro = std::make_unique<CIntroDlg>(*this, this);
            NimmDateibefehleAuf(m_pIntro.get());
        }
        const Schrittfolge::Beschriftung b = Schrittfolge::Beschriftungen(0, true);
        m_pIntro->SetzeSchritte(b.vorher, b.ist, b.nach);
        m_pIntro->show();
        m_pIntro->raise();
        m_pIntro->activateWindow();
        SetzeSchritthinweis(QString());
    } else if (phase >= Schrittfolge::Ende) {
        ZeigeEnde();
    } else if (Schrittfolge::IstPanelschritt(phase)) {
        ZeigePanelschritt(phase);
    } else {
        ZeigeGrafikschritt(phase);
    }
    AktualisiereSeiten();
    m_nAngezeigterSchritt = phase;
    emit schrittAngezeigt(phase);
}

void CMainFrame::ZeigePanelschritt(int phase)
{
    Haus& haus = AktuellesHaus();
    SetzeSymbolzustand(false, false, false);
    if (phase == Schrittfolge::Projekt1)
        m_pIntro.reset();
    // The heating step works with the building's net areas from its first
    // figure on (its required power, the boiler's efficiency, the left
    // bar): the windows come off their walls before anything is computed.
    if (phase == Schrittfolge::Heizung)
        haus.BerechneNettoflaechen();
    const Panel art = Schrittplatzhalter::PanelDesSchritts(phase);
    QDialog* panel = StellePanelBereit(art);

    if (phase == Schrittfolge::Projekt1) {
        Zeige(panel, 1130, false);
        for (int id : {1128, 1126, 1129, 1007, 1006})
            Aktiviere(panel, id, false);
        for (int id : {1288, 1289, 1031, 1021})
            Aktiviere(panel, id, true);
    } else if (phase == Schrittfolge::Projekt2) {
        Aktiviere(panel, 1128, false);
        Aktiviere(panel, 1126, false);
        // Fields the user can read back: whole units without grouping.
        SetzeText(panel, 1126, QString::fromStdString(Zahltext(haus.Volumen, 0, 0, false)));
        SetzeText(panel, 1128, QString::fromStdString(Zahltext(haus.Energiebezugsflaeche, 0, 0, false)));
        for (int id : {1129, 1007, 1006})
            Aktiviere(panel, id, true);
        for (int id : {1288, 1031, 1289, 1021})
            Aktiviere(panel, id, false);
    }

    const Schrittplatzhalter::Schrittids ids = Schrittplatzhalter::Ids(art);
    const Schrittfolge::Beschriftung b = Schrittfolge::Beschriftungen(phase, haus.Steildach == 1);
    SetzeText(panel, ids.vorher, b.vorher);
    SetzeText(panel, ids.ist, b.ist);
    SetzeText(panel, ids.nach, b.nach);
    panel->show();
    panel->raise();
    panel->activateWindow();
    SetzeSchritthinweis(Statustext(phase));
}

void CMainFrame::ZeigeGrafikschritt(int phase)
{
    const bool raum = phase == Schrittfolge::Editier3D;
    SetzeSymbolzustand(false, raum, raum);
    ZeigeEingabeansichten();
    const Grafikschritt* s = GrafikschrittVon(phase);
    if (!s) {
        RecalcLayout();
        SetzeSchritthinweis(QString());
        return;
    }
    BereiteGrafikschrittVor(phase);
    QWidget* assistent = m_pEingabeAssistent;
    QWidget* plan = m_p2DAnsicht;
    QWidget* ansicht3D = m_p3DAnsicht;

    switch (s->fenster) {
    case Rechtsfenster::Assistent: ZeigeRechtesFenster(assistent); break;
    case Rechtsfenster::Hoehenangaben: ZeigeRechtesFenster(m_pHoehenangaben); break;
    case Rechtsfenster::Dacheingabe: ZeigeRechtesFenster(m_pDacheingabe); break;
    }
    if (s->plan != Sicht::Lassen)
        plan->setVisible(s->plan == Sicht::Zeigen);
    if (s->raum == Sicht::Verbergen)
        ansicht3D->hide();
    else if (s->raum == Sicht::Zeigen && ansicht3D->isVisible())
        ansicht3D->update();
    else if (s->raum == Sicht::Zeigen)
        ansicht3D->show();
    if (s->fenster == Rechtsfenster::Assistent)
        SetzeAssistent(assistent, *s, AktuellesHaus());
    const std::pair<unsigned, QWidget*> titelfenster[] = {{TitelPlan, plan}, {TitelRaum, ansicht3D}, {TitelAssistent, assistent}};
    for (const auto& [bit, fenster] : titelfenster)
        if (s->titelFuer & bit)
            fenster->setWindowTitle(Text(s->titel));
    if (s->aktivieren) {
        assistent->raise();
        assistent->activateWindow();
    }
    RecalcLayout();
    SetzeSchritthinweis(Text(s->hinweis));
}

// What a graphic step readies before its windows come up.
void CMainFrame::BereiteGrafikschrittVor(int phase)
{
    Haus& haus = AktuellesHaus();
    switch (phase) {
    case Schrittfolge::Hoehen:
        update();
        m_pEingabeansichten->ZeigeZone(m_p2DAnsicht, 0);
        LiesNeu(StelleSeitenfensterBereit(m_pHoehenangaben, Fenster::Hoehenangaben));
        break;
    case Schrittfolge::Dach:
        update();
        m_pEingabeansichten->VerbindeDach(StelleSeitenfensterBereit(m_pDacheingabe, Fenster::Dacheingabe), m_p2DAnsicht);
        break;
    case Schrittfolge::Editier3D:
        haus.ErzeugeBauteilnamen();
        update();
        StelleSeitenfensterBereit(m_pHoehenangaben, Fenster::Hoehenangaben);
        haus.ListeNeuAufbauen = 1;
        break;
    default: break;
    }
}

void CMainFrame::ZerstoereSchrittfenster()
{
    m_pIntro.reset();
    // A panel that reports its end (the heating page) finds the list empty.
    auto panels = std::move(m_Panels);
    m_Panels.clear();
    for (auto& [art, panel] : panels)
        delete panel.data();
    delete m_pEingabeAssistent.data();
    delete m_pHoehenangaben.data();
    delete m_pDacheingabe.data();
}

void CMainFrame::ZeigeEnde()
{
    ZerstoereSchrittfenster();
    for (QWidget* ansicht : {m_p2DAnsicht.data(), m_p3DAnsicht.data()})
        if (ansicht)
            ansicht->hide();
    SetzeSymbolzustand(true, false, false);
    SetzeSchritthinweis(QString());
    SetzeRechenmenues(true);
    ZeigeZwischenseite();
    AktualisiereVariantenfenster();
}

void CMainFrame::AktualisiereVariantenfenster()
{
    if (auto* liste = dynamic_cast<Variantenliste*>(m_wndSanVarianten.data()))
        liste->AktualisiereVarianten(AktuellesHaus());
    // The heat-demand pane lists the states too.
    if (auto* pane = dynamic_cast<zeva::Bedarfsfenster*>(m_aBedarfsfenster.data()))
        pane->AktualisiereZustaende();
}

// ----- moves -----------------------------------------------------------------------------

bool CMainFrame::BestaetigeGaube()
{
    // The dormer is confirmed over the plan that shows it.
    if (AktuellesHaus().Phase != Schrittfolge::Gauben || !m_p2DAnsicht)
        return true;
    const bool uebernommen = m_pEingabeansichten->GaubeUebernehmen(m_p2DAnsicht);
    m_p2DAnsicht->update();
    // A refused dormer keeps its input open, with the lines as they were.
    if (!uebernommen)
        ZeigeSchritt();
    return uebernommen;
}

void CMainFrame::NaechsterSchritt()
{
    if (!BestaetigeGaube())
        return;
    VerbergeSchrittfenster();
    MeldungsNotifier notifier(this);
    Schrittfolge::Weiter(AktuellesHaus(), notifier);
    ZeigeSchritt();
}

void CMainFrame::VorherigerSchritt()
{
    if (!BestaetigeGaube())
        return;
    VerbergeSchrittfenster();
    Schrittfolge::Zurueck(AktuellesHaus());
    ZeigeSchritt();
}

void CMainFrame::VerbergeSchrittfenster()
{
    if (m_pIntro)
        m_pIntro->hide();
    for (auto& [art, panel] : m_Panels)
        if (panel)
            panel->hide();
    for (QWidget* fenster : {m_pEingabeAssistent.data(), m_pHoehenangaben.data(), m_pDacheingabe.data()})
        VerbergeRechtesFenster(fenster);
    for (QWidget* ansicht : {m_p2DAnsicht.data(), m_p3DAnsicht.data()})
        if (ansicht)
            ansicht->hide();
}

void CMainFrame::AktualisiereFenster()
{
    LiesSchrittfensterNeu();
    AktualisiereSeiten();
}

void CMainFrame::LiesSchrittfensterNeu()
{
    if (m_pIntro)
        m_pIntro->OnInitDialog();
    for (auto& [art, panel] : m_Panels)
        LiesNeu(panel);
    for (QWidget* fenster : {m_pEingabeAssistent.data(), m_pHoehenangaben.data(), m_pDacheingabe.data(),
                             m_p2DAnsicht.data(), m_p3DAnsicht.data()})
        LiesNeu(fenster);
}

void CMainFrame::AktualisiereMenue()
{
    VerbergeSchrittfenster();
    Haus& haus = AktuellesHaus();
    haus.ErzeugeBauteilnamen();
    MeldungsNotifier notifier(this);
    haus.BerechneBedarf(0, notifier);
    // The step switch refreshes the left-bar pages: refreshed here as well,
    // the heating page would compute the house a second time.
    LiesSchrittfensterNeu();
    SetzeRechenmenues(false);
    ZeigeSchritt();
}

void CMainFrame::HeizungsfensterGeschlossen()
{
    m_Panels.erase(Panel::Heizung);
    AktualisiereAnsichten();
}

void CMainFrame::OnZurueckZurEingabe()
{
    if (!m_Ansichtsstapel.IstLeer())
        SchliesseSonderansichten();
    VerlasseStartseite();
    Haus& haus = AktuellesHaus();
    if (haus.Phase != Schrittfolge::Ende)
        return;
    haus.Phase = Schrittfolge::Projekt2;
    // The note prepares for the question a change of the building will
    // ask; without variants there is nothing a change would delete.
    if (haus.Varianten > 0)
        Meldung::Zeige(QString::fromUtf8(MeldungZurueck), QMessageBox::Ok, Meldung::Symbol::Information,
                       QMessageBox::NoButton, this, QString::fromLatin1(FensterTitel));
    SetzeRechenmenues(false);
    ZeigeSchritt();
}

} // namespace zeva
