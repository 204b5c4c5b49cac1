#include "input/CProjektDlg.h"

#include "input/CKlimaregionDlg.h"
#include "model/Eingabehilfen.h"
#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "shell/CMainFrame.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

// Angrenzungsart of the default floor and ceiling that "&Weiter >>" sets.
constexpr int BodenErdreich = 2;
constexpr int BodenUnbeheizt8 = 6;
constexpr int DeckeBeheizt = 0;
constexpr int DeckeUnbeheizt4 = 2;

constexpr double KWhProMJ = 0.2777777777777778;

} // namespace

QStringList CProjektDlg::Gebaeudetypen()
{
    return {QStringLiteral("Ein- bis Zweifamilien-Wohnhaus"), QStringLiteral("Mehrfamilien-Wohnhaus"),
            QStringLiteral("Verwaltungsgebäude"), QStringLiteral("Schule"), QStringLiteral("Heim"),
            QStringLiteral("(Sonstige)")};
}

QStringList CProjektDlg::Klimaregionen()
{
    return {QStringLiteral("0: Klimadaten nach DIN 4108-6"),
            QStringLiteral("1: Nord-/Ostsee"),
            QStringLiteral("2: Norddeutsches Tiefland"),
            QStringLiteral("3: Ballungsgebiete"),
            QStringLiteral("4: Mittelgebirge ohne Hochlagen"),
            QStringLiteral("5: Franken / nördl. Baden-Württemberg"),
            QStringLiteral("6: Nördl. Oberrheingraben"),
            QStringLiteral("7: Südl. Oberrheingraben"),
            QStringLiteral("8: Donaubecken"),
            QStringLiteral("9: Alpenvorland (600 - 1000 m)"),
            QStringLiteral("10: Schwarzwald"),
            QStringLiteral("11: Mittelgebirge / Hochlagen"),
            QStringLiteral("12: Bodensee")};
}

CProjektDlg::CProjektDlg(CMainFrame& rahmen) : CSchrittseite(rahmen)
{
    setWindowTitle(QStringLiteral("Projekt"));

    // Project description.
    auto* beschreibung = new QGroupBox(QStringLiteral("Projektbeschreibung"), this);
    m_Beschreibung = ErzeugeMitId<QLineEdit>(beschreibung, 1122);
    m_Strasse = ErzeugeMitId<QLineEdit>(beschreibung, 1123);
    m_Ort = ErzeugeMitId<QLineEdit>(beschreibung, 1010);
    m_Kommentar = ErzeugeMitId<QPlainTextEdit>(beschreibung, 1124);
    m_Kommentar->setTabChangesFocus(true);
    auto* besRaster = new QGridLayout(beschreibung);
    Feldzeile(besRaster, 0, "B&eschreibung", m_Beschreibung);
    Feldzeile(besRaster, 1, "S&traße", m_Strasse);
    Feldzeile(besRaster, 2, "O&rt", m_Ort);
    auto* kommentarLabel = new QLabel(QStringLiteral("&Kommentare"), beschreibung);
    kommentarLabel->setBuddy(m_Kommentar);
    besRaster->addWidget(kommentarLabel, 3, 0, Qt::AlignTop);
    besRaster->addWidget(m_Kommentar, 3, 1);

    // General building data.
    auto* gebaeude = new QGroupBox(QStringLiteral("Allgemeine Gebäudedaten"), this);
    m_Baujahr = Zahlenfeld(gebaeude, 1125);
    m_Gebaeudetypliste = ErzeugeMitId<QComboBox>(gebaeude, 1119);
    m_Gebaeudetypliste->addItems(Gebaeudetypen());
    m_Klimaliste = ErzeugeMitId<QComboBox>(gebaeude, 1120);
    m_Klimaliste->addItems(Klimaregionen());
    m_Klimaliste->setMaxVisibleItems(13);
    QPushButton* ausPlz = Knopf(QStringLiteral("Aus PL&Z ..."), 1121);
    ausPlz->setParent(gebaeude);
    auto* gebRaster = new QGridLayout(gebaeude);
    Feldzeile(gebRaster, 0, "&Baujahr", m_Baujahr);
    Feldzeile(gebRaster, 1, "&Gebäudetyp", m_Gebaeudetypliste);
    Feldzeile(gebRaster, 2, "Kli&maregion", m_Klimaliste);
    gebRaster->addWidget(ausPlz, 3, 1, Qt::AlignLeft);
    auto* hinweis = new QLabel(QStringLiteral("Änderungen in den allgemeinen Gebäudedaten wirken sich auf die "
                                              "Lüftungsverluste und die internen Gewinne aus."),
                               gebaeude);
    hinweis->setWordWrap(true);
    gebRaster->addWidget(hinweis, 4, 0, 1, 3);

    // Roof form and basement.
    auto* dach = new QGroupBox(QStringLiteral("Dachform"), this);
    m_Steildach = ErzeugeMitId<QRadioButton>(dach, 1288);
    m_Steildach->setText(QStringLiteral("Steildach"));
    m_Flachdach = ErzeugeMitId<QRadioButton>(dach, 1289);
    m_Flachdach->setText(QStringLiteral("Flachdach"));
    m_DachBeheizt = ErzeugeMitId<QCheckBox>(dach, 1031);
    m_DachBeheizt->setText(QStringLiteral("beheizt"));
    auto* dachformen = new QButtonGroup(this);
    dachformen->addButton(m_Steildach);
    dachformen->addButton(m_Flachdach);
    auto* dachLayout = new QHBoxLayout(dach);
    dachLayout->addWidget(m_Steildach);
    dachLayout->addWidget(m_Flachdach);
    dachLayout->addWidget(m_DachBeheizt);
    dachLayout->addStretch();
    auto* keller = new QGroupBox(QStringLiteral("Keller"), this);
    m_KellerBeheizt = ErzeugeMitId<QCheckBox>(keller, 1021);
    m_KellerBeheizt->setText(QStringLiteral("beheizt"));
    auto* kellerLayout = new QHBoxLayout(keller);
    kellerLayout->addWidget(m_KellerBeheizt);
    kellerLayout->addStretch();

    // The hidden fields: they take part in every load, exchange, check and
    // store, but the page never shows them.
    auto* lueftung = new QGroupBox(QStringLiteral("Lüftungsverluste"), this);
    m_Nutzflaeche = Zahlenfeld(lueftung, 1128);
    m_Luftvolumen = Zahlenfeld(lueftung, 1126);
    m_Luftwechsel = Zahlenfeld(lueftung, 1127);
    auto* lueftRaster = new QGridLayout(lueftung);
    Feldzeile(lueftRaster, 0, "N&utzfläche", m_Nutzflaeche, "m²");
    Feldzeile(lueftRaster, 1, "Luft&volumen", m_Luftvolumen, "m³");
    Feldzeile(lueftRaster, 2, "&Luftwechsel", m_Luftwechsel, "/ h");
    QPushButton* ausNutzflaeche = Knopf(QStringLiteral("Aus Nutzfläche berechnen"), 1130);
    ausNutzflaeche->setParent(lueftung);
    lueftRaster->addWidget(ausNutzflaeche, 3, 1);
    auto* gewinne = new QGroupBox(QStringLiteral("Interne Gewinne"), this);
    m_Personen = Zahlenfeld(gewinne, 1006);
    m_Nutzungsdauer = Zahlenfeld(gewinne, 1007);
    m_Stromverbrauch = Zahlenfeld(gewinne, 1129);
    auto* gewRaster = new QGridLayout(gewinne);
    Feldzeile(gewRaster, 0, "mittl. &Personenzahl", m_Personen, "Personen");
    Feldzeile(gewRaster, 1, "tägl. &Nutzungsdauer", m_Nutzungsdauer, "h");
    Feldzeile(gewRaster, 2, "&Stromverbrauch", m_Stromverbrauch, "kWh / a");
    lueftung->setVisible(false);
    gewinne->setVisible(false);

    const Schrittleiste leiste =
        ErzeugeSchrittleiste(1281, 1282, QStringLiteral("<< Zurück"), 1283, 1285, 1284);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(gebaeude);
    rechts->addWidget(dach);
    rechts->addWidget(keller);
    rechts->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addWidget(beschreibung, 1);
    oben->addLayout(rechts, 1);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben, 1);
    haupt->addWidget(lueftung);
    haupt->addWidget(gewinne);
    haupt->addLayout(leiste.zeile);
    setMinimumWidth(640);

    connect(leiste.weiter, &QPushButton::clicked, this, [this] { OnWeiter(); });
    connect(leiste.zurueck, &QPushButton::clicked, this, [this] { OnZurueck(); });
    connect(ausPlz, &QPushButton::clicked, this, [this] { OnAusPLZ(); });
    connect(m_Steildach, &QRadioButton::clicked, this, [this] { OnDachform(true); });
    connect(m_Flachdach, &QRadioButton::clicked, this, [this] { OnDachform(false); });
}

void CProjektDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Ganzzahl(m_Baujahr, m_nBaujahr, 1000, 2100);
    dx.Text(m_Beschreibung, m_strBeschreibung);
    dx.Zahl(m_Nutzflaeche, m_dNutzflaeche, 0, 100000);
    dx.ListenIndex(m_Klimaliste, m_nKlimaregion);
    dx.Text(m_Kommentar, m_strKommentar);
    dx.Zahl(m_Luftwechsel, m_dLuftwechsel, 0, 100);
    dx.Zahl(m_Nutzungsdauer, m_dNutzungsdauer, 0, 24);
    dx.Text(m_Ort, m_strOrt);
    dx.Zahl(m_Personen, m_dPersonen, 0, 1000);
    dx.Text(m_Strasse, m_strStrasse);
    dx.Zahl(m_Stromverbrauch, m_dStromverbrauch, 0, 1000000);
    dx.ListenIndex(m_Gebaeudetypliste, m_nGebaeudetyp);
    dx.Zahl(m_Luftvolumen, m_dLuftvolumen, 0, 100000000);
    dx.Kontrollkaestchen(m_KellerBeheizt, m_bKellerBeheizt);
    dx.Kontrollkaestchen(m_DachBeheizt, m_bDachBeheizt);
}

void CProjektDlg::showEvent(QShowEvent* ereignis)
{
    CSchrittseite::showEvent(ereignis);
    Lade();
}

void CProjektDlg::Lade()
{
    const Haus& h = HausRef();
    m_nBaujahr = h.Baujahr;
    m_strBeschreibung = h.Beschreibung;
    m_strStrasse = h.Strasse;
    m_strOrt = h.Ort;
    m_strKommentar = h.Kommentar;
    m_nGebaeudetyp = h.Nutzungstyp;
    m_dLuftwechsel = h.Luftwechsel;
    m_dNutzungsdauer = h.NutzungszeitProTag;
    m_dPersonen = h.Personenzahl;
    m_dNutzflaeche = h.Energiebezugsflaeche;
    m_dLuftvolumen = h.Volumen;
    m_bDachBeheizt = h.DachBeheizt;
    m_bKellerBeheizt = h.KellerBeheizt;
    m_nSteildach = h.Steildach;
    // Entry 0 is the DIN data (zone 13); a house without climate data
    // (zone 0) shows it too.
    m_nKlimaregion = h.Klimazone == KlimazoneDIN4108 ? 0 : h.Klimazone;
    m_dStromverbrauch = RundeSignifikant(h.Elektrizitaet * m_dNutzflaeche * KWhProMJ, 3);

    m_Steildach->setChecked(m_nSteildach == 1);
    m_Flachdach->setChecked(m_nSteildach != 1);
    m_DachBeheizt->setVisible(m_nSteildach == 1);
    UpdateData(false);
    // Area and volume in whole units, as the frame shows them at step 18.
    m_dFlaecheGeladen = m_dNutzflaeche;
    m_strFlaecheGeladen = QString::fromStdString(Zahltext(m_dNutzflaeche, 0, 0, false));
    m_Nutzflaeche->setText(m_strFlaecheGeladen);
    m_Luftvolumen->setText(QString::fromStdString(Zahltext(m_dLuftvolumen, 0, 0, false)));
}

bool CProjektDlg::SpeichereDaten()
{
    if (!UpdateData(true))
        return false;
    if (m_Nutzflaeche->text() == m_strFlaecheGeladen)
        m_dNutzflaeche = m_dFlaecheGeladen;
    Schreibe();
    Dokument().SetModifiedFlag();
    return true;
}

void CProjektDlg::Schreibe()
{
    Haus& h = HausRef();
    h.Baujahr = m_nBaujahr;
    h.Beschreibung = m_strBeschreibung;
    // A list without a selection keeps the zone the house has.
    if (m_nKlimaregion >= 0)
        h.LeseKlimadaten(KlimazoneAusAuswahl(m_nKlimaregion));
    h.Kommentar = m_strKommentar;
    h.Luftwechsel = m_dLuftwechsel;
    h.NutzungszeitProTag = m_dNutzungsdauer;
    h.Ort = m_strOrt;
    h.Personenzahl = m_dPersonen;
    h.Strasse = m_strStrasse;
    // Without a floor area (step 1, before the plan exists) the electricity
    // cannot be converted; the house keeps its value rather than losing it.
    if (m_dNutzflaeche >= 1)
        h.Elektrizitaet = ElektrizitaetAusStromverbrauch(m_dStromverbrauch, m_dNutzflaeche);
    if (m_nGebaeudetyp >= 0)
        h.Nutzungstyp = m_nGebaeudetyp;
    h.Steildach = m_nSteildach;
    h.DachBeheizt = m_bDachBeheizt;
    h.KellerBeheizt = m_bKellerBeheizt;
}

bool CProjektDlg::PruefeDaten()
{
    const bool gut = m_nBaujahr >= 1000 && m_dStromverbrauch >= 0 && m_dLuftwechsel >= 0 && m_dLuftwechsel < 50 &&
                     m_dPersonen >= 0 && m_dNutzungsdauer >= 0 && m_dNutzungsdauer <= 24;
    if (!gut)
        Meldung::Hinweis(QString::fromUtf8(TextNichtKorrekt), Meldung::Symbol::Stopp, this);
    return gut;
}

void CProjektDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    if (m_Nutzflaeche->text() == m_strFlaecheGeladen)
        m_dNutzflaeche = m_dFlaecheGeladen;
    // The question comes before anything is written: No leaves the house as
    // it was.
    MeldungsNotifier notifier(this);
    if (!HausRef().BestandAendernErlaubt(true, notifier, &Rahmen().Variantenanzeige()))
        return;
    Schreibe();
    Dokument().SetModifiedFlag();
    PruefeDaten();
}

void CProjektDlg::OnWeiter()
{
    // A refused field keeps the page: nothing would be stored otherwise.
    if (!SpeichereDaten())
        return;
    Haus& h = HausRef();
    h.m_defaultBoden.Zone = h.KellerBeheizt != 0 ? BodenErdreich : BodenUnbeheizt8;
    h.m_defaultDecke.Zone = h.DachBeheizt != 0 ? DeckeBeheizt : DeckeUnbeheizt4;
    Rahmen().NaechsterSchritt();
}

void CProjektDlg::OnZurueck()
{
    if (!SpeichereDaten())
        return;
    Rahmen().VorherigerSchritt();
}

void CProjektDlg::OnDachform(bool steildach)
{
    m_nSteildach = steildach ? 1 : 0;
    m_DachBeheizt->setVisible(steildach);
}

void CProjektDlg::OnAusPLZ()
{
    try {
        CKlimaregionDlg dlg(this);
        if (dlg.exec() == QDialog::Accepted && dlg.m_nKlimaregion != 0)
            m_Klimaliste->setCurrentIndex(dlg.m_nKlimaregion - 1);
    } catch (...) {
        setEnabled(true);
        Meldung::Hinweis(QString::fromUtf8(TextFehlerKlimazone), Meldung::Symbol::Vorgabe, this);
    }
}

} // namespace zeva
