// The editable list: the edit box over a cell, every key that moves it,
// committing on focus loss, cancelling on Escape, appending rows with their
// hexadecimal counter.
#include "FesterBildschirm.h"
#include "QtAusgabe.h"

#include "ui/CEditierListCtrl.h"
#include "ui/CZellenEdit.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zeva {
namespace {

// Four columns (1 and 2 editable), five rows "r<z>c<s>", and a field
// beside the list to move the focus to.
class ListeTest : public testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&fenster);
        layout->addWidget(liste);
        layout->addWidget(anderes);
        liste->setColumnCount(4);
        liste->setHorizontalHeaderLabels({"Art", "Nr", "Name", "Wert"});
        liste->horizontalHeaderItem(3)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (int s = 0; s < 4; ++s)
            liste->setColumnWidth(s, 80);
        liste->setRowCount(5);
        for (int z = 0; z < 5; ++z)
            for (int s = 0; s < 4; ++s)
                liste->setItem(z, s, new QTableWidgetItem(QStringLiteral("r%1c%2").arg(z).arg(s)));
        liste->SetzeEditierbareSpalten(1, 2);
        fenster.resize(400, 300);
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }

    // The open edit box; its cell.
    CZellenEdit* Box() { return liste->Editor(); }
    QPoint Zelle()
    {
        return Box() ? QPoint(Box()->Zeile(), Box()->Spalte()) : QPoint(-1, -1);
    }
    QString Text(int z, int s) { return liste->item(z, s) ? liste->item(z, s)->text() : QString(); }

    void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        ASSERT_NE(Box(), nullptr);
        QTest::keyClick(Box(), taste, mod);
        QApplication::processEvents();
    }

    void KlickeZelle(int z, int s)
    {
        const QRect r = liste->visualItemRect(liste->item(z, s));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }

    QWidget fenster;
    CEditierListCtrl* liste = new CEditierListCtrl("neu");
    QLineEdit* anderes = new QLineEdit;
};

TEST_F(ListeTest, AClickOpensTheBoxOverAnEditableCell)
{
    KlickeZelle(1, 1);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Zelle(), QPoint(1, 1));
    EXPECT_EQ(Box()->objectName(), QString("id1001"));
    EXPECT_EQ(Box()->text(), QString("r1c1"));
    EXPECT_EQ(Box()->selectedText(), QString("r1c1"));
    EXPECT_TRUE(Box()->hasFocus());
    const int x = liste->columnViewportPosition(1);
    EXPECT_EQ(Box()->geometry(), QRect(x + 4, liste->rowViewportPosition(1), 80 - 3, liste->rowHeight(1)));
    EXPECT_EQ(Box()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    // Not editable: columns 0 and 3.
    KlickeZelle(2, 3);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(Text(1, 1), QString("r1c1"));
    // The column's alignment goes to the box.
    auto* rechts = liste->EditiereZelle(0, 3);
    ASSERT_NE(rechts, nullptr);
    EXPECT_EQ(rechts->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(ListeTest, TabAndShiftTabWalkTheEditableColumns)
{
    KlickeZelle(1, 1);
    QTest::keyClicks(Box(), "abc");
    Taste(Qt::Key_Tab);
    EXPECT_EQ(Text(1, 1), QString("abc"));
    EXPECT_EQ(Zelle(), QPoint(1, 2));
    Taste(Qt::Key_Tab);
    EXPECT_EQ(Zelle(), QPoint(2, 1));
    Taste(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Zelle(), QPoint(1, 2));
    Taste(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Zelle(), QPoint(1, 1));
    Taste(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Zelle(), QPoint(0, 2));
    Taste(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Zelle(), QPoint(0, 1));
    Taste(Qt::Key_Backtab, Qt::ShiftModifier); // nothing before the first row
    EXPECT_EQ(Zelle(), QPoint(0, 1));
    EXPECT_TRUE(Box()->hasFocus());
    // Tab past the last cell of the last row: no row can be appended.
    liste->EditiereZelle(4, 2);
    Taste(Qt::Key_Tab);
    EXPECT_EQ(Zelle(), QPoint(4, 2));
    EXPECT_EQ(liste->rowCount(), 5);
}

TEST_F(ListeTest, EnterCommitsAndMovesToColumnZeroOfTheNextRow)
{
    QSignalSpy meldungen(liste, &CEditierListCtrl::ZelleBearbeitet);
    KlickeZelle(2, 2);
    QTest::keyClicks(Box(), "Ziegel");
    Taste(Qt::Key_Return);
    EXPECT_EQ(Text(2, 2), QString("Ziegel"));
    EXPECT_EQ(Zelle(), QPoint(3, 0));
    ASSERT_GE(meldungen.count(), 1);
    EXPECT_EQ(meldungen[0][0].toInt(), 2);
    EXPECT_EQ(meldungen[0][1].toInt(), 2);
    EXPECT_EQ(meldungen[0][2].toString(), QString("Ziegel"));
    EXPECT_FALSE(meldungen[0][3].toBool());
}

TEST_F(ListeTest, ArrowAndPageKeysMoveBetweenRows)
{
    KlickeZelle(2, 1);
    Taste(Qt::Key_Up);
    EXPECT_EQ(Zelle(), QPoint(1, 1));
    Taste(Qt::Key_Up);
    Taste(Qt::Key_Up); // row 0 stays
    EXPECT_EQ(Zelle(), QPoint(0, 1));
    Taste(Qt::Key_Down);
    EXPECT_EQ(Zelle(), QPoint(1, 1));
    Taste(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Zelle(), QPoint(4, 1));
    Taste(Qt::Key_Down); // appending off: nothing
    EXPECT_EQ(Zelle(), QPoint(4, 1));
    EXPECT_EQ(liste->rowCount(), 5);
    Taste(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Zelle(), QPoint(0, 1));
    // Home and End without Ctrl edit the text.
    Taste(Qt::Key_End);
    EXPECT_EQ(Zelle(), QPoint(0, 1));
    EXPECT_EQ(Box()->cursorPosition(), 4);
    // A page is as many rows as fit; never past the first or last row.
    const int seite = liste->ZeilenProSeite();
    ASSERT_GE(seite, 1);
    Taste(Qt::Key_PageDown);
    EXPECT_EQ(Zelle(), QPoint(std::min(4, seite), 1));
    Taste(Qt::Key_PageDown);
    EXPECT_EQ(Zelle(), QPoint(4, 1));
    Taste(Qt::Key_PageUp);
    EXPECT_EQ(Zelle(), QPoint(std::max(0, 4 - seite), 1));
    liste->EditiereZelle(0, 1);
    Taste(Qt::Key_PageUp);
    EXPECT_EQ(Zelle(), QPoint(0, 1));
}

TEST_F(ListeTest, CtrlDeleteRemovesTheRowExceptTheFirst)
{
    KlickeZelle(0, 1);
    Taste(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(liste->rowCount(), 5);
    EXPECT_EQ(Zelle(), QPoint(0, 1));
    liste->EditiereZelle(3, 2);
    QTest::keyClicks(Box(), "weg");
    Taste(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(liste->rowCount(), 4);
    EXPECT_EQ(Zelle(), QPoint(2, 2));
    EXPECT_EQ(Text(3, 0), QString("r4c0")); // the next row moved up, untouched
    EXPECT_EQ(Text(3, 2), QString("r4c2"));
    EXPECT_EQ(Text(2, 2), QString("r2c2"));
    // Delete without Ctrl edits the text.
    Box()->setCursorPosition(0);
    Taste(Qt::Key_Delete);
    EXPECT_EQ(Box()->text(), QString("2c2"));
}

TEST_F(ListeTest, EscapeCancelsAndLeavingTheBoxStoresItsText)
{
    QSignalSpy meldungen(liste, &CEditierListCtrl::ZelleBearbeitet);
    KlickeZelle(1, 2);
    QTest::keyClicks(Box(), "verworfen");
    Taste(Qt::Key_Escape);
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(Text(1, 2), QString("r1c2"));
    EXPECT_TRUE(liste->hasFocus());
    ASSERT_EQ(meldungen.count(), 1);
    EXPECT_TRUE(meldungen[0][3].toBool());
    EXPECT_TRUE(meldungen[0][2].toString().isEmpty());

    KlickeZelle(3, 1);
    QTest::keyClicks(Box(), "behalten");
    QTest::mouseClick(anderes, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(Text(3, 1), QString("behalten"));
    EXPECT_TRUE(anderes->hasFocus());
    // A click on another cell stores the text and opens the box there.
    KlickeZelle(0, 1);
    QTest::keyClicks(Box(), "eins");
    KlickeZelle(4, 2);
    EXPECT_EQ(Text(0, 1), QString("eins"));
    EXPECT_EQ(Zelle(), QPoint(4, 2));
}

TEST_F(ListeTest, AppendedRowsCountInHexadecimal)
{
    liste->SetzeZeilenAnhaengen(false);
    EXPECT_EQ(liste->HaengeZeileAn(liste->rowCount()), -1);
    liste->setRowCount(0);
    liste->SetzeZeilenAnhaengen(true);
    EXPECT_EQ(liste->HaengeZeileAn(0), 0);
    EXPECT_EQ(Text(0, 0), QString("neu"));
    EXPECT_EQ(Text(0, 1), QString("1000"));
    liste->item(0, 1)->setText("1009");
    EXPECT_EQ(liste->HaengeZeileAn(1), 1);
    EXPECT_EQ(Text(1, 1), QString("100a"));
    // Moving down from the last row appends one.
    liste->EditiereZelle(1, 1);
    Taste(Qt::Key_Down);
    EXPECT_EQ(liste->rowCount(), 3);
    EXPECT_EQ(Zelle(), QPoint(2, 1));
    EXPECT_EQ(Box()->text(), QString("100b"));
    // Two rows beyond the end cannot be reached at once.
    EXPECT_EQ(liste->EditiereZelle(7, 1), nullptr);
}

TEST_F(ListeTest, ImpossibleCellsGiveNoBoxAndTheBoxGrowsWithItsText)
{
    EXPECT_EQ(liste->EditiereZelle(0, 4), nullptr); // no such column
    liste->horizontalHeader()->setMinimumSectionSize(0);
    liste->setColumnWidth(2, 4);
    ASSERT_EQ(liste->columnWidth(2), 4);
    EXPECT_EQ(liste->EditiereZelle(0, 2), nullptr); // too narrow
    liste->setColumnWidth(2, 80);
    auto* box = liste->EditiereZelle(0, 1);
    ASSERT_NE(box, nullptr);
    const int vorher = box->width();
    box->setText("ein recht langer Text, breiter als die Spalte");
    EXPECT_GT(box->width(), vorher);
    EXPECT_LE(box->x() + box->width(), liste->viewport()->width());
    box->setText(QString(300, QChar('x')));
    EXPECT_EQ(box->x() + box->width(), liste->viewport()->width());
}

TEST_F(ListeTest, ScrollingEndsTheEdit)
{
    liste->setRowCount(60);
    KlickeZelle(1, 1);
    QTest::keyClicks(Box(), "gerollt");
    liste->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QApplication::processEvents();
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(Text(1, 1), QString("gerollt"));
    EXPECT_TRUE(liste->hasFocus());
}

} // namespace
} // namespace zeva
