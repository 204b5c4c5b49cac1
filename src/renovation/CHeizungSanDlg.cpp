#include "renovation/CHeizungSanDlg.h"

#include "database/CHeizkesselSanDBDlg.h"
#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "renovation/Seitenhilfen.h"
#include "renovation/Variantenrechnung.h"
#include "shell/CMainFrame.h"
#include "ui/Feldhilfen.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"

#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zeva {

namespace {

constexpr const char* Kapazitaetswarnung =
    "Warnung: Mit der angegebenen Kesselleistung und Einschaltdauer kann der Wärmebedarf des Gebäudes nicht "
    "gedeckt werden. Trotzdem fortsetzen?";

QComboBox* HeizungsAuswahl(QWidget* eltern, int id)
{
    auto* liste = new QComboBox(eltern);
    SetzeId(liste, id);
    liste->setEditable(true);
    liste->setInsertPolicy(QComboBox::NoInsert);
    liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    liste->setMinimumContentsLength(30);
    return liste;
}

} // namespace

CHeizungSanDlg::CHeizungSanDlg(Seitenbesitzer& besitzer) : CSanierungsSeite(besitzer)
{
    auto zeile = [](QGridLayout* raster, QWidget* eltern, int r, const char* text, QWidget* feld,
                    const char* einheit) {
        auto* label = new QLabel(QString::fromUtf8(text), eltern);
        label->setBuddy(feld);
        raster->addWidget(label, r, 0);
        raster->addWidget(feld, r, 1);
        if (einheit != nullptr)
            raster->addWidget(new QLabel(QString::fromUtf8(einheit), eltern), r, 2);
    };

    // Price, life and the kind of heating always stay.
    auto* oben = new QHBoxLayout;
    auto* kosten = new QGridLayout;
    m_PreisEdit = Massnahmenfeld(this, 1055);
    m_LebensdauerEdit = Massnahmenfeld(this, 1056);
    zeile(kosten, this, 0, "Preis:", m_PreisEdit, "EUR");
    zeile(kosten, this, 1, "Lebensdauer:", m_LebensdauerEdit, "a");
    oben->addLayout(kosten);
    auto* art = new QGroupBox(QStringLiteral("Art des Heizsystems"), this);
    auto* artLayout = new QVBoxLayout(art);
    m_Einzel = new QRadioButton(QStringLiteral("E&inzelheizung"), art);
    m_Zentral = new QRadioButton(QStringLiteral("&Zentralheizung"), art);
    SetzeId(m_Einzel, 1141);
    SetzeId(m_Zentral, 1142);
    artLayout->addWidget(m_Einzel);
    artLayout->addWidget(m_Zentral);
    oben->addWidget(art);
    oben->addStretch();

    // The central boiler.
    m_Kesselblock = new QGroupBox(this);
    auto* kessel = new QGridLayout(m_Kesselblock);
    m_BezeichnungEdit = Massnahmenfeld(m_Kesselblock, 1146);
    m_NennleistungEdit = Massnahmenfeld(m_Kesselblock, 1147);
    m_EinschaltdauerEdit = Massnahmenfeld(m_Kesselblock, 1148);
    m_KesselnutzungsgradEdit = Massnahmenfeld(m_Kesselblock, 1152);
    m_AbgasEdit = Massnahmenfeld(m_Kesselblock, 1149);
    m_StrahlungEdit = Massnahmenfeld(m_Kesselblock, 1150);
    m_BereitschaftEdit = Massnahmenfeld(m_Kesselblock, 1151);
    m_VerteilungEdit = Massnahmenfeld(m_Kesselblock, 1153);
    zeile(kessel, m_Kesselblock, 0, "&Bezeichnung:", m_BezeichnungEdit, nullptr);
    zeile(kessel, m_Kesselblock, 1, "Kessel-Nenn&leistung:", m_NennleistungEdit, "kW");
    zeile(kessel, m_Kesselblock, 2, "Eins&chaltdauer:", m_EinschaltdauerEdit, "h/Jahr");
    zeile(kessel, m_Kesselblock, 3, "Kesseln&utzungsgrad:", m_KesselnutzungsgradEdit, "%");
    kessel->addWidget(new QLabel(QStringLiteral("Verluste in % der Nennleistung:"), m_Kesselblock), 4, 0, 1, 3);
    zeile(kessel, m_Kesselblock, 5, "Abgas:", m_AbgasEdit, "%");
    zeile(kessel, m_Kesselblock, 6, "St&rahlung:", m_StrahlungEdit, "%");
    zeile(kessel, m_Kesselblock, 7, "Berei&tschaft:", m_BereitschaftEdit, "%");
    zeile(kessel, m_Kesselblock, 8, "Verteilun&gsnutzungsgrad:", m_VerteilungEdit, "%");
    auto* verteilung = new QGroupBox(QStringLiteral("Art der Wär&meerzeugung"), m_Kesselblock);
    SetzeId(verteilung, 1249);
    auto* verteilungLayout = new QVBoxLayout(verteilung);
    m_Verteilungsart = HeizungsAuswahl(verteilung, 1154);
    for (const Auswahlwert& a : Verteilungsarten())
        m_Verteilungsart->addItem(QString::fromUtf8(a.text));
    verteilungLayout->addWidget(m_Verteilungsart);
    kessel->addWidget(verteilung, 9, 0, 1, 3);

    // The single-room generator.
    m_Einzelblock = new QGroupBox(QStringLiteral("Einzelheizung"), this);
    SetzeId(m_Einzelblock, 1239);
    auto* einzel = new QGridLayout(m_Einzelblock);
    m_ErzeugerCombo = HeizungsAuswahl(m_Einzelblock, 1144);
    m_WirkungsgradEdit = Massnahmenfeld(m_Einzelblock, 1145);
    zeile(einzel, m_Einzelblock, 0, "&Wärmeerzeuger:", m_ErzeugerCombo, nullptr);
    zeile(einzel, m_Einzelblock, 1, "Wir&kungsgrad:", m_WirkungsgradEdit, "%");
    einzel->setRowStretch(2, 1);

    auto* knoepfe = new QHBoxLayout;
    m_LoeschenButton = Loeschknopf(this, knoepfe);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(oben);
    haupt->addWidget(m_Kesselblock);
    haupt->addWidget(m_Einzelblock);
    haupt->addStretch();
    haupt->addLayout(knoepfe);

    for (QRadioButton* knopf : {m_Einzel, m_Zentral})
        connect(knopf, &QRadioButton::clicked, this, [this] {
            ZeigeHeizungsart();
            Besitzer().AktualisiereDBKnoepfe();
        });
    connect(m_LoeschenButton, &QPushButton::clicked, this, [this] { OnLoeschen(); });
    connect(m_Verteilungsart, &QComboBox::activated, this, [this](int index) { OnVerteilung(index); });
    connect(m_ErzeugerCombo, &QComboBox::activated, this, [this](int index) { OnWaermeerzeuger(index); });
    // Power, switch-on time and distribution: every change, also the one the
    // distribution type writes; the losses: what the user types.
    for (QLineEdit* feld : {m_NennleistungEdit, m_EinschaltdauerEdit, m_VerteilungEdit})
        connect(feld, &QLineEdit::textChanged, this, [this] { BerechneKesselnutzungsgrad(); });
    for (QLineEdit* feld : {m_AbgasEdit, m_StrahlungEdit, m_BereitschaftEdit})
        connect(feld, &QLineEdit::textEdited, this, [this] { BerechneKesselnutzungsgrad(); });
    connect(m_KesselnutzungsgradEdit, &QLineEdit::textEdited, this, [this] { OnKesselnutzungsgradGetippt(); });
}

void CHeizungSanDlg::DoDataExchange(DatenAustausch& dx)
{
    // The price shows in whole euros; left as shown it keeps its value.
    dx.GerundeteZahl(m_PreisEdit, m_Preis, QString::fromStdString(Zahltext(m_Preis, 0, 0, false)));
    dx.Zahl(m_LebensdauerEdit, m_Lebensdauer);
    dx.Text(m_BezeichnungEdit, m_Bezeichnung);
    dx.Zahl(m_NennleistungEdit, m_Nennleistung);
    dx.Zahl(m_EinschaltdauerEdit, m_Einschaltdauer);
    dx.Zahl(m_KesselnutzungsgradEdit, m_Kesselnutzungsgrad);
    dx.Zahl(m_AbgasEdit, m_Abgas);
    dx.Zahl(m_StrahlungEdit, m_Strahlung);
    dx.Zahl(m_BereitschaftEdit, m_Bereitschaft);
    dx.Zahl(m_VerteilungEdit, m_Verteilungsnutzungsgrad);
    dx.Text(m_ErzeugerCombo, m_Waermeerzeuger);
    dx.Zahl(m_WirkungsgradEdit, m_Wirkungsgrad, 0, 100);
}

DHeizung* CHeizungSanDlg::Heizung() const
{
    Haus& h = Arbeitshaus();
    const int n = Variante();
    if (n < 0 || static_cast<std::size_t>(n) >= h.m_aHeizung.size())
        return nullptr;
    return &h.m_aHeizung[static_cast<std::size_t>(n)];
}

double CHeizungSanDlg::Waermebedarf()
{
    StillerNotifier still;
    return Arbeitshaus().Waermebilanz(still);
}

void CHeizungSanDlg::Initialisiere()
{
    ZeigeHeizung();
}

void CHeizungSanDlg::ZeigeHeizung()
{
    const DHeizung* h = Heizung();
    if (h == nullptr)
        return;
    m_nBrennstoff = h->Brennstoff;
    m_Preis = h->Preis;
    m_Lebensdauer = h->Lebensdauer;
    m_Nennleistung = h->Nennwaermeleistung;
    m_Kesselnutzungsgrad = 100 * h->Jahresnutzungsgrad;
    m_Einschaltdauer = h->Bereitschaftszeit;
    m_Strahlung = 100 * h->Strahlungsverlust;
    m_Abgas = 100 * h->Abgasverlust;
    m_Bereitschaft = 100 * h->Bereitschaftsverlust;
    m_Verteilungsnutzungsgrad = 100 * h->Verteilungsnutzungsgrad;
    m_bZeigt = true;
    m_Verteilungsart->setEditText(QString::fromStdString(h->Heizungsverteilung));
    if (h->Einzelheiz != 0) {
        m_Einzel->setChecked(true);
        m_Waermeerzeuger = h->Name;
        m_Wirkungsgrad = 100 * h->EtaEinzel;
        m_Bezeichnung.clear();
        FuelleWaermeerzeuger();
    } else {
        m_Zentral->setChecked(true);
        m_Waermeerzeuger.clear();
        m_Bezeichnung = h->Name;
        m_Wirkungsgrad = 0;
    }
    ZeigeHeizungsart();
    UpdateData(false);
    m_bZeigt = false;
}

void CHeizungSanDlg::ZeigeHeizungsart()
{
    const DHeizung* h = Heizung();
    const bool einzel = h != nullptr && h->Einzelheiz != 0;
    m_Kesselblock->setVisible(!einzel);
    m_Kesselblock->setEnabled(!einzel);
    m_Einzelblock->setVisible(einzel);
    m_Einzelblock->setEnabled(einzel);
}

void CHeizungSanDlg::FuelleWaermeerzeuger()
{
    QStringList namen;
    for (const Auswahlwert& w : Waermeerzeuger(m_nBrennstoff))
        namen << QString::fromUtf8(w.text);
    QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(namen.begin(), namen.end(),
              [&](const QString& a, const QString& b) { return ordnung.compare(a, b) < 0; });
    const QSignalBlocker sperre(m_ErzeugerCombo);
    m_ErzeugerCombo->clear();
    m_ErzeugerCombo->addItems(namen);
    m_ErzeugerCombo->setCurrentIndex(-1);
}

void CHeizungSanDlg::OnVerteilung(int index)
{
    const std::vector<Auswahlwert>& arten = Verteilungsarten();
    if (index < 0 || static_cast<std::size_t>(index) >= arten.size())
        return;
    const Auswahlwert& art = arten[static_cast<std::size_t>(index)];
    m_Verteilungsart->setEditText(QString::fromUtf8(art.text));
    if (DHeizung* h = Heizung())
        h->Heizungsverteilung = art.text;
    m_Verteilungsnutzungsgrad = art.prozent;
    std::string text;
    FormatiereStellen(m_Verteilungsnutzungsgrad, text, 10);
    // Written as a change of the field: the efficiency follows.
    m_VerteilungEdit->setText(QString::fromStdString(text));
}

void CHeizungSanDlg::OnWaermeerzeuger(int index)
{
    const QString text = index >= 0 ? m_ErzeugerCombo->itemText(index) : QString();
    m_ErzeugerCombo->setEditText(text);
    m_Waermeerzeuger = text.toStdString();
    m_Wirkungsgrad = WirkungsgradDesErzeugers(m_nBrennstoff, m_Waermeerzeuger, m_Wirkungsgrad);
    std::string zahl;
    FormatiereStellen(m_Wirkungsgrad, zahl, 10);
    m_WirkungsgradEdit->setText(QString::fromStdString(zahl));
}

void CHeizungSanDlg::BerechneKesselnutzungsgrad()
{
    DHeizung* h = Heizung();
    if (m_bZeigt || h == nullptr || h->Einzelheiz != 0)
        return;
    Kesselfelder k;
    // In this order; the first text that is not wholly a number stops it.
    for (auto [feld, wert] : {std::pair{m_NennleistungEdit, &k.nennleistung},
                              std::pair{m_EinschaltdauerEdit, &k.einschaltdauer}, std::pair{m_AbgasEdit, &k.abgas},
                              std::pair{m_StrahlungEdit, &k.strahlung},
                              std::pair{m_BereitschaftEdit, &k.bereitschaft},
                              std::pair{m_VerteilungEdit, &k.verteilung}})
        if (!LeseZahl(feld, *wert))
            return;
    m_Nennleistung = k.nennleistung;
    m_Einschaltdauer = k.einschaltdauer;
    m_Abgas = k.abgas;
    m_Strahlung = k.strahlung;
    m_Bereitschaft = k.bereitschaft;
    m_Verteilungsnutzungsgrad = k.verteilung;
    const double d = Waermebedarf();
    if (!KesselnutzungsgradBerechenbar(k, d))
        return;
    h->Nennwaermeleistung = k.nennleistung;
    h->Bereitschaftszeit = k.einschaltdauer;
    h->Abgasverlust = k.abgas / 100;
    h->Strahlungsverlust = k.strahlung / 100;
    h->Bereitschaftsverlust = k.bereitschaft / 100;
    h->Verteilungsnutzungsgrad = k.verteilung / 100;
    m_Kesselnutzungsgrad = RundeSignifikant(100 * h->BerechneEndenergie(d), 4);
    // A derived figure, by the rule the heating page shows it with: three
    // digits, no grouping in a field the user may edit.
    m_KesselnutzungsgradEdit->setText(QString::fromStdString(Zahltext(m_Kesselnutzungsgrad, 1, 3, false)));
}

void CHeizungSanDlg::OnKesselnutzungsgradGetippt()
{
    // An annual efficiency typed by the user replaces the losses.
    m_Abgas = m_Strahlung = m_Bereitschaft = 0;
    for (QLineEdit* feld : {m_AbgasEdit, m_StrahlungEdit, m_BereitschaftEdit})
        feld->setText(QStringLiteral("0"));
}

bool CHeizungSanDlg::HatAuswahl() const
{
    return m_Zentral->isChecked();
}

namespace {

// Takes a figure the page shows as wert × faktor back into the record. The
// fields show 15 significant digits: a field the user left alone reads back
// within that of the record's value, and the record keeps its own number,
// so that an untouched heating stays equal to the one it was copied from.
void UebernehmeWert(double& feld, double seitenwert, double faktor = 1)
{
    const double gezeigt = feld * faktor;
    if (std::abs(seitenwert - gezeigt) > 1e-13 * std::max(1.0, std::abs(gezeigt)))
        feld = seitenwert / faktor;
}

} // namespace

bool CHeizungSanDlg::UebernehmeHeizung()
{
    DHeizung* h = Heizung();
    if (h == nullptr)
        return true;
    if (!UpdateData(true))
        return false;
    // What the page shows for the record's kind, written as the input page
    // writes it; everything else stays.
    h->Brennstoff = m_nBrennstoff;
    UebernehmeWert(h->Preis, m_Preis);
    UebernehmeWert(h->Lebensdauer, m_Lebensdauer);
    if (h->Einzelheiz != 0) {
        h->Name = m_Waermeerzeuger;
        double eta = h->EtaEinzel;
        UebernehmeWert(eta, m_Wirkungsgrad, 100);
        h->SetzeEinzelheizung(eta);
    } else {
        h->Name = m_Bezeichnung;
        DHeizung::Zentralheizungswerte w = h->Zentralwerte();
        UebernehmeWert(w.Nennwaermeleistung, m_Nennleistung);
        UebernehmeWert(w.Jahresnutzungsgrad, m_Kesselnutzungsgrad, 100);
        UebernehmeWert(w.Bereitschaftszeit, m_Einschaltdauer);
        UebernehmeWert(w.Strahlungsverlust, m_Strahlung, 100);
        UebernehmeWert(w.Abgasverlust, m_Abgas, 100);
        UebernehmeWert(w.Bereitschaftsverlust, m_Bereitschaft, 100);
        w.Heizungsverteilung = m_Verteilungsart->currentText().toStdString();
        UebernehmeWert(w.Verteilungsnutzungsgrad, m_Verteilungsnutzungsgrad, 100);
        h->SetzeZentralheizung(w);
    }
    StillerNotifier still;
    Arbeitshaus().BerechneBedarf(Variante(), still);
    return true;
}

bool CHeizungSanDlg::PruefeSeite()
{
    const DHeizung* h = Heizung();
    if (h == nullptr || h->Einzelheiz != 0)
        return true;
    if (!DecktWaermebedarf(m_Nennleistung, m_Einschaltdauer, Waermebedarf()))
        return Meldung::Frage(QString::fromUtf8(Kapazitaetswarnung), QMessageBox::No, Meldung::Symbol::Vorgabe, this);
    return true;
}

void CHeizungSanDlg::OnAusDB()
{
    DHeizung* h = Heizung();
    if (h == nullptr || !UpdateData(true))
        return;
    CHeizkesselSanDBDlg dialog(this);
    dialog.m_pOptionen = &Besitzer().Rahmen().Optionen();
    MeldungsNotifier notifier(this);
    dialog.m_Normheizlast = Arbeitshaus().BerechneNormwaermebedarf(Variante(), notifier);
    dialog.m_Energiebezugsflaeche = Arbeitshaus().Energiebezugsflaeche;
    dialog.m_Heizung = *h;
    if (dialog.exec() == QDialog::Accepted) {
        *h = dialog.m_Heizung;
        ZeigeHeizung();
        Besitzer().AktualisiereDBKnoepfe();
    }
}

void CHeizungSanDlg::OnLoeschen()
{
    DHeizung* h = Heizung();
    Haus& haus = Arbeitshaus();
    if (h == nullptr || haus.m_aHeizung.empty() || h == &haus.m_aHeizung[0])
        return;
    *h = haus.m_aHeizung[0];
    ZeigeHeizung();
    Besitzer().AktualisiereDBKnoepfe();
}

} // namespace zeva
