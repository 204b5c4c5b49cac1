#include "database/CBestandDBDlg.h"

#include "database/Bestandsdatenbank.h"
#include "database/DBODBCBauteiltypSet.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

namespace {

const char* VorgabeText(Bauteilart art)
{
    switch (art) {
    case Bauteilart::Boden: return "Ortbeton, schw. Estrich";
    case Bauteilart::Decke: return "Holzdecke, begehbar";
    case Bauteilart::Flachdach: return "Warmdach";
    case Bauteilart::Steildach: return "Sparrensteildach, ungedämmt";
    case Bauteilart::Wand: return "Hohlblockmauerwerk 30 cm";
    }
    return "";
}

} // namespace

QString CBestandDBDlg::Titel(Bauteilart art)
{
    return QStringLiteral("Bestandsdatenbank ") + QString::fromUtf8(Tabellen(art).typen);
}

QString CBestandDBDlg::Vorgabe(Bauteilart art)
{
    return QString::fromUtf8(VorgabeText(art));
}

CBestandDBDlg::CBestandDBDlg(Bauteilart art, int hausBaujahr, QWidget* parent)
    : CDatenbankDialog(parent), m_art(art), m_hausBaujahr(hausBaujahr)
{
    setWindowTitle(Titel(art));

    auto* links = new QVBoxLayout;
    links->addLayout(ErzeugeJahresfilter());
    auto* bezeichnung = new QLabel(QStringLiteral("Be&zeichnung"), this);
    m_BezeichnungCombo = Namensauswahl(this, 1106);
    bezeichnung->setBuddy(m_BezeichnungCombo);
    links->addWidget(bezeichnung);
    links->addWidget(m_BezeichnungCombo);

    links->addWidget(Wertkasten(QStringLiteral("U-Wert"), 1053, QStringLiteral("W/m²K"), &m_UWertText));
    links->addStretch();

    const Knopfspalte knoepfe = OrdneBrowseDialogAn(links, true, [this] { OnLoeschen(); });
    m_UebernehmenButton = knoepfe.uebernehmen;
    m_LoeschenButton = knoepfe.loeschen;

    connect(m_BezeichnungCombo, &QComboBox::activated, this, [this] { Sicher([this] { ZeigeAuswahl(); }); });
}

CBestandDBDlg::~CBestandDBDlg() = default;

void CBestandDBDlg::DoDataExchange(DatenAustausch& dx)
{
    TauscheJahresfilter(dx, true);
}

bool CBestandDBDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    SetzeJahresfilter(m_hausBaujahr);

    m_pBauteilSet = DBODBCBauteiltypSet::Erzeuge(m_art, &Datenbank());
    OeffneBestand({m_pBauteilSet.get()}, [this] { FuelleListe(); });
    UebernimmSofort();
    return true;
}

void CBestandDBDlg::FuelleListe()
{
    // Until the list is read again nothing counts as shown.
    m_gefunden = false;
    m_UWertText->clear();
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    auto& set = *m_pBauteilSet;
    if (m_bBaujahrEinschraenken != 0) {
        // Both markers take the year: [BaujahrAb] <= year <= [BaujahrBis].
        set.BJParam = m_nBaujahr;
        set.IDParam() = m_nBaujahr;
        set.m_strFilter = DBODBCBauteiltypSet::Jahresfilter;
    } else {
        set.m_strFilter.clear();
    }
    FuelleNamensliste(m_BezeichnungCombo, set);
    if (m_bBaujahrEinschraenken != 0)
        WaehleErstenEintrag(m_BezeichnungCombo);
    else
        WaehleVorgabe(m_BezeichnungCombo, Vorgabe(m_art));
    ZeigeAuswahl();
}

void CBestandDBDlg::ZeigeAuswahl()
{
    m_gefunden = false;
    m_UWertText->clear();
    m_UebernehmenButton->setEnabled(false);
    m_LoeschenButton->setEnabled(false);

    auto& set = *m_pBauteilSet;
    m_gefunden = SucheAuswahl(m_BezeichnungCombo, set);
    if (!m_gefunden)
        return;
    m_UWertText->setText(UWertText(set.kWert));
    m_UebernehmenButton->setEnabled(true);
    m_LoeschenButton->setEnabled(set.Kategorie == 0);
}

void CBestandDBDlg::OnLoeschen()
{
    if (!m_gefunden || m_pBauteilSet->Kategorie != 0)
        return;
    auto& set = *m_pBauteilSet;
    const QString frage = QString::fromUtf8(Tabellen(m_art).typen) + QStringLiteral(" ''") +
                          QString::fromStdString(set.Name) + QStringLiteral("'' aus der Datenbank löschen?");
    if (LoescheNachFrage(frage, [&set] { set.LoescheMitSchichten(); }))
        Sicher([this] { FuelleListe(); });
}

bool CBestandDBDlg::UebernehmeAuswahl(bool& lesefehler)
{
    lesefehler = false;
    if (!m_gefunden)
        return false;
    const BauteiltypZeile typ = m_pBauteilSet->Zeile();
    std::vector<SchichtaufbauZeile> schichten;
    try {
        schichten = LeseSchichtaufbau(Datenbank(), m_art, typ.ID);
    } catch (const std::exception&) {
        // A build-up cut short would no longer match the type's U-value: the
        // record is left as it came.
        ZeigeLesefehler();
        lesefehler = true;
        return false;
    }
    Uebernimm(typ, schichten);
    return true;
}

void CBestandDBDlg::OnOK()
{
    bool lesefehler = false;
    if (UebernehmeAuswahl(lesefehler)) {
        DatenDialog::OnOK();
        return;
    }
    // Nothing to take: the immediate take-over, and a take-over whose layers
    // could not be read, end as cancelled; otherwise the dialog stays open.
    if (SofortLaeuft() || lesefehler)
        EndDialog(QDialog::Rejected);
}

} // namespace zeva
