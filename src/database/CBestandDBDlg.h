#pragma once
// The browse dialogs of the existing construction types, one per opaque
// component kind: CBodenBestandDBDlg, CDeckeBestandDBDlg,
// CFlachdachBestandDBDlg, CSteildachBestandDBDlg and CWandBestandDBDlg.
//
// The dialog lists the names of the kind's types, all of them or (with the
// year filter) those typical for a year, shows the U-value of the chosen one
// and on "Über&nehmen" copies its name, description, thickness, U-value,
// layer flag and build-up (a flat roof also its roof kind) into m_Bauteil;
// every other member stays as the caller copied it in. The caller copies
// m_Bauteil back only when the dialog ends Accepted. The user's own types
// ([Kategorie] 0) can be deleted here, with their layers.
//
// The five kinds are one design, driven by the kind (Bauteilart): caption,
// tables, default type and the word of the delete question.
#include "database/Bauteilart.h"
#include "database/BestandZeilen.h"
#include "database/CDatenbankDialog.h"
#include "model/DBoden.h"
#include "model/DDecke.h"
#include "model/DFlachdach.h"
#include "model/DSteildach.h"
#include "model/DWand.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace zeva {

class DBODBCBauteiltypSet;

class CBestandDBDlg : public CDatenbankDialog {
public:
    ~CBestandDBDlg() override;

    // Set by the caller: take the preselected type while opening, without
    // showing the dialog (Accepted), or end Rejected when there is none.
    bool m_bSofortUebernehmen = false;

    Bauteilart Art() const { return m_art; }
    // "Bestandsdatenbank Wand" and its twins.
    static QString Titel(Bauteilart art);
    // The type preselected with the year filter off, matched by its beginning.
    static QString Vorgabe(Bauteilart art);

protected:
    CBestandDBDlg(Bauteilart art, int hausBaujahr, QWidget* parent);

    // Copies the taken type and its layers (innermost first) into the record.
    virtual void Uebernimm(const BauteiltypZeile& typ, const std::vector<SchichtaufbauZeile>& schichten) = 0;

    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    void FuelleListe() override;
    bool SofortUebernehmen() const override { return m_bSofortUebernehmen; }

private:
    void ZeigeAuswahl();
    void OnLoeschen();
    // Reads the shown type's layers and hands both to Uebernimm; false when
    // there is no type or its layers cannot be read (reported).
    bool UebernehmeAuswahl(bool& lesefehler);

    Bauteilart m_art;
    int m_hausBaujahr;
    std::unique_ptr<DBODBCBauteiltypSet> m_pBauteilSet;
    bool m_gefunden = false;

    QComboBox* m_BezeichnungCombo;
    QLabel* m_UWertText;
    QPushButton* m_UebernehmenButton;
    QPushButton* m_LoeschenButton;
};

template <class T>
struct BauteilartVon;
template <>
struct BauteilartVon<DBoden> {
    static constexpr Bauteilart art = Bauteilart::Boden;
};
template <>
struct BauteilartVon<DDecke> {
    static constexpr Bauteilart art = Bauteilart::Decke;
};
template <>
struct BauteilartVon<DFlachdach> {
    static constexpr Bauteilart art = Bauteilart::Flachdach;
};
template <>
struct BauteilartVon<DSteildach> {
    static constexpr Bauteilart art = Bauteilart::Steildach;
};
template <>
struct BauteilartVon<DWand> {
    static constexpr Bauteilart art = Bauteilart::Wand;
};

// The dialog of the record class T, which it holds in m_Bauteil.
template <class T>
class CBauteilBestandDBDlg final : public CBestandDBDlg {
public:
    // hausBaujahr: the house's year of construction, the year filter's preset.
    explicit CBauteilBestandDBDlg(int hausBaujahr, QWidget* parent = nullptr)
        : CBestandDBDlg(BauteilartVon<T>::art, hausBaujahr, parent)
    {
    }

    // In: the caller's copy of the record; out (Accepted): the same record
    // with the taken type.
    T m_Bauteil;

protected:
    void Uebernimm(const BauteiltypZeile& typ, const std::vector<SchichtaufbauZeile>& schichten) override
    {
        m_Bauteil.Name = typ.Name;
        m_Bauteil.Langtext = typ.Langtext;
        m_Bauteil.Dicke = typ.Dicke;
        m_Bauteil.kWert = typ.kWert;
        // The layer flag follows the type's count; the rows that exist are
        // taken whatever it says.
        m_Bauteil.Schicht = typ.Schichtzahl > 0 ? 1 : 0;
        if constexpr (T::HatWarmdach)
            m_Bauteil.Warmdach = typ.Warmdach != 0 ? 1 : 0;
        m_Bauteil.m_Schichtaufbau.RemoveAll();
        for (const auto& zeile : schichten) {
            DSchicht schicht;
            schicht.Name = zeile.Name;
            schicht.Dicke = zeile.Dicke;
            schicht.Lambda = zeile.Lambda;
            schicht.Mu = zeile.Mu;
            schicht.Langtext = zeile.Langtext;
            m_Bauteil.m_Schichtaufbau.Add(schicht);
        }
    }
};

using CBodenBestandDBDlg = CBauteilBestandDBDlg<DBoden>;
using CDeckeBestandDBDlg = CBauteilBestandDBDlg<DDecke>;
using CFlachdachBestandDBDlg = CBauteilBestandDBDlg<DFlachdach>;
using CSteildachBestandDBDlg = CBauteilBestandDBDlg<DSteildach>;
using CWandBestandDBDlg = CBauteilBestandDBDlg<DWand>;

} // namespace zeva
