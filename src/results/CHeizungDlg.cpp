#include "results/CHeizungDlg.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "results/Ergebnisseiten.h"
#include "results/Kennzahlfelder.h"
#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QVBoxLayout>

namespace zeva {

CHeizungDlg::CHeizungDlg(QWidget* parent, std::function<const DOptionen&()> optionen)
    : CBaseDialog(parent), m_Optionen(std::move(optionen))
{
    setObjectName(QStringLiteral("CHeizungDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    m_Energietraeger = NeuesKennzahlfeld(this, layout, 1014, QStringLiteral("Energieträger"));
    m_Heizenergie = NeuesKennzahlfeld(this, layout, 1018, QStringLiteral("Heizenergiebedarf"));
    m_Co2 = NeuesKennzahlfeld(this, layout, 1015, QStringLiteral("CO2-Ausstoß"));
    m_Verbrauch = NeuesKennzahlfeld(this, layout, 1016, QStringLiteral("Verbrauch"));
    m_Kosten = NeuesKennzahlfeld(this, layout, 1017, QStringLiteral("Heizkosten"));
}

CWertButton* CHeizungDlg::Feld(int id) const
{
    return FindeDirektId<CWertButton>(this, id);
}

bool CHeizungDlg::OnInitDialog()
{
    m_Energietraeger->SetzeEinheit(QString());
    m_Energietraeger->SetzeText(QString());
    const std::uint16_t zweiWerte = CWertButton::WB_ZWEI_WERTE | CWertButton::WB_EXPONENT;
    struct Anfang {
        CWertButton* feld;
        std::uint16_t stil;
        const char* einheitJahr;
        const char* einheitQm;
    };
    for (const Anfang& a : {Anfang{m_Heizenergie, zweiWerte, "kWh/a", "kWh/(m²a)"},
                            Anfang{m_Co2, zweiWerte, "t/a", "kg/(m²a)"},
                            Anfang{m_Verbrauch, zweiWerte, "l/a", "l/(m²a)"},
                            Anfang{m_Kosten, static_cast<std::uint16_t>(zweiWerte | CWertButton::WB_FREIE_STELLEN),
                                   "EUR/a", "EUR/(m²a)"}}) {
        a.feld->SetzeStil(a.stil);
        a.feld->SetzeEinheit(QString::fromUtf8(a.einheitJahr), 0);
        a.feld->SetzeEinheit(QString::fromUtf8(a.einheitQm), 1);
        a.feld->SetzeWert(0, 0);
        a.feld->SetzeWert(0, 1);
    }
    CBaseDialog::OnInitDialog();
    PasseKennzahlfelderAn(this, {m_Energietraeger, m_Heizenergie, m_Co2, m_Verbrauch, m_Kosten});
    return true;
}

void CHeizungDlg::Aktualisiere(CZEVADoc& dokument)
{
    Haus bestand(dokument.HausRef());
    BerechneSeitenleistenbestand(bestand);
    ZeigeVariante(bestand, 0);
}

void CHeizungDlg::SetzeVerbrauch(double wert, const QString& einheit, bool proJahr)
{
    if (proJahr) {
        m_Verbrauch->SetzeWert(wert, 0);
        m_Verbrauch->SetzeEinheit(einheit + QStringLiteral("/a"), 0);
    } else {
        m_Verbrauch->SetzeWert(wert, 1);
        m_Verbrauch->SetzeEinheit(einheit + QStringLiteral("/(m²a)"), 1);
    }
}

void CHeizungDlg::ZeigeVariante(const Haus& haus, int n)
{
    if (!haus.IstZustand(n))
        return;
    const auto i = static_cast<std::size_t>(n);
    const DBedarf& bedarf = haus.m_aBedarf[i];
    const DHeizung& heizung = haus.m_aHeizung[i];
    const double f = haus.Energiebezugsflaeche;
    const QString einheit = QString::fromStdString(BrennstoffMengeneinheit(heizung.Brennstoff));
    m_Energietraeger->SetzeText(QString::fromStdString(BrennstoffAnzeige(heizung.Brennstoff)), 0);

    // Only the monthly balances give a fuel energy, and only a heating that
    // turns heat into fuel energy gives one that means something.
    const int verfahren = haus.Berechnungsverfahren;
    const bool gueltig = (verfahren == BerechnungEnEV || verfahren == BerechnungSIA) && haus.EndenergieBerechenbar(n);
    if (!gueltig) {
        const QString strich = QString::fromUtf8(KeinWert.data(), static_cast<qsizetype>(KeinWert.size()));
        for (CWertButton* feld : {m_Heizenergie, m_Co2, m_Verbrauch, m_Kosten}) {
            feld->SetzeText(strich, 0);
            feld->SetzeText(strich, 1);
        }
        m_Verbrauch->SetzeEinheit(einheit + QStringLiteral("/a"), 0);
        m_Verbrauch->SetzeEinheit(einheit + QStringLiteral("/(m²a)"), 1);
        repaint();
        return;
    }

    const double e = Heizenergiebedarf(bedarf, verfahren);
    m_Heizenergie->SetzeWert(e * f, 0);
    m_Heizenergie->SetzeWert(e, 1);
    m_Co2->SetzeWert(Co2Gesamt(bedarf, heizung, f), 0);
    m_Co2->SetzeWert(Co2ProQm(bedarf, heizung), 1);
    SetzeVerbrauch(BrennstoffmengeGesamt(bedarf, heizung, f), einheit, true);
    SetzeVerbrauch(BrennstoffmengeProQm(bedarf, heizung), einheit, false);
    const DOptionen& optionen = m_Optionen();
    m_Kosten->SetzeWert(HeizkostenGesamt(bedarf, heizung, optionen, f), 0);
    m_Kosten->SetzeWert(HeizkostenProQm(bedarf, heizung, optionen), 1);
    repaint();
}

} // namespace zeva
