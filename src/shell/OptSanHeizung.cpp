#include "shell/OptSanHeizung.h"

#include "model/DOptionen.h"
#include "platform/AustauschZahlen.h"
#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zeva {

namespace {

// The fuel list holds the first five fuel codes, index = code.
constexpr int ListenBrennstoffe = 5;

} // namespace

OptSanHeizung::OptSanHeizung(DOptionen& optionen, const DHeizung& bestand, QWidget* parent)
    : OptionenSeite(optionen, QString::fromUtf8(Titeltext), parent), m_bestand(bestand)
{
    auto* layout = new QVBoxLayout(this);
    auto* gruppe = new QGroupBox(QStringLiteral("Wärmeerzeuger für das sanierte Heizungssystem"), this);
    auto* grid = new QGridLayout(gruppe);
    layout->addWidget(gruppe);
    layout->addStretch();

    // Fuel.
    auto* brennstoffLabel = new QLabel(QStringLiteral("Energie&träger"), gruppe);
    m_brennstoff = new QComboBox(gruppe);
    m_brennstoff->addItems({QStringLiteral("Gas"), QStringLiteral("Öl"), QStringLiteral("fester Brennstoff"),
                            QStringLiteral("Strom"), QStringLiteral("(sonstige)")});
    SetzeId(m_brennstoff, 1006);
    brennstoffLabel->setBuddy(m_brennstoff);
    m_brennstoffBestand = new QCheckBox(QStringLiteral("&wie Bestand"), gruppe);
    SetzeId(m_brennstoffBestand, 1267);
    grid->addWidget(brennstoffLabel, 0, 0);
    grid->addWidget(m_brennstoff, 0, 1, 1, 2);
    grid->addWidget(m_brennstoffBestand, 0, 3);

    // Switch-on time.
    auto* einschaltLabel = new QLabel(QStringLiteral("&Einschaltdauer"), gruppe);
    m_einschaltdauer = new QLineEdit(gruppe);
    SetzeId(m_einschaltdauer, 1148);
    einschaltLabel->setBuddy(m_einschaltdauer);
    m_einschaltdauerBestand = new QCheckBox(QStringLiteral("wie &Bestand"), gruppe);
    SetzeId(m_einschaltdauerBestand, 1268);
    grid->addWidget(einschaltLabel, 1, 0);
    grid->addWidget(m_einschaltdauer, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("h/Jahr"), gruppe), 1, 2);
    grid->addWidget(m_einschaltdauerBestand, 1, 3);

    // Heat distribution: a kind (any text may be typed) and its efficiency.
    auto* verteilungLabel = new QLabel(QStringLiteral("Verteilungs&nutzungsgrad"), gruppe);
    m_verteilung = new QComboBox(gruppe);
    m_verteilung->setEditable(true);
    m_verteilung->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& art : Verteilungsarten)
        m_verteilung->addItem(QString::fromUtf8(art.text));
    SetzeId(m_verteilung, 1271);
    verteilungLabel->setBuddy(m_verteilung);
    m_nutzungsgrad = new QLineEdit(gruppe);
    SetzeId(m_nutzungsgrad, 1270);
    m_verteilungBestand = new QCheckBox(QStringLiteral("wie Be&stand"), gruppe);
    SetzeId(m_verteilungBestand, 1269);
    grid->addWidget(verteilungLabel, 2, 0);
    grid->addWidget(m_verteilung, 2, 1, 1, 3);
    grid->addWidget(m_nutzungsgrad, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), gruppe), 3, 2);
    grid->addWidget(m_verteilungBestand, 3, 3);
    grid->setColumnStretch(1, 1);

    connect(m_brennstoffBestand, &QCheckBox::clicked, this, [this](bool an) { ZeigeBestandBrennstoff(an); });
    connect(m_einschaltdauerBestand, &QCheckBox::clicked, this,
            [this](bool an) { ZeigeBestandEinschaltdauer(an); });
    connect(m_verteilungBestand, &QCheckBox::clicked, this, [this](bool an) { ZeigeBestandVerteilung(an); });
    connect(m_verteilung, &QComboBox::textActivated, this, [this](const QString& text) { VerteilungGewaehlt(text); });
}

void OptSanHeizung::ZeigeBrennstoff(int brennstoff)
{
    // Fuels beyond the list (wood chips, lignite, hard coal) show no entry.
    m_brennstoff->setCurrentIndex(brennstoff >= 0 && brennstoff < ListenBrennstoffe ? brennstoff : -1);
}

void OptSanHeizung::ZeigeBestandBrennstoff(bool an)
{
    if (an)
        ZeigeBrennstoff(m_bestand.Brennstoff);
    m_brennstoff->setEnabled(!an);
}

void OptSanHeizung::ZeigeBestandEinschaltdauer(bool an)
{
    if (an)
        m_einschaltdauer->setText(AustauschZahlText(m_bestand.Bereitschaftszeit));
    m_einschaltdauer->setEnabled(!an);
}

void OptSanHeizung::ZeigeBestandVerteilung(bool an)
{
    if (an) {
        m_verteilung->setEditText(QString::fromStdString(m_bestand.Heizungsverteilung));
        m_nutzungsgrad->setText(AustauschZahlText(m_bestand.Verteilungsnutzungsgrad * 100));
    }
    m_verteilung->setEnabled(!an);
    m_nutzungsgrad->setEnabled(!an);
}

void OptSanHeizung::VerteilungGewaehlt(const QString& text)
{
    for (const auto& art : Verteilungsarten)
        if (text == QString::fromUtf8(art.text)) {
            m_nutzungsgrad->setText(AustauschZahlText(art.prozent));
            return;
        }
}

void OptSanHeizung::DoDataExchange(DatenAustausch& dx, DOptionen& optionen)
{
    dx.Kontrollkaestchen(m_brennstoffBestand, optionen.BrennstoffBeibehalten);
    dx.Kontrollkaestchen(m_einschaltdauerBestand, optionen.EinschaltdauerBeibehalten);
    dx.Kontrollkaestchen(m_verteilungBestand, optionen.WaermeverteilungBeibehalten);

    if (!dx.Speichern()) {
        // A ticked row shows the existing building's value (NachAnzeige);
        // the others show the record.
        ZeigeBrennstoff(optionen.Brennstoff);
        dx.Zahl(m_einschaltdauer, optionen.Einschaltdauer);
        dx.Text(m_verteilung, optionen.HeizungsverteilungsArt);
        double prozent = optionen.Verteilungsnutzungsgrad * 100;
        dx.Zahl(m_nutzungsgrad, prozent);
        return;
    }

    // A ticked row only shows the existing value: the record keeps its own,
    // and a disabled input is never checked.
    if (!m_brennstoffBestand->isChecked()) {
        // No entry chosen (a fuel beyond the list was shown): the record
        // keeps its fuel rather than taking an index of -1.
        const int index = m_brennstoff->currentIndex();
        if (index >= 0)
            optionen.Brennstoff = index;
    }
    if (!m_einschaltdauerBestand->isChecked())
        dx.Zahl(m_einschaltdauer, optionen.Einschaltdauer, 0, 8760);
    if (!m_verteilungBestand->isChecked()) {
        dx.Text(m_verteilung, optionen.HeizungsverteilungsArt);
        double prozent = optionen.Verteilungsnutzungsgrad * 100;
        dx.Zahl(m_nutzungsgrad, prozent);
        if (!dx.Fehlgeschlagen())
            optionen.Verteilungsnutzungsgrad = prozent / 100;
    }
}

void OptSanHeizung::NachAnzeige()
{
    ZeigeBestandBrennstoff(m_brennstoffBestand->isChecked());
    ZeigeBestandEinschaltdauer(m_einschaltdauerBestand->isChecked());
    ZeigeBestandVerteilung(m_verteilungBestand->isChecked());
}

} // namespace zeva
