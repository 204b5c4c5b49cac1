#include "database/CSanierungsauswahlDlg.h"

#include "platform/SqlRecordset.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

CSanierungsauswahlDlg::CSanierungsauswahlDlg(const QString& titel, Position position, QWidget* parent)
    : CDatenbankDialog(parent), m_position(position)
{
    setWindowTitle(titel);
}

CSanierungsauswahlDlg::~CSanierungsauswahlDlg() = default;

void CSanierungsauswahlDlg::BaueAuf(QLayout* kopf, const char* bezeichnung, int listenId,
                                    std::span<const Wertspalte> spalten,
                                    const std::function<void(QGridLayout*, int)>& ergaenze)
{
    auto* links = new QVBoxLayout;
    if (kopf != nullptr)
        links->addLayout(kopf);
    auto* name = new QLabel(QString::fromUtf8(bezeichnung), this);
    m_BezeichnungCombo = Namensauswahl(this, listenId);
    name->setBuddy(m_BezeichnungCombo);
    links->addWidget(name);
    links->addWidget(m_BezeichnungCombo);

    auto* kasten = new QGroupBox(this);
    auto* raster = new QGridLayout(kasten);
    int zeile = 0;
    for (const Wertspalte& s : spalten) {
        m_Werte.push_back(Wertzeile(raster, zeile++, s.name, s.id, s.einheit));
        m_Stellen.push_back(s.stellen);
    }
    if (ergaenze)
        ergaenze(raster, zeile);
    raster->setColumnStretch(1, 1);
    links->addWidget(kasten);
    links->addStretch();

    const Knopfspalte knoepfe = OrdneBrowseDialogAn(links, true, [this] { OnLoeschen(); });
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeAuswahl(); }); });
}

bool CSanierungsauswahlDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    VorDemOeffnen();
    m_pSet = ErzeugeSet(Datenbank());
    OeffneSanierung(*m_pSet, [this] { FuelleListe(); });
    return true;
}

void CSanierungsauswahlDlg::FuelleListe()
{
    m_gefunden = false;
    SetzeFilter(*m_pSet);
    FuelleNamensliste(m_BezeichnungCombo, *m_pSet);
    if (m_position == Position::ErsterEintrag) {
        WaehleErstenEintrag(m_BezeichnungCombo);
    } else {
        if (m_nAuswahl < 0)
            m_nAuswahl = 0;
        m_BezeichnungCombo->setCurrentIndex(m_nAuswahl < m_BezeichnungCombo->count() ? m_nAuswahl : -1);
    }
    ZeigeAuswahl();
}

void CSanierungsauswahlDlg::ZeigeAuswahl()
{
    m_nAuswahl = m_BezeichnungCombo->currentIndex();
    m_gefunden = false;
    VergissZeile();
    for (QLabel* wert : m_Werte)
        wert->clear();
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    m_gefunden = SucheAuswahl(m_BezeichnungCombo, *m_pSet);
    if (!m_gefunden)
        return;
    const std::vector<double> werte = NimmZeile();
    for (std::size_t i = 0; i < m_Werte.size() && i < werte.size(); ++i)
        m_Werte[i]->setText(m_Stellen[i] == Stellenart::UWert ? UWertText(werte[i]) : Stellen(werte[i]));
    m_UebernehmenButton->setEnabled(true);
    m_LoeschenButton->setEnabled(Kopf().Kategorie == 0);
}

void CSanierungsauswahlDlg::OnLoeschen()
{
    if (!m_gefunden)
        return;
    const Zeilenkopf kopf = Kopf();
    if (kopf.Kategorie != 0)
        return;
    if (LoescheSanierungsmassnahme(*m_pSet, kopf.Name))
        Sicher([this] { FuelleListe(); });
}

void CSanierungsauswahlDlg::OnOK()
{
    // Only a row that is shown can be taken.
    if (!m_gefunden)
        return;
    Uebernimm();
    DatenDialog::OnOK();
}

} // namespace zeva
