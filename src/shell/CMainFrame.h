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
// It runs the input wizard (CMainFrameSchritte.cpp) and the commands of the
// results and the renovation (CMainFrameBefehle.cpp). The other parts of the
// program plug their windows in at start-up (CZEVAApp's list of program
// parts): makers of the step panels and of the plan editor's windows, of the
// component and variant dialogs, the optimiser, the heat-demand pane and
// page, the report and the renovation details (interfaces in
// Schrittfenster.h), and the panes of the bars (Setze…Seite, Setze…fenster).
// Where no maker is installed, a step shows a placeholder and a command does
// nothing visible.
#include "shell/Ansichtsstapel.h"
#include "shell/CZEVADoc.h"
#include "shell/HausAnbindung.h"
#include "shell/Schrittfenster.h"
#include "shell/Schrittplatzhalter.h"
#include "shell/Schrittsteuerung.h"
#include "model/VariantenAnzeige.h"

#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QDialog;
class QSplitter;
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

class CMainFrame : public QMainWindow, public DokumentUmgebung, public VariantenAnzeige, public Schrittsteuerung {
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
    const QString& Version() const override { return m_strVersion; }

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
    void Startseite(bool befehlszeile) override;
    // WM_FLAECHENANSICHT: -1 closes the areas page, 57607 / 57609 forward
    // print and preview to it, anything else opens it.
    void Flaechenansicht(int wParam);

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
    // A command that left the start page changed nothing after all (the
    // user cancelled): the page that stood there comes back, the start page
    // at step 0, the between page after the input.
    void ZeigeStartansichtWieder();
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
    // Shows exactly this pane of the right bar and hides the others (the
    // variant pane, the report generator, the heat-demand pane and the side
    // panes of the input); nullptr hides them all. Every caller that shows a
    // pane of the right bar goes through here, so two panes never lie over
    // each other.
    void ZeigeRechtesFenster(QWidget* fenster);
    // Hides this pane of the right bar (nothing for nullptr); every caller
    // that hides a pane of the right bar goes through here.
    void VerbergeRechtesFenster(QWidget* fenster);
    // The pane of the right bar that is shown (nullptr when none).
    QWidget* SichtbaresRechtesFenster() const;
    // Bar width for a frame width: a quarter above 800 pixels, else 242.
    static int Balkenbreite(int rahmenBreite);

    // The plan and 3D views lie over the view area once they exist.
    void SetzeEingabeansichten(QWidget* ansicht2D, QWidget* ansicht3D);
    QWidget* Ansicht2D() const { return m_p2DAnsicht; }
    QWidget* Ansicht3D() const { return m_p3DAnsicht; }

    // ----- input wizard -------------------------------------------------------
    // The step switch: shows the step stored in the house (the panel of a
    // component, project or heating step, the plan or 3D view with their side
    // panes, or the end of the input with the variant pane).
    void ZeigeSchritt();
    // "Weiter >>" and "<< Zurück": every step window hides, the house moves
    // on (or back) with the work the step leaves behind, the step switch runs.
    void NaechsterSchritt() override;
    void VorherigerSchritt() override;
    // Hides every step panel, side pane and the plan and 3D views (they stay).
    void VerbergeSchrittfenster();
    // Every step window and left-bar page re-reads the house.
    void AktualisiereFenster();
    // Every step window re-reads the house (the left-bar pages do not).
    void LiesSchrittfensterNeu();
    void AktualisiereMenue() override;
    void AktualisiereAnsichten();
    // The refresh of the four left-bar pages.
    void AktualisiereSeiten();
    // The refresh of the figure pages "Geometrische Kenngrößen" and "Heizung".
    void AktualisiereKennzahlseiten();
    // After the method or the options changed: the existing state computed
    // anew, and the left bar, the heat-demand pane on it and the variant
    // pane show the new figures.
    void AktualisiereNachRechengrundlage();
    // Greys or enables the menus "Berechnung" and "Sanierung".
    void SetzeRechenmenues(bool aktiv);
    CIntroDlg* Intro() const { return m_pIntro.get(); }
    // The step the step switch showed last (-1 before the first).
    int AngezeigterSchritt() const { return m_nAngezeigterSchritt; }
    // Command 32812 (and the start page's link "eingabe"): back from the
    // results to the last input step.
    void OnZurueckZurEingabe();
    // The heating page reports that it is gone.
    void HeizungsfensterGeschlossen();

    // The makers of the step panels and of the plan editor's windows; until
    // a part installs its own, placeholders stand in.
    using Panel = Schrittplatzhalter::Panel;
    using PanelErzeuger = std::function<QDialog*(CMainFrame&)>;
    void SetzePanelErzeuger(Panel panel, PanelErzeuger erzeuger);
    void SetzeEingabeansichtenBesitzer(std::unique_ptr<Eingabeansichten> besitzer);
    // The panel of a step kind, the side panes (nullptr when not made).
    QDialog* Schrittpanel(Panel panel) const;
    QWidget* Eingabeassistent() const { return m_pEingabeAssistent; }
    QWidget* Hoehenangaben() const { return m_pHoehenangaben; }
    QWidget* Dacheingabe() const { return m_pDacheingabe; }
    // The status line's hint of the step (the idle text).
    QString Schritthinweis() const;

    // The 3D view's picture under the document's title.
    void SetzeBildErzeuger(std::function<bool()> erzeuger) { m_BildErzeuger = std::move(erzeuger); }
    // Makers of the special views that the frame opens itself.
    void SetzeFlaechenansichtErzeuger(std::function<QWidget*(QWidget*)> erzeuger) { m_FlaechenErzeuger = std::move(erzeuger); }

    // ----- services of the component dialogs -----------------------------------
    enum class Bauteildialog { Flachdach, Steildach, Decke, Boden, Wand };
    using BauteildialogErzeuger = std::function<QDialog*(CMainFrame&)>;
    void SetzeBauteildialogErzeuger(Bauteildialog art, BauteildialogErzeuger erzeuger);
    // The 3D view's picking: the component dialog for a carrying surface,
    // run modally. The first four lock the assistant and both views while
    // they run. Returns the dialog's result (0 without a dialog).
    int BearbeiteFlachdach(int traegerId);
    int BearbeiteSteildach(int traegerId);
    int BearbeiteDecke(int traegerId);
    int BearbeiteBoden(int traegerId);
    int BearbeiteWand(int traegerId);
    // The dialogs report their closing (OK or Cancel).
    void FlachdachDialogGeschlossen();
    void SteildachDialogGeschlossen();
    void DeckeDialogGeschlossen();
    void BodenDialogGeschlossen();
    void WandDialogGeschlossen();

    // ----- renovation variants ----------------------------------------------------
    using VariantendialogErzeuger = std::function<QDialog*(CMainFrame&, int variante)>;
    void SetzeVariantendialogErzeuger(VariantendialogErzeuger erzeuger) { m_VariantendialogErzeuger = std::move(erzeuger); }
    // The variant-number dialog of "Löschen": the number, or -1 on Cancel.
    void SetzeVariantennummerErzeuger(std::function<int(QWidget*)> erzeuger) { m_VariantennummerErzeuger = std::move(erzeuger); }
    using OptimiererErzeuger = std::function<std::unique_ptr<Optimierer>(Haus&, const DOptionen&, QWidget*)>;
    void SetzeOptimiererErzeuger(OptimiererErzeuger erzeuger) { m_OptimiererErzeuger = std::move(erzeuger); }
    // Opens the dialog of variant n or brings the open one to the front.
    QDialog* OeffneVariante(int n);
    // A variant dialog closed (OK or Cancel).
    void VarianteGeschlossen(int n);
    // The open dialog of variant n, and how many are open.
    QDialog* Variantendialog(int n) const;
    int OffeneVariantendialoge() const;
    // Deletes variant k of the house; open dialogs of higher variants move
    // down with their variants, and the views follow.
    void LoescheVariante(int k);
    // WM_VARIANTENSEITE: the dialog of variant n on tab `seite`.
    void Variantenseite(int n, int seite);
    // Rebuilds the variant entries of "Berechnung" and "Sanierung".
    void AktualisiereVariantenMenue();

    // The display the house asks before the existing building changes.
    VariantenAnzeige& Variantenanzeige() { return *this; }
    void AktualisiereBestandsbedarf() override;
    void BeendeVariantendialoge() override;

    // ----- heat demand, report, renovation details ----------------------------------
    using BedarfsfensterErzeuger = std::function<QWidget*(CMainFrame&, QWidget* eltern, int variante)>;
    void SetzeBedarfsErzeuger(BedarfsfensterErzeuger fenster, std::function<QWidget*(QWidget*)> seite);
    // The heat-demand pane of state n (made with the page when missing).
    QWidget* ZeigeBedarf(int n);
    void ZeigeBedarfsansicht(bool zeigen);
    void AktualisiereBedarfsansicht(Haus& haus, int n);
    // The pane closed itself: the page goes, the between page comes.
    void SchliesseBedarf();
    QWidget* Bedarfsansicht() const { return m_pBedarfsansicht; }

    void SetzeReport(std::unique_ptr<Reportschreiber> schreiber, std::function<QWidget*(QWidget*)> ansicht);
    // WM_REPORTANSICHT: -1 closes, 57607 / 57609 go to the view, 1395
    // rebuilds with the chosen sections, anything else is a variant (0 the
    // existing state, -1 … all) whose report is shown.
    void Reportansicht(int wParam, const QStringList* abschnitte = nullptr);
    // The same as a posted message: runs once the present event is done.
    void PosteReportansicht(int wParam);
    QWidget* ReportAnsicht() const { return m_pReportansicht; }

    void SetzeSanierungsdetailsErzeuger(std::function<QWidget*(QWidget*)> detail,
                                        std::function<QWidget*(QWidget*)> diagramm);
    // WM_SANIERUNGSDETAILS: -1 closes, anything else is a criterion shown for
    // a variant; 48879 hands the diagram new values.
    void Sanierungsdetails(int wParam, int variante);
    void SanierungsdetailsWerte(const std::array<double, 7>& werte);
    QWidget* Detailansicht() const { return m_pSanDetail; }
    QWidget* DetailDiagramm() const { return m_pSanDetailDia; }

    // ----- file commands --------------------------------------------------
    void OnFileNew();
    bool OnFileSave();
    bool OnFileSaveAs();

    // The minimum screen check; on OK of the warning the program ends with
    // code 1 after the save question. False when the program is ending.
    bool PruefeAufloesung();
    // Closes after the save question and ends the event loop with the code.
    bool BeendeMitCode(int code);

    // ----- options -------------------------------------------------------------
    // Command 32796: the options sheet; the project changes when OK changed them.
    void OnExtrasOptionen();

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
    // Variants were deleted (one or all); panes that show a variant follow.
    void variantenGeloescht();
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
    // Print and preview follow the step and the view in front: a special
    // view that handles them itself takes them at any step.
    void AktualisiereDruckbefehle();
    std::vector<QWidget*> RechteFenster() const;
    // The step panels are windows of their own: the frame's file commands
    // reach them through their shortcuts only when the panel carries the
    // actions too.
    void NimmDateibefehleAuf(QWidget* fenster) const;
    QAction* NeueAktion(int id, const QString& text, const QString& status = QString());
    void ZeigeAktiveAnsicht(QWidget* ansicht);
    bool OeffneDatei(const QString& pfad);
    void SetzeSchritthinweis(const QString& text);
    QWidget* Ansichtsflaeche() const;

    // Wizard (CMainFrameSchritte.cpp).
    // The dormer taken over before the input leaves its step; false when it
    // is refused and its input stays open.
    bool BestaetigeGaube();
    void ZeigePanelschritt(int phase);
    void ZeigeGrafikschritt(int phase);
    void BereiteGrafikschrittVor(int phase);
    void ZeigeEnde();
    QDialog* StellePanelBereit(Panel panel);
    QWidget* StelleSeitenfensterBereit(QPointer<QWidget>& fenster, Eingabeansichten::Fenster art);
    void ZeigeEingabeansichten();
    void ZerstoereSchrittfenster();
    void AktualisiereVariantenfenster();

    // Commands and services (CMainFrameBefehle.cpp).
    void InstalliereBefehle();
    bool VariantenBefehl(int id);
    void OnFilePrint(int id);
    void OnNeuManuell();
    void OnNeuProgramm();
    void OnVarianteLoeschen();
    void OnAlleLoeschen();
    void FuegeVariantenMenueHinzu(int n);
    int BearbeiteBauteil(Bauteildialog art, int traegerId);
    void BauteilDialogGeschlossen();
    void SperreEingabefenster(bool sperren);
    // Ends an open variant dialog through its OK; one whose checks refuse
    // is closed without its data. True when it took its data over.
    bool BeendeVariantendialog(QPointer<QDialog> dialog);
    std::vector<QPointer<QDialog>> OffeneVariantendialoge(int ab) const;
    void VergissVariantendialog(const QDialog* dialog);
    void NachVariantenLoeschen(int ab);
    // Closes the result views (report, heat-demand pane and page, renovation
    // details, areas page): back to the input, and when the project is
    // replaced, since nothing may go on showing figures of one that is gone.
    void SchliesseSonderansichten();

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
    QPointer<QWidget> m_p2DAnsicht;
    QPointer<QWidget> m_p3DAnsicht;
    QPointer<QWidget> m_pAktiveAnsicht; // the view active when the plan and 3D views came
    Ansichtsstapel m_Ansichtsstapel;
    QRect m_rcAnsicht;
    QRect m_rcRechts;

    std::unique_ptr<CIntroDlg> m_pIntro;

    std::map<Panel, PanelErzeuger> m_PanelErzeuger;
    std::map<Panel, QPointer<QDialog>> m_Panels;
    std::unique_ptr<Eingabeansichten> m_pEingabeansichten;
    QPointer<QWidget> m_pEingabeAssistent;
    QPointer<QWidget> m_pHoehenangaben;
    QPointer<QWidget> m_pDacheingabe;

    std::map<Bauteildialog, BauteildialogErzeuger> m_BauteilErzeuger;
    QPointer<QDialog> m_pBauteildialog;

    VariantendialogErzeuger m_VariantendialogErzeuger;
    std::function<int(QWidget*)> m_VariantennummerErzeuger;
    OptimiererErzeuger m_OptimiererErzeuger;
    std::vector<QPointer<QDialog>> m_aVariantendialoge;

    BedarfsfensterErzeuger m_BedarfsfensterErzeuger;
    std::function<QWidget*(QWidget*)> m_BedarfsseitenErzeuger;
    QPointer<QWidget> m_pBedarfsansicht;
    std::unique_ptr<Reportschreiber> m_pReportschreiber;
    std::function<QWidget*(QWidget*)> m_ReportErzeuger;
    QPointer<QWidget> m_pReportansicht;
    int m_nReportVariante = 0;
    std::function<QWidget*(QWidget*)> m_DetailErzeuger;
    std::function<QWidget*(QWidget*)> m_DiagrammErzeuger;
    QPointer<QSplitter> m_pSplitter;
    QPointer<QWidget> m_pSanDetail;
    QPointer<QWidget> m_pSanDetailDia;
    int m_nDetailVariante = 0;

    std::function<bool()> m_BildErzeuger;
    std::function<QWidget*(QWidget*)> m_FlaechenErzeuger;
    std::function<bool()> m_Befehlszeile;
    std::function<bool(const QString&)> m_DateiOeffner;
    int m_nAngezeigterSchritt = -1;
    bool m_bDruck3D = false;
    bool m_bSchliessenErlaubt = false;
    bool m_bErstesZeigen = true;
};

} // namespace zeva
