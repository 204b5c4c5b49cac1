#pragma once
// The single-component pages of the guided input's steps 2 to 7: Wand_einzel,
// Fenster_einzel, Steildach_einzel, Flachdach_einzel, Decke_einzel and
// Boden_einzel. Each edits one of the house's default component records in
// place (name, comment, for walls, ceilings and floors what the component
// borders); the build-up and U-value come from the existing-components data
// base ("Aus &DB..."), the details dialog ("De&tails...") or go into the data
// base ("&Nach DB..."). A page whose record has no name yet takes the kind's
// default type from the data base when it opens, without showing the dialog.
//
// The six pages are one design driven by the table of the pages
// (Einzelseitenart): caption, ids, texts, exchange order and the few rules of
// single kinds (the window's own fields, the floor's basement rule).
#include "input/CSchrittseite.h"
#include "model/DBoden.h"
#include "model/DDecke.h"
#include "model/DFenster.h"
#include "model/DFlachdach.h"
#include "model/DSteildach.h"
#include "model/DWand.h"

#include <string>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zeva {

// What tells the six pages apart.
struct Einzelseitenart {
    // The order in which the exchange takes the fields (the first refused
    // field's prompt is the one shown).
    enum class Reihenfolge { FlaecheNameKommentar, KommentarFlaecheName, NameFlaecheKommentar };

    const char* titel;
    bool titelSetzen;      // the initialisation sets the caption (not the window page)
    int gegenId;           // border-kind list; 0: none
    const char* gegenText; // head of the border-kind column
    bool deckenliste;      // the ceiling's border kinds ("beheizt", "unbeheizt + 2°C" …)
    int detailsId;
    int weiterId, zurueckId;
    const char* zurueckText;
    int vorherId, istId, nachId;
    int nameId;
    int nummer; // Nummer the page writes
    Reihenfolge reihenfolge;
    bool nachDB;  // "&Nach DB..." works (not for windows)
    bool fenster; // the window's frame-share and orientation columns
};

class CEinzelSeite : public CSchrittseite {
public:
    static constexpr const char* TextUnzulaessig =
        "Die Eingabe ist nicht zulässig.\nPrüfen Sie bitte die Eingabedaten.\nLeereingaben können nicht "
        "verarbeitet werden.";
    static constexpr int MaxName = 30;
    static constexpr int MaxKommentar = 255;

    // The border kinds of walls and floors, and of ceilings.
    static QStringList Angrenzungen();
    static QStringList Deckenangrenzungen();

    const Einzelseitenart& Art() const { return m_art; }

    // The fields into the record; false (the prompt shown) when the exchange
    // refuses a field, and nothing is written then.
    bool UebernehmeSeite();
    // The record into the fields.
    void ZeigeSeite();

protected:
    explicit CEinzelSeite(CMainFrame& rahmen, const Einzelseitenart& art);

    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;

    // The kind's record: what the page shows and writes of it.
    virtual void WaehleBauteil() = 0; // points the page at the house's record
    virtual void LiesBauteil() = 0;   // record → members
    virtual void SchreibeBauteil() = 0;
    // The border kind alone (m_nZone), as the list writes it at once.
    virtual void SchreibeZone() {}
    // Every write into the house's record goes through here: a record that
    // came out different marks the project modified, whichever button or
    // list wrote it.
    template <class T, class F>
    void Aendere(T& bauteil, F&& schreibe)
    {
        const T vorher = bauteil;
        schreibe(bauteil);
        if (!(bauteil == vorher))
            MarkiereGeaendert();
    }
    void MarkiereGeaendert();
    virtual bool NameLeer() const = 0; // the initialisation takes the default type
    virtual bool PruefeEingabe() const = 0;
    virtual void OnAusDB() = 0;
    virtual void OnNachDB() = 0;
    virtual void OnDetails() = 0;
    // The window page adds its frame-share field to the exchange.
    virtual void TauscheZusatzfelder(DatenAustausch&) {}

    QPushButton* AusDBKnopf() const { return m_AusDB; }
    // The window page's frame share (per cent); nullptr on the other pages.
    QLineEdit* RahmenanteilFeld() const { return m_RahmenanteilEdit; }

    // The page's members.
    std::string m_strName;
    double m_dFlaeche = 0;
    std::string m_strKommentar;
    int m_nZone = -1; // border-kind list entry (−1: none)
    bool m_bAutoDB = false;

private:
    void OnWeiter();
    void OnZurueck();
    void OnSelchangeGegen(int index);
    // Adds a column (head, field) to the row of fields.
    void FuegeSpalteHinzu(const QString& kopf, QWidget* feld, int streckung = 0);

    Einzelseitenart m_art;
    QLineEdit* m_NameEdit;
    QLineEdit* m_FlaecheEdit;
    QPlainTextEdit* m_KommentarEdit;
    QComboBox* m_GegenCombo = nullptr;
    QLabel* m_GegenText = nullptr;
    QLineEdit* m_RahmenanteilEdit = nullptr;
    QGridLayout* m_Felder;
    QPushButton* m_AusDB;
    QPushButton* m_NachDB;
    QPushButton* m_Details;
    int m_nSpalten = 0;
};

// The page of an opaque kind T.
template <class T>
class COpakEinzelSeite final : public CEinzelSeite {
public:
    explicit COpakEinzelSeite(CMainFrame& rahmen);

    // The house's default record of the kind, set on every initialisation.
    T* Bauteil() const { return m_pBauteil; }

    // After a take-over from the data base: a build-up without an air layer
    // cannot be renovated by a cavity fill.
    static void PruefeLuftschicht(T& bauteil);

protected:
    void WaehleBauteil() override;
    void LiesBauteil() override;
    void SchreibeBauteil() override;
    void SchreibeZone() override;
    bool NameLeer() const override { return m_pBauteil->Name.empty(); }
    bool PruefeEingabe() const override;
    void OnAusDB() override;
    void OnNachDB() override;
    void OnDetails() override;
    bool event(QEvent* ereignis) override;

private:
    T* m_pBauteil = nullptr;
};

using Wand_einzel = COpakEinzelSeite<DWand>;
using Steildach_einzel = COpakEinzelSeite<DSteildach>;
using Flachdach_einzel = COpakEinzelSeite<DFlachdach>;
using Decke_einzel = COpakEinzelSeite<DDecke>;
using Boden_einzel = COpakEinzelSeite<DBoden>;

// The window page: the glazing name for the name, the frame share in per
// cent, an orientation field that stays empty; no border kind, and windows
// are not stored into the data base.
class Fenster_einzel final : public CEinzelSeite {
public:
    explicit Fenster_einzel(CMainFrame& rahmen);

    DFenster* Bauteil() const { return m_pBauteil; }

protected:
    void WaehleBauteil() override;
    void LiesBauteil() override;
    void SchreibeBauteil() override;
    bool NameLeer() const override { return m_pBauteil->NameGlas.empty(); }
    bool PruefeEingabe() const override;
    void OnAusDB() override;
    void OnNachDB() override {}
    void OnDetails() override;
    void TauscheZusatzfelder(DatenAustausch& dx) override;

private:
    DFenster* m_pBauteil = nullptr;
    double m_dRahmenanteil = 0; // per cent
};

extern template class COpakEinzelSeite<DWand>;
extern template class COpakEinzelSeite<DSteildach>;
extern template class COpakEinzelSeite<DFlachdach>;
extern template class COpakEinzelSeite<DDecke>;
extern template class COpakEinzelSeite<DBoden>;

} // namespace zeva
