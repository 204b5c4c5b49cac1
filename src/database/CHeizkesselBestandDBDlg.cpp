#include "database/CHeizkesselBestandDBDlg.h"

#include "database/DBODBCHeizkesselSet.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

QLabel* Label(QWidget* eltern, const char* text, int id = 0)
{
    auto* label = new QLabel(QString::fromUtf8(text), eltern);
    if (id != 0)
        SetzeId(label, id);
    return label;
}

QLabel* Wert(QWidget* eltern, int id)
{
    auto* wert = Label(eltern, "", id);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setMinimumWidth(wert->fontMetrics().horizontalAdvance(QStringLiteral("0,000000000")));
    return wert;
}

} // namespace

CHeizkesselBestandDBDlg::CHeizkesselBestandDBDlg(int hausBaujahr, QWidget* parent)
    : CDatenbankDialog(parent), m_hausBaujahr(hausBaujahr)
{
    setWindowTitle(QStringLiteral("Bestandsdatenbank Heizkessel"));

    auto* links = new QVBoxLayout;
    links->addLayout(ErzeugeJahresfilter());
    auto* bezeichnung = Label(this, "Be&zeichnung:");
    m_BezeichnungCombo = Namensauswahl(this, 1106);
    bezeichnung->setBuddy(m_BezeichnungCombo);
    links->addWidget(bezeichnung);
    links->addWidget(m_BezeichnungCombo);

    auto* gruppe = new QGroupBox(this);
    auto* gitter = new QGridLayout(gruppe);
    m_Leistung = Wert(gruppe, 1203);
    gitter->addWidget(Label(gruppe, "Kessel-Nennleistung:"), 0, 0);
    gitter->addWidget(m_Leistung, 0, 1);
    gitter->addWidget(Label(gruppe, "kW"), 0, 2);

    m_Kennwerte = ErzeugeKennwertzeilen(gitter, 1, "Abgasverlust:", "Strahlungsverlust:", "Bereitschaftsverlust:");
    m_Abgas = m_Kennwerte.abgas;
    m_Strahlung = m_Kennwerte.strahlung;
    m_Bereitschaft = m_Kennwerte.bereitschaft;
    m_Nutzungsgrad = m_Kennwerte.nutzungsgrad;
    gitter->setRowMinimumHeight(0, m_Leistung->sizeHint().height());
    gitter->setColumnStretch(3, 1);
    links->addWidget(gruppe);
    links->addStretch();

    const Knopfspalte knoepfe = ErzeugeKnopfspalte(true);
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(knoepfe.spalte);

    m_Kennwerte.Zeige(0);

    connect(m_LoeschenButton, &QPushButton::clicked, this, [this] { OnLoeschen(); });
    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeAuswahl(); }); });
}

CHeizkesselBestandDBDlg::~CHeizkesselBestandDBDlg() = default;

void CHeizkesselBestandDBDlg::DoDataExchange(DatenAustausch& dx)
{
    TauscheJahresfilter(dx, false);
}

bool CHeizkesselBestandDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    SetzeJahresfilter(m_hausBaujahr);
    m_pHeizkesselSet = std::make_unique<DBODBCHeizkesselSet>(&Datenbank());
    OeffneBestand({m_pHeizkesselSet.get()}, [this] { FuelleListe(); });
    return true;
}

void CHeizkesselBestandDBDlg::FuelleListe()
{
    auto& set = *m_pHeizkesselSet;
    m_gefunden = false;
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);
    // The fuel takes the first marker; with the year filter the year the
    // next two: [BaujahrAb] <= year <= [BaujahrBis].
    set.BrennstoffParam = m_nBrennstoff;
    set.m_strFilter = DBODBCHeizkesselSet::Brennstofffilter;
    if (m_bBaujahrEinschraenken != 0) {
        set.BJParam = m_nBaujahr;
        set.HeizungIDParam = m_nBaujahr;
        set.m_strFilter += DBODBCHeizkesselSet::Jahreszusatz;
    }
    FuelleNamensliste(m_BezeichnungCombo, set);
    WaehleErstenEintrag(m_BezeichnungCombo);
    ZeigeAuswahl();
}

void CHeizkesselBestandDBDlg::ZeigeAuswahl()
{
    m_gefunden = false;
    for (QLabel* wert : {m_Leistung, m_Abgas, m_Strahlung, m_Bereitschaft, m_Nutzungsgrad})
        wert->clear();
    m_Kennwerte.Zeige(0);
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    auto& set = *m_pHeizkesselSet;
    m_gefunden = SucheAuswahl(m_BezeichnungCombo, set);
    if (!m_gefunden)
        return;
    m_Kennwerte.Zeige(set.Kesselnutzungsgrad);
    m_Leistung->setText(Stellen(set.Kesselleistung));
    m_Abgas->setText(Stellen(set.Abgasverlust * 100));
    m_Strahlung->setText(Stellen(set.Strahlungsverlust * 100));
    m_Bereitschaft->setText(Stellen(set.Bereitschaftsverlust * 100));
    m_Nutzungsgrad->setText(Stellen(set.Kesselnutzungsgrad * 100));
    m_UebernehmenButton->setEnabled(true);
    m_LoeschenButton->setEnabled(set.Kategorie == 0);
}

void CHeizkesselBestandDBDlg::OnLoeschen()
{
    if (!m_gefunden || m_pHeizkesselSet->Kategorie != 0)
        return;
    auto& set = *m_pHeizkesselSet;
    const QString frage = QStringLiteral("Heizkessel ''") + QString::fromStdString(set.Name) +
                          QStringLiteral("'' aus der Datenbank löschen?");
    if (LoescheNachFrage(frage, [&set] { set.Delete(); }))
        Sicher([this] { FuelleListe(); });
}

void CHeizkesselBestandDBDlg::OnOK()
{
    if (!m_gefunden)
        return;
    const auto& set = *m_pHeizkesselSet;
    m_Name = set.Name;
    m_Langtext = set.Langtext;
    m_Kesselleistung = set.Kesselleistung;
    m_Abgasverlust = set.Abgasverlust;
    m_Bereitschaftsverlust = set.Bereitschaftsverlust;
    m_Strahlungsverlust = set.Strahlungsverlust;
    m_Kesselnutzungsgrad = set.Kesselnutzungsgrad;
    DatenDialog::OnOK();
}

} // namespace zeva
