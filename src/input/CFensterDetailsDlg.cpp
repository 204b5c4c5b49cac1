#include "input/CFensterDetailsDlg.h"

#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

QLineEdit* Zahlenfeld(QWidget* eltern, int id)
{
    auto* f = ErzeugeMitId<QLineEdit>(eltern, id);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(f->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
    return f;
}

} // namespace

CFensterDetailsDlg::CFensterDetailsDlg(QWidget* parent) : DatenDialog(parent)
{
    setWindowTitle(QStringLiteral("Fensterdetails"));

    m_NummerText = ErzeugeMitId<QLabel>(this, 1074);
    m_NummerText->setText(QStringLiteral("0"));
    auto* nummer = new QHBoxLayout;
    auto* nummerLabel = new QLabel(QStringLiteral("Bearbeitet wird Fenster Nr."), this);
    nummerLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nummer->addWidget(nummerLabel, 1);
    nummer->addWidget(m_NummerText);

    auto* sanierung = new QGroupBox(QStringLiteral("Sanierung"), this);
    m_MoeglichCheck = ErzeugeMitId<QCheckBox>(sanierung, 1180);
    m_MoeglichCheck->setText(QStringLiteral("&möglich"));
    // Required renovation, its costs and the facade flag are not offered
    // here; their values pass from the record to the record.
    m_ErforderlichCheck = ErzeugeMitId<QCheckBox>(sanierung, 1181);
    m_ErforderlichCheck->setText(QStringLiteral("erfor&derlich"));
    m_ErforderlichCheck->setVisible(false);
    m_SowiesoEdit = ErzeugeMitId<QLineEdit>(sanierung, 1000);
    m_SowiesoEdit->setVisible(false);
    m_SowiesoEdit->setEnabled(false);
    m_GesamteFassadeCheck = ErzeugeMitId<QCheckBox>(sanierung, 1031);
    m_GesamteFassadeCheck->setText(QStringLiteral("Gesamte Fassade betrachten"));
    m_GesamteFassadeCheck->setVisible(false);
    auto* sanLayout = new QVBoxLayout(sanierung);
    sanLayout->addWidget(m_MoeglichCheck);
    sanLayout->addWidget(m_ErforderlichCheck);
    sanLayout->addWidget(m_SowiesoEdit);
    sanLayout->addWidget(m_GesamteFassadeCheck);

    m_UWertGlasEdit = Zahlenfeld(this, 1132);
    m_UWertRahmenEdit = Zahlenfeld(this, 1055);
    m_GWertEdit = Zahlenfeld(this, 1075);
    m_ReduktionEdit = Zahlenfeld(this, 1054);
    auto* werte = new QGridLayout;
    const auto zeile = [&](int z, const char* text, QLineEdit* feld, const char* einheit) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(feld);
        werte->addWidget(l, z, 0);
        werte->addWidget(feld, z, 1);
        werte->addWidget(new QLabel(QString::fromUtf8(einheit), this), z, 2);
    };
    zeile(0, "U-Wert &Glas", m_UWertGlasEdit, "W/m²K");
    zeile(1, "U-Wert &Rahmen", m_UWertRahmenEdit, "W/m²K");
    zeile(2, "g-&Wert", m_GWertEdit, " %");
    zeile(3, "Reduktions&faktor", m_ReduktionEdit, "  -");

    auto* neigung = new QGroupBox(QStringLiteral("Neigung"), this);
    auto* neigungLayout = new QVBoxLayout(neigung);
    const char* neigungen[3] = {"&0° (Wand)", "&45°", "&90° (Decke)"};
    for (int i = 0; i < 3; ++i) {
        m_Neigung[i] = ErzeugeMitId<QRadioButton>(neigung, 1144 + i);
        m_Neigung[i]->setText(QString::fromUtf8(neigungen[i]));
        neigungLayout->addWidget(m_Neigung[i]);
    }

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    SetzeId(ok, 1);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    SetzeId(abbrechen, 2);
    abbrechen->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);

    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(nummer);
    haupt->addWidget(sanierung);
    haupt->addLayout(werte);
    haupt->addWidget(neigung);
    haupt->addLayout(knoepfe);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_MoeglichCheck, &QCheckBox::clicked, this,
            [this] { m_ErforderlichCheck->setEnabled(m_MoeglichCheck->isChecked()); });
    connect(m_ErforderlichCheck, &QCheckBox::clicked, this, [this] { OnErforderlich(); });
}

bool CFensterDetailsDlg::OnInitDialog()
{
    const DFenster& f = m_Bauteil;
    m_NummerText->setText(QString::number(f.Nummer));
    m_dGWert = f.gWert * 100.0;
    m_dUWertGlas = f.kWertGlas;
    m_dUWertRahmen = f.kWertRahmen;
    m_nNeigung = f.Neigung;
    m_dReduktionsfaktor = f.Reduktionsfaktor;
    m_bSanbar = f.Sanbar;
    m_bSanMuss = f.SanMuss;
    m_dSowieso = f.Sowieso;
    m_bGesamteFassadeBetrachten = f.GesamteFassadeBetrachten;
    m_SowiesoEdit->setEnabled(m_bSanMuss != 0);
    m_ErforderlichCheck->setEnabled(m_bSanbar != 0);
    UpdateData(false);
    return true;
}

void CFensterDetailsDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Zahl(m_GWertEdit, m_dGWert, 2, 100);
    dx.Zahl(m_UWertGlasEdit, m_dUWertGlas, 0, 1000000);
    dx.Zahl(m_UWertRahmenEdit, m_dUWertRahmen, 0, 1000000);
    dx.Optionsgruppe({m_Neigung[0], m_Neigung[1], m_Neigung[2]}, m_nNeigung);
    dx.Zahl(m_ReduktionEdit, m_dReduktionsfaktor, 0, 1);
    dx.Kontrollkaestchen(m_MoeglichCheck, m_bSanbar);
    dx.Kontrollkaestchen(m_ErforderlichCheck, m_bSanMuss);
    dx.Zahl(m_SowiesoEdit, m_dSowieso);
    dx.Kontrollkaestchen(m_GesamteFassadeCheck, m_bGesamteFassadeBetrachten);
}

void CFensterDetailsDlg::OnErforderlich()
{
    UpdateData(true);
    m_SowiesoEdit->setEnabled(m_bSanMuss != 0);
}

void CFensterDetailsDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    DFenster& f = m_Bauteil;
    f.gWert = m_dGWert * 0.01;
    f.kWertGlas = m_dUWertGlas;
    f.kWertRahmen = m_dUWertRahmen;
    // An inclination the radios do not know stays as it was rather than
    // becoming an undefined class.
    if (m_nNeigung >= 0)
        f.Neigung = m_nNeigung;
    f.Reduktionsfaktor = m_dReduktionsfaktor;
    f.Sanbar = m_bSanbar;
    f.SanMuss = m_bSanMuss != 0 && m_bSanbar != 0 ? 1 : 0;
    f.Sowieso = m_dSowieso;
    f.GesamteFassadeBetrachten = m_bGesamteFassadeBetrachten;
    if (EinzelModus == 0 && m_empfaenger != nullptr) {
        m_empfaenger->DetailsUebernehmen(m_Bauteil);
        m_empfaenger->DetailsGeschlossen();
    }
    EndDialog(QDialog::Accepted);
}

void CFensterDetailsDlg::OnCancel()
{
    if (EinzelModus == 0 && m_empfaenger != nullptr)
        m_empfaenger->DetailsGeschlossen();
    EndDialog(QDialog::Rejected);
}

} // namespace zeva
