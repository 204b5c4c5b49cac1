#include "results/CBedarfDlg.h"

#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "ui/MeldungsNotifier.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zeva {

namespace {

CBedarfDlg::Grafik& GrafikSlot()
{
    static CBedarfDlg::Grafik grafik;
    return grafik;
}

// The pane's controls keep the proportions of its 160 units: the buttons
// take 50 of them on the left.
void Knopfzeile(QVBoxLayout* layout, QWidget* knopf)
{
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(knopf, 50);
    zeile->addStretch(110);
    layout->addLayout(zeile);
}

QTreeWidget* Liste(QWidget* eltern, int id, const QString& spalte)
{
    auto* liste = new QTreeWidget(eltern);
    SetzeId(liste, id);
    liste->setColumnCount(2);
    liste->setHeaderLabels({spalte, QStringLiteral("kWh/m²a")});
    liste->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    liste->setRootIsDecorated(false);
    liste->header()->setStretchLastSection(false);
    liste->header()->setSectionResizeMode(QHeaderView::Fixed);
    return liste;
}

} // namespace

void CBedarfDlg::SetzeGrafik(Grafik grafik)
{
    GrafikSlot() = std::move(grafik);
}

CBedarfDlg::CBedarfDlg(CMainFrame& rahmen, QWidget* parent, int variante)
    : CRightBaseDialog(parent), m_rahmen(rahmen), m_nVariante(variante)
{
    setObjectName(QStringLiteral("CBedarfDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    m_Varianten = new QComboBox(this);
    SetzeId(m_Varianten, 1258);
    layout->addWidget(m_Varianten);

    m_Schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    SetzeId(m_Schliessen, 1);
    m_Grafik = new QPushButton(QStringLiteral("&Grafik"), this);
    SetzeId(m_Grafik, 1177);
    m_Report = new QPushButton(QStringLiteral("&Report"), this);
    SetzeId(m_Report, 1121);
    m_Flaechen = new QPushButton(QStringLiteral("&Flächen"), this);
    SetzeId(m_Flaechen, 1130);
    for (QPushButton* knopf : {m_Schliessen, m_Grafik, m_Report, m_Flaechen}) {
        knopf->setAutoDefault(false);
        Knopfzeile(layout, knopf);
    }

    auto* verfahrenZeile = new QHBoxLayout;
    auto* beschriftung = new QLabel(QStringLiteral("Berechnungsverfahren :"), this);
    SetzeId(beschriftung, 1397);
    m_Verfahren = new QComboBox(this);
    SetzeId(m_Verfahren, 1005);
    // The names the report prints for the methods, in the order of their codes.
    for (const int verfahren : {BerechnungEnEV, BerechnungSIA, BerechnungWSVO95})
        m_Verfahren->addItem(QString::fromStdString(Verfahrensname(verfahren)));
    verfahrenZeile->addWidget(beschriftung);
    verfahrenZeile->addWidget(m_Verfahren);
    verfahrenZeile->addStretch(1);
    layout->addLayout(verfahrenZeile);

    m_Gewinne = Liste(this, 1110, QStringLiteral("Gewinnpfad"));
    m_Verluste = Liste(this, 1179, QStringLiteral("Verlustpfad"));
    layout->addWidget(m_Gewinne, 1);
    layout->addWidget(m_Verluste, 1);

    connect(m_Schliessen, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_Grafik, &QPushButton::clicked, this, [this] { OnGrafik(); });
    connect(m_Report, &QPushButton::clicked, this, [this] { OnReport(); });
    connect(m_Flaechen, &QPushButton::clicked, this, [this] { m_rahmen.Flaechenansicht(0); });
    connect(m_Verfahren, &QComboBox::activated, this, [this](int i) { OnBerechnungsverfahren(i); });
    connect(m_Varianten, &QComboBox::activated, this, [this](int i) { OnVariante(i); });
}

CBedarfDlg::~CBedarfDlg() = default;

bool CBedarfDlg::Erzeuge()
{
    const bool ok = Create();
    SetzeTitel(QString::fromUtf8(Titel));
    return ok;
}

bool CBedarfDlg::OnInitDialog()
{
    CRightBaseDialog::OnInitDialog();
    Haus& haus = m_rahmen.AktuellesHaus();
    const int verfahren = haus.Berechnungsverfahren;
    m_Verfahren->setCurrentIndex(verfahren >= 0 && verfahren < m_Verfahren->count() ? verfahren : -1);
    m_Grafik->setVisible(verfahren != BerechnungWSVO95);
    FuelleVarianten(haus);
    SetzeSpalten();
    Rechne(haus);
    return true;
}

void CBedarfDlg::FuelleVarianten(const Haus& haus)
{
    m_Varianten->clear();
    m_Varianten->addItem(QStringLiteral("Bestand"));
    if (haus.Varianten > 0)
        for (int i = 1; i < static_cast<int>(haus.m_aBedarf.size()); ++i)
            m_Varianten->addItem(QStringLiteral("Variante %1").arg(i));
    // A state beyond the list shows the last one; without variants the
    // existing building.
    int auswahl = m_nVariante;
    if (auswahl >= m_Varianten->count())
        auswahl = m_Varianten->count() - 1;
    if (haus.Varianten <= 0 || auswahl < 0)
        auswahl = 0;
    m_Varianten->setCurrentIndex(auswahl);
    m_nVariante = auswahl;
}

void CBedarfDlg::Rechne(Haus& haus)
{
    MeldungsNotifier notifier(this);
    haus.BerechneBedarf(m_nVariante, notifier);
    m_rahmen.AktualisiereBedarfsansicht(haus, m_nVariante);
    // The left bar shows the existing state of the document's house: it
    // follows every computation of that state.
    if (m_nVariante == 0 && &haus == &m_rahmen.AktuellesHaus())
        m_rahmen.AktualisiereKennzahlseiten();
}

void CBedarfDlg::SetzeVariante(int n)
{
    m_nVariante = n;
    m_bDokumentHaus = true;
    m_pKopie.reset();
    Haus& haus = m_rahmen.AktuellesHaus();
    FuelleVarianten(haus);
    Rechne(haus);
}

void CBedarfDlg::Aktualisiere()
{
    // The copy of a variant dialog no longer stands for what is shown.
    m_pKopie.reset();
    Rechne(m_rahmen.AktuellesHaus());
}

void CBedarfDlg::AktualisiereZustaende()
{
    const int gezeigt = m_nVariante;
    FuelleVarianten(m_rahmen.AktuellesHaus());
    // A state beyond the list (its variant went) gives way to the last one,
    // computed anew; added variants change nothing shown.
    if (m_nVariante != gezeigt)
        Aktualisiere();
}

void CBedarfDlg::Aktualisiere(const Haus* haus)
{
    if (haus && !m_bDokumentHaus) {
        // Our own copy: the house handed in may go as soon as we return.
        m_pKopie = std::make_unique<Haus>(*haus);
        Rechne(*m_pKopie);
        return;
    }
    if (haus) {
        // Computed and shown during this call only.
        Haus kopie(*haus);
        Rechne(kopie);
        return;
    }
    Rechne(m_rahmen.AktuellesHaus());
}

void CBedarfDlg::OnVariante(int index)
{
    if (index < 0)
        return;
    m_nVariante = index;
    // Computed anew: the stored record may belong to another method or to
    // the building before its last change.
    Rechne(m_rahmen.AktuellesHaus());
}

void CBedarfDlg::OnBerechnungsverfahren(int index)
{
    if (index < 0)
        return;
    Haus& haus = m_rahmen.AktuellesHaus();
    const bool geaendert = haus.Berechnungsverfahren != index;
    haus.Berechnungsverfahren = index;
    m_Grafik->setVisible(index != BerechnungWSVO95);
    // The method is the document's: the copy of a variant dialog gives way.
    m_pKopie.reset();
    if (geaendert) {
        m_rahmen.GetActiveDocument()->SetModifiedFlag(true);
        // The left bar and the variant pane change method as well.
        m_rahmen.AktualisiereNachRechengrundlage();
    }
    Rechne(haus);
}

void CBedarfDlg::OnGrafik()
{
    const Grafik grafik = GrafikSlot();
    if (!grafik)
        return;
    Haus& haus = m_pKopie ? *m_pKopie : m_rahmen.AktuellesHaus();
    grafik(haus, m_nVariante, this);
}

void CBedarfDlg::OnReport()
{
    m_rahmen.PosteReportansicht(m_nVariante);
}

void CBedarfDlg::OnOK()
{
    Schliesse();
}

void CBedarfDlg::OnCancel()
{
    Schliesse();
}

void CBedarfDlg::Schliesse()
{
    m_rahmen.SchliesseBedarf();
    hide();
    deleteLater();
}

void CBedarfDlg::SetzeSpalten()
{
    // The value column takes what the name column leaves of the list's
    // inner width.
    const int rand = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int w = std::max(0, m_Gewinne->width() - 4 * rand - leiste);
    for (QTreeWidget* liste : {m_Gewinne, m_Verluste}) {
        liste->setColumnWidth(0, static_cast<int>(0.7 * w));
        liste->setColumnWidth(1, w - static_cast<int>(0.7 * w));
    }
}

void CBedarfDlg::resizeEvent(QResizeEvent* ereignis)
{
    CRightBaseDialog::resizeEvent(ereignis);
    SetzeSpalten();
}

} // namespace zeva
