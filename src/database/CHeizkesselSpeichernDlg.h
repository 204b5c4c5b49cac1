#pragma once
// "Heizkessel in Datenbank speichern": stores the boiler of the heating page
// as the user's own boiler ([Kategorie] 0) in the existing-components data
// base. The page copies its heating record into m_Bauteil; nothing goes
// back. "fest" stores the three losses and no efficiency, "gleitend" the
// annual efficiency and no losses; both groups keep what was typed. The
// fuel list holds all eight fuel codes; "Über&nehmen" waits for a fuel.
#include "database/CDatenbankDialog.h"
#include "model/DHeizung.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zeva {

class DBODBCHeizkesselSet;

class CHeizkesselSpeichernDlg final : public CDatenbankDialog {
public:
    explicit CHeizkesselSpeichernDlg(QWidget* parent = nullptr);
    explicit CHeizkesselSpeichernDlg(const DHeizung& heizung, QWidget* parent = nullptr);
    ~CHeizkesselSpeichernDlg() override;

    // The fuel names in code order (the heating record's codes 0 to 7).
    static QStringList Brennstoffe();

    // In: the page's boiler.
    DHeizung m_Bauteil;

    bool Gespeichert() const { return m_gespeichert; }

    // The dialog data; losses and efficiency in per cent.
    short m_nBaujahrAb = 1000;
    short m_nBaujahrBis = 2100;
    double m_Kesselnutzungsgrad = 0;
    double m_Kesselleistung = 0; // kW
    std::string m_Langtext;
    std::string m_Name;
    double m_Abgasverlust = 0;
    double m_Bereitschaftsverlust = 0;
    double m_Strahlungsverlust = 0;
    std::string m_strBitmappfad;
    int m_bFest = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;

private:
    void ZeigeKennwertGruppe();

    std::unique_ptr<DBODBCHeizkesselSet> m_pHeizkesselSet;
    bool m_gespeichert = false;

    QComboBox* m_BrennstoffListe;
    QRadioButton* m_Fest;
    QRadioButton* m_Gleitend;
    QLineEdit* m_Leistung;
    QLineEdit* m_Abgas;
    QLineEdit* m_Strahlung;
    QLineEdit* m_Bereitschaft;
    QLineEdit* m_Nutzungsgrad;
    QLineEdit* m_BaujahrAb;
    QLineEdit* m_BaujahrBis;
    QPlainTextEdit* m_LangtextEdit;
    QLineEdit* m_NameEdit;
    QLineEdit* m_BitmappfadEdit;
    QList<QWidget*> m_verlustGruppe;
    QList<QWidget*> m_nutzungsgradGruppe;
    QPushButton* m_UebernehmenButton;
};

} // namespace zeva
