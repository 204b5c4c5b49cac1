#include "database/CBauteilSpeichernDlg.h"

#include "database/Bestandsdatenbank.h"
#include "database/CBauteilSchichtenDlg.h"
#include "database/DBODBCBauteiltypSet.h"
#include "database/Datenbankdateien.h"
#include "model/SchichtUWert.h"
#include "ui/SteuerelementId.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

QLabel* Beschriftung(QWidget* eltern, const QString& text, QWidget* feld)
{
    auto* label = new QLabel(text, eltern);
    label->setBuddy(feld);
    return label;
}

} // namespace

QString CSpeichernDlg::Titel(Bauteilart art)
{
    return QString::fromUtf8(Tabellen(art).typen) + QStringLiteral(" in Datenbank speichern");
}

CSpeichernDlg::CSpeichernDlg(Bauteilart art, QWidget* parent) : CDatenbankDialog(parent), m_art(art)
{
    setWindowTitle(Titel(art));

    m_NameEdit = ErzeugeMitId<QLineEdit>(this, 1106);
    m_DickeEdit = ErzeugeMitId<QLineEdit>(this, 1133);
    m_UWertEdit = ErzeugeMitId<QLineEdit>(this, 1053);
    m_BaujahrAbEdit = ErzeugeMitId<QLineEdit>(this, 1134);
    m_BaujahrBisEdit = ErzeugeMitId<QLineEdit>(this, 1135);
    m_SchichtaufbauKasten = new QCheckBox(QStringLiteral("S&chichtaufbau benutzen"), this);
    SetzeId(m_SchichtaufbauKasten, 1137);
    const Beschreibungsfelder felder = ErzeugeBeschreibungsfelder();
    m_LangtextEdit = felder.langtext;
    m_BitmappfadEdit = felder.bildpfad;
    QPushButton* durchsuchen = felder.durchsuchen;

    auto* gitter = new QGridLayout;
    gitter->addWidget(Beschriftung(this, QStringLiteral("Na&me \n(max. 30 Zeichen):"), m_NameEdit), 0, 0);
    gitter->addWidget(m_NameEdit, 0, 1, 1, 5);
    gitter->addWidget(Beschriftung(this, QStringLiteral("&Dicke:"), m_DickeEdit), 1, 0);
    gitter->addWidget(m_DickeEdit, 1, 1);
    gitter->addWidget(new QLabel(QStringLiteral("cm"), this), 1, 2);
    gitter->addWidget(Beschriftung(this, QStringLiteral("&U-Wert:"), m_UWertEdit), 1, 3);
    gitter->addWidget(m_UWertEdit, 1, 4);
    gitter->addWidget(new QLabel(QStringLiteral("W/m²K"), this), 1, 5);
    gitter->addWidget(Beschriftung(this, QStringLiteral("&gebräuchlich von: "), m_BaujahrAbEdit), 2, 0);
    gitter->addWidget(m_BaujahrAbEdit, 2, 1);
    gitter->addWidget(Beschriftung(this, QStringLiteral("b&is:"), m_BaujahrBisEdit), 2, 3);
    gitter->addWidget(m_BaujahrBisEdit, 2, 4);
    auto* kastenZeile = new QHBoxLayout;
    kastenZeile->addWidget(m_SchichtaufbauKasten);
    kastenZeile->addStretch();
    if (art == Bauteilart::Flachdach) {
        m_Warmdach = new QRadioButton(QStringLiteral("&Warmdach"), this);
        SetzeId(m_Warmdach, 1264);
        m_Kaltdach = new QRadioButton(QStringLiteral("Kaltdach"), this);
        SetzeId(m_Kaltdach, 1265);
        auto* gruppe = new QButtonGroup(this);
        gruppe->addButton(m_Warmdach);
        gruppe->addButton(m_Kaltdach);
        kastenZeile->addWidget(m_Warmdach);
        kastenZeile->addWidget(m_Kaltdach);
    }
    gitter->addLayout(kastenZeile, 3, 0, 1, 6);
    auto* beschreibung = Beschriftung(this, QStringLiteral("&Beschreibung:"), m_LangtextEdit);
    gitter->addWidget(beschreibung, 4, 0, Qt::AlignTop);
    gitter->addWidget(m_LangtextEdit, 4, 1, 1, 5);
    gitter->addWidget(Beschriftung(this, QStringLiteral("&Pfad für Abbildung:"), m_BitmappfadEdit), 5, 0);
    gitter->addWidget(m_BitmappfadEdit, 5, 1, 1, 4);
    gitter->addWidget(durchsuchen, 5, 5);
    gitter->setColumnStretch(1, 1);
    gitter->setColumnStretch(4, 1);

    const Speicherspalte knoepfe = ErzeugeSpeicherspalte(QStringLiteral("Über&nehmen"));
    m_SchichtenButton = Knopf(this, QStringLiteral("&Schichten..."), 1136);
    knoepfe.spalte->addSpacing(12);
    knoepfe.spalte->addWidget(m_SchichtenButton);
    SetzeFelderLayout(gitter, knoepfe.spalte, 560);

    connect(m_SchichtenButton, &QPushButton::clicked, this, [this] { OnSchichten(); });
    connect(m_SchichtaufbauKasten, &QCheckBox::clicked, this, [this] { OnSchichtaufbau(); });
}

CSpeichernDlg::~CSpeichernDlg() = default;

void CSpeichernDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Ganzzahl(m_BaujahrBisEdit, m_nBaujahrBis, 1000, 2100);
    dx.Ganzzahl(m_BaujahrAbEdit, m_nBaujahrAb, 1000, 2100);
    dx.Zahl(m_DickeEdit, m_dDicke);
    dx.Zahl(m_UWertEdit, m_dUWert);
    dx.Text(m_LangtextEdit, m_strLangtext);
    dx.Text(m_NameEdit, m_strName, MaxNamenslaenge);
    dx.Kontrollkaestchen(m_SchichtaufbauKasten, m_bSchichtaufbau);
    if (m_Warmdach != nullptr)
        dx.Optionsgruppe({m_Warmdach, m_Kaltdach}, m_nDachart);
    dx.Text(m_BitmappfadEdit, m_strBitmappfad);
}

bool CSpeichernDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pBauteilSet = DBODBCBauteiltypSet::Erzeuge(m_art, nullptr);
    // Only the connection and the table are checked here; the store reads its key itself.
    m_pBauteilSet->m_strFilter = std::string("0");
    if (!OeffneZumSpeichern(Bestandsdatenbankdatei(), {m_pBauteilSet.get()})) {
        EndDialog(QDialog::Rejected);
        return true;
    }
    const Vorlage v = LeseBauteil();
    m_dDicke = v.dicke * 100;
    m_dUWert = v.kWert;
    m_strLangtext = v.langtext;
    m_strName = v.name;
    if (m_Warmdach != nullptr)
        m_nDachart = v.warmdach ? 0 : 1;
    // The layers decide, not the record's layer flag.
    m_bSchichtaufbau = Schichtaufbau().empty() ? 0 : 1;
    SetzeFreigaben();
    BerechneSchichtUWert();
    UpdateData(false);
    return true;
}

void CSpeichernDlg::BerechneSchichtUWert()
{
    if (m_bSchichtaufbau == 0)
        return;
    // The same rule as the details dialogs, so that the stored U-value is
    // the one the user saw there for these layers.
    const SchichtUWert wert = zeva::BerechneSchichtUWert(Schichtaufbau(), Tabellen(m_art).luftschichtFall);
    m_dDicke = wert.DickeCm;
    m_dUWert = wert.UWert;
}

void CSpeichernDlg::SetzeFreigaben()
{
    const bool schichten = m_bSchichtaufbau != 0;
    m_SchichtenButton->setEnabled(schichten);
    m_DickeEdit->setEnabled(!schichten);
    m_UWertEdit->setEnabled(!schichten);
}

void CSpeichernDlg::OnSchichtaufbau()
{
    if (!UpdateData(true)) {
        // A refused field keeps the former state, and so does the box.
        m_SchichtaufbauKasten->setChecked(m_bSchichtaufbau != 0);
    }
    SetzeFreigaben();
    if (m_bSchichtaufbau != 0 && !Schichtaufbau().empty()) {
        BerechneSchichtUWert();
        UpdateData(false);
    }
}

void CSpeichernDlg::OnSchichten()
{
    if (!UpdateData(true))
        return;
    auto& schichten = Schichtaufbau();
    if (schichten.empty())
        schichten.SetSize(1);
    {
        CBauteilSchichtenDlg dlg(m_art, schichten, this);
        // Closed either way, the layers written so far count.
        dlg.exec();
    }
    EntferneLeereEndschichten(schichten);
    BerechneSchichtUWert();
    UpdateData(false);
}

void CSpeichernDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    BauteiltypZeile typ;
    typ.Name = m_strName;
    typ.Langtext = m_strLangtext;
    typ.Warmdach = m_nDachart == 0 ? 1 : 0;
    typ.Dicke = m_dDicke * 0.01;
    typ.kWert = m_dUWert;
    typ.BaujahrAb = m_nBaujahrAb;
    typ.BaujahrBis = m_nBaujahrBis;
    typ.Bitmappfad = m_strBitmappfad;
    // Every layer is stored, whether the box is ticked or not.
    std::vector<SchichtaufbauZeile> zeilen;
    for (const DSchicht& s : Schichtaufbau()) {
        SchichtaufbauZeile z;
        z.Name = s.Name;
        z.Langtext = s.Langtext;
        z.Dicke = s.Dicke;
        z.Lambda = s.Lambda;
        z.Mu = s.Mu;
        zeilen.push_back(z);
    }
    if (!Speichere([&] { SpeichereBauteiltyp(Datenbank(), m_art, typ, zeilen); }))
        return;
    m_gespeichert = true;
    EndDialog(QDialog::Accepted);
}

} // namespace zeva
