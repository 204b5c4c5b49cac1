// The results as the user meets them in the started program: the heat-demand
// pane and its page, the areas page, the figure pages of the left bar and the
// variant pane's "Diagramme" page, printed and photographed.
#include "shell/RahmenTestHilfen.h"
#include "support/Ausgabedatei.h"
#include "ui/CHideBar.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "model/VariantenTestHaus.h"
#include "results/CBedarfDlg.h"
#include "results/CBedarfView.h"
#include "results/CDiagrammeDlg.h"
#include "results/CFlaechenView.h"
#include "results/CGeoKGDlg.h"
#include "results/CHeizungDlg.h"
#include "results/Ergebnisseiten.h"
#include "results/Flaechenseite.h"
#include "shell/Befehle.h"
#include "shell/CZEVAView.h"
#include "shell/Vorschaufabrik.h"
#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <regex>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("ui/bildschirm-1024x768.json"));

// The value of the row with that label on a result page ("" when missing).
std::string Zeilenwert(const std::string& seite, const std::string& name)
{
    const std::regex muster("<td class=\"dataName\">" + name + "</td><td class=\"dataValue\">([^<]*)</td>");
    std::smatch treffer;
    return std::regex_search(seite, treffer, muster) ? std::string(treffer[1]) : std::string();
}

// The report as the frame drives it: which states it was asked to write.
class Reportprotokoll final : public Reportschreiber {
public:
    explicit Reportprotokoll(std::vector<int>& zustaende) : m_zustaende(zustaende) {}
    void ErstelleReportXml(Haus&, const DOptionen&) override {}
    void SchreibeReportVars(Haus&, int variante, const QStringList*) override { m_zustaende.push_back(variante); }
    QByteArray HoleReportStream() const override { return "<html>Report</html>"; }

private:
    std::vector<int>& m_zustaende;
};

// The program as it starts, with every part of it installed (the results
// among them).
class Ergebnisse : public test::GestartetesProgramm {
protected:
    void SetUp() override
    {
        test::GestartetesProgramm::SetUp();
        if (HasFatalFailure())
            return;
        // The reference house with its boiler at the end of the input, with
        // two variants.
        test::ReferenzHausMitKessel(H());
        H().Beschreibung = "Referenzhaus";
        H().NeueVariante(true, rahmen->Optionen());
        H().NeueVariante(true, rahmen->Optionen());
        HausAnbindung::SetzePhase(H(), 19);
        rahmen->AktualisiereSeiten();
    }

    void TearDown() override
    {
        CBedarfDlg::SetzeGrafik({});
        test::GestartetesProgramm::TearDown();
    }

    Haus& H() const { return Dok().HausRef(); }
    CBedarfDlg* Fenster() const { return dynamic_cast<CBedarfDlg*>(rahmen->Bedarfsfenster()); }
    CBedarfView* Seite() const { return dynamic_cast<CBedarfView*>(rahmen->Bedarfsansicht()); }
    template <class T = QWidget>
    T* Element(int id) const
    {
        return FindeDirektId<T>(Fenster(), id);
    }
    QComboBox* Zustaende() const { return Element<QComboBox>(1258); }
    QComboBox* Verfahren() const { return Element<QComboBox>(1005); }

    // The user picks entry i of a combo box.
    static void Waehle(QComboBox* box, int i)
    {
        box->setCurrentIndex(i);
        emit box->activated(i);
    }

    // What the model says about state n, as the page must show it.
    std::string Modellwert(int n, double DBedarf::*feld) const
    {
        return Werttext(H().m_aBedarf[static_cast<std::size_t>(n)].*feld);
    }

    // Clicks the link with that text in a result view.
    static void KlickeLink(QTextBrowser* ansicht, const QString& text)
    {
        QTextCursor cursor = ansicht->document()->find(text, 0, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(cursor.isNull()) << text.toStdString();
        cursor.setPosition(cursor.selectionStart() + 1);
        QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {}, ansicht->cursorRect(cursor).center());
    }

    static void Foto(QWidget* w, const QString& name)
    {
        const QImage bild = w->grab().toImage();
        ASSERT_FALSE(bild.isNull());
        EXPECT_TRUE(bild.save(test::Ausgabedatei(name)));
    }
};

TEST_F(Ergebnisse, BestandOpensThePaneAndThePageWithTheModelsFigures)
{
    ASSERT_TRUE(rahmen->Befehl(ID_BESTAND));
    ASSERT_NE(Fenster(), nullptr);
    ASSERT_NE(Seite(), nullptr);
    EXPECT_EQ(Fenster()->windowTitle(), QStringLiteral("Wärmebedarfsberechnung"));
    EXPECT_TRUE(Fenster()->isVisible());
    EXPECT_EQ(rahmen->AktiveAnsicht(), Seite());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);

    ASSERT_EQ(Zustaende()->count(), 3);
    EXPECT_EQ(Zustaende()->itemText(0), QStringLiteral("Bestand"));
    EXPECT_EQ(Zustaende()->itemText(1), QStringLiteral("Variante 1"));
    EXPECT_EQ(Zustaende()->itemText(2), QStringLiteral("Variante 2"));
    EXPECT_EQ(Zustaende()->currentIndex(), 0);
    EXPECT_EQ(Verfahren()->currentText(), QStringLiteral("EnEV"));
    EXPECT_FALSE(Element(1177)->isHidden());
    for (const auto& [id, text] : {std::pair{1, "&Schließen"}, std::pair{1177, "&Grafik"}, std::pair{1121, "&Report"},
                                   std::pair{1130, "&Flächen"}})
        EXPECT_EQ(Element<QPushButton>(id)->text(), QString::fromUtf8(text));
    EXPECT_EQ(Element<QLabel>(1397)->text(), QStringLiteral("Berechnungsverfahren :"));

    // The two lists show their headers only.
    for (const auto& [id, kopf] : {std::pair{1110, "Gewinnpfad"}, std::pair{1179, "Verlustpfad"}}) {
        auto* liste = Element<QTreeWidget>(id);
        ASSERT_NE(liste, nullptr);
        EXPECT_EQ(liste->topLevelItemCount(), 0);
        EXPECT_EQ(liste->headerItem()->text(0), QString::fromUtf8(kopf));
        EXPECT_EQ(liste->headerItem()->text(1), QStringLiteral("kWh/m²a"));
        EXPECT_NEAR(liste->columnWidth(0), 0.7 * (liste->columnWidth(0) + liste->columnWidth(1)), 1.5);
    }

    // The page is the balance of the state as the model computed it.
    const std::string seite = Seite()->Seite();
    const DBedarf& b = H().m_aBedarf[0];
    EXPECT_GT(b.Brennstoffenergiebedarf, 0);
    EXPECT_EQ(seite, Bilanzseite(b, 0, 0, true));
    EXPECT_EQ(Zeilenwert(seite, "Heizenergiebedarf"), Modellwert(0, &DBedarf::Brennstoffenergiebedarf));
    EXPECT_EQ(Zeilenwert(seite, "Wärmeverluste Wand"), Modellwert(0, &DBedarf::Wandsumme));
    EXPECT_EQ(Zeilenwert(seite, "Lüftungsverluste"), Modellwert(0, &DBedarf::Lueftung));
    EXPECT_EQ(Zeilenwert(seite, "Wärmeverluste Fenster"), Modellwert(0, &DBedarf::Fensterverlustsumme));
    EXPECT_NE(Seite()->toPlainText().indexOf(QStringLiteral("Berechnung der Energiebilanz")), -1);
    // The page's own context menu stays.
    EXPECT_EQ(Seite()->contextMenuPolicy(), Qt::DefaultContextMenu);

    // A variant is computed on a copy of the house with its measures.
    Waehle(Zustaende(), 2);
    EXPECT_EQ(Fenster()->Variante(), 2);
    EXPECT_EQ(Seite()->Variante(), 2);
    EXPECT_NE(Seite()->Seite().find(">Variante 2<"), std::string::npos);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Heizenergiebedarf"), Modellwert(2, &DBedarf::Brennstoffenergiebedarf));
    EXPECT_GT(H().m_aBedarf[2].Brennstoffenergiebedarf, 0);
}

TEST_F(Ergebnisse, ARequestBeyondTheVariantsShowsTheLastAndWithoutVariantsTheExistingState)
{
    rahmen->ZeigeBedarf(5);
    ASSERT_NE(Fenster(), nullptr);
    EXPECT_EQ(Zustaende()->currentText(), QStringLiteral("Variante 2"));
    EXPECT_EQ(Fenster()->Variante(), 2);
    EXPECT_EQ(Seite()->Variante(), 2);
    Fenster()->findChild<QPushButton*>(IdName(1))->click();
    QCoreApplication::processEvents();

    H().LoescheAlleVarianten();
    rahmen->ZeigeBedarf(1);
    ASSERT_NE(Fenster(), nullptr);
    EXPECT_EQ(Zustaende()->count(), 1);
    EXPECT_EQ(Zustaende()->currentText(), QStringLiteral("Bestand"));
    EXPECT_NE(Seite()->Seite().find(">Bestand<"), std::string::npos);
}

TEST_F(Ergebnisse, ShowingThePaneAgainTakesTheDocumentsHouseAndItsPresentVariants)
{
    rahmen->ZeigeBedarf(0);
    QPointer<QWidget> fenster = Fenster();
    Fenster()->SetzeKopiemodus();
    {
        Haus kopie(H());
        kopie.m_aWand[0].kWert = 3;
        Fenster()->Aktualisiere(&kopie);
    }
    // A variant added since: the menu's entry for it shows it.
    H().NeueVariante(true, rahmen->Optionen());
    rahmen->ZeigeBedarf(3);
    EXPECT_EQ(Fenster(), fenster.data());
    EXPECT_TRUE(Fenster()->DokumentHaus());
    EXPECT_EQ(Zustaende()->count(), 4);
    EXPECT_EQ(Zustaende()->currentText(), QStringLiteral("Variante 3"));
    EXPECT_NE(Seite()->Seite().find(">Variante 3<"), std::string::npos);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand"), Modellwert(3, &DBedarf::Wandsumme));
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);
}

TEST_F(Ergebnisse, TheMethodIsTheDocumentsAndTheGrafikButtonFollowsIt)
{
    H().Berechnungsverfahren = BerechnungWSVO95;
    rahmen->ZeigeBedarf(0);
    ASSERT_NE(Fenster(), nullptr);
    EXPECT_EQ(Verfahren()->currentText(), QStringLiteral("WSVO´95"));
    EXPECT_TRUE(Element(1177)->isHidden());
    EXPECT_NE(Seite()->Seite().find("Transmissionswärmeverluste Wand"), std::string::npos);
    EXPECT_FALSE(Dok().IsModified());

    Waehle(Verfahren(), 0);
    EXPECT_EQ(H().Berechnungsverfahren, BerechnungEnEV);
    EXPECT_FALSE(Element(1177)->isHidden());
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Heizenergiebedarf"), Modellwert(0, &DBedarf::Brennstoffenergiebedarf));
    // The left bar shows the same method's figures as the page.
    auto* heizung = dynamic_cast<CHeizungDlg*>(rahmen->HeizungSeite());
    ASSERT_NE(heizung, nullptr);
    const double e = H().m_aBedarf[0].Brennstoffenergiebedarf;
    CWertButton probe;
    probe.SetzeStil(CWertButton::WB_ZWEI_WERTE | CWertButton::WB_EXPONENT);
    probe.SetzeWert(e, 1);
    EXPECT_EQ(heizung->Feld(1018)->Wert(1), probe.Wert(1));

    Waehle(Verfahren(), 1);
    EXPECT_EQ(H().Berechnungsverfahren, BerechnungSIA);
    EXPECT_FALSE(Element(1177)->isHidden());
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Heizenergiebedarf"), Modellwert(0, &DBedarf::Brennstoffenergiebedarf));

    // From a variant the left bar's existing state changes method too.
    Waehle(Zustaende(), 1);
    Waehle(Verfahren(), 2);
    EXPECT_TRUE(Element(1177)->isHidden());
    EXPECT_NE(Seite()->Seite().find(">Variante 1<"), std::string::npos);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Heizwärmebedarf"), Modellwert(1, &DBedarf::Waermebedarf));
    EXPECT_EQ(heizung->Feld(1018)->Wert(0), QString::fromUtf8(KeinWert.data()));
}

TEST_F(Ergebnisse, ChoosingTheStateAgainShowsTheHouseAsItNowIs)
{
    rahmen->ZeigeBedarf(0);
    const std::string vorher = Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand");
    H().m_aWand[0].kWert = 2.5;
    Waehle(Zustaende(), 0);
    const std::string nachher = Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand");
    EXPECT_NE(nachher, vorher);
    EXPECT_EQ(nachher, Modellwert(0, &DBedarf::Wandsumme));
}

TEST_F(Ergebnisse, AChangeOfTheExistingBuildingRefreshesThePaneOfTheExistingState)
{
    rahmen->ZeigeBedarf(0);
    const std::string vorher = Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand");
    H().m_aWand[0].kWert = 2.5;
    // What the house asks of the frame before its existing state changes.
    rahmen->Variantenanzeige().AktualisiereBestandsbedarf();
    EXPECT_NE(Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand"), vorher);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand"), Modellwert(0, &DBedarf::Wandsumme));
}

TEST_F(Ergebnisse, BestandBringsBackThePageThatAViewOpenedBeforeItTookAlong)
{
    rahmen->Flaechenansicht(0);
    rahmen->ZeigeBedarf(0);
    ASSERT_EQ(rahmen->Stapel().Anzahl(), 2);
    QPointer<QWidget> fenster = Fenster();
    // Closing the areas page closes the page opened after it; the pane stays.
    rahmen->Flaechenansicht(ANSICHT_SCHLIESSEN);
    EXPECT_EQ(Seite(), nullptr);
    ASSERT_FALSE(fenster.isNull());

    ASSERT_TRUE(rahmen->Befehl(ID_BESTAND));
    EXPECT_EQ(Fenster(), fenster.data());
    ASSERT_NE(Seite(), nullptr);
    EXPECT_EQ(rahmen->AktiveAnsicht(), Seite());
    EXPECT_TRUE(Fenster()->isVisible());
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Heizenergiebedarf"), Modellwert(0, &DBedarf::Brennstoffenergiebedarf));
}

TEST_F(Ergebnisse, CloseEnterAndEscapeClosePaneAndPage)
{
    struct Weg {
        const char* name;
        std::function<void(CBedarfDlg*)> schliessen;
    };
    const Weg wege[] = {
        {"Schließen", [](CBedarfDlg* f) { f->findChild<QPushButton*>(IdName(1))->click(); }},
        {"Enter", [](CBedarfDlg* f) { QTest::keyClick(f, Qt::Key_Return); }},
        {"Escape", [](CBedarfDlg* f) { QTest::keyClick(f, Qt::Key_Escape); }},
    };
    for (const Weg& weg : wege) {
        SCOPED_TRACE(weg.name);
        rahmen->ZeigeBedarf(0);
        QPointer<QWidget> fenster = Fenster();
        QPointer<QWidget> seite = Seite();
        ASSERT_FALSE(fenster.isNull());
        weg.schliessen(Fenster());
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(fenster.isNull());
        EXPECT_TRUE(seite.isNull());
        EXPECT_EQ(rahmen->Bedarfsfenster(), nullptr);
        EXPECT_TRUE(rahmen->Stapel().IstLeer());
        EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
        EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    }
}

TEST_F(Ergebnisse, ReportPostsTheStateAndFlaechenOpensTheAreasPage)
{
    std::vector<int> berichte;
    QPointer<QWidget> report;
    rahmen->SetzeReport(std::make_unique<Reportprotokoll>(berichte), [&report](QWidget* eltern) {
        report = new QTextBrowser(eltern);
        return report.data();
    });
    rahmen->ZeigeBedarf(0);
    Waehle(Zustaende(), 1);
    Element<QPushButton>(1121)->click();
    EXPECT_TRUE(berichte.empty()) << "posted";
    QCoreApplication::processEvents();
    ASSERT_FALSE(berichte.empty());
    EXPECT_EQ(berichte.front(), 1) << "the report of variant 1";
    ASSERT_FALSE(report.isNull());
    EXPECT_EQ(rahmen->AktiveAnsicht(), report.data());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 2);
    // Closed, it gives the balance and the pane back.
    rahmen->Reportansicht(ANSICHT_SCHLIESSEN);
    EXPECT_EQ(rahmen->AktiveAnsicht(), Seite());
    EXPECT_TRUE(Fenster()->isVisible());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);

    Element<QPushButton>(1130)->click();
    auto* flaechen = dynamic_cast<CFlaechenView*>(rahmen->AktiveAnsicht());
    ASSERT_NE(flaechen, nullptr);
    EXPECT_EQ(flaechen->Seite(), Flaechenseite(H()));
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 2);

    // Its close link brings back the balance.
    KlickeLink(flaechen, QStringLiteral("Schließen"));
    QCoreApplication::processEvents();
    EXPECT_EQ(rahmen->AktiveAnsicht(), Seite());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);
}

TEST_F(Ergebnisse, AreasPageFromTheStartPageClosesByItsLinkAndNamesItInTheStatusBar)
{
    rahmen->Flaechenansicht(0);
    auto* flaechen = dynamic_cast<CFlaechenView*>(rahmen->AktiveAnsicht());
    ASSERT_NE(flaechen, nullptr);
    EXPECT_EQ(flaechen->contextMenuPolicy(), Qt::NoContextMenu);
    const std::string seite = flaechen->Seite();
    EXPECT_NE(seite.find(">Referenzhaus<"), std::string::npos);
    // 100 m² wall, 50 m² ceiling, 50 m² floor, 10 m² window, 300 m³.
    EXPECT_NE(seite.find("<td class=\"dataName\">Hüllfläche des beheizten Gebäudevolumens:</td>"
                         "<td class=\"dataValue\">210,00 m²</td>"),
              std::string::npos);
    // The gross volume the air volume was made from, to two decimals.
    EXPECT_NE(seite.find("beheiztes Bruttovolumen:</td><td class=\"dataValue\">" + Zahltext(300 / H().Luftvolumenfaktor(), 2) +
                         " m³"),
              std::string::npos);

    // The mouse over the close link, then off it.
    QTextCursor link = flaechen->document()->find(QStringLiteral("Schließen"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionStart() + 1);
    QTest::mouseMove(flaechen->viewport(), flaechen->cursorRect(link).center());
    EXPECT_EQ(rahmen->statusBar()->currentMessage(), QStringLiteral("Ansicht Schließen"));
    QTest::mouseMove(flaechen->viewport(), QPoint(5, flaechen->viewport()->height() - 5));
    EXPECT_TRUE(rahmen->statusBar()->currentMessage().isEmpty());

    // Shown again while it lives, it keeps its figures.
    H().Volumen = 1000;
    rahmen->Flaechenansicht(0);
    EXPECT_EQ(flaechen->Seite(), seite);

    QPointer<QWidget> weg = flaechen;
    KlickeLink(flaechen, QStringLiteral("Schließen"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(weg.isNull());
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_TRUE(rahmen->Stapel().IstLeer());
}

TEST_F(Ergebnisse, CopyModeShowsItsOwnCopyAndLeavesTheDocumentsHouse)
{
    std::vector<double> gezeichnet;
    std::vector<const Haus*> haeuser;
    CBedarfDlg::SetzeGrafik([&](Haus& haus, int n, QWidget* eltern) {
        EXPECT_EQ(eltern, Fenster());
        EXPECT_EQ(n, Fenster()->Variante());
        gezeichnet.push_back(haus.m_aWand[0].kWert);
        haeuser.push_back(&haus);
    });
    rahmen->ZeigeBedarf(0);
    Haus* dokumentHaus = Dok().GetHaus();
    Fenster()->SetzeKopiemodus();
    {
        auto kopie = std::make_unique<Haus>(H());
        kopie->m_aWand[0].kWert = 3;
        Fenster()->Aktualisiere(kopie.get());
        // The variant dialog's copy goes right after the call.
    }
    Haus erwartet(H());
    erwartet.m_aWand[0].kWert = 3;
    test::AntwortNotifier notifier;
    erwartet.BerechneBedarf(0, notifier);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand"), Werttext(erwartet.m_aBedarf[0].Wandsumme));
    EXPECT_NE(Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand"), Modellwert(0, &DBedarf::Wandsumme));

    Element<QPushButton>(1177)->click();
    ASSERT_EQ(gezeichnet.size(), 1u);
    EXPECT_EQ(gezeichnet[0], 3);
    EXPECT_NE(haeuser[0], dokumentHaus);
    EXPECT_EQ(Dok().GetHaus(), dokumentHaus);
    EXPECT_EQ(H().m_aWand[0].kWert, 1.0);

    // A method change is the document's: page and chart show its house.
    Waehle(Verfahren(), 1);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Wärmeverluste Wand"), Modellwert(0, &DBedarf::Wandsumme));
    Element<QPushButton>(1177)->click();
    ASSERT_EQ(gezeichnet.size(), 2u);
    EXPECT_EQ(haeuser[1], dokumentHaus);
}

TEST_F(Ergebnisse, FileNewAndOpenCloseThePaneThePageAndTheAreasView)
{
    const QString pfad = test::Datei(QStringLiteral("ergebnisse.vza"));
    test::SchreibeDatei(pfad, test::ProjektXml(QStringLiteral("Anderes"), 19).toUtf8());
    struct Weg {
        const char* name;
        std::function<void()> ersetzen;
    };
    const Weg wege[] = {{"Neu", [this] { rahmen->Befehl(ID_FILE_NEW); }},
                        {"Öffnen", [this, pfad] { EXPECT_TRUE(app->OpenDocumentFile(pfad)); }}};
    for (const Weg& weg : wege) {
        SCOPED_TRACE(weg.name);
        test::ReferenzHausMitKessel(H());
        Dok().SetModifiedFlag(false);
        rahmen->ZeigeBedarf(0);
        Element<QPushButton>(1130)->click();
        QPointer<QWidget> fenster = Fenster();
        QPointer<QWidget> seite = Seite();
        QPointer<QWidget> flaechen = rahmen->AktiveAnsicht();
        ASSERT_NE(dynamic_cast<CFlaechenView*>(flaechen.data()), nullptr);

        weg.ersetzen();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(fenster.isNull());
        EXPECT_TRUE(seite.isNull());
        EXPECT_TRUE(flaechen.isNull());
        EXPECT_EQ(rahmen->Bedarfsfenster(), nullptr);
        EXPECT_TRUE(rahmen->Stapel().IstLeer());
        EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    }
}

TEST_F(Ergebnisse, GeometricFiguresOfTheLeftBar)
{
    auto* geo = dynamic_cast<CGeoKGDlg*>(rahmen->GeoKGSeite());
    ASSERT_NE(geo, nullptr);
    for (const auto& [id, name, einheit] :
         {std::tuple{1010, "Hüllfläche", "m²"}, std::tuple{1011, "Kompaktheitsgrad", "1/m"},
          std::tuple{1012, "Luftvolumen", "m³"}, std::tuple{1013, "EnergieBezugsFläche", "m²"}}) {
        EXPECT_EQ(geo->Feld(id)->Beschriftung(), QString::fromUtf8(name));
        EXPECT_EQ(geo->Feld(id)->Einheit(), QString::fromUtf8(einheit));
    }
    struct Fall {
        double huelle;
        double volumen;
        const char* a;
        const char* kompakt;
    };
    // The areas are rounded as the areas page rounds them (245,9 m² is 246
    // there and here), never cut.
    for (const Fall& f : {Fall{245.9, 600, "246", "0,41"}, Fall{512, 400, "512", "1,28"}, Fall{512, 0, "512", "0,00"},
                          Fall{1234.5, 600, "1.230", "2,06"}}) {
        Haus& h = H();
        h.m_aFenster.RemoveAll();
        h.m_aDecke.RemoveAll();
        h.m_aBoden.RemoveAll();
        h.m_aWand.RemoveAll();
        DWand w;
        w.Flaeche = f.huelle;
        h.m_aWand.Add(w);
        h.Volumen = f.volumen;
        h.Energiebezugsflaeche = 187.6;
        rahmen->AktualisiereSeiten();
        EXPECT_EQ(geo->Feld(1010)->Wert(), QString::fromUtf8(f.a)) << f.huelle;
        EXPECT_EQ(geo->Feld(1011)->Wert(), QString::fromUtf8(f.kompakt)) << f.huelle << " " << f.volumen;
        EXPECT_EQ(geo->Feld(1013)->Wert(), QStringLiteral("188"));
        EXPECT_EQ(Werttext(h.Huellflaeche()).substr(0, std::string(f.a).size()), f.a) << f.huelle;
    }
    EXPECT_DOUBLE_EQ(CGeoKGDlg::Kompaktheit(245, 600), 0.41);
    EXPECT_DOUBLE_EQ(CGeoKGDlg::Kompaktheit(512, 400), 1.28);
}

TEST_F(Ergebnisse, HeatingFiguresOfTheLeftBarAndTheirDash)
{
    auto* heizung = dynamic_cast<CHeizungDlg*>(rahmen->HeizungSeite());
    ASSERT_NE(heizung, nullptr);
    Haus& h = H();
    h.Berechnungsverfahren = BerechnungEnEV;
    h.Energiebezugsflaeche = 150;
    h.m_aBedarf[0] = DBedarf();
    h.m_aBedarf[0].Brennstoffenergiebedarf = 123.4;
    h.m_aHeizung[0].Brennstoff = 0;
    rahmen->Optionen().Brennstoffkosten1 = 0.06;
    // The page's formats and units for a given record; through the frame the
    // bar computes the state itself (below).
    heizung->ZeigeVariante(h, 0);

    auto werte = [heizung](int id) {
        return std::pair{heizung->Feld(id)->Wert(0).toStdString(), heizung->Feld(id)->Wert(1).toStdString()};
    };
    auto einheiten = [heizung](int id) {
        return std::pair{heizung->Feld(id)->Einheit(0).toStdString(), heizung->Feld(id)->Einheit(1).toStdString()};
    };
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(heizung->Feld(1014)->Wert(0), QStringLiteral("Gas"));
    EXPECT_EQ(werte(1018), (P{"18,5 10^3", "123"}));
    EXPECT_EQ(einheiten(1018), (P{"kWh/a", "kWh/(m²a)"}));
    EXPECT_EQ(werte(1015), (P{"4,07", "27,1"}));
    EXPECT_EQ(einheiten(1015), (P{"t/a", "kg/(m²a)"}));
    EXPECT_EQ(werte(1016), (P{"1.780", "11,9"}));
    EXPECT_EQ(einheiten(1016), (P{"m³/a", "m³/(m²a)"}));
    EXPECT_EQ(werte(1017), (P{"1.110,00", "7,40"}));
    EXPECT_EQ(einheiten(1017), (P{"EUR/a", "EUR/(m²a)"}));

    struct Fall {
        int brennstoff;
        const char* name;
        const char* einheit;
    };
    for (const Fall& f : {Fall{1, "Öl", "l"}, Fall{2, "Fester Brennstoff", "kg"}, Fall{3, "Strom", "kWh"},
                          Fall{5, "Sonstige", "kWh"}}) {
        h.m_aHeizung[0].Brennstoff = f.brennstoff;
        rahmen->AktualisiereSeiten();
        EXPECT_EQ(heizung->Feld(1014)->Wert(0), QString::fromUtf8(f.name));
        EXPECT_EQ(einheiten(1016), (P{std::string(f.einheit) + "/a", std::string(f.einheit) + "/(m²a)"}));
        EXPECT_FALSE(heizung->Feld(1016)->Wert(0).startsWith(QLatin1Char('-')));
    }

    // A heating without power, and the annual balance, have no fuel figure.
    const P strich{std::string(KeinWert), std::string(KeinWert)};
    h.m_aHeizung[0] = DHeizung();
    test::AntwortNotifier notifier;
    h.BerechneBedarf(0, notifier);
    ASSERT_FALSE(h.EndenergieBerechenbar(0));
    rahmen->AktualisiereSeiten();
    for (const int id : {1018, 1015, 1016, 1017})
        EXPECT_EQ(werte(id), strich) << id;
    h.m_aHeizung[0] = test::ReferenzKessel();
    h.Berechnungsverfahren = BerechnungWSVO95;
    h.BerechneBedarf(0, notifier);
    rahmen->AktualisiereSeiten();
    for (const int id : {1018, 1015, 1016, 1017})
        EXPECT_EQ(werte(id), strich) << id;
    h.Berechnungsverfahren = BerechnungEnEV;
    h.BerechneBedarf(0, notifier);
    rahmen->AktualisiereSeiten();
    EXPECT_NE(werte(1018).first, std::string(KeinWert));

    // The balance page shows the dash for the invalid heating as well.
    h.m_aHeizung[0] = DHeizung();
    rahmen->ZeigeBedarf(0);
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Heizenergiebedarf"), std::string(KeinWert));
    EXPECT_EQ(Zeilenwert(Seite()->Seite(), "Verluste im Heizungssystem"), std::string(KeinWert));
}

TEST_F(Ergebnisse, DiagrammePageMakesTheHiddenSankeyWindowAndPlacesItOnShow)
{
    CDiagrammeDlg seite;
    seite.Create();
    ASSERT_EQ(seite.Reiter()->count(), 1);
    EXPECT_EQ(seite.Reiter()->tabText(0), QStringLiteral("Sankey"));
    EXPECT_EQ(seite.Sankey(), nullptr);

    seite.SetzeVariante(std::make_shared<const Haus>(H()), 2);
    QPointer<QWidget> sankey = seite.Sankey();
    ASSERT_FALSE(sankey.isNull());
    EXPECT_TRUE(sankey->isHidden());
    EXPECT_EQ(seite.Variante(), 2);

    seite.resize(260, 240);
    seite.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&seite));
    EXPECT_TRUE(sankey->isVisible());
    EXPECT_TRUE(seite.Reiter()->widget(0)->isAncestorOf(sankey));
    EXPECT_GT(sankey->width(), 100);
    Foto(&seite, QStringLiteral("ergebnisse-diagramme.png"));
}

TEST_F(Ergebnisse, TheBalancePagePrintsToPdf)
{
    rahmen->ZeigeBedarf(0);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("bilanz.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    ASSERT_TRUE(Seite()->Drucke(drucker));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {datei, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char* zeile :
         {"Berechnung der Energiebilanz", "Bestand", "Heizenergiebedarf", "Heizwärmebedarf", "Nutzbare interne Gewinne",
          "Nutzbare solare Gewinne", "Verluste im Heizungssystem", "Lüftungsverluste", "Wärmeverluste Dach",
          "Wärmeverluste Decke", "Wärmeverluste Wand", "Wärmeverluste Boden", "Wärmeverluste Fenster",
          "Energieeinsparverordnung"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(zeile))) << zeile;
    EXPECT_TRUE(text.contains(QString::fromStdString(Modellwert(0, &DBedarf::Brennstoffenergiebedarf))));

    // The frame hands the preview command to the page in front.
    QString vorschau;
    test::BeiModalemDialog([&vorschau](QDialog* dialog) {
        vorschau = QString::fromLatin1(dialog->metaObject()->className());
        dialog->reject();
    });
    EXPECT_TRUE(rahmen->Befehl(ID_FILE_PRINT_PREVIEW));
    EXPECT_EQ(vorschau, QStringLiteral("QPrintPreviewDialog"));
}

// The main window at 1024 × 768 as the user sees it on each result page: the
// left bar with the house's figures, the page in front and the right bar's
// pane side by side, none covering another, each inside the window.
TEST_F(Ergebnisse, MainWindowWithTheBalanceAndTheFilledLeftBar)
{
    const auto imFenster = [this](QWidget* w) {
        return QRect(w->mapTo(rahmen, QPoint(0, 0)), w->size());
    };
    const auto nebeneinander = [&](QWidget* ansicht, QWidget* fenster, const char* wo) {
        SCOPED_TRACE(wo);
        ASSERT_NE(ansicht, nullptr);
        ASSERT_NE(fenster, nullptr);
        QWidget* links = rahmen->LinkerBalken();
        for (QWidget* w : {links, ansicht, fenster}) {
            EXPECT_TRUE(w->isVisible()) << w->metaObject()->className();
            EXPECT_TRUE(rahmen->rect().contains(imFenster(w))) << w->metaObject()->className();
            EXPECT_GT(w->width(), 100) << w->metaObject()->className();
        }
        EXPECT_LE(imFenster(links).right(), imFenster(ansicht).left());
        EXPECT_LE(imFenster(ansicht).right(), imFenster(fenster).left());
        EXPECT_EQ(rahmen->AktiveAnsicht(), ansicht);
    };
    rahmen->ZeigeBedarf(0);
    rahmen->setGeometry(0, 0, 1024, 768);
    QCoreApplication::processEvents();
    nebeneinander(Seite(), Fenster(), "balance");
    // The left bar is filled with the house's figures.
    auto* geo = dynamic_cast<CGeoKGDlg*>(rahmen->GeoKGSeite());
    ASSERT_NE(geo, nullptr);
    EXPECT_TRUE(geo->isVisible());
    for (const int id : {1010, 1011, 1012, 1013})
        EXPECT_FALSE(geo->Feld(id)->Wert().isEmpty()) << id;
    EXPECT_TRUE(Seite()->toPlainText().contains(QString::fromStdString(Modellwert(0, &DBedarf::Brennstoffenergiebedarf))));
    Foto(rahmen, QStringLiteral("ergebnisse-hauptfenster.png"));

    Element<QPushButton>(1130)->click();
    QCoreApplication::processEvents();
    auto* flaechen = dynamic_cast<CFlaechenView*>(rahmen->AktiveAnsicht());
    // The areas page has the variants' pane beside it.
    nebeneinander(flaechen, rahmen->Variantenfenster(), "areas");
    EXPECT_FALSE(Fenster()->isVisible()) << "one pane of the right bar at a time";
    EXPECT_TRUE(flaechen->toPlainText().contains(QStringLiteral("Hüllfläche")));
    Foto(rahmen, QStringLiteral("ergebnisse-flaechen.png"));
    Foto(Fenster(), QStringLiteral("ergebnisse-bedarfsfenster.png"));

    // The report of a variant with its generator, and the between page with
    // the variant pane.
    std::vector<int> berichte;
    rahmen->SetzeReport(std::make_unique<Reportprotokoll>(berichte),
                        [](QWidget* eltern) -> QWidget* { return new QTextBrowser(eltern); });
    rahmen->Reportansicht(1);
    QCoreApplication::processEvents();
    nebeneinander(rahmen->ReportAnsicht(), rahmen->ReportGenerator(), "report");
    ASSERT_FALSE(berichte.empty());
    EXPECT_EQ(berichte.front(), 1) << "the report of variant 1";
    EXPECT_FALSE(Fenster()->isVisible()) << "one pane of the right bar at a time";
    Foto(rahmen, QStringLiteral("ergebnisse-report.png"));

    rahmen->Reportansicht(ANSICHT_SCHLIESSEN);
    rahmen->Flaechenansicht(ANSICHT_SCHLIESSEN);
    Fenster()->findChild<QPushButton*>(IdName(1))->click();
    QCoreApplication::processEvents();
    ASSERT_NE(rahmen->Variantenfenster(), nullptr);
    EXPECT_TRUE(rahmen->Variantenfenster()->isVisible());
    EXPECT_TRUE(Fenster() == nullptr || !Fenster()->isVisible());
    EXPECT_TRUE(rahmen->rect().contains(imFenster(rahmen->Variantenfenster())));
    Foto(rahmen, QStringLiteral("ergebnisse-varianten.png"));
}

// ----- one pane of the right bar at a time, the pane of the view in front

class EinFenster : public Ergebnisse {
protected:
    void SetUp() override
    {
        Ergebnisse::SetUp();
        if (HasFatalFailure())
            return;
        rahmen->SetzeReport(std::make_unique<Reportprotokoll>(berichte), [](QWidget* eltern) -> QWidget* {
            return new QTextBrowser(eltern);
        });
    }
    // The panes of the right bar the user sees.
    std::vector<QWidget*> SichtbareFenster() const
    {
        std::vector<QWidget*> sichtbar;
        for (QWidget* w : {rahmen->Variantenfenster(), rahmen->ReportGenerator(), rahmen->Bedarfsfenster()})
            if (w && w->isVisibleTo(w->parentWidget()))
                sichtbar.push_back(w);
        return sichtbar;
    }
    // The pane that belongs to the view in front.
    QWidget* FensterDerAnsicht() const
    {
        QWidget* ansicht = rahmen->AktiveAnsicht();
        if (ansicht && ansicht == rahmen->Bedarfsansicht())
            return rahmen->Bedarfsfenster();
        if (ansicht && ansicht == rahmen->ReportAnsicht())
            return rahmen->ReportGenerator();
        return rahmen->Variantenfenster();
    }
    std::vector<int> berichte;
};

TEST_F(EinFenster, ExactlyThePaneOfTheViewInFrontIsShownOnEveryPath)
{
    struct Weg {
        const char* name;
        std::function<void(Ergebnisse&)> gehe;
    };
    auto* self = this;
    const Weg wege[] = {
        {"Bestand while the report of a variant is up",
         [self](Ergebnisse&) {
             self->rahmen->ZeigeBedarf(0);
             Waehle(self->Zustaende(), 2);
             self->Element<QPushButton>(1121)->click();
             QCoreApplication::processEvents();
             ASSERT_EQ(self->rahmen->AktiveAnsicht(), self->rahmen->ReportAnsicht());
             self->rahmen->Befehl(ID_BESTAND);
             EXPECT_EQ(self->rahmen->AktiveAnsicht(), self->Seite()) << "the demand comes to the front";
             EXPECT_EQ(dynamic_cast<Bedarfsfenster*>(self->Fenster())->Variante(), 0);
         }},
        {"the pane's areas page, then closed",
         [self](Ergebnisse&) {
             self->rahmen->ZeigeBedarf(0);
             self->Element<QPushButton>(1130)->click();
             EXPECT_NE(dynamic_cast<CFlaechenView*>(self->rahmen->AktiveAnsicht()), nullptr);
             EXPECT_EQ(self->SichtbareFenster(), std::vector<QWidget*>{self->FensterDerAnsicht()});
             self->rahmen->Flaechenansicht(ANSICHT_SCHLIESSEN);
             EXPECT_EQ(self->rahmen->AktiveAnsicht(), self->Seite());
         }},
        {"Neu Manuell with the pane up, the dialog closed again",
         [self](Ergebnisse&) {
             self->rahmen->ZeigeBedarf(0);
             self->rahmen->Befehl(ID_NEU_MANUELL);
             QDialog* dialog = self->rahmen->Variantendialog(self->H().Varianten);
             ASSERT_NE(dialog, nullptr);
             EXPECT_EQ(self->SichtbareFenster(), std::vector<QWidget*>{self->FensterDerAnsicht()});
             dialog->close();
             QCoreApplication::processEvents();
             EXPECT_EQ(self->rahmen->AktiveAnsicht(), self->Seite()) << "the demand stays in front";
         }},
        {"a variant dialog's page of the demand",
         [self](Ergebnisse&) {
             self->rahmen->Flaechenansicht(0);
             QDialog* dialog = self->rahmen->OeffneVariante(1);
             ASSERT_NE(dialog, nullptr);
             self->rahmen->ZeigeBedarf(1);
             EXPECT_EQ(self->rahmen->AktiveAnsicht(), self->Seite());
             dialog->close();
             QCoreApplication::processEvents();
         }},
        {"the options sheet over the demand",
         [self](Ergebnisse&) {
             self->rahmen->ZeigeBedarf(1);
             test::BeiModalemDialog([](QDialog* d) { d->reject(); });
             self->rahmen->Befehl(ID_OPTIONEN);
             EXPECT_EQ(self->rahmen->AktiveAnsicht(), self->Seite()) << "the sheet leaves the view";
         }},
        {"the report closed",
         [self](Ergebnisse&) {
             self->rahmen->Reportansicht(1);
             EXPECT_EQ(self->SichtbareFenster(), std::vector<QWidget*>{self->FensterDerAnsicht()});
             self->rahmen->Reportansicht(ANSICHT_SCHLIESSEN);
             EXPECT_EQ(self->rahmen->AktiveAnsicht(), self->rahmen->Startansicht());
         }},
    };
    for (const Weg& weg : wege) {
        SCOPED_TRACE(weg.name);
        weg.gehe(*this);
        EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{FensterDerAnsicht()});
        // Back to the between page for the next path.
        rahmen->Reportansicht(ANSICHT_SCHLIESSEN);
        rahmen->Flaechenansicht(ANSICHT_SCHLIESSEN);
        if (Fenster())
            Fenster()->findChild<QPushButton*>(IdName(1))->click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(rahmen->Stapel().IstLeer());
        EXPECT_EQ(SichtbareFenster(), std::vector<QWidget*>{rahmen->Variantenfenster()});
    }
}

// ----- print and preview of the page in front at the end of the input

TEST_F(Ergebnisse, CtrlPAndThePreviewReachTheBalanceAndTheAreasPage)
{
    QAction* vorschau = rahmen->Aktion(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(vorschau, nullptr);
    EXPECT_EQ(vorschau->text(), QStringLiteral("&Seitenansicht"));
    QMenu* datei = rahmen->menuBar()->actions()[0]->menu();
    EXPECT_TRUE(datei->actions().contains(vorschau)) << "an entry of Datei";
    EXPECT_FALSE(vorschau->isEnabled()) << "nothing to preview on the between page";

    QTemporaryDir ordner;
    struct Seite {
        const char* name;
        std::function<void()> zeige;
        const char* text;
    };
    const Seite seiten[] = {
        {"bilanz", [this] { rahmen->ZeigeBedarf(0); }, "Heizenergiebedarf"},
        {"flaechen", [this] { rahmen->Flaechenansicht(0); }, "Hüllfläche"},
    };
    for (const Seite& s : seiten) {
        SCOPED_TRACE(s.name);
        s.zeige();
        test::SkriptDrucker drucker;
        drucker.pdf = ordner.filePath(QString::fromLatin1(s.name) + QStringLiteral(".pdf"));
        rahmen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(rahmen));
        QTest::keyClick(rahmen, Qt::Key_P, Qt::ControlModifier);
        ASSERT_EQ(drucker.gefragt, 1) << "Ctrl+P reached the page";
        EXPECT_TRUE(drucker.optionen.testFlag(QAbstractPrintDialog::PrintToFile)) << "PDF offered";
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {drucker.pdf, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(30000));
        const QString gedruckt = QString::fromUtf8(pdftotext.readAllStandardOutput());
        EXPECT_TRUE(gedruckt.contains(QString::fromUtf8(s.text)));
        EXPECT_FALSE(gedruckt.contains(QStringLiteral("Schließen"))) << "the paper has no links";
        // The printed page for a person to look at.
        if (qEnvironmentVariableIsSet("ZEVA_BILDER_ORDNER"))
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-singlefile"),
                               drucker.pdf, test::Ausgabedatei(QStringLiteral("druck-") + QString::fromLatin1(s.name))});

        ASSERT_TRUE(vorschau->isEnabled());
        QString dialog;
        test::BeiModalemDialog([&dialog](QDialog* d) {
            dialog = QString::fromLatin1(d->metaObject()->className());
            d->reject();
        });
        vorschau->trigger();
        EXPECT_EQ(dialog, QStringLiteral("QPrintPreviewDialog"));
        EXPECT_TRUE(meldungen.Anfragen().empty());
    }
}

// The width and height of a PDF's first page, in points, as its reader sees
// them.
QSizeF Seitengroesse(const QString& pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    if (!pdfinfo.waitForFinished(30000))
        return {};
    const QString text = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const QRegularExpression groesse(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch m = groesse.match(text);
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
}

// "Druckereinrichtung…" sets up the printer every print uses: the landscape
// orientation chosen there arrives in the printed page, and the next set-up
// back to portrait arrives too.
TEST_F(Ergebnisse, ThePageSetUpsOrientationReachesThePrint)
{
    QTemporaryDir ordner;
    rahmen->ZeigeBedarf(0);
    for (const auto& [name, hoch] : {std::pair{"landscape", false}, std::pair{"portrait", true}}) {
        SCOPED_TRACE(name);
        QString dialogklasse;
        test::BeiModalemDialog([&dialogklasse, name](QDialog* d) {
            dialogklasse = QString::fromLatin1(d->metaObject()->className());
            if (auto* knopf = d->findChild<QRadioButton*>(QString::fromLatin1(name)))
                knopf->click();
            d->accept();
        });
        ASSERT_TRUE(rahmen->Befehl(ID_FILE_PRINT_SETUP));
        EXPECT_EQ(dialogklasse, QStringLiteral("QPageSetupDialog"));

        test::SkriptDrucker drucker;
        drucker.pdf = ordner.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
        ASSERT_TRUE(rahmen->Befehl(ID_FILE_PRINT));
        ASSERT_EQ(drucker.gefragt, 1);
        const QSizeF seite = Seitengroesse(drucker.pdf);
        ASSERT_FALSE(seite.isEmpty()) << "the page was printed";
        EXPECT_EQ(seite.height() > seite.width(), hoch) << seite.width() << " x " << seite.height();
    }
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Ergebnisse, APrintThatCannotStartIsToldOnce)
{
    rahmen->ZeigeBedarf(0);
    test::SkriptDrucker drucker;
    drucker.pdf = QStringLiteral("/nicht/da/bilanz.pdf");
    rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rahmen));
    QTest::keyClick(rahmen, Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(drucker.gefragt, 1);
    EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Der Druck konnte nicht gestartet werden.")});
    EXPECT_FALSE(QFile::exists(drucker.pdf));
}

} // namespace
} // namespace zeva
