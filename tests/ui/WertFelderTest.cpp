// The value field's texts (German, with exponent form and grouping), the
// click semantics shared with the hover button, the hover button's check
// mark and the bitmap combo box's entry heights.
#include "FesterBildschirm.h"
#include "QtAusgabe.h"

#include "ui/CBitmapComboBox.h"
#include "ui/CHoverButton.h"
#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace zeva {
namespace {

TEST(CWertButton, FormatsValuesAsTheStyleAsks)
{
    using W = CWertButton;
    struct Case {
        double wert;
        std::uint16_t stil;
        const char* text;
    };
    const Case cases[] = {
        {25000, W::WB_EXPONENT, "25 10^3"},
        {123456, W::WB_EXPONENT, "123 10^3"},
        {12345, W::WB_EXPONENT, "12,3 10^3"},
        {2.5e7, W::WB_EXPONENT | W::WB_ZWEI_WERTE, "25 10^6"},
        {9999, W::WB_EXPONENT, "10.000"},  // scaled to 10000 at power 0: grouped
        {12.345, 0, "12,3"},
        {12.345, W::WB_FREIE_STELLEN, "12,35"},
        {12.345, W::WB_OHNE_TAUSENDER, "12,345"},
        {12.345, W::WB_LINKS | W::WB_OHNE_EINZUG | W::WB_MEHRZEILIG, "12,3"},
        {1234567, W::WB_ZWEI_WERTE, "1.234.570"}, // fixed notation before grouping
        {1234567, W::WB_OHNE_TAUSENDER, "1234570"},
    };
    for (const auto& c : cases) {
        CWertButton feld;
        feld.SetzeStil(c.stil);
        feld.SetzeWert(c.wert);
        EXPECT_EQ(feld.Wert(0).toStdString(), c.text) << c.wert << " style " << c.stil;
    }
}

TEST(CWertButton, WholeNumbersTextsAndUnits)
{
    CWertButton baujahr;
    baujahr.SetzeStil(CWertButton::WB_OHNE_TAUSENDER);
    baujahr.SetzeGanzzahl(1955);
    EXPECT_EQ(baujahr.Wert(), QString("1955"));
    CWertButton gruppiert;
    gruppiert.SetzeGanzzahl(1955);
    EXPECT_EQ(gruppiert.Wert(), QString("1.955"));
    gruppiert.SetzeGanzzahl(-1234567, 1);
    EXPECT_EQ(gruppiert.Wert(1), QString("-1.234.567"));

    CWertButton feld;
    feld.SetzeBeschriftung("Dateiname");
    feld.SetzeText("Unbenannt.vza");
    feld.SetzeEinheit("kWh/a", 1);
    feld.SetzeText("x", 2); // only two values
    EXPECT_EQ(feld.Beschriftung(), QString("Dateiname"));
    EXPECT_EQ(feld.Wert(0), QString("Unbenannt.vza"));
    EXPECT_EQ(feld.Einheit(1), QString("kWh/a"));
    EXPECT_TRUE(feld.Wert(2).isEmpty());
}

TEST(CWertButton, ThePowerOfTenIsDrawnWithARaisedExponent)
{
    CWertButton feld;
    feld.SetzeStil(CWertButton::WB_EXPONENT | CWertButton::WB_ZWEI_WERTE);
    feld.SetzeWert(25000);
    feld.SetzeEinheit("kWh/a");
    feld.SetzeWert(12.345, 1);
    CWertButton::Exponentform form;
    ASSERT_TRUE(feld.ZerlegeExponent(0, form));
    EXPECT_EQ(form.mantisse, QString::fromUtf8(" 25·10"));
    EXPECT_EQ(form.exponent, QString("3"));
    EXPECT_EQ(form.einheit, QString(" kWh/a"));
    EXPECT_FALSE(feld.ZerlegeExponent(1, form)); // "12,3" has no power
    EXPECT_EQ(QFontInfo(feld.ExponentSchrift()).pixelSize(), QFontInfo(feld.font()).pixelSize() - 2);
    // Without the style a "^" is plain text.
    CWertButton ohne;
    ohne.SetzeText("2^8");
    EXPECT_FALSE(ohne.ZerlegeExponent(0, form));
    // Painting every style runs through the drawing code.
    for (std::uint16_t stil : {0x0002, 0x000E, 0x1000, 0x3000, 0x3800, 0xB000, 0xB800, 0x0001, 0x2002, 0x2001}) {
        feld.SetzeStil(stil);
        feld.resize(180, 40);
        EXPECT_FALSE(feld.grab().isNull()) << stil;
    }
}

// A parent that counts the presses that reach it.
class Unterlage : public QWidget {
public:
    int druecke = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++druecke; }
};

TEST(CWertButton, WithoutWB_KLICKBARClicksPassThrough)
{
    Unterlage unterlage;
    unterlage.resize(300, 200);
    auto* feld = new CWertButton(&unterlage);
    feld->setGeometry(10, 10, 180, 40);
    feld->SetzeStil(CWertButton::WB_LINKS);
    unterlage.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&unterlage));
    QSignalSpy befehle(feld, &MausZustandKnopf::Befehl);
    QTest::mouseClick(&unterlage, Qt::LeftButton, {}, QPoint(50, 30));
    QApplication::processEvents();
    EXPECT_EQ(unterlage.druecke, 1);
    EXPECT_EQ(feld->Zustand(), 0);
    EXPECT_EQ(befehle.count(), 0);
    EXPECT_EQ(feld->Einzug(), 180 / 8);
}

// Both buttons share the mouse states: run the same script on each.
class KnopfTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        fenster.resize(300, 200);
        if (GetParam()) {
            auto* wert = new CWertButton(&fenster);
            wert->SetzeStil(CWertButton::WB_KLICKBAR | CWertButton::WB_ZENTRIERT);
            knopf = wert;
        } else {
            knopf = new CHoverButton("Wände", &fenster);
        }
        SetzeId(knopf, 1234);
        knopf->setGeometry(50, 50, 120, 30);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }

    void Maus(QEvent::Type art, QPoint p, Qt::MouseButton b, Qt::MouseButtons bs)
    {
        QMouseEvent e(art, p, knopf->mapToGlobal(p), b, bs, Qt::NoModifier);
        QApplication::sendEvent(knopf, &e);
    }

    QWidget fenster;
    MausZustandKnopf* knopf = nullptr;
};

TEST_P(KnopfTest, ReleaseInsideSendsOneCommand)
{
    QSignalSpy befehle(knopf, &MausZustandKnopf::Befehl);
    Maus(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(knopf->Zustand(), 1);
    Maus(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(knopf->Zustand(), 2);
    Maus(QEvent::MouseButtonRelease, {12, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(knopf->Zustand(), 1);
    EXPECT_EQ(befehle.count(), 0); // posted, not sent
    QApplication::processEvents();
    ASSERT_EQ(befehle.count(), 1);
    EXPECT_EQ(befehle[0][0].toInt(), 1234);
    // The real click as a user makes it.
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(20, 15));
    QApplication::processEvents();
    EXPECT_EQ(befehle.count(), 2);
}

TEST_P(KnopfTest, ReleaseOutsideSendsNothingAndTheButtonGoesFlat)
{
    QSignalSpy befehle(knopf, &MausZustandKnopf::Befehl);
    Maus(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    // Outside with the button held: nothing changes.
    Maus(QEvent::MouseMove, {200, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(knopf->Zustand(), 2);
    // Back inside, still held: pressed.
    Maus(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(knopf->Zustand(), 2);
    Maus(QEvent::MouseButtonRelease, {200, 10}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(knopf->Zustand(), 0);
    // Over it and away again without a button: raised, then flat.
    Maus(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(knopf->Zustand(), 1);
    Maus(QEvent::MouseMove, {-5, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(knopf->Zustand(), 0);
    QApplication::processEvents();
    EXPECT_EQ(befehle.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(WertUndHover, KnopfTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "CWertButton" : "CHoverButton";
                         });

TEST(CHoverButton, TheCheckMarkSitsRightOfTheText)
{
    QWidget fenster;
    CHoverButton knopf("Wand", &fenster);
    knopf.setGeometry(0, 0, 200, 24);
    // Text rectangle: inset 2, left edge 2 × 2 further in.
    EXPECT_EQ(knopf.TextRechteck(), QRect(6, 2, 192, 20));
    const QFontMetrics fm(knopf.font());
    const int L = 6, Rr = 198, h = 20;
    const int x = std::min(Rr - h, std::max(Rr + (6 * (L - Rr)) / 10, fm.horizontalAdvance("Wand") + fm.height()));
    EXPECT_EQ(knopf.HakenRechteck(), QRect(x, 2, h, h));
    EXPECT_FALSE(knopf.IstMarkiert());
    knopf.SetzeMarkiert(true);
    EXPECT_TRUE(knopf.IstMarkiert());
    EXPECT_EQ(knopf.StilBits(), CHoverButton::HB_MARKIERT);
    EXPECT_FALSE(knopf.grab().isNull());
    knopf.SetzeMarkiert(false);
    EXPECT_EQ(knopf.StilBits(), 0);
}

QPixmap Bild(int breite, int hoehe)
{
    QPixmap bild(breite, hoehe);
    bild.fill(Qt::darkRed);
    return bild;
}

TEST(CBitmapComboBox, EntriesAreAsHighAsTheTallestPicturePlusSix)
{
    CBitmapComboBox box;
    EXPECT_EQ(box.FuegeBitmapHinzu(Bild(32, 16), "Flachdach"), 0);
    EXPECT_EQ(box.EintragsHoehe(), 22);
    EXPECT_EQ(box.FuegeBitmapHinzu(Bild(20, 24), "Satteldach"), 1);
    EXPECT_EQ(box.FuegeBitmapEin(0, Bild(10, 10)), 0); // no text: the picture centred
    EXPECT_EQ(box.FuegeBitmapEin(99, Bild(10, 10), "Zeltdach"), 3);
    EXPECT_EQ(box.MaxBreite(), 32);
    EXPECT_EQ(box.MaxHoehe(), 24);
    box.show();
    for (int i = 0; i < box.count(); ++i)
        EXPECT_EQ(box.view()->sizeHintForRow(i), 30) << i;
    EXPECT_EQ(box.height(), 30); // the selection field
    EXPECT_EQ(box.itemText(2), QString("Satteldach"));
    box.setCurrentIndex(2);
    EXPECT_FALSE(box.grab().isNull());
    box.setEnabled(false);
    EXPECT_FALSE(box.grab().isNull());
}

} // namespace
} // namespace zeva
