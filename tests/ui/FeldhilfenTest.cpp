// The widget side of the number helpers: reading a typed field and showing a
// pane without taking the user's focus.
#include "ui/Feldhilfen.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace zeva {
namespace {

TEST(FeldhilfenLeseZahl, ReadsWhatTheUserTyped)
{
    struct Case {
        const char* getippt;
        double value;
        bool ok;
    };
    const Case cases[] = {
        {"", 0, true},
        {"12,5", 12.5, true},
        {"12,5x", 12.5, false},
        {"12.5", 12, false},
        {" 3", 3, true},
        {"3 ", 3, false},
        {"inf", 0, false},
        {"-0,75", -0.75, true},
    };
    QLineEdit feld;
    for (const auto& c : cases) {
        feld.clear();
        QTest::keyClicks(&feld, QString::fromUtf8(c.getippt));
        ASSERT_EQ(feld.text(), QString::fromUtf8(c.getippt));
        double value = -99;
        EXPECT_EQ(LeseZahl(&feld, value), c.ok) << c.getippt;
        EXPECT_DOUBLE_EQ(value, c.value) << c.getippt;
    }
}

TEST(FeldhilfenLeseZahl, UmlautTextIsNoNumber)
{
    QLineEdit feld(QString::fromUtf8("5,5 m²"));
    double value = -99;
    EXPECT_FALSE(LeseZahl(&feld, value));
    EXPECT_DOUBLE_EQ(value, 5.5);
}

TEST(FeldhilfenLeseZahl, MissingFieldIsNoNumber)
{
    double value = -99;
    EXPECT_FALSE(LeseZahl(static_cast<const QLineEdit*>(nullptr), value));
    EXPECT_EQ(value, 0);
}

TEST(FeldhilfenZeigeAktiv, ShowsEnabledWithoutTakingTheFocus)
{
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    auto* eingabe = new QLineEdit(&fenster);
    auto* bereich = new QWidget(&fenster);
    auto* bereichFeld = new QLineEdit(bereich);
    layout->addWidget(eingabe);
    layout->addWidget(bereich);
    bereich->setVisible(false);
    bereich->setEnabled(false);

    fenster.show();
    QApplication::setActiveWindow(&fenster);
    eingabe->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QApplication::processEvents();
    ASSERT_TRUE(eingabe->hasFocus());

    ZeigeAktiv(bereich, true);
    QApplication::processEvents();
    EXPECT_TRUE(bereich->isVisible());
    EXPECT_TRUE(bereich->isEnabled());
    EXPECT_TRUE(bereichFeld->isEnabled());
    EXPECT_TRUE(bereich->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(eingabe->hasFocus());

    ZeigeAktiv(bereich, false);
    QApplication::processEvents();
    EXPECT_FALSE(bereich->isVisible());
    EXPECT_FALSE(bereich->isEnabled());
    EXPECT_FALSE(bereichFeld->isEnabled());
    EXPECT_TRUE(eingabe->hasFocus());

    ZeigeAktiv(nullptr, true); // nothing to show, nothing happens
}

} // namespace
} // namespace zeva
