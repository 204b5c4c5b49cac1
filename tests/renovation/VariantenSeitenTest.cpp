// The window, heating and calculation pages of the variant dialog, the
// variant pane of the right bar and the deletion of a variant, in the
// started program on a copy of the shipped renovation-measure data base.
#include "VariantenDialogTestHilfen.h"

#include "database/DialogTestHilfen.h"
#include "model/Zahlentext.h"
#include "renovation/CBerechnungSanDlg.h"
#include "renovation/CFensterSanDlg.h"
#include "renovation/CHeizungSanDlg.h"
#include "renovation/CSanVariantenDlg.h"
#include "renovation/Variantenrechnung.h"
#include "results/CBedarfDlg.h"
#include "results/CDiagrammeDlg.h"
#include "results/CEnergiebilanzDlg.h"
#include "results/CGlaserDlg.h"
#include "results/CHeizungDlg.h"
#include "results/CSanDetail.h"
#include "results/CSankeyDlg.h"
#include "results/Sanierungsdetails.h"
#include "shell/Optionen.h"
#include "shell/OptionenSeite.h"
#include "ui/CHoverButton.h"
#include "ui/CRollupCtrl.h"
#include "ui/CWertButton.h"

#include <QStackedWidget>

namespace zeva::test {
namespace {

DFenster Fensterchen(const char* kurz, double uRahmen)
{
    DFenster f;
    f.Kurzname = kurz;
    f.NameGlas = "Isolierglas";
    f.Flaeche = 2;
    f.kWertGlas = 2.8;
    f.kWertRahmen = uRahmen;
    f.Rahmenanteil = 0.3;
    return f;
}

class VariantenSeiten : public VariantenDialog {
protected:
    void SetUp() override
    {
        VariantenDialog::SetUp();
        // Five windows of 2 m² with frames of their own.
        H().m_aFenster.RemoveAll();
        for (int i = 0; i < 5; ++i)
            H().m_aFenster.Add(Fensterchen("F", 1.6 + 0.1 * i));
        rahmen->Optionen().Brennstoffkosten1 = 0.06;
        rahmen->Optionen().Brennstoffkosten2 = 0.07;
        rahmen->Optionen().HeizkesselTauschen = 1000;
    }
    static CFensterSanDlg* FensterSeite(CSanierungVarianteDlg* d)
    {
        return dynamic_cast<CFensterSanDlg*>(d->Seite(CSanierungVarianteDlg::Fenster));
    }
    static CHeizungSanDlg* HeizungSeite(CSanierungVarianteDlg* d)
    {
        return dynamic_cast<CHeizungSanDlg*>(d->Seite(CSanierungVarianteDlg::Heizung));
    }
    static CBerechnungSanDlg* BerechnungSeite(CSanierungVarianteDlg* d)
    {
        return dynamic_cast<CBerechnungSanDlg*>(d->Seite(CSanierungVarianteDlg::Berechnung));
    }
    // "Aus DB" of the window page: the frame choice, then the measure.
    static void FensterAusDB(CFensterSanDlg* seite, bool beibehalten, const QString& name)
    {
        BeiModalemDialog([beibehalten, name](QDialog* dlg) {
            if (beibehalten)
                FindeId<QRadioButton>(dlg, 1234)->click();
            auto* liste = FindeId<QComboBox>(dlg, 1236);
            const int i = liste->findText(name);
            ASSERT_GE(i, 0) << name.toStdString();
            liste->setCurrentIndex(i);
            emit liste->activated(i);
            Knopf(dlg, 1)->click();
        });
        seite->OnAusDB();
    }
    // "Aus DB" of the heating page: takes the first boiler listed.
    static QString KesselAusDB(CHeizungSanDlg* seite)
    {
        QString name;
        BeiModalemDialog([&name](QDialog* dlg) {
            name = FindeId<QComboBox>(dlg, 1106)->currentText();
            Knopf(dlg, 1)->click();
        });
        seite->OnAusDB();
        return name;
    }
    static void Tippe(QWidget* seite, int id, const QString& text)
    {
        auto* feld = FindeId<QLineEdit>(seite, id);
        feld->selectAll();
        QTest::keyClicks(feld, text);
    }
    static QString Feld(QWidget* seite, int id) { return FindeId<QLineEdit>(seite, id)->text(); }
    CSanVariantenDlg* Pane() const { return dynamic_cast<CSanVariantenDlg*>(rahmen->Variantenfenster()); }
    // The text a value field shows for a number.
    static QString WertText(double wert, std::uint16_t stil)
    {
        CWertButton feld;
        feld.SetzeStil(stil);
        feld.SetzeWert(wert);
        return feld.Wert();
    }
};

TEST_F(VariantenSeiten, WindowPageMeasuresFromTheDataBaseAndLoeschen)
{
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Fenster);
    CFensterSanDlg* seite = FensterSeite(d);
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isEnabled());
    QTreeWidget* liste = seite->Liste();
    ASSERT_EQ(liste->topLevelItemCount(), 5);
    EXPECT_EQ(liste->topLevelItem(0)->text(0), "  1");
    EXPECT_EQ(liste->topLevelItem(0)->text(2), "Isolierglas");
    EXPECT_TRUE(Knopf(d, 1118)->isEnabled()) << "the current window may be renovated";

    // Without a selection.
    liste->clearSelection();
    seite->OnAusDB();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Bitte die zu sanierenden Fenster bestimmen!"));

    // Windows 2 and 3 get a new window, window 4 a new glazing in its frame.
    // The slots carry a picture and the frame share of a new measure.
    for (DFenster& f : d->Arbeitshaus().m_aFenster) {
        f.m_aSan[static_cast<std::size_t>(n)].Bitmappfad = "alt.bmp";
        f.m_aSan[static_cast<std::size_t>(n)].Rahmenanteil = DSFenster::NeuerRahmenanteil;
    }
    Waehle(liste, {1, 2});
    FensterAusDB(seite, false, "Kunststofffenster, 2-fach WSV");
    Waehle(liste, {3});
    FensterAusDB(seite, true, "Austauschverglasung 2-fach WSV");
    const auto& fenster = d->Arbeitshaus().m_aFenster;
    for (int i : {1, 2}) {
        const DSFenster& m = fenster[static_cast<std::size_t>(i)].m_aSan[static_cast<std::size_t>(n)];
        EXPECT_EQ(m.Name, "Kunststofffenster, 2-fach WSV");
        EXPECT_DOUBLE_EQ(m.kWertRahmen, 1.3);
        EXPECT_DOUBLE_EQ(m.Rahmenanteil, DSFenster::NeuerRahmenanteil);
        EXPECT_EQ(m.Bitmappfad, "alt.bmp");
        EXPECT_DOUBLE_EQ(m.Preis, 764) << "382 EUR/m² on 2 m²";
        EXPECT_EQ(liste->topLevelItem(i)->text(4), "1,14");
        EXPECT_EQ(liste->topLevelItem(i)->text(5), "764");
    }
    const DSFenster& glas = fenster[3].m_aSan[static_cast<std::size_t>(n)];
    EXPECT_EQ(glas.Name, "Austauschverglasung 2-fach WSV");
    EXPECT_DOUBLE_EQ(glas.kWertRahmen, fenster[3].kWertRahmen) << "the frame stays";
    EXPECT_DOUBLE_EQ(glas.Preis, 240);
    EXPECT_EQ(seite->Browseindex(), 0);
    EXPECT_EQ(seite->m_Bezeichnung, "Austauschverglasung 2-fach WSV");
    EXPECT_EQ(FindeId<QGroupBox>(seite, 1226)->title(), QStringLiteral("Sanierungsmaßnahme für Fenster Nr. 4"));
    EXPECT_EQ(Feld(seite, 1232), "20");
    test::Bild(*d, "variante-fenster");

    // Re-shown: the fourth window is the current one again.
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Fenster);
    EXPECT_EQ(liste->indexOfTopLevelItem(liste->currentItem()), 3);
    EXPECT_EQ(seite->Aktuell(), 3);

    // "Löschen" on two windows empties both; the current one shows zeros.
    Waehle(liste, {2, 1});
    seite->OnLoeschen();
    EXPECT_TRUE(fenster[1].m_aSan[static_cast<std::size_t>(n)].IstLeer());
    EXPECT_TRUE(fenster[2].m_aSan[static_cast<std::size_t>(n)].IstLeer());
    EXPECT_FALSE(fenster[3].m_aSan[static_cast<std::size_t>(n)].IstLeer());
    EXPECT_EQ(Feld(seite, 1106), "");
    EXPECT_EQ(Feld(seite, 1055), "0");
    EXPECT_EQ(liste->topLevelItem(1)->text(3), "");

    // Fewer windows than the current row: the last one is focused.
    d->Arbeitshaus().m_aFenster.RemoveAt(3, 2);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Fenster);
    EXPECT_EQ(liste->topLevelItemCount(), 3);
    EXPECT_EQ(liste->indexOfTopLevelItem(liste->currentItem()), 2);
}

TEST_F(VariantenSeiten, WindowPageNachDbChecksAndTheStoredRow)
{
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Fenster);
    CFensterSanDlg* seite = FensterSeite(d);
    ASSERT_TRUE(Knopf(d, 1119)->isEnabled());
    auto fuelle = [&](const char* name, const char* ug, const char* g, const char* preis, const char* leben) {
        FindeId<QLineEdit>(seite, 1106)->setText(QString::fromUtf8(name));
        FindeId<QLineEdit>(seite, 1229)->setText(QString::fromUtf8(ug));
        FindeId<QLineEdit>(seite, 1054)->setText(QStringLiteral("1,3"));
        FindeId<QLineEdit>(seite, 1075)->setText(QString::fromUtf8(g));
        FindeId<QLineEdit>(seite, 1232)->setText(QStringLiteral("0"));
        FindeId<QLineEdit>(seite, 1057)->setText(QStringLiteral("150"));
        FindeId<QLineEdit>(seite, 1055)->setText(QString::fromUtf8(preis));
        FindeId<QLineEdit>(seite, 1056)->setText(QString::fromUtf8(leben));
    };
    const struct {
        const char* name;
        const char* ug;
        const char* g;
        const char* preis;
        const char* leben;
        const char* text;
    } faelle[] = {
        {"", "0", "0", "0", "0", "Bitte Sanierungsmaßnahme benennen!"},
        {"Eigen", "0", "0", "0", "0", "Bitte einen Flächenpreis angeben!"},
        {"Eigen", "0", "0", "300", "0", "Bitte eine von 0 verschiedene Lebensdauer eingeben!"},
        {"Eigen", "0", "0", "300", "30", "Der Glas U-Wert sollte von 0 verschieden sein!"},
        {"Eigen", "1", "0", "300", "30", "Der gWert des Glases sollte von 0 verschieden sein!"},
    };
    const std::string hoechste = Spalte(datenbank, "SELECT MAX([FensterID]) FROM [SanFenster]");
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        const std::size_t ab = meldungen.Anfragen().size();
        fuelle(f.name, f.ug, f.g, f.preis, f.leben);
        Knopf(d, 1119)->click();
        ASSERT_EQ(meldungen.Anfragen().size(), ab + 1);
        EXPECT_EQ(meldungen.Anfragen()[ab].text, QString::fromUtf8(f.text));
        EXPECT_EQ(meldungen.Anfragen()[ab].titel, QStringLiteral("Oops..."));
    }
    EXPECT_EQ(Spalte(datenbank, "SELECT MAX([FensterID]) FROM [SanFenster]"), hoechste);

    const std::size_t ab = meldungen.Anfragen().size();
    fuelle("Eigenes Fenster", "1", "60", "300", "30");
    Knopf(d, 1119)->click();
    EXPECT_EQ(meldungen.Anfragen().size(), ab);
    const std::string wo = " FROM [SanFenster] WHERE [FensterID] = " + std::to_string(std::stoi(hoechste) + 1);
    EXPECT_EQ(Spalte(datenbank, "SELECT [Name]" + wo), "Eigenes Fenster");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Langtext]" + wo), "Benutzerdefinierte Sanierungsmaßnahme!!!");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Kategorie] || '/' || [Rahmenaustausch]" + wo), "0/0")
        << "U frame 1.3 but frame share 0";
    EXPECT_EQ(Spalte(datenbank, "SELECT [gWert] = 0.6 AND [kWertGlas] = 1 AND [kWertRahmen] = 1.3 AND "
                                "[Zusatzkostenfix] = 150 AND [Zusatzkosten] = 300 AND [Sowiesokosten] = 0 AND "
                                "[Sowiesokostenfix] = 0 AND [Lebensdauer] = 30" + wo),
              "1");
    for (const auto& fenster : d->Arbeitshaus().m_aFenster)
        EXPECT_TRUE(fenster.m_aSan[static_cast<std::size_t>(d->Variante())].IstLeer()) << "no measure changes";
}

TEST_F(VariantenSeiten, HeatingPageDistributionEfficiencyAndTakeOver)
{
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Heizung);
    CHeizungSanDlg* seite = HeizungSeite(d);
    ASSERT_NE(seite, nullptr);
    ASSERT_TRUE(seite->isEnabled());
    EXPECT_TRUE(FindeId<QRadioButton>(seite, 1142)->isChecked());
    EXPECT_TRUE(Knopf(d, 1118)->isEnabled());
    EXPECT_FALSE(Knopf(d, 1119)->isEnabled());
    test::Bild(*d, "variante-heizung");

    // The four distribution types.
    auto* art = FindeId<QComboBox>(seite, 1154);
    const char* werte[] = {"100", "98", "96", "93"};
    for (int i = 0; i < 4; ++i) {
        art->setCurrentIndex(i);
        emit art->activated(i);
        EXPECT_EQ(Feld(seite, 1153), werte[i]);
    }
    const DHeizung& h = d->Arbeitshaus().m_aHeizung[static_cast<std::size_t>(n)];
    EXPECT_EQ(h.Heizungsverteilung, "Blockheizung (Wärmeerzeugung für mehrere Gebäude)") << "at once";

    // The automatic efficiency for a boiler that covers the demand.
    Haus kopie = d->Arbeitshaus();
    StillerNotifier still;
    const double bedarf = kopie.Waermebilanz(still);
    ASSERT_GT(bedarf, 20 * 100 * 3.6);
    ASSERT_LT(bedarf, 20 * 8000 * 3.6);
    Tippe(seite, 1147, "20");
    Tippe(seite, 1148, "8000");
    Tippe(seite, 1149, "8");
    Tippe(seite, 1150, "1");
    Tippe(seite, 1151, "1");
    art->setCurrentIndex(2);
    emit art->activated(2);
    DHeizung erwartet = h;
    erwartet.Nennwaermeleistung = 20;
    erwartet.Bereitschaftszeit = 8000;
    erwartet.Abgasverlust = 0.08;
    erwartet.Strahlungsverlust = 0.01;
    erwartet.Bereitschaftsverlust = 0.01;
    erwartet.Verteilungsnutzungsgrad = 0.96;
    // A derived figure: three digits by the one rule, no grouping in a field.
    EXPECT_EQ(Feld(seite, 1152).toStdString(),
              Zahltext(RundeSignifikant(100 * erwartet.BerechneEndenergie(bedarf), 4), 1, 3, false));
    EXPECT_DOUBLE_EQ(h.Verteilungsnutzungsgrad, 0.96);
    EXPECT_DOUBLE_EQ(h.Bereitschaftszeit, 8000);

    // A time that cannot cover the demand: nothing computed, and the check asks.
    const QString vorher = Feld(seite, 1152);
    Tippe(seite, 1148, "100");
    EXPECT_EQ(Feld(seite, 1152), vorher);
    meldungen.Antworte(QMessageBox::No);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Berechnung);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text,
              QStringLiteral("Warnung: Mit der angegebenen Kesselleistung und Einschaltdauer kann der Wärmebedarf "
                             "des Gebäudes nicht gedeckt werden. Trotzdem fortsetzen?"));
    EXPECT_EQ(meldungen.Anfragen()[0].vorgabe, QMessageBox::No);
    EXPECT_EQ(Tabs(d)->currentIndex(), CSanierungVarianteDlg::Heizung) << "No keeps the tab";
    Tippe(seite, 1148, "8000");

    // An efficiency typed in replaces the losses.
    Tippe(seite, 1152, "90");
    EXPECT_EQ(Feld(seite, 1149), "0");
    EXPECT_EQ(Feld(seite, 1150), "0");
    EXPECT_EQ(Feld(seite, 1151), "0");
    ASSERT_TRUE(seite->UebernehmeHeizung());
    EXPECT_DOUBLE_EQ(h.Jahresnutzungsgrad, 0.9);
    EXPECT_DOUBLE_EQ(h.Abgasverlust + h.Strahlungsverlust + h.Bereitschaftsverlust, 0);
    EXPECT_DOUBLE_EQ(h.Nennwaermeleistung, 20);
    EXPECT_EQ(h.Heizungsverteilung, "Zentralheizung (Wärmeerzeugung im Gebäude)");

    // "E&inzelheizung" leaves the boiler block and only takes "Aus DB" away.
    FindeId<QRadioButton>(seite, 1141)->click();
    EXPECT_TRUE(FindeId<QLineEdit>(seite, 1147)->isVisible());
    EXPECT_FALSE(FindeId<QComboBox>(seite, 1144)->isVisible());
    EXPECT_FALSE(Knopf(d, 1118)->isEnabled());
    EXPECT_EQ(h.Einzelheiz, 0);
    FindeId<QRadioButton>(seite, 1142)->click();
    EXPECT_TRUE(Knopf(d, 1118)->isEnabled());

    // A boiler from the data base, then "Löschen": the existing heating again.
    Tippe(seite, 1055, "12345");
    const QString kessel = KesselAusDB(seite);
    EXPECT_TRUE(kessel.startsWith(QStringLiteral("Gas-Brennwertkessel"))) << kessel.toStdString();
    EXPECT_EQ(h.Name, kessel.toStdString());
    EXPECT_EQ(Feld(seite, 1146), kessel);
    EXPECT_GT(h.Preis, 1000);
    FindeId<QPushButton>(seite, 1030)->click();
    const DHeizung& bestand = d->Arbeitshaus().m_aHeizung[0];
    EXPECT_FALSE(h != bestand);
    EXPECT_EQ(h.Name, bestand.Name);
    EXPECT_DOUBLE_EQ(h.Preis, bestand.Preis);
    EXPECT_DOUBLE_EQ(h.Lebensdauer, bestand.Lebensdauer);
    EXPECT_DOUBLE_EQ(h.Nennwaermeleistung, bestand.Nennwaermeleistung);
    EXPECT_DOUBLE_EQ(h.Abgasverlust, bestand.Abgasverlust);
    EXPECT_EQ(Feld(seite, 1146), QString::fromStdString(bestand.Name));
}

TEST_F(VariantenSeiten, HeatingPageSingleRoomWoodStove)
{
    DHeizung& alt = H().m_aHeizung[0];
    alt.Einzelheiz = 1;
    alt.Brennstoff = BrennstoffHolz;
    alt.Name = "Kachelofen";
    alt.EtaEinzel = 0.7;
    alt.Heizungsverteilung = "Zentralheizung (Wärmeerzeugung im Gebäude)";
    alt.Verteilungsnutzungsgrad = 0.96;
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Heizung);
    CHeizungSanDlg* seite = HeizungSeite(d);
    EXPECT_TRUE(FindeId<QRadioButton>(seite, 1141)->isChecked());
    EXPECT_FALSE(Knopf(d, 1118)->isEnabled());
    auto* erzeuger = FindeId<QComboBox>(seite, 1144);
    ASSERT_TRUE(erzeuger->isVisible());
    EXPECT_FALSE(FindeId<QLineEdit>(seite, 1147)->isVisible());
    EXPECT_EQ(erzeuger->currentText(), "Kachelofen");
    EXPECT_EQ(Feld(seite, 1145), "70");
    QStringList namen;
    for (int i = 0; i < erzeuger->count(); ++i)
        namen << erzeuger->itemText(i);
    EXPECT_EQ(namen, (QStringList{"Durchbrandofen", "Kachelofen", "Kamineinsatzofen", "offener Kamin",
                                  "Universal-Dauerbrandofen", "Unterbrandofen"}));
    test::Bild(*d, "variante-einzelheizung");
    const int kamin = erzeuger->findText("offener Kamin");
    erzeuger->setCurrentIndex(kamin);
    emit erzeuger->activated(kamin);
    EXPECT_EQ(Feld(seite, 1145), "18");
    ASSERT_TRUE(seite->UebernehmeHeizung());
    const DHeizung& h = d->Arbeitshaus().m_aHeizung[static_cast<std::size_t>(n)];
    EXPECT_EQ(h.Name, "offener Kamin");
    EXPECT_DOUBLE_EQ(h.EtaEinzel, 0.18);
    EXPECT_DOUBLE_EQ(h.Verteilungsnutzungsgrad, 1);
    EXPECT_EQ(h.Heizungsverteilung, "");
    EXPECT_DOUBLE_EQ(h.Nennwaermeleistung, 0);
    // A single-room heating is never checked against the demand.
    EXPECT_TRUE(seite->PruefeSeite());
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

// A stove the user leaves alone on the heating page stays the existing
// heating: the variant is no heating measure, and the old heating that must
// be renewed is counted in its costs.
TEST_F(VariantenSeiten, HeatingPageLeavesAnUntouchedStoveAsTheExistingHeating)
{
    DHeizung& alt = H().m_aHeizung[0];
    alt.Name = "Kachelofen";
    alt.Brennstoff = BrennstoffHolz;
    alt.SetzeEinzelheizung(0.7);
    alt.Sanbar = 1;
    alt.SanMuss = 1;
    rahmen->Optionen().AlteHeizung = 2500;
    rahmen->Optionen().EinschaltdauerBeibehalten = 0;
    rahmen->Optionen().Einschaltdauer = 2000;
    rahmen->Optionen().WaermeverteilungBeibehalten = 0;
    rahmen->Optionen().HeizungsverteilungsArt = "Zentralheizung (Wärmeerzeugung im Gebäude)";
    rahmen->Optionen().Verteilungsnutzungsgrad = 0.96;
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Heizung);
    CHeizungSanDlg* seite = HeizungSeite(d);
    ASSERT_TRUE(seite->UebernehmeHeizung());
    const DHeizung& h = d->Arbeitshaus().m_aHeizung[static_cast<std::size_t>(n)];
    EXPECT_TRUE(h.IstGleich(H().m_aHeizung[0]));
    EXPECT_EQ(h.Bereitschaftszeit, 8760);
    EXPECT_EQ(h.EtaEinzel, 0.7);

    Haus mitAlter(d->Arbeitshaus());
    mitAlter.BerechneKosten(n, rahmen->Optionen());
    DOptionen ohne = rahmen->Optionen();
    ohne.AlteHeizung = 0;
    Haus ohneAlte(d->Arbeitshaus());
    ohneAlte.BerechneKosten(n, ohne);
    EXPECT_DOUBLE_EQ(mitAlter.m_aBedarf[static_cast<std::size_t>(n)].Gesamtkosten -
                         ohneAlte.m_aBedarf[static_cast<std::size_t>(n)].Gesamtkosten,
                     2500);
    EXPECT_FALSE(SanierteGruppen(d->Arbeitshaus(), n)[MarkeHeizung]) << "no heating measure";
}

// With a variant dialog open, the heat-demand pane, the chart dialog and a
// change of method compute the existing state on the document: the boiler
// given by its losses keeps its stored efficiency, so every variant keeps
// its judgement "heating unchanged" and its costs.
TEST_F(VariantenSeiten, ComputingTheExistingStateElsewhereKeepsTheVariantsJudgement)
{
    H().m_aHeizung[0].Jahresnutzungsgrad = 0.8; // not what the losses give at this demand
    H().m_aHeizung[0].SanMuss = 1;
    rahmen->Optionen().AlteHeizung = 2500;
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    auto urteil = [this, n] {
        Haus k(H());
        k.BerechneKosten(n, rahmen->Optionen());
        return std::pair{SanierteGruppen(H(), n)[MarkeHeizung], k.m_aBedarf[static_cast<std::size_t>(n)].Gesamtkosten};
    };
    const auto vorher = urteil();
    EXPECT_FALSE(vorher.first);

    rahmen->ZeigeBedarf(0);
    EXPECT_EQ(urteil(), vorher) << "heat-demand pane";
    {
        CEnergiebilanzDlg grafik(rahmen, H(), rahmen->Optionen(), 0, CEnergiebilanzDlg::Sankey);
        grafik.resize(400, 300);
        grafik.grab();
    }
    EXPECT_EQ(urteil(), vorher) << "chart dialog";
    const int neu = H().Berechnungsverfahren == BerechnungSIA ? BerechnungEnEV : BerechnungSIA;
    auto* verfahren = FindeId<QComboBox>(rahmen->Bedarfsfenster(), 1005);
    ASSERT_NE(verfahren, nullptr);
    verfahren->setCurrentIndex(neu);
    emit verfahren->activated(neu);
    EXPECT_EQ(urteil(), vorher) << "method";
    EXPECT_EQ(H().m_aHeizung[0].Jahresnutzungsgrad, 0.8);
}

TEST_F(VariantenSeiten, CalculationPageFollowsTheWorkingCopyAndTheMethod)
{
    H().m_aHeizung[0].Brennstoff = BrennstoffOel;
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    Waehle(Liste(Seite(d, CSanierungVarianteDlg::Wand)), {0});
    AusDB(Seite(d, CSanierungVarianteDlg::Wand), "WDVS EPS 12 cm");
    ASSERT_FALSE(d->Arbeitshaus().m_aWand[0].m_aSan[static_cast<std::size_t>(n)].IstLeer());
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Berechnung);
    CBerechnungSanDlg* seite = BerechnungSeite(d);
    ASSERT_NE(seite, nullptr);
    test::Bild(*d, "variante-berechnung");

    auto pruefe = [&](int verfahren) {
        Haus kopie = d->Arbeitshaus();
        BerechneZustaende(kopie, n, rahmen->Optionen());
        const auto texte = Berechnungstexte(LeseBerechnungswerte(kopie, n, rahmen->Optionen()), verfahren);
        ASSERT_EQ(texte.size(), verfahren == 2 ? 6u : 16u);
        for (const auto& [id, text] : texte)
            EXPECT_EQ(seite->Feldtext(id).toStdString(), text) << id;
    };
    pruefe(0);
    EXPECT_NE(seite->Feldtext(1221), "0") << "the wall saves";
    EXPECT_NE(seite->Feldtext(1222), "0");

    // The method is the document's and the working copy's.
    Dok().SetModifiedFlag(false);
    auto* verfahren = FindeId<QComboBox>(seite, 1005);
    verfahren->setCurrentIndex(1);
    emit verfahren->activated(1);
    EXPECT_EQ(H().Berechnungsverfahren, 1);
    EXPECT_EQ(d->Arbeitshaus().Berechnungsverfahren, 1);
    EXPECT_TRUE(Dok().IsModified());
    pruefe(1);
    verfahren->setCurrentIndex(2);
    emit verfahren->activated(2);
    pruefe(2);
    EXPECT_EQ(FindeId<QGroupBox>(seite, 1306)->title(),
              QStringLiteral("Jahres-Heizwärmebedarf nach Wärmeschutzverordnung'95"));
    EXPECT_TRUE(FindeId<QLabel>(seite, 1307)->isVisible());
    EXPECT_FALSE(FindeId<QPushButton>(seite, 1177)->isVisible());
    verfahren->setCurrentIndex(0);
    emit verfahren->activated(0);
    pruefe(0);
    EXPECT_FALSE(FindeId<QLabel>(seite, 1307)->isVisible());
    EXPECT_TRUE(FindeId<QPushButton>(seite, 1177)->isVisible());

    // "&Grafik" and "&Details..." leave the document's house as it is.
    Haus* dokHaus = &H();
    bool grafik = false;
    BeiModalemDialog([&](QDialog* dlg) {
        grafik = dlg->inherits("zeva::CEnergiebilanzDlg");
        dlg->reject();
    });
    FindeId<QPushButton>(seite, 1177)->click();
    EXPECT_TRUE(grafik);
    EXPECT_EQ(&H(), dokHaus);
    FindeId<QPushButton>(seite, 1219)->click();
    auto* pane = dynamic_cast<CBedarfDlg*>(rahmen->Bedarfsfenster());
    ASSERT_NE(pane, nullptr);
    EXPECT_FALSE(pane->DokumentHaus()) << "copy mode";
    EXPECT_EQ(pane->Variante(), n);
    EXPECT_EQ(&H(), dokHaus);
    EXPECT_TRUE(H().m_aWand[0].m_aSan[static_cast<std::size_t>(n)].IstLeer());
    d->OnCancel();
}

// Three variants in the document: 1 by hand with a pitched-roof measure, 2
// automatic (criterion 1, 10 000 EUR) with a wall measure, 3 with a new
// price for the heating.
class VariantenFenster : public VariantenSeiten {
protected:
    void SetUp() override
    {
        VariantenSeiten::SetUp();
        Haus& h = H();
        for (int i = 0; i < 3; ++i)
            h.NeueVariante(true, rahmen->Optionen());
        DSSteildach& dach = h.m_aSteildach[0].m_aSan[1];
        dach = OpakeMassnahme<DSSteildach>("Zwischensparren", 0.2, DSBauteilOpaque::Zwischen);
        dach.Preis = 3000;
        dach.Lebensdauer = 40;
        DSWand& wand = h.m_aWand[0].m_aSan[2];
        wand = OpakeMassnahme<DSWand>("WDVS", 0.25, DSBauteilOpaque::Aussen);
        wand.Preis = 9000;
        wand.Lebensdauer = 40;
        wand.Co2 = 12;
        wand.Kea = 40;
        h.m_aBedarf[2].Zielfunktion = 1;
        h.m_aBedarf[2].Grenze = 10000;
        h.m_aHeizung[3].Name = "Neuer Kessel";
        h.m_aHeizung[3].Preis = 7000;
        h.m_aHeizung[3].Lebensdauer = 20;
        Pane()->AktualisiereVarianten(h);
    }
    // A new gas price through the real options sheet, "Nein" to the
    // question that follows it.
    void SetzeGaspreisUeberOptionen(const QString& preis)
    {
        test::BeiModalemDialog([preis](QDialog* d) {
            auto* sheet = dynamic_cast<zeva::Optionen*>(d);
            ASSERT_NE(sheet, nullptr);
            sheet->Seiten()->setCurrentIndex(1);
            FindeId<QLineEdit>(sheet->Seite(1), 1257)->setText(preis);
            FindeDirektId<QPushButton>(sheet, 1)->click();
        });
        meldungen.Antworte(QMessageBox::No);
        rahmen->Befehl(ID_OPTIONEN);
    }
    void WaehleVariante(int n)
    {
        QComboBox* auswahl = Pane()->Auswahl();
        auswahl->setCurrentIndex(n - 1);
        emit auswahl->activated(n - 1);
    }
};

TEST_F(VariantenSeiten, PaneWithoutVariantsIsDisabled)
{
    CSanVariantenDlg* pane = Pane();
    ASSERT_NE(pane, nullptr);
    pane->AktualisiereVarianten(H());
    EXPECT_FALSE(pane->Auswahl()->isEnabled());
    EXPECT_EQ(pane->Auswahl()->count(), 0);
    ASSERT_EQ(pane->Rollup()->Seitenanzahl(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(pane->Rollup()->IstSeiteAktiv(i)) << i;
    QStringList titel;
    for (int i = 0; i < 4; ++i)
        titel << pane->Rollup()->Kopf(i)->text();
    EXPECT_EQ(titel, (QStringList{"Sanierung", "Sanierungs Kenndaten", "Heizung", "Diagramme"}));
}

TEST_F(VariantenFenster, RefillKeepsTheSelectionWithinTheVariants)
{
    CSanVariantenDlg* pane = Pane();
    EXPECT_TRUE(pane->Auswahl()->isEnabled());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(pane->Rollup()->IstSeiteAktiv(i)) << i;
    EXPECT_EQ(pane->Auswahl()->currentText(), "Variante 1");
    WaehleVariante(3);
    EXPECT_EQ(pane->SanierungSeite()->Variante(), 3);
    rahmen->LoescheVariante(3);
    ASSERT_EQ(H().Varianten, 2);
    EXPECT_EQ(pane->Auswahl()->count(), 2);
    EXPECT_EQ(pane->Auswahl()->currentText(), "Variante 2");
    EXPECT_EQ(pane->SanierungSeite()->Variante(), 2);
    EXPECT_EQ(pane->KenndatenSeite()->Variante(), 2);
    EXPECT_EQ(pane->DiagrammSeite()->Variante(), 2);
    EXPECT_EQ(pane->HeizungSeite()->Feld(1014)->Wert(), QStringLiteral("Gas"));
    // The pane computes on a copy: the document's existing heating is untouched.
    EXPECT_EQ(H().m_aHeizung[0].Jahresnutzungsgrad, 0);
    rahmen->LoescheVariante(1);
    rahmen->LoescheVariante(1);
    EXPECT_FALSE(pane->Auswahl()->isEnabled());
    EXPECT_FALSE(pane->Rollup()->IstSeiteAktiv(1));
}

TEST_F(VariantenFenster, SanierungPageMethodCriterionAndGroups)
{
    CSanierungDlg* seite = Pane()->SanierungSeite();
    WaehleVariante(1);
    EXPECT_EQ(seite->Feld(1347)->Wert(), QStringLiteral("Manuell"));
    EXPECT_TRUE(seite->Feld(1348)->isHidden());
    EXPECT_EQ(seite->height(), seite->KurzeHoehe());
    EXPECT_EQ(seite->VolleHoehe() - seite->KurzeHoehe(), seite->Feld(1348)->height() + 2);
    std::array<bool, 6> marken{};
    for (int g = 0; g < 6; ++g)
        marken[static_cast<std::size_t>(g)] = seite->Gruppenknopf(1121 + g)->IstMarkiert();
    EXPECT_EQ(marken, (std::array<bool, 6>{true, false, false, false, false, false})) << "pitched roof only";
    test::Bild(*Pane(), "variantenfenster-manuell");

    WaehleVariante(2);
    EXPECT_EQ(seite->Feld(1347)->Wert(), QStringLiteral("Automatisch"));
    EXPECT_FALSE(seite->Feld(1348)->isHidden());
    EXPECT_EQ(seite->Feld(1348)->Wert(), QStringLiteral("der maximalen Einsparung bei 10.000 EUR Kosten"));
    EXPECT_EQ(seite->height(), seite->VolleHoehe());
    EXPECT_TRUE(seite->Gruppenknopf(1123)->IstMarkiert());
    EXPECT_FALSE(seite->Gruppenknopf(1126)->IstMarkiert()) << "the existing heating";
    test::Bild(*Pane(), "variantenfenster-automatisch");
    WaehleVariante(3);
    EXPECT_TRUE(seite->Gruppenknopf(1126)->IstMarkiert());

    // "Dach" opens the dialog of the variant on the pitched roof.
    WaehleVariante(1);
    CHoverButton* dach = seite->Gruppenknopf(1121);
    QTest::mouseClick(dach, Qt::LeftButton, {}, dach->rect().center());
    QCoreApplication::processEvents();
    CSanierungVarianteDlg* d = Dialog(1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->AktuelleSeite(), CSanierungVarianteDlg::Steildach);
    EXPECT_EQ(Tabs(d)->currentIndex(), CSanierungVarianteDlg::Steildach);
}

TEST_F(VariantenFenster, KeyFiguresAndTheirDetails)
{
    WaehleVariante(2);
    CSanKenndatenDlg* seite = Pane()->KenndatenSeite();
    Haus kopie = H();
    BerechneZustaende(kopie, 2, rahmen->Optionen());
    const DBedarf& d0 = kopie.m_aBedarf[0];
    const DBedarf& d2 = kopie.m_aBedarf[2];
    const double a = kopie.Energiebezugsflaeche;
    const double p = rahmen->Optionen().Brennstoffpreis(kopie.m_aHeizung[0].Brennstoff);
    ASSERT_GT(d2.Gesamtkosten, 0);
    const struct {
        int id;
        std::uint16_t stil;
        double wert0;
        double wert1;
    } faelle[] = {
        {1222, 0xB800, d2.Gesamtkosten, d2.Gesamtkosten / a},
        {1223, 0x3800, d2.GetKeaSanierung(), d2.GetKeaSanierung() / a},
        {1224, 0x3800, d2.GetCo2Sanierung() * 0.001, d2.GetCo2Sanierung() / a},
        {1225, 0x3800, (d0.Brennstoffenergiebedarf - d2.Brennstoffenergiebedarf) * a,
         d0.Brennstoffenergiebedarf - d2.Brennstoffenergiebedarf},
        {1226, 0xB800, p * (d0.Brennstoffenergiebedarf - d2.Brennstoffenergiebedarf) * a,
         p * (d0.Brennstoffenergiebedarf - d2.Brennstoffenergiebedarf)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.id);
        EXPECT_EQ(seite->Feld(f.id)->StilBits(), f.stil);
        if (f.stil == 0xB800) {
            // Money: the amount in whole euros, the rate per m² with its cents.
            EXPECT_EQ(seite->Feld(f.id)->Wert(0), QString::fromStdString(Geldtext(f.wert0)));
            EXPECT_EQ(seite->Feld(f.id)->Wert(1), QString::fromStdString(Zahltext(f.wert1, 2)));
            continue;
        }
        EXPECT_EQ(seite->Feld(f.id)->Wert(0), WertText(f.wert0, f.stil));
        EXPECT_EQ(seite->Feld(f.id)->Wert(1), WertText(f.wert1, f.stil));
    }
    EXPECT_EQ(seite->Feld(1224)->Einheit(0), "t");
    EXPECT_EQ(seite->Feld(1224)->Einheit(1), "kg/m²");

    // "CO2": the renovation details of criterion 2 for the variant shown.
    CWertButton* co2 = seite->Feld(1224);
    QTest::mouseClick(co2, Qt::LeftButton, {}, co2->rect().center());
    QCoreApplication::processEvents();
    auto* detail = dynamic_cast<CSanDetail*>(rahmen->Detailansicht());
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->Kriterium(), 2);
    EXPECT_EQ(detail->Variante(), 2);
}

// One state, one figure: the pane's chart draws the house whose figures the
// pane shows, whatever the document's demand records hold after a load, and
// a change of method or of the fuel price reaches the left bar and the pane
// at once.
TEST_F(VariantenFenster, ChartKeyFiguresAndLeftBarAgreeAfterALoadAndAChange)
{
    // As after a load: the document's records were never computed here.
    for (std::size_t i = 0; i < H().m_aBedarf.size(); ++i) {
        H().m_aBedarf[i].Waermebedarf = 1;
        H().m_aBedarf[i].Brennstoffenergiebedarf = 1;
    }
    WaehleVariante(2);
    auto* sankey = qobject_cast<CSankeyDlg*>(Pane()->DiagrammSeite()->Sankey());
    ASSERT_NE(sankey, nullptr);
    ASSERT_NE(Pane()->GezeigtesHaus(), nullptr);
    EXPECT_EQ(sankey->GezeichnetesHaus(), Pane()->GezeigtesHaus());
    EXPECT_EQ(sankey->Variante(), 2);
    EXPECT_NE(Pane()->GezeigtesHaus()->m_aBedarf[2].Waermebedarf, 1);
    test::Bild(*Pane(), "variantenfenster-diagramme");

    // The method changes in the heat-demand pane.
    auto ersparnisText = [this](const DOptionen& o) {
        Haus frisch = H();
        BerechneZustaende(frisch, 2, o);
        const double e = frisch.m_aBedarf[0].Brennstoffenergiebedarf - frisch.m_aBedarf[2].Brennstoffenergiebedarf;
        return std::pair{WertText(e, 0x3800),
                         QString::fromStdString(Zahltext(o.Brennstoffpreis(frisch.m_aHeizung[0].Brennstoff) * e, 2))};
    };
    const int neu = H().Berechnungsverfahren == BerechnungSIA ? BerechnungEnEV : BerechnungSIA;
    rahmen->ZeigeBedarf(0);
    auto* verfahren = FindeId<QComboBox>(rahmen->Bedarfsfenster(), 1005);
    ASSERT_NE(verfahren, nullptr);
    verfahren->setCurrentIndex(neu);
    emit verfahren->activated(neu);
    ASSERT_EQ(H().Berechnungsverfahren, neu);
    ASSERT_NE(Pane()->GezeigtesHaus(), nullptr);
    EXPECT_EQ(Pane()->GezeigtesHaus()->Berechnungsverfahren, neu);
    EXPECT_EQ(Pane()->KenndatenSeite()->Feld(1225)->Wert(1), ersparnisText(rahmen->Optionen()).first);
    EXPECT_EQ(sankey->GezeichnetesHaus(), Pane()->GezeigtesHaus());
    Haus bestand = H();
    StillerNotifier still;
    bestand.BerechneBedarf(0, still);
    EXPECT_EQ(H().m_aBedarf[0].Brennstoffenergiebedarf, bestand.m_aBedarf[0].Brennstoffenergiebedarf)
        << "the left bar's state follows the method";

    // A new fuel price from the options sheet.
    SetzeGaspreisUeberOptionen(QStringLiteral("0,09"));
    ASSERT_DOUBLE_EQ(rahmen->Optionen().Brennstoffkosten1, 0.09);
    EXPECT_EQ(Pane()->KenndatenSeite()->Feld(1226)->Wert(1), ersparnisText(rahmen->Optionen()).second);
}

// Every view of a state computes that state before it shows a figure: after
// a change of the method, of the options, and on a document just opened
// (whose records were never computed here), the variant pane, the
// renovation details, an open variant dialog, the left bar and the
// heat-demand pane all show the figures of a fresh computation.
TEST_F(VariantenFenster, EveryViewShowsTheStateAsComputedAfterAChangeOrAnOpening)
{
    constexpr int n = 2;
    constexpr int kriterium = 4; // heating-cost savings: they follow the method and the prices
    auto zeigeAlle = [&] {
        WaehleVariante(n);
        rahmen->Sanierungsdetails(kriterium, n);
        rahmen->Variantenseite(n, CSanierungVarianteDlg::Berechnung);
        rahmen->ZeigeBedarf(n);
        QCoreApplication::processEvents();
    };
    auto pruefe = [&](const char* anlass) {
        SCOPED_TRACE(anlass);
        const DOptionen& o = rahmen->Optionen();
        Haus frisch(H());
        BerechneZustaende(frisch, n, o);
        const int verfahren = H().Berechnungsverfahren;

        // The variant pane: the figures of SanKenndaten.
        const auto kenndaten = SanKenndaten(frisch, n, o);
        CSanKenndatenDlg* k = Pane()->KenndatenSeite();
        EXPECT_EQ(k->Variante(), n);
        EXPECT_EQ(k->Feld(1225)->Wert(0), WertText(kenndaten[3].first, 0x3800)) << "pane";
        EXPECT_EQ(k->Feld(1226)->Wert(0), QString::fromStdString(Geldtext(kenndaten[4].first))) << "pane";

        // The renovation details: the page of the same state.
        auto* detail = dynamic_cast<CSanDetail*>(rahmen->Detailansicht());
        ASSERT_NE(detail, nullptr);
        std::array<double, 7> werte{};
        sandetail::Seite(frisch, o, kriterium, n, werte);
        EXPECT_EQ(detail->Werte(), werte) << "details";
        EXPECT_EQ(werte[6], GanzeEuro(kenndaten[4].first)) << "details and pane agree";

        // The open variant dialog: its method and its calculation page.
        CSanierungVarianteDlg* d = Dialog(n);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->Arbeitshaus().Berechnungsverfahren, verfahren);
        EXPECT_EQ(FindeId<QComboBox>(BerechnungSeite(d), 1005)->currentIndex(), verfahren);
        for (const auto& [id, text] : Berechnungstexte(LeseBerechnungswerte(frisch, n, o), verfahren))
            EXPECT_EQ(BerechnungSeite(d)->Feldtext(id).toStdString(), text) << "variant dialog " << id;

        // The left bar: the existing state.
        auto* links = dynamic_cast<CHeizungDlg*>(rahmen->HeizungSeite());
        ASSERT_NE(links, nullptr);
        CHeizungDlg referenz(nullptr, [this]() -> const DOptionen& { return rahmen->Optionen(); });
        referenz.Create(nullptr);
        referenz.ZeigeVariante(frisch, 0);
        for (int id : {1018, 1015, 1016, 1017})
            for (int spalte : {0, 1})
                EXPECT_EQ(links->Feld(id)->Wert(spalte), referenz.Feld(id)->Wert(spalte)) << "left bar " << id;

        // The heat-demand pane: the list of states and the state it shows.
        auto* bedarf = dynamic_cast<CBedarfDlg*>(rahmen->Bedarfsfenster());
        ASSERT_NE(bedarf, nullptr);
        EXPECT_EQ(bedarf->Variante(), n);
        EXPECT_EQ(FindeId<QComboBox>(bedarf, 1258)->count(), H().Varianten + 1);
        EXPECT_EQ(FindeId<QComboBox>(bedarf, 1005)->currentIndex(), verfahren);
        EXPECT_EQ(H().m_aBedarf[n].Brennstoffenergiebedarf, frisch.m_aBedarf[n].Brennstoffenergiebedarf) << "pane";
        EXPECT_EQ(H().m_aBedarf[n].Waermebedarf, frisch.m_aBedarf[n].Waermebedarf) << "pane";
    };

    // As after a load: the document's records were never computed here, and
    // the panes are refreshed with them.
    for (DBedarf& b : H().m_aBedarf) {
        b.Waermebedarf = 1;
        b.Brennstoffenergiebedarf = 1;
    }
    rahmen->AktualisiereSeiten();
    zeigeAlle();
    pruefe("shown");
    test::Bild(*rahmen, "zustand-vorher");

    // The method changes in the heat-demand pane.
    const int neu = H().Berechnungsverfahren == BerechnungSIA ? BerechnungEnEV : BerechnungSIA;
    auto* verfahren = FindeId<QComboBox>(rahmen->Bedarfsfenster(), 1005);
    ASSERT_NE(verfahren, nullptr);
    verfahren->setCurrentIndex(neu);
    emit verfahren->activated(neu);
    ASSERT_EQ(H().Berechnungsverfahren, neu);
    QCoreApplication::processEvents();
    pruefe("method changed");
    // Also after switching tabs in the variant dialog.
    Tabs(Dialog(n))->setCurrentIndex(CSanierungVarianteDlg::Wand);
    Tabs(Dialog(n))->setCurrentIndex(CSanierungVarianteDlg::Berechnung);
    pruefe("method changed, tabs switched");
    test::Bild(*rahmen->Detailansicht(), "details-nach-verfahrenswechsel");

    // A new fuel price from the options sheet.
    SetzeGaspreisUeberOptionen(QStringLiteral("0,09"));
    ASSERT_DOUBLE_EQ(rahmen->Optionen().Brennstoffkosten1, 0.09);
    QCoreApplication::processEvents();
    pruefe("options changed");

    // Saved with records of another method, and opened again.
    Dialog(n)->OnCancel();
    for (DBedarf& b : H().m_aBedarf) {
        b.Waermebedarf = 1;
        b.Brennstoffenergiebedarf = 1;
    }
    const QString pfad = test::Datei(QStringLiteral("Zustaende.vza"));
    ASSERT_TRUE(Dok().DoSave(pfad));
    ASSERT_TRUE(app->OpenDocumentFile(pfad));
    ASSERT_EQ(H().Varianten, 3);
    zeigeAlle();
    pruefe("opened");
}

// The heat-demand pane lists the states while it is up: a variant added
// appears, a variant removed goes, and a state shown that moved is computed
// anew.
TEST_F(VariantenFenster, TheHeatDemandPaneListsTheStatesAsVariantsComeAndGo)
{
    rahmen->ZeigeBedarf(3);
    auto* bedarf = dynamic_cast<CBedarfDlg*>(rahmen->Bedarfsfenster());
    ASSERT_NE(bedarf, nullptr);
    auto* liste = FindeId<QComboBox>(bedarf, 1258);
    ASSERT_EQ(liste->count(), 4);
    ASSERT_EQ(bedarf->Variante(), 3);

    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(H().Varianten, 4);
    EXPECT_EQ(liste->count(), 5);
    EXPECT_EQ(liste->itemText(4), QStringLiteral("Variante 4"));
    EXPECT_EQ(bedarf->Variante(), 3) << "the state shown stays";
    EXPECT_EQ(liste->currentIndex(), 3);

    // Cancelled unchanged, the new variant goes again.
    d->OnCancel();
    ASSERT_EQ(H().Varianten, 3);
    EXPECT_EQ(liste->count(), 4);

    // A variant after the one shown goes: the list follows, the state stays.
    rahmen->ZeigeBedarf(1);
    ASSERT_EQ(bedarf->Variante(), 1);
    rahmen->LoescheVariante(3);
    ASSERT_EQ(H().Varianten, 2);
    EXPECT_EQ(liste->count(), 3);
    EXPECT_EQ(bedarf->Variante(), 1);
    EXPECT_EQ(liste->currentText(), QStringLiteral("Variante 1"));
    // The variant shown goes: the existing building, in a list without it.
    rahmen->LoescheVariante(1);
    ASSERT_EQ(H().Varianten, 1);
    EXPECT_EQ(liste->count(), 2);
    EXPECT_EQ(bedarf->Variante(), 0);

    // All go: the existing building.
    meldungen.Antworte(QMessageBox::Yes);
    rahmen->Befehl(ID_ALLE_LOESCHEN);
    ASSERT_EQ(H().Varianten, 0);
    EXPECT_EQ(liste->count(), 1);
    EXPECT_EQ(bedarf->Variante(), 0);
}

TEST_F(VariantenFenster, DeleteDialogRangeCancelAndTheOpenDialogs)
{
    std::vector<QString> abgelehnt;
    bool blieb = true;
    BeiModalemDialog([&](QDialog* dlg) {
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Sanierungsvariante löschen"));
        auto* nummer = FindeId<QLineEdit>(dlg, 1224);
        EXPECT_EQ(nummer->text(), "1");
        test::Bild(*dlg, "variante-loeschen");
        for (const char* text : {"0", "4", "x"}) {
            nummer->setText(QString::fromUtf8(text));
            Knopf(dlg, 1)->click();
            blieb = blieb && dlg->isVisible();
            abgelehnt.push_back(meldungen.Anfragen().back().text);
        }
        Knopf(dlg, 2)->click();
    });
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    EXPECT_TRUE(blieb);
    EXPECT_EQ(abgelehnt, (std::vector<QString>{QStringLiteral("Geben Sie eine ganze Zahl zwischen 1 und 3 ein."),
                                               QStringLiteral("Geben Sie eine ganze Zahl zwischen 1 und 3 ein."),
                                               QStringLiteral("Geben Sie eine ganze Zahl ein.")}));
    EXPECT_EQ(H().Varianten, 3) << "Cancel deletes nothing";

    // Variant 2 with the dialogs of 2 and 3 open: one question, both close
    // through OK, and exactly one variant goes.
    rahmen->OeffneVariante(2);
    rahmen->OeffneVariante(3);
    // A number given, the user is asked before anything goes, with No as
    // the default: No keeps every variant and its dialogs.
    std::size_t ab = meldungen.Anfragen().size();
    meldungen.Antworte(QMessageBox::No);
    BeiModalemDialog([](QDialog* dlg) {
        FindeId<QLineEdit>(dlg, 1224)->setText(QStringLiteral("2"));
        Knopf(dlg, 1)->click();
    });
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    ASSERT_EQ(meldungen.Anfragen().size(), ab + 1);
    EXPECT_EQ(meldungen.Anfragen()[ab].text, QStringLiteral("Soll die Sanierungsvariante 2 gelöscht werden?"));
    EXPECT_EQ(meldungen.Anfragen()[ab].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(meldungen.Anfragen()[ab].vorgabe, QMessageBox::No);
    EXPECT_EQ(H().Varianten, 3);
    EXPECT_NE(rahmen->Variantendialog(2), nullptr);
    EXPECT_NE(rahmen->Variantendialog(3), nullptr);

    ab = meldungen.Anfragen().size();
    meldungen.Antworte(QMessageBox::Yes);
    meldungen.Antworte(QMessageBox::Ok);
    BeiModalemDialog([](QDialog* dlg) {
        FindeId<QLineEdit>(dlg, 1224)->setText(QStringLiteral("2"));
        Knopf(dlg, 1)->click();
    });
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    ASSERT_EQ(meldungen.Anfragen().size(), ab + 2);
    EXPECT_TRUE(meldungen.Anfragen()[ab + 1].text.startsWith(QStringLiteral("Für diese Aktion müssen alle")));
    EXPECT_EQ(H().Varianten, 2);
    EXPECT_EQ(rahmen->Variantendialog(2), nullptr);
    EXPECT_EQ(rahmen->Variantendialog(3), nullptr);
    EXPECT_EQ(H().m_aHeizung[2].Name, "Neuer Kessel") << "variant 3 moved down";
    EXPECT_EQ(Pane()->Auswahl()->count(), 2);
}

TEST_F(VariantenSeiten, EndToEndTheVariantsKeyFiguresInThePane)
{
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    const int n = d->Variante();
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    Waehle(Liste(Seite(d, CSanierungVarianteDlg::Wand)), {0});
    AusDB(Seite(d, CSanierungVarianteDlg::Wand), "WDVS EPS 12 cm");
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Fenster);
    Waehle(FensterSeite(d)->Liste(), {0, 1, 2});
    FensterAusDB(FensterSeite(d), false, "Kunststofffenster, 3-fach WSV");
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Heizung);
    const QString kessel = KesselAusDB(HeizungSeite(d));
    EXPECT_TRUE(kessel.startsWith(QStringLiteral("Gas-Brennwertkessel")));
    meldungen.Antworte(QMessageBox::Yes); // should the boiler not cover the demand
    ASSERT_TRUE(d->OnOK());
    ASSERT_EQ(H().Varianten, n);
    EXPECT_EQ(H().m_aHeizung[static_cast<std::size_t>(n)].Name, kessel.toStdString());
    // On the net calorific value a condensing boiler exceeds 100 %, and the
    // page passes that on unchanged.
    EXPECT_GT(H().m_aHeizung[static_cast<std::size_t>(n)].Jahresnutzungsgrad, 1.0);
    EXPECT_LT(H().m_aHeizung[static_cast<std::size_t>(n)].Jahresnutzungsgrad, 1.0949);

    CSanVariantenDlg* pane = Pane();
    ASSERT_TRUE(pane->Auswahl()->isEnabled());
    EXPECT_EQ(pane->Auswahl()->currentText(), QStringLiteral("Variante %1").arg(n));
    Haus kopie = H();
    const DOptionen& o = rahmen->Optionen();
    StillerNotifier still;
    kopie.BerechneBedarf(0, still);
    kopie.BerechneBedarf(n, still);
    kopie.BerechneKosten(n, o);
    kopie.BerechneCo2(n);
    kopie.BerechneKea(n);
    const DBedarf& d0 = kopie.m_aBedarf[0];
    const DBedarf& dn = kopie.m_aBedarf[static_cast<std::size_t>(n)];
    const double a = kopie.Energiebezugsflaeche;
    ASSERT_GT(dn.Gesamtkosten, 0);
    ASSERT_GT(dn.GetKeaSanierung(), 0);
    CSanKenndatenDlg* seite = pane->KenndatenSeite();
    EXPECT_EQ(seite->Feld(1222)->Wert(0), QString::fromStdString(Geldtext(dn.Gesamtkosten)));
    EXPECT_EQ(seite->Feld(1223)->Wert(0), WertText(dn.GetKeaSanierung(), 0x3800));
    EXPECT_EQ(seite->Feld(1224)->Wert(0), WertText(dn.GetCo2Sanierung() * 0.001, 0x3800));
    EXPECT_EQ(seite->Feld(1225)->Wert(1), WertText(d0.Brennstoffenergiebedarf - dn.Brennstoffenergiebedarf, 0x3800));
    EXPECT_EQ(seite->Feld(1225)->Wert(0),
              WertText((d0.Brennstoffenergiebedarf - dn.Brennstoffenergiebedarf) * a, 0x3800));
    std::array<bool, 6> marken{};
    for (int g = 0; g < 6; ++g)
        marken[static_cast<std::size_t>(g)] = pane->SanierungSeite()->Gruppenknopf(1121 + g)->IstMarkiert();
    EXPECT_EQ(marken, (std::array<bool, 6>{false, false, true, true, false, true}));
    test::Bild(*pane, "variantenfenster-ende");
}

TEST_F(VariantenSeiten, GlaserButtonShowsTheDiagramOverTheFrame)
{
    // The program's own display, as installed at the start.
    InstalliereSanierungsdialoge(*rahmen);
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    Waehle(Liste(Seite(d, CSanierungVarianteDlg::Wand)), {1});
    QString titel;
    QWidget* eltern = nullptr;
    BeiModalemDialog([&](QDialog* dlg) {
        titel = dlg->windowTitle();
        eltern = dlg->parentWidget();
        EXPECT_NE(dynamic_cast<CGlaserDlg*>(dlg), nullptr);
        dlg->reject();
    });
    Knopf(Seite(d, CSanierungVarianteDlg::Wand), 1121)->click();
    EXPECT_EQ(titel, QString::fromUtf8(CGlaserDlg::Titel));
    EXPECT_EQ(eltern, rahmen);
}

} // namespace
} // namespace zeva::test
