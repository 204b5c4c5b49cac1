#include "database/CFensterSanDBDlg.h"

#include "database/XDBFensterSanSet.h"
#include "ui/SteuerelementId.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

CFensterSanDBDlg::CFensterSanDBDlg(QWidget* parent) : CDatenbankDialog(parent)
{
    setWindowTitle(QStringLiteral("Sanierungsdatenbank Fenster"));

    auto* links = new QVBoxLayout;
    auto* rahmenZeile = new QHBoxLayout;
    auto* rahmen = new QLabel(QStringLiteral("&Rahmen:"), this);
    m_BeibehaltenRadio = new QRadioButton(QStringLiteral("beibehalten"), this);
    m_AustauschenRadio = new QRadioButton(QStringLiteral("austauschen"), this);
    SetzeId(m_BeibehaltenRadio, 1234);
    SetzeId(m_AustauschenRadio, 1235);
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_BeibehaltenRadio);
    radios->addButton(m_AustauschenRadio);
    rahmen->setBuddy(m_BeibehaltenRadio);
    rahmenZeile->addWidget(rahmen);
    rahmenZeile->addWidget(m_BeibehaltenRadio);
    rahmenZeile->addWidget(m_AustauschenRadio);
    rahmenZeile->addStretch();
    links->addLayout(rahmenZeile);

    auto* bezeichnung = new QLabel(QStringLiteral("Be&zeichnung:"), this);
    m_BezeichnungCombo = Namensauswahl(this, 1236);
    bezeichnung->setBuddy(m_BezeichnungCombo);
    links->addWidget(bezeichnung);
    links->addWidget(m_BezeichnungCombo);

    auto* kasten = new QGroupBox(this);
    auto* raster = new QGridLayout(kasten);
    m_UWertGlasText = Wertzeile(raster, 0, "U-Wert Glas", 1229, "W/m²K");
    m_UWertRahmenText = Wertzeile(raster, 1, "U-Wert Rahmen", 1054, "W/m²K");
    m_gWertText = Wertzeile(raster, 2, "g-Wert", 1075, "");
    m_SockelpreisText = Wertzeile(raster, 3, "Sockelpreis", 1057, "EUR");
    m_FlaechenpreisText = Wertzeile(raster, 4, "Flächenpreis", 1055, "EUR/m²");
    m_LebensdauerText = Wertzeile(raster, 5, "Lebensdauer", 1056, "a");
    raster->setColumnStretch(1, 1);
    links->addWidget(kasten);
    links->addStretch();

    const Knopfspalte knoepfe = OrdneBrowseDialogAn(links, true, [this] { OnLoeschen(); });
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    connect(m_BeibehaltenRadio, &QRadioButton::clicked, this, [this] { OnRahmen(); });
    connect(m_AustauschenRadio, &QRadioButton::clicked, this, [this] { OnRahmen(); });
    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeAuswahl(); }); });
}

CFensterSanDBDlg::~CFensterSanDBDlg() = default;

SanZeileFenster CFensterSanDBDlg::Zeile() const
{
    if (!m_gefunden || !m_pSet)
        return {};
    return m_pSet->Zeile();
}

bool CFensterSanDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    (m_bRahmenAustauschen != 0 ? m_AustauschenRadio : m_BeibehaltenRadio)->setChecked(true);
    m_pSet = std::make_unique<XDBFensterSanSet>(&Datenbank());
    OeffneSanierung(*m_pSet, [this] { FuelleListe(); });
    return true;
}

void CFensterSanDBDlg::FuelleListe()
{
    m_gefunden = false;
    m_pSet->m_strFilter =
        m_bRahmenAustauschen != 0 ? XDBFensterSanSet::MitRahmenFilter : XDBFensterSanSet::OhneRahmenFilter;
    // A window that may not be renovated is offered nothing.
    if (m_Bauteil.Sanbar == 0)
        m_pSet->m_strFilter = std::string("0");
    FuelleNamensliste(m_BezeichnungCombo, *m_pSet);
    if (m_nAuswahl < 0)
        m_nAuswahl = 0;
    m_BezeichnungCombo->setCurrentIndex(m_nAuswahl < m_BezeichnungCombo->count() ? m_nAuswahl : -1);
    ZeigeAuswahl();
}

void CFensterSanDBDlg::ZeigeAuswahl()
{
    m_nAuswahl = m_BezeichnungCombo->currentIndex();
    m_gefunden = false;
    // Nothing of a row shown before is shown or handed back.
    m_Preisfix = 0;
    m_PreisProQm = 0;
    for (QLabel* feld : {m_UWertGlasText, m_UWertRahmenText, m_gWertText, m_SockelpreisText, m_FlaechenpreisText,
                         m_LebensdauerText})
        feld->clear();
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    m_gefunden = SucheAuswahl(m_BezeichnungCombo, *m_pSet);
    if (!m_gefunden)
        return;
    const SanZeileFenster zeile = m_pSet->Zeile();
    m_Preisfix = zeile.Zusatzkostenfix + zeile.Sowiesokostenfix;
    m_PreisProQm = zeile.Zusatzkosten + zeile.Sowiesokosten;
    m_UWertGlasText->setText(UWertText(zeile.kWertGlas));
    m_UWertRahmenText->setText(UWertText(m_bRahmenAustauschen != 0 ? zeile.kWertRahmen : m_Bauteil.kWertRahmen));
    m_gWertText->setText(Stellen(zeile.gWert));
    m_SockelpreisText->setText(Stellen(m_Preisfix));
    m_FlaechenpreisText->setText(Stellen(m_PreisProQm));
    m_LebensdauerText->setText(Stellen(zeile.Lebensdauer));
    m_UebernehmenButton->setEnabled(true);
    m_LoeschenButton->setEnabled(zeile.Kategorie == 0);
}

void CFensterSanDBDlg::OnRahmen()
{
    m_bRahmenAustauschen = m_AustauschenRadio->isChecked() ? 1 : 0;
    Sicher([this] { FuelleListe(); });
}

void CFensterSanDBDlg::OnLoeschen()
{
    if (!m_gefunden || m_pSet->Kategorie != 0)
        return;
    if (LoescheSanierungsmassnahme(*m_pSet, m_pSet->Name))
        Sicher([this] { FuelleListe(); });
}

void CFensterSanDBDlg::OnOK()
{
    // Only a row that is shown can be taken.
    if (!m_gefunden)
        return;
    DatenDialog::OnOK();
}

} // namespace zeva
