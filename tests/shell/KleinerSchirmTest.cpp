// A screen of 640 × 480: the resolution warning at start-up. OK ends the
// program with code 1 after the save question; Escape lets it go on.
#include "RahmenTestHilfen.h"

#include "shell/CAufloesungDlg.h"
#include "shell/CZEVAView.h"
#include "ui/QtAusgabe.h"
#include "ui/SteuerelementId.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("shell/bildschirm-640x480.json"));

class KleinerSchirm : public testing::Test {
protected:
    void SetUp() override { test::LeeresProfil(); }
    SkriptMeldungen meldungen;
};

TEST_F(KleinerSchirm, OkOfTheWarningEndsStartUpWithCodeOne)
{
    ASSERT_TRUE(CAufloesungDlg::BildschirmZuKlein());
    QString titel, text;
    test::BeiModalemDialog([&](QDialog* dialog) {
        titel = dialog->windowTitle();
        for (QLabel* l : dialog->findChildren<QLabel*>())
            text += l->text();
        QTest::mouseClick(FindeId<QPushButton>(dialog, 1), Qt::LeftButton);
    });
    CZEVAApp app({QStringLiteral("zeva")});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.ExitCode(), 1);
    EXPECT_EQ(titel, QStringLiteral("Beendet ZEVA"));
    EXPECT_EQ(text, QStringLiteral("Die von Ihnen gewählte Bildschirmauflösung muss mindestens 800*600 Pixel "
                                   "betragen. Ok beendet ZEVA."));
}

TEST_F(KleinerSchirm, EscapeLetsTheProgramGoOnToTheStartPage)
{
    test::BeiModalemDialog([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    CZEVAApp app({QStringLiteral("zeva")});
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(app.Hauptfenster()->isVisible());
    EXPECT_TRUE(app.Hauptfenster()->Startansicht()->isVisible());
}

TEST_F(KleinerSchirm, OkOnAChangedProjectAsksFirstAndEndsTheEventLoopWithOne)
{
    test::BeiModalemDialog([](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    CZEVAApp app({QStringLiteral("zeva")});
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* rahmen = app.Hauptfenster();
    rahmen->GetActiveDocument()->SetModifiedFlag(true);

    // Cancel of the save question: the program goes on.
    meldungen.Antworte(QMessageBox::Cancel);
    test::BeiModalemDialog([](QDialog* dialog) { dialog->accept(); });
    EXPECT_TRUE(rahmen->PruefeAufloesung());
    EXPECT_TRUE(rahmen->isVisible());
    ASSERT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Änderungen in Unbenannt speichern?")});

    // No: the window closes and the event loop ends with code 1.
    meldungen.Antworte(QMessageBox::No);
    int code = -1;
    QTimer::singleShot(0, rahmen, [&] {
        test::BeiModalemDialog([](QDialog* dialog) { dialog->accept(); });
        rahmen->PruefeAufloesung();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    code = QCoreApplication::exec();
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(rahmen->isVisible());
}

} // namespace
} // namespace zeva
