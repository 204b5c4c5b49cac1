#include "renovation/CSanVariantenDlg.h"

#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "renovation/Variantenrechnung.h"
#include "results/CDiagrammeDlg.h"
#include "results/CHeizungDlg.h"
#include "results/Kennzahlfelder.h"
#include "shell/CMainFrame.h"
#include "ui/CHoverButton.h"
#include "ui/CRollupCtrl.h"
#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace zeva {

namespace {

// Group buttons 1121 … 1126 in the order of Massnahmengruppe.
constexpr std::array<const char*, 6> Gruppentexte{"Dach", "Decke", "Wand", "Fenster", "Boden", "Heizung"};
constexpr int ErsterGruppenknopf = 1121;
constexpr int ErsteKennzahl = 1222;

} // namespace

// ----- "Sanierung" --------------------------------------------------------------------

CSanierungDlg::CSanierungDlg(CMainFrame& rahmen, QWidget* parent) : CBaseDialog(parent), m_rahmen(rahmen)
{
    setObjectName(QStringLiteral("CSanierungDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    m_Methode = NeuesKennzahlfeld(this, layout, 1347, QStringLiteral("Methode"));
    m_Ziel = NeuesKennzahlfeld(this, layout, 1348, QStringLiteral("Optimiert hinsichtlich"));
    m_Massnahmen = NeuesKennzahlfeld(this, layout, 1349, QStringLiteral("Maßnahmen"));
    auto* raster = new QGridLayout;
    raster->setContentsMargins(6, 0, 6, 0);
    raster->setSpacing(2);
    for (std::size_t g = 0; g < m_Gruppen.size(); ++g) {
        auto* knopf = new CHoverButton(QString::fromUtf8(Gruppentexte[g]), this);
        SetzeId(knopf, ErsterGruppenknopf + static_cast<int>(g));
        raster->addWidget(knopf, static_cast<int>(g) / 3, static_cast<int>(g) % 3);
        connect(knopf, &MausZustandKnopf::Befehl, this, [this](int id) { OnGruppe(id); });
        m_Gruppen[g] = knopf;
    }
    layout->addLayout(raster);
}

CWertButton* CSanierungDlg::Feld(int id) const
{
    return FindeDirektId<CWertButton>(this, id);
}

CHoverButton* CSanierungDlg::Gruppenknopf(int id) const
{
    return FindeDirektId<CHoverButton>(this, id);
}

bool CSanierungDlg::OnInitDialog()
{
    m_Methode->SetzeStil(CWertButton::WB_LINKS);
    m_Methode->SetzeText(QStringLiteral("Automatisch"));
    m_Methode->SetzeEinheit(QString());
    m_Ziel->SetzeStil(CWertButton::WB_LINKS | CWertButton::WB_OHNE_EINZUG | CWertButton::WB_MEHRZEILIG);
    m_Ziel->SetzeText(QString());
    m_Ziel->SetzeEinheit(QString());
    m_Massnahmen->SetzeText(QString());
    m_Massnahmen->SetzeEinheit(QString());
    for (CHoverButton* knopf : m_Gruppen) {
        knopf->SetzeStil(CHoverButton::HB_MARKIERT);
        knopf->raise();
    }
    CBaseDialog::OnInitDialog();
    PasseKennzahlfelderAn(this, {m_Methode, m_Ziel, m_Massnahmen});
    // The criterion may take three lines; the buttons two rows.
    const int zeile = QFontMetrics(font()).height();
    m_Ziel->setFixedHeight(4 * zeile + 6);
    // The measures are a title over the group buttons: a frame as high as
    // the title collapses to one rule through its middle, where a taller
    // flat box would cross the title's line.
    m_Massnahmen->setFixedHeight(2 * (QFontMetrics(m_Massnahmen->font()).height() / 2) + 3);
    const int knoepfe = 2 * (m_Gruppen[0]->sizeHint().height() + 2);
    m_nVolleHoehe = m_Methode->height() + m_Ziel->maximumHeight() + m_Massnahmen->maximumHeight() + knoepfe + 16;
    m_nKurzeHoehe = m_nVolleHoehe - m_Ziel->maximumHeight() - 2;
    resize(width(), m_nVolleHoehe);
    return true;
}

void CSanierungDlg::Aktualisiere(const Haus& haus, int n)
{
    m_nVariante = n;
    if (!haus.IstZustand(n))
        return;
    const DBedarf& d = haus.m_aBedarf[static_cast<std::size_t>(n)];
    const ZielfunktionText text = BeschreibeZielfunktion(d.Zielfunktion, d.Grenze);
    m_Methode->SetzeText(QString::fromStdString(text.art));
    const bool manuell = d.Zielfunktion == -1;
    const int hoehe = height();
    if (manuell) {
        m_Ziel->hide();
        resize(width(), m_nKurzeHoehe);
    } else {
        m_Ziel->SetzeText(QString::fromStdString(text.beschreibung));
        m_Ziel->show();
        resize(width(), m_nVolleHoehe);
    }
    const std::array<bool, 6> gruppen = SanierteGruppen(haus, n);
    for (std::size_t g = 0; g < m_Gruppen.size(); ++g)
        m_Gruppen[g]->SetzeMarkiert(gruppen[g]);
    // The roll-up lays its pages out again for the new height.
    if (height() != hoehe)
        if (QWidget* rollup = parentWidget()) {
            QResizeEvent ereignis(rollup->size(), rollup->size());
            QApplication::sendEvent(rollup, &ereignis);
        }
}

void CSanierungDlg::OnGruppe(int id)
{
    const int tab = TabDerGruppe(id - ErsterGruppenknopf);
    if (tab >= 0)
        m_rahmen.Variantenseite(m_nVariante, tab);
}

// ----- "Sanierungs Kenndaten" -------------------------------------------------------

CSanKenndatenDlg::CSanKenndatenDlg(CMainFrame& rahmen, QWidget* parent) : CBaseDialog(parent), m_rahmen(rahmen)
{
    setObjectName(QStringLiteral("CSanKenndatenDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    const char* beschriftungen[] = {"Sanierungskosten", "KEA", "CO2", "Energieeinsparung", "Heizkosteneinsparung"};
    for (int i = 0; i < 5; ++i) {
        CWertButton* feld = NeuesKennzahlfeld(this, layout, ErsteKennzahl + i, QString::fromUtf8(beschriftungen[i]));
        // The renovation details of the figure, for the variant shown.
        connect(feld, &MausZustandKnopf::Befehl, this,
                [this](int id) { m_rahmen.Sanierungsdetails(id - ErsteKennzahl, m_nVariante); });
        m_Felder[static_cast<std::size_t>(i)] = feld;
    }
}

CWertButton* CSanKenndatenDlg::Feld(int id) const
{
    return FindeDirektId<CWertButton>(this, id);
}

bool CSanKenndatenDlg::OnInitDialog()
{
    struct Art {
        std::uint16_t stil;
        const char* einheit0;
        const char* einheit1;
    };
    const Art arten[] = {{0xB800, "EUR", "EUR/m²"},
                         {0x3800, "kWh", "kWh/m²"},
                         {0x3800, "t", "kg/m²"},
                         {0x3800, "kWh/a", "kWh/m²a"},
                         {0xB800, "EUR/a", "EUR/m²a"}};
    for (std::size_t i = 0; i < m_Felder.size(); ++i) {
        m_Felder[i]->SetzeStil(arten[i].stil);
        m_Felder[i]->SetzeEinheit(QString::fromUtf8(arten[i].einheit0), 0);
        m_Felder[i]->SetzeEinheit(QString::fromUtf8(arten[i].einheit1), 1);
        m_Felder[i]->SetzeWert(0, 0);
        m_Felder[i]->SetzeWert(0, 1);
    }
    CBaseDialog::OnInitDialog();
    PasseKennzahlfelderAn(this, {m_Felder[0], m_Felder[1], m_Felder[2], m_Felder[3], m_Felder[4]});
    return true;
}

void CSanKenndatenDlg::Aktualisiere(const Haus& haus, int n)
{
    m_nVariante = n;
    const auto werte = SanKenndaten(haus, n, m_rahmen.Optionen());
    for (std::size_t i = 0; i < m_Felder.size(); ++i) {
        if (i == 0 || i == 4) {
            // Money: the amount in whole euros, as the report and the detail
            // page have it; the rate per m² with the cents it has.
            m_Felder[i]->SetzeText(QString::fromStdString(Geldtext(werte[i].first)), 0);
            m_Felder[i]->SetzeText(QString::fromStdString(Zahltext(werte[i].second, 2)), 1);
            continue;
        }
        m_Felder[i]->SetzeWert(werte[i].first, 0);
        m_Felder[i]->SetzeWert(werte[i].second, 1);
    }
}

// ----- the pane ---------------------------------------------------------------------------

CSanVariantenDlg::CSanVariantenDlg(CMainFrame& rahmen, QWidget* parent) : CBaseDialog(parent), m_rahmen(rahmen)
{
    setObjectName(QStringLiteral("CSanVariantenDlg"));
    m_Varianten = new QComboBox(this);
    SetzeId(m_Varianten, 1258);
    m_Rollup = new CRollupCtrl(this);
    SetzeId(m_Rollup, 123);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Varianten);
    layout->addWidget(m_Rollup, 1);

    m_Sanierung = new CSanierungDlg(rahmen, m_Rollup);
    m_Kenndaten = new CSanKenndatenDlg(rahmen, m_Rollup);
    m_Heizung = new CHeizungDlg(m_Rollup, [r = &rahmen]() -> const DOptionen& { return r->Optionen(); });
    m_Diagramme = new CDiagrammeDlg(m_Rollup);

    connect(m_Varianten, &QComboBox::activated, this, [this] { OnSelchangeVariante(); });
}

bool CSanVariantenDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_Sanierung->Create(m_Rollup);
    m_Kenndaten->Create(m_Rollup);
    m_Heizung->Create(m_Rollup);
    m_Diagramme->Create(m_Rollup);
    m_Rollup->FuegeSeiteEin(QStringLiteral("Sanierung"), m_Sanierung);
    m_Rollup->FuegeSeiteEin(QStringLiteral("Sanierungs Kenndaten"), m_Kenndaten);
    m_Rollup->FuegeSeiteEin(QStringLiteral("Heizung"), m_Heizung);
    m_Rollup->FuegeSeiteEin(QStringLiteral("Diagramme"), m_Diagramme);
    m_Rollup->OeffneAlleSeiten(true);
    m_Varianten->setEnabled(false);
    m_Rollup->AktiviereAlleSeiten(false);
    return true;
}

void CSanVariantenDlg::AktualisiereVarianten(Haus& haus)
{
    int s = std::max(m_Varianten->currentIndex(), 0);
    m_Varianten->clear();
    if (haus.Varianten <= 0) {
        m_pHaus.reset();
        m_Varianten->setEnabled(false);
        m_Rollup->AktiviereAlleSeiten(false);
        return;
    }
    s = std::min(s, haus.Varianten - 1);
    for (int n = 1; n <= haus.Varianten; ++n)
        m_Varianten->addItem(QStringLiteral("Variante %1").arg(n));
    m_Varianten->setCurrentIndex(s);
    OnSelchangeVariante();
    m_Varianten->setEnabled(true);
    m_Rollup->AktiviereAlleSeiten(true);
    m_Rollup->OeffneAlleSeiten(true);
}

void CSanVariantenDlg::OnSelchangeVariante()
{
    const int n = m_Varianten->currentIndex() + 1;
    if (m_rahmen.GetActiveDocument() == nullptr || n < 1 || !m_rahmen.AktuellesHaus().IstZustand(n)) {
        repaint();
        return;
    }
    // The states are computed fresh on a copy, whatever the document's
    // demand records hold after a load or a change of method; every page,
    // the chart too, shows that copy.
    m_pHaus = std::make_shared<Haus>(m_rahmen.AktuellesHaus());
    Haus& haus = *m_pHaus;
    BerechneZustaende(haus, n, m_rahmen.Optionen());
    m_Sanierung->Aktualisiere(haus, n);
    m_Kenndaten->Aktualisiere(haus, n);
    m_Heizung->ZeigeVariante(haus, n);
    m_Diagramme->SetzeVariante(m_pHaus, n);
    repaint();
}

// ----- the delete dialog ---------------------------------------------------------------------

CVarianteLoeschenDlg::CVarianteLoeschenDlg(int varianten, QWidget* parent)
    : DatenDialog(parent), m_nVarianten(varianten)
{
    setWindowTitle(QStringLiteral("Sanierungsvariante löschen"));
    auto* zeile = new QHBoxLayout;
    auto* text = new QLabel(QStringLiteral("Lösche &Variante Nr.:"), this);
    m_Nummer = new QLineEdit(this);
    SetzeId(m_Nummer, 1224);
    text->setBuddy(m_Nummer);
    zeile->addWidget(text);
    zeile->addWidget(m_Nummer);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    SetzeId(ok, 1);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    SetzeId(abbrechen, 2);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(zeile, 1);
    haupt->addLayout(knoepfe);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(abbrechen, &QPushButton::clicked, this, [this] { OnCancel(); });
}

void CVarianteLoeschenDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Ganzzahl(m_Nummer, m_nVariante, 1, std::max(m_nVarianten, 1));
}

void CVarianteLoeschenDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(m_nVariante);
}

void CVarianteLoeschenDlg::OnCancel()
{
    EndDialog(-1);
}

CSanVariantenDlg::~CSanVariantenDlg() = default;

// ----- installation ------------------------------------------------------------------------

void InstalliereVariantenfenster(CMainFrame& rahmen)
{
    auto* pane = new CSanVariantenDlg(rahmen);
    rahmen.SetzeVariantenfenster(pane);
    pane->Create();
    pane->AktualisiereVarianten(rahmen.AktuellesHaus());
    rahmen.SetzeVariantennummerErzeuger([r = &rahmen](QWidget* eltern) {
        CVarianteLoeschenDlg dialog(r->AktuellesHaus().Varianten, eltern);
        const int n = dialog.exec();
        // Deleting cannot be undone: the user confirms it, No is the default.
        if (n >= 1 && n <= r->AktuellesHaus().Varianten
            && !Meldung::Frage(QString::fromUtf8(CVarianteLoeschenDlg::FrageLoeschen).arg(n), QMessageBox::No,
                               Meldung::Symbol::Frage, eltern))
            return -1;
        return n;
    });
}

} // namespace zeva
