#include "shell/CMainFrame.h"

#include "model/Haus.h"
#include "platform/Meldung.h"
#include "shell/Befehle.h"
#include "shell/CAnsichtDlg.h"
#include "shell/CAufloesungDlg.h"
#include "shell/CIntroDlg.h"
#include "shell/CObjektDlg.h"
#include "shell/CZEVAView.h"
#include "shell/LetzteDateien.h"
#include "shell/Schrittfolge.h"
#include "shell/ShellRessourcen.h"
#include "ui/CHideBar.h"
#include "ui/CRollupCtrl.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zeva {

// The view area: one view of the main pane at a time in a stacked layout;
// the plan and 3D views are children laid over all of it.
class CMainFrame::Bereich : public QWidget {
public:
    Bereich(CMainFrame* rahmen) : QWidget(rahmen), m_rahmen(rahmen)
    {
        setObjectName(QStringLiteral("Ansichtsbereich"));
        m_stapel = new QStackedLayout(this);
        m_stapel->setContentsMargins(0, 0, 0, 0);
    }
    QStackedLayout* Stapel() const { return m_stapel; }

protected:
    void resizeEvent(QResizeEvent* ereignis) override
    {
        QWidget::resizeEvent(ereignis);
        m_rahmen->RecalcLayout();
    }

private:
    CMainFrame* m_rahmen;
    QStackedLayout* m_stapel;
};

namespace {

// The project that the window shows; also the name a new untitled window
// carries before its document is made.
QString SymbolPfad(const char* name)
{
    return QStringLiteral(":/zeva/bilder/") + QString::fromLatin1(name);
}

} // namespace

int CMainFrame::Balkenbreite(int rahmenBreite)
{
    return rahmenBreite > 800 ? rahmenBreite / 4 : 242;
}

QString CMainFrame::Titel(const QString& dokumentTitel)
{
    return dokumentTitel + QStringLiteral(" - ") + QString::fromLatin1(FensterTitel);
}

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    LadeShellRessourcen();
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(QIcon(SymbolPfad("zeva.svg")));
    setDockOptions(QMainWindow::AnimatedDocks);

    // The frame covers exactly the work area of the screen.
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        setGeometry(schirm->availableGeometry());

    ErzeugeAktionen();
    ErzeugeSymbolleiste();
    statusBar()->setObjectName(IdName(ID_VIEW_STATUS_BAR));
    auto* bereit = new QLabel(QStringLiteral("Bereit"), statusBar());
    bereit->setObjectName(QStringLiteral("Leerlauftext"));
    statusBar()->addWidget(bereit, 1);
    ErzeugeMenue();

    m_Optionen = HausAnbindung::NeueOptionen();
    HausAnbindung::LeseOptionenAusProfil(*m_Optionen);

    // The menus of the results are grey during the input.
    SetzeRechenmenues(false);

    m_strVersion = QString::fromLatin1(VersionsText);
    m_strStartordner = QDir::currentPath();

    m_bereich = new Bereich(this);
    setCentralWidget(m_bereich);
    m_pStartansicht = new CZEVAView(m_bereich);
    m_bereich->Stapel()->addWidget(m_pStartansicht);
    m_pAktiveView = m_pStartansicht;
    connect(m_pStartansicht, &CZEVAView::befehl, this, [this](int id) {
        if (id == WM_FLAECHENANSICHT)
            Flaechenansicht(0);
        else
            Befehl(id);
    });
    connect(m_pStartansicht, &CZEVAView::oeffneDatei, this, [this](const QString& pfad) { OeffneDatei(pfad); });
    connect(m_pStartansicht, &CZEVAView::statusText, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(text);
    });

    ErzeugeBalken();

    m_pDoc = new CZEVADoc(*this, this);
    m_pEingabeansichten = Schrittplatzhalter::ErzeugeEingabeansichten(*this);
    InstalliereBefehle();
    // The summary page shows the file name: it follows every new title (the
    // title changes after the refresh of a freshly read project).
    connect(m_pDoc, &CZEVADoc::titelGeaendert, this, [this](const QString& t) {
        setWindowTitle(Titel(t));
        m_wndObjekt->Aktualisiere(*m_pDoc);
    });
    setWindowTitle(Titel(QString::fromUtf8(CZEVADoc::Unbenannt)));
    // Nothing may go on pointing into or showing figures of a project that
    // is gone: the step windows hide and re-read the new house at once,
    // before a message of the reading can run an event loop that would
    // activate a page still holding a record of the old one.
    connect(m_pDoc, &CZEVADoc::hausErsetzt, this, [this] {
        VerbergeSchrittfenster();
        AktualisiereFenster();
        SchliesseSonderansichten();
    });
}

CMainFrame::~CMainFrame()
{
    // The temporary bitmap of the 3D view goes with the frame.
    QFile::remove(QDir(m_strStartordner).filePath(QStringLiteral("Unben.bmp")));
    m_pIntro.reset();
}

// ----- actions, menu, tool bar ---------------------------------------------

QAction* CMainFrame::NeueAktion(int id, const QString& text, const QString& status)
{
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(IdName(id));
    aktion->setData(id);
    // "status text\ntool tip": the part after the line break is the tip.
    const qsizetype umbruch = status.indexOf(QLatin1Char('\n'));
    if (umbruch >= 0) {
        aktion->setStatusTip(status.left(umbruch));
        aktion->setToolTip(status.mid(umbruch + 1).trimmed());
    } else if (!status.isEmpty()) {
        aktion->setStatusTip(status);
    }
    connect(aktion, &QAction::triggered, this, [this, id] { Befehl(id); });
    m_aktionen[id] = aktion;
    addAction(aktion);
    return aktion;
}

QAction* CMainFrame::Aktion(int id) const
{
    const auto it = m_aktionen.find(id);
    return it == m_aktionen.end() ? nullptr : it->second;
}

void CMainFrame::ErzeugeAktionen()
{
    const QStyle* stil = style();
    QAction* a = NeueAktion(ID_FILE_NEW, QStringLiteral("&Neu"), QStringLiteral("Erstellt ein neues Projekt.\nNeu"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    a->setIcon(stil->standardIcon(QStyle::SP_FileIcon));
    a = NeueAktion(ID_FILE_OPEN, QStringLiteral("Ö&ffnen..."),
                   QStringLiteral("Öffnet ein gespeichertes Projekt.\nÖffnen"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    a->setIcon(stil->standardIcon(QStyle::SP_DialogOpenButton));
    a = NeueAktion(ID_FILE_SAVE, QStringLiteral("S&peichern"), QStringLiteral("Speichert das Projekt.\nSpeichern"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    a->setIcon(stil->standardIcon(QStyle::SP_DialogSaveButton));
    a = NeueAktion(ID_FILE_SAVE_AS, QStringLiteral("Speichern &unter..."),
                   QStringLiteral("Speichert das Projekt unter einem neuen Namen.\nSpeichern unter"));
    a->setShortcut(QKeySequence(Qt::Key_F12));
    // Preview of the special view in front (areas page, energy balance,
    // report); greyed while no such view is shown.
    NeueAktion(ID_FILE_PRINT_PREVIEW, QStringLiteral("&Seitenansicht"),
               QStringLiteral("Zeigt ganze Seiten an.\nSeitenansicht"))
        ->setEnabled(false);
    NeueAktion(ID_FILE_PRINT_SETUP, QStringLiteral("Drucker&einrichtung..."),
               QStringLiteral("Ändert die Einstellungen des Druckers."));
    a = NeueAktion(ID_FILE_PRINT, QStringLiteral("&Drucken"), QStringLiteral("Druckt die 3D-Ansicht.\nDrucken"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    a->setIcon(QIcon(SymbolPfad("drucken.svg")));
    NeueAktion(ID_APP_EXIT, QStringLiteral("&Beenden"),
               QStringLiteral("Beendet Vyk-ZEVA; fragt, ob das Projekt gespeichert werden soll.\nBeenden"));
    a = NeueAktion(ID_APP_ABOUT, QStringLiteral("Inf&o über ZEVA..."),
                   QStringLiteral("Zeigt die Programmversion an.\nInfo"));
    a->setIcon(stil->standardIcon(QStyle::SP_MessageBoxInformation));

    NeueAktion(ID_BESTAND, QStringLiteral("&Bestand"),
               QStringLiteral("Öffnet das Berechnungsfenster für das bestehende Gebäude"));
    NeueAktion(ID_NEU_MANUELL, QStringLiteral("Neu &Manuell"), QStringLiteral("Fügt eine neue Sanierungsvariante hinzu."));
    NeueAktion(ID_NEU_PROGRAMM, QStringLiteral("Neu &Programm"),
               QStringLiteral("Fügt eine neue Sanierungsvariante hinzu und führt eine automatische Sanierung durch."));
    NeueAktion(ID_VARIANTE_LOESCHEN, QStringLiteral("&Löschen"), QStringLiteral("Löscht eine Sanierungsvariante."));
    NeueAktion(ID_ALLE_LOESCHEN, QStringLiteral("&Alle löschen"), QStringLiteral("Löscht alle Sanierungsvarianten."));
    NeueAktion(ID_OPTIONEN, QStringLiteral("&Optionen ..."),
               QStringLiteral("Stellt die Energiepreise und die programmgesteuerte Sanierung ein."));
    a = NeueAktion(ID_ZURUECK_ZUR_EINGABE, QStringLiteral("Zurück zur Eingabe"),
                   QStringLiteral("Zurück zur Eingabe\n Eingabephase"));
    a->setIcon(QIcon(SymbolPfad("eingabe.svg")));
    a = NeueAktion(ID_3D_ALS_JPEG, QStringLiteral("Bildschirmfoto"),
                   QStringLiteral("Erstellt ein Bildschirmfoto der 3-D Ansicht und speichert dieses als Bitmap ab. "
                                  "\n Bildschirmfoto"));
    a->setIcon(QIcon(SymbolPfad("bildschirmfoto.svg")));

    a = NeueAktion(ID_VIEW_TOOLBAR, QStringLiteral("&Symbolleiste "),
                   QStringLiteral("Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein/aus"));
    a->setCheckable(true);
    a = NeueAktion(ID_VIEW_STATUS_BAR, QStringLiteral("S&tatusleiste"),
                   QStringLiteral("Blendet die Statusleiste ein oder aus.\nStatusleiste ein/aus"));
    a->setCheckable(true);
    a->setChecked(true);

    // The frame's own commands; the application's come through its setters.
    SetzeBefehl(ID_FILE_NEW, [this] { OnFileNew(); });
    SetzeBefehl(ID_FILE_SAVE, [this] { OnFileSave(); });
    SetzeBefehl(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    SetzeBefehl(ID_APP_EXIT, [this] { close(); });
    SetzeBefehl(ID_VIEW_TOOLBAR, [this] { m_wndToolBar->setVisible(!m_wndToolBar->isVisible()); });
    SetzeBefehl(ID_VIEW_STATUS_BAR, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
}

void CMainFrame::NimmDateibefehleAuf(QWidget* fenster) const
{
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS})
        fenster->addAction(Aktion(id));
}

void CMainFrame::ErzeugeSymbolleiste()
{
    m_wndToolBar = new QToolBar(QStringLiteral("Symbolleiste"), this);
    SetzeId(m_wndToolBar, ID_VIEW_TOOLBAR);
    m_wndToolBar->setMovable(false);
    m_wndToolBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    m_wndToolBar->addAction(Aktion(ID_FILE_NEW));
    m_wndToolBar->addAction(Aktion(ID_FILE_OPEN));
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(Aktion(ID_FILE_SAVE));
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(Aktion(ID_FILE_PRINT));
    m_wndToolBar->addAction(Aktion(ID_APP_ABOUT));
    m_wndToolBar->addSeparator();
    m_wndToolBar->addAction(Aktion(ID_ZURUECK_ZUR_EINGABE));
    m_wndToolBar->addAction(Aktion(ID_3D_ALS_JPEG));
    // Hidden until the user switches it on in "Extras".
    m_wndToolBar->hide();
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this,
            [this](bool sichtbar) { Aktion(ID_VIEW_TOOLBAR)->setChecked(sichtbar); });
}

void CMainFrame::ErzeugeMenue()
{
    QMenuBar* leiste = menuBar();
    m_menueDatei = leiste->addMenu(QStringLiteral("&Datei"));
    m_menueDatei->addAction(Aktion(ID_FILE_NEW));
    m_menueDatei->addAction(Aktion(ID_FILE_OPEN));
    m_menueDatei->addAction(Aktion(ID_FILE_SAVE));
    m_menueDatei->addAction(Aktion(ID_FILE_SAVE_AS));
    m_menueDatei->addSeparator();
    m_menueDatei->addAction(Aktion(ID_FILE_PRINT_PREVIEW));
    m_menueDatei->addAction(Aktion(ID_FILE_PRINT_SETUP));
    m_menueDatei->addSeparator();
    m_letzteDateiPlatz = m_menueDatei->addAction(QStringLiteral("Letzte Datei"));
    m_letzteDateiPlatz->setObjectName(IdName(ID_FILE_MRU_FILE1));
    m_letzteDateiPlatz->setEnabled(false);
    m_menueDatei->addSeparator();
    m_menueDatei->addAction(Aktion(ID_APP_EXIT));
    connect(m_menueDatei, &QMenu::aboutToShow, this, &CMainFrame::AktualisiereLetzteDateienMenue);

    m_menueBerechnung = leiste->addMenu(QStringLiteral("&Berechnung"));
    m_menueBerechnung->addAction(Aktion(ID_BESTAND));

    m_menueSanierung = leiste->addMenu(QStringLiteral("&Sanierung"));
    m_menueSanierung->addAction(Aktion(ID_NEU_MANUELL));
    m_menueSanierung->addAction(Aktion(ID_NEU_PROGRAMM));
    m_menueSanierung->addAction(Aktion(ID_VARIANTE_LOESCHEN));
    m_menueSanierung->addAction(Aktion(ID_ALLE_LOESCHEN));

    QMenu* extras = leiste->addMenu(QStringLiteral("E&xtras"));
    extras->addAction(Aktion(ID_VIEW_TOOLBAR));
    extras->addAction(Aktion(ID_VIEW_STATUS_BAR));
    extras->addSeparator();
    extras->addAction(Aktion(ID_OPTIONEN));

    QMenu* hilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
    hilfe->addAction(Aktion(ID_APP_ABOUT));
}

void CMainFrame::SetzeRechenmenues(bool aktiv)
{
    m_menueBerechnung->menuAction()->setEnabled(aktiv);
    m_menueSanierung->menuAction()->setEnabled(aktiv);
}

void CMainFrame::SetzeLetzteDateien(std::function<QStringList()> quelle)
{
    m_LetzteDateien = std::move(quelle);
    m_pStartansicht->SetzeRecentQuelle(m_LetzteDateien);
    AktualisiereLetzteDateienMenue();
}

void CMainFrame::AktualisiereLetzteDateienMenue()
{
    // Later: the list may change inside one of these actions' own handler.
    for (QAction* a : m_letzteDateiAktionen) {
        m_menueDatei->removeAction(a);
        a->setObjectName(QString());
        a->deleteLater();
    }
    m_letzteDateiAktionen.clear();
    const QStringList pfade = m_LetzteDateien ? m_LetzteDateien() : QStringList();
    // Without recent projects the menu shows the greyed "Letzte Datei".
    m_letzteDateiPlatz->setVisible(pfade.isEmpty());
    for (int i = 0; i < pfade.size(); ++i) {
        QString text = LetzteDateien::Anzeigeform(pfade[i]);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        // Mnemonics 1 … 9, the tenth entry "1&0".
        const QString nummer = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        auto* aktion = new QAction(nummer + QLatin1Char(' ') + text, this);
        aktion->setObjectName(IdName(ID_FILE_MRU_FILE1 + i));
        aktion->setStatusTip(pfade[i]);
        const QString pfad = pfade[i];
        connect(aktion, &QAction::triggered, this, [this, pfad] {
            if (!OeffneDatei(pfad))
                emit letzteDateiFehlgeschlagen(pfad);
        });
        m_menueDatei->insertAction(m_letzteDateiPlatz, aktion);
        m_letzteDateiAktionen.push_back(aktion);
    }
}

// ----- bars -----------------------------------------------------------------

QWidget* CMainFrame::ErzeugeFensterplatz(QWidget* eltern, const QString& name)
{
    auto* platz = new QWidget(eltern);
    platz->setObjectName(name);
    return platz;
}

void CMainFrame::ErzeugeBalken()
{
    const int w = Balkenbreite(width());
    const int stil = width() > 800 ? CSizingControlBar::SB_KINDER_FUELLEN : CSizingControlBar::SB_ROLLEN;

    m_wndLinks = new CHideBar(this);
    m_wndLinks->Create(this, Qt::LeftDockWidgetArea, w, 59646, stil);
    m_wndRollup = new CRollupCtrl(m_wndLinks->Inhalt());
    SetzeId(m_wndRollup, 2);
    m_wndRollup->resize(w, 200);

    m_wndObjekt = new CObjektDlg(m_wndRollup);
    m_wndObjekt->Create(m_wndRollup);
    auto* geo = new CBaseDialog(m_wndRollup);
    geo->setObjectName(QStringLiteral("GeoKGSeite"));
    geo->resize(w, 0);
    m_wndGeoKG = geo;
    auto* heizung = new CBaseDialog(m_wndRollup);
    heizung->setObjectName(QStringLiteral("HeizungSeite"));
    heizung->resize(w, 0);
    m_wndHeizung = heizung;
    m_wndAnsicht = new CAnsichtDlg(m_wndRollup);
    m_wndAnsicht->Create(m_wndRollup);

    m_wndRollup->FuegeSeiteEin(QStringLiteral("Objekt"), m_wndObjekt);
    m_wndRollup->FuegeSeiteEin(QStringLiteral("Geometrische Kenngrößen"), m_wndGeoKG);
    m_wndRollup->FuegeSeiteEin(QStringLiteral("Heizung"), m_wndHeizung);
    m_wndRollup->FuegeSeiteEin(QStringLiteral("Grafiken"), m_wndAnsicht);
    m_wndRollup->OeffneAlleSeiten(true);

    m_wndRechts = new CHideBar(this);
    m_wndRechts->Create(this, Qt::RightDockWidgetArea, w, 59645, stil);
    // The right bar stays open and its button inactive until the input ends.
    m_wndRechts->SetzeKnopfAktiv(false);
    m_wndSanVarianten = ErzeugeFensterplatz(m_wndRechts->Inhalt(), QStringLiteral("Variantenfenster"));
    m_wndReportGen = ErzeugeFensterplatz(m_wndRechts->Inhalt(), QStringLiteral("ReportGenerator"));
    m_wndSanVarianten->resize(w, 200);
    m_wndReportGen->resize(w, 200);
    m_wndSanVarianten->hide();
    m_wndReportGen->hide();
}

void CMainFrame::ErsetzeFensterplatz(QPointer<QWidget>& platz, QWidget* fenster)
{
    if (platz == fenster)
        return;
    QWidget* alt = platz;
    const bool sichtbar = alt && alt->isVisibleTo(alt->parentWidget());
    if (fenster) {
        fenster->setParent(m_wndRechts->Inhalt());
        fenster->setVisible(sichtbar);
    }
    platz = fenster;
    delete alt;
}

void CMainFrame::SetzeVariantenfenster(QWidget* fenster)
{
    ErsetzeFensterplatz(m_wndSanVarianten, fenster);
}

void CMainFrame::SetzeReportGenerator(QWidget* fenster)
{
    ErsetzeFensterplatz(m_wndReportGen, fenster);
}

void CMainFrame::SetzeBedarfsfenster(QWidget* fenster)
{
    if (fenster && fenster->parentWidget() != m_wndRechts->Inhalt())
        fenster->setParent(m_wndRechts->Inhalt());
    m_aBedarfsfenster = fenster;
}

std::vector<QWidget*> CMainFrame::RechteFenster() const
{
    std::vector<QWidget*> fenster;
    for (QWidget* w : {m_wndSanVarianten.data(), m_wndReportGen.data(), m_aBedarfsfenster.data(),
                       m_pEingabeAssistent.data(), m_pHoehenangaben.data(), m_pDacheingabe.data()})
        if (w)
            fenster.push_back(w);
    return fenster;
}

void CMainFrame::ZeigeRechtesFenster(QWidget* fenster)
{
    // Hidden first, then shown: the bar never lays two panes out at once.
    for (QWidget* w : RechteFenster())
        if (w != fenster)
            VerbergeRechtesFenster(w);
    if (fenster) {
        fenster->show();
        fenster->raise();
    }
}

void CMainFrame::VerbergeRechtesFenster(QWidget* fenster)
{
    if (fenster)
        fenster->hide();
}

QWidget* CMainFrame::SichtbaresRechtesFenster() const
{
    for (QWidget* w : RechteFenster())
        if (w->isVisibleTo(m_wndRechts->Inhalt()))
            return w;
    return nullptr;
}

void CMainFrame::SetzeGeoKGSeite(QWidget* seite)
{
    delete m_wndGeoKG;
    m_wndGeoKG = seite;
    seite->setParent(m_wndRollup);
    m_wndRollup->FuegeSeiteEin(QStringLiteral("Geometrische Kenngrößen"), seite, false, 1);
    m_wndRollup->OeffneSeite(1, true);
}

void CMainFrame::SetzeHeizungSeite(QWidget* seite)
{
    delete m_wndHeizung;
    m_wndHeizung = seite;
    seite->setParent(m_wndRollup);
    m_wndRollup->FuegeSeiteEin(QStringLiteral("Heizung"), seite, false, 2);
    m_wndRollup->OeffneSeite(2, true);
}

// ----- commands ----------------------------------------------------------------

void CMainFrame::SetzeBefehl(int id, std::function<void()> handler)
{
    if (handler)
        m_befehle[id] = std::move(handler);
    else
        m_befehle.erase(id);
}

bool CMainFrame::Befehl(int id)
{
    emit befehlAusgefuehrt(id);
    // The active special view first (print and preview of report and areas).
    if (auto* ziel = dynamic_cast<BefehlsZiel*>(m_pAktiveView.data()))
        if (ziel->BearbeiteBefehl(id))
            return true;
    const auto it = m_befehle.find(id);
    if (it == m_befehle.end())
        return VariantenBefehl(id);
    // Copied: a handler may replace itself.
    const std::function<void()> handler = it->second;
    handler();
    return true;
}

void CMainFrame::PosteBefehl(int id)
{
    QMetaObject::invokeMethod(this, [this, id] { Befehl(id); }, Qt::QueuedConnection);
}

// ----- private messages ------------------------------------------------------------

void CMainFrame::Startseite(bool befehlszeile)
{
    if (befehlszeile && m_Befehlszeile)
        m_Befehlszeile();
    if (HausAnbindung::Phase(AktuellesHaus()) != 0)
        return;
    if (m_pAktiveView != m_pStartansicht)
        return;
    m_pStartansicht->SetzeSeitenmodus(1);
    m_pStartansicht->show();
    m_pStartansicht->LadeSeite(CZEVAView::Startseite);
}

void CMainFrame::Flaechenansicht(int wParam)
{
    if (wParam == ANSICHT_SCHLIESSEN) {
        if (m_pFlaechenansicht)
            SchliesseAnsicht(m_pFlaechenansicht);
        return;
    }
    if ((wParam & 0xFFFF) == ID_FILE_PRINT || (wParam & 0xFFFF) == ID_FILE_PRINT_PREVIEW) {
        if (auto* ziel = dynamic_cast<BefehlsZiel*>(m_pFlaechenansicht.data()))
            ziel->BearbeiteBefehl(wParam & 0xFFFF);
        return;
    }
    if (!m_pFlaechenansicht) {
        if (!m_FlaechenErzeuger)
            return;
        m_pFlaechenansicht = m_FlaechenErzeuger(m_bereich);
        if (!m_pFlaechenansicht)
            return;
    }
    if (m_pAktiveView != m_pFlaechenansicht) {
        SchalteAnsichtEin(m_pFlaechenansicht, m_wndReportGen);
        ZeigeRechtesFenster(m_wndSanVarianten);
    }
    VerlasseStartseite();
    m_pFlaechenansicht->show();
}

// ----- main pane ---------------------------------------------------------------------

void CMainFrame::ZeigeAktiveAnsicht(QWidget* ansicht)
{
    if (m_bereich->Stapel()->indexOf(ansicht) < 0)
        m_bereich->Stapel()->addWidget(ansicht);
    m_bereich->Stapel()->setCurrentWidget(ansicht);
    ansicht->show();
    m_pAktiveView = ansicht;
    // A link's text that the mouse left behind on the view before would
    // hide the step hint and name what is no longer there.
    statusBar()->clearMessage();
    AktualisiereDruckbefehle();
}

bool CMainFrame::SchalteAnsichtEin(QWidget* ansicht, QWidget* eigenesFenster)
{
    QWidget* sichtbar = SichtbaresRechtesFenster();
    const bool gemerkt = m_Ansichtsstapel.Push({m_pAktiveView, sichtbar, eigenesFenster});
    ZeigeAktiveAnsicht(ansicht);
    RecalcLayout();
    return gemerkt;
}

void CMainFrame::SchliesseAnsicht(QWidget* ansicht)
{
    if (!ansicht)
        return;
    // Views opened after this one close first, so the stack stays in step.
    if (ansicht != m_pAktiveView) {
        bool darueber = false;
        for (int i = 0; i <= m_Ansichtsstapel.Oben(); ++i)
            if (m_Ansichtsstapel.Eintrag(i).ansicht == ansicht)
                darueber = true;
        while (darueber && m_pAktiveView && m_pAktiveView != ansicht && !m_Ansichtsstapel.IstLeer())
            SchliesseAnsicht(m_pAktiveView);
    }
    AnsichtsEintrag eintrag;
    const bool da = m_Ansichtsstapel.Pop(eintrag);
    QWidget* zurueck = da && eintrag.ansicht ? eintrag.ansicht.data() : m_pStartansicht;
    ZeigeAktiveAnsicht(zurueck);
    m_bereich->Stapel()->removeWidget(ansicht);
    if (ansicht != m_pStartansicht)
        delete ansicht;
    if (da) {
        // The pane that was up with the view that comes back; when it is
        // gone, the one that belongs to that view.
        QWidget* zeigen = eintrag.zeigen;
        const std::vector<QWidget*> bekannt = RechteFenster();
        if (std::find(bekannt.begin(), bekannt.end(), zeigen) == bekannt.end()) {
            if (zurueck == m_pBedarfsansicht)
                zeigen = m_aBedarfsfenster;
            else if (zurueck == m_pReportansicht)
                zeigen = m_wndReportGen;
            else if (HausAnbindung::Phase(AktuellesHaus()) >= Schrittfolge::Ende)
                zeigen = m_wndSanVarianten;
            else
                zeigen = nullptr;
        }
        if (zeigen)
            ZeigeRechtesFenster(zeigen);
        else
            VerbergeRechtesFenster(eintrag.verbergen);
    }
    RecalcLayout();
}

void CMainFrame::VerlasseStartseite()
{
    // The text of a link the mouse last touched goes with the page.
    statusBar()->clearMessage();
    if (m_pAktiveView != m_pStartansicht)
        return;
    if (m_pStartansicht->Seitenmodus() != 0) {
        m_pStartansicht->SetzeSeitenmodus(0);
        m_pStartansicht->LadeSeite(CZEVAView::Leerseite);
    }
    m_pStartansicht->hide();
}

void CMainFrame::ZeigeZwischenseite()
{
    // A special view in front stays: its pane is up, and the between page
    // under it would not match it.
    if (m_pAktiveView != m_pStartansicht && m_pAktiveAnsicht == m_pStartansicht && m_Ansichtsstapel.IstLeer()) {
        ZeigeAktiveAnsicht(m_pStartansicht);
        m_pAktiveAnsicht = nullptr;
    }
    if (m_pAktiveView == m_pStartansicht) {
        m_pStartansicht->SetzeSeitenmodus(2);
        m_pStartansicht->show();
        m_pStartansicht->LadeSeite(CZEVAView::Zwischenseite);
        if (HausAnbindung::Phase(AktuellesHaus()) >= Schrittfolge::Ende)
            ZeigeRechtesFenster(m_wndSanVarianten);
    }
}

void CMainFrame::ZeigeStartansichtWieder()
{
    const int phase = HausAnbindung::Phase(AktuellesHaus());
    if (phase == Schrittfolge::Intro)
        Startseite(false);
    else if (phase >= Schrittfolge::Ende)
        ZeigeZwischenseite();
}

void CMainFrame::RecalcLayout()
{
    if (!m_bereich)
        return;
    m_rcAnsicht = m_bereich->geometry();
    if (m_wndRechts && m_wndRechts->Inhalt())
        m_rcRechts = m_wndRechts->Inhalt()->rect();
    for (QWidget* ansicht : {m_p2DAnsicht.data(), m_p3DAnsicht.data()}) {
        if (ansicht) {
            ansicht->setGeometry(m_bereich->rect());
            ansicht->raise();
            ansicht->update();
        }
    }
}

void CMainFrame::SetzeEingabeansichten(QWidget* ansicht2D, QWidget* ansicht3D)
{
    if (!m_pAktiveAnsicht)
        m_pAktiveAnsicht = m_pAktiveView;
    for (QWidget* ansicht : {ansicht2D, ansicht3D})
        if (ansicht) {
            ansicht->setParent(m_bereich);
            ansicht->hide();
        }
    m_p2DAnsicht = ansicht2D;
    m_p3DAnsicht = ansicht3D;
    RecalcLayout();
}

// ----- wizard ------------------------------------------------------------------------

void CMainFrame::SetzeSymbolzustand(bool eingabe, bool drucken, bool bild)
{
    Aktion(ID_ZURUECK_ZUR_EINGABE)->setEnabled(eingabe);
    m_bDruck3D = drucken;
    AktualisiereDruckbefehle();
    Aktion(ID_3D_ALS_JPEG)->setEnabled(bild);
}

void CMainFrame::AktualisiereDruckbefehle()
{
    // Ctrl+P is the action's shortcut: it works only while the action is
    // enabled.
    const bool ansicht = dynamic_cast<BefehlsZiel*>(m_pAktiveView.data()) != nullptr;
    Aktion(ID_FILE_PRINT)->setEnabled(m_bDruck3D || ansicht);
    Aktion(ID_FILE_PRINT_PREVIEW)->setEnabled(ansicht);
}

void CMainFrame::AktualisiereSeiten()
{
    m_wndObjekt->Aktualisiere(*m_pDoc);
    AktualisiereKennzahlseiten();
    m_wndAnsicht->Aktualisiere(*m_pDoc);
}

void CMainFrame::AktualisiereKennzahlseiten()
{
    for (QWidget* seite : {m_wndGeoKG.data(), m_wndHeizung.data()})
        if (auto* kennzahlen = dynamic_cast<AktualisierbareSeite*>(seite))
            kennzahlen->Aktualisiere(*m_pDoc);
}

QWidget* CMainFrame::Ansichtsflaeche() const
{
    return m_bereich;
}

void CMainFrame::SetzeSchritthinweis(const QString& text)
{
    // A temporary message hides the hint: the step's hint is what shows.
    statusBar()->clearMessage();
    if (auto* leerlauf = statusBar()->findChild<QLabel*>(QStringLiteral("Leerlauftext")))
        leerlauf->setText(text);
}

QString CMainFrame::Schritthinweis() const
{
    const auto* leerlauf = statusBar()->findChild<QLabel*>(QStringLiteral("Leerlauftext"));
    return leerlauf ? leerlauf->text() : QString();
}

void CMainFrame::AktualisiereAnsichten()
{
    // The 3D view builds its picture of the house anew.
    AktuellesHaus().ListeNeuAufbauen = 1;
    if (m_p3DAnsicht)
        m_p3DAnsicht->update();
    m_wndAnsicht->update();
    m_wndAnsicht->ZeigeAnsicht();
}

// ----- file commands -------------------------------------------------------------------

void CMainFrame::OnFileNew()
{
    VerlasseStartseite();
    if (!UebernimmVariantendaten()) {
        ZeigeStartansichtWieder();
        return;
    }
    if (m_pDoc->IsModified()
        && Meldung::Zeige(QString::fromUtf8(FrageNeu), QMessageBox::Yes | QMessageBox::No, Meldung::Symbol::Frage,
                          QMessageBox::No, this)
               != QMessageBox::Yes) {
        // Nothing changes; the page that stood there comes back.
        ZeigeStartansichtWieder();
        return;
    }
    // The profile's options count for a new project, read only now that the
    // old project may go.
    HausAnbindung::LeseOptionenAusProfil(*m_Optionen);
    EntferneAlleVarianten();
    // The document's new house hides the step windows and has them re-read it.
    m_pDoc->OnNewDocument();
    SetzeRechenmenues(false);
    ZeigeSchritt();
}

bool CMainFrame::OnFileSave()
{
    if (!UebernimmVariantendaten())
        return false;
    return m_pDoc->DoFileSave();
}

bool CMainFrame::OnFileSaveAs()
{
    if (!UebernimmVariantendaten())
        return false;
    return m_pDoc->DoSave(QString());
}

bool CMainFrame::OeffneDatei(const QString& pfad)
{
    if (m_DateiOeffner)
        return m_DateiOeffner(pfad);
    return m_pDoc->OeffneDatei(pfad);
}

// ----- document environment -----------------------------------------------------------

void CMainFrame::ZeigeNeuesProjekt()
{
    // As File New: nothing may show the project that failed to load. The
    // step switch refreshes the left-bar pages.
    VerbergeSchrittfenster();
    LiesSchrittfensterNeu();
    SetzeRechenmenues(false);
    ZeigeSchritt();
}

bool CMainFrame::SpeichereAnsichtJpeg()
{
    return m_BildErzeuger ? m_BildErzeuger() : false;
}

// ----- screen, closing, dropping -------------------------------------------------------

bool CMainFrame::PruefeAufloesung()
{
    if (!CAufloesungDlg::BildschirmZuKlein())
        return true;
    CAufloesungDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    return !BeendeMitCode(1);
}

bool CMainFrame::BeendeMitCode(int code)
{
    if (!m_pDoc->SaveModified())
        return false;
    m_bSchliessenErlaubt = true;
    close();
    // Before the program's event loop runs (the check at start-up) the
    // caller ends with the code itself; an exit without a running loop
    // would make the next loop end at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(code);
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* ereignis)
{
    if (!m_bSchliessenErlaubt && !m_pDoc->SaveModified()) {
        ereignis->ignore();
        return;
    }
    m_bSchliessenErlaubt = false;
    m_pIntro.reset();
    ereignis->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* ereignis)
{
    if (ereignis->mimeData()->hasUrls()) {
        for (const QUrl& url : ereignis->mimeData()->urls())
            if (url.isLocalFile()) {
                ereignis->acceptProposedAction();
                return;
            }
    }
    QMainWindow::dragEnterEvent(ereignis);
}

void CMainFrame::dropEvent(QDropEvent* ereignis)
{
    QString pfad;
    for (const QUrl& url : ereignis->mimeData()->urls())
        if (url.isLocalFile()) {
            pfad = url.toLocalFile();
            break;
        }
    if (pfad.isEmpty()) {
        QMainWindow::dropEvent(ereignis);
        return;
    }
    ereignis->acceptProposedAction();
    activateWindow();
    // Opened after the drop has finished, so the source is not kept waiting
    // by the save question.
    QMetaObject::invokeMethod(this, [this, pfad] { OeffneDatei(pfad); }, Qt::QueuedConnection);
}

void CMainFrame::showEvent(QShowEvent* ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (m_bErstesZeigen) {
        m_bErstesZeigen = false;
        AktualisiereSeiten();
        RecalcLayout();
    }
}

} // namespace zeva
