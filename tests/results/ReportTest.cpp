// The report and the renovation details as the user meets them in the
// started program: the report pane with its presets and check tree, the
// report page built from the house, printed to PDF, its errors; the detail
// page with its links and the chart below it.
#include "shell/RahmenTestHilfen.h"
#include "support/Ausgabedatei.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Notifier.h"
#include "model/Zahlentext.h"
#include "results/CBedarfDlg.h"
#include "results/CBedarfView.h"
#include "results/CReportGenDlg.h"
#include "results/CReportView.h"
#include "results/CReportXml.h"
#include "results/CSanDetail.h"
#include "results/InstalliereReport.h"
#include "results/ReportTestHilfen.h"
#include "results/Reportordner.h"
#include "results/Sanierungsdetails.h"
#include "shell/Befehle.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace zeva {
namespace {

using test::LiesDatei;
using test::SchreibeDatei;

QString Ausgabe(const QString& name)
{
    return test::Ausgabedatei(name);
}

void Foto(QWidget* w, const QString& name)
{
    const QImage bild = w->grab().toImage();
    ASSERT_FALSE(bild.isNull());
    EXPECT_TRUE(bild.save(Ausgabe(name)));
}

void Warte()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The house of the writer's tests in the started program, at the end of
// the input, with the report working in a copy of the shipped files.
class Report : public test::GestartetesProgramm {
protected:
    void SetUp() override
    {
        test::GestartetesProgramm::SetUp();
        if (HasFatalFailure())
            return;
        test::ReportTestHaus(H(), rahmen->Optionen());
        HausAnbindung::SetzePhase(H(), 19);
        rahmen->AktualisiereSeiten();
        Installiere();
    }

    void Installiere() { InstalliereReportIn(*rahmen, QString::fromStdString(ordner.Pfad().string())); }

    Haus& H() const { return Dok().HausRef(); }
    CReportGenDlg* Pane() const { return dynamic_cast<CReportGenDlg*>(rahmen->ReportGenerator()); }
    CReportView* Ansicht() const { return dynamic_cast<CReportView*>(rahmen->ReportAnsicht()); }
    CBedarfDlg* Bedarf() const { return dynamic_cast<CBedarfDlg*>(rahmen->Bedarfsfenster()); }

    // "&Report" of the heat-demand pane for state n.
    void ReportFuer(int n)
    {
        rahmen->ZeigeBedarf(n);
        FindeDirektId<QPushButton>(Bedarf(), 1121)->click();
        Warte();
    }
    QString Seite() const { return Ansicht() ? Ansicht()->Html() : QString(); }

    test::ReportOrdnerKopie ordner;
};

TEST_F(Report, ThePaneListsThePresetsAndTheReportFollowsThem)
{
    ReportFuer(1);
    ASSERT_NE(Ansicht(), nullptr);
    EXPECT_EQ(rahmen->AktiveAnsicht(), Ansicht());
    ASSERT_NE(Pane(), nullptr);
    EXPECT_TRUE(Pane()->isVisible());
    EXPECT_FALSE(rahmen->Variantenfenster()->isVisible());
    EXPECT_FALSE(Bedarf()->isVisible());

    QComboBox* combo = Pane()->Voreinstellungen();
    QStringList eintraege;
    for (int i = 0; i < combo->count(); ++i)
        eintraege << combo->itemText(i);
    EXPECT_EQ(eintraege, (QStringList{QStringLiteral("Kurzreport"), QStringLiteral("Vollständiger Report"),
                                      QStringLiteral("Bauteile und Heizung"), QStringLiteral("Sanierungsvergleich"),
                                      QStringLiteral("Benutzer definiert")}));
    // The first preset is applied and the page shows its sections.
    EXPECT_TRUE(Seite().contains(QStringLiteral("<h2>Projektdaten</h2>")));
    EXPECT_TRUE(Seite().contains(QStringLiteral("Energiebilanz der Sanierungsvariante")));
    EXPECT_FALSE(Seite().contains(QStringLiteral("Bauteile – Wände")));
    EXPECT_TRUE(Seite().contains(QStringLiteral("Sanierungsvariante 1")));
    EXPECT_TRUE(Seite().contains(QStringLiteral("Vyk-ZEVA Version Nr.: 1.3")));
    Foto(rahmen, QStringLiteral("report-hauptfenster.png"));

    combo->setCurrentIndex(1);
    emit combo->activated(1);
    Warte();
    // The preset picked shows every section at once.
    EXPECT_TRUE(Seite().contains(QStringLiteral("Bauteile – Wände")));
    EXPECT_TRUE(Seite().contains(QStringLiteral("Legende der Maßnahmen")));
    FindeDirektId<QPushButton>(Pane(), 1395)->click();
    Warte();
    EXPECT_TRUE(Seite().contains(QStringLiteral("Bauteile – Wände")));
    EXPECT_TRUE(Seite().contains(QStringLiteral("WDVS 12 cm")));
    EXPECT_TRUE(Seite().contains(QStringLiteral("Legende der Maßnahmen")));
    Foto(Ansicht(), QStringLiteral("report-vollstaendig.png"));
    // The whole report fits the view's width: no horizontal scrolling.
    EXPECT_FALSE(Ansicht()->horizontalScrollBar()->isVisible());
    EXPECT_LE(Ansicht()->document()->size().width(),
              Ansicht()->viewport()->width() + Ansicht()->document()->documentMargin())
        << "nothing beyond the page's own margin is cut";
    Foto(Pane(), QStringLiteral("report-pane.png"));

    // "Schließen" brings back the balance and its pane.
    FindeDirektId<QPushButton>(Pane(), 1396)->click();
    Warte();
    EXPECT_EQ(rahmen->ReportAnsicht(), nullptr);
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Bedarfsansicht());
    EXPECT_FALSE(Pane()->isVisible());
    EXPECT_TRUE(Bedarf()->isVisible());
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(Report, TheDocumentIsBuiltAnewOnlyAfterTheViewWasClosed)
{
    ReportFuer(1);
    ASSERT_NE(Ansicht(), nullptr);
    H().Beschreibung = "Umbenannt";
    rahmen->Reportansicht(0);
    Warte();
    EXPECT_NE(LiesDatei(ordner.Pfad() / "Report.xml").find("Einfamilienhaus Musterweg"), std::string::npos);
    EXPECT_NE(LiesDatei(ordner.Pfad() / "ReportVars.xml").find("<SanVarNr>0</SanVarNr>"), std::string::npos);
    EXPECT_TRUE(Seite().contains(QStringLiteral("Bestand")));
    rahmen->Reportansicht(ANSICHT_SCHLIESSEN);
    rahmen->Reportansicht(0);
    Warte();
    EXPECT_NE(LiesDatei(ordner.Pfad() / "Report.xml").find("Umbenannt"), std::string::npos);
    EXPECT_TRUE(Seite().contains(QStringLiteral("Umbenannt")));
}

// The printed report of a house with two variants, read back from the PDF:
// its headings, the method named, the comment's lines kept, and the narrow
// columns of the component tables broken between words only.
TEST_F(Report, ThePagePrintsToPdfWithItsHeadings)
{
    H().Kommentar = "Erste Zeile des Kommentars\nZweite Zeile\r\nDritte Zeile";
    H().m_aWand[0].Name = "Hochlochziegel Außenwand";
    H().m_aWand[0].m_aSan[1].Name = "Wärmedämmverbundsystem";
    ASSERT_GE(H().Varianten, 2);
    rahmen->Reportansicht(1);
    Warte();
    QComboBox* combo = Pane()->Voreinstellungen();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    Pane()->OnAktualisieren();
    Warte();
    QTemporaryDir aus;
    const QString datei = aus.filePath(QStringLiteral("report.pdf"));
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(datei);
    ASSERT_TRUE(Ansicht()->Drucke(drucker));
    QFile::remove(Ausgabe(QStringLiteral("report-zwei-varianten.pdf")));
    QFile::copy(datei, Ausgabe(QStringLiteral("report-zwei-varianten.pdf")));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    auto zeileMit = [&zeilen](const QString& teil) {
        for (const QString& z : zeilen)
            if (z.contains(teil))
                return z;
        return QString();
    };
    for (const char* zeile : {"Einfamilienhaus Musterweg", "Projektdaten", "Bauteile – Wände", "Heizungsanlage",
                              "Energiebilanz des Bestands", "Energieeinsparungen nach Bauteilgruppen",
                              "Legende der Maßnahmen"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(zeile))) << zeile;
    EXPECT_FALSE(zeileMit(QStringLiteral("Berechnungsverfahren: EnEV")).isEmpty()) << text.toStdString();
    // Each line of the comment on a line of its own.
    for (const char* teil : {"Erste Zeile des Kommentars", "Zweite Zeile", "Dritte Zeile"}) {
        const QString z = zeileMit(QString::fromUtf8(teil));
        EXPECT_FALSE(z.isEmpty()) << teil;
        EXPECT_FALSE(z.contains(QStringLiteral("Zweite")) && z.contains(QStringLiteral("Dritte"))) << z.toStdString();
    }
    // Words, units and figures of the narrow columns stand whole.
    for (const char* wort : {"Hochlochziegel", "Außenwand", "Wärmedämmverbundsystem", "Maßnahme", "Wechselwirkung",
                             "0,333", "0,431", "12.000"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wort))) << wort << "\n" << text.toStdString();
    // "U" and "U neu" of the four tables with components.
    EXPECT_EQ(text.count(QString::fromUtf8("[W/m²K]")), 8) << text.toStdString();
}

// "Aktualisieren" builds the report anew from the house as it is now: a
// variant changed while the report is open shows its new figures.
TEST_F(Report, RefreshShowsAVariantsChangedFigures)
{
    ReportFuer(1);
    ASSERT_NE(Ansicht(), nullptr);
    const double vorher = H().m_aBedarf[1].Brennstoffenergiebedarf;
    // What an open variant dialog hands the house: a better wall measure.
    H().m_aWand[0].m_aSan[1].kWert = 0.15;
    H().m_aFenster[0].m_aSan[1].kWertGlas = 0.5;
    FindeDirektId<QPushButton>(Pane(), 1395)->click();
    Warte();
    const double nachher = H().m_aBedarf[1].Brennstoffenergiebedarf;
    ASSERT_LT(nachher, vorher - 1);
    const QString text = Ansicht()->document()->toPlainText();
    const QString neu = QString::fromStdString(CReportXml::Zahl(nachher));
    EXPECT_NE(LiesDatei(ordner.Pfad() / "Report.xml").find(">" + neu.toStdString() + "</Heizenergiebedarf>"),
              std::string::npos);
    EXPECT_FALSE(Seite().contains(QStringLiteral(">") + QString::fromStdString(CReportXml::Zahl(vorher)).replace(
                                      QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral("<")));
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

// A writer that fails with any exception: the slot shows the reason and the
// view keeps its page.
TEST_F(Report, AnyFailureOfTheWriterIsReportedAndKeepsThePreviousPage)
{
    ReportFuer(1);
    ASSERT_NE(Ansicht(), nullptr);
    const QString seite = Seite();
    struct Werfer : Reportschreiber {
        void ErstelleReportXml(Haus&, const DOptionen&) override { throw std::runtime_error("Platte voll"); }
        void SchreibeReportVars(Haus&, int, const QStringList*) override { throw std::bad_alloc(); }
        QByteArray HoleReportStream() const override { return QByteArrayLiteral("<p>falsch</p>"); }
    };
    CMainFrame* r = rahmen;
    QPointer<QWidget> ansicht = rahmen->ReportAnsicht();
    rahmen->SetzeReport(std::make_unique<Werfer>(), [r, this](QWidget* eltern) -> QWidget* {
        return new CReportView(*r, eltern, QString::fromStdString(ordner.Pfad().string()));
    });
    const QStringList abschnitte{QStringLiteral("Projektdaten")};
    rahmen->Reportansicht(1395, &abschnitte); // "Aktualisieren"
    Warte();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Der Report konnte nicht erstellt werden:\nPlatte voll"));
    rahmen->Reportansicht(2);
    Warte();
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_TRUE(meldungen.Anfragen()[1].text.startsWith(QStringLiteral("Der Report konnte nicht erstellt werden:\n")));
    ASSERT_FALSE(ansicht.isNull());
    EXPECT_EQ(Seite(), seite);
}

// A house whose heating gives no fuel energy, as a user opens it: the
// balance page shows "–" for its fuel figures, and so does the report.
TEST_F(Report, AHeatingWithoutFuelEnergyShowsADashInTheReportAsOnThePage)
{
    ASSERT_TRUE(app->OpenDocumentFile(QStringLiteral(ZEVA_TEST_DATA_DIR "/projektkorpus/einfamilienhaus.vza")));
    Warte();
    for (const int verfahren : {BerechnungEnEV, BerechnungSIA}) {
        SCOPED_TRACE(verfahren);
        H().Berechnungsverfahren = verfahren;
        rahmen->ZeigeBedarf(0);
        Warte();
        ASSERT_FALSE(H().EndenergieBerechenbar(0));
        auto* bedarfsansicht = dynamic_cast<CBedarfView*>(rahmen->Bedarfsansicht());
        ASSERT_NE(bedarfsansicht, nullptr);
        const QString bilanz = QString::fromStdString(bedarfsansicht->Seite());
        EXPECT_TRUE(bilanz.contains(QStringLiteral("Heizenergiebedarf</td><td class=\"dataValue\">–")))
            << bilanz.toStdString();
        ReportFuer(0);
        ASSERT_NE(Ansicht(), nullptr);
        const QString seite = Seite();
        for (const char* zeile : {"Heizenergiebedarf", "Verluste im Heizungssystem", "Brennstoffbedarf pro Jahr",
                                  "Brennstoffkosten pro Jahr"})
            EXPECT_TRUE(seite.contains(QStringLiteral("%1</td><td class=\"dataValue\" align=\"right\">–").arg(
                QString::fromUtf8(zeile))))
                << zeile;
        EXPECT_FALSE(seite.contains(QStringLiteral("align=\"right\">-"))) << seite.toStdString();
        FindeDirektId<QPushButton>(Pane(), 1396)->click();
        Warte();
    }
    Foto(rahmen, QStringLiteral("report-ohne-brennstoff.png"));
}

// The cost table of a variant as the user reads it: whole euros, rows that
// add up to the total, the same total as the variant pane.
TEST_F(Report, TheCostTableShowsWholeEurosThatAddUp)
{
    H().m_aWand[0].m_aSan[1].Preis = 12141.8732782369;
    H().m_aFenster[0].m_aSan[1].Preis = 12971.6;
    ReportFuer(1);
    ASSERT_NE(Ansicht(), nullptr);
    const QString seite = Seite();
    EXPECT_TRUE(seite.contains(QStringLiteral("<h2>Kosten der Sanierung</h2>")));
    EXPECT_TRUE(seite.contains(QStringLiteral(">12.142</td>")));
    EXPECT_TRUE(seite.contains(QStringLiteral(">12.972</td>")));
    const QString gesamt = QString::fromStdString(Geldtext(H().m_aBedarf[1].Gesamtkosten));
    EXPECT_TRUE(seite.contains(QStringLiteral("Gesamtkosten der Sanierung</td><td class=\"sumValue\" align=\"right\">") +
                               gesamt))
        << seite.toStdString();
    EXPECT_EQ(H().m_aBedarf[1].Gesamtkosten, 12142 + 900 + 12972);
    auto* ansicht = Ansicht();
    ansicht->resize(900, 700);
    Warte();
    // The cost table stands at the end of the section.
    ansicht->verticalScrollBar()->setValue(ansicht->verticalScrollBar()->maximum());
    Warte();
    Foto(ansicht, QStringLiteral("report-kostentabelle.png"));
}

TEST_F(Report, AMissingTemplateKeepsThePreviousViewAndABrokenSheetIsReportedWithItsReason)
{
    rahmen->ZeigeBedarf(0);
    QWidget* vorher = rahmen->AktiveAnsicht();
    std::filesystem::remove(ordner.Pfad() / "ancillary.xml");
    rahmen->Reportansicht(0);
    Warte();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_TRUE(meldungen.Anfragen()[0].text.startsWith(QStringLiteral("Der Report konnte nicht erstellt werden:\n")));
    EXPECT_GT(meldungen.Anfragen()[0].text.size(), 45);
    // The message names the file, not only the reason.
    EXPECT_TRUE(meldungen.Anfragen()[0].text.contains(QStringLiteral("ancillary.xml"))) << meldungen.Anfragen()[0].text.toStdString();
    EXPECT_EQ(rahmen->ReportAnsicht(), nullptr);
    EXPECT_EQ(rahmen->AktiveAnsicht(), vorher);

    // A sheet with a syntax error: the message with libxslt's reason and the
    // sheet's file, and the page in front stays.
    test::ReportOrdnerKopie kaputt;
    const std::filesystem::path blatt = kaputt.Pfad() / "Report.xsl";
    const std::string gut = LiesDatei(blatt);
    SchreibeDatei(blatt, std::string(gut).replace(gut.find("</xsl:stylesheet>"), 17, "</xsl:stylesheet"));
    InstalliereReportIn(*rahmen, QString::fromStdString(kaputt.Pfad().string()));
    rahmen->Reportansicht(0);
    Warte();
    ASSERT_EQ(meldungen.Anfragen().size(), 2u);
    const QString text = meldungen.Anfragen()[1].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Der Report konnte nicht erstellt werden:\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("expected '>'"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(blatt.string()))) << text.toStdString();
    EXPECT_EQ(rahmen->ReportAnsicht(), nullptr);
    EXPECT_EQ(rahmen->AktiveAnsicht(), vorher);

    // Mended while the program runs: the next request reads it.
    SchreibeDatei(blatt, gut);
    rahmen->Reportansicht(0);
    Warte();
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
    ASSERT_NE(Ansicht(), nullptr);
    EXPECT_TRUE(Seite().contains(QStringLiteral("Energiebilanz des Bestands")));
    const QString seite = Seite();

    // A sheet that stops itself while it transforms: "Aktualisieren" says
    // why, and the report keeps its page.
    SchreibeDatei(blatt, std::string(gut).replace(gut.find("<xsl:template match=\"/\">"), 24,
                                                  "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">"
                                                  "Abschnitt fehlt</xsl:message>"));
    FindeDirektId<QPushButton>(Pane(), 1395)->click();
    Warte();
    ASSERT_EQ(meldungen.Anfragen().size(), 3u);
    EXPECT_TRUE(meldungen.Anfragen()[2].text.startsWith(QStringLiteral("Der Report konnte nicht erstellt werden:\n")));
    EXPECT_TRUE(meldungen.Anfragen()[2].text.contains(QStringLiteral("Abschnitt fehlt")));
    EXPECT_TRUE(meldungen.Anfragen()[2].text.contains(QStringLiteral("Report.xsl")));
    EXPECT_EQ(rahmen->AktiveAnsicht(), Ansicht());
    EXPECT_EQ(Seite(), seite);
    // "Aktualisieren" with the mended sheet shows the page again.
    SchreibeDatei(blatt, std::string(gut).replace(gut.find("<h1>"), 4, "<h1>Neu: "));
    FindeDirektId<QPushButton>(Pane(), 1395)->click();
    Warte();
    EXPECT_EQ(meldungen.Anfragen().size(), 3u);
    EXPECT_TRUE(Seite().contains(QStringLiteral("Neu: "))) << Seite().toStdString();
}

// ----- the pane's presets and tree -------------------------------------------------------

// The example of two groups of three sections with one preset.
class ReportPane : public Report {
protected:
    void Lade(const std::string& text)
    {
        SchreibeDatei(eigene.Pfad() / "ReportVorgaben.xml", text);
        pane = std::make_unique<CReportGenDlg>(*rahmen, nullptr, QString::fromStdString(eigene.Pfad().string()));
        pane->LadeReportVorgaben();
    }
    QTreeWidgetItem* Item(int g, int d = -1) const
    {
        QTreeWidgetItem* gruppe = pane->Baum()->topLevelItem(g);
        return d < 0 ? gruppe : gruppe->child(d);
    }
    bool An(int g, int d = -1) const { return Item(g, d)->checkState(0) == Qt::Checked; }
    // What the user's click on a box does: the box toggles, the handler runs.
    void Klicke(int g, int d = -1) const
    {
        QTreeWidgetItem* i = Item(g, d);
        i->setCheckState(0, i->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }

    static constexpr const char* Beispiel = R"(<?xml version="1.0" encoding="UTF-8"?>
<VykeZevaReportVorgaben>
 <Vorgaben>
  <Vorgabe name="A"><Detail name="a1">s1</Detail><Detail name="a2">s2</Detail><Detail name="a3">s3</Detail></Vorgabe>
  <Vorgabe name="B"><Detail name="b1">s4</Detail><Detail name="b2">s5</Detail><Detail name="b3"></Detail></Vorgabe>
 </Vorgaben>
 <Voreinstellungen>
  <Voreinstellung name="Auswahl"><Vorgabe name="A"/><Vorgabe name="B"><Detail name="b2"/></Vorgabe></Voreinstellung>
  <Voreinstellung name="Unbekannt"><Vorgabe name="X"/><Vorgabe name="B"><Detail name="zz"/></Vorgabe></Voreinstellung>
 </Voreinstellungen>
</VykeZevaReportVorgaben>
)";

    test::TempOrdner eigene;
    std::unique_ptr<CReportGenDlg> pane;
};

TEST_F(ReportPane, APresetChecksItsGroupsAndSections)
{
    Lade(Beispiel);
    ASSERT_EQ(pane->Voreinstellungen()->count(), 3);
    EXPECT_EQ(pane->Voreinstellungen()->itemText(2), QStringLiteral("Benutzer definiert"));
    EXPECT_TRUE(An(0) && An(0, 0) && An(0, 1) && An(0, 2));
    EXPECT_TRUE(An(1) && An(1, 1));
    EXPECT_FALSE(An(1, 0) || An(1, 2));

    // "Benutzer definiert" keeps the checks; a preset clears them first, and
    // its labels that name no group or section select nothing.
    Klicke(0, 0);
    pane->OnVoreinstellung(2);
    EXPECT_FALSE(An(0, 0));
    EXPECT_TRUE(An(0, 1));
    pane->OnVoreinstellung(1);
    EXPECT_FALSE(An(0));
    EXPECT_TRUE(An(1));
    for (int g = 0; g < 2; ++g)
        for (int d = 0; d < 3; ++d)
            EXPECT_FALSE(An(g, d));

    // A second load does not append the presets again.
    pane->LadeReportVorgaben();
    EXPECT_EQ(pane->Voreinstellungen()->count(), 3);
}

TEST_F(ReportPane, GroupsAndSectionsFollowEachOtherAndOnlyCheckedSectionsAreSent)
{
    Lade(Beispiel);
    // A checked group unchecks all its sections.
    Klicke(0);
    EXPECT_FALSE(An(0, 0) || An(0, 1) || An(0, 2));
    // The last checked section of a group unchecks the group.
    Klicke(1, 1);
    EXPECT_FALSE(An(1));
    // One section of an unchecked group checks the group.
    Klicke(0, 2);
    EXPECT_TRUE(An(0));
    EXPECT_FALSE(An(0, 0));
    // The space key toggles the focused box by the same rules.
    pane->show();
    pane->Baum()->setFocus();
    pane->Baum()->setCurrentItem(Item(1));
    QTest::keyClick(pane->Baum(), Qt::Key_Space);
    EXPECT_TRUE(An(1));
    EXPECT_TRUE(An(1, 0) && An(1, 1) && An(1, 2));

    pane->OnAktualisieren();
    // The section without text is sent with an empty name.
    EXPECT_EQ(pane->GewaehlteAbschnitte(), (QStringList{QStringLiteral("s3"), QStringLiteral("s4"),
                                                        QStringLiteral("s5"), QString()}));
    Klicke(0);
    Klicke(1);
    pane->OnAktualisieren();
    EXPECT_TRUE(pane->GewaehlteAbschnitte().isEmpty());
    Warte();
}

TEST_F(ReportPane, NothingCheckedSendsAnEmptyListIntoTheVariables)
{
    rahmen->Reportansicht(1);
    Warte();
    for (int g = 0; g < Pane()->Baum()->topLevelItemCount(); ++g)
        if (Pane()->Baum()->topLevelItem(g)->checkState(0) == Qt::Checked)
            Pane()->Baum()->topLevelItem(g)->setCheckState(0, Qt::Unchecked);
    FindeDirektId<QPushButton>(Pane(), 1395)->click();
    Warte();
    test::XPathDokument vars(LiesDatei(ordner.Pfad() / "ReportVars.xml"));
    EXPECT_EQ(vars.Anzahl("/ReportVars/Details/*"), 0);
    EXPECT_EQ(vars.Text("/ReportVars/SanVarNr"), "1");
    EXPECT_FALSE(Seite().contains(QStringLiteral("<h2>")));
}

TEST_F(ReportPane, AFileThatCannotBeReadIsReportedAndAddsNoUserEntry)
{
    Lade("<VykeZevaReportVorgaben><Vorgaben><Vorgabe name=\"A\"><Detail name=\"a\">s</Detail>");
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    const Meldung::Anfrage& a = meldungen.Anfragen()[0];
    EXPECT_EQ(a.text, QStringLiteral("Fehler beim laden der Report Vorgaben."));
    EXPECT_EQ(a.titel, QStringLiteral("VykZEVA Report Fehler"));
    EXPECT_EQ(a.symbol, Meldung::Symbol::Stopp);
    EXPECT_EQ(pane->Voreinstellungen()->count(), 0);
}

// ----- the report folder ------------------------------------------------------------------

TEST(Reportordner, AFolderThatCannotBeWrittenFallsBackToTheUsersWithTheShippedFiles)
{
    test::ReportOrdnerKopie programm;
    test::TempOrdner benutzer;
    const QString p = QString::fromStdString(programm.Pfad().string());
    const QString b = QString::fromStdString((benutzer.Pfad() / "Report").string());
    EXPECT_EQ(WaehleReportordner(p, b), p);
    // A user's copy older than the program's is replaced, a newer one kept.
    QDir().mkpath(b);
    SchreibeDatei(benutzer.Pfad() / "Report" / "Blank.html", "alt");
    QFile alt(b + QStringLiteral("/Blank.html"));
    ASSERT_TRUE(alt.open(QIODevice::ReadWrite));
    alt.setFileTime(QDateTime::currentDateTime().addDays(-1000), QFileDevice::FileModificationTime);
    alt.close();
    SchreibeDatei(benutzer.Pfad() / "Report" / "ancillary.xml", "<ReportVars/>");
    QFile neu(b + QStringLiteral("/ancillary.xml"));
    ASSERT_TRUE(neu.open(QIODevice::ReadWrite));
    neu.setFileTime(QDateTime::currentDateTime().addDays(1000), QFileDevice::FileModificationTime);
    neu.close();

    EXPECT_EQ(WaehleReportordner(p, b, [](const QString&) { return false; }), b);
    for (const QString& name : ReportDateien())
        EXPECT_TRUE(QFile::exists(b + QLatin1Char('/') + name)) << name.toStdString();
    EXPECT_EQ(LiesDatei(benutzer.Pfad() / "Report" / "Blank.html"), LiesDatei(programm.Pfad() / "Blank.html"));
    EXPECT_EQ(LiesDatei(benutzer.Pfad() / "Report" / "ancillary.xml"), "<ReportVars/>");

    // A folder below a plain file can never be written.
    SchreibeDatei(benutzer.Pfad() / "datei", "x");
    EXPECT_FALSE(IstBeschreibbar(QString::fromStdString((benutzer.Pfad() / "datei" / "Report").string())));
    EXPECT_TRUE(IstBeschreibbar(b));
}

// ----- renovation details -----------------------------------------------------------------

class Details : public Report {
protected:
    void SetUp() override
    {
        Report::SetUp();
        if (HasFatalFailure())
            return;
        // Costs of 123.4 on the roof and 234.56 on the ceiling in variant 1,
        // nothing else.
        H().m_aFlachdach.Add(test::Opak<DFlachdach>(30, 0.9));
        H().NeueVariante(true, rahmen->Optionen()); // slots for the new roof
        H().LoescheVariante(3);
        for (auto& w : H().m_aWand)
            w.m_aSan[1].Leere();
        H().m_aFenster[0].m_aSan[1].Leere();
        auto dach = test::OpakeMassnahme<DSFlachdach>("Dach", 0.3, DSBauteilOpaque::Aussen);
        dach.Preis = 123.4;
        H().m_aFlachdach[0].m_aSan[1] = dach;
        auto decke = test::OpakeMassnahme<DSDecke>("Decke", 0.3, DSBauteilOpaque::Aussen);
        decke.Preis = 234.56;
        H().m_aDecke[0].m_aSan[1] = decke;
        rahmen->SetzeVariantendialogErzeuger([this](CMainFrame& r, int n) -> QDialog* {
            auto* d = new Dialogdouble(r, n);
            dialoge.push_back(d);
            return d;
        });
    }
    CSanDetail* Seite() const { return dynamic_cast<CSanDetail*>(rahmen->Detailansicht()); }
    CSanDetailDia* Diagramm() const { return dynamic_cast<CSanDetailDia*>(rahmen->DetailDiagramm()); }

    class Dialogdouble final : public QDialog, public Variantendialog {
    public:
        Dialogdouble(CMainFrame& r, int n) : QDialog(&r), m_nummer(n) {}
        int Nummer() const override { return m_nummer; }
        void SetzeNummer(int n) override { m_nummer = n; }
        bool OKUndSchliessen() override { return true; }
        void ZeigeSeite(int s) override { seite = s; }
        int seite = -1;

    private:
        int m_nummer;
    };
    std::vector<QPointer<Dialogdouble>> dialoge;

    static void KlickeLink(QTextBrowser* ansicht, const QString& text)
    {
        QTextCursor cursor = ansicht->document()->find(text, 0, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(cursor.isNull()) << text.toStdString();
        cursor.setPosition(cursor.selectionStart() + 1);
        QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {}, ansicht->cursorRect(cursor).center());
        Warte();
    }
};

TEST_F(Details, ThePageRoundsTheGroupsAndHandsTheChartItsValues)
{
    rahmen->setGeometry(0, 0, 1024, 768);
    rahmen->Sanierungsdetails(0, 1);
    Warte();
    ASSERT_NE(Seite(), nullptr);
    ASSERT_NE(Diagramm(), nullptr);
    auto* splitter = qobject_cast<QSplitter*>(Seite()->parentWidget());
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    const std::string& seite = Seite()->Seite();
    EXPECT_NE(seite.find("<td class=\"pageTitle\">Sanierungskosten</td>"), std::string::npos);
    EXPECT_NE(seite.find("Variante 1"), std::string::npos);
    EXPECT_NE(seite.find("style=\"color : #0000f0\">&#x2588;&#x2588;</td><td class=\"dataName\"><a href=\"#0\">Dach</a>"
                         "</td><td class=\"dataValue\">123</td>"),
              std::string::npos);
    // Money in whole euros: no cents that are not there.
    EXPECT_NE(seite.find("<a href=\"#1\">Decke</a></td><td class=\"dataValue\">235</td>"), std::string::npos);
    EXPECT_NE(seite.find("<td class=\"sumName\">Gesamt</td><td class=\"sumValue\">358</td>"), std::string::npos);
    for (const char* farbe : {"#0000f0", "#f0f000", "#f000f0", "#00f0f0", "#f00000", "#00f000"})
        EXPECT_NE(seite.find(farbe), std::string::npos) << farbe;
    EXPECT_EQ(Diagramm()->Werte(), (std::array<double, 7>{123, 235, 0, 0, 0, 0, 358}));
    EXPECT_EQ(Diagramm()->Einheit(), QStringLiteral("EUR"));
    Foto(splitter, QStringLiteral("sanierungsdetails.png"));

    // The energy saving: the groups, how the measures act together, and
    // the variant's whole saving as the sum.
    StillerNotifier still;
    for (int n = 0; n < H().AnzahlZustaende(); ++n)
        H().BerechneBedarf(n, still);
    ASSERT_GT(Energieeinsparungen(H(), 1).gesamt, 0);
    rahmen->Sanierungsdetails(3, 1);
    Warte();
    EXPECT_NE(Seite()->Seite().find("Wechselwirkung der Ma&szlig;nahmen"), std::string::npos);
    EXPECT_DOUBLE_EQ(Diagramm()->Werte()[6], RundeSignifikant(Energieeinsparungen(H(), 1).gesamt, 3));
    Foto(splitter, QStringLiteral("sanierungsdetails-einsparung.png"));

    rahmen->Sanierungsdetails(2, 1);
    EXPECT_NE(Seite()->Seite().find("CO<sub>2</sub>"), std::string::npos);
    EXPECT_EQ(Diagramm()->Einheit(), QStringLiteral("t"));
    // A criterion outside 0..4 changes nothing.
    Seite()->SetzeKriterium(7, 2);
    EXPECT_EQ(Seite()->Kriterium(), 2);
    EXPECT_EQ(Seite()->Variante(), 1);
}

TEST_F(Details, LinksPageThroughTheVariantsOpenTheDialogsTabsAndClose)
{
    rahmen->ZeigeBedarf(0);
    QWidget* vorher = rahmen->AktiveAnsicht();
    rahmen->Sanierungsdetails(3, 2);
    Warte();
    KlickeLink(Seite(), QStringLiteral("Nächste >"));
    EXPECT_EQ(Seite()->Variante(), 1);
    KlickeLink(Seite(), QStringLiteral("< Vorherige"));
    EXPECT_EQ(Seite()->Variante(), 2);
    KlickeLink(Seite(), QStringLiteral("Nächste >"));
    KlickeLink(Seite(), QStringLiteral("< Vorherige"));
    EXPECT_EQ(Seite()->Variante(), 2);
    for (const auto& [gruppe, tab] : std::vector<std::pair<QString, int>>{{QStringLiteral("Fenster"), 5},
                                                                           {QStringLiteral("Boden"), 4},
                                                                           {QStringLiteral("Dach"), 1},
                                                                           {QStringLiteral("Heizung"), 6}}) {
        KlickeLink(Seite(), gruppe);
        ASSERT_FALSE(dialoge.empty());
        ASSERT_FALSE(dialoge.back().isNull());
        EXPECT_EQ(dialoge.back()->seite, tab) << gruppe.toStdString();
        EXPECT_EQ(dialoge.back()->Nummer(), 2);
    }
    KlickeLink(Seite(), QStringLiteral("Schließen"));
    Warte();
    EXPECT_EQ(rahmen->Detailansicht(), nullptr);
    EXPECT_EQ(rahmen->AktiveAnsicht(), vorher);
}

TEST(SanDetailDiagramm, ScaleTicksAndTheStackedTotal)
{
    int schritt = 0;
    int anzahl = 0;
    CSanDetailDia::Skala(2345, schritt, anzahl);
    EXPECT_EQ(schritt, 1000);
    EXPECT_EQ(anzahl, 3);
    CSanDetailDia::Skala(0.5, schritt, anzahl);
    EXPECT_EQ(schritt, 0);
    EXPECT_EQ(CSanDetailDia::Zahltext(2345), QStringLiteral("2.345"));
    EXPECT_EQ(CSanDetailDia::Zahltext(2345.5), QStringLiteral("2.346")); // rounded, as the page rounds

    // Totals whose tenths are no exact doubles: the ticks stop below the
    // total, whose own label stands alone at the top.
    struct Skalenfall {
        double gesamt;
        int schritt, anzahl;
    };
    for (const Skalenfall& f : {Skalenfall{3000, 1000, 3}, Skalenfall{6000, 1000, 6}, Skalenfall{7000, 1000, 7},
                                Skalenfall{600, 100, 6}, Skalenfall{70000, 10000, 7}, Skalenfall{2345, 1000, 3},
                                Skalenfall{1000, 100, 10}}) {
        CSanDetailDia::Skala(f.gesamt, schritt, anzahl);
        EXPECT_EQ(schritt, f.schritt) << f.gesamt;
        EXPECT_EQ(anzahl, f.anzahl) << f.gesamt;
        const std::array<double, 7> nurWand{0, 0, f.gesamt, 0, 0, 0, f.gesamt};
        const auto a = CSanDetailDia::Berechne(nurWand, QSize(800, 400), 16);
        ASSERT_FALSE(a.teilungen.empty());
        EXPECT_LT(a.teilungen.back().wert, f.gesamt) << f.gesamt;
        EXPECT_EQ(a.obenText, CSanDetailDia::Zahltext(f.gesamt));
        for (const auto& t : a.teilungen)
            EXPECT_NE(t.text, a.obenText) << f.gesamt;
    }
    // Groups that save more together than the variant (the interaction of
    // the measures is negative) still stack inside the plot.
    const std::array<double, 7> mehr{0, 0, 15400, 7470, 0, 0, 21600};
    const auto ueber = CSanDetailDia::Berechne(mehr, QSize(800, 400), 16);
    EXPECT_GE(ueber.gesamt[3].top(), ueber.plot.top() - 1);
    EXPECT_GE(ueber.obenY, ueber.plot.top());

    const std::array<double, 7> werte{1000, 500, 345, 0, 300, 200, 2345};
    const auto a = CSanDetailDia::Berechne(werte, QSize(800, 400), 16);
    ASSERT_EQ(a.teilungen.size(), 3u);
    EXPECT_EQ(a.teilungen[1].wert, 1000);
    EXPECT_EQ(a.teilungen[2].text, QStringLiteral("2.000"));
    EXPECT_TRUE(a.oben);
    EXPECT_EQ(a.obenText, QStringLiteral("2.345"));
    EXPECT_NEAR(a.obenY, a.plot.top(), 1);
    // The total bar is the six group bars stacked from the bottom up.
    int unten = a.plot.bottom();
    for (int g = 0; g < 6; ++g) {
        const QRect& teil = a.gesamt[static_cast<std::size_t>(g)];
        const QRect& balken = a.gruppen[static_cast<std::size_t>(g)];
        EXPECT_EQ(teil.height(), balken.height()) << g;
        if (balken.height() > 0) {
            EXPECT_EQ(teil.bottom(), unten - 1) << g;
            unten = teil.top();
        }
    }

    // Without a positive total: axes and labels, no bars, no ticks.
    for (double gesamt : {0.0, -50.0}) {
        const auto leer = CSanDetailDia::Berechne({10, 0, 0, 0, 0, 0, gesamt}, QSize(800, 400), 16);
        EXPECT_TRUE(leer.teilungen.empty());
        EXPECT_FALSE(leer.oben);
        for (const QRect& r : leer.gruppen)
            EXPECT_TRUE(r.isEmpty());
        CSanDetailDia dia;
        dia.resize(600, 300);
        dia.SetzeWerte(nullptr, QStringLiteral("kWh/a"));
        const std::array<double, 7> negativ{-10, -20, 0, 0, 0, 0, gesamt};
        dia.SetzeWerte(&negativ, QStringLiteral("kWh/a"));
        EXPECT_FALSE(dia.grab().isNull());
    }
    // A tiny window must not break the drawing either.
    CSanDetailDia klein;
    klein.resize(30, 20);
    klein.SetzeWerte(&werte, QStringLiteral("EUR"));
    EXPECT_FALSE(klein.grab().isNull());
    CSanDetailDia gross;
    gross.resize(700, 350);
    gross.SetzeWerte(&werte, QStringLiteral("EUR"));
    const QImage bild = gross.grab().toImage();
    bild.save(Ausgabe(QStringLiteral("sanierungsdetails-diagramm.png")));
    const auto g = CSanDetailDia::Berechne(werte, gross.size(), QFontMetrics(gross.font()).height());
    EXPECT_EQ(bild.pixelColor(g.gruppen[0].center()), QColor(0, 0, 240));
    EXPECT_EQ(bild.pixelColor(g.gesamt[4].center()), QColor(240, 0, 0));
}

// The total bar is as high as its label: with a positive interaction of the
// measures it stands above the stacked groups, with a group that loses it
// ends below what the saving groups stack to; the labels of the axis stand
// in the order of their values either way.
TEST(SanDetailDiagramm, TheTotalBarEndsAtItsLabelAndTheLabelsStandInOrder)
{
    struct Fall {
        const char* was;
        std::array<double, 7> werte;
    };
    const Fall faelle[] = {
        {"measures add", {1000, 500, 300, 0, 0, 0, 2000}},
        {"measures take from each other", {15400, 0, 0, 7470, 0, 0, 21600}},
        {"a group loses", {1500, -300, 400, 0, 0, -100, 1450}},
        {"a group above the total", {2600, -900, 0, 0, 0, 0, 1700}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const int h = 16;
        const auto a = CSanDetailDia::Berechne(f.werte, QSize(800, 400), h);
        ASSERT_TRUE(a.oben);
        // The top of the bar, whatever its segments.
        int oben = a.plot.bottom();
        for (const QRect& r : a.gesamt)
            if (!r.isEmpty())
                oben = std::min(oben, r.top());
        if (!a.wechselwirkung.isEmpty())
            oben = std::min(oben, a.wechselwirkung.top());
        EXPECT_EQ(oben, a.obenY);
        // The label at the top of the bar is the total.
        EXPECT_EQ(a.obenText, CSanDetailDia::Zahltext(f.werte[6]));
        // Labels from the bottom up: the values grow, and none overlaps another.
        std::vector<std::pair<int, double>> beschriftet{{a.obenY, f.werte[6]}};
        for (const auto& t : a.teilungen)
            if (!t.text.isEmpty())
                beschriftet.emplace_back(t.y, t.wert);
        std::sort(beschriftet.begin(), beschriftet.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
        for (std::size_t i = 1; i < beschriftet.size(); ++i) {
            EXPECT_GT(beschriftet[i].second, beschriftet[i - 1].second) << i;
            EXPECT_GE(beschriftet[i - 1].first - beschriftet[i].first, h) << i;
        }
    }
    CSanDetailDia dia;
    dia.resize(700, 350);
    dia.SetzeWerte(&faelle[2].werte, QStringLiteral("kWh/a"));
    dia.grab().toImage().save(Ausgabe(QStringLiteral("sanierungsdetails-diagramm-verlust.png")));
}

} // namespace
} // namespace zeva
