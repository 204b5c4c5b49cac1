#pragma once
// What the frame asks of the windows that later parts of the program plug
// into it. The frame makes them through makers (CMainFrame::Setze…Erzeuger)
// and finds these interfaces on them with dynamic_cast, so a window that does
// not implement one is simply not asked.
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QByteArray;
class QWidget;

namespace zeva {

class DOptionen;
class Haus;

// A window of the wizard (step panel, side pane, plan or 3D view) re-reads
// the house: a panel runs its dialog initialisation again, the assistant
// redraws, the heights pane reloads, the plan view fits its projection
// again, the 3D view rebuilds its scene.
class Schrittfenster {
public:
    virtual ~Schrittfenster() = default;
    virtual void LiesHausNeu() = 0;
};

// The owner of the plan editor's windows: it makes the plan and 3D views and
// the three side panes of the graphic steps, and does what only it knows how
// to do with them. The frame keeps, places, shows and hides the windows and
// sets the assistant's read-out rows by their control ids.
class Eingabeansichten {
public:
    enum class Fenster { Ansicht2D, Ansicht3D, Assistent, Hoehenangaben, Dacheingabe };
    virtual ~Eingabeansichten() = default;
    // A new window of that kind under `eltern` (the view area for the views,
    // the right bar's client area for the panes), hidden.
    virtual QWidget* Erzeuge(Fenster art, QWidget* eltern) = 0;
    // Step 13: the plan view shows that zone in its height section.
    virtual void ZeigeZone(QWidget* ansicht2D, int zone) = 0;
    // Step 14: the roof pane works on the plan view.
    virtual void VerbindeDach(QWidget* dacheingabe, QWidget* ansicht2D) = 0;
    // Leaving step 16: the plan view takes over the dormer being drawn.
    // False when it refused the dormer: the input stays open in step 16.
    virtual bool GaubeUebernehmen(QWidget* ansicht2D) = 0;
};

// The dialog of one renovation variant (modeless). It reports its closing on
// OK and Cancel through CMainFrame::VarianteGeschlossen with its number.
class Variantendialog {
public:
    virtual ~Variantendialog() = default;
    virtual int Nummer() const = 0;
    // The variant moved to another number (a lower one was deleted).
    virtual void SetzeNummer(int n) = 0;
    // Variant k, below this one, left the document's house: the dialog moves
    // down by one with its variant.
    virtual void VorgaengerGeloescht(int k)
    {
        (void)k;
        SetzeNummer(Nummer() - 1);
    }
    // OK: runs the checks of its pages; when they pass it takes its variant
    // over and closes. False when a check refused (it stays open).
    virtual bool OKUndSchliessen() = 0;
    // Selects tab 0 … 7.
    virtual void ZeigeSeite(int seite) = 0;
    // The document's method or the options changed: the dialog takes the
    // method and computes its page anew. One that shows no figure has
    // nothing to follow.
    virtual void FolgeRechengrundlage() {}
};

// The question "Neu &Programm" asks before the optimiser runs.
inline constexpr const char* FrageOptionenEingestellt =
    "Haben Sie schon die Optionen für die programmgesteuerte Sanierung eingestellt?";

// The optimiser of the automatic renovation, made on the house and options.
class Optimierer {
public:
    virtual ~Optimierer() = default;
    // Runs the search; false when it failed or was cancelled (it told the
    // user itself).
    virtual bool Optimiere() = 0;
    // Adds the best combinations to the house as new variants after the
    // existing ones; returns how many.
    virtual int UebernehmeBeste(Haus& haus) = 0;
};

// The heat-demand pane of the right bar; it calls CMainFrame::SchliesseBedarf
// when it closes and CMainFrame::AktualisiereBedarfsansicht after each
// calculation.
class Bedarfsfenster {
public:
    virtual ~Bedarfsfenster() = default;
    virtual int Variante() const = 0;
    // Shows another state (0 the existing building) and computes it with the
    // document's house.
    virtual void SetzeVariante(int n) = 0;
    // Computes its state anew with the document's house.
    virtual void Aktualisiere() = 0;
    // Variants were added or removed: the list of states follows, and the
    // state shown is computed anew.
    virtual void AktualisiereZustaende() = 0;
};

// The heat-demand page in the main pane.
class Bedarfsseite {
public:
    virtual ~Bedarfsseite() = default;
    virtual void SetzeVariante(Haus& haus, int n) = 0;
};

// The report writer: the report document, its variables, the transformed
// page. A report file that cannot be read or written raises
// CXmlArchiveException, which the frame reports.
class Reportschreiber {
public:
    virtual ~Reportschreiber() = default;
    virtual void ErstelleReportXml(Haus& haus, const DOptionen& optionen) = 0;
    // Variables for a variant (-1 all) and the chosen sections (none: all).
    virtual void SchreibeReportVars(Haus& haus, int variante, const QStringList* abschnitte) = 0;
    virtual QByteArray HoleReportStream() const = 0;
};

// The report view in the main pane.
class Reportanzeige {
public:
    virtual ~Reportanzeige() = default;
    virtual void ZeigeStream(const QByteArray& seite) = 0;
};

// The upper half of the renovation details: the page of a criterion.
class Sanierungsdetail {
public:
    virtual ~Sanierungsdetail() = default;
    virtual void SetzeHaus(Haus& haus) = 0;
    virtual void SetzeKriterium(int kriterium, int variante) = 0;
    virtual QString HoleEinheit() const = 0;
    // Writes the page anew for its criterion and variant (after a change of
    // the method or the options).
    virtual void Aktualisiere() = 0;
};

// The lower half: the bar diagram of the seven groups.
class Sanierungsdiagramm {
public:
    virtual ~Sanierungsdiagramm() = default;
    // No values: all bars zero.
    virtual void SetzeWerte(const std::array<double, 7>* werte, const QString& einheit) = 0;
};

// The variant pane of the right bar.
class Variantenliste {
public:
    virtual ~Variantenliste() = default;
    // Recomputes the existing state and lists the variants of the house.
    virtual void AktualisiereVarianten(Haus& haus) = 0;
};

} // namespace zeva
