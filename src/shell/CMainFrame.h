#pragma once
// The main window: menu, tool bar (hidden at start), status bar, the left bar
// with the roll-up pages "Objekt", "Geometrische Kenngrößen", "Heizung" and
// "Grafiken", the right bar with the variant pane and the report generator,
// and the view area. The view area shows one view at a time: the start page
// or a special view (heat-demand page, report, areas page, renovation
// details) that was swapped in through the saved-view stack; the plan and 3D
// views, once they exist, lie over the whole view area.
//
// The frame owns the document and the options record that is stored with
// every project, and it is the hub for commands: menu entries, tool-bar
// buttons, accelerators and the start page's links all reach Befehl(id),
// which asks the active special view first, then the frame's handlers.
// Parts of the program that come with later work fill their slots here:
// command handlers (SetzeBefehl), the step switch of the input wizard
// (SetzeSchrittanzeige and friends), the panes of the bars (Setze…Seite,
// Setze…fenster) and the makers of the special views.
#include "shell/Ansichtsstapel.h"
#include "shell/CZEVADoc.h"
#include "shell/HausAnbindung.h"

#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class QStackedLayout;
class QToolBar;

namespace zeva {

class CAnsichtDlg;
class CHideBar;
class CIntroDlg;
class CObjektDlg;
class CRollupCtrl;
class CZEVAView;

// A special view that handles commands itself (print and preview of the
// report and of the areas page) implements this interface.
class BefehlsZiel {
public:
    virtual ~BefehlsZiel() = default;
    virtual bool BearbeiteBefehl(int id) = 0;
};

// A page of the left bar that shows figures of the document: the frame has
// it re-read the document whenever it refreshes its pages.
class AktualisierbareSeite {
public:
    virtual ~AktualisierbareSeite() = default;
    virtual void Aktualisiere(CZEVADoc& dokument) = 0;
};

// The heat-demand pane as the frame drives it.
class BedarfsfensterZiel {
public:
    virtual ~BedarfsfensterZiel() = default;
    // Makes the pane's window in the right bar, computes and has the frame
    // hand the heat-demand page its state.
    virtual bool Erzeuge() = 0;
    // The frame shows the existing pane again for state n: the document's
    // house, computed anew, and the page follows.
    virtual void ZeigeWieder(int n) = 0;
};

// The heat-demand page as the frame hands it a state to show.
class BedarfsansichtZiel {
public:
    virtual ~BedarfsansichtZiel() = default;
    // Writes the page of state n of the house (the house is read during the
    // call only).
    virtual void SetzeVariante(const Haus& haus, int n) = 0;
};

class CMainFrame : public QMainWindow, public DokumentUmgebung {
    Q_OBJECT
public:
    static constexpr const char* FensterTitel = "Vyk-ZEVA";
    static constexpr const char* VersionsText = "Vyk-ZEVA Version Nr.: 1.3";
    static constexpr const char* FrageNeu =
        "Die Änderungen wurden noch nicht gespeichert.\nMöchten Sie ohne zu speichern fortfahren?";

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // ----- document and model -------------------------------------------
    CZEVADoc* GetActiveDocument() const { return m_pDoc; }
    // The house of the active document, looked up anew at every call.
    Haus& AktuellesHaus() const { return m_pDoc->HausRef(); }
    DOptionen& Optionen() override { return *m_Optionen; }
    QString Startordner() const override { return m_strStartordner; }
    const QString& Version() const { return m_strVersion; }

    // ----- commands -----------------------------------------------------
    // Runs a command now: the active special view, then the frame's handler.
    // Returns true when someone handled it.
    bool Befehl(int id);
    // Queues a command, as a posted command message (start-page links).
    void PosteBefehl(int id);
    // Installs the handler of a command (an empty function removes it).
    void SetzeBefehl(int id, std::function<void()> handler);
    // The action of a command id (menu or tool bar), or nullptr.
    QAction* Aktion(int id) const;
    QToolBar* Symbolleiste() const { return m_wndToolBar; }

    // ----- private messages ----------------------------------------------
    // WM_STARTSEITE: with the command line first processes the program's
    // arguments; then shows the start page when the house is at step 0.
    void Startseite(bool befehlszeile);
    // WM_FLAECHENANSICHT: -1 closes the areas page, 57607 / 57609 forward
    // print and preview to it, anything else opens it.
    void Flaechenansicht(int wParam);
    // WM_REPORTANSICHT: the report of a building state (or, with -1, closed),
    // handled by whoever installed the report.
    void Reportansicht(int wParam);
    void PosteReportansicht(int wParam);
    void SetzeReportansicht(std::function<void(int)> handler) { m_Reportansicht = std::move(handler); }

    // ----- heat demand ------------------------------------------------------
    // Shows the heat-demand pane for state n: makes it and the heat-demand
    // page on the first request, else shows it again. Returns the pane.
    QWidget* ZeigeBedarf(int n);
    // Swaps the heat-demand page in (true) or closes it through the saved-view
    // stack and shows the between page (false).
    void ZeigeBedarfsansicht(bool zeigen);
    // The pane closes: the frame forgets it and closes the page.
    void SchliesseBedarf();
    // Hands the page the house and the state, when the page exists.
    void AktualisiereBedarfsansicht(const Haus& haus, int n);
    QWidget* BedarfsansichtFenster() const { return m_pBedarfsansicht; }
    // Makers of the heat-demand pane (in the right bar, for a state; not yet
    // made: BedarfsfensterZiel::Erzeuge) and of its page (in the view area).
    void SetzeBedarfErzeuger(std::function<QWidget*(QWidget* eltern, int n)> fenster,
                             std::function<QWidget*(QWidget* eltern)> ansicht);

    // ----- the main pane and the saved-view stack -------------------------
    CZEVAView* Startansicht() const { return m_pStartansicht; }
    // The view in the main pane (the start view or a special view).
    QWidget* AktiveAnsicht() const { return m_pAktiveView; }
    // Swaps a special view into the main pane; its own pane of the right bar
    // is hidden again when it closes. False when the stack was full (the
    // view is shown all the same).
    bool SchalteAnsichtEin(QWidget* ansicht, QWidget* eigenesFenster);
    // Closes a special view: the views opened after it close first, then the
    // view and panes before it come back. The view is deleted.
    void SchliesseAnsicht(QWidget* ansicht);
    const Ansichtsstapel& Stapel() const { return m_Ansichtsstapel; }
    // Leaves the start page: the empty page, and the start view is hidden.
    void VerlasseStartseite();
    // After the input or a special view: the between page.
    void ZeigeZwischenseite();
    // The view area and the right bar's client area.
    QRect AnsichtsRechteck() const { return m_rcAnsicht; }
    QRect RechtsBereich() const { return m_rcRechts; }
    // Lays the plan and 3D views over the view area again.
    void RecalcLayout();

    // ----- bars and panes -------------------------------------------------
    CHideBar* LinkerBalken() const { return m_wndLinks; }
    CHideBar* RechterBalken() const { return m_wndRechts; }
    CRollupCtrl* Rollup() const { return m_wndRollup; }
    CObjektDlg* ObjektSeite() const { return m_wndObjekt; }
    CAnsichtDlg* AnsichtSeite() const { return m_wndAnsicht; }
    QWidget* GeoKGSeite() const { return m_wndGeoKG; }
    QWidget* HeizungSeite() const { return m_wndHeizung; }
    // Replaces the empty pages "Geometrische Kenngrößen" and "Heizung" by
    // the figure panes (the frame keeps them, the roll-up shows them).
    void SetzeGeoKGSeite(QWidget* seite);
    void SetzeHeizungSeite(QWidget* seite);
    // The panes of the right bar. Until their parts fill them, they are
    // empty panes with the right names.
    QWidget* Variantenfenster() const { return m_wndSanVarianten; }
    QWidget* ReportGenerator() const { return m_wndReportGen; }
    QWidget* Bedarfsfenster() const { return m_aBedarfsfenster; }
    void SetzeVariantenfenster(QWidget* fenster);
    void SetzeReportGenerator(QWidget* fenster);
    void SetzeBedarfsfenster(QWidget* fenster);
    // Bar width for a frame width: a quarter above 800 pixels, else 242.
    static int Balkenbreite(int rahmenBreite);

    // The plan and 3D views lie over the view area once they exist.
    void SetzeEingabeansichten(QWidget* ansicht2D, QWidget* ansicht3D);
    QWidget* Ansicht2D() const { return m_p2DAnsicht; }
    QWidget* Ansicht3D() const { return m_p3DAnsicht; }

    // ----- input wizard -------------------------------------------------------
    // The step switch: shows the step stored in the house. Step 0 is the
    // intro panel; the other steps are drawn by the wizard's handler.
    void ZeigeSchritt();
    void NaechsterSchritt();
    void VorherigerSchritt();
    void VerbergeSchrittfenster();
    // Every step window and left-bar page re-reads the house.
    void AktualisiereFenster();
    void AktualisiereMenue() override;
    void AktualisiereAnsichten();
    // The refresh of the four left-bar pages.
    void AktualisiereSeiten();
    // The refresh of the figure pages "Geometrische Kenngrößen" and "Heizung".
    void AktualisiereKennzahlseiten();
    // Greys or enables the menus "Berechnung" and "Sanierung".
    void SetzeRechenmenues(bool aktiv);
    CIntroDlg* Intro() const { return m_pIntro.get(); }
    // The step the step switch showed last (-1 before the first).
    int AngezeigterSchritt() const { return m_nAngezeigterSchritt; }

    // Handlers the wizard part installs: draw step n (1 … 19), advance or
    // go back, hide its own windows, re-read the house.
    void SetzeSchrittanzeige(std::function<void(int)> anzeige) { m_SchrittAnzeige = std::move(anzeige); }
    void SetzeSchrittwechsel(std::function<void()> vor, std::function<void()> zurueck);
    void SetzeSchrittfensterVerbergen(std::function<void()> verbergen) { m_SchrittVerbergen = std::move(verbergen); }
    void SetzeFensterAktualisieren(std::function<void()> aktualisieren) { m_FensterAktualisieren = std::move(aktualisieren); }
    // What the house does after a project was read and before its step is
    // shown (component labels, heat demand of the existing state).
    void SetzeNachDemLesen(std::function<void()> nachLesen) { m_NachDemLesen = std::move(nachLesen); }
    // Variant dialogs: the handover of their data and their closing.
    void SetzeVariantendialoge(std::function<bool()> uebernehmen, std::function<void()> entfernen);
    // The 3D view's picture under the document's title.
    void SetzeBildErzeuger(std::function<bool()> erzeuger) { m_BildErzeuger = std::move(erzeuger); }
    // Makers of the special views that the frame opens itself.
    void SetzeFlaechenansichtErzeuger(std::function<QWidget*(QWidget*)> erzeuger) { m_FlaechenErzeuger = std::move(erzeuger); }

    // ----- file commands --------------------------------------------------
    void OnFileNew();
    bool OnFileSave();
    bool OnFileSaveAs();

    // The minimum screen check; on OK of the warning the program ends with
    // code 1 after the save question. False when the program is ending.
    bool PruefeAufloesung();
    // Closes after the save question and ends the event loop with the code.
    bool BeendeMitCode(int code);

    // ----- document environment --------------------------------------------
    bool UebernimmVariantendaten() override;
    void EntferneAlleVarianten() override;
    void ZeigeNeuesProjekt() override;
    bool SpeichereAnsichtJpeg() override;
    QWidget* Fenster() override { return this; }

    // Who runs the program's command line and the application's commands.
    void SetzeBefehlszeile(std::function<bool()> befehlszeile) { m_Befehlszeile = std::move(befehlszeile); }
    void SetzeDateiOeffner(std::function<bool(const QString&)> oeffner) { m_DateiOeffner = std::move(oeffner); }
    // The recent projects for the menu and the start page.
    void SetzeLetzteDateien(std::function<QStringList()> quelle);
    void AktualisiereLetzteDateienMenue();

    // The window title for a document title: "Unbenannt - Vyk-ZEVA".
    static QString Titel(const QString& dokumentTitel);

signals:
    // Every command that went through the dispatcher.
    void befehlAusgefuehrt(int id);
    // The step switch drew a step.
    void schrittAngezeigt(int phase);
    // A project chosen from the recent list of the Datei menu could not be
    // opened (the list drops it, as the menu's convention is).
    void letzteDateiFehlgeschlagen(const QString& pfad);

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    class Bereich;

    void ErzeugeAktionen();
    void ErzeugeMenue();
    void ErzeugeSymbolleiste();
    void ErzeugeBalken();
    QWidget* ErzeugeFensterplatz(QWidget* eltern, const QString& name);
    void ErsetzeFensterplatz(QPointer<QWidget>& platz, QWidget* fenster);
    void SetzeSymbolzustand(bool eingabe, bool drucken, bool bild);
    QAction* NeueAktion(int id, const QString& text, const QString& status = QString());
    void ZeigeAktiveAnsicht(QWidget* ansicht);
    // The project was replaced: the result views of the old one close.
    void SchliesseErgebnisse();
    bool OeffneDatei(const QString& pfad);

    CZEVADoc* m_pDoc = nullptr;
    OptionenZeiger m_Optionen;
    QString m_strVersion;
    QString m_strStartordner;

    std::map<int, QAction*> m_aktionen;
    std::map<int, std::function<void()>> m_befehle;
    QToolBar* m_wndToolBar = nullptr;
    QMenu* m_menueBerechnung = nullptr;
    QMenu* m_menueSanierung = nullptr;
    QMenu* m_menueDatei = nullptr;
    QAction* m_letzteDateiPlatz = nullptr;
    std::vector<QAction*> m_letzteDateiAktionen;
    std::function<QStringList()> m_LetzteDateien;

    CHideBar* m_wndLinks = nullptr;
    CRollupCtrl* m_wndRollup = nullptr;
    CObjektDlg* m_wndObjekt = nullptr;
    QPointer<QWidget> m_wndGeoKG;
    QPointer<QWidget> m_wndHeizung;
    CAnsichtDlg* m_wndAnsicht = nullptr;
    CHideBar* m_wndRechts = nullptr;
    QPointer<QWidget> m_wndSanVarianten;
    QPointer<QWidget> m_wndReportGen;
    QPointer<QWidget> m_aBedarfsfenster;

    Bereich* m_bereich = nullptr;
    CZEVAView* m_pStartansicht = nullptr;
    QPointer<QWidget> m_pAktiveView;
    QPointer<QWidget> m_pFlaechenansicht;
    QPointer<QWidget> m_pBedarfsansicht;
    QPointer<QWidget> m_p2DAnsicht;
    QPointer<QWidget> m_p3DAnsicht;
    QPointer<QWidget> m_pAktiveAnsicht; // the view active when the plan and 3D views came
    Ansichtsstapel m_Ansichtsstapel;
    QRect m_rcAnsicht;
    QRect m_rcRechts;

    std::unique_ptr<CIntroDlg> m_pIntro;

    std::function<void(int)> m_SchrittAnzeige;
    std::function<void()> m_SchrittVor;
    std::function<void()> m_SchrittZurueck;
    std::function<void()> m_SchrittVerbergen;
    std::function<void()> m_FensterAktualisieren;
    std::function<void()> m_NachDemLesen;
    std::function<bool()> m_VariantenUebernehmen;
    std::function<void()> m_VariantenEntfernen;
    std::function<bool()> m_BildErzeuger;
    std::function<QWidget*(QWidget*)> m_FlaechenErzeuger;
    std::function<QWidget*(QWidget*, int)> m_BedarfsfensterErzeuger;
    std::function<QWidget*(QWidget*)> m_BedarfsansichtErzeuger;
    std::function<void(int)> m_Reportansicht;
    std::function<bool()> m_Befehlszeile;
    std::function<bool(const QString&)> m_DateiOeffner;
    int m_nAngezeigterSchritt = -1;
    bool m_bSchliessenErlaubt = false;
    bool m_bErstesZeigen = true;
};

} // namespace zeva
