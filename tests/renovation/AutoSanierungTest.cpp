// "Neu &Programm" in the started program: the progress dialog while the
// optimiser runs on a large list, Cancel, and the adopted variants.
#include "SanierungsTestDaten.h"
#include "support/Ausgabedatei.h"

#include "renovation/CAutoSanierungDlg.h"
#include "renovation/ProgrammSanierung.h"
#include "shell/Schrittfenster.h"
#include "shell/Befehle.h"
#include "shell/CZEVAView.h"
#include "shell/RahmenTestHilfen.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zeva::test {
namespace {

class AutoSanierung : public GestartetesProgramm {};

TEST_F(AutoSanierung, FortschrittUndAbbruchAufGrosserListe)
{
    Haus& haus = rahmen->AktuellesHaus();
    Haus15(haus);
    haus.m_aHeizung[0] = ReferenzKessel();
    rahmen->Optionen() = Optionen(0, 0, 3);
    const double last = [&] {
        ProgSan p(haus, rahmen->Optionen());
        StillerNotifier n;
        p.BerechneBasis(n);
        return p.m_Last0;
    }();
    ProgrammSanierungEinstellung e;
    e.datenbank = SanDatenbank("gross.db", SynthetischeZeilen(7, 5, 4, 7, 5, 9, 7, BrennstoffGas, 0, last * 1.5));
    // The reference search is slow enough, in every build, for the user to
    // press Cancel while it runs; the fast one may finish before the dialog
    // is first looked at.
    e.modus = ProgSan::Modus::Referenz;

    int modal = 0, nichtModal = 0;
    std::vector<int> balken;
    QString status;
    bool gedrueckt = false;
    bool bildGemacht = false;
    CAutoSanierungDlg* gesehen = nullptr;
    e.beimStart = [&](CAutoSanierungDlg& dialog) {
        gesehen = &dialog;
        auto* zeit = new QTimer(&dialog);
        zeit->setInterval(15);
        QObject::connect(zeit, &QTimer::timeout, [&, zeit] {
            if (!dialog.isVisible())
                return;
            (QApplication::activeModalWidget() == &dialog ? modal : nichtModal)++;
            balken.push_back(dialog.Balken()->value());
            status = dialog.StatusZeile()->text();
            if (!bildGemacht && balken.back() > 0 && !dialog.BestwertZeile()->text().isEmpty()) {
                dialog.grab().save(test::Ausgabedatei(QStringLiteral("zeva_autosanierung.png")));
                bildGemacht = true;
            }
            // Cancel once the search has visibly moved on.
            if (!gedrueckt && balken.size() > 3 && balken.back() > 0) {
                QTest::mouseClick(dialog.Abbrechen(), Qt::LeftButton);
                gedrueckt = true;
                zeit->stop();
            }
        });
        zeit->start();
    };

    meldungen.Antworte(QMessageBox::Yes);
    const int neu = NeuProgramm(*rahmen, e);

    ASSERT_NE(gesehen, nullptr);
    EXPECT_TRUE(gedrueckt);
    EXPECT_TRUE(bildGemacht);
    EXPECT_GT(modal, 0);
    EXPECT_EQ(nichtModal, 0);
    // The bar and the status line moved during the run.
    ASSERT_FALSE(balken.empty());
    EXPECT_GT(*std::max_element(balken.begin(), balken.end()), 0);
    EXPECT_LT(*std::max_element(balken.begin(), balken.end()), 1000) << "cancelled before the end";
    EXPECT_TRUE(status.startsWith(QStringLiteral("Analysiere Variante "))) << status.toStdString();
    EXPECT_TRUE(status.endsWith(QStringLiteral(" von 921600..."))) << status.toStdString();
    // The results found so far became variants.
    EXPECT_GE(neu, 1);
    EXPECT_EQ(haus.Varianten, neu);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(meldungen.Texte(), QStringList{QString::fromUtf8(FrageOptionenEingestellt)});
    EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Frage);
}

TEST_F(AutoSanierung, BefehlMitAbbrechenZeigtZwischenseite)
{
    InstalliereProgrammSanierung(*rahmen);
    meldungen.Antworte(QMessageBox::Cancel);
    EXPECT_TRUE(rahmen->Befehl(ID_NEU_PROGRAMM));
    EXPECT_EQ(meldungen.Texte(), QStringList{QString::fromUtf8(FrageOptionenEingestellt)});
    EXPECT_EQ(rahmen->Startansicht()->Seitenmodus(), 2);
    EXPECT_EQ(rahmen->AktuellesHaus().Varianten, 0);
    EXPECT_FALSE(Dok().IsModified());
}

TEST_F(AutoSanierung, FehlendeDatenbankZeigtFehlerUndZwischenseite)
{
    Haus& haus = rahmen->AktuellesHaus();
    ReferenzHausMitKessel(haus);
    ProgrammSanierungEinstellung e;
    e.datenbank = ProcessTempDir() / "nirgends" / "San2kvyke.db";
    meldungen.Antworte(QMessageBox::Yes);
    EXPECT_EQ(NeuProgramm(*rahmen, e), 0);
    const QStringList texte = meldungen.Texte();
    ASSERT_EQ(texte.size(), 3);
    EXPECT_TRUE(texte[1].startsWith(QStringLiteral("Database error: ")));
    EXPECT_EQ(texte[2], QString::fromUtf8(ProgSan::TextFehler));
    EXPECT_EQ(rahmen->Startansicht()->Seitenmodus(), 2);
    EXPECT_EQ(haus.Varianten, 0);
}

TEST_F(AutoSanierung, NeinOeffnetErstDieOptionen)
{
    Haus& haus = rahmen->AktuellesHaus();
    ReferenzHausMitKessel(haus);
    ProgrammSanierungEinstellung e;
    e.datenbank = ProcessTempDir() / "nirgends" / "San2kvyke.db";
    QString titel;
    BeiModalemDialog([&](QDialog* dialog) {
        titel = dialog->windowTitle();
        dialog->reject();
    });
    meldungen.Antworte(QMessageBox::No);
    EXPECT_EQ(NeuProgramm(*rahmen, e), 0);
    // The options sheet came first; cancelled, it changed nothing, and the
    // run went on.
    EXPECT_FALSE(titel.isEmpty());
    EXPECT_NE(titel, QStringLiteral("Automatische Sanierung"));
    EXPECT_FALSE(Dok().IsModified());
    const QStringList texte = meldungen.Texte();
    ASSERT_EQ(texte.size(), 3);
    EXPECT_EQ(texte[2], QString::fromUtf8(ProgSan::TextFehler));
}

} // namespace
} // namespace zeva::test
