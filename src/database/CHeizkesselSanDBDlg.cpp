#include "database/CHeizkesselSanDBDlg.h"

#include "database/XDBHeizungSanSet.h"
#include "model/DOptionen.h"
#include "model/SanierungsZeile.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zeva {

CHeizkesselSanDBDlg::CHeizkesselSanDBDlg(QWidget* parent) : CDatenbankDialog(parent)
{
    setWindowTitle(QStringLiteral("Sanierungsdatenbank Heizkessel"));

    auto* links = new QVBoxLayout;
    auto* bezeichnung = new QLabel(QStringLiteral("Be&zeichnung:"), this);
    m_BezeichnungCombo = Namensauswahl(this, 1106);
    bezeichnung->setBuddy(m_BezeichnungCombo);
    links->addWidget(bezeichnung);
    links->addWidget(m_BezeichnungCombo);

    auto* kasten = new QGroupBox(this);
    auto* raster = new QGridLayout(kasten);
    m_PreisText = Wertzeile(raster, 0, "Preis:", 1055, "EUR");
    m_LebensdauerText = Wertzeile(raster, 1, "Lebensdauer:", 1056, "a");
    m_Kennwerte = ErzeugeKennwertzeilen(raster, 2, "Abgas&verlust:", "St&rahlungsverlust:", "Berei&tschaftsverlust:");
    raster->setColumnStretch(1, 1);
    links->addWidget(kasten);
    links->addStretch();

    const Knopfspalte knoepfe = OrdneBrowseDialogAn(links, true, [this] { OnLoeschen(); });
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeAuswahl(); }); });
}

CHeizkesselSanDBDlg::~CHeizkesselSanDBDlg() = default;

bool CHeizkesselSanDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pSet = std::make_unique<XDBHeizungSanSet>(&Datenbank());
    OeffneSanierung(*m_pSet, [this] { FuelleListe(); });
    return true;
}

double CHeizkesselSanDBDlg::KleinsteLeistung()
{
    if (!m_pSet || !m_pSet->IsOpen())
        return 0;
    // Always the whole table, also after a name was looked up or deleted.
    m_pSet->m_strFilter.clear();
    m_pSet->Requery();
    if (m_pSet->IsEOF() || m_Heizung.Sanbar == 0)
        return 0;
    double kleinste = 1e7;
    for (; !m_pSet->IsEOF(); m_pSet->MoveNext())
        if (m_pSet->LeistungAb > 0)
            kleinste = std::min(kleinste, m_pSet->LeistungAb);
    return kleinste;
}

void CHeizkesselSanDBDlg::FuelleListe()
{
    m_gefunden = false;
    const double a = KleinsteLeistung();
    double p = m_Normheizlast;
    if (m_Heizung.Verteilungsnutzungsgrad > 1e-8)
        p = m_Normheizlast / m_Heizung.Verteilungsnutzungsgrad;
    // At least the smallest boilers of the table are offered.
    p = std::max(p, a);
    m_Leistung = p;
    m_pSet->LeistungParam = p;
    m_pSet->LeistungParam2 = p;
    m_pSet->BrennstoffParam = m_Heizung.Brennstoff;
    m_pSet->m_strFilter = XDBHeizungSanSet::Leistungsfilter;
    // A heating that may not be renovated is offered nothing.
    if (m_Heizung.Sanbar == 0)
        m_pSet->m_strFilter = std::string("0");
    FuelleNamensliste(m_BezeichnungCombo, *m_pSet);
    WaehleErstenEintrag(m_BezeichnungCombo);
    ZeigeAuswahl();
}

void CHeizkesselSanDBDlg::ZeigeAuswahl()
{
    m_gefunden = false;
    for (QLabel* wert : {m_PreisText, m_LebensdauerText, m_Kennwerte.abgas, m_Kennwerte.strahlung,
                         m_Kennwerte.bereitschaft, m_Kennwerte.nutzungsgrad})
        wert->clear();
    m_Kennwerte.Zeige(0);
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    m_gefunden = SucheAuswahl(m_BezeichnungCombo, *m_pSet);
    if (!m_gefunden)
        return;
    const SanZeileHeizkessel zeile = m_pSet->Zeile();
    m_Kennwerte.Zeige(zeile.Kesselnutzungsgrad);
    m_Kennwerte.abgas->setText(Stellen(zeile.Abgasverlust * 100));
    m_Kennwerte.strahlung->setText(Stellen(zeile.Strahlungsverlust * 100));
    m_Kennwerte.bereitschaft->setText(Stellen(zeile.Bereitschaftsverlust * 100));
    m_Kennwerte.nutzungsgrad->setText(Stellen(zeile.Kesselnutzungsgrad * 100));
    const double zentralheizung = m_pOptionen != nullptr ? m_pOptionen->Zentralheizung : 0;
    const double tauschen = m_pOptionen != nullptr ? m_pOptionen->HeizkesselTauschen : 0;
    m_Gesamtpreis = BerechneHeizkesselPreis(zeile, m_Heizung.Einzelheiz != 0, zentralheizung, m_Energiebezugsflaeche,
                                            tauschen);
    m_PreisText->setText(Stellen(m_Gesamtpreis));
    m_LebensdauerText->setText(Stellen(zeile.Lebensdauer));
    m_UebernehmenButton->setEnabled(true);
    m_LoeschenButton->setEnabled(zeile.Kategorie == 0);
}

void CHeizkesselSanDBDlg::OnLoeschen()
{
    if (!m_gefunden || m_pSet->Kategorie != 0)
        return;
    if (LoescheSanierungsmassnahme(*m_pSet, m_pSet->Name))
        Sicher([this] { FuelleListe(); });
}

void CHeizkesselSanDBDlg::OnOK()
{
    // Only a boiler that is shown can be taken.
    if (!m_gefunden)
        return;
    const SanZeileHeizkessel zeile = m_pSet->Zeile();
    m_Heizung.Name = zeile.Name;
    m_Heizung.Langtext = zeile.Langtext;
    m_Heizung.Einzelheiz = 0;
    m_Heizung.EtaEinzel = 0;
    m_Heizung.Nennwaermeleistung = (zeile.LeistungAb + zeile.LeistungBis) * 0.5;
    m_Heizung.Jahresnutzungsgrad = zeile.Kesselnutzungsgrad;
    m_Heizung.Strahlungsverlust = zeile.Strahlungsverlust;
    m_Heizung.Abgasverlust = zeile.Abgasverlust;
    m_Heizung.Bereitschaftsverlust = zeile.Bereitschaftsverlust;
    m_Heizung.Preis = m_Gesamtpreis;
    m_Heizung.Lebensdauer = zeile.Lebensdauer;
    m_Heizung.Kea = zeile.KEA;
    m_Heizung.Co2 = zeile.CO2;
    DatenDialog::OnOK();
}

} // namespace zeva
