#include "shell/OptProgSan.h"

#include "model/DOptionen.h"
#include "ui/SteuerelementId.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

OptProgSan::OptProgSan(DOptionen& optionen, QWidget* parent)
    : OptionenSeite(optionen, QString::fromUtf8(Titeltext), parent)
{
    const char* const texte[3] = {"Maximiere jährliche Einsparung pro 1.000 EUR Investitionskosten",
                                  "Maximiere die &Energieeinsparung bei gegebenen Kosten",
                                  "Minimiere die &Kosten bei gegebenem Verbrauch"};
    auto* gruppe = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        m_kriterium[i] = new QRadioButton(QString::fromUtf8(texte[i]), this);
        SetzeId(m_kriterium[i], 1216 + i);
        gruppe->addButton(m_kriterium[i], i);
        layout->addWidget(m_kriterium[i]);
    }
    connect(gruppe, &QButtonGroup::idClicked, this, [this](int) { ZeigeGrenze(); });

    auto* zeile = new QHBoxLayout;
    m_grenzeLabel = new QLabel(QString::fromUtf8(LabelKosten), this);
    m_grenze = new QLineEdit(this);
    m_grenzeEinheit = new QLabel(QString::fromUtf8(EinheitKosten), this);
    m_grenzeLabel->setBuddy(m_grenze);
    SetzeId(m_grenzeLabel, 1260);
    SetzeId(m_grenze, 1259);
    SetzeId(m_grenzeEinheit, 1261);
    zeile->addSpacing(20);
    zeile->addWidget(m_grenzeLabel);
    zeile->addWidget(m_grenze);
    zeile->addWidget(m_grenzeEinheit);
    zeile->addStretch();
    layout->addLayout(zeile);

    auto* anzahlZeile = new QHBoxLayout;
    auto* vor = new QLabel(QStringLiteral("E&rmittle die"), this);
    m_anzahl = new QLineEdit(this);
    m_anzahl->setMaximumWidth(60);
    SetzeId(m_anzahl, 1258);
    vor->setBuddy(m_anzahl);
    anzahlZeile->addWidget(vor);
    anzahlZeile->addWidget(m_anzahl);
    anzahlZeile->addWidget(new QLabel(QStringLiteral("besten Kombinationen"), this));
    anzahlZeile->addStretch();
    layout->addSpacing(12);
    layout->addLayout(anzahlZeile);
    layout->addStretch();
}

int OptProgSan::Kriterium() const
{
    for (int i = 0; i < 3; ++i)
        if (m_kriterium[i]->isChecked())
            return i;
    return -1;
}

void OptProgSan::ZeigeGrenze()
{
    const int k = Kriterium();
    const bool zeigen = k == 1 || k == 2;
    if (zeigen) {
        m_grenzeLabel->setText(QString::fromUtf8(k == 1 ? LabelKosten : LabelVerbrauch));
        m_grenzeEinheit->setText(QString::fromUtf8(k == 1 ? EinheitKosten : EinheitVerbrauch));
    }
    // The edit keeps its text while hidden, so the previous limit comes back
    // with the row.
    for (QWidget* w : {static_cast<QWidget*>(m_grenzeLabel), static_cast<QWidget*>(m_grenze),
                       static_cast<QWidget*>(m_grenzeEinheit)}) {
        w->setEnabled(zeigen);
        w->setVisible(zeigen);
    }
}

void OptProgSan::DoDataExchange(DatenAustausch& dx, DOptionen& optionen)
{
    // A record whose criterion is none of the three (a damaged project) keeps
    // it until the user picks one.
    int index = optionen.Index;
    dx.Optionsgruppe({m_kriterium[0], m_kriterium[1], m_kriterium[2]}, index);
    if (dx.Speichern() && index >= 0)
        optionen.Index = index;

    // The limit of criterion 0 is hidden and cannot be corrected there, so it
    // is neither checked nor taken while that criterion is chosen.
    if (!dx.Speichern() || Kriterium() > 0) {
        double grenze = optionen.GetGrenze();
        dx.Zahl(m_grenze, grenze);
        if (dx.Speichern())
            optionen.SetGrenze(grenze);
    }
    dx.Ganzzahl(m_anzahl, optionen.AnzahlVarianten, 1, 25);
}

} // namespace zeva
