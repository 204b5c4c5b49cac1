// The dialog data exchange on a small test dialog: the exact German prompts,
// the focus back on the failed field with its text selected, nothing taken
// over from a failed field, and the typing limit of text fields.
#include "platform/DatenAustausch.h"
#include "platform/SkriptMeldungen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zeva {
namespace {

// A dialog with a year (1000 to 2100), a thickness (no range), a lambda
// (0 to 999999999999), a name of at most 30 characters and a 16-bit number.
class TestDialog : public QDialog {
public:
    TestDialog()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{baujahr, dicke, lambda, name, kurz, langtext, kasten,
                                                         radio0, radio1, liste})
            layout->addWidget(w);
        liste->addItems({"Gas", "Öl", "Holz"});
        show();
        QApplication::setActiveWindow(this);
        [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(this);
    }

    bool Austausch(bool speichern)
    {
        DatenAustausch dx(this, speichern);
        dx.Ganzzahl(baujahr, m_nBaujahr, 1000, 2100);
        dx.Zahl(dicke, m_dDicke);
        dx.Zahl(lambda, m_dLambda, 0, 999999999999.0);
        dx.Text(name, m_strName, 30);
        dx.Ganzzahl(kurz, m_nKurz);
        dx.Text(langtext, m_strLangtext);
        dx.Kontrollkaestchen(kasten, m_bKasten);
        dx.Optionsgruppe({radio0, radio1}, m_nRadio);
        dx.ListenIndex(liste, m_nListe);
        fehlerFeld = dx.FehlerFeld();
        return !dx.Fehlgeschlagen();
    }

    QLineEdit* baujahr = new QLineEdit;
    QLineEdit* dicke = new QLineEdit;
    QLineEdit* lambda = new QLineEdit;
    QLineEdit* name = new QLineEdit;
    QLineEdit* kurz = new QLineEdit;
    QPlainTextEdit* langtext = new QPlainTextEdit;
    QCheckBox* kasten = new QCheckBox("beheizt");
    QRadioButton* radio0 = new QRadioButton("Einzel");
    QRadioButton* radio1 = new QRadioButton("Zentral");
    QComboBox* liste = new QComboBox;

    int m_nBaujahr = 1955;
    double m_dDicke = 0.24;
    double m_dLambda = 0.035;
    QString m_strName = "Ziegel";
    short m_nKurz = 3;
    std::string m_strLangtext = "Vollziegel, außen verputzt";
    bool m_bKasten = true;
    int m_nRadio = 1;
    int m_nListe = 2;
    QWidget* fehlerFeld = nullptr;
};

TEST(DatenAustausch, ShowsMembersInGermanForm)
{
    SkriptMeldungen skript;
    TestDialog dlg;
    ASSERT_TRUE(dlg.Austausch(false));
    EXPECT_EQ(dlg.baujahr->text(), QString("1955"));
    EXPECT_EQ(dlg.dicke->text(), QString("0,24"));
    EXPECT_EQ(dlg.lambda->text(), QString("0,035"));
    EXPECT_EQ(dlg.name->text(), QString("Ziegel"));
    EXPECT_EQ(dlg.langtext->toPlainText(), QString("Vollziegel, außen verputzt"));
    EXPECT_TRUE(dlg.kasten->isChecked());
    EXPECT_TRUE(dlg.radio1->isChecked());
    EXPECT_FALSE(dlg.radio0->isChecked());
    EXPECT_EQ(dlg.liste->currentIndex(), 2);
    EXPECT_TRUE(skript.Anfragen().empty());
}

TEST(DatenAustausch, TakesValidFieldsOver)
{
    SkriptMeldungen skript;
    TestDialog dlg;
    dlg.Austausch(false);
    dlg.baujahr->setText(" 2100 ");
    dlg.dicke->setText("-1,5e1");
    dlg.lambda->setText("999999999999");
    dlg.name->setText("Kalksandstein");
    dlg.kurz->setText("-32768");
    dlg.langtext->setPlainText("neu");
    dlg.kasten->setChecked(false);
    dlg.radio0->setChecked(true);
    dlg.liste->setCurrentIndex(0);
    ASSERT_TRUE(dlg.Austausch(true));
    EXPECT_EQ(dlg.m_nBaujahr, 2100);
    EXPECT_DOUBLE_EQ(dlg.m_dDicke, -15.0);
    EXPECT_DOUBLE_EQ(dlg.m_dLambda, 999999999999.0);
    EXPECT_EQ(dlg.m_strName, QString("Kalksandstein"));
    EXPECT_EQ(dlg.m_nKurz, -32768);
    EXPECT_EQ(dlg.m_strLangtext, "neu");
    EXPECT_FALSE(dlg.m_bKasten);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nListe, 0);
    EXPECT_TRUE(skript.Anfragen().empty());
}

TEST(DatenAustausch, EachFailedCheckShowsItsPromptAndStopsAtTheField)
{
    struct Case {
        const char* name;
        QLineEdit* TestDialog::*feld;
        const char* text;
        const char* meldung;
    };
    const Case cases[] = {
        {"year not a number", &TestDialog::baujahr, "19x5", "Geben Sie eine ganze Zahl ein."},
        {"year with comma", &TestDialog::baujahr, "1955,0", "Geben Sie eine ganze Zahl ein."},
        {"year empty", &TestDialog::baujahr, "", "Geben Sie eine ganze Zahl ein."},
        {"year out of range", &TestDialog::baujahr, "999",
         "Geben Sie eine ganze Zahl zwischen 1000 und 2100 ein."},
        {"thickness with point", &TestDialog::dicke, "0.24", "Geben Sie eine Zahl ein."},
        {"thickness grouped", &TestDialog::dicke, "1.500", "Geben Sie eine Zahl ein."},
        {"thickness empty", &TestDialog::dicke, "", "Geben Sie eine Zahl ein."},
        {"lambda negative", &TestDialog::lambda, "-0,01",
         "Geben Sie eine Zahl zwischen 0 und 999999999999 ein."},
        {"lambda too large", &TestDialog::lambda, "1e12",
         "Geben Sie eine Zahl zwischen 0 und 999999999999 ein."},
        {"name too long", &TestDialog::name, "0123456789012345678901234567890",
         "Geben Sie nicht mehr als 30 Zeichen ein."},
        {"16 bits exceeded", &TestDialog::kurz, "40000", "Geben Sie eine ganze Zahl ein."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SkriptMeldungen skript;
        TestDialog dlg;
        dlg.Austausch(false);
        QLineEdit* feld = dlg.*c.feld;
        SetzeFeldText(feld, QString::fromUtf8(c.text)); // as a caller would, past the typing limit
        dlg.dicke->setFocus(); // somewhere else than the failing field, for most cases
        if (feld == dlg.dicke)
            dlg.baujahr->setFocus();
        dlg.langtext->setPlainText("nicht übernommen");

        EXPECT_FALSE(dlg.Austausch(true));
        ASSERT_EQ(skript.Anfragen().size(), 1u);
        const auto& anfrage = skript.Anfragen()[0];
        EXPECT_EQ(anfrage.text.toStdString(), c.meldung);
        EXPECT_EQ(anfrage.titel, QString("ZEVA"));
        EXPECT_EQ(anfrage.knoepfe, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(anfrage.symbol, Meldung::Symbol::Ausruf);
        EXPECT_EQ(anfrage.eltern.data(), &dlg);
        // The focus is back on the field, its text selected for retyping.
        EXPECT_EQ(dlg.fehlerFeld, feld);
        EXPECT_EQ(QApplication::focusWidget(), feld);
        EXPECT_EQ(feld->selectedText(), feld->text());
        // Nothing after the failing field was taken over, nor the field itself.
        EXPECT_EQ(dlg.m_strLangtext, "Vollziegel, außen verputzt");
        EXPECT_EQ(dlg.m_nBaujahr, 1955);
        EXPECT_DOUBLE_EQ(dlg.m_dDicke, 0.24);
        EXPECT_DOUBLE_EQ(dlg.m_dLambda, 0.035);
        EXPECT_EQ(dlg.m_strName, QString("Ziegel"));
        EXPECT_EQ(dlg.m_nKurz, 3);
    }
}

TEST(DatenAustausch, OnlyTheFirstFailureIsReported)
{
    SkriptMeldungen skript;
    TestDialog dlg;
    dlg.Austausch(false);
    dlg.baujahr->setText("abc");
    dlg.dicke->setText("xyz");
    EXPECT_FALSE(dlg.Austausch(true));
    EXPECT_EQ(skript.Texte(), QStringList({"Geben Sie eine ganze Zahl ein."}));
    EXPECT_EQ(QApplication::focusWidget(), dlg.baujahr);
}

TEST(DatenAustausch, TextLimitStopsTypingButKeepsALongerText)
{
    SkriptMeldungen skript;
    TestDialog dlg;
    // A name of 31 characters from the caller is shown whole.
    dlg.m_strName = QString(31, QChar('a'));
    dlg.Austausch(false);
    EXPECT_EQ(dlg.name->text().size(), 31);
    dlg.name->setFocus();
    dlg.name->end(false);
    QTest::keyClicks(dlg.name, "b");
    EXPECT_EQ(dlg.name->text().size(), 31); // typing stops
    EXPECT_FALSE(dlg.Austausch(true));
    EXPECT_EQ(skript.Texte(), QStringList({"Geben Sie nicht mehr als 30 Zeichen ein."}));

    // Shortened to the limit it passes; typing still stops at 30.
    dlg.name->end(false);
    QTest::keyClick(dlg.name, Qt::Key_Backspace);
    EXPECT_EQ(dlg.name->text().size(), 30);
    QTest::keyClicks(dlg.name, "cc");
    EXPECT_EQ(dlg.name->text().size(), 30);
    EXPECT_TRUE(dlg.Austausch(true));
    EXPECT_EQ(dlg.m_strName, QString(30, QChar('a')));

    // A shorter text may grow up to the limit again.
    dlg.name->setText("Ziegel");
    dlg.name->end(false);
    QTest::keyClicks(dlg.name, QString(30, QChar('x')));
    EXPECT_EQ(dlg.name->text().size(), 30);
}

// A number shown rounded: left as shown it keeps its full value; typed over,
// it is read and checked like any number.
TEST(DatenAustausch, ARoundedNumberKeepsItsValueUntilTheUserChangesIt)
{
    SkriptMeldungen skript;
    QDialog dlg;
    auto* feld = new QLineEdit(&dlg);
    double wert = 0.291060291;
    const auto austausch = [&](bool speichern, QString gezeigt) {
        DatenAustausch dx(&dlg, speichern);
        dx.GerundeteZahl(feld, wert, gezeigt, 0, 10);
        return !dx.Fehlgeschlagen();
    };
    EXPECT_TRUE(austausch(false, "0,291"));
    EXPECT_EQ(feld->text(), "0,291");
    EXPECT_TRUE(austausch(true, "0,291"));
    EXPECT_EQ(wert, 0.291060291);
    feld->setText(" 0,291 "); // blanks around it change nothing
    EXPECT_TRUE(austausch(true, "0,291"));
    EXPECT_EQ(wert, 0.291060291);

    feld->setText("0,25");
    EXPECT_TRUE(austausch(true, "0,291"));
    EXPECT_EQ(wert, 0.25);
    feld->setText("11");
    EXPECT_FALSE(austausch(true, "0,250"));
    EXPECT_EQ(wert, 0.25);
    EXPECT_EQ(skript.Texte(), QStringList({"Geben Sie eine Zahl zwischen 0 und 10 ein."}));

    // Without a rounded text the full number is shown.
    EXPECT_TRUE(austausch(false, QString()));
    EXPECT_EQ(feld->text(), "0,25");
}

} // namespace
} // namespace zeva
