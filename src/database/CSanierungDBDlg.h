#pragma once
// The browse dialogs of the opaque renovation measures, one per group:
// CBodenSanDBDlg, CDeckeSanDBDlg, CFlachdachSanDBDlg, CSteildachSanDBDlg and
// CWandSanDBDlg (the flat-roof dialog lists warm- and cold-roof measures
// together).
//
// The dialog lists every measure of its group's table by name, shows the
// chosen one's U-value, thickness, fixed price, price per m² and life, and
// deletes the user's own measures ([Kategorie] 0). On "Über&nehmen" it ends
// Accepted and its row (Zeile) and prices stay readable until it is
// destroyed. Whatever the end, GetAuswahl() is the list position to hand in
// as m_nAuswahl next time.
//
// The prices follow the row's place flags: inside or outside the additional
// and the anyway costs summed, a core fill the additional ones only, no flag
// 0 and 0; they are worked out afresh for every row shown.
#include "database/CSanierungsauswahlDlg.h"
#include "model/SanierungsZeile.h"

#include <memory>

namespace zeva {

enum class SanGruppe { Boden, Decke, Flachdach, Steildach, Wand };

class CSanierungDBDlg : public CSanierungsauswahlDlg {
public:
    ~CSanierungDBDlg() override;

    // "Sanierungsdatenbank Wand" and its twins.
    static QString Titel(SanGruppe gruppe);
    // The text of a failed read of the list.
    static QString Lesefehler();

    // Set by the caller: which uses its selected components allow and the
    // variant. The list holds every measure of the group all the same.
    int m_bZwischen = 0;
    int m_bAussen = 0;
    int m_bInnen = 0;
    int m_nVariante = 0;
    double m_Preisfix = 0;   // EUR
    double m_PreisProQm = 0; // EUR/m²

    SanZeileOpaque Zeile() const;
    SanGruppe Gruppe() const { return m_gruppe; }

protected:
    CSanierungDBDlg(SanGruppe gruppe, QWidget* parent);

    std::unique_ptr<SqlRecordset> ErzeugeSet(SqlDatabase& db) override;
    void SetzeFilter(SqlRecordset& set) override;
    void VergissZeile() override;
    std::vector<double> NimmZeile() override;
    Zeilenkopf Kopf() const override;

private:
    SanGruppe m_gruppe;
};

class CBodenSanDBDlg : public CSanierungDBDlg {
public:
    explicit CBodenSanDBDlg(QWidget* parent = nullptr) : CSanierungDBDlg(SanGruppe::Boden, parent) {}
};

class CDeckeSanDBDlg : public CSanierungDBDlg {
public:
    explicit CDeckeSanDBDlg(QWidget* parent = nullptr) : CSanierungDBDlg(SanGruppe::Decke, parent) {}
};

class CFlachdachSanDBDlg : public CSanierungDBDlg {
public:
    explicit CFlachdachSanDBDlg(QWidget* parent = nullptr) : CSanierungDBDlg(SanGruppe::Flachdach, parent) {}
    int m_bWarmdach = 0;
};

class CSteildachSanDBDlg : public CSanierungDBDlg {
public:
    explicit CSteildachSanDBDlg(QWidget* parent = nullptr) : CSanierungDBDlg(SanGruppe::Steildach, parent) {}
};

class CWandSanDBDlg : public CSanierungDBDlg {
public:
    explicit CWandSanDBDlg(QWidget* parent = nullptr) : CSanierungDBDlg(SanGruppe::Wand, parent) {}
};

// A new record set on the group's measure table (not yet opened).
std::unique_ptr<SqlRecordset> ErzeugeSanierungsSet(SanGruppe gruppe, SqlDatabase* db);
// The current row of such a set as a plain row.
SanZeileOpaque SanierungsZeile(SanGruppe gruppe, const SqlRecordset& set);

} // namespace zeva
