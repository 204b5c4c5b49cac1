// The drawn charts as the user meets them: the chart dialog with its energy
// flow, annual and monthly bars and its printed page, the bare Sankey window
// of the previews, and the Glaser diagram with its print.
#include "shell/RahmenTestHilfen.h"
#include "support/Ausgabedatei.h"

#include "model/Haus.h"
#include "model/VariantenTestHaus.h"
#include "model/Zahlentext.h"
#include "results/CBedarfDlg.h"
#include "results/CEnergiebilanzDlg.h"
#include "results/Ergebnisseiten.h"
#include "results/CGlaser.h"
#include "results/CGlaserDlg.h"
#include "results/CSankeyDlg.h"
#include "results/Zeichenflaeche.h"
#include "shell/CAnsichtDlg.h"
#include "ui/SteuerelementId.h"

#include <QAbstractButton>
#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zeva {
namespace {

using diagramm::Bereich;
using diagramm::Ganz;

const QColor Weiss(255, 255, 255);

void Foto(QWidget* w, const QString& name)
{
    const QImage bild = w->grab().toImage();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(test::Ausgabedatei(name)));
}

QString PdfText(const QString& datei, const QStringList& optionen = {})
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), QStringList(optionen) << datei << QStringLiteral("-"));
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The y of the first word `wort` in the -bbox output (-1 when missing).
double BboxY(const QString& html, const QString& wort)
{
    const QRegularExpression muster(QStringLiteral("<word xMin=\"[^\"]*\" yMin=\"([^\"]*)\"[^>]*>") +
                                    QRegularExpression::escape(wort) + QStringLiteral("</word>"));
    const QRegularExpressionMatch treffer = muster.match(html);
    return treffer.hasMatch() ? treffer.captured(1).toDouble() : -1;
}

// The started program with the reference house at the end of the input and
// one variant that insulates the wall.
class Diagramme : public test::GestartetesProgramm {
protected:
    void SetUp() override
    {
        test::GestartetesProgramm::SetUp();
        if (HasFatalFailure())
            return;
        test::ReferenzHausMitKessel(H());
        H().Beschreibung = "Referenzhaus";
        H().NeueVariante(true, rahmen->Optionen());
        H().m_aWand[0].m_aSan[1] = test::OpakeMassnahme<DSWand>("Außendämmung", 0.3, DSBauteilOpaque::Aussen);
        HausAnbindung::SetzePhase(H(), 19);
        rahmen->AktualisiereSeiten();
    }

    void TearDown() override
    {
        CBedarfDlg::SetzeGrafik({});
        test::GestartetesProgramm::TearDown();
    }

    Haus& H() const { return Dok().HausRef(); }

    // The chart drawn as the dialog of 800 × 600 draws it: the chart right
    // of the control column (area B), the legend in the column.
    static constexpr Bereich B{185, 0, 615, 600};
    static QImage Bild(CEnergiebilanzDlg& dlg, QStringList* texte = nullptr)
    {
        QImage bild(800, 600, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter painter(&bild);
        Zeichenflaeche z(painter);
        z.SetzeTextprotokoll(texte);
        dlg.Zeichne(z, B, Bereich{0, 250, 150, 500}, false);
        return bild;
    }

    template <class T = QWidget>
    static T* Element(QWidget* dlg, int id)
    {
        T* e = FindeId<T>(dlg, id);
        EXPECT_NE(e, nullptr) << id;
        return e;
    }
};

// The thickness of the band around (x, y): the distance between the
// outlines that bound the run of pixels that are not white.
int Lauf(const QImage& bild, int x, int y)
{
    auto farbig = [&](int yy) { return yy >= 0 && yy < bild.height() && QColor(bild.pixel(x, yy)) != Weiss; };
    int oben = y, unten = y;
    while (farbig(oben - 1))
        --oben;
    while (farbig(unten + 1))
        ++unten;
    return unten - oben;
}

TEST_F(Diagramme, SankeyFillsHouseSupplyAndLossesWithBandsProportionalToTheFlows)
{
    CEnergiebilanzDlg dlg(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::Sankey);
    QStringList texte;
    const QImage bild = Bild(dlg, &texte);
    bild.save(test::Ausgabedatei(QStringLiteral("diagramme-sankey.png")));
    const Bereich b = B;
    const DBedarf& d = H().m_aBedarf[0];
    const diagramm::Energiefluesse e = diagramm::Energiefluesse::Aus(d);
    const diagramm::Anteile a = diagramm::Anteile::Aus(e);
    ASSERT_TRUE(a.Zeichenbar);

    // The house shows grey where no band crosses it (its upper right part).
    EXPECT_EQ(QColor(bild.pixel(b.X(0.64), b.Y(0.3))), QColor(128, 128, 128));
    // Supply red where it enters, losses blue where they leave.
    EXPECT_EQ(QColor(bild.pixel(b.X(0.28) + 3, b.Y(0.777) - 3)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(bild.pixel(b.X(0.70), b.Y(0.25) - 3)), QColor(0, 0, 255));

    // Band widths at the entries: 2·k·H·share.
    const double k2 = 2 * diagramm::SankeyK * b.H;
    const diagramm::SankeyPolygone p = diagramm::SankeyEcken(b, a, e.Heizungsverlust > 0);
    const int xEin = b.X(0.277) + 3;
    EXPECT_NEAR(Lauf(bild, xEin, (p.Zufuhr[1].y + b.Y(0.777)) / 2), k2 * a.fH, 2) << "heating";
    EXPECT_NEAR(Lauf(bild, xEin, (p.Zufuhr[5].y + p.Zufuhr[7].y) / 2), k2 * a.fS, 2) << "solar";
    const int xAus = b.X(0.72);
    EXPECT_NEAR(Lauf(bild, xAus, (p.Verluste[9].y + p.Verluste[11].y) / 2), k2 * a.fWa, 2) << "walls";
    EXPECT_NEAR(Lauf(bild, xAus, (p.Verluste[15].y + p.Verluste[17].y) / 2), k2 * a.fWi, 2) << "windows";
    EXPECT_NEAR(Lauf(bild, xAus, (p.Verluste[21].y + p.Verluste[23].y) / 2), k2 * a.fV, 2) << "ventilation";
    EXPECT_NEAR(Lauf(bild, xAus, (p.Verluste[28].y + p.Verluste[30].y) / 2), k2 * a.fB, 2) << "floor";

    EXPECT_TRUE(texte.contains(QStringLiteral("ENERGIEZUFUHR")));
    EXPECT_TRUE(texte.contains(QString::fromStdString(Zahltext(e.Zufuhr(), 1, 3) + " kWh/(m²a)")));
    // A flow shows the balance page's figure: three significant digits, so
    // that 320,1 here is never 320,00 there.
    const std::string heizenergie = Zahltext(e.Heizenergie, 1, 3);
    EXPECT_TRUE(texte.contains(QString::fromStdString(heizenergie + " kWh/(m²a)"))) << heizenergie;
    EXPECT_TRUE(Werttext(e.Heizenergie).starts_with(heizenergie)) << Werttext(e.Heizenergie);
    EXPECT_TRUE(texte.contains(QString::fromUtf8("Energiebezugsfläche : 100,0 m²")));
    EXPECT_FALSE(texte.contains(QString::fromUtf8("Jährliche Bilanz für den Bestand"))) << "only on paper";
}

TEST_F(Diagramme, AnnualBarsStackTheModelsValues)
{
    CEnergiebilanzDlg dlg(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::BalkenJaehrlich);
    QStringList texte;
    const QImage bild = Bild(dlg, &texte);
    bild.save(test::Ausgabedatei(QStringLiteral("diagramme-jahr.png")));
    const Bereich b = B;
    const DBedarf& d = H().m_aBedarf[0];
    double m = 0;
    for (const DBedarf& s : {H().m_aBedarf[0], H().m_aBedarf[1]}) {
        m = std::max({m,
                      s.Fensterverlustsumme + s.Bodensumme + s.Wandsumme + s.Deckesumme + s.Steildachsumme +
                          s.Flachdachsumme + s.Lueftung + s.Heizungsverlust,
                      s.Fenstergewinnnutzbarsumme + s.PersonenNutzbar + s.ElektrizitaetNutzbar +
                          s.Brennstoffenergiebedarf});
    }
    const long j = diagramm::Achsenmaximum(m);
    ASSERT_GT(j, 0);
    const int yB = b.Y(0.9375), yT = b.Y(0.1607);
    const double massstab = static_cast<double>(yB - yT) / j;
    ASSERT_GT(d.Heizungsverlust, 0);

    struct Segment {
        double wert;
        QColor farbe;
    };
    auto pruefe = [&](int x, std::initializer_list<Segment> segmente, const char* was) {
        int y = yB;
        for (const Segment& s : segmente) {
            const int y2 = Ganz(y - s.wert * massstab);
            if (y - y2 > 3) {
                EXPECT_EQ(QColor(bild.pixel(x, (y + y2) / 2)), s.farbe)
                    << was << " segment of colour " << s.farbe.name().toStdString();
            }
            y = y2;
        }
        // Above the stack the area is white again.
        EXPECT_EQ(QColor(bild.pixel(x, y - 2)), Weiss) << was;
    };
    pruefe((b.X(0.1654) + b.X(0.4769)) / 2,
           {{d.Flachdachsumme + d.Steildachsumme + d.Deckesumme, QColor(0, 255, 0)},
            {d.Wandsumme, Weiss},
            {d.Fensterverlustsumme, QColor(255, 255, 0)},
            {d.Bodensumme, QColor(125, 125, 125)},
            {d.Heizungsverlust, QColor(255, 0, 0)},
            {d.Lueftung, QColor(0, 0, 255)}},
           "losses");
    pruefe((b.X(0.5846) + b.X(0.9)) / 2,
           {{d.ElektrizitaetNutzbar + d.PersonenNutzbar, QColor(0, 128, 128)},
            {d.Fenstergewinnnutzbarsumme, QColor(255, 128, 0)},
            {d.Brennstoffenergiebedarf, QColor(128, 0, 0)}},
           "gains");
    EXPECT_TRUE(texte.contains(QString::number(j)));
    EXPECT_TRUE(texte.contains(QString::number(j / 2)));
    EXPECT_FALSE(texte.contains(QStringLiteral("Bestand")));
    EXPECT_FALSE(texte.contains(QStringLiteral("Anmerkung:")));
    // Between the comparison's bars of one state there is no gap here.
    EXPECT_NE(QColor(bild.pixel(b.X(0.32), yB - 3)), Weiss);

    // The comparison: four bars with their captions.
    dlg.OnZustand(1003);
    texte.clear();
    const QImage vergleich = Bild(dlg, &texte);
    vergleich.save(test::Ausgabedatei(QStringLiteral("diagramme-vergleich.png")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Bestand")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Sanierung 1")));
    for (double x : {0.2346, 0.4077, 0.6538, 0.8308})
        EXPECT_NE(QColor(vergleich.pixel(b.X(x), yB - 3)), Weiss) << x;
    EXPECT_EQ(QColor(vergleich.pixel(b.X(0.32), yB - 3)), Weiss);
}

TEST_F(Diagramme, NegativeHeatingLossesDrawTheNoteAndNoRedSegment)
{
    // A condensing room heater: more heat than the fuel's heating value.
    DHeizung& heizung = H().m_aHeizung[0];
    heizung.Einzelheiz = 1;
    heizung.EtaEinzel = 1.05;
    CEnergiebilanzDlg dlg(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::BalkenJaehrlich);
    QStringList texte;
    const QImage bild = Bild(dlg, &texte);
    ASSERT_LT(H().m_aBedarf[0].Heizungsverlust, 0);
    ASSERT_GT(H().m_aBedarf[0].Brennstoffenergiebedarf, 0);
    EXPECT_TRUE(texte.contains(QStringLiteral("Anmerkung:")));
    const Bereich b = B;
    const int x = (b.X(0.1654) + b.X(0.4769)) / 2;
    for (int y = b.Y(0.1); y < b.Y(0.9375); ++y)
        ASSERT_NE(QColor(bild.pixel(x, y)), QColor(255, 0, 0)) << y;

    dlg.OnDarstellungsart(1297);
    texte.clear();
    Bild(dlg, &texte);
    EXPECT_TRUE(texte.contains(QStringLiteral("ENERGIEZUFUHR*")));
    EXPECT_TRUE(texte.contains(QString::fromUtf8("*WÄRMEVERLUSTE")));
    EXPECT_TRUE(texte.contains(QStringLiteral("*Anmerkung:"))) << texte.join(QStringLiteral("|")).toStdString();
    EXPECT_FALSE(texte.contains(QStringLiteral("Heizungsverluste")));
}

TEST_F(Diagramme, MonthlyBarsOfAVariantUseItsOwnMonthlyTables)
{
    CEnergiebilanzDlg dlg(rahmen, H(), rahmen->Optionen(), 1, CEnergiebilanzDlg::BalkenMonatlich);
    QStringList texte;
    const QImage variante = Bild(dlg, &texte);
    variante.save(test::Ausgabedatei(QStringLiteral("diagramme-monat.png")));
    EXPECT_TRUE(texte.contains(QStringLiteral("JAN")));
    EXPECT_TRUE(texte.contains(QString::fromUtf8("MÄR")));
    EXPECT_TRUE(texte.contains(QStringLiteral("DEZ")));

    // The variant's tables: a copy with its measures applied, computed as the
    // existing building.
    Haus kopie(H());
    kopie.WendeVarianteAn(1);
    test::AntwortNotifier notifier;
    kopie.BerechneBedarf(0, notifier);
    const DBedarf& d = H().m_aBedarf[1];
    const double o = d.Heizungsverlust / d.Brennstoffenergiebedarf + 1;
    auto netto = [](const Haus& t, std::size_t i) {
        return std::max(0.0, t.MonatWand[i] + t.MonatDecke[i] + t.MonatBoden[i] + t.MonatFenster[i] +
                                 t.MonatSteildach[i] + t.MonatFlachdach[i] + t.MonatLueftung[i] - t.MonatSolar[i] -
                                 t.MonatIntern[i]);
    };
    ASSERT_NE(kopie.MonatWand[0], H().MonatWand[0]) << "the measure changes the wall";
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_NEAR(dlg.HeizenergieMonat()[i], o * netto(kopie, i), 1e-9) << i;
        EXPECT_NEAR(dlg.HeizungsverlustMonat()[i], o * netto(kopie, i) - netto(kopie, i), 1e-9) << i;
        EXPECT_GE(dlg.HeizenergieMonat()[i], 0) << "no negative heating in summer";
    }
    EXPECT_GT(dlg.HeizenergieMonat()[0], 0);
    EXPECT_NE(dlg.HeizenergieMonat()[0], o * netto(H(), 0));

    // The existing building's bars differ from the variant's.
    dlg.OnZustand(1285);
    const QImage bestand = Bild(dlg);
    EXPECT_NE(bestand, variante);
}

TEST_F(Diagramme, HousesWithoutDemandDrawAxesAndLegendOnly)
{
    for (const bool mitKlima : {false, true}) {
        Haus leer;
        if (mitKlima)
            test::LeeresHaus(leer, 100, 300, 0); // no component, no air change
        for (int art : {1, 2, 3}) {
            CEnergiebilanzDlg dlg(rahmen, leer, rahmen->Optionen(), 0, art);
            diagramm::SetzeBegrenztZurueck();
            QStringList texte;
            const QImage bild = Bild(dlg, &texte);
            EXPECT_EQ(diagramm::AnzahlBegrenzt(), 0u) << art << " no coordinate was infinite or huge";
            // No band and no bar: only the colours of frame, house and legend.
            for (int y = 0; y < bild.height(); y += 2)
                for (int x = static_cast<int>(B.L); x < bild.width(); x += 2) {
                    const QColor c(bild.pixel(x, y));
                    ASSERT_TRUE(c == Weiss || c == Qt::black || c == QColor(128, 128, 128) || c.red() == c.green())
                        << "kind " << art << " at " << x << ", " << y << ": " << c.name().toStdString();
                }
            if (art != 1) {
                EXPECT_TRUE(texte.contains(QStringLiteral("0"))) << art;
                EXPECT_TRUE(texte.contains(QStringLiteral("Verluste :"))) << art;
            } else {
                EXPECT_TRUE(texte.contains(QStringLiteral("ENERGIEZUFUHR")));
                EXPECT_FALSE(texte.contains(QStringLiteral("Intern")));
            }
        }
    }
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Diagramme, DialogStatesTitlesAndStepping)
{
    {
        Haus ohne;
        test::ReferenzHausMitKessel(ohne);
        CEnergiebilanzDlg dlg(rahmen, ohne, rahmen->Optionen(), 0, CEnergiebilanzDlg::BalkenJaehrlich);
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ist-Zustand"));
        EXPECT_FALSE(Element(&dlg, 1002)->isEnabled());
        EXPECT_FALSE(Element(&dlg, 1003)->isEnabled());
        EXPECT_TRUE(Element<QAbstractButton>(&dlg, 1298)->isChecked());
        EXPECT_TRUE(Element(&dlg, 1009)->isHidden());
    }
    H().NeueVariante(true, rahmen->Optionen());
    CEnergiebilanzDlg dlg(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::BalkenJaehrlich);
    EXPECT_EQ(dlg.AnzahlVarianten(), 2);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_GE(dlg.width(), 800);
    EXPECT_GE(dlg.height(), 600);
    Foto(&dlg, QStringLiteral("diagramme-dialog-jahr.png"));

    Element<QAbstractButton>(&dlg, 1297)->click();
    EXPECT_EQ(dlg.Art(), CEnergiebilanzDlg::Sankey);
    Foto(&dlg, QStringLiteral("diagramme-dialog-sankey.png"));
    Element<QAbstractButton>(&dlg, 1002)->click();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Sanierungsvariante 1"));
    EXPECT_EQ(Element<QLineEdit>(&dlg, 1009)->text(), QStringLiteral("1"));
    EXPECT_TRUE(Element(&dlg, 1018)->isVisible());

    Element<QAbstractButton>(&dlg, 1003)->click();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Vergleich zwischen Bestand und Sanierungsvariante 1"));
    EXPECT_EQ(dlg.Art(), CEnergiebilanzDlg::BalkenJaehrlich);
    for (int id : {1010, 1297, 1298, 1299})
        EXPECT_TRUE(Element(&dlg, id)->isHidden()) << id;
    Foto(&dlg, QStringLiteral("diagramme-dialog-vergleich.png"));

    // Stepping stays within 1..Varianten.
    for (int i = 0; i < 4; ++i)
        Element<QAbstractButton>(&dlg, 1018)->click();
    EXPECT_EQ(dlg.Variante(), 2);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Vergleich zwischen Bestand und Sanierungsvariante 2"));
    for (int i = 0; i < 4; ++i)
        Element<QAbstractButton>(&dlg, 1019)->click();
    EXPECT_EQ(dlg.Variante(), 1);

    Element<QAbstractButton>(&dlg, 1002)->click();
    for (int id : {1010, 1297, 1298, 1299})
        EXPECT_TRUE(Element(&dlg, id)->isVisible()) << id;
    EXPECT_TRUE(Element<QAbstractButton>(&dlg, 1298)->isChecked());
    Element<QAbstractButton>(&dlg, 1299)->click();
    Foto(&dlg, QStringLiteral("diagramme-dialog-monat.png"));

    Element<QAbstractButton>(&dlg, 1285)->click();
    EXPECT_EQ(dlg.Variante(), 0);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Ist-Zustand"));
    EXPECT_TRUE(Element(&dlg, 1009)->isHidden());
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Diagramme, SankeyWindowWaitsForTheEndOfTheInputAndOpensTheDialog)
{
    Haus* dokumentHaus = Dok().GetHaus();
    test::AntwortNotifier notifier;
    H().BerechneBedarf(0, notifier);
    CSankeyDlg fenster;
    fenster.resize(260, 200);
    auto rot = [&] {
        const QImage bild = fenster.grab().toImage();
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (QColor(bild.pixel(x, y)) == QColor(255, 0, 0))
                    return true;
        return false;
    };
    HausAnbindung::SetzePhase(H(), 18);
    EXPECT_FALSE(rot());
    HausAnbindung::SetzePhase(H(), 19);
    EXPECT_TRUE(rot());
    Foto(&fenster, QStringLiteral("diagramme-sankeyfenster.png"));

    QString titel;
    int art = 0;
    test::BeiModalemDialog([&](QDialog* d) {
        titel = d->windowTitle();
        if (auto* c = qobject_cast<CEnergiebilanzDlg*>(d)) {
            art = c->Art();
            EXPECT_EQ(&c->HausRef(), dokumentHaus);
        }
        d->accept();
    });
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QTest::mouseDClick(&fenster, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(titel, QStringLiteral("Ist-Zustand"));
    EXPECT_EQ(art, CEnergiebilanzDlg::Sankey);
    EXPECT_EQ(Dok().GetHaus(), dokumentHaus);
}

TEST_F(Diagramme, GrafikenPageShowsTheSankeyWindowFromStep19)
{
    CAnsichtDlg* seite = rahmen->AnsichtSeite();
    seite->AktualisiereSchritt(19);
    ASSERT_EQ(seite->Tab()->count(), 3);
    seite->Tab()->setCurrentIndex(CAnsichtDlg::REITER_SANKEY);
    ASSERT_NE(seite->Sankey(), nullptr);
    EXPECT_NE(qobject_cast<CSankeyDlg*>(seite->Sankey()), nullptr);
    EXPECT_TRUE(seite->Sankey()->isVisible());
}

TEST_F(Diagramme, GrafikButtonOfTheHeatDemandPaneOpensTheAnnualBars)
{
    rahmen->ZeigeBedarf(0);
    auto* pane = dynamic_cast<CBedarfDlg*>(rahmen->Bedarfsfenster());
    ASSERT_NE(pane, nullptr);
    QString titel;
    int art = 0;
    test::BeiModalemDialog([&](QDialog* d) {
        titel = d->windowTitle();
        if (auto* c = qobject_cast<CEnergiebilanzDlg*>(d))
            art = c->Art();
        d->accept();
    });
    Element<QAbstractButton>(pane, 1177)->click();
    EXPECT_EQ(titel, QStringLiteral("Ist-Zustand"));
    EXPECT_EQ(art, CEnergiebilanzDlg::BalkenJaehrlich);
}

TEST_F(Diagramme, ChartPagePrintsHeaderTitleAndFooter)
{
    CEnergiebilanzDlg dlg(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::BalkenJaehrlich);
    QTemporaryDir ordner;
    for (int art : {1, 2, 3}) {
        dlg.OnDarstellungsart(1296 + art);
        const QString datei = ordner.filePath(QStringLiteral("diagramm%1.pdf").arg(art));
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        dlg.Drucke(drucker);
        const QString text = PdfText(datei);
        for (const QString& soll :
             {QStringLiteral("Projektname:"), QStringLiteral("Referenzhaus"),
              QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")), QStringLiteral("Seite 1"),
              QStringLiteral("Vyk-ZEVA Version Nr.: 1.3"), QString::fromUtf8(CEnergiebilanzDlg::Hinweiszeile)})
            EXPECT_TRUE(text.contains(soll)) << art << ": " << soll.toStdString();
        const QString titel = art == 3 ? QStringLiteral("Monatliche") : QString::fromUtf8("Jährliche");
        EXPECT_TRUE(text.contains(titel + QString::fromUtf8(" Bilanz für den Bestand"))) << art;
        if (art == 1) {
            const QString bbox = PdfText(datei, {QStringLiteral("-bbox")});
            const double kopf = BboxY(bbox, QStringLiteral("Projektname:"));
            const double titelY = BboxY(bbox, QString::fromUtf8("Jährliche"));
            const double fuss = BboxY(bbox, QStringLiteral("Vyk-ZEVA"));
            EXPECT_GE(kopf, 0);
            EXPECT_LT(kopf, titelY);
            EXPECT_LT(titelY, fuss);
        }
    }
}

// ---- Glaser

class Aufbau : public CSchichtquelle {
public:
    explicit Aufbau(std::vector<GlaserSchicht> s) : m_s(std::move(s)) {}
    std::vector<GlaserSchicht> HoleSchichtaufbau() const override { return m_s; }
    std::vector<GlaserSchicht> m_s;
};

const std::vector<GlaserSchicht> WandMitInnendaemmung = {{"Kalkputz", 0.015, 0.7, 10},
                                                        {"Mineralwolle", 0.06, 0.04, 1},
                                                        {"Mauerwerk", 0.24, 0.8, 10},
                                                        {"Außenputz", 0.02, 0.87, 20}};
const std::vector<GlaserSchicht> WandMitAussendaemmung = {{"Kalkputz", 0.015, 0.7, 10},
                                                         {"Mauerwerk", 0.24, 0.8, 10},
                                                         {"Mineralwolle", 0.1, 0.04, 1},
                                                         {"Außenputz", 0.01, 0.87, 5}};

// True when a pixel of colour c lies within 1 pixel of (x, y).
bool Nahe(const QImage& bild, int x, int y, const QColor& c)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (bild.rect().contains(x + dx, y + dy) && QColor(bild.pixel(x + dx, y + dy)) == c)
                return true;
    return false;
}

QImage GlaserBild(CGlaser& g, QStringList* texte)
{
    QImage bild(700, 450, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    g.ErzeugeSaettigungskurve(700);
    QPainter painter(&bild);
    Zeichenflaeche z(painter);
    z.SetzeTextprotokoll(texte);
    z.SetzeSchrift(12, 0, 400, false, false, QStringLiteral("Arial"));
    ZeichneGlaser(z, g, QRect(0, 0, 700, 450), 4, 0, GlaserStifte::Bildschirm());
    return bild;
}

TEST_F(Diagramme, GlaserCurvesBandsAndCondensationMark)
{
    Aufbau aufbau(WandMitInnendaemmung);
    CGlaser g;
    g.SetzeSchichtquelle(&aufbau);
    ASSERT_TRUE(g.Berechne());
    QStringList texte;
    const QImage bild = GlaserBild(g, &texte);
    bild.save(test::Ausgabedatei(QStringLiteral("diagramme-glaser.png")));

    const diagramm::GlaserLayout l = diagramm::GlaserLayout::Aus(700, 450, 4);
    const int Y = l.g, B = Y + l.H, x0 = l.g + l.g + l.g / 2;
    const double s = l.W / g.SdSumme();
    double c = 0;
    const QColor rot(192, 0, 0), blau(0, 0, 192);
    for (std::size_t j = 0; j < g.Temperaturen().size(); ++j) {
        const int x = x0 + Ganz(c);
        EXPECT_TRUE(Nahe(bild, x, diagramm::GlaserTemperaturY(g.Temperaturen()[j], B, l.H), rot)) << j;
        if (j < g.Sd().size())
            c += s * g.Sd()[j];
    }
    for (const Punkt2D& p : g.Dampfdrucklinie())
        EXPECT_TRUE(Nahe(bild, diagramm::GlaserX(p.x, x0, l.W, g.SdSumme()), diagramm::GlaserDruckY(p.y, B, l.H), blau))
            << p.x;
    const int xc = x0 + Ganz(s * 0.21);
    const QColor band(128, 128, 255);
    EXPECT_EQ(QColor(bild.pixel(xc + 1, B - 3)), band);
    EXPECT_EQ(QColor(bild.pixel(xc + 3, B - 3)), band);
    EXPECT_NE(QColor(bild.pixel(xc + 7, B - 3)), band);
    // The layer bands in their greys.
    const int grau1 = diagramm::SchichtGrau(2);
    EXPECT_EQ(QColor(bild.pixel(x0 + Ganz(s * 1.4), B - 3)), QColor(grau1, grau1, grau1));

    for (const char* soll : {"T [°C]", "P [Pa]", "diffusionsäquivalente Luftschichtdicke [m]", "(1)", "(4)",
                             "Mineralwolle", "Kondensation im Winter", "Austrocknung im Sommer",
                             "Sättigungsdampfdruck", "Wasserdampfdruck", "Temperatur", "3,01"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(soll))) << soll;
    EXPECT_TRUE(texte.contains(QString::fromStdString(diagramm::Zahl(g.Kondensat(), 3) + " [kg/m²]")));
}

// The legend's swatches are squares on the screen and on the paper, where the
// page's margin is many times the text's height.
TEST_F(Diagramme, GlaserLegendSwatchesAreSquares)
{
    Aufbau aufbau(WandMitInnendaemmung);
    CGlaser g;
    g.SetzeSchichtquelle(&aufbau);
    ASSERT_TRUE(g.Berechne());
    struct Fall {
        const char* was;
        QSize groesse;
        int schrift;
        int teiler;
        int versatz;
        double massstab; // of the picture looked at
    };
    // The screen's dialog, and the print's A4 page at 1200 dpi inside its
    // margins of 2 cm with the text 3.6 mm high, looked at in an eighth.
    const Fall faelle[] = {{"screen", {700, 450}, 12, 4, 0, 1.0}, {"paper", {8031, 12141}, 170, 3, 1, 0.125}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        QImage bild((QSizeF(f.groesse) * f.massstab).toSize(), QImage::Format_RGB32);
        bild.fill(Qt::gray);
        g.ErzeugeSaettigungskurve(f.groesse.width());
        {
            QPainter painter(&bild);
            painter.scale(f.massstab, f.massstab);
            Zeichenflaeche z(painter);
            z.SetzeSchrift(f.schrift, 0, 400, false, false, QStringLiteral("Arial"));
            ZeichneGlaser(z, g, QRect(QPoint(0, 0), f.groesse), f.teiler, f.versatz, GlaserStifte::Bildschirm());
        }
        const diagramm::GlaserLayout l = diagramm::GlaserLayout::Aus(f.groesse.width(), f.groesse.height(), f.teiler);
        // The third layer's grey below the diagram: the longest runs of it
        // across and down are the swatch's sides (the smoothed text has
        // single pixels of any grey).
        const QRgb c = qRgb(diagramm::SchichtGrau(2), diagramm::SchichtGrau(2), diagramm::SchichtGrau(2));
        const int oben = static_cast<int>((l.g + l.H + 3 * f.schrift) * f.massstab);
        int breite = 0;
        int hoehe = 0;
        for (int y = oben; y < bild.height(); ++y)
            for (int x = 0, lauf = 0; x < bild.width(); ++x) {
                lauf = bild.pixel(x, y) == c ? lauf + 1 : 0;
                breite = std::max(breite, lauf);
            }
        for (int x = 0; x < bild.width(); ++x)
            for (int y = oben, lauf = 0; y < bild.height(); ++y) {
                lauf = bild.pixel(x, y) == c ? lauf + 1 : 0;
                hoehe = std::max(hoehe, lauf);
            }
        EXPECT_GT(hoehe, f.schrift * f.massstab / 2) << "the swatch is there";
        EXPECT_NEAR(breite, hoehe, 3) << breite << " x " << hoehe;
        if (f.massstab != 1.0)
            bild.save(test::Ausgabedatei(QStringLiteral("glaser-druck.png")));
    }
}

TEST_F(Diagramme, GlaserWithoutCondensationOrLayers)
{
    for (const bool mitSchichten : {true, false}) {
        Aufbau aufbau(mitSchichten ? WandMitAussendaemmung : std::vector<GlaserSchicht>{});
        CGlaser g;
        g.SetzeSchichtquelle(&aufbau);
        EXPECT_FALSE(g.Berechne());
        QStringList texte;
        diagramm::SetzeBegrenztZurueck();
        const QImage bild = GlaserBild(g, &texte);
        EXPECT_EQ(diagramm::AnzahlBegrenzt(), 0u);
        EXPECT_EQ(texte.count(QString::fromUtf8("0,000 [kg/m²]")), 2) << mitSchichten;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                ASSERT_NE(QColor(bild.pixel(x, y)), QColor(128, 128, 255)) << x << ", " << y;
        if (mitSchichten) {
            EXPECT_EQ(g.Dampfdrucklinie().size(), 2u);
        }
    }
}

TEST_F(Diagramme, GlaserDialogShowsAndPrints)
{
    Aufbau aufbau(WandMitInnendaemmung);
    CGlaser g;
    g.SetzeSchichtquelle(&aufbau);
    g.Berechne();
    CGlaserDlg dlg(rahmen);
    dlg.SetzeGlaser(&g);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Glaser-Diagramm"));
    Foto(&dlg, QStringLiteral("diagramme-glaserdialog.png"));
    EXPECT_FALSE(g.Saettigungskurve().empty()) << "sampled by the first drawing";

    QTemporaryDir ordner;
    for (const bool farbe : {true, false}) {
        const QString datei = ordner.filePath(QStringLiteral("glaser.pdf"));
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(datei);
        drucker.setColorMode(farbe ? QPrinter::Color : QPrinter::GrayScale);
        dlg.Drucke(drucker);
        const QString text = PdfText(datei);
        for (const char* soll :
             {"diffusionsäquivalente Luftschichtdicke [m]", "Kondensation im Winter", "Austrocknung im Sommer"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(soll))) << soll;
    }
    Element<QAbstractButton>(&dlg, 1)->click();
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(Diagramme, ChartAndGlaserPrintToAPdfFileOrSayWhyNot)
{
    Aufbau aufbau(WandMitInnendaemmung);
    CGlaser g;
    g.SetzeSchichtquelle(&aufbau);
    g.Berechne();
    CGlaserDlg glaser(rahmen);
    glaser.SetzeGlaser(&g);
    CEnergiebilanzDlg diagramm(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::BalkenJaehrlich);
    struct Fall {
        const char* name;
        QAbstractButton* drucken;
    };
    const Fall faelle[] = {{"diagramm", Element<QAbstractButton>(&diagramm, 1016)},
                           {"glaser", Element<QAbstractButton>(&glaser, 3)}};
    QTemporaryDir ordner;
    QStringList gemeldet;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_NE(f.drucken, nullptr);
        test::SkriptDrucker drucker;
        drucker.pdf = ordner.filePath(QString::fromLatin1(f.name) + QStringLiteral(".pdf"));
        f.drucken->click();
        ASSERT_EQ(drucker.gefragt, 1);
        EXPECT_TRUE(drucker.optionen.testFlag(QAbstractPrintDialog::PrintToFile)) << "the PDF file offered";
        EXPECT_GT(QFileInfo(drucker.pdf).size(), 0);
        EXPECT_EQ(meldungen.Texte(), gemeldet);

        // A file that cannot be written: the print cannot start and says so.
        drucker.pdf = ordner.filePath(QStringLiteral("fehlt/") + QString::fromLatin1(f.name) + QStringLiteral(".pdf"));
        f.drucken->click();
        gemeldet << QString::fromUtf8(Druckauswahl::MeldungDruck);
        EXPECT_EQ(meldungen.Texte(), gemeldet) << "told once";
    }
}

} // namespace
} // namespace zeva
