#include "database/CFensterBestandDBDlg.h"

#include "database/DBODBCRahmenSet.h"
#include "database/DBODBCVerglasungSet.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

QLabel* Wert(QWidget* eltern, int id)
{
    auto* wert = new QLabel(eltern);
    SetzeId(wert, id);
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setMinimumWidth(wert->fontMetrics().horizontalAdvance(QStringLiteral("0,000000000")));
    return wert;
}

QLabel* Rechts(QWidget* eltern, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), eltern);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

CFensterBestandDBDlg::CFensterBestandDBDlg(QWidget* parent) : CDatenbankDialog(parent)
{
    setWindowTitle(QStringLiteral("Bestandsdatenbank Fenster"));

    auto* glas = new QGroupBox(QStringLiteral("Glas"), this);
    auto* glasGitter = new QGridLayout(glas);
    auto* glasName = new QLabel(QStringLiteral("&Bezeichnung:"), glas);
    m_GlasCombo = Namensauswahl(glas, 1227);
    glasName->setBuddy(m_GlasCombo);
    m_UWertGlasText = Wert(glas, 1229);
    m_gWertText = Wert(glas, 1075);
    m_LoeschenGlasButton = Knopf(glas, QStringLiteral("&Löschen"), 1230);
    glasGitter->addWidget(glasName, 0, 0);
    glasGitter->addWidget(m_GlasCombo, 0, 1, 1, 4);
    glasGitter->addWidget(Rechts(glas, "U-Wert"), 1, 0);
    glasGitter->addWidget(m_UWertGlasText, 1, 1);
    glasGitter->addWidget(new QLabel(QStringLiteral("W/m²K"), glas), 1, 2);
    glasGitter->addWidget(Rechts(glas, "g-Wert"), 2, 0);
    glasGitter->addWidget(m_gWertText, 2, 1);
    glasGitter->addWidget(m_LoeschenGlasButton, 2, 4);
    glasGitter->setColumnStretch(3, 1);

    auto* rahmen = new QGroupBox(QStringLiteral("Rahmen"), this);
    auto* rahmenGitter = new QGridLayout(rahmen);
    auto* rahmenName = new QLabel(QStringLiteral("Be&zeichnung:"), rahmen);
    m_RahmenCombo = Namensauswahl(rahmen, 1228);
    rahmenName->setBuddy(m_RahmenCombo);
    m_UWertRahmenText = Wert(rahmen, 1054);
    m_LoeschenRahmenButton = Knopf(rahmen, QStringLiteral("L&öschen"), 1031);
    rahmenGitter->addWidget(rahmenName, 0, 0);
    rahmenGitter->addWidget(m_RahmenCombo, 0, 1, 1, 4);
    rahmenGitter->addWidget(Rechts(rahmen, "U-Wert"), 1, 0);
    rahmenGitter->addWidget(m_UWertRahmenText, 1, 1);
    rahmenGitter->addWidget(new QLabel(QStringLiteral("W/m²K"), rahmen), 1, 2);
    rahmenGitter->addWidget(m_LoeschenRahmenButton, 1, 4);
    rahmenGitter->setColumnStretch(3, 1);

    auto* links = new QVBoxLayout;
    links->addWidget(glas);
    links->addWidget(rahmen);

    const Knopfspalte knoepfe = ErzeugeKnopfspalte(false);
    m_UebernehmenButton = knoepfe.uebernehmen;

    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(knoepfe.spalte);

    connect(m_LoeschenGlasButton, &QPushButton::clicked, this, [this] { OnLoeschenGlas(); });
    connect(m_LoeschenRahmenButton, &QPushButton::clicked, this, [this] { OnLoeschenRahmen(); });
    connect(m_GlasCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeGlas(); }); });
    connect(m_RahmenCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeRahmen(); }); });
    m_GlasCombo->installEventFilter(this);
    m_RahmenCombo->installEventFilter(this);
}

CFensterBestandDBDlg::~CFensterBestandDBDlg() = default;

bool CFensterBestandDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pVerglasungSet = std::make_unique<DBODBCVerglasungSet>(&Datenbank());
    m_pRahmenSet = std::make_unique<DBODBCRahmenSet>(&Datenbank());
    OeffneBestand({m_pVerglasungSet.get(), m_pRahmenSet.get()}, [this] {
        FuelleGlasliste();
        FuelleRahmenliste();
    });
    UebernimmSofort();
    return true;
}

bool CFensterBestandDBDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    // A list that gets the focus shows its row afresh.
    if (ereignis->type() == QEvent::FocusIn && m_pVerglasungSet != nullptr) {
        if (objekt == m_GlasCombo)
            Sicher([this] { ZeigeGlas(); });
        else if (objekt == m_RahmenCombo)
            Sicher([this] { ZeigeRahmen(); });
    }
    return CDatenbankDialog::eventFilter(objekt, ereignis);
}

void CFensterBestandDBDlg::SetzeUebernehmen()
{
    m_UebernehmenButton->setEnabled(m_glasGefunden && m_rahmenGefunden);
}

void CFensterBestandDBDlg::FuelleGlasliste()
{
    m_glasGefunden = false;
    m_UWertGlasText->clear();
    m_gWertText->clear();
    m_LoeschenGlasButton->setEnabled(false);
    SetzeUebernehmen();
    m_pVerglasungSet->m_strFilter.clear();
    FuelleNamensliste(m_GlasCombo, *m_pVerglasungSet);
    WaehleVorgabe(m_GlasCombo, QString::fromUtf8(VorgabeGlas));
    ZeigeGlas();
}

void CFensterBestandDBDlg::FuelleRahmenliste()
{
    m_rahmenGefunden = false;
    m_UWertRahmenText->clear();
    m_LoeschenRahmenButton->setEnabled(false);
    SetzeUebernehmen();
    m_pRahmenSet->m_strFilter.clear();
    FuelleNamensliste(m_RahmenCombo, *m_pRahmenSet);
    WaehleVorgabe(m_RahmenCombo, QString::fromUtf8(VorgabeRahmen));
    ZeigeRahmen();
}

void CFensterBestandDBDlg::ZeigeGlas()
{
    m_glasGefunden = false;
    m_UWertGlasText->clear();
    m_gWertText->clear();
    m_LoeschenGlasButton->setEnabled(false);
    SetzeUebernehmen();
    auto& set = *m_pVerglasungSet;
    m_glasGefunden = SucheAuswahl(m_GlasCombo, set);
    if (m_glasGefunden) {
        m_UWertGlasText->setText(UWertText(set.kWert));
        m_gWertText->setText(Stellen(set.gWert));
        m_LoeschenGlasButton->setEnabled(set.Kategorie == 0);
    }
    SetzeUebernehmen();
}

void CFensterBestandDBDlg::ZeigeRahmen()
{
    m_rahmenGefunden = false;
    m_UWertRahmenText->clear();
    m_LoeschenRahmenButton->setEnabled(false);
    SetzeUebernehmen();
    auto& set = *m_pRahmenSet;
    m_rahmenGefunden = SucheAuswahl(m_RahmenCombo, set);
    if (m_rahmenGefunden) {
        m_UWertRahmenText->setText(UWertText(set.kWert));
        m_LoeschenRahmenButton->setEnabled(set.Kategorie == 0);
    }
    SetzeUebernehmen();
}

void CFensterBestandDBDlg::OnLoeschenGlas()
{
    if (!m_glasGefunden || m_pVerglasungSet->Kategorie != 0)
        return;
    auto& set = *m_pVerglasungSet;
    const QString frage = QStringLiteral("Verglasung ''") + QString::fromStdString(set.Name) +
                          QStringLiteral("'' aus der Datenbank löschen?");
    if (LoescheNachFrage(frage, [&set] { set.Delete(); }))
        Sicher([this] { FuelleGlasliste(); });
}

void CFensterBestandDBDlg::OnLoeschenRahmen()
{
    if (!m_rahmenGefunden || m_pRahmenSet->Kategorie != 0)
        return;
    auto& set = *m_pRahmenSet;
    const QString frage = QStringLiteral("Rahmen ''") + QString::fromStdString(set.Name) +
                          QStringLiteral("'' aus der Datenbank löschen?");
    if (LoescheNachFrage(frage, [&set] { set.Delete(); }))
        Sicher([this] { FuelleRahmenliste(); });
}

void CFensterBestandDBDlg::OnOK()
{
    if (!(m_glasGefunden && m_rahmenGefunden)) {
        // Nothing complete to take: the immediate take-over ends as cancelled.
        if (SofortLaeuft())
            EndDialog(QDialog::Rejected);
        return;
    }
    const auto& glas = *m_pVerglasungSet;
    const auto& rahmen = *m_pRahmenSet;
    m_Bauteil.NameGlas = glas.Name;
    m_Bauteil.NameRahmen = rahmen.Name;
    m_Bauteil.Langtext = glas.Langtext + " " + rahmen.Langtext;
    m_Bauteil.kWertGlas = glas.kWert;
    m_Bauteil.gWert = glas.gWert;
    m_Bauteil.kWertRahmen = rahmen.kWert;
    DatenDialog::OnOK();
}

} // namespace zeva
