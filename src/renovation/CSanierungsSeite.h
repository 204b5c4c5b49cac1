#pragma once
// A tab page of the renovation-variant dialog. Tabs 0 to 6 are the groups of
// Sanierungsgruppe (flat roof, pitched roof, ceiling, wall, floor, window,
// heating), tab 7 the calculation. Every page works on the dialog's working
// copy of the house and on the variant the dialog edits now; it reads both
// from the dialog at every use (Arbeitshaus(), Variante()), so that a dialog
// that moves down with its variant needs to tell its pages nothing.
//
// The dialog shows and enables the pages as tabs are chosen, calls
// Aktualisiere on the page it shows, runs the checks (PruefeSeite in tab
// order, UebernehmeHeizung on the heating page before it is left and before
// OK) and the handlers of "Aus &DB..." and "&Nach DB...". A page that wants
// those two buttons re-judged calls the dialog's AktualisiereDBKnoepfe.
#include "platform/DatenAustausch.h"

#include <QWidget>

namespace zeva {

class CMainFrame;
class Haus;

// What the pages ask of their dialog. The dialog implements it, so a page
// needs to know no more of the dialog than this.
class Seitenbesitzer {
public:
    // The working copy of the house and the variant edited now.
    virtual Haus& Arbeitshaus() = 0;
    virtual int Variante() const = 0;
    virtual CMainFrame& Rahmen() const = 0;
    // "Aus &DB..." and "&Nach DB..." after the current page.
    virtual void AktualisiereDBKnoepfe() = 0;

protected:
    ~Seitenbesitzer() = default;
};

class CSanierungsSeite : public QWidget {
public:
    explicit CSanierungsSeite(Seitenbesitzer& besitzer);

    Seitenbesitzer& Besitzer() const { return m_besitzer; }

    // Once, after the dialog made its working copy.
    virtual void Initialisiere() {}
    // The page is being shown: it re-reads the working copy.
    virtual void Aktualisiere() {}
    // Whether "Aus &DB..." may be used now (tabs 0 to 5: for the current
    // component; the heating page: while a central heating is chosen).
    virtual bool HatAuswahl() const { return false; }
    // The page's inputs may be taken; may ask the user (No: false).
    virtual bool PruefeSeite() { return true; }
    // The heating page takes its fields into its heating record of the
    // working copy; false when a field is refused. The others pass.
    virtual bool UebernehmeHeizung() { return true; }
    // The dialog's buttons "Aus &DB..." and "&Nach DB...".
    virtual void OnAusDB() {}
    virtual void OnNachDB() {}

    // Runs the page's data exchange; false when a field was refused.
    bool UpdateData(bool speichern);

protected:
    virtual void DoDataExchange(DatenAustausch&) {}
    Haus& Arbeitshaus() const;
    int Variante() const;

private:
    Seitenbesitzer& m_besitzer;
};

// A tab whose page another part of the program brings: it shows nothing and
// passes every check.
class CLeereSanierungsSeite final : public CSanierungsSeite {
public:
    using CSanierungsSeite::CSanierungsSeite;
};

} // namespace zeva
