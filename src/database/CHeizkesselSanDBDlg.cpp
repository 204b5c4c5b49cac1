#include "database/CHeizkesselSanDBDlg.h"

#include "database/XDBHeizungSanSet.h"
#include "model/DOptionen.h"
#include "model/SanierungsZeile.h"
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

namespace zeva {

namespace {

const Wertspalte KesselSpalten[] = {
    {"Preis:", 1055, "EUR", Stellenart::Signifikant},
    {"Lebensdauer:", 1056, "a", Stellenart::Signifikant},
};

} // namespace

CHeizkesselSanDBDlg::CHeizkesselSanDBDlg(QWidget* parent)
    : CSanierungsauswahlDlg(QStringLiteral("Sanierungsdatenbank Heizkessel"), Position::ErsterEintrag, parent)
{
    BaueAuf(nullptr, "Be&zeichnung:", 1106, KesselSpalten, [this](QGridLayout* raster, int zeile) {
        m_Kennwerte = ErzeugeKennwertzeilen(raster, zeile, "Abgas&verlust:", "St&rahlungsverlust:",
                                            "Berei&tschaftsverlust:");
    });
}

CHeizkesselSanDBDlg::~CHeizkesselSanDBDlg() = default;

XDBHeizungSanSet* CHeizkesselSanDBDlg::Set() const
{
    return static_cast<XDBHeizungSanSet*>(Satz());
}

CSanierungsauswahlDlg::Zeilenkopf CHeizkesselSanDBDlg::Kopf() const
{
    return {Set()->Name, Set()->Kategorie};
}

std::unique_ptr<SqlRecordset> CHeizkesselSanDBDlg::ErzeugeSet(SqlDatabase& db)
{
    return std::make_unique<XDBHeizungSanSet>(&db);
}

double CHeizkesselSanDBDlg::KleinsteLeistung()
{
    XDBHeizungSanSet* set = Set();
    if (set == nullptr || !set->IsOpen())
        return 0;
    // Always the whole table, also after a name was looked up or deleted.
    set->m_strFilter.clear();
    set->Requery();
    if (set->IsEOF() || m_Heizung.Sanbar == 0)
        return 0;
    double kleinste = 1e7;
    for (; !set->IsEOF(); set->MoveNext())
        if (set->LeistungAb > 0)
            kleinste = std::min(kleinste, set->LeistungAb);
    return kleinste;
}

void CHeizkesselSanDBDlg::SetzeFilter(SqlRecordset&)
{
    const double a = KleinsteLeistung();
    double p = m_Normheizlast;
    if (m_Heizung.Verteilungsnutzungsgrad > 1e-8)
        p = m_Normheizlast / m_Heizung.Verteilungsnutzungsgrad;
    // At least the smallest boilers of the table are offered.
    p = std::max(p, a);
    m_Leistung = p;
    XDBHeizungSanSet& set = *Set();
    set.LeistungParam = p;
    set.LeistungParam2 = p;
    set.BrennstoffParam = m_Heizung.Brennstoff;
    set.m_strFilter = XDBHeizungSanSet::Leistungsfilter;
    // A heating that may not be renovated is offered nothing.
    if (m_Heizung.Sanbar == 0)
        set.m_strFilter = std::string("0");
}

void CHeizkesselSanDBDlg::VergissZeile()
{
    for (QLabel* wert : {m_Kennwerte.abgas, m_Kennwerte.strahlung, m_Kennwerte.bereitschaft, m_Kennwerte.nutzungsgrad})
        wert->clear();
    m_Kennwerte.Zeige(0);
}

std::vector<double> CHeizkesselSanDBDlg::NimmZeile()
{
    const SanZeileHeizkessel zeile = Set()->Zeile();
    m_Kennwerte.Zeige(zeile.Kesselnutzungsgrad);
    m_Kennwerte.abgas->setText(Stellen(zeile.Abgasverlust * 100));
    m_Kennwerte.strahlung->setText(Stellen(zeile.Strahlungsverlust * 100));
    m_Kennwerte.bereitschaft->setText(Stellen(zeile.Bereitschaftsverlust * 100));
    m_Kennwerte.nutzungsgrad->setText(Stellen(zeile.Kesselnutzungsgrad * 100));
    const double zentralheizung = m_pOptionen != nullptr ? m_pOptionen->Zentralheizung : 0;
    const double tauschen = m_pOptionen != nullptr ? m_pOptionen->HeizkesselTauschen : 0;
    m_Gesamtpreis = BerechneHeizkesselPreis(zeile, m_Heizung.Einzelheiz != 0, zentralheizung, m_Energiebezugsflaeche,
                                            tauschen);
    return {m_Gesamtpreis, zeile.Lebensdauer};
}

void CHeizkesselSanDBDlg::Uebernimm()
{
    const SanZeileHeizkessel zeile = Set()->Zeile();
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
}

} // namespace zeva
