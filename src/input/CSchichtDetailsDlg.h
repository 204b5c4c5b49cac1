#pragma once
// The details dialogs of the opaque components: CBodenDetailsDlg,
// CDeckeDetailsDlg, CFlachdachDetailsDlg, CSteildachDetailsDlg and
// CWandDetailsDlg. The user edits one component's designation, its U-value
// and thickness (typed, or computed live from a layer build-up of up to 100
// layers shown five at a time, layer 1 inside), its renovation flags and, for
// a flat roof, warm or cold roof.
//
// The five kinds are one dialog driven by the kind (DetailsArt): caption,
// text of the number label, the direction of heat flow through air layers,
// the range of µ, the flat roof's extra controls and the floor's basement
// rule for "A&ußenseite".
//
// Opening: construct, copy the record into m_Bauteil, set EinzelModus (0
// from a table row, with the table as receiver; 1 from a wizard page), run
// exec(). With EinzelModus 0 OK hands the record to the receiver and both OK
// and cancel report the end to it; with 1 the page copies m_Bauteil back
// after Accepted.
#include "database/Bauteilart.h"
#include "input/DetailsEmpfaenger.h"
#include "model/DBoden.h"
#include "model/DDecke.h"
#include "model/DFlachdach.h"
#include "model/DSteildach.h"
#include "model/DWand.h"
#include "ui/DatenDialog.h"

#include <array>
#include <string>
#include <type_traits>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zeva {

class Seitenknoepfe;

class CSchichtDetailsDlg : public DatenDialog {
public:
    static constexpr int ZeilenProSeite = 5;
    static constexpr int MaxZeilen = 100;
    // The surface resistances and the rear ventilation are those of the
    // shared build-up rule.

    // The members of the record that the dialog edits, for every kind.
    struct Werte {
        int Nummer = 0;
        std::string Kurzname;
        std::string Name;
        double Dicke = 0; // m
        double kWert = 0;
        int Schicht = 0;
        int SanbarInnen = 0, SanbarZwischen = 0, SanbarAussen = 0;
        int SanMussInnen = 0, SanMussAussen = 0;
        double SowiesoInnen = 0, SowiesoAussen = 0;
        int GesamteFassadeBetrachten = 0;
        int Warmdach = 1; // flat roofs only
    };

    // 0: opened from a table row (reports to the receiver); 1: from a wizard
    // page. Set by the opener before exec().
    int EinzelModus = 0;

    Bauteilart Art() const { return m_art; }
    // "Details Boden" and its twins.
    static QString Titel(Bauteilart art);

protected:
    // kellerSperrtAussen: the floor's "A&ußenseite" stays as the record has it
    // (heated basement, or one lower than 1 m).
    CSchichtDetailsDlg(Bauteilart art, bool kellerSperrtAussen, QWidget* parent);

    virtual Werte LiesBauteil() const = 0;
    virtual void SchreibeBauteil(const Werte& w) = 0;
    virtual CDSchichtArray& Schichten() = 0;
    virtual void MeldeUebernahme() = 0;
    virtual void MeldeSchluss() = 0;

    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Zeile {
        std::string name;
        double lambda = 0;
        double dicke = 0; // cm
        double mu = 0;
    };
    struct ZeilenFelder {
        QRadioButton* radio = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* lambda = nullptr;
        QLineEdit* dicke = nullptr;
        QLineEdit* mu = nullptr;
        QLabel* r = nullptr;
    };

    void BaueOberflaeche();
    QGridLayout* BaueKopf();
    QGroupBox* BaueSchichtaufbau();
    void BaueSchichtzeile(QGroupBox* schichten, QGridLayout* tabelle, int k);
    QGroupBox* BaueSanierung();
    void VerbindeKnoepfe();
    void ZeigeSchichtseite();
    bool TauscheSchichtseite(bool speichern);
    void AktualisiereUWert();
    void AktualisiereFreigaben();
    bool PruefeSchichten();
    void OnSchichtaufbau();
    void Blaettere(void (CSchichtDetailsDlg::*schritt)());
    void Anfang();
    void Hoch();
    void Runter();
    void Ende();
    void OnZeile(int k);
    void OnLoeschen();
    void OnAusDB();
    void OnNachDB();
    void OnFeldGeaendert();
    bool IstFlachdach() const { return m_art == Bauteilart::Flachdach; }
    // A layer named "Luftschicht" anywhere: the page rows as typed, the rest
    // from the list.
    bool HatLuftschicht();

    Bauteilart m_art;
    bool m_kellerSperrtAussen;
    bool m_fuelltFelder = false;

    int m_bSchichtaufbau = 0;
    double m_dUWert = 0;
    double m_dDicke = 0; // cm
    std::string m_strName;
    int m_bSanbarInnen = 0, m_bSanbarZwischen = 0, m_bSanbarAussen = 0;
    int m_bSanMussInnen = 0, m_bSanMussAussen = 0;
    int m_bGesamteFassadeBetrachten = 0;
    double m_dSowiesoInnen = 0, m_dSowiesoAussen = 0;
    int m_nDachart = 0; // 0 warm roof, 1 cold roof
    std::array<Zeile, ZeilenProSeite> m_Zeilen;
    int m_nErsteSchicht = 0;    // 0-based index of the layer in row 1
    int m_nSchichtzahl = 0;     // layers in the list, at least five
    int m_nAktuelleSchicht = 0; // 1-based selected layer, 0 for none

    QLabel* m_NummerText;
    QCheckBox* m_SchichtaufbauCheck;
    QLineEdit* m_UWertEdit;
    QLineEdit* m_DickeEdit;
    QLineEdit* m_NameEdit;
    QCheckBox* m_SanbarInnenCheck;
    QCheckBox* m_SanbarZwischenCheck;
    QCheckBox* m_SanbarAussenCheck;
    QCheckBox* m_SanMussInnenCheck;
    QCheckBox* m_SanMussAussenCheck;
    QLineEdit* m_SowiesoInnenEdit;
    QLineEdit* m_SowiesoAussenEdit;
    QCheckBox* m_GesamteFassadeCheck;
    QRadioButton* m_WarmdachRadio = nullptr;
    QRadioButton* m_KaltdachRadio = nullptr;
    std::array<ZeilenFelder, ZeilenProSeite> m_Felder;
    Seitenknoepfe* m_Seiten;
    QPushButton* m_AusDBButton;
    QPushButton* m_NachDBButton;
    QPushButton* m_LoeschenButton;
    QPushButton* m_AbbrechenButton;
};

// The dialog of the record class T, which it edits in m_Bauteil.
template <class T>
class CBauteilDetailsDlg final : public CSchichtDetailsDlg {
public:
    explicit CBauteilDetailsDlg(QWidget* parent = nullptr)
        requires(!std::is_same_v<T, DBoden>)
        : CSchichtDetailsDlg(ArtVon(), false, parent)
    {
    }
    // A floor needs the house's basement: "A&ußenseite" is fixed when the
    // basement is heated or lower than 1 m.
    CBauteilDetailsDlg(int kellerBeheizt, double kellerhoehe, QWidget* parent = nullptr)
        requires std::is_same_v<T, DBoden>
        : CSchichtDetailsDlg(ArtVon(), kellerBeheizt != 0 || kellerhoehe < 1.0, parent)
    {
    }

    // In: the opener's copy of the record; out (Accepted): the edited record.
    T m_Bauteil;

    // The table that opened the dialog for one of its rows (EinzelModus 0).
    void SetzeEmpfaenger(DetailsEmpfaenger<T>* empfaenger) { m_empfaenger = empfaenger; }

protected:
    Werte LiesBauteil() const override
    {
        Werte w;
        const T& b = m_Bauteil;
        w.Nummer = b.Nummer;
        w.Kurzname = b.Kurzname.str();
        w.Name = b.Name;
        w.Dicke = b.Dicke;
        w.kWert = b.kWert;
        w.Schicht = b.Schicht;
        w.SanbarInnen = b.SanbarInnen;
        w.SanbarZwischen = b.SanbarZwischen;
        w.SanbarAussen = b.SanbarAussen;
        w.SanMussInnen = b.SanMussInnen;
        w.SanMussAussen = b.SanMussAussen;
        w.SowiesoInnen = b.SowiesoInnen;
        w.SowiesoAussen = b.SowiesoAussen;
        w.GesamteFassadeBetrachten = b.GesamteFassadeBetrachten;
        if constexpr (T::HatWarmdach)
            w.Warmdach = b.Warmdach;
        return w;
    }
    void SchreibeBauteil(const Werte& w) override
    {
        T& b = m_Bauteil;
        b.Name = w.Name;
        b.Dicke = w.Dicke;
        b.kWert = w.kWert;
        b.Schicht = w.Schicht;
        b.SanbarInnen = w.SanbarInnen;
        b.SanbarZwischen = w.SanbarZwischen;
        b.SanbarAussen = w.SanbarAussen;
        b.SanMussInnen = w.SanMussInnen;
        b.SanMussAussen = w.SanMussAussen;
        b.SowiesoInnen = w.SowiesoInnen;
        b.SowiesoAussen = w.SowiesoAussen;
        b.GesamteFassadeBetrachten = w.GesamteFassadeBetrachten;
        if constexpr (T::HatWarmdach)
            b.Warmdach = w.Warmdach;
    }
    CDSchichtArray& Schichten() override { return m_Bauteil.m_Schichtaufbau; }
    void MeldeUebernahme() override
    {
        if (m_empfaenger != nullptr)
            m_empfaenger->DetailsUebernehmen(m_Bauteil);
    }
    void MeldeSchluss() override
    {
        if (m_empfaenger != nullptr)
            m_empfaenger->DetailsGeschlossen();
    }

private:
    static constexpr Bauteilart ArtVon()
    {
        if constexpr (std::is_same_v<T, DBoden>)
            return Bauteilart::Boden;
        else if constexpr (std::is_same_v<T, DDecke>)
            return Bauteilart::Decke;
        else if constexpr (std::is_same_v<T, DFlachdach>)
            return Bauteilart::Flachdach;
        else if constexpr (std::is_same_v<T, DSteildach>)
            return Bauteilart::Steildach;
        else
            return Bauteilart::Wand;
    }

    DetailsEmpfaenger<T>* m_empfaenger = nullptr;
};

using CBodenDetailsDlg = CBauteilDetailsDlg<DBoden>;
using CDeckeDetailsDlg = CBauteilDetailsDlg<DDecke>;
using CFlachdachDetailsDlg = CBauteilDetailsDlg<DFlachdach>;
using CSteildachDetailsDlg = CBauteilDetailsDlg<DSteildach>;
using CWandDetailsDlg = CBauteilDetailsDlg<DWand>;

} // namespace zeva
