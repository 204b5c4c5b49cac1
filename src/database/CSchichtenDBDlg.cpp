#include "database/CSchichtenDBDlg.h"

#include "database/DBODBCKategorieSet.h"
#include "database/DBODBCSchichtSet.h"
#include "database/Datenbankdateien.h"
#include "model/DSchicht.h"
#include "platform/Meldung.h"
#include "ui/SteuerelementId.h"

#include <QCollator>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zeva {

CSchichtenDBDlg::CSchichtenDBDlg(QWidget* parent) : CDatenbankDialog(parent)
{
    setWindowTitle(QStringLiteral("Schichten-Datenbank"));

    auto* links = new QVBoxLayout;
    auto* kategorie = new QLabel(QStringLiteral("&Kategorie"), this);
    // A choice, and closing the list without one, show the category afresh.
    m_KategorieCombo = Namensauswahl(this, 1104, [this] { Sicher([this] { FuelleSchichten(); }); });
    kategorie->setBuddy(m_KategorieCombo);
    auto* bezeichnung = new QLabel(QStringLiteral("&Bezeichnung"), this);
    m_BezeichnungCombo = Namensauswahl(this, 1106, [this] { Sicher([this] { ZeigeSchicht(); }); });
    bezeichnung->setBuddy(m_BezeichnungCombo);
    links->addWidget(kategorie);
    links->addWidget(m_KategorieCombo);
    links->addWidget(bezeichnung);
    links->addWidget(m_BezeichnungCombo);

    links->addWidget(Wertkasten(QStringLiteral("Lambda"), 1108, QStringLiteral("W/mK"), &m_LambdaText));
    links->addStretch();

    const Knopfspalte knoepfe = OrdneBrowseDialogAn(links, true, [this] { OnLoeschen(); });
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    connect(m_KategorieCombo, &QComboBox::activated, this, [this] { Sicher([this] { FuelleSchichten(); }); });
    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeSchicht(); }); });
}

CSchichtenDBDlg::~CSchichtenDBDlg() = default;

void CSchichtenDBDlg::UebernimmIn(DSchicht& schicht) const
{
    schicht.Name = m_auswahl.Name;
    schicht.Langtext = m_auswahl.Langtext;
    schicht.Lambda = m_auswahl.Lambda;
    schicht.Mu = m_auswahl.Mu;
}

bool CSchichtenDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pSchichtSet = std::make_unique<DBODBCSchichtSet>(&Datenbank());
    m_pKategorieSet = std::make_unique<DBODBCKategorieSet>(&Datenbank());
    const auto datei = Bestandsdatenbankdatei();
    try {
        OeffneMitSets(datei, {m_pKategorieSet.get(), m_pSchichtSet.get()});
    } catch (const std::exception&) {
        Meldung::Hinweis(QStringLiteral("Fehler beim Öffnen von \n ") + QString::fromStdString(datei.string()) +
                             QStringLiteral("."),
                         Meldung::Symbol::Vorgabe, this);
        EndDialog(QDialog::Rejected);
        return true;
    }
    try {
        FuelleKategorien();
    } catch (const std::exception&) {
        ZeigeLesefehler();
    }
    return true;
}

void CSchichtenDBDlg::FuelleKategorien()
{
    auto& set = *m_pKategorieSet;
    set.m_strFilter.clear();
    set.Requery();
    QStringList namen;
    for (; !set.IsEOF(); set.MoveNext())
        namen.append(QString::fromStdString(set.Bezeichnung));
    QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(namen.begin(), namen.end(),
                     [&](const QString& a, const QString& b) { return ordnung.compare(a, b) < 0; });
    m_KategorieCombo->clear();
    m_KategorieCombo->addItems(namen);
    WaehleErstenEintrag(m_KategorieCombo);
    FuelleSchichten();
}

bool CSchichtenDBDlg::GewaehlteKategorie(int& kennummer)
{
    if (m_KategorieCombo->currentIndex() < 0)
        return false;
    const std::string text = m_KategorieCombo->currentText().toStdString();
    auto& set = *m_pKategorieSet;
    set.m_strFilter.clear();
    set.Requery();
    for (; !set.IsEOF(); set.MoveNext()) {
        if (set.Bezeichnung == text) {
            kennummer = set.Kennummer;
            return true;
        }
    }
    return false;
}

void CSchichtenDBDlg::FuelleSchichten()
{
    m_LoeschenButton->setEnabled(m_KategorieCombo->currentText() == QString::fromUtf8(BenutzerKategorie));
    auto& set = *m_pSchichtSet;
    int kennummer = 0;
    if (GewaehlteKategorie(kennummer)) {
        set.KatParam = kennummer;
        set.m_strFilter = DBODBCSchichtSet::Kategoriefilter;
    } else {
        set.m_strFilter = std::string("0");
    }
    FuelleNamensliste(m_BezeichnungCombo, set);
    WaehleErstenEintrag(m_BezeichnungCombo);
    ZeigeSchicht();
}

bool CSchichtenDBDlg::SucheMaterial(int kennummer, const std::string& name)
{
    auto& set = *m_pSchichtSet;
    set.KatParam = kennummer;
    set.m_strFilter = DBODBCSchichtSet::Kategoriefilter;
    set.Requery();
    for (; !set.IsEOF(); set.MoveNext()) {
        if (set.Name == name)
            return true;
    }
    // No row at all: nothing shown before stays in the members.
    set.m_strFilter = std::string("0");
    set.Requery();
    return false;
}

void CSchichtenDBDlg::ZeigeSchicht()
{
    m_gefunden = false;
    m_LambdaText->clear();
    m_UebernehmenButton->setEnabled(false);
    int kennummer = 0;
    // The placeholder is never a material (SucheAuswahl tells it apart).
    const bool auswahl = SucheAuswahl(m_BezeichnungCombo, *m_pSchichtSet);
    if (!auswahl || !GewaehlteKategorie(kennummer))
        return;
    // The name's row in the chosen category, not a namesake elsewhere.
    m_gefunden = SucheMaterial(kennummer, m_BezeichnungCombo->currentText().toStdString());
    if (!m_gefunden)
        return;
    m_LambdaText->setText(Stellen(m_pSchichtSet->Lambda));
    m_UebernehmenButton->setEnabled(true);
}

void CSchichtenDBDlg::OnLoeschen()
{
    if (m_KategorieCombo->currentText() != QString::fromUtf8(BenutzerKategorie) || !m_gefunden)
        return;
    const std::string name = m_pSchichtSet->Name;
    auto loesche = [this, name] {
        // Only the user's own row of that name: category number 0.
        if (!SucheMaterial(DBODBCKategorieSet::Benutzerdefiniert, name))
            throw SqlError("no such row");
        m_pSchichtSet->Delete();
    };
    if (LoescheNachFrage(QStringLiteral("Diese Schicht löschen?"), loesche,
                         QStringLiteral("Kann Datensatz nicht löschen")))
        Sicher([this] { FuelleSchichten(); });
}

void CSchichtenDBDlg::OnOK()
{
    if (!m_gefunden)
        return;
    m_auswahl = m_pSchichtSet->Zeile();
    DatenDialog::OnOK();
}

} // namespace zeva
