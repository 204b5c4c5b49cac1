#include "renovation/CBerechnungSanDlg.h"

#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "renovation/Variantenrechnung.h"
#include "results/CBedarfDlg.h"
#include "results/CEnergiebilanzDlg.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVADoc.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zeva {

namespace {

struct Feldzeile {
    const char* zeile;
    int jahr;
    const char* jahrEinheit;
    int qm; // 0: none
    const char* qmEinheit;
};

constexpr const char* TitelBrennstoff = "Brennstoffbedarf";
constexpr const char* TitelWSVO = "Jahres-Heizwärmebedarf nach Wärmeschutzverordnung'95";

} // namespace

CBerechnungSanDlg::CBerechnungSanDlg(Seitenbesitzer& besitzer) : CSanierungsSeite(besitzer)
{
    auto gruppe = [this](QWidget* eltern, const char* titel, std::initializer_list<Feldzeile> zeilen) {
        auto* kasten = new QGroupBox(QString::fromUtf8(titel), eltern);
        auto* raster = new QGridLayout(kasten);
        int r = 0;
        for (const Feldzeile& z : zeilen) {
            raster->addWidget(new QLabel(QString::fromUtf8(z.zeile), kasten), r, 0);
            auto wert = [&](int id, int spalte, const char* einheit) {
                auto* feld = new QLabel(QStringLiteral("00"), kasten);
                SetzeId(feld, id);
                feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                feld->setMinimumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
                m_Felder[id] = feld;
                raster->addWidget(feld, r, spalte);
                auto* einheitText = new QLabel(QString::fromUtf8(einheit), kasten);
                einheitText->setWordWrap(true);
                raster->addWidget(einheitText, r, spalte + 1);
            };
            wert(z.jahr, 1, z.jahrEinheit);
            if (z.qm != 0)
                wert(z.qm, 3, z.qmEinheit);
            ++r;
        }
        raster->setColumnStretch(4, 1);
        return kasten;
    };

    m_Bedarfsgruppe = gruppe(this, TitelBrennstoff,
                             {{"vorher:", 1220, "kWh/a,", 1224, "kWh/m²a"},
                              {"nachher:", 1225, "kWh/a,", 1226, "kWh/m²a"},
                              {"eingespart:", 1221, "kWh/a,", 1227, "kWh/m²a"}});
    SetzeId(m_Bedarfsgruppe, 1306);

    // The cost groups, and the blank that covers them for "WSVO´95".
    m_Kostenbereich = new QStackedWidget(this);
    auto* kosten = new QWidget(m_Kostenbereich);
    auto* kostenLayout = new QVBoxLayout(kosten);
    kostenLayout->setContentsMargins(0, 0, 0, 0);
    kostenLayout->addWidget(gruppe(kosten, "Brennstoffkosten",
                                   {{"vorher:", 1240, "EUR/a,", 1242, "EUR/m²a"},
                                    {"nachher:", 1243, "EUR/a,", 1244, "EUR/m²a"},
                                    {"eingespart:", 1241, "EUR/a,", 1245, "EUR/m²a"}}));
    kostenLayout->addWidget(gruppe(kosten, "Sanierungskosten",
                                   {{"gesamt:", 1222, "EUR,", 1247, "EUR/a"},
                                    {"erforderlich:", 1000, "EUR", 0, nullptr},
                                    {"spezifische Kosten:", 1223,
                                     "EUR/a Heizkostenersparnis pro 1000 EUR investierter Sanierungskosten", 0,
                                     nullptr}}));
    auto* leer = new QLabel(m_Kostenbereich);
    SetzeId(leer, 1307);
    m_Kostenbereich->addWidget(kosten);
    m_Kostenbereich->addWidget(leer);

    auto* unten = new QHBoxLayout;
    auto* verfahrenText = new QLabel(QStringLiteral("Berechnungsverfahren :"), this);
    m_Verfahren = new QComboBox(this);
    SetzeId(m_Verfahren, 1005);
    // The names the heat-demand pane and the report give the methods, in the
    // order of their codes.
    for (const int verfahren : {BerechnungEnEV, BerechnungSIA, BerechnungWSVO95})
        m_Verfahren->addItem(QString::fromStdString(Verfahrensname(verfahren)));
    verfahrenText->setBuddy(m_Verfahren);
    m_Details = new QPushButton(QStringLiteral("&Details..."), this);
    SetzeId(m_Details, 1219);
    m_Grafik = new QPushButton(QStringLiteral("&Grafik"), this);
    SetzeId(m_Grafik, 1177);
    for (QPushButton* knopf : {m_Details, m_Grafik})
        knopf->setAutoDefault(false);
    unten->addWidget(verfahrenText);
    unten->addWidget(m_Verfahren);
    unten->addStretch();
    unten->addWidget(m_Details);
    unten->addWidget(m_Grafik);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(m_Bedarfsgruppe);
    haupt->addWidget(m_Kostenbereich);
    haupt->addStretch();
    haupt->addLayout(unten);

    connect(m_Verfahren, &QComboBox::activated, this, [this](int index) { OnVerfahren(index); });
    connect(m_Details, &QPushButton::clicked, this, [this] { OnDetails(); });
    connect(m_Grafik, &QPushButton::clicked, this, [this] { OnGrafik(); });
}

QString CBerechnungSanDlg::Feldtext(int id) const
{
    const auto it = m_Felder.find(id);
    return it != m_Felder.end() ? it->second->text() : QString();
}

void CBerechnungSanDlg::Initialisiere()
{
    const int verfahren = Arbeitshaus().Berechnungsverfahren;
    const QSignalBlocker sperre(m_Verfahren);
    m_Verfahren->setCurrentIndex(verfahren >= 0 && verfahren <= 2 ? verfahren : -1);
    m_Grafik->setVisible(verfahren != BerechnungWSVO95);
}

void CBerechnungSanDlg::Aktualisiere()
{
    Haus& haus = Arbeitshaus();
    const int n = Variante();
    const DOptionen& optionen = Besitzer().Rahmen().Optionen();
    const int verfahren = haus.Berechnungsverfahren;
    if (verfahren < 0 || verfahren > 2)
        return;
    BerechneZustaende(haus, n, optionen);
    const bool wsvo = verfahren == BerechnungWSVO95;
    m_Kostenbereich->setCurrentIndex(wsvo ? 1 : 0);
    m_Bedarfsgruppe->setTitle(QString::fromUtf8(wsvo ? TitelWSVO : TitelBrennstoff));
    for (const auto& [id, text] : Berechnungstexte(LeseBerechnungswerte(haus, n, optionen), verfahren))
        if (QLabel* feld = m_Felder[id])
            feld->setText(QString::fromStdString(text));
}

void CBerechnungSanDlg::OnVerfahren(int index)
{
    if (index < 0 || index > 2)
        return;
    // The method is the document's: its house takes it, and so does the
    // working copy, on which the page goes on computing the user's measures.
    CMainFrame& rahmen = Besitzer().Rahmen();
    const bool geaendert = rahmen.AktuellesHaus().Berechnungsverfahren != index;
    rahmen.AktuellesHaus().Berechnungsverfahren = index;
    Arbeitshaus().Berechnungsverfahren = index;
    if (CZEVADoc* dok = rahmen.GetActiveDocument(); dok && geaendert) {
        dok->SetModifiedFlag(true);
        rahmen.AktualisiereNachRechengrundlage();
    }
    m_Grafik->setVisible(index != BerechnungWSVO95);
    Aktualisiere();
}

void CBerechnungSanDlg::OnDetails()
{
    // The pane keeps a copy of its own: nothing refers to the working copy
    // once the dialog is gone.
    if (auto* pane = dynamic_cast<CBedarfDlg*>(Besitzer().Rahmen().ZeigeBedarf(Variante()))) {
        pane->SetzeKopiemodus();
        pane->Aktualisiere(&Arbeitshaus());
    }
}

void CBerechnungSanDlg::OnGrafik()
{
    CEnergiebilanzDlg grafik(this, Arbeitshaus(), Besitzer().Rahmen().Optionen(), Variante(),
                             CEnergiebilanzDlg::BalkenJaehrlich);
    grafik.exec();
}

} // namespace zeva
