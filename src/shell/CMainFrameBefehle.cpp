// The commands of the main frame that belong to the results and the
// renovation, the services it offers the dialogs and panes of the other
// parts of the program, and its private messages for the special views.
#include "shell/CMainFrame.h"

#include "model/CXmlArchive.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/Befehle.h"
#include "shell/CZEVAView.h"
#include "shell/OptionenBefehl.h"
#include "shell/QtProfil.h"
#include "shell/Schrittfolge.h"
#include "ui/CHideBar.h"
#include "ui/MeldungsNotifier.h"

#include <QDialog>
#include <QMenu>
#include <QSplitter>

#include <algorithm>

namespace zeva {

namespace {

constexpr const char* FrageAlleLoeschen = "Alle Sanierungsvarianten löschen?";
constexpr const char* FrageFensterSchliessen =
    "Für diese Aktion müssen alle Sanierungs- und Bedarfsfenster für die Variante %1 und höher geschlossen "
    "werden.\nDaten übernehmen und Fenster schließen?";

constexpr const char* HinweisVariantengrenze =
    "Es können höchstens 30 Sanierungsvarianten angelegt werden. Bitte löschen Sie zuerst eine Variante.";

constexpr int ReportNeuAufbauen = 1395;
constexpr int DetailWerte = 48879;
constexpr int MaxVarianten = 1000;

} // namespace

void CMainFrame::InstalliereBefehle()
{
    SetzeBefehl(ID_FILE_PRINT, [this] { OnFilePrint(ID_FILE_PRINT); });
    SetzeBefehl(ID_3D_ALS_JPEG, [this] { OnFilePrint(ID_3D_ALS_JPEG); });
    SetzeBefehl(ID_ZURUECK_ZUR_EINGABE, [this] { OnZurueckZurEingabe(); });
    SetzeBefehl(ID_BESTAND, [this] { ZeigeBedarf(0); });
    SetzeBefehl(ID_NEU_MANUELL, [this] { OnNeuManuell(); });
    SetzeBefehl(ID_NEU_PROGRAMM, [this] { OnNeuProgramm(); });
    SetzeBefehl(ID_VARIANTE_LOESCHEN, [this] { OnVarianteLoeschen(); });
    SetzeBefehl(ID_ALLE_LOESCHEN, [this] { OnAlleLoeschen(); });
    SetzeBefehl(ID_OPTIONEN, [this] { OnExtrasOptionen(); });
    // The variant entries follow the house whenever a menu of them opens.
    connect(m_menueBerechnung, &QMenu::aboutToShow, this, &CMainFrame::AktualisiereVariantenMenue);
    connect(m_menueSanierung, &QMenu::aboutToShow, this, &CMainFrame::AktualisiereVariantenMenue);
}

// The entries of the variants: 60001 … 61000 in "Berechnung", 61001 … 62000
// in "Sanierung".
bool CMainFrame::VariantenBefehl(int id)
{
    if (id > ID_BERECHNUNG_VARIANTE && id <= ID_BERECHNUNG_VARIANTE + MaxVarianten) {
        const int n = id - ID_BERECHNUNG_VARIANTE;
        if (n <= AktuellesHaus().Varianten)
            ZeigeBedarf(n);
        return true;
    }
    if (id > ID_SANIERUNG_VARIANTE && id <= ID_SANIERUNG_VARIANTE + MaxVarianten) {
        const int n = id - ID_SANIERUNG_VARIANTE;
        if (n > AktuellesHaus().Varianten)
            return true;
        VerlasseStartseite();
        OeffneVariante(n);
        return true;
    }
    return false;
}

// ----- print and picture -------------------------------------------------------------

void CMainFrame::OnFilePrint(int id)
{
    // Only the 3D view prints and makes pictures, and only at its step.
    if (HausAnbindung::Phase(AktuellesHaus()) != Schrittfolge::Editier3D)
        return;
    if (auto* ziel = dynamic_cast<BefehlsZiel*>(m_p3DAnsicht.data()))
        ziel->BearbeiteBefehl(id);
}

// ----- variant menu entries ----------------------------------------------------------

void CMainFrame::FuegeVariantenMenueHinzu(int n)
{
    const QString text = QStringLiteral("Variante &%1").arg(n);
    m_menueBerechnung->addAction(NeueAktion(ID_BERECHNUNG_VARIANTE + n, text));
    if (n == 1) {
        QAction* trenner = new QAction(m_menueSanierung);
        trenner->setSeparator(true);
        const QList<QAction*> alle = m_menueSanierung->actions();
        m_menueSanierung->insertAction(alle.isEmpty() ? nullptr : alle.first(), trenner);
    }
    const QList<QAction*> alle = m_menueSanierung->actions();
    QAction* vor = n - 1 < alle.size() ? alle[n - 1] : nullptr;
    m_menueSanierung->insertAction(vor, NeueAktion(ID_SANIERUNG_VARIANTE + n, text));
    AktualisiereVariantenfenster();
}

void CMainFrame::AktualisiereVariantenMenue()
{
    const int varianten = std::min(AktuellesHaus().Varianten, MaxVarianten);
    for (int n = 1; n <= varianten; ++n)
        if (!Aktion(ID_BERECHNUNG_VARIANTE + n))
            FuegeVariantenMenueHinzu(n);
    for (int k = std::max(varianten, 0) + 1; Aktion(ID_BERECHNUNG_VARIANTE + k); ++k) {
        for (int id : {ID_BERECHNUNG_VARIANTE + k, ID_SANIERUNG_VARIANTE + k}) {
            if (QAction* a = Aktion(id)) {
                m_aktionen.erase(id);
                delete a;
            }
        }
    }
    const QList<QAction*> alle = m_menueSanierung->actions();
    if (!alle.isEmpty() && alle.first()->isSeparator())
        delete alle.first();
    Aktion(ID_VARIANTE_LOESCHEN)->setEnabled(varianten >= 1);
    Aktion(ID_ALLE_LOESCHEN)->setEnabled(varianten >= 1);
}

// ----- variant dialogs ---------------------------------------------------------------

QDialog* CMainFrame::Variantendialog(int n) const
{
    if (n < 0 || static_cast<std::size_t>(n) >= m_aVariantendialoge.size())
        return nullptr;
    return m_aVariantendialoge[static_cast<std::size_t>(n)];
}

int CMainFrame::OffeneVariantendialoge() const
{
    int offen = 0;
    for (const QPointer<QDialog>& d : m_aVariantendialoge)
        if (d)
            ++offen;
    return offen;
}

QDialog* CMainFrame::OeffneVariante(int n)
{
    if (n < 1)
        return nullptr;
    const auto in = static_cast<std::size_t>(n);
    if (m_aVariantendialoge.size() < in + 1)
        m_aVariantendialoge.resize(in + 1);
    QPointer<QDialog>& platz = m_aVariantendialoge[in];
    if (!platz) {
        if (!m_VariantendialogErzeuger)
            return nullptr;
        platz = m_VariantendialogErzeuger(*this, n);
        if (!platz)
            return nullptr;
        platz->setModal(false);
    }
    platz->show();
    platz->raise();
    platz->activateWindow();
    return platz;
}

void CMainFrame::VarianteGeschlossen(int n)
{
    if (n >= 0 && static_cast<std::size_t>(n) < m_aVariantendialoge.size())
        m_aVariantendialoge[static_cast<std::size_t>(n)] = nullptr;
    AktualisiereAnsichten();
    AktualisiereVariantenfenster();
}

void CMainFrame::Variantenseite(int n, int seite)
{
    QDialog* dialog = OeffneVariante(n);
    if (auto* v = dynamic_cast<zeva::Variantendialog*>(dialog))
        v->ZeigeSeite(seite);
}

std::vector<QPointer<QDialog>> CMainFrame::OffeneVariantendialoge(int ab) const
{
    // Taken before any of them closes: a dialog's OK may delete its variant
    // and move the slots of the others.
    std::vector<QPointer<QDialog>> offen;
    for (std::size_t k = static_cast<std::size_t>(std::max(ab, 1)); k < m_aVariantendialoge.size(); ++k)
        if (m_aVariantendialoge[k])
            offen.push_back(m_aVariantendialoge[k]);
    return offen;
}

void CMainFrame::VergissVariantendialog(const QDialog* dialog)
{
    for (QPointer<QDialog>& platz : m_aVariantendialoge)
        if (platz == dialog)
            platz = nullptr;
}

bool CMainFrame::BeendeVariantendialog(QPointer<QDialog> dialog)
{
    if (!dialog)
        return true;
    auto* v = dynamic_cast<zeva::Variantendialog*>(dialog.data());
    if (v && v->OKUndSchliessen()) {
        // The dialog reported its closing; a slot it left filled goes now.
        VergissVariantendialog(dialog);
        return true;
    }
    // Its checks refused: it goes without its data.
    VergissVariantendialog(dialog);
    if (dialog) {
        dialog->hide();
        dialog->deleteLater();
    }
    return false;
}

bool CMainFrame::UebernimmVariantendaten()
{
    for (const QPointer<QDialog>& dialog : OffeneVariantendialoge(1)) {
        auto* v = dynamic_cast<zeva::Variantendialog*>(dialog.data());
        if (!v)
            continue;
        if (!v->OKUndSchliessen())
            return false;
        VergissVariantendialog(dialog);
    }
    return true;
}

void CMainFrame::BeendeVariantendialoge()
{
    for (const QPointer<QDialog>& dialog : OffeneVariantendialoge(1))
        BeendeVariantendialog(dialog);
    m_aVariantendialoge.clear();
}

void CMainFrame::EntferneAlleVarianten()
{
    BeendeVariantendialoge();
    AktuellesHaus().LoescheAlleVarianten();
    AktualisiereAnsichten();
    AktualisiereVariantenfenster();
    NachVariantenLoeschen(1);
}

void CMainFrame::LoescheVariante(int k)
{
    Haus& haus = AktuellesHaus();
    if (k < 1 || k > haus.Varianten)
        return;
    haus.LoescheVariante(k);
    // The dialogs above k follow their variants down.
    const auto ik = static_cast<std::size_t>(k);
    if (ik < m_aVariantendialoge.size()) {
        if (QDialog* alt = m_aVariantendialoge[ik]) {
            alt->hide();
            alt->deleteLater();
        }
        m_aVariantendialoge.erase(m_aVariantendialoge.begin() + static_cast<std::ptrdiff_t>(ik));
        for (std::size_t m = ik; m < m_aVariantendialoge.size(); ++m)
            if (auto* v = dynamic_cast<zeva::Variantendialog*>(m_aVariantendialoge[m].data()))
                v->VorgaengerGeloescht(k);
    }
    AktualisiereVariantenfenster();
    NachVariantenLoeschen(k);
}

void CMainFrame::NachVariantenLoeschen(int ab)
{
    // Nothing may go on showing a variant that is gone or moved.
    if (auto* pane = dynamic_cast<zeva::Bedarfsfenster*>(m_aBedarfsfenster.data())) {
        if (pane->Variante() >= ab) {
            pane->SetzeVariante(0);
            AktualisiereBedarfsansicht(AktuellesHaus(), 0);
        }
    }
    if (m_pReportansicht && m_nReportVariante >= ab)
        Reportansicht(ANSICHT_SCHLIESSEN);
    if (m_pSanDetail && m_nDetailVariante >= ab)
        Sanierungsdetails(ANSICHT_SCHLIESSEN, 0);
    emit variantenGeloescht();
}

void CMainFrame::AktualisiereBestandsbedarf()
{
    if (auto* pane = dynamic_cast<zeva::Bedarfsfenster*>(m_aBedarfsfenster.data()))
        if (pane->Variante() == 0)
            pane->Aktualisiere();
}

// ----- the commands of "Sanierung" ----------------------------------------------------

void CMainFrame::OnNeuManuell()
{
    const int n = AktuellesHaus().NeueVariante(true, Optionen());
    if (n < 1) {
        // At the limit nothing changes, the view neither.
        Meldung::Hinweis(QString::fromUtf8(HinweisVariantengrenze), Meldung::Symbol::Information, this);
        return;
    }
    VerlasseStartseite();
    m_pDoc->SetModifiedFlag(true);
    OeffneVariante(n);
    AktualisiereVariantenfenster();
}

void CMainFrame::OnNeuProgramm()
{
    VerlasseStartseite();
    const QMessageBox::StandardButton antwort =
        Meldung::Zeige(QString::fromUtf8(FrageOptionenEingestellt), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                       Meldung::Symbol::Frage, QMessageBox::Yes, this);
    if (antwort == QMessageBox::Cancel) {
        ZeigeZwischenseite();
        return;
    }
    // The user asked for the optimisation: it runs with the options as they
    // stand, also when the sheet was cancelled.
    if (antwort == QMessageBox::No)
        OnExtrasOptionen();
    repaint();
    Haus& haus = AktuellesHaus();
    const int v = haus.Varianten;
    if (m_OptimiererErzeuger) {
        std::unique_ptr<Optimierer> optimierer = m_OptimiererErzeuger(haus, Optionen(), this);
        if (optimierer && optimierer->Optimiere()) {
            const int uebernommen = optimierer->UebernehmeBeste(haus);
            // Only the variants the house really gained get a dialog.
            const int k = std::min(uebernommen, haus.Varianten - v);
            for (int n = v + 1; n <= v + k; ++n)
                OeffneVariante(n);
            if (k > 0)
                m_pDoc->SetModifiedFlag(true);
        }
    }
    AktualisiereVariantenfenster();
}

void CMainFrame::OnVarianteLoeschen()
{
    if (!m_VariantennummerErzeuger)
        return;
    const int n = m_VariantennummerErzeuger(this);
    if (n < 1)
        return;
    Haus& haus = AktuellesHaus();
    bool offen = false;
    for (std::size_t k = static_cast<std::size_t>(n); k < m_aVariantendialoge.size(); ++k)
        offen = offen || m_aVariantendialoge[k];
    bool nochDa = true;
    if (offen) {
        if (Meldung::Zeige(QString::fromUtf8(FrageFensterSchliessen).arg(n), QMessageBox::Ok | QMessageBox::Cancel,
                           Meldung::Symbol::Frage, QMessageBox::Ok, this)
            != QMessageBox::Ok)
            return;
        // A dialog whose OK finds its variant equal to the existing state
        // deletes it: then variant n is gone already and must not be
        // deleted a second time (that would take the variant after it).
        const QPointer<QDialog> dialogN = Variantendialog(n);
        for (const QPointer<QDialog>& dialog : OffeneVariantendialoge(n)) {
            const int vorher = haus.Varianten;
            const bool istN = dialog == dialogN;
            BeendeVariantendialog(dialog);
            if (istN && haus.Varianten < vorher)
                nochDa = false;
        }
        if (static_cast<std::size_t>(n) < m_aVariantendialoge.size())
            m_aVariantendialoge.resize(static_cast<std::size_t>(n));
    }
    if (nochDa && n <= haus.Varianten) {
        LoescheVariante(n);
        m_pDoc->SetModifiedFlag(true);
    }
    AktualisiereVariantenfenster();
}

void CMainFrame::OnAlleLoeschen()
{
    if (Meldung::Zeige(QString::fromUtf8(FrageAlleLoeschen), QMessageBox::Yes | QMessageBox::No, Meldung::Symbol::Frage,
                       QMessageBox::Yes, this)
        != QMessageBox::Yes)
        return;
    const bool hatte = AktuellesHaus().Varianten > 0;
    EntferneAlleVarianten();
    if (hatte)
        m_pDoc->SetModifiedFlag(true);
}

void CMainFrame::OnExtrasOptionen()
{
    QtProfil profil;
    const DialogErgebnis ergebnis = ZeigeOptionen(this, Optionen(), AktuellesHaus(), profil);
    ZeigeZwischenseite();
    if (ergebnis.geaendert)
        m_pDoc->SetModifiedFlag(true);
    if (ergebnis.uebernommen)
        AktualisiereNachRechengrundlage();
}

void CMainFrame::AktualisiereNachRechengrundlage()
{
    Haus& haus = AktuellesHaus();
    // Before the input is complete there is no demand to show.
    if (haus.Phase >= Schrittfolge::Projekt2) {
        MeldungsNotifier notifier(this);
        haus.BerechneBedarf(0, notifier);
        haus.BerechneKosten(0, Optionen());
    }
    AktualisiereKennzahlseiten();
    // Every view of a state shows it under the new method or options: the
    // heat-demand pane whatever state it shows, the variant pane, the open
    // variant dialogs and the renovation details.
    if (auto* pane = dynamic_cast<zeva::Bedarfsfenster*>(m_aBedarfsfenster.data()))
        pane->Aktualisiere();
    AktualisiereVariantenfenster();
    for (const QPointer<QDialog>& dialog : OffeneVariantendialoge(1))
        if (auto* v = dynamic_cast<zeva::Variantendialog*>(dialog.data()))
            v->FolgeRechengrundlage();
    if (auto* detail = dynamic_cast<Sanierungsdetail*>(m_pSanDetail.data()))
        detail->Aktualisiere();
}

// ----- component dialogs ------------------------------------------------------------

void CMainFrame::SetzeBauteildialogErzeuger(Bauteildialog art, BauteildialogErzeuger erzeuger)
{
    if (erzeuger)
        m_BauteilErzeuger[art] = std::move(erzeuger);
    else
        m_BauteilErzeuger.erase(art);
}

void CMainFrame::SperreEingabefenster(bool sperren)
{
    for (QWidget* fenster : {m_pEingabeAssistent.data(), m_p2DAnsicht.data(), m_p3DAnsicht.data()})
        if (fenster)
            fenster->setEnabled(!sperren);
}

int CMainFrame::BearbeiteBauteil(Bauteildialog art, int traegerId)
{
    AktuellesHaus().AktuelleTraegerID = traegerId;
    const auto it = m_BauteilErzeuger.find(art);
    if (it == m_BauteilErzeuger.end())
        return 0;
    const bool sperren = art != Bauteildialog::Wand;
    if (sperren)
        SperreEingabefenster(true);
    QPointer<QDialog> dialog = it->second(*this);
    if (!dialog) {
        SperreEingabefenster(false);
        return 0;
    }
    m_pBauteildialog = dialog;
    const int ergebnis = dialog->exec();
    // A dialog that did not report its closing is closed here all the same,
    // so the windows never stay locked.
    if (m_pBauteildialog == dialog && dialog)
        BauteilDialogGeschlossen();
    delete dialog.data();
    return ergebnis;
}

void CMainFrame::BauteilDialogGeschlossen()
{
    m_pBauteildialog = nullptr;
    SperreEingabefenster(false);
    AktualisiereAnsichten();
}

int CMainFrame::BearbeiteFlachdach(int id) { return BearbeiteBauteil(Bauteildialog::Flachdach, id); }
int CMainFrame::BearbeiteSteildach(int id) { return BearbeiteBauteil(Bauteildialog::Steildach, id); }
int CMainFrame::BearbeiteDecke(int id) { return BearbeiteBauteil(Bauteildialog::Decke, id); }
int CMainFrame::BearbeiteBoden(int id) { return BearbeiteBauteil(Bauteildialog::Boden, id); }
int CMainFrame::BearbeiteWand(int id) { return BearbeiteBauteil(Bauteildialog::Wand, id); }
void CMainFrame::FlachdachDialogGeschlossen() { BauteilDialogGeschlossen(); }
void CMainFrame::SteildachDialogGeschlossen() { BauteilDialogGeschlossen(); }
void CMainFrame::DeckeDialogGeschlossen() { BauteilDialogGeschlossen(); }
void CMainFrame::BodenDialogGeschlossen() { BauteilDialogGeschlossen(); }
void CMainFrame::WandDialogGeschlossen() { BauteilDialogGeschlossen(); }

// ----- heat demand ----------------------------------------------------------------------

void CMainFrame::SetzeBedarfsErzeuger(BedarfsfensterErzeuger fenster, std::function<QWidget*(QWidget*)> seite)
{
    m_BedarfsfensterErzeuger = std::move(fenster);
    m_BedarfsseitenErzeuger = std::move(seite);
}

QWidget* CMainFrame::ZeigeBedarf(int n)
{
    Haus& haus = AktuellesHaus();
    if (m_aBedarfsfenster) {
        if (auto* pane = dynamic_cast<zeva::Bedarfsfenster*>(m_aBedarfsfenster.data()))
            pane->SetzeVariante(n);
        // The demand comes to the front with its pane: the views opened
        // over its page (a report of another state, the areas page) close.
        bool ueberdeckt = false;
        for (int i = 0; i <= m_Ansichtsstapel.Oben(); ++i)
            ueberdeckt = ueberdeckt || (m_pBedarfsansicht && m_Ansichtsstapel.Eintrag(i).ansicht == m_pBedarfsansicht);
        while (ueberdeckt && m_pAktiveView && m_pAktiveView != m_pBedarfsansicht && !m_Ansichtsstapel.IstLeer())
            SchliesseAnsicht(m_pAktiveView);
        // A page that went with a view opened before it comes back: a pane
        // without its page would show nothing.
        if (!m_pBedarfsansicht)
            ZeigeBedarfsansicht(true);
        ZeigeRechtesFenster(m_aBedarfsfenster);
    } else {
        if (!m_BedarfsfensterErzeuger)
            return nullptr;
        QWidget* pane = m_BedarfsfensterErzeuger(*this, m_wndRechts->Inhalt(), n);
        if (!pane)
            return nullptr;
        pane->setParent(m_wndRechts->Inhalt());
        pane->setGeometry(m_wndRechts->Inhalt()->rect());
        m_aBedarfsfenster = pane;
        ZeigeRechtesFenster(pane);
        ZeigeBedarfsansicht(true);
    }
    // The pane may have chosen another state than asked (one beyond the
    // house's variants): the page shows what the pane shows.
    const auto* pane = dynamic_cast<zeva::Bedarfsfenster*>(m_aBedarfsfenster.data());
    AktualisiereBedarfsansicht(haus, pane ? pane->Variante() : n);
    return m_aBedarfsfenster;
}

void CMainFrame::ZeigeBedarfsansicht(bool zeigen)
{
    if (!zeigen) {
        if (m_pBedarfsansicht)
            SchliesseAnsicht(m_pBedarfsansicht);
        ZeigeZwischenseite();
        return;
    }
    if (!m_pBedarfsansicht) {
        if (!m_BedarfsseitenErzeuger)
            return;
        m_pBedarfsansicht = m_BedarfsseitenErzeuger(Ansichtsflaeche());
        if (!m_pBedarfsansicht)
            return;
    }
    if (m_pAktiveView != m_pBedarfsansicht) {
        SchalteAnsichtEin(m_pBedarfsansicht, m_aBedarfsfenster);
        ZeigeRechtesFenster(m_aBedarfsfenster);
    }
    VerlasseStartseite();
    m_pBedarfsansicht->show();
}

void CMainFrame::AktualisiereBedarfsansicht(Haus& haus, int n)
{
    if (auto* seite = dynamic_cast<Bedarfsseite*>(m_pBedarfsansicht.data()))
        seite->SetzeVariante(haus, n);
}

void CMainFrame::SchliesseBedarf()
{
    m_aBedarfsfenster = nullptr;
    ZeigeBedarfsansicht(false);
    ZeigeZwischenseite();
}

// ----- report -------------------------------------------------------------------------------

void CMainFrame::SetzeReport(std::unique_ptr<Reportschreiber> schreiber, std::function<QWidget*(QWidget*)> ansicht)
{
    m_pReportschreiber = std::move(schreiber);
    m_ReportErzeuger = std::move(ansicht);
}

void CMainFrame::Reportansicht(int wParam, const QStringList* abschnitte)
{
    if (wParam == ANSICHT_SCHLIESSEN) {
        if (m_pReportansicht)
            SchliesseAnsicht(m_pReportansicht);
        return;
    }
    if ((wParam & 0xFFFF) == ID_FILE_PRINT || (wParam & 0xFFFF) == ID_FILE_PRINT_PREVIEW) {
        if (auto* ziel = dynamic_cast<BefehlsZiel*>(m_pReportansicht.data()))
            ziel->BearbeiteBefehl(wParam & 0xFFFF);
        return;
    }
    Haus& haus = AktuellesHaus();
    auto anzeige = [this] { return dynamic_cast<Reportanzeige*>(m_pReportansicht.data()); };
    // Whatever stops the report (a file that cannot be read or written, a
    // failing writer) ends the request with a message naming the reason and
    // the file; the view in front keeps its page.
    auto melde = [this](const QString& grund) {
        Meldung::Hinweis(QStringLiteral("Der Report konnte nicht erstellt werden:\n") + grund, Meldung::Symbol::Stopp,
                         this);
    };
    auto versuche = [&melde](const auto& schritt) {
        try {
            schritt();
            return true;
        } catch (const CXmlArchiveException& e) {
            QString grund = QString::fromStdString(e.Reason());
            if (!e.File().empty())
                grund += QStringLiteral("\nDatei: ") + QString::fromStdString(e.File());
            melde(grund);
        } catch (const std::exception& e) {
            melde(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            melde(QStringLiteral("Unbekannter Fehler"));
        }
        return false;
    };
    if (wParam == ReportNeuAufbauen) {
        // "Aktualisieren" builds the report anew from the house as it is now,
        // its variants included.
        if (abschnitte && m_pReportschreiber && m_pReportansicht) {
            const bool erstellt = versuche([&] {
                m_pReportschreiber->ErstelleReportXml(haus, Optionen());
                m_pReportschreiber->SchreibeReportVars(haus, -1, abschnitte);
            });
            if (!erstellt)
                return;
            if (Reportanzeige* a = anzeige())
                a->ZeigeStream(m_pReportschreiber->HoleReportStream());
        }
        return;
    }
    if (!m_pReportschreiber || !m_ReportErzeuger)
        return;
    QPointer<QWidget> neu;
    const bool erstellt = versuche([&] {
        if (!m_pReportansicht) {
            m_pReportschreiber->ErstelleReportXml(haus, Optionen());
            neu = m_ReportErzeuger(Ansichtsflaeche());
            if (!neu)
                return;
            m_pReportansicht = neu;
        }
        m_pReportschreiber->SchreibeReportVars(haus, wParam, abschnitte);
    });
    if (!erstellt) {
        if (neu) {
            m_pReportansicht = nullptr;
            delete neu.data();
        }
        return;
    }
    if (!m_pReportansicht)
        return;
    m_nReportVariante = wParam;
    if (Reportanzeige* a = anzeige())
        a->ZeigeStream(m_pReportschreiber->HoleReportStream());
    if (m_pAktiveView != m_pReportansicht) {
        SchalteAnsichtEin(m_pReportansicht, m_wndReportGen);
        ZeigeRechtesFenster(m_wndReportGen);
    }
    VerlasseStartseite();
    m_pReportansicht->show();
}

void CMainFrame::PosteReportansicht(int wParam)
{
    QMetaObject::invokeMethod(this, [this, wParam] { Reportansicht(wParam); }, Qt::QueuedConnection);
}

// ----- renovation details ---------------------------------------------------------------

void CMainFrame::SetzeSanierungsdetailsErzeuger(std::function<QWidget*(QWidget*)> detail,
                                                std::function<QWidget*(QWidget*)> diagramm)
{
    m_DetailErzeuger = std::move(detail);
    m_DiagrammErzeuger = std::move(diagramm);
}

void CMainFrame::Sanierungsdetails(int wParam, int variante)
{
    if (wParam == ANSICHT_SCHLIESSEN) {
        if (m_pSplitter) {
            SchliesseAnsicht(m_pSplitter);
            delete m_pSplitter.data();
            ZeigeZwischenseite();
        }
        return;
    }
    if (wParam == DetailWerte)
        return; // the values come through SanierungsdetailsWerte
    if (!m_pSplitter) {
        if (!m_DetailErzeuger || !m_DiagrammErzeuger)
            return;
        auto* splitter = new QSplitter(Qt::Vertical, Ansichtsflaeche());
        splitter->setObjectName(QStringLiteral("id59649"));
        splitter->setChildrenCollapsible(false);
        QWidget* oben = m_DetailErzeuger(splitter);
        QWidget* unten = m_DiagrammErzeuger(splitter);
        if (!oben || !unten) {
            delete splitter;
            return;
        }
        splitter->addWidget(oben);
        splitter->addWidget(unten);
        const int hoehe = m_rcAnsicht.height() / 2;
        splitter->resize(m_rcAnsicht.width(), 2 * hoehe);
        splitter->setSizes({hoehe, hoehe});
        m_pSplitter = splitter;
        m_pSanDetail = oben;
        m_pSanDetailDia = unten;
    }
    Haus& haus = AktuellesHaus();
    m_nDetailVariante = variante;
    QString einheit;
    if (auto* detail = dynamic_cast<Sanierungsdetail*>(m_pSanDetail.data())) {
        detail->SetzeHaus(haus);
        detail->SetzeKriterium(wParam, variante);
        einheit = detail->HoleEinheit();
    }
    if (auto* dia = dynamic_cast<Sanierungsdiagramm*>(m_pSanDetailDia.data()))
        dia->SetzeWerte(nullptr, einheit);
    if (m_pAktiveView != m_pSplitter) {
        SchalteAnsichtEin(m_pSplitter, m_wndSanVarianten);
        ZeigeRechtesFenster(m_wndSanVarianten);
    }
    VerlasseStartseite();
    m_pSplitter->show();
}

void CMainFrame::SanierungsdetailsWerte(const std::array<double, 7>& werte)
{
    const auto* detail = dynamic_cast<Sanierungsdetail*>(m_pSanDetail.data());
    if (auto* dia = dynamic_cast<Sanierungsdiagramm*>(m_pSanDetailDia.data()))
        dia->SetzeWerte(&werte, detail ? detail->HoleEinheit() : QString());
}

// ----- back to the input -------------------------------------------------------------------

void CMainFrame::SchliesseSonderansichten()
{
    Reportansicht(ANSICHT_SCHLIESSEN);
    if (m_aBedarfsfenster) {
        QWidget* pane = m_aBedarfsfenster;
        m_aBedarfsfenster = nullptr;
        VerbergeRechtesFenster(pane);
        pane->deleteLater();
    }
    if (m_pBedarfsansicht)
        SchliesseAnsicht(m_pBedarfsansicht);
    Sanierungsdetails(ANSICHT_SCHLIESSEN, 0);
    Flaechenansicht(ANSICHT_SCHLIESSEN);
}

} // namespace zeva
