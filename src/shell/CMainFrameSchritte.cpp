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

namespace zeva {

namespace {

using Panel = Schrittplatzhalter::Panel;
using Fenster = Eingabeansichten::Fenster;

constexpr const char* MeldungZurueck =
    "Nach Änderungen am bestehenden Gebäude müssen alle\nSanierungsvarianten gelöscht werden.";

QString Statustext(int phase)
{
    switch (phase) {
    case 5: return QStringLiteral("Wählen Sie die Materialien für das Flachdach. Hat Ihr Haus keines, einfach WEITER drücken.");
    case 8: return QStringLiteral("linke Maustaste: neuer Grundrisspunkt - rechte Maustaste: letzten Grundrisspunkt löschen");
    case 10: return QStringLiteral("linke Maustaste: Nordpfeilausrichtung festlegen");
    case 13: return QStringLiteral("geben Sie auf der rechten Seite die Stockwerkszahl sowie die Höhen ein");
    case 14:
        return QStringLiteral("linke Maustaste drücken und gedrückt halten, um die Grundfläche des Dachs aufzuziehen. - "
                              "rechte Maustaste: Dach löschen");
    case 15:
        return QStringLiteral("linke Maustaste: dreht das Gebäude. - rechte Maustaste: wählt ein Bauteil zum "
                              "Bearbeiten und Fenster plazieren aus.");
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
        platz = it != m_PanelErzeuger.end() ? it->second(*this) : Schrittplatzhalter::ErzeugePanel(panel, *this);
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
        if (m_wndSanVarianten)
            m_wndSanVarianten->hide();
    } else if (!m_wndRechts->IstKnopfAktiv()) {
        m_wndRechts->SetzeKnopfAktiv(true);
        ZeigeRechtesFenster(m_wndSanVarianten);
    }

    if (phase == Schrittfolge::Intro) {
        SetzeSymbolzustand(false, false, false);
        if (!m_pIntro) {
            m_pIntro = std::make_unique<CIntroDlg>(this);
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
    Haus& haus = AktuellesHaus();
    const bool raum = phase == Schrittfolge::Editier3D;
    SetzeSymbolzustand(false, raum, raum);
    ZeigeEingabeansichten();
    QWidget* assistent = m_pEingabeAssistent;
    QWidget* plan = m_p2DAnsicht;
    QWidget* ansicht3D = m_p3DAnsicht;

    switch (phase) {
    case Schrittfolge::Grundriss:
    case Schrittfolge::Ausrichtung: {
        ZeigeRechtesFenster(assistent);
        plan->show();
        ansicht3D->hide();
        Zeige(assistent, GruppeGaube, false);
        Zeige(assistent, GruppeEingabe, true);
        Zeige(assistent, KnopfOptionen, true);
        Zeige(assistent, GruppeGeometrie, false);
        if (phase == Schrittfolge::Grundriss) {
            Zeige(assistent, GruppePosition, true);
            const char* texte[] = {"Linienlänge :", "x-Versatz :", "y-Versatz :", "", "x :", "y :"};
            for (int i = 0; i < 6; ++i)
                SetzeZeile(assistent, i, QString::fromUtf8(texte[i]), QString(), QStringLiteral("m"), i != 3);
        } else {
            Zeige(assistent, GruppePosition, false);
            SetzeZeile(assistent, 0, QStringLiteral("Winkel :"), Schrittfolge::Nordwinkel(haus.Ausrichtung),
                       QStringLiteral("°"));
            // The angle is the only read-out of this step.
            for (int i = 1; i < 6; ++i)
                SetzeZeile(assistent, i, QString(), QString(), QString(), false);
        }
        const QString titel =
            phase == Schrittfolge::Grundriss ? QStringLiteral("Grundrißeingabe") : QStringLiteral("Geographische Ausrichtung");
        plan->setWindowTitle(titel);
        assistent->setWindowTitle(titel);
        assistent->raise();
        assistent->activateWindow();
        break;
    }
    case Schrittfolge::Hoehen: {
        update();
        m_pEingabeansichten->ZeigeZone(plan, 0);
        StelleSeitenfensterBereit(m_pHoehenangaben, Fenster::Hoehenangaben);
        if (m_pDacheingabe)
            m_pDacheingabe->hide();
        plan->show();
        LiesNeu(m_pHoehenangaben);
        ZeigeRechtesFenster(m_pHoehenangaben);
        plan->setWindowTitle(QStringLiteral("Höhenangaben"));
        break;
    }
    case Schrittfolge::Dach: {
        update();
        StelleSeitenfensterBereit(m_pDacheingabe, Fenster::Dacheingabe);
        m_pEingabeansichten->VerbindeDach(m_pDacheingabe, plan);
        ZeigeRechtesFenster(m_pDacheingabe);
        plan->show();
        plan->setWindowTitle(QStringLiteral("Dacheingabe"));
        break;
    }
    case Schrittfolge::Editier3D: {
        haus.ErzeugeBauteilnamen();
        update();
        StelleSeitenfensterBereit(m_pHoehenangaben, Fenster::Hoehenangaben);
        ZeigeRechtesFenster(assistent);
        haus.ListeNeuAufbauen = 1;
        if (ansicht3D->isVisible())
            ansicht3D->update();
        else
            ansicht3D->show();
        for (int i = 0; i < 6; ++i)
            SetzeZeile(assistent, i, QString(), QString(), QString(), false);
        for (int id : {GruppeGaube, GruppeEingabe, GruppePosition, GruppeGeometrie, KnopfOptionen})
            Zeige(assistent, id, false);
        ansicht3D->setWindowTitle(QStringLiteral("3D-Editiermodus"));
        assistent->setWindowTitle(QStringLiteral("3D-Editiermodus"));
        break;
    }
    case Schrittfolge::Gauben: {
        if (m_pHoehenangaben)
            m_pHoehenangaben->hide();
        // Coming back from the heating page or the roof step, another pane
        // may still be up; the dormer's read-outs are in the assistant.
        ZeigeRechtesFenster(assistent);
        plan->show();
        ansicht3D->hide();
        assistent->activateWindow();
        Zeige(assistent, GruppeGaube, true);
        for (int id : {GruppePosition, GruppeEingabe, KnopfOptionen, GruppeGeometrie})
            Zeige(assistent, id, false);
        const char* texte[] = {"Höhe Oben :", "Höhe Mitte :", "Höhe Unten :", "Breite :"};
        for (int i = 0; i < 4; ++i)
            SetzeZeile(assistent, i, QString::fromUtf8(texte[i]), QString(), QStringLiteral("m"));
        SetzeZeile(assistent, 4, QString(), QString(), QString(), false);
        SetzeZeile(assistent, 5, QString(), QString(), QString(), false);
        plan->setWindowTitle(QStringLiteral("Gaubeneingabe"));
        assistent->setWindowTitle(QStringLiteral("Gaubeneingabe"));
        break;
    }
    default: break;
    }
    RecalcLayout();
    SetzeSchritthinweis(Statustext(phase));
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
}

// ----- moves -----------------------------------------------------------------------------

void CMainFrame::NaechsterSchritt()
{
    Haus& haus = AktuellesHaus();
    // The dormer is confirmed over the plan that shows it.
    if (haus.Phase == Schrittfolge::Gauben && m_p2DAnsicht) {
        const bool uebernommen = m_pEingabeansichten->GaubeUebernehmen(m_p2DAnsicht);
        m_p2DAnsicht->update();
        // A refused dormer keeps its input open, with the lines as they were.
        if (!uebernommen) {
            ZeigeSchritt();
            return;
        }
    }
    VerbergeSchrittfenster();
    MeldungsNotifier notifier(this);
    Schrittfolge::Weiter(haus, notifier);
    ZeigeSchritt();
}

void CMainFrame::VorherigerSchritt()
{
    Haus& haus = AktuellesHaus();
    // The dormer is confirmed over the plan that shows it.
    if (haus.Phase == Schrittfolge::Gauben && m_p2DAnsicht) {
        const bool uebernommen = m_pEingabeansichten->GaubeUebernehmen(m_p2DAnsicht);
        m_p2DAnsicht->update();
        // A refused dormer keeps its input open, with the lines as they were.
        if (!uebernommen) {
            ZeigeSchritt();
            return;
        }
    }
    VerbergeSchrittfenster();
    Schrittfolge::Zurueck(haus);
    ZeigeSchritt();
}

void CMainFrame::VerbergeSchrittfenster()
{
    if (m_pIntro)
        m_pIntro->hide();
    for (auto& [art, panel] : m_Panels)
        if (panel)
            panel->hide();
    for (QWidget* fenster : {m_pEingabeAssistent.data(), m_pHoehenangaben.data(), m_pDacheingabe.data(),
                             m_p2DAnsicht.data(), m_p3DAnsicht.data()})
        if (fenster)
            fenster->hide();
}

void CMainFrame::AktualisiereFenster()
{
    if (m_pIntro)
        m_pIntro->OnInitDialog();
    for (auto& [art, panel] : m_Panels)
        LiesNeu(panel);
    for (QWidget* fenster : {m_pEingabeAssistent.data(), m_pHoehenangaben.data(), m_pDacheingabe.data(),
                             m_p2DAnsicht.data(), m_p3DAnsicht.data()})
        LiesNeu(fenster);
    AktualisiereSeiten();
}

void CMainFrame::AktualisiereMenue()
{
    VerbergeSchrittfenster();
    Haus& haus = AktuellesHaus();
    haus.ErzeugeBauteilnamen();
    MeldungsNotifier notifier(this);
    haus.BerechneBedarf(0, notifier);
    AktualisiereFenster();
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
    Meldung::Zeige(QString::fromUtf8(MeldungZurueck), QMessageBox::Ok, Meldung::Symbol::Information,
                   QMessageBox::NoButton, this, QString::fromLatin1(FensterTitel));
    SetzeRechenmenues(false);
    ZeigeSchritt();
}

} // namespace zeva
