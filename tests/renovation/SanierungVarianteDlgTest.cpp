// "Neu &Manuell" in the started program: the variant dialog on a working
// copy, its tabs, Glaser marks and placement, OK and Cancel with the removal
// of unchanged variants and the renumbering of later dialogs, and the opaque
// measure pages with the browse dialog and "&Nach DB..." on a copy of the
// shipped renovation-measure data base.
#include "VariantenDialogTestHilfen.h"
#include "database/OhneDatenordner.h"
#include "support/Ausgabedatei.h"

namespace zeva::test {
namespace {

TEST_F(VariantenDialog, TabsGlaserMarksAndTheFirstPage)
{
    // Wall 2 carries inner insulation that makes it condense; walls 1 and 3
    // and every other component have no measure.
    const int n = H().NeueVariante(true, rahmen->Optionen());
    DSWand& innen = H().m_aWand[1].m_aSan[1];
    innen.Name = "Innendämmung";
    innen.Schichten = "Mineralwolle/ 9/ 0,06/ 0,04/ 1";
    innen.Preis = 100;
    auto* d = dynamic_cast<CSanierungVarianteDlg*>(rahmen->OeffneVariante(n));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Sanierung Variante 1");
    EXPECT_EQ(TabTexte(d), (QStringList{"Flachdach", "Steildach", "Decke", "## Wand", "Boden", "Fenster", "Heizung",
                                        "Berechnung"}));
    const Haus& kopie = d->Arbeitshaus();
    EXPECT_NEAR(kopie.m_aWand[1].m_aSan[1].Tauwassermenge, -2.7875, 1e-4);
    for (int i : {0, 2})
        EXPECT_TRUE(kopie.m_aWand[static_cast<std::size_t>(i)].m_aSan[1].IstLeer()) << i;
    EXPECT_TRUE(kopie.m_aFlachdach[0].m_aSan[1].IstLeer());
    EXPECT_TRUE(kopie.m_aSteildach[0].m_aSan[1].IstLeer());
    EXPECT_EQ(H().m_aWand[1].m_aSan[1].Tauwassermenge, 0) << "the document is untouched";

    // The checks pass: "Berechnung" with both buttons disabled.
    EXPECT_EQ(Tabs(d)->currentIndex(), CSanierungVarianteDlg::Berechnung);
    EXPECT_FALSE(Knopf(d, 1118)->isEnabled());
    EXPECT_FALSE(Knopf(d, 1119)->isEnabled());
    // The wall page: its wall 1 may be renovated, so both are enabled.
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    EXPECT_EQ(d->AktuelleSeite(), CSanierungVarianteDlg::Wand);
    EXPECT_TRUE(d->Seite(CSanierungVarianteDlg::Wand)->isEnabled());
    EXPECT_TRUE(Knopf(d, 1118)->isEnabled());
    EXPECT_TRUE(Knopf(d, 1119)->isEnabled());
    EXPECT_EQ(Zelle(Seite(d, 3), 1, 0), "  2 ##");
    EXPECT_EQ(Zelle(Seite(d, 3), 0, 0), "  1");
    // A ceiling nobody may renovate: "Aus DB" off, "Nach DB" on.
    H().m_aDecke[0].SanbarInnen = 0;
    d->Arbeitshaus().m_aDecke[0].SanbarInnen = d->Arbeitshaus().m_aDecke[0].SanbarZwischen =
        d->Arbeitshaus().m_aDecke[0].SanbarAussen = 0;
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Decke);
    EXPECT_FALSE(Knopf(d, 1118)->isEnabled());
    EXPECT_TRUE(Knopf(d, 1119)->isEnabled());
    // Windows and heating: empty pages for now, enabled by the house.
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Fenster);
    EXPECT_TRUE(d->Seite(CSanierungVarianteDlg::Fenster)->isEnabled());
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Heizung);
    EXPECT_TRUE(d->Seite(CSanierungVarianteDlg::Heizung)->isEnabled());
    EXPECT_FALSE(Knopf(d, 1119)->isEnabled());
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    // Tab on the tab bar goes to the wall list.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(Tabs(d)->tabBar(), &tab);
    EXPECT_EQ(d->focusWidget(), Liste(Seite(d, CSanierungVarianteDlg::Wand)));
    d->grab().save(test::Ausgabedatei(QStringLiteral("zeva_sanierung_variante.png")));
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(VariantenDialog, WallQuestionNoOpensOnTheWallAndCancelsTheSave)
{
    // A cavity fill of 0.05 m over air layers of 0.06 m.
    H().m_aWand[1].m_Schichtaufbau.InsertAt(1, Lage("Luftschicht", 0.06, 0.3, 1));
    const int n = H().NeueVariante(true, rahmen->Optionen());
    DSWand& fuellung = H().m_aWand[1].m_aSan[1];
    fuellung.Name = "Kerndämmung";
    fuellung.Verwendung = DSBauteilOpaque::Zwischen;
    fuellung.Dicke = 0.05;
    fuellung.Preis = 50;
    meldungen.Antworte(QMessageBox::No);
    auto* d = dynamic_cast<CSanierungVarianteDlg*>(rahmen->OeffneVariante(n));
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text,
              QStringLiteral("Die Dicke der Luftschicht(en) in Wand Nr. 2 stimmt nicht mit der Dicke der "
                             "Zwischenraumdämmung überein. Trotzdem fortsetzen?"));
    EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(meldungen.Anfragen()[0].vorgabe, QMessageBox::No);
    EXPECT_EQ(Tabs(d)->currentIndex(), CSanierungVarianteDlg::Wand);

    // Before a save the open dialogs give their data: No keeps it open and
    // the save does not happen.
    meldungen.Antworte(QMessageBox::No);
    EXPECT_FALSE(rahmen->OnFileSave());
    EXPECT_EQ(Dialog(1), d);
    EXPECT_EQ(Tabs(d)->currentIndex(), CSanierungVarianteDlg::Wand);

    // Yes: the measure goes into the document and the dialog closes.
    d->Arbeitshaus().m_aWand[0].m_aSan[1].Name = "Neu";
    d->Arbeitshaus().m_aWand[0].m_aSan[1].Preis = 7;
    meldungen.Antworte(QMessageBox::Yes);
    Dok().SetModifiedFlag(false);
    EXPECT_TRUE(rahmen->UebernimmVariantendaten());
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
    ASSERT_EQ(H().Varianten, 1);
    EXPECT_EQ(H().m_aWand[0].m_aSan[1].Name, "Neu");
    EXPECT_TRUE(Dok().IsModified());
}

TEST_F(VariantenDialog, CancelAndOkRemoveUnchangedVariantsAndTheBetweenPageFollows)
{
    // Cancel straight away: the new variant goes again.
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(H().Varianten, 1);
    Knopf(d, 2)->click();
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);

    // Only a measure on the first window: OK keeps it.
    d = NeuManuell();
    ASSERT_NE(d, nullptr);
    DSFenster& f = d->Arbeitshaus().m_aFenster[0].m_aSan[1];
    f.Name = "Dreifach";
    f.kWertGlas = 0.6;
    f.Preis = 900;
    Dok().SetModifiedFlag(false);
    Knopf(d, 1)->click();
    EXPECT_EQ(H().Varianten, 1);
    EXPECT_EQ(H().m_aFenster[0].m_aSan[1].Name, "Dreifach");
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(Dialog(1), nullptr);

    // Reopened, the measure reset: OK removes the variant.
    d = dynamic_cast<CSanierungVarianteDlg*>(rahmen->OeffneVariante(1));
    ASSERT_NE(d, nullptr);
    d->Arbeitshaus().m_aFenster[0].m_aSan[1].Kopiere(d->Arbeitshaus().m_aFenster[0].m_aSan[0]);
    // Another dialog open: the between page waits for the last one.
    CSanierungVarianteDlg* zwei = NeuManuell();
    ASSERT_NE(zwei, nullptr);
    rahmen->VerlasseStartseite();
    EXPECT_TRUE(d->OKUndSchliessen());
    EXPECT_EQ(H().Varianten, 1) << "variant 1 is gone, the new one moved down";
    EXPECT_EQ(zwei->Nummer(), 1);
    EXPECT_EQ(zwei->windowTitle(), "Sanierung Variante 1");
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 1);
    EXPECT_NE(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    zwei->OnCancel();
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(VariantenDialog, LaterDialogsMoveDownWithTheirVariants)
{
    const DOptionen& o = rahmen->Optionen();
    for (int i = 0; i < 3; ++i)
        H().NeueVariante(true, o);
    H().m_aWand[0].m_aSan[1].Name = "Eins";
    H().m_aWand[0].m_aSan[1].Preis = 1;
    auto* zwei = dynamic_cast<CSanierungVarianteDlg*>(rahmen->OeffneVariante(2));
    auto* drei = dynamic_cast<CSanierungVarianteDlg*>(rahmen->OeffneVariante(3));
    ASSERT_TRUE(zwei && drei);
    DSWand& m = drei->Arbeitshaus().m_aWand[2].m_aSan[3];
    m.Name = "Drei";
    m.Preis = 33;
    QPointer<CSanierungVarianteDlg> weg = zwei;
    EXPECT_TRUE(zwei->OKUndSchliessen());
    EXPECT_EQ(H().Varianten, 2);
    EXPECT_EQ(drei->windowTitle(), "Sanierung Variante 2");
    EXPECT_EQ(drei->Nummer(), 2);
    EXPECT_EQ(rahmen->Variantendialog(2), drei);
    EXPECT_EQ(rahmen->Variantendialog(3), nullptr);
    EXPECT_EQ(drei->Arbeitshaus().Varianten, 2);
    EXPECT_TRUE(drei->OKUndSchliessen());
    ASSERT_EQ(H().Varianten, 2);
    EXPECT_EQ(H().m_aWand[2].m_aSan[2].Name, "Drei");
    EXPECT_EQ(H().m_aWand[0].m_aSan[1].Name, "Eins");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(weg.isNull());
}

TEST_F(VariantenDialog, ChangingTheExistingBuildingClosesTheDialogsThroughOk)
{
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    d->Arbeitshaus().m_aBoden[0].m_aSan[1].Name = "Boden";
    struct Ja : Notifier {
        void Nachricht(const std::string&, Art) override {}
        bool Frage(const std::string&) override { return true; }
    } frage;
    QPointer<CSanierungVarianteDlg> offen = d;
    EXPECT_TRUE(H().BestandAendernErlaubt(true, frage, &rahmen->Variantenanzeige()));
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
    EXPECT_TRUE(offen.isNull() || !offen->isVisible());
}

TEST_F(VariantenDialog, DialogsCascadeAndFitASmallFrame)
{
    const DOptionen& o = rahmen->Optionen();
    for (int i = 0; i < 3; ++i)
        H().NeueVariante(true, o);
    H().m_aWand[0].m_aSan[1].Name = "x";
    // Room for the cascade: the frame well larger than the dialog.
    rahmen->resize(1600, 1200);
    QPoint orte[3];
    for (int n = 1; n <= 3; ++n) {
        QDialog* d = rahmen->OeffneVariante(n);
        ASSERT_NE(d, nullptr);
        orte[n - 1] = d->pos();
    }
    EXPECT_EQ(orte[1] - orte[0], QPoint(30, 30));
    EXPECT_EQ(orte[2] - orte[1], QPoint(30, 30));
    // The rule itself, also where the frame is not larger than the dialog.
    EXPECT_EQ(CSanierungVarianteDlg::Versatz(1, {1000, 800}, {600, 400}), QPoint(10, 60));
    EXPECT_EQ(CSanierungVarianteDlg::Versatz(3, {1000, 800}, {600, 400}), QPoint(70, 120));
    EXPECT_EQ(CSanierungVarianteDlg::Versatz(16, {1000, 800}, {600, 400}), QPoint(10 + 450 % 400, 60 + 450 % 390));
    EXPECT_EQ(CSanierungVarianteDlg::Versatz(5, {300, 200}, {600, 400}), QPoint(10, 60));
    EXPECT_EQ(CSanierungVarianteDlg::Versatz(5, {600, 410}, {600, 400}), QPoint(10, 60));
    rahmen->resize(200, 150);
    QDialog* vier = rahmen->OeffneVariante(3 + H().NeueVariante(true, o) - 3);
    ASSERT_NE(vier, nullptr);
    EXPECT_EQ(vier->pos(), rahmen->mapToGlobal(QPoint(0, 0)) + QPoint(10, 60));
}

TEST_F(VariantenDialog, WallPageAusDbLoeschenAndTheMultiSelection)
{
    SqlAus(datenbank, "INSERT INTO [SanWand] ([ID], [Kategorie], [Name], [Innen], [Zwischen], [Aussen], [Schichten], "
                      "[kWert], [Dicke], [Lebensdauer], [Sowiesokostenfix], [Sowiesokosten], [Zusatzkostenfix], "
                      "[Zusatzkosten], [KEA], [CO2]) VALUES "
                      "(9001, 1, 'Test innen aussen', 1, 0, 1, 'Platte/ 11/ 0,05/ 0,002/ 12,50', 0.3, 0.05, 30, "
                      "200, 30, 0, 0, 4, 2), "
                      "(9002, 1, 'Test Kern', 0, 1, 0, 'Fuellung/ 0/ 0,06/ 0,0024/ 3', 0.04, 0.06, 40, "
                      "0, 0, 0, 10, 1, 1);");
    H().m_aWand[2].m_Schichtaufbau.InsertAt(1, Lage("Luftschicht", 0.02, 0.3, 1));
    H().m_aWand[2].m_Schichtaufbau.InsertAt(3, Lage("Luftschicht", 0.03, 0.3, 1));
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    COpakSanDlg* seite = Seite(d, CSanierungVarianteDlg::Wand);
    QTreeWidget* liste = Liste(seite);
    ASSERT_EQ(liste->topLevelItemCount(), 3);
    EXPECT_EQ(liste->headerItem()->text(3), "Sanierungsmaßnahme");
    EXPECT_EQ(liste->columnWidth(1), 95);

    // Nothing selected.
    liste->clearSelection();
    seite->OnAusDB();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Bitte die zu sanierenden Wände bestimmen!"));

    // Walls 2 and 3 (12.5 and 20 m²) get the inside-and-outside row.
    Waehle(liste, {1, 2});
    const QString mehrere = FindeId<QGroupBox>(seite, 1226)->title();
    EXPECT_EQ(mehrere, "Mehrere Wände (2 - 3) ausgewählt: , keine Detailausgabe möglich!");
    EXPECT_FALSE(FindeId<QLineEdit>(seite, 1164)->isEnabled());
    EXPECT_FALSE(Knopf(seite, 1121)->isEnabled());
    Haus& k = d->Arbeitshaus();
    k.m_aWand[1].m_aSan[1].Tauwassermenge = 0.5; // an earlier Glaser result stays
    AusDB(seite, "Test innen aussen");
    const DSWand& m = k.m_aWand[1].m_aSan[1];
    EXPECT_EQ(m.Name, "Test innen aussen");
    EXPECT_DOUBLE_EQ(m.Preis, 30 * 12.5 + 200);
    EXPECT_EQ(m.Verwendung, DSBauteilOpaque::Innen);
    EXPECT_EQ(m.MoeglichInnen, 1);
    EXPECT_EQ(m.MoeglichAussen, 0);
    EXPECT_EQ(m.Tauwassermenge, 0.5);
    EXPECT_DOUBLE_EQ(k.m_aWand[2].m_aSan[1].Preis, 30 * 20 + 200);
    EXPECT_EQ(Zelle(seite, 1, 5), "575");
    EXPECT_EQ(Zelle(seite, 1, 0), "  2 ##");
    EXPECT_EQ(Zelle(seite, 1, 3), "Test innen aussen");
    EXPECT_EQ(Zelle(seite, 1, 4), "0,3");
    EXPECT_TRUE(k.m_aWand[0].m_aSan[1].IstLeer());
    EXPECT_TRUE(H().m_aWand[1].m_aSan[1].IstLeer()) << "only the working copy";

    // One wall: its measure in the fields, µ read with a decimal comma.
    Waehle(liste, {1});
    EXPECT_EQ(FindeId<QGroupBox>(seite, 1226)->title(), "Sanierungsmaßnahme für Wand Nr. 2");
    EXPECT_EQ(FindeId<QLineEdit>(seite, 1164)->text(), "Test innen aussen");
    EXPECT_DOUBLE_EQ(seite->m_Mu, 12.5);
    EXPECT_DOUBLE_EQ(seite->m_Dicke, 5);
    EXPECT_TRUE(FindeId<QRadioButton>(seite, 1216)->isChecked());
    EXPECT_TRUE(Knopf(seite, 1121)->isEnabled());

    // Cancel in the browse dialog changes nothing but keeps its position.
    const int vorher = seite->Browseindex();
    AusDB(seite, QString());
    EXPECT_EQ(m.Name, "Test innen aussen");
    EXPECT_EQ(seite->Browseindex(), vorher);

    // The core fill over the air layers 0.02 + 0.03 of wall 3.
    Waehle(liste, {2});
    AusDB(seite, "Test Kern");
    EXPECT_DOUBLE_EQ(k.m_aWand[2].m_aSan[1].Dicke, 0.05);
    EXPECT_NEAR(k.m_aWand[2].m_aSan[1].kWert, 0.048, 1e-12);
    EXPECT_EQ(k.m_aWand[2].m_aSan[1].MoeglichZwischen, 1);

    // "Löschen" on two rows empties both; the fields follow the wall's flags.
    Waehle(liste, {2, 1});
    Knopf(seite, 1030)->click();
    EXPECT_TRUE(k.m_aWand[1].m_aSan[1].Tauwassermenge == 0.5 || k.m_aWand[1].m_aSan[1].IstLeer());
    EXPECT_EQ(k.m_aWand[1].m_aSan[1].Name, "");
    EXPECT_EQ(k.m_aWand[2].m_aSan[1].Name, "");
    EXPECT_EQ(Zelle(seite, 2, 3), "");
    Waehle(liste, {2});
    EXPECT_EQ(FindeId<QLineEdit>(seite, 1164)->text(), "");
    EXPECT_DOUBLE_EQ(seite->m_UWert, 0);
    // The wall may be renovated outside and in its core: the last that
    // applies, the core, wins.
    EXPECT_TRUE(FindeId<QRadioButton>(seite, 1218)->isChecked());
    EXPECT_EQ(seite->m_nVerwendungsort, 2);

    // The Glaser button: the result stays out of an empty slot.
    Knopf(seite, 1121)->click();
    EXPECT_EQ(glaser, 1);
    EXPECT_EQ(glaserEltern, rahmen);
    EXPECT_TRUE(k.m_aWand[2].m_aSan[1].IstLeer());
    d->grab().save(test::Ausgabedatei(QStringLiteral("zeva_sanierung_wandseite.png")));
}

TEST_F(VariantenDialog, FloorPageMessageAndRowNumbers)
{
    for (int i = 0; i < 10; ++i)
        H().m_aBoden.Add(Opak<DBoden>(5, 1.0, 3));
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Boden);
    COpakSanDlg* seite = Seite(d, CSanierungVarianteDlg::Boden);
    EXPECT_EQ(Zelle(seite, 8, 0), "  9");
    EXPECT_EQ(Zelle(seite, 9, 0), " 10");
    EXPECT_FALSE(Knopf(seite, 1121)->isVisible());
    Liste(seite)->clearSelection();
    seite->OnAusDB();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Bitte die zu sanierenden Böden bestimmen !"));
}

// The measure page shows a U-value with the program's three decimals; the
// measure keeps its own value while the field is left as shown.
TEST_F(VariantenDialog, MeasurePageShowsTheUValueRoundedAndKeepsItsValue)
{
    SqlAus(datenbank, "INSERT INTO [SanWand] ([ID], [Kategorie], [Name], [Innen], [Zwischen], [Aussen], [Schichten], "
                      "[kWert], [Dicke], [Lebensdauer], [Sowiesokostenfix], [Sowiesokosten], [Zusatzkostenfix], "
                      "[Zusatzkosten], [KEA], [CO2]) VALUES "
                      "(9003, 1, 'Test genau', 1, 0, 1, 'Platte/ 11/ 0,05/ 0,002/ 12,50', 0.291060291, 0.05, 30, "
                      "0, 30, 0, 0, 4, 2);");
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    COpakSanDlg* seite = Seite(d, CSanierungVarianteDlg::Wand);
    QTreeWidget* liste = Liste(seite);
    Waehle(liste, {1});
    AusDB(seite, "Test genau");
    const DSWand& m = d->Arbeitshaus().m_aWand[1].m_aSan[1];
    ASSERT_EQ(m.Name, "Test genau");
    Waehle(liste, {1});
    EXPECT_EQ(FindeId<QLineEdit>(seite, 1169)->text(), "0,291");
    // Away and back: the field was left as shown, nothing is rounded.
    Waehle(liste, {0});
    Waehle(liste, {1});
    EXPECT_EQ(FindeId<QLineEdit>(seite, 1169)->text(), "0,291");
    EXPECT_DOUBLE_EQ(seite->m_UWert, 0.291060291);
    EXPECT_DOUBLE_EQ(m.kWert, 0.291060291);
    EXPECT_TRUE(meldungen.Anfragen().empty());
}

TEST_F(VariantenDialog, NachDbStoresTheUsersMeasure)
{
    CSanierungVarianteDlg* d = NeuManuell();
    ASSERT_NE(d, nullptr);
    Tabs(d)->setCurrentIndex(CSanierungVarianteDlg::Wand);
    COpakSanDlg* seite = Seite(d, CSanierungVarianteDlg::Wand);
    const std::string hoechste = Spalte(datenbank, "SELECT MAX([ID]) FROM [SanWand]");
    const Haus vorher = d->Arbeitshaus();
    auto fuelle = [&](const char* name, const char* u, const char* dicke, const char* mu, const char* preis,
                      const char* leben) {
        FindeId<QLineEdit>(seite, 1164)->setText(QString::fromUtf8(name));
        FindeId<QLineEdit>(seite, 1169)->setText(QString::fromUtf8(u));
        FindeId<QLineEdit>(seite, 1166)->setText(QString::fromUtf8(dicke));
        FindeId<QLineEdit>(seite, 1057)->setText(QString::fromUtf8(mu));
        FindeId<QLineEdit>(seite, 1160)->setText(QString::fromUtf8(preis));
        FindeId<QLineEdit>(seite, 1161)->setText(QString::fromUtf8(leben));
    };
    fuelle("Mineralwolle", "0,3", "12", "1", "60", "40");
    FindeId<QRadioButton>(seite, 1217)->setChecked(true);
    Knopf(d, 1119)->click();
    EXPECT_TRUE(meldungen.Anfragen().empty());
    const std::string id = std::to_string(std::stoi(hoechste) + 1);
    const std::string wo = " FROM [SanWand] WHERE [ID] = " + id;
    EXPECT_EQ(Spalte(datenbank, "SELECT [Name]" + wo), "Mineralwolle");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Kategorie]" + wo), "0");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Langtext]" + wo), "Benutzerdefinierte Sanierungsmaßnahme!!!");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Innen] || [Zwischen] || [Aussen]" + wo), "001");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Schichten]" + wo), "Mineralwolle/ -1/ 0,12/ 0,036/ 1,0");
    EXPECT_EQ(Spalte(datenbank, "SELECT [kWert] = 0.3 AND [Dicke] = 0.12 AND [Lebensdauer] = 40 AND "
                                "[Sowiesokostenfix] = 0 AND [Sowiesokosten] = 0 AND [Zusatzkostenfix] = 0 AND "
                                "[Zusatzkosten] = 60" + wo),
              "1");
    EXPECT_TRUE(d->Arbeitshaus().m_aWand[0].m_aSan[1].IstLeer());

    // The checks in order, "Oops..." without icon.
    const struct {
        const char* name;
        const char* u;
        const char* dicke;
        const char* mu;
        const char* preis;
        const char* leben;
        const char* text;
    } faelle[] = {
        {"", "0,3", "12", "1", "60", "40", "Bitte Sanierungsmaßnahme benennen!"},
        {"Glas/Wolle", "0,3", "12", "1", "60", "40", "Die Bezeichnung darf kein '/' oder ';' enthalten!"},
        {"A", "0,3", "0", "1", "60", "40", "Bitte eine von 0 verschiedene Dicke eingeben!"},
        {"A", "0,3", "12", "1", "0", "40", "Bitte einen Flächenpreis angeben!"},
        {"A", "0,3", "12", "1", "60", "0", "Bitte eine von 0 verschiedene Lebensdauer eingeben!"},
        {"A", "0,3", "12", "0", "60", "40", "µ sollte von 0 verschieden sein!"},
        {"A", "-0,5", "12", "1", "60", "40", "Bitte einen U-Wert grösser 0 eingeben!"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        const std::size_t ab = meldungen.Anfragen().size();
        fuelle(f.name, f.u, f.dicke, f.mu, f.preis, f.leben);
        seite->OnNachDB();
        ASSERT_EQ(meldungen.Anfragen().size(), ab + 1);
        EXPECT_EQ(meldungen.Anfragen()[ab].text, QString::fromUtf8(f.text));
        EXPECT_EQ(meldungen.Anfragen()[ab].titel, QStringLiteral("Oops..."));
        EXPECT_EQ(meldungen.Anfragen()[ab].symbol, Meldung::Symbol::Keins);
    }
    EXPECT_EQ(Spalte(datenbank, "SELECT MAX([ID]) FROM [SanWand]"), id);

    // 0.0001 passes; no radio: code 0 and the use columns keep their defaults; twice: two rows.
    fuelle("Zwei'mal", "0,0001", "10", "12,5", "5", "20");
    seite->m_nVerwendungsort = -1;
    for (QRadioButton* r : seite->findChildren<QRadioButton*>()) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
    const std::size_t ab = meldungen.Anfragen().size();
    seite->OnNachDB();
    seite->OnNachDB();
    EXPECT_EQ(meldungen.Anfragen().size(), ab);
    const int id2 = std::stoi(id) + 1;
    EXPECT_EQ(Spalte(datenbank, "SELECT [Schichten] FROM [SanWand] WHERE [ID] = " + std::to_string(id2)),
              "Zwei'mal/ 0/ 0,1/ 0,00001/ 12,50");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Name] FROM [SanWand] WHERE [ID] = " + std::to_string(id2 + 1)), "Zwei'mal");
    EXPECT_EQ(Spalte(datenbank, "SELECT [Innen] || [Zwischen] || [Aussen] FROM [SanWand] WHERE [ID] = " +
                                    std::to_string(id2)),
              "000");

    // The browse dialog lists the new measure.
    {
        CWandSanDBDlg browse;
        browse.show();
        EXPECT_GE(FindeId<QComboBox>(&browse, 1106)->findText("Mineralwolle", Qt::MatchExactly), 0);
    }

    // A write the data base refuses: its own text, and no row.
    SqlAus(datenbank, "CREATE TRIGGER nein BEFORE INSERT ON [SanWand] BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
    const std::size_t ab2 = meldungen.Anfragen().size();
    fuelle("Gesperrt", "0,3", "12", "1", "60", "40");
    seite->OnNachDB();
    ASSERT_EQ(meldungen.Anfragen().size(), ab2 + 1);
    EXPECT_TRUE(meldungen.Anfragen().back().text.startsWith("Database error: "));
    EXPECT_TRUE(meldungen.Anfragen().back().text.contains("gesperrt"));
    EXPECT_EQ(Spalte(datenbank, "SELECT COUNT(*) FROM [SanWand] WHERE [Name] = 'Gesperrt'"), "0");

    // A file opened for reading only (not for root, who may write anyway).
    if (::geteuid() != 0) {
        std::filesystem::permissions(datenbank, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        const std::size_t ab3 = meldungen.Anfragen().size();
        seite->OnNachDB();
        std::filesystem::permissions(datenbank, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        ASSERT_GT(meldungen.Anfragen().size(), ab3);
        EXPECT_EQ(meldungen.Anfragen().back().text, QStringLiteral("Fehler, Datenbank kann nicht verändert werden!"));
    }
    // No data folder can be made: the template beside the program is opened
    // for reading only, the user is told why once, the measure is refused and
    // the template keeps every byte.
    {
        const OhneDatenordner ort;
        SetzeSanierungsdatenbankdatei({});
        const auto vorlage = ort.Vorlage("San2kvyke.db");
        const std::string vorher = OhneDatenordner::Inhalt(vorlage);
        const std::size_t ab5 = meldungen.Anfragen().size();
        fuelle("Vorlage", "0,3", "12", "1", "60", "40");
        seite->OnNachDB();
        seite->OnNachDB();
        ASSERT_EQ(meldungen.Anfragen().size(), ab5 + 3);
        const QString warum = meldungen.Anfragen()[ab5].text;
        EXPECT_TRUE(warum.contains(QString::fromStdString((ort.daten / "DB").string()))) << warum.toStdString();
        EXPECT_TRUE(warum.contains("eigene Einträge können nicht gespeichert werden")) << warum.toStdString();
        for (std::size_t i = ab5 + 1; i < meldungen.Anfragen().size(); ++i)
            EXPECT_EQ(meldungen.Anfragen()[i].text, QStringLiteral("Fehler, Datenbank kann nicht verändert werden!"));
        EXPECT_EQ(OhneDatenordner::Inhalt(vorlage), vorher);
    }
    // A missing file: the connection's message.
    SetzeSanierungsdatenbankdatei(ProcessTempDir() / "fehlt.db");
    const std::size_t ab4 = meldungen.Anfragen().size();
    seite->OnNachDB();
    ASSERT_EQ(meldungen.Anfragen().size(), ab4 + 1);
    EXPECT_TRUE(meldungen.Anfragen().back().text.startsWith("Database error: "));
}

} // namespace
} // namespace zeva::test
