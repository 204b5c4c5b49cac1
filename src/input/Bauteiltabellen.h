#pragma once
// The component tables "Eingabe Boden", "Eingabe Decke", "Eingabe
// Flachdach", "Eingabe Steildach" and "Eingabe Wand": all components of one
// kind on the carrying surface picked in the 3D view, five rows per page (row
// 1 the surface's own record, further rows part areas on it). For each row
// the user edits name and area (floors, ceilings and walls also what the
// component borders on) and reaches the details dialog, the data base and
// the window table of that row. They work on copies and write the carrier's
// records and windows back into the house on OK.
//
// The five are one design driven by the record class; the rows live in a
// Bauteiltabelle, the dialog only shows, asks and calls it.
#include "input/Bauteiltabelle.h"
#include "input/DetailsEmpfaenger.h"
#include "input/Tabellendialog.h"

#include <array>
#include <memory>
#include <span>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zeva {

template <class T>
class CBauteilDetailsDlg;

class CBauteiltabelleDlg : public CTabellenDialog {
public:
    static constexpr int MaxNamenlaenge = 30;

protected:
    // wort: "Boden" …; grenzarten: the border list (empty: none).
    CBauteiltabelleDlg(const Tabellenumgebung& umgebung, const char* wort, std::span<const char* const> grenzarten,
                       QWidget* parent);

    void DoDataExchange(DatenAustausch& dx) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

    // The handlers of the kind (not pure, as those of the base).
    virtual void OnZeile(int) {}
    virtual void OnGrenze(int, int) {} // line, list index
    virtual void OnDetails(int) {}
    virtual void OnFenster() {}

    QString Wort() const { return m_wort; }

    struct Felder {
        QRadioButton* radio = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* flaeche = nullptr;
        QComboBox* grenze = nullptr; // null without a border list
        QPushButton* details = nullptr;
    };
    std::array<Felder, ZeilenProSeite> m_Felder;
    std::array<double, ZeilenProSeite> m_dFlaeche{};
    std::array<std::string, ZeilenProSeite> m_strName;
    QLabel* m_GegenText = nullptr;
    QPushButton* m_FensterButton;

private:
    QString m_wort;
};

template <class T>
class CBauteiltabelle final : public CBauteiltabelleDlg, public DetailsEmpfaenger<T> {
public:
    using Art = Bauteiltabellenart<T>;

    // Takes the rows of the house's carrier AktuelleTraegerID.
    CBauteiltabelle(const Tabellenumgebung& umgebung, QWidget* parent);
    ~CBauteiltabelle() override;

    // False when the carrier has no record of its own: the dialog is not to
    // be shown.
    bool Oeffnet() const { return m_offen; }

    void DetailsUebernehmen(const T& bauteil) override;
    void DetailsGeschlossen() override;

    const Bauteiltabelle<T>& Tabelle() const { return m_tabelle; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnZeile(int k) override;
    void OnGrenze(int k, int index) override;
    void OnBlaettern(int richtung) override;
    void OnLoeschen() override;
    void OnAusDB() override;
    void OnNachDB() override;
    void OnDetails(int k) override;
    void OnFenster() override;

private:
    void ZeigeSeite();
    bool UebernehmeSeite();
    void AktualisiereSteuerung();

    Bauteiltabelle<T> m_tabelle;
    bool m_offen = false;
    QString m_titel;
    std::unique_ptr<CBauteilDetailsDlg<T>> m_pDetails;
};

using Boden = CBauteiltabelle<DBoden>;
using Decke = CBauteiltabelle<DDecke>;
using Flachdach = CBauteiltabelle<DFlachdach>;
using Steildach = CBauteiltabelle<DSteildach>;
using Wand = CBauteiltabelle<DWand>;

extern template class CBauteiltabelle<DBoden>;
extern template class CBauteiltabelle<DDecke>;
extern template class CBauteiltabelle<DFlachdach>;
extern template class CBauteiltabelle<DSteildach>;
extern template class CBauteiltabelle<DWand>;

} // namespace zeva
