#pragma once
// The measure pages of the five opaque groups (tabs 0 to 4 of the variant
// dialog): CFlachdachSanDlg, CSteildachSanDlg, CDeckeSanDlg, CWandSanDlg and
// CBodenSanDlg. One design: a list of the group's components with their
// measure in the variant, the fields of the current component's measure,
// "Löschen" and, on flat roof, pitched roof and wall, "Glaser-Diagramm".
//
// The page never writes its fields into a measure: measures change through
// "Aus &DB..." (a row of the group's browse dialog for the selected
// components) and "Löschen" only. "&Nach DB..." stores the fields as a
// measure of the user's own in the renovation-measure data base.
#include "database/CSanierungDBDlg.h"
#include "model/Haus.h"
#include "platform/DatenAustausch.h"
#include "renovation/CSanierungsSeite.h"
#include "renovation/ManuelleSanierung.h"
#include "results/CGlaser.h"

#include <functional>
#include <memory>
#include <string>

class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace zeva {

class SqlDatabase;
class SqlRecordset;

// What sets the five pages apart.
struct OpakeSeitenArt {
    SanGruppe gruppe;
    const char* wort;         // "Wand": for the question of the air layers
    const char* ueberschrift; // "Sanierungsmaßnahme für Wand Nr. "
    const char* keineAuswahl; // "Bitte die zu sanierenden Wände bestimmen!"
    bool glaser;              // Glaser check, record pair, " ##" mark
    bool wand;                // multi-selection caption, air-layer check, only the chosen use's flag
};

class COpakSanDlg : public CSanierungsSeite {
public:
    // The Glaser diagram of a page's check, shown modally over the parent.
    using GlaserAnzeige = std::function<void(CGlaser&, QWidget*)>;
    static void SetzeGlaserAnzeige(GlaserAnzeige anzeige);

    static constexpr const char* TitelOops = "Oops...";

    const OpakeSeitenArt& Art() const { return m_art; }

    void Initialisiere() override;
    void Aktualisiere() override;
    bool HatAuswahl() const override;
    bool PruefeSeite() override;
    void OnAusDB() override;
    void OnNachDB() override;
    void OnLoeschen();
    void OnGlaser();

    // The Glaser result of component i with its measure v (0: none, or no
    // check on this page).
    virtual double BerechneTauwasser(int i, int v) = 0;
    const CGlaser& Glaser() const { return m_Glaser; }

    // Shows measure n of the current component in the fields.
    void ZeigeMassnahme();
    int Aktuell() const { return m_nAktuell; }
    int Browseindex() const { return m_nBrowse; }

    // The fields (as the data exchange last read or wrote them).
    std::string m_Bezeichnung;
    double m_UWert = 0;
    double m_Dicke = 0; // cm
    double m_Mu = 0;
    double m_Flaechenpreis = 0;
    double m_Lebensdauer = 0;
    int m_nVerwendungsort = -1;


protected:
    COpakSanDlg(Seitenbesitzer& besitzer, const OpakeSeitenArt& art);

    struct BauteilDaten {
        std::string kurzname;
        std::string name;
        double flaeche = 0;
        std::int32_t schicht = 0;
        std::int32_t sanbarInnen = 0;
        std::int32_t sanbarZwischen = 0;
        std::int32_t sanbarAussen = 0;
        const CDSchichtArray* schichten = nullptr;
    };
    virtual int Anzahl() const = 0;
    virtual BauteilDaten Daten(int i) const = 0;
    // Measure v of component i of the working copy, or null.
    virtual DSBauteilOpaque* Massnahme(int i, int v) = 0;

    CGlaser m_Glaser;

private:
    void DoDataExchange(DatenAustausch& dx) override;
    void ZeigeZeile(int i);
    void OnListeGeaendert();
    void SetzeFelderAktiv(bool aktiv);
    static bool HatSanbar(const BauteilDaten& d)
    {
        return d.sanbarInnen != 0 || d.sanbarZwischen != 0 || d.sanbarAussen != 0;
    }

    OpakeSeitenArt m_art;
    int m_nAktuell = 0;
    int m_nBrowse = -1;

    QTreeWidget* m_Liste = nullptr;
    QGroupBox* m_Gruppe = nullptr;
    QLineEdit* m_BezeichnungEdit = nullptr;
    QLineEdit* m_UWertEdit = nullptr;
    QLineEdit* m_DickeEdit = nullptr;
    QLineEdit* m_MuEdit = nullptr;
    QLineEdit* m_FlaechenpreisEdit = nullptr;
    QLineEdit* m_LebensdauerEdit = nullptr;
    QRadioButton* m_Innen = nullptr;
    QRadioButton* m_Aussen = nullptr;
    QRadioButton* m_Zwischen = nullptr;
    QPushButton* m_GlaserButton = nullptr;
    QPushButton* m_LoeschenButton = nullptr;
};

// The page of one group, on the group's array of the working copy.
template <class T>
class COpakSanSeite : public COpakSanDlg {
public:
    double BerechneTauwasser(int i, int v) override
    {
        if (!Art().glaser || i < 0 || i >= Anzahl())
            return 0;
        T bauteil = Gruppe()[static_cast<std::size_t>(i)];
        const DSBauteilOpaque* m = MassnahmeSlot(bauteil, v);
        m_Paar.SetzeBauteil(bauteil);
        m_Glaser.SetzeSchichtquelle(&m_Paar);
        m_Glaser.LeseSchichttext(m != nullptr ? m->Schichten : std::string());
        return m_Glaser.Berechne() ? m_Glaser.Ergebnis() : 0;
    }

protected:
    COpakSanSeite(Seitenbesitzer& besitzer, const OpakeSeitenArt& art) : COpakSanDlg(besitzer, art) {}

    auto& Gruppe() const
    {
        Haus& h = Arbeitshaus();
        if constexpr (std::is_same_v<T, DFlachdach>)
            return h.m_aFlachdach;
        else if constexpr (std::is_same_v<T, DSteildach>)
            return h.m_aSteildach;
        else if constexpr (std::is_same_v<T, DDecke>)
            return h.m_aDecke;
        else if constexpr (std::is_same_v<T, DWand>)
            return h.m_aWand;
        else
            return h.m_aBoden;
    }

    int Anzahl() const override { return static_cast<int>(Gruppe().size()); }

    BauteilDaten Daten(int i) const override
    {
        const T& b = Gruppe()[static_cast<std::size_t>(i)];
        return BauteilDaten{b.Kurzname.str(), b.Name,          b.Flaeche,          b.Schicht,
                            b.SanbarInnen,    b.SanbarZwischen, b.SanbarAussen,     &b.m_Schichtaufbau};
    }

    DSBauteilOpaque* Massnahme(int i, int v) override
    {
        if (i < 0 || i >= Anzahl())
            return nullptr;
        return MassnahmeSlot(Gruppe()[static_cast<std::size_t>(i)], v);
    }

private:
    CSanPaar<T> m_Paar;
};

class CFlachdachSanDlg final : public COpakSanSeite<DFlachdach> {
public:
    explicit CFlachdachSanDlg(Seitenbesitzer& besitzer);
};

class CSteildachSanDlg final : public COpakSanSeite<DSteildach> {
public:
    explicit CSteildachSanDlg(Seitenbesitzer& besitzer);
};

class CDeckeSanDlg final : public COpakSanSeite<DDecke> {
public:
    explicit CDeckeSanDlg(Seitenbesitzer& besitzer);
};

class CWandSanDlg final : public COpakSanSeite<DWand> {
public:
    explicit CWandSanDlg(Seitenbesitzer& besitzer);
};

class CBodenSanDlg final : public COpakSanSeite<DBoden> {
public:
    explicit CBodenSanDlg(Seitenbesitzer& besitzer);
};

// "&Nach DB...": appends one row to a table of the renovation-measure data
// base on a connection of its own. `erzeuge` makes the table's set, `setze`
// sets the columns of the new row; the key column gets the highest key + 1.
// Every failure is reported to the user; true when the row was stored.
bool SchreibeEigeneMassnahme(QWidget* eltern, const std::function<std::unique_ptr<SqlRecordset>(SqlDatabase*)>& erzeuge,
                             const std::string& schluessel, const std::function<void(SqlRecordset&)>& setze);

} // namespace zeva
