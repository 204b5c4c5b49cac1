#include "shell/OptKosten.h"

#include "model/DOptionen.h"
#include "shell/Eingabezeile.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zeva {

OptKosten::OptKosten(DOptionen& optionen, QWidget* parent)
    : OptionenSeite(optionen, QString::fromUtf8(Titeltext), parent)
{
    struct Brennstoff {
        const char* label;
        int id;
    };
    // Index = fuel code.
    const Brennstoff brennstoffe[8] = {{"&Gas", 1257},        {"Heiz&öl", 1258},
                                       {"&Holz", 1259},       {"&Strom", 1260},
                                       {"(s&onstige)", 1261}, {"Ho&lz-Hackschnitzel", 1263},
                                       {"B&raunkohle", 1265}, {"S&teinkohle", 1266}};

    auto* layout = new QVBoxLayout(this);
    auto* preise = new QGroupBox(this);
    auto* preisGrid = new QGridLayout(preise);
    for (int i = 0; i < 8; ++i)
        m_preis[i] =
            FuegeEingabezeileHinzu(preisGrid, preise, brennstoffe[i].label, brennstoffe[i].id, "EUR/kWh", 100);
    preisGrid->setColumnStretch(3, 1);
    layout->addWidget(preise);

    auto* heizung = new QGroupBox(this);
    auto* heizGrid = new QGridLayout(heizung);
    m_zentralheizung = FuegeEingabezeileHinzu(heizGrid, heizung, "Installation einer &Zentralheizung:", 1262,
                                              "EUR/m² Wohnfläche", 100);
    m_kesselTauschen = FuegeEingabezeileHinzu(heizGrid, heizung, "&Heizkessel austauschen:", 1256, "EUR", 100);
    m_alteHeizung = FuegeEingabezeileHinzu(heizGrid, heizung, "&Alte Heizung erneuern:", 1264, "EUR", 100);
    heizGrid->setColumnStretch(3, 1);
    layout->addWidget(heizung);
    layout->addStretch();
}

void OptKosten::DoDataExchange(DatenAustausch& dx, DOptionen& optionen)
{
    double* const preise[8] = {&optionen.Brennstoffkosten1, &optionen.Brennstoffkosten2,
                               &optionen.Brennstoffkosten3, &optionen.Brennstoffkosten4,
                               &optionen.Brennstoffkosten5, &optionen.Brennstoffkosten6,
                               &optionen.Brennstoffkosten7, &optionen.Brennstoffkosten8};
    for (int i = 0; i < 8; ++i)
        dx.Zahl(m_preis[i], *preise[i], 0, 10);
    dx.Zahl(m_zentralheizung, optionen.Zentralheizung, 0, 1000);
    dx.Zahl(m_kesselTauschen, optionen.HeizkesselTauschen, 0, 100000);
    dx.Zahl(m_alteHeizung, optionen.AlteHeizung, 0, 100000);
}

} // namespace zeva
