#pragma once
// Storing a build-up as the user's own construction type in the
// existing-components data base: CBodenSpeichernDlg, CDeckeSpeichernDlg,
// CFlachdachSpeichernDlg, CSteildachSpeichernDlg and CWandSpeichernDlg,
// one design driven by the kind.
//
// The caller copies its record into m_Bauteil (the dialog works on that copy
// and nothing goes back). The dialog shows name, description, thickness (cm)
// and U-value, the years in which the type was usual (1000 to 2100), a
// picture path and, for flat roofs, warm or cold roof. While "S&chichtaufbau
// benutzen" is ticked, thickness and U-value follow from the layers, which
// "&Schichten..." edits; otherwise the user types them. "Über&nehmen" stores
// one type with all its layers in one transaction ([Kategorie] 0, the key
// after the highest) and ends Accepted; a failed store leaves the dialog
// open with everything typed.
#include "database/Bauteilart.h"
#include "database/CBestandDBDlg.h"
#include "database/CDatenbankDialog.h"
#include "model/CObjektArray.h"
#include "model/DSchicht.h"

#include <memory>
#include <string>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zeva {

class DBODBCBauteiltypSet;

class CSpeichernDlg : public CDatenbankDialog {
public:
    static constexpr int MaxNamenslaenge = 30;

    ~CSpeichernDlg() override;

    Bauteilart Art() const { return m_art; }
    // "Wand in Datenbank speichern" and its twins.
    static QString Titel(Bauteilart art);
    // Whether "Über&nehmen" stored the type.
    bool Gespeichert() const { return m_gespeichert; }

    // The dialog data.
    short m_nBaujahrBis = 2100;
    short m_nBaujahrAb = 1000;
    double m_dDicke = 0; // cm
    double m_dUWert = 0; // W/(m²K)
    std::string m_strLangtext;
    std::string m_strName;
    int m_bSchichtaufbau = 0;
    int m_nDachart = -1; // flat roofs: 0 "&Warmdach", 1 "Kaltdach"
    std::string m_strBitmappfad;

protected:
    CSpeichernDlg(Bauteilart art, QWidget* parent);

    // What the dialog takes from the record when it opens.
    struct Vorlage {
        std::string name;
        std::string langtext;
        double dicke = 0; // m
        double kWert = 0;
        bool warmdach = true;
    };
    virtual Vorlage LeseBauteil() const = 0;
    // The record's layers, innermost first; the layer list edits them.
    virtual CObjektArray<DSchicht>& Schichtaufbau() = 0;

    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;

private:
    void BerechneSchichtUWert();
    void SetzeFreigaben();
    void OnSchichtaufbau();
    void OnSchichten();

    Bauteilart m_art;
    std::unique_ptr<DBODBCBauteiltypSet> m_pBauteilSet;
    bool m_gespeichert = false;

    QLineEdit* m_NameEdit;
    QLineEdit* m_DickeEdit;
    QLineEdit* m_UWertEdit;
    QLineEdit* m_BaujahrAbEdit;
    QLineEdit* m_BaujahrBisEdit;
    QCheckBox* m_SchichtaufbauKasten;
    QRadioButton* m_Warmdach = nullptr;
    QRadioButton* m_Kaltdach = nullptr;
    QPlainTextEdit* m_LangtextEdit;
    QLineEdit* m_BitmappfadEdit;
    QPushButton* m_SchichtenButton;
};

// The dialog of the record class T, which it holds in m_Bauteil.
template <class T>
class CBauteilSpeichernDlg final : public CSpeichernDlg {
public:
    explicit CBauteilSpeichernDlg(QWidget* parent = nullptr) : CSpeichernDlg(BauteilartVon<T>::art, parent) {}
    explicit CBauteilSpeichernDlg(const T& bauteil, QWidget* parent = nullptr)
        : CSpeichernDlg(BauteilartVon<T>::art, parent), m_Bauteil(bauteil)
    {
    }

    // The caller's copy of the record to be stored.
    T m_Bauteil;

protected:
    Vorlage LeseBauteil() const override
    {
        Vorlage v;
        v.name = m_Bauteil.Name;
        v.langtext = m_Bauteil.Langtext;
        v.dicke = m_Bauteil.Dicke;
        v.kWert = m_Bauteil.kWert;
        if constexpr (T::HatWarmdach)
            v.warmdach = m_Bauteil.Warmdach != 0;
        return v;
    }
    CObjektArray<DSchicht>& Schichtaufbau() override { return m_Bauteil.m_Schichtaufbau; }
};

using CBodenSpeichernDlg = CBauteilSpeichernDlg<DBoden>;
using CDeckeSpeichernDlg = CBauteilSpeichernDlg<DDecke>;
using CFlachdachSpeichernDlg = CBauteilSpeichernDlg<DFlachdach>;
using CSteildachSpeichernDlg = CBauteilSpeichernDlg<DSteildach>;
using CWandSpeichernDlg = CBauteilSpeichernDlg<DWand>;

} // namespace zeva
