// Dialog bases: the anchor layout of children, the shared fonts, panes that
// ignore Enter and Escape, the right pane's caption strip and the data
// dialog's OK.
#include "FesterBildschirm.h"
#include "QtAusgabe.h"

#include "platform/SkriptMeldungen.h"
#include "ui/CBaseDialog.h"
#include "ui/CKindLayout.h"
#include "ui/CRightBaseDialog.h"
#include "ui/DatenDialog.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zeva {
namespace {

using K = CKindLayout::Kanten;

TEST(Bildschirm, IsPinnedForTheWidgetTests)
{
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    EXPECT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, 768));
}

TEST(CKindLayout, AnchorsPlaceChildrenFromTheirRecordedRectangles)
{
    struct Case {
        const char* was;
        K aufgezeichnet;
        int horizontal;
        int vertikal;
        K erwartet;
    };
    // Bound at 200 × 100, now 300 × 150.
    const Case cases[] = {
        {"left and height kept, right scaled", {10, 10, 60, 30}, 2, 3, {10, 10, 90, 30}},
        {"moves with the far side, size kept", {150, 70, 190, 90}, 5, 3, {250, 70, 290, 90}},
        {"both edges scaled", {10, 10, 60, 30}, 0, 0, {15, 15, 90, 45}},
        {"stretches", {10, 10, 60, 30}, 6, 0, {10, 15, 160, 45}},
        {"near edge scaled, far edge follows", {10, 10, 60, 30}, 4, 0, {15, 15, 160, 45}},
        {"fixed position and extent", {10, 10, 60, 30}, 3, 3, {10, 10, 60, 30}},
        {"vertical stretch", {10, 10, 60, 30}, 3, 6, {10, 10, 60, 80}},
        {"vertical move with the bottom", {10, 70, 60, 90}, 3, 5, {10, 120, 60, 140}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CKindLayout::Anordne(c.aufgezeichnet, c.horizontal, c.vertikal, {200, 100}, {300, 150}),
                  c.erwartet)
            << c.was;
        // Sizing back restores the recorded rectangle whatever the anchors.
        EXPECT_EQ(CKindLayout::Anordne(c.aufgezeichnet, c.horizontal, c.vertikal, {200, 100}, {200, 100}),
                  c.aufgezeichnet)
            << c.was;
    }
}

TEST(CKindLayout, ScalingTruncatesTowardZero)
{
    // 7 · 1.5 = 10.5 → 10; −7 · 1.5 = −10.5 → −10.
    EXPECT_EQ(CKindLayout::Anordne({7, -7, 9, 9}, 0, 0, {200, 100}, {300, 150}), (K{10, -10, 13, 13}));
    // Shrinking below the bound size.
    EXPECT_EQ(CKindLayout::Anordne({150, 70, 190, 90}, 5, 5, {200, 100}, {130, 60}), (K{80, 30, 120, 50}));
}

// A pane of 200 × 100 with an edit, a button at the right edge and a label.
class TestSeite : public CBaseDialog {
public:
    explicit TestSeite(QWidget* parent) : CBaseDialog(parent)
    {
        resize(200, 100);
        edit->setGeometry(10, 10, 50, 20);
        SetzeId(knopf, 1257);
        knopf->setGeometry(150, 70, 40, 20);
        breit->setGeometry(10, 40, 180, 20);
    }
    int ok = 0;
    int abbrechen = 0;
    QLineEdit* edit = new QLineEdit(this);
    QPushButton* knopf = new QPushButton("&Vorgabe", this);
    QLineEdit* breit = new QLineEdit(this);

protected:
    bool OnInitDialog() override
    {
        CBaseDialog::OnInitDialog();
        Layout().SetzeAnkerId(1257, CKindLayout::ANKER_ENDE | CKindLayout::ANKER_GROESSE,
                              CKindLayout::ANKER_ENDE | CKindLayout::ANKER_GROESSE);
        Layout().SetzeAnkerFenster(breit, CKindLayout::ANKER_ANFANG | CKindLayout::ANKER_ENDE,
                                   CKindLayout::ANKER_ANFANG | CKindLayout::ANKER_GROESSE);
        return true;
    }
    void OnOK() override { ++ok; }
    void OnCancel() override { ++abbrechen; }
};

TEST(CBaseDialog, KeepsItsChildrenLaidOutAndRestoresThemExactly)
{
    QWidget eltern;
    eltern.resize(400, 300);
    auto* seite = new TestSeite(nullptr);
    ASSERT_TRUE(seite->Create(&eltern));
    EXPECT_EQ(seite->parentWidget(), &eltern);
    ASSERT_EQ(seite->Layout().Eintraege().size(), 3u);
    eltern.show();

    seite->resize(300, 150);
    EXPECT_EQ(seite->edit->geometry(), QRect(10, 10, 80, 20)); // anchors (2, 3): (10,10,90,30)
    EXPECT_EQ(seite->knopf->geometry(), QRect(250, 120, 40, 20)); // (5, 5)
    EXPECT_EQ(seite->breit->geometry(), QRect(10, 40, 280, 20)); // (6, 3)

    seite->resize(137, 61);
    seite->resize(251, 333);
    seite->resize(200, 100);
    EXPECT_EQ(seite->edit->geometry(), QRect(10, 10, 50, 20));
    EXPECT_EQ(seite->knopf->geometry(), QRect(150, 70, 40, 20));
    EXPECT_EQ(seite->breit->geometry(), QRect(10, 40, 180, 20));

    EXPECT_FALSE(seite->Layout().SetzeAnkerId(4711, 3, 3));
    QWidget fremd;
    EXPECT_FALSE(seite->Layout().SetzeAnkerFenster(&fremd, 3, 3));
}

TEST(CBaseDialog, ChildrenAddedLaterFollowOnlyOnceAdded)
{
    QWidget eltern;
    auto* seite = new TestSeite(&eltern);
    seite->Create();
    eltern.show();
    auto* spaet = new QLineEdit(seite);
    spaet->setGeometry(20, 70, 100, 20);
    seite->resize(300, 150);
    EXPECT_EQ(spaet->geometry(), QRect(20, 70, 100, 20));
    seite->resize(200, 100);
    seite->Layout().FuegeFensterHinzu(spaet);
    seite->Layout().SetzeAnkerFenster(spaet, 0, 0);
    seite->resize(400, 200);
    EXPECT_EQ(spaet->geometry(), QRect(40, 140, 200, 40));
}

TEST(CBaseDialog, EnterAndEscapeDoNotClosePanes)
{
    // Even inside a dialog window, whose own Escape would close it.
    QDialog fenster;
    fenster.resize(300, 200);
    auto* seite = new TestSeite(&fenster);
    seite->Create();
    fenster.show();
    QApplication::setActiveWindow(&fenster);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    seite->edit->setFocus();
    QTest::keyClick(seite->edit, Qt::Key_Escape);
    QTest::keyClick(seite->edit, Qt::Key_Return);
    QTest::keyClick(seite->edit, Qt::Key_Enter);
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_TRUE(seite->isVisible());
    EXPECT_EQ(seite->abbrechen, 1);
    EXPECT_EQ(seite->ok, 2);
}

TEST(CBaseDialog, FontFitAndSharedFonts)
{
    EXPECT_EQ(CBaseDialog::ZielBreite(1024), 144);
    EXPECT_EQ(CBaseDialog::ZielBreite(800), 106);
    EXPECT_LT(CBaseDialog::ZielBreite(100), 0);

    QFont basis = QApplication::font();
    basis.setPixelSize(13);
    // Wide enough: the first try, with the system's own height, fits.
    EXPECT_EQ(CBaseDialog::PasseSchriftHoeheAn(basis, 4000), 13);
    // Narrower: the largest height whose reference text is below the target.
    const int h = CBaseDialog::PasseSchriftHoeheAn(basis, 800);
    ASSERT_LT(h, 13);
    ASSERT_GT(h, CBaseDialog::MindestHoehe);
    const auto breite = [&basis](int pixel) {
        QFont f = basis;
        f.setPixelSize(pixel);
        return QFontMetrics(f).horizontalAdvance(QString::fromUtf8(CBaseDialog::Bezugstext));
    };
    EXPECT_LT(breite(h), CBaseDialog::ZielBreite(800));
    EXPECT_GE(breite(h + 1), CBaseDialog::ZielBreite(800));
    // No width at all: the fit ends at the least height instead of looping.
    EXPECT_EQ(CBaseDialog::PasseSchriftHoeheAn(basis, 100), CBaseDialog::MindestHoehe);
}

TEST(CBaseDialog, PanesShareTheDialogFontWhileAnyLives)
{
    ASSERT_EQ(CBaseDialog::Anzahl(), 0);
    EXPECT_FALSE(CBaseDialog::SchriftenVorhanden());
    {
        QWidget eltern;
        auto* eins = new TestSeite(&eltern);
        eins->Create();
        EXPECT_TRUE(CBaseDialog::SchriftenVorhanden());
        EXPECT_EQ(eins->font().pixelSize(), CBaseDialog::SchriftHoehe());
        EXPECT_EQ(eins->edit->font().pixelSize(), CBaseDialog::SchriftHoehe());
        // The parent (the roll-up) takes it too, for its headers.
        EXPECT_EQ(eltern.font().pixelSize(), CBaseDialog::SchriftHoehe());
        // The work area of the pinned screen is 1024 wide.
        EXPECT_EQ(CBaseDialog::SchriftHoehe(),
                  CBaseDialog::PasseSchriftHoeheAn(QApplication::font("QMessageBox"), 1024));
        {
            auto* zwei = new TestSeite(&eltern);
            zwei->Create();
            delete zwei;
        }
        EXPECT_TRUE(CBaseDialog::SchriftenVorhanden());
    }
    EXPECT_EQ(CBaseDialog::Anzahl(), 0);
    EXPECT_FALSE(CBaseDialog::SchriftenVorhanden());
    QWidget eltern;
    auto* neu = new TestSeite(&eltern);
    neu->Create();
    EXPECT_TRUE(CBaseDialog::SchriftenVorhanden());
}

class RechtesFenster : public CRightBaseDialog {
public:
    explicit RechtesFenster(QWidget* parent) : CRightBaseDialog(parent)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(edit);
        layout->addStretch();
    }
    QLineEdit* edit = new QLineEdit;
};

TEST(CRightBaseDialog, FillsItsParentAndShowsItselfWithItsTitle)
{
    QWidget balken;
    balken.resize(242, 500);
    balken.show();
    auto* fenster = new RechtesFenster(&balken);
    fenster->hide();
    ASSERT_TRUE(fenster->Create());
    EXPECT_EQ(fenster->geometry(), QRect(0, 0, 242, 500));
    EXPECT_FALSE(fenster->isVisible());
    // No font adaptation for the right panes: the bar keeps its font.
    EXPECT_FALSE(fenster->SchriftAnpassen());
    EXPECT_EQ(balken.font(), QApplication::font());

    fenster->setWindowTitle("Wärmebedarf");
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->windowTitle(), QString("Wärmebedarf"));
    // The controls lie below the strip.
    const int streifen = fenster->StreifenHoehe();
    EXPECT_GT(streifen, 10);
    EXPECT_EQ(fenster->edit->geometry().top(), streifen);

    // Hidden again, the same title shows it again.
    fenster->hide();
    fenster->SetzeTitel("Wärmebedarf");
    EXPECT_TRUE(fenster->isVisible());

    // Dragging the strip does not move the pane.
    QTest::mousePress(fenster, Qt::LeftButton, {}, QPoint(100, streifen / 2));
    QTest::mouseMove(fenster, QPoint(160, streifen / 2 + 40));
    QTest::mouseRelease(fenster, Qt::LeftButton, {}, QPoint(160, streifen / 2 + 40));
    EXPECT_EQ(fenster->geometry(), QRect(0, 0, 242, 500));
}

// A data dialog with one year field.
class JahrDialog : public DatenDialog {
public:
    JahrDialog()
    {
        auto* layout = new QVBoxLayout(this);
        SetzeId(jahr, 1125);
        layout->addWidget(jahr);
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        layout->addWidget(knoepfe);
        connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    QLineEdit* jahr = new QLineEdit;
    int m_nBaujahr = 1955;

protected:
    void DoDataExchange(DatenAustausch& dx) override { dx.Ganzzahl(jahr, m_nBaujahr, 1000, 2100); }
};

TEST(DatenDialog, OkClosesOnlyWhenTheFieldsPass)
{
    SkriptMeldungen skript;
    JahrDialog dlg;
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    EXPECT_EQ(dlg.jahr->text(), QString("1955")); // shown when opened

    dlg.jahr->selectAll();
    QTest::keyClicks(dlg.jahr, "3000");
    QTest::keyClick(dlg.jahr, Qt::Key_Return);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(skript.Texte(), QStringList({"Geben Sie eine ganze Zahl zwischen 1000 und 2100 ein."}));
    EXPECT_EQ(QApplication::focusWidget(), dlg.jahr);
    EXPECT_EQ(dlg.jahr->selectedText(), QString("3000"));
    EXPECT_EQ(dlg.m_nBaujahr, 1955);

    QTest::keyClicks(dlg.jahr, "1984"); // replaces the selected text
    QTest::keyClick(dlg.jahr, Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nBaujahr, 1984);
    EXPECT_EQ(skript.Anfragen().size(), 1u);
}

} // namespace
} // namespace zeva
