#include "renovation/CSanierungVarianteDlg.h"

#include "platform/Meldung.h"
#include "renovation/CBerechnungSanDlg.h"
#include "renovation/CFensterSanDlg.h"
#include "renovation/CHeizungSanDlg.h"
#include "renovation/COpakSanDlg.h"
#include "renovation/CSanVariantenDlg.h"
#include "results/CGlaserDlg.h"
#include "renovation/CSanierungsSeite.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVADoc.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zeva {

namespace {

std::array<CSanierungVarianteDlg::SeitenErzeuger, CSanierungVarianteDlg::AnzahlTabs>& Erzeuger()
{
    static std::array<CSanierungVarianteDlg::SeitenErzeuger, CSanierungVarianteDlg::AnzahlTabs> erzeuger;
    return erzeuger;
}

const char* const TabTexte[] = {"Flachdach", "Steildach", "Decke", "Wand", "Boden", "Fenster", "Heizung", "Berechnung"};

QPushButton* Knopf(QWidget* eltern, const char* text, int id)
{
    auto* knopf = new QPushButton(QString::fromUtf8(text), eltern);
    SetzeId(knopf, id);
    knopf->setAutoDefault(false);
    return knopf;
}

} // namespace

// ----- the page base ------------------------------------------------------------

CSanierungsSeite::CSanierungsSeite(Seitenbesitzer& besitzer) : m_besitzer(besitzer) {}

Haus& CSanierungsSeite::Arbeitshaus() const
{
    return m_besitzer.Arbeitshaus();
}

int CSanierungsSeite::Variante() const
{
    return m_besitzer.Variante();
}

bool CSanierungsSeite::UpdateData(bool speichern)
{
    DatenAustausch dx(this, speichern);
    DoDataExchange(dx);
    return !dx.Fehlgeschlagen();
}

// ----- the dialog ------------------------------------------------------------------

void CSanierungVarianteDlg::SetzeSeitenErzeuger(Tab tab, SeitenErzeuger erzeuger)
{
    if (tab >= 0 && tab < AnzahlTabs)
        Erzeuger()[static_cast<std::size_t>(tab)] = std::move(erzeuger);
}

QPoint CSanierungVarianteDlg::Versatz(int n, QSize rahmen, QSize dialog)
{
    const int k = 30 * (n - 1);
    const int breite = rahmen.width() - dialog.width();
    const int hoehe = rahmen.height() - dialog.height() - 10;
    // A frame no larger than the dialog: the first place, not a division by 0.
    const int dx = 10 + (breite > 0 ? k % breite : 0);
    const int dy = 60 + (hoehe > 0 ? k % hoehe : 0);
    return {dx, dy};
}

CSanierungVarianteDlg::CSanierungVarianteDlg(CMainFrame& rahmen, int n)
    : QDialog(&rahmen), m_rahmen(rahmen), m_nVariante(n)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(false);

    m_Tabs = new QTabWidget(this);
    SetzeId(m_Tabs, 1156);
    m_AusDB = Knopf(this, "Aus &DB...", 1118);
    m_NachDB = Knopf(this, "&Nach DB...", 1119);
    auto* ok = Knopf(this, "&OK", 1);
    auto* abbrechen = Knopf(this, "&Abbrechen", 2);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_AusDB);
    knoepfe->addWidget(m_NachDB);
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(m_Tabs, 1);
    haupt->addLayout(knoepfe);

    // 1. The caption, 2. the working copy.
    setWindowTitle(QStringLiteral("Sanierung Variante ") + QString::number(n));
    m_Haus = rahmen.AktuellesHaus();

    // 3. The pages, in tab order.
    for (int tab = 0; tab < AnzahlTabs; ++tab) {
        CSanierungsSeite* seite = nullptr;
        switch (tab) {
        case Flachdach: seite = new CFlachdachSanDlg(*this); break;
        case Steildach: seite = new CSteildachSanDlg(*this); break;
        case Decke: seite = new CDeckeSanDlg(*this); break;
        case Wand: seite = new CWandSanDlg(*this); break;
        case Boden: seite = new CBodenSanDlg(*this); break;
        default:
            if (const SeitenErzeuger& erzeuger = Erzeuger()[static_cast<std::size_t>(tab)])
                seite = erzeuger(*this);
            if (seite == nullptr)
                seite = new CLeereSanierungsSeite(*this);
            break;
        }
        seite->setEnabled(false);
        m_apSeiten[static_cast<std::size_t>(tab)] = seite;
    }
    for (CSanierungsSeite* seite : m_apSeiten)
        seite->Initialisiere();

    // 4. and 5. The Glaser marking and the tabs.
    MarkiereTauwasser();

    // 6. The calculation when every check passes, else the failing page.
    WaehleTab(Berechnung);
    m_nSeite = Berechnung;
    if (PruefeSeiten()) {
        Seite(Berechnung)->setEnabled(true);
        Seite(Berechnung)->Aktualisiere();
    }
    // 7.
    AktualisiereDBKnoepfe();

    connect(m_Tabs, &QTabWidget::currentChanged, this, [this](int k) { OnSelchangeTab(k); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_AusDB, &QPushButton::clicked, this, [this] {
        const int k = m_Tabs->currentIndex();
        if (k < 0 || k > Heizung)
            return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        Seite(k)->OnAusDB();
        QGuiApplication::restoreOverrideCursor();
    });
    connect(m_NachDB, &QPushButton::clicked, this, [this] {
        const int k = m_Tabs->currentIndex();
        if (k < 0 || k > Fenster)
            return;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        Seite(k)->OnNachDB();
        QGuiApplication::restoreOverrideCursor();
    });
    // The keys are judged before any control of the dialog sees them.
    qApp->installEventFilter(this);

    Platziere();
}

CSanierungVarianteDlg::~CSanierungVarianteDlg() = default;

CSanierungsSeite* CSanierungVarianteDlg::Seite(int tab) const
{
    if (tab < 0 || tab >= AnzahlTabs)
        return nullptr;
    return m_apSeiten[static_cast<std::size_t>(tab)];
}

void CSanierungVarianteDlg::MarkiereTauwasser()
{
    const int n = m_nVariante;
    auto pruefe = [&](auto& gruppe, int tab) {
        auto* seite = dynamic_cast<COpakSanDlg*>(Seite(tab));
        bool markiert = false;
        for (std::size_t i = 0; i < gruppe.size(); ++i) {
            const double ergebnis = seite != nullptr ? seite->BerechneTauwasser(static_cast<int>(i), n) : 0;
            // Only a measure keeps its result: an empty slot stays empty.
            if (auto* m = MassnahmeSlot(gruppe[i], n); m != nullptr && !m->IstLeer())
                m->Tauwassermenge = ergebnis;
            if (ergebnis != 0)
                markiert = true;
        }
        return markiert;
    };
    std::array<bool, AnzahlTabs> markiert{};
    markiert[Flachdach] = pruefe(m_Haus.m_aFlachdach, Flachdach);
    markiert[Steildach] = pruefe(m_Haus.m_aSteildach, Steildach);
    markiert[Wand] = pruefe(m_Haus.m_aWand, Wand);
    const QSignalBlocker sperre(m_Tabs);
    for (int tab = 0; tab < AnzahlTabs; ++tab) {
        const QString text = QString::fromUtf8(TabTexte[tab]);
        m_Tabs->addTab(Seite(tab), markiert[static_cast<std::size_t>(tab)] ? QStringLiteral("## ") + text : text);
    }
}

void CSanierungVarianteDlg::FolgeRechengrundlage()
{
    m_Haus.Berechnungsverfahren = m_rahmen.AktuellesHaus().Berechnungsverfahren;
    if (CSanierungsSeite* berechnung = Seite(Berechnung))
        berechnung->Initialisiere();
    // The calculation page shows the figures; the measure pages keep what
    // the user is choosing and compute with the new method when shown next.
    if (m_nSeite == Berechnung && Seite(Berechnung)->isEnabled())
        Seite(Berechnung)->Aktualisiere();
}

void CSanierungVarianteDlg::WaehleTab(int k)
{
    const QSignalBlocker sperre(m_Tabs);
    m_Tabs->setCurrentIndex(k);
}

void CSanierungVarianteDlg::OnSelchangeTab(int k)
{
    ZeigeSeite(k);
    AktualisiereDBKnoepfe();
}

void CSanierungVarianteDlg::ZeigeSeite(int k)
{
    if (k < 0 || k >= AnzahlTabs)
        return;
    if (m_Tabs->currentIndex() != k)
        WaehleTab(k);
    if (k == m_nSeite)
        return;
    if (m_nSeite == Heizung && !Seite(Heizung)->UebernehmeHeizung()) {
        WaehleTab(Heizung);
        return;
    }
    if (CSanierungsSeite* alt = Seite(m_nSeite))
        alt->setEnabled(false);
    m_nSeite = k;
    CSanierungsSeite* seite = Seite(k);
    switch (k) {
    case Fenster: seite->setEnabled(!m_Haus.m_aFenster.empty()); break;
    case Heizung: {
        const bool heizung = !m_Haus.m_aHeizung.empty() && m_Haus.m_aHeizung[0].Sanbar != 0 &&
                             !m_Haus.m_aHeizung[0].IstLeer();
        seite->setEnabled(heizung);
        break;
    }
    case Berechnung:
        if (!PruefeSeiten())
            return; // the first failing page is shown
        seite->setEnabled(true);
        break;
    default: seite->setEnabled(true); break;
    }
    seite->Aktualisiere();
    AktualisiereDBKnoepfe();
}

bool CSanierungVarianteDlg::PruefeSeiten()
{
    for (int tab = 0; tab <= Heizung; ++tab) {
        if (!Seite(tab)->PruefeSeite()) {
            WaehleTab(tab);
            ZeigeSeite(tab);
            return false;
        }
    }
    return true;
}

void CSanierungVarianteDlg::AktualisiereDBKnoepfe()
{
    if (m_nSeite < 0)
        return;
    if (m_nSeite <= Heizung) {
        m_AusDB->setEnabled(Seite(m_nSeite)->HatAuswahl());
        m_NachDB->setEnabled(m_nSeite <= Fenster);
    } else {
        m_AusDB->setEnabled(false);
        m_NachDB->setEnabled(false);
    }
}

void CSanierungVarianteDlg::Platziere()
{
    adjustSize();
    const QSize rahmen = m_rahmen.size();
    const QPoint versatz = Versatz(m_nVariante, rahmen, frameGeometry().size());
    move(m_rahmen.mapToGlobal(QPoint(0, 0)) + versatz);
}

void CSanierungVarianteDlg::SetzeNummer(int n)
{
    m_nVariante = n;
    setWindowTitle(QStringLiteral("Sanierung Variante ") + QString::number(n));
}

void CSanierungVarianteDlg::VorgaengerGeloescht(int k)
{
    // The working copy loses the same variant, so that its slot of this
    // variant stays the document's.
    if (k >= 1 && k < m_nVariante && k <= m_Haus.Varianten)
        m_Haus.LoescheVariante(k);
    SetzeNummer(m_nVariante - 1);
}

bool CSanierungVarianteDlg::OnOK()
{
    if (m_bGeschlossen)
        return true;
    if (!Seite(Heizung)->UebernehmeHeizung())
        return false;
    if (!PruefeSeiten())
        return false;
    Haus& dokHaus = m_rahmen.AktuellesHaus();
    MeldungsNotifier notifier(this);
    if (!dokHaus.UebernehmeVariante(m_Haus, m_nVariante, m_nVariante, m_rahmen.Optionen(), notifier)) {
        Meldung::Hinweis(QStringLiteral("Die Sanierungsvariante %1 konnte nicht in das Projekt übernommen werden.")
                             .arg(m_nVariante),
                         Meldung::Symbol::Vorgabe, this);
        Schliesse();
        return true;
    }
    if (CZEVADoc* dok = m_rahmen.GetActiveDocument())
        dok->SetModifiedFlag(true);
    Schliesse();
    return true;
}

void CSanierungVarianteDlg::OnCancel()
{
    if (m_bGeschlossen)
        return;
    Schliesse();
}

void CSanierungVarianteDlg::Schliesse()
{
    m_bGeschlossen = true;
    const int n = m_nVariante;
    // The frame forgets this dialog first: the removal below moves the
    // dialogs of later variants into the freed places.
    m_rahmen.VarianteGeschlossen(n);
    Haus& dokHaus = m_rahmen.AktuellesHaus();
    if (n >= 1 && n <= dokHaus.Varianten && IstWieBestand(dokHaus, n)) {
        m_rahmen.LoescheVariante(n);
        // A variant that was stored with the project is gone from it.
        if (CZEVADoc* dok = m_rahmen.GetActiveDocument())
            dok->SetModifiedFlag(true);
    }
    hide();
    deleteLater();
    if (m_rahmen.OffeneVariantendialoge() == 0)
        m_rahmen.ZeigeZwischenseite();
}

void CSanierungVarianteDlg::closeEvent(QCloseEvent* ereignis)
{
    ereignis->ignore();
    OnCancel();
}

bool CSanierungVarianteDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    auto* empfaenger = qobject_cast<QWidget*>(objekt);
    const bool hier = empfaenger != nullptr && (empfaenger == this || isAncestorOf(empfaenger));
    if (hier && (ereignis->type() == QEvent::KeyPress || ereignis->type() == QEvent::ShortcutOverride)) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        const bool wand = m_Tabs->currentIndex() == Wand;
        // Tab on the tab bar goes to the wall list while "Wand" is chosen.
        if (objekt == m_Tabs->tabBar() && ereignis->type() == QEvent::KeyPress && taste->key() == Qt::Key_Tab &&
            !(taste->modifiers() & Qt::ControlModifier)) {
            if (wand)
                if (auto* liste = FindeId<QTreeWidget>(Seite(Wand), 1110))
                    liste->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (wand && taste->key() == Qt::Key_B && (taste->modifiers() & Qt::AltModifier))
            return true;
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void InstalliereSanierungsdialoge(CMainFrame& rahmen)
{
    rahmen.SetzeVariantendialogErzeuger(
        [](CMainFrame& r, int n) -> QDialog* { return new CSanierungVarianteDlg(r, n); });
    using Dlg = CSanierungVarianteDlg;
    Dlg::SetzeSeitenErzeuger(Dlg::Fenster, [](Dlg& d) -> CSanierungsSeite* { return new CFensterSanDlg(d); });
    Dlg::SetzeSeitenErzeuger(Dlg::Heizung, [](Dlg& d) -> CSanierungsSeite* { return new CHeizungSanDlg(d); });
    Dlg::SetzeSeitenErzeuger(Dlg::Berechnung, [](Dlg& d) -> CSanierungsSeite* { return new CBerechnungSanDlg(d); });
    COpakSanDlg::SetzeGlaserAnzeige([](CGlaser& glaser, QWidget* eltern) {
        CGlaserDlg dialog(eltern);
        dialog.SetzeGlaser(&glaser);
        dialog.exec();
    });
    InstalliereVariantenfenster(rahmen);
}

} // namespace zeva
