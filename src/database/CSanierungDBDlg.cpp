#include "database/CSanierungDBDlg.h"

#include "database/Datenbankdateien.h"
#include "database/XDBOpakSanSet.h"
#include "platform/Meldung.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

std::unique_ptr<SqlRecordset> ErzeugeSanierungsSet(SanGruppe gruppe, SqlDatabase* db)
{
    switch (gruppe) {
    case SanGruppe::Boden: return std::make_unique<XDBBodenSanSet>(db);
    case SanGruppe::Decke: return std::make_unique<XDBDeckeSanSet>(db);
    case SanGruppe::Flachdach: return std::make_unique<XDBFlachdachSanSet>(db);
    case SanGruppe::Steildach: return std::make_unique<XDBSteildachSanSet>(db);
    case SanGruppe::Wand: return std::make_unique<XDBWandSanSet>(db);
    }
    return nullptr;
}

SanZeileOpaque SanierungsZeile(SanGruppe gruppe, const SqlRecordset& set)
{
    if (gruppe == SanGruppe::Flachdach)
        return static_cast<const XDBFlachdachSanSet&>(set).Zeile().AlsOpaque();
    return static_cast<const XDBOpakSanSet&>(set).Zeile();
}

QString CSanierungDBDlg::Titel(SanGruppe gruppe)
{
    const char* wort = "";
    switch (gruppe) {
    case SanGruppe::Boden: wort = "Boden"; break;
    case SanGruppe::Decke: wort = "Decke"; break;
    case SanGruppe::Flachdach: wort = "Flachdach"; break;
    case SanGruppe::Steildach: wort = "Steildach"; break;
    case SanGruppe::Wand: wort = "Wand"; break;
    }
    return QStringLiteral("Sanierungsdatenbank ") + QString::fromUtf8(wort);
}

QString CSanierungDBDlg::Lesefehler()
{
    return SanierungsLesefehler();
}

CSanierungDBDlg::CSanierungDBDlg(SanGruppe gruppe, QWidget* parent) : CDatenbankDialog(parent), m_gruppe(gruppe)
{
    setWindowTitle(Titel(gruppe));

    auto* links = new QVBoxLayout;
    auto* bezeichnung = new QLabel(QStringLiteral("Be&zeichnung"), this);
    m_BezeichnungCombo = new QComboBox(this);
    SetzeId(m_BezeichnungCombo, 1106);
    m_BezeichnungCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_BezeichnungCombo->setMinimumContentsLength(36);
    m_BezeichnungCombo->setMaxVisibleItems(16);
    bezeichnung->setBuddy(m_BezeichnungCombo);
    links->addWidget(bezeichnung);
    links->addWidget(m_BezeichnungCombo);

    auto* gruppenKasten = new QGroupBox(this);
    auto* raster = new QGridLayout(gruppenKasten);
    m_UWertText = Wertzeile(raster, 0, "U-Wert", 1053, "W/m²K");
    m_DickeText = Wertzeile(raster, 1, "Dicke", 1133, "cm");
    m_PreisfixText = Wertzeile(raster, 2, "Sockelpreis", 1057, "EUR");
    m_PreisProQmText = Wertzeile(raster, 3, "Flächenpreis", 1055, "EUR/m²");
    m_LebensdauerText = Wertzeile(raster, 4, "Lebensdauer", 1056, "a");
    raster->setColumnStretch(1, 1);
    links->addWidget(gruppenKasten);
    links->addStretch();

    const Knopfspalte knoepfe = OrdneBrowseDialogAn(links, true, [this] { OnLoeschen(); });
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeAuswahl(); }); });
}

CSanierungDBDlg::~CSanierungDBDlg() = default;

SanZeileOpaque CSanierungDBDlg::Zeile() const
{
    if (!m_gefunden || !m_pSet)
        return {};
    return SanierungsZeile(m_gruppe, *m_pSet);
}

int CSanierungDBDlg::Kategorie() const
{
    return Zeile().Kategorie;
}

bool CSanierungDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pSet = ErzeugeSanierungsSet(m_gruppe, &Datenbank());
    OeffneSanierung(*m_pSet, [this] { FuelleListe(); });
    return true;
}

void CSanierungDBDlg::FuelleListe()
{
    m_gefunden = false;
    // Every measure of the group: no name looked up before narrows the list.
    m_pSet->m_strFilter.clear();
    FuelleNamensliste(m_BezeichnungCombo, *m_pSet);
    if (m_nAuswahl < 0)
        m_nAuswahl = 0;
    m_BezeichnungCombo->setCurrentIndex(m_nAuswahl < m_BezeichnungCombo->count() ? m_nAuswahl : -1);
    ZeigeAuswahl();
}

void CSanierungDBDlg::ZeigeAuswahl()
{
    m_nAuswahl = m_BezeichnungCombo->currentIndex();
    m_gefunden = false;
    // Nothing of a row shown before is shown or handed back.
    m_Preisfix = 0;
    m_PreisProQm = 0;
    for (QLabel* feld : {m_UWertText, m_DickeText, m_PreisfixText, m_PreisProQmText, m_LebensdauerText})
        feld->clear();
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    m_gefunden = SucheAuswahl(m_BezeichnungCombo, *m_pSet);
    if (!m_gefunden)
        return;
    const SanZeileOpaque zeile = SanierungsZeile(m_gruppe, *m_pSet);
    SanPreis preis;
    if (BerechneSanPreis(zeile, SanPreisWeg::Auswahldialog, preis)) {
        m_Preisfix = preis.Preisfix;
        m_PreisProQm = preis.PreisProQm;
    }
    m_UWertText->setText(UWertText(zeile.kWert));
    m_DickeText->setText(Stellen(zeile.Dicke * 100));
    m_PreisfixText->setText(Stellen(m_Preisfix));
    m_PreisProQmText->setText(Stellen(m_PreisProQm));
    m_LebensdauerText->setText(Stellen(zeile.Lebensdauer));
    m_UebernehmenButton->setEnabled(true);
    m_LoeschenButton->setEnabled(zeile.Kategorie == 0);
}

void CSanierungDBDlg::OnLoeschen()
{
    if (!m_gefunden || Kategorie() != 0)
        return;
    if (LoescheSanierungsmassnahme(*m_pSet, Zeile().Name))
        Sicher([this] { FuelleListe(); });
}

void CSanierungDBDlg::OnOK()
{
    // Only a row that is shown can be taken.
    if (!m_gefunden)
        return;
    DatenDialog::OnOK();
}

} // namespace zeva
