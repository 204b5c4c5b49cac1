// The frame's commands of the results and the renovation, its services and
// its private messages, with test doubles for the dialogs, panes and views
// that other parts of the program bring: variant menus and dialogs, deleting
// variants, heat demand, the automatic renovation, options, print and
// picture of the 3D view, component dialogs, report and renovation details.
#include "RahmenTestHilfen.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Profil.h"
#include "shell/Befehle.h"
#include "shell/CZEVAView.h"
#include "shell/Optionen.h"
#include "shell/OptionenSeite.h"
#include "shell/QtProfil.h"
#include "shell/Schrittplatzhalter.h"
#include "ui/CHideBar.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace zeva {
namespace {

// ---- doubles

// A variant dialog: OK takes its variant over unless told to refuse, and
// may find its variant equal to the existing state and delete it.
class Variantendouble final : public QDialog, public Variantendialog {
public:
    Variantendouble(CMainFrame& rahmen, int n) : QDialog(&rahmen), m_rahmen(rahmen), m_nummer(n) {}
    int Nummer() const override { return m_nummer; }
    void SetzeNummer(int n) override { m_nummer = n; }
    bool OKUndSchliessen() override
    {
        ++ok;
        if (verweigern)
            return false;
        const int n = m_nummer;
        hide();
        m_rahmen.VarianteGeschlossen(n);
        if (loeschtSich)
            m_rahmen.LoescheVariante(n);
        deleteLater();
        return true;
    }
    void ZeigeSeite(int s) override { seite = s; }

    int ok = 0;
    int seite = -1;
    bool verweigern = false;
    bool loeschtSich = false;

private:
    CMainFrame& m_rahmen;
    int m_nummer;
};

class Bedarfsdouble final : public QWidget, public Bedarfsfenster {
public:
    explicit Bedarfsdouble(int n) : variante(n) {}
    int Variante() const override { return variante; }
    void SetzeVariante(int n) override { variante = n; }
    void Aktualisiere() override { ++aktualisiert; }
    void AktualisiereZustaende() override { ++zustaende; }
    int variante;
    int aktualisiert = 0;
    int zustaende = 0;
};

class Bedarfsseitendouble final : public QWidget, public Bedarfsseite {
public:
    using QWidget::QWidget;
    void SetzeVariante(Haus& h, int n) override
    {
        haus = &h;
        variante = n;
    }
    Haus* haus = nullptr;
    int variante = -1;
};

class Optimiererdouble final : public Optimierer {
public:
    Optimiererdouble(bool gelingt, int beste, const DOptionen& optionen, int& laeufe)
        : m_gelingt(gelingt), m_beste(beste), m_optionen(optionen), m_laeufe(laeufe)
    {
    }
    bool Optimiere() override
    {
        ++m_laeufe;
        return m_gelingt;
    }
    int UebernehmeBeste(Haus& haus) override
    {
        for (int i = 0; i < m_beste; ++i)
            haus.NeueVariante(false, m_optionen);
        return m_beste;
    }

private:
    bool m_gelingt;
    int m_beste;
    const DOptionen& m_optionen;
    int& m_laeufe;
};

// The 3D view: it records the commands handed to it.
class Ansicht3Ddouble final : public QWidget, public BefehlsZiel {
public:
    using QWidget::QWidget;
    bool BearbeiteBefehl(int id) override
    {
        befehle.push_back(id);
        return true;
    }
    std::vector<int> befehle;
};

// The plan editor's windows: placeholders, but the 3D view is the double.
class Ansichtendouble final : public Eingabeansichten {
public:
    explicit Ansichtendouble(CMainFrame& rahmen) : m_platzhalter(Schrittplatzhalter::ErzeugeEingabeansichten(rahmen)) {}
    QWidget* Erzeuge(Fenster art, QWidget* eltern) override
    {
        if (art == Fenster::Ansicht3D) {
            raum = new Ansicht3Ddouble(eltern);
            return raum;
        }
        return m_platzhalter->Erzeuge(art, eltern);
    }
    void ZeigeZone(QWidget*, int) override {}
    void VerbindeDach(QWidget*, QWidget*) override {}
    bool GaubeUebernehmen(QWidget*) override { return true; }
    QPointer<Ansicht3Ddouble> raum;

private:
    std::unique_ptr<Eingabeansichten> m_platzhalter;
};

class Reportdouble final : public Reportschreiber {
public:
    void ErstelleReportXml(Haus&, const DOptionen&) override { log << QStringLiteral("xml"); }
    void SchreibeReportVars(Haus&, int variante, const QStringList* abschnitte) override
    {
        log << QStringLiteral("vars %1 %2").arg(variante).arg(abschnitte ? abschnitte->join(',') : QStringLiteral("-"));
    }
    QByteArray HoleReportStream() const override { return "<html>Report</html>"; }
    QStringList log;
};

class Reportansichtdouble final : public QWidget, public Reportanzeige, public BefehlsZiel {
public:
    using QWidget::QWidget;
    void ZeigeStream(const QByteArray& seite) override { geladen = seite; }
    bool BearbeiteBefehl(int id) override
    {
        befehle.push_back(id);
        return true;
    }
    QByteArray geladen;
    std::vector<int> befehle;
};

class Detaildouble final : public QWidget, public Sanierungsdetail {
public:
    using QWidget::QWidget;
    void SetzeHaus(Haus& h) override { haus = &h; }
    void SetzeKriterium(int k, int v) override
    {
        kriterium = k;
        variante = v;
    }
    QString HoleEinheit() const override { return QStringLiteral("EUR"); }
    void Aktualisiere() override { ++aktualisiert; }
    Haus* haus = nullptr;
    int aktualisiert = 0;
    int kriterium = -1;
    int variante = -1;
};

class Diagrammdouble final : public QWidget, public Sanierungsdiagramm {
public:
    using QWidget::QWidget;
    void SetzeWerte(const std::array<double, 7>* w, const QString& e) override
    {
        werte = w ? *w : std::array<double, 7>{};
        einheit = e;
        ++gesetzt;
    }
    std::array<double, 7> werte{};
    QString einheit;
    int gesetzt = 0;
};

// ---- fixture

class RahmenBefehle : public test::GestartetesProgramm {
protected:
    void VorDerInitialisierung(CZEVAApp& anwendung) override
    {
        anwendung.RegistriereProgrammteil([this](CMainFrame& r) {
            r.SetzeVariantendialogErzeuger([this](CMainFrame& rr, int n) {
                auto* d = new Variantendouble(rr, n);
                gemacht.push_back(d);
                return d;
            });
            r.SetzeVariantennummerErzeuger([this](QWidget*) { return nummer; });
        });
    }

    Haus& H() const { return Dok().HausRef(); }

    // The results phase of a project with `varianten` variants.
    void AmEnde(int varianten)
    {
        for (int i = 0; i < varianten; ++i)
            H().NeueVariante(true, rahmen->Optionen());
        H().Phase = 19;
        rahmen->ZeigeSchritt();
    }
    Variantendouble* Dialog(int n) const { return dynamic_cast<Variantendouble*>(rahmen->Variantendialog(n)); }

    QMenu* Menue(int position) const { return rahmen->menuBar()->actions()[position]->menu(); }
    QStringList Eintraege(int position) const
    {
        QMenu* menue = Menue(position);
        emit menue->aboutToShow();
        QStringList texte;
        for (QAction* a : menue->actions())
            texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return texte;
    }

    std::vector<QPointer<Variantendouble>> gemacht;
    int nummer = -1;
};

// ---- variant menus and dialogs

TEST_F(RahmenBefehle, VariantEntriesFollowTheHouseWhenTheMenusOpen)
{
    AmEnde(3);
    EXPECT_EQ(Eintraege(2), (QStringList{"Variante &1", "Variante &2", "Variante &3", "-", "Neu &Manuell",
                                         "Neu &Programm", "&Löschen", "&Alle löschen"}));
    EXPECT_EQ(Eintraege(1), (QStringList{"&Bestand", "Variante &1", "Variante &2", "Variante &3"}));
    EXPECT_TRUE(rahmen->Aktion(ID_VARIANTE_LOESCHEN)->isEnabled());
    EXPECT_TRUE(rahmen->Aktion(ID_ALLE_LOESCHEN)->isEnabled());
    EXPECT_EQ(rahmen->Aktion(61002)->data().toInt(), 61002);

    // "Alle löschen", first refused, then agreed.
    meldungen.Antworte(QMessageBox::No);
    rahmen->Aktion(ID_ALLE_LOESCHEN)->trigger();
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, QStringLiteral("Alle Sanierungsvarianten löschen?"));
    EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Frage);
    EXPECT_EQ(H().Varianten, 3);
    rahmen->OeffneVariante(2);
    meldungen.Antworte(QMessageBox::Yes);
    QSignalSpy geloescht(rahmen, &CMainFrame::variantenGeloescht);
    rahmen->Aktion(ID_ALLE_LOESCHEN)->trigger();
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
    ASSERT_EQ(gemacht.size(), 1u);
    EXPECT_EQ(geloescht.count(), 1);
    EXPECT_TRUE(Dok().IsModified());
    EXPECT_EQ(Eintraege(2), (QStringList{"Neu &Manuell", "Neu &Programm", "&Löschen", "&Alle löschen"}));
    EXPECT_EQ(Eintraege(1), QStringList{"&Bestand"});
    EXPECT_FALSE(rahmen->Aktion(ID_VARIANTE_LOESCHEN)->isEnabled());
    EXPECT_FALSE(rahmen->Aktion(ID_ALLE_LOESCHEN)->isEnabled());
}

TEST_F(RahmenBefehle, NewManualVariantOpensItsDialogAndEntriesReachTheOpenOne)
{
    AmEnde(3);
    Dok().SetModifiedFlag(false);
    rahmen->Befehl(ID_NEU_MANUELL);
    EXPECT_EQ(H().Varianten, 4);
    EXPECT_TRUE(Dok().IsModified()) << "the new variant belongs to the project";
    EXPECT_EQ(H().m_aBedarf[4].Zielfunktion, -1) << "a manual variant";
    ASSERT_NE(Dialog(4), nullptr);
    EXPECT_TRUE(Dialog(4)->isVisible());
    EXPECT_EQ(Dialog(4)->Nummer(), 4);

    QDialog* zwei = rahmen->OeffneVariante(2);
    ASSERT_EQ(gemacht.size(), 2u);
    EXPECT_TRUE(rahmen->Befehl(61002));
    EXPECT_EQ(gemacht.size(), 2u) << "the open dialog is activated, not made again";
    EXPECT_EQ(rahmen->Variantendialog(2), zwei);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 2);

    // WM_VARIANTENSEITE for a closed dialog opens it on the tab.
    rahmen->Variantenseite(3, 5);
    ASSERT_NE(Dialog(3), nullptr);
    EXPECT_EQ(Dialog(3)->seite, 5);
    rahmen->Variantenseite(2, 7);
    EXPECT_EQ(Dialog(2)->seite, 7);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 3);

    // Closing reports to the frame.
    ASSERT_TRUE(Dialog(3)->OKUndSchliessen());
    EXPECT_EQ(rahmen->Variantendialog(3), nullptr);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 2);
}

TEST_F(RahmenBefehle, DeletingAVariantClosesTheDialogsFromItOnAfterOneQuestion)
{
    AmEnde(3);
    auto* bedarf = new Bedarfsdouble(3);
    rahmen->SetzeBedarfsfenster(bedarf);
    rahmen->OeffneVariante(1);
    rahmen->OeffneVariante(2);
    rahmen->OeffneVariante(3);
    const QString frage = QStringLiteral("Für diese Aktion müssen alle Sanierungs- und Bedarfsfenster für die "
                                         "Variante 2 und höher geschlossen werden.\nDaten übernehmen und Fenster "
                                         "schließen?");

    // A cancelled number dialog deletes nothing and asks nothing.
    nummer = -1;
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    EXPECT_TRUE(meldungen.Anfragen().empty());
    EXPECT_EQ(H().Varianten, 3);

    nummer = 2;
    meldungen.Antworte(QMessageBox::Cancel);
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, frage);
    EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(H().Varianten, 3);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 3);
    EXPECT_EQ(Dialog(2)->ok, 0);

    meldungen.Antworte(QMessageBox::Ok);
    QPointer<Variantendouble> eins = Dialog(1);
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    EXPECT_EQ(meldungen.Anfragen().size(), 2u) << "asked once";
    EXPECT_EQ(H().Varianten, 2);
    EXPECT_EQ(gemacht[1] ? gemacht[1]->ok : 1, 1);
    EXPECT_EQ(gemacht[2] ? gemacht[2]->ok : 1, 1);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 1);
    EXPECT_EQ(rahmen->Variantendialog(1), eins.data()) << "a lower variant keeps its dialog";
    EXPECT_EQ(bedarf->Variante(), 0) << "the pane showed a variant that is gone";
    EXPECT_TRUE(Dok().IsModified());

    // Without a dialog of the variant or above nothing is asked.
    nummer = 2;
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    EXPECT_EQ(meldungen.Anfragen().size(), 2u);
    EXPECT_EQ(H().Varianten, 1);
    // A number beyond the variants changes nothing.
    nummer = 5;
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    EXPECT_EQ(H().Varianten, 1);
}

TEST_F(RahmenBefehle, AVariantThatDeletesItselfOnOkIsNotDeletedTwice)
{
    AmEnde(3);
    H().m_aBedarf[3].Grenze = 33; // marks the third variant
    rahmen->OeffneVariante(2);
    rahmen->OeffneVariante(3);
    Dialog(2)->loeschtSich = true;
    nummer = 2;
    meldungen.Antworte(QMessageBox::Ok);
    rahmen->Befehl(ID_VARIANTE_LOESCHEN);
    EXPECT_EQ(H().Varianten, 2);
    EXPECT_EQ(H().m_aBedarf[2].Grenze, 33) << "the third variant moved to 2 and stays";
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
}

TEST_F(RahmenBefehle, DialogsAboveADeletedVariantMoveDownWithIt)
{
    AmEnde(3);
    rahmen->OeffneVariante(3);
    QPointer<Variantendouble> drei = Dialog(3);
    rahmen->LoescheVariante(1);
    EXPECT_EQ(rahmen->Variantendialog(2), drei.data());
    EXPECT_EQ(drei->Nummer(), 2);
    EXPECT_EQ(rahmen->Variantendialog(3), nullptr);
}

TEST_F(RahmenBefehle, ChangingTheExistingBuildingEndsTheOpenVariantDialogs)
{
    AmEnde(2);
    auto* bedarf = new Bedarfsdouble(0);
    rahmen->SetzeBedarfsfenster(bedarf);
    rahmen->OeffneVariante(1);
    rahmen->OeffneVariante(2);
    Dialog(2)->verweigern = true;
    QPointer<Variantendouble> zwei = Dialog(2);
    class JaNotifier final : public Notifier {
    public:
        void Nachricht(const std::string&, Art) override {}
        bool Frage(const std::string&) override { return true; }
    } notifier;
    EXPECT_TRUE(H().BestandAendernErlaubt(true, notifier, &rahmen->Variantenanzeige()));
    EXPECT_EQ(bedarf->aktualisiert, 1) << "the pane of the existing state recomputed";
    EXPECT_EQ(gemacht[0] ? gemacht[0]->ok : 1, 1);
    EXPECT_EQ(H().Varianten, 0);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
    ASSERT_FALSE(zwei.isNull());
    EXPECT_FALSE(zwei->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(zwei.isNull()) << "a refusing dialog goes without its data";
}

TEST_F(RahmenBefehle, SaveQuestionTakesTheOpenDialogsOverAndARefusalCancels)
{
    AmEnde(1);
    rahmen->OeffneVariante(1);
    Dialog(1)->verweigern = true;
    EXPECT_FALSE(rahmen->UebernimmVariantendaten());
    EXPECT_NE(Dialog(1), nullptr) << "stays open";
    Dialog(1)->verweigern = false;
    EXPECT_TRUE(rahmen->UebernimmVariantendaten());
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 0);
}

// ---- heat demand

TEST_F(RahmenBefehle, BestandSwapsThePageInOnceAndVariantEntriesOnlyChangeThePane)
{
    AmEnde(2);
    QPointer<Bedarfsdouble> pane;
    QPointer<Bedarfsseitendouble> seite;
    rahmen->SetzeBedarfsErzeuger(
        [&pane](CMainFrame&, QWidget* eltern, int n) {
            pane = new Bedarfsdouble(n);
            pane->setParent(eltern);
            return pane.data();
        },
        [&seite](QWidget* eltern) {
            seite = new Bedarfsseitendouble(eltern);
            return seite.data();
        });
    QWidget* varianten = rahmen->Variantenfenster();
    ASSERT_TRUE(varianten->isVisible());
    rahmen->ReportGenerator()->show();

    rahmen->Befehl(ID_BESTAND);
    ASSERT_FALSE(pane.isNull());
    ASSERT_FALSE(seite.isNull());
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);
    EXPECT_EQ(rahmen->AktiveAnsicht(), seite.data());
    EXPECT_EQ(pane->parentWidget(), rahmen->RechterBalken()->Inhalt());
    EXPECT_TRUE(pane->isVisible());
    EXPECT_FALSE(varianten->isVisible());
    EXPECT_FALSE(rahmen->ReportGenerator()->isVisible());
    EXPECT_EQ(seite->haus, &H());
    EXPECT_EQ(seite->variante, 0);

    rahmen->Befehl(60002);
    EXPECT_EQ(pane->Variante(), 2);
    EXPECT_EQ(seite->variante, 2);
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1) << "the stack does not grow";
    rahmen->Befehl(ID_BESTAND);
    EXPECT_EQ(pane->Variante(), 0);
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);

    // The pane closes itself.
    pane->deleteLater();
    rahmen->SchliesseBedarf();
    QCoreApplication::processEvents();
    EXPECT_TRUE(seite.isNull());
    EXPECT_TRUE(rahmen->Stapel().IstLeer());
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    EXPECT_TRUE(varianten->isVisible());
}

// ---- automatic renovation and options

TEST_F(RahmenBefehle, AutomaticRenovationAsksThenRunsTheOptimiser)
{
    AmEnde(1);
    int laeufe = 0;
    bool gelingt = true;
    rahmen->SetzeOptimiererErzeuger([&](Haus&, const DOptionen& o, QWidget*) {
        return std::make_unique<Optimiererdouble>(gelingt, 2, o, laeufe);
    });
    const QString frage = QStringLiteral("Haben Sie schon die Optionen für die programmgesteuerte Sanierung eingestellt?");

    meldungen.Antworte(QMessageBox::Cancel);
    rahmen->Befehl(ID_NEU_PROGRAMM);
    ASSERT_EQ(meldungen.Anfragen().size(), 1u);
    EXPECT_EQ(meldungen.Anfragen()[0].text, frage);
    EXPECT_EQ(meldungen.Anfragen()[0].knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(meldungen.Anfragen()[0].symbol, Meldung::Symbol::Frage);
    EXPECT_EQ(laeufe, 0);
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);

    // "Nein": the options sheet first (cancelled here), then the optimiser.
    bool blatt = false;
    test::BeiModalemDialog([&blatt](QDialog* d) {
        blatt = d->windowTitle() == QStringLiteral("Optionen");
        d->reject();
    });
    meldungen.Antworte(QMessageBox::No);
    rahmen->Befehl(ID_NEU_PROGRAMM);
    EXPECT_TRUE(blatt);
    EXPECT_EQ(laeufe, 1);
    EXPECT_EQ(H().Varianten, 3);
    ASSERT_NE(Dialog(2), nullptr);
    ASSERT_NE(Dialog(3), nullptr);
    EXPECT_EQ(Dialog(1), nullptr);
    EXPECT_TRUE(Dok().IsModified());

    // A failing optimiser changes nothing.
    Dok().SetModifiedFlag(false);
    gelingt = false;
    meldungen.Antworte(QMessageBox::Yes);
    rahmen->Befehl(ID_NEU_PROGRAMM);
    EXPECT_EQ(laeufe, 2);
    EXPECT_EQ(H().Varianten, 3);
    EXPECT_FALSE(Dok().IsModified());
}

TEST_F(RahmenBefehle, AtTheVariantLimitOnlyTheVariantsGainedGetADialog)
{
    // An optimiser that claims all five proposals while the house takes
    // only two: the dialogs follow the house, not the claim.
    AmEnde(28);
    int laeufe = 0;
    rahmen->SetzeOptimiererErzeuger([&](Haus&, const DOptionen& o, QWidget*) {
        return std::make_unique<Optimiererdouble>(true, 5, o, laeufe);
    });
    Dok().SetModifiedFlag(false);
    meldungen.Antworte(QMessageBox::Yes);
    rahmen->Befehl(ID_NEU_PROGRAMM);
    EXPECT_EQ(H().Varianten, 30);
    ASSERT_EQ(gemacht.size(), 2u);
    EXPECT_EQ(gemacht[0]->Nummer(), 29);
    EXPECT_EQ(gemacht[1]->Nummer(), 30);
    EXPECT_EQ(rahmen->OffeneVariantendialoge(), 2);
    EXPECT_TRUE(Dok().IsModified());

    // "Neu Manuell" at the limit says why and changes nothing.
    const std::size_t vorher = meldungen.Anfragen().size();
    Dok().SetModifiedFlag(false);
    rahmen->Befehl(ID_NEU_MANUELL);
    ASSERT_EQ(meldungen.Anfragen().size(), vorher + 1);
    EXPECT_EQ(meldungen.Anfragen().back().text,
              QStringLiteral("Es können höchstens 30 Sanierungsvarianten angelegt werden. Bitte löschen Sie zuerst "
                             "eine Variante."));
    EXPECT_EQ(H().Varianten, 30);
    EXPECT_FALSE(Dok().IsModified());
    EXPECT_EQ(gemacht.size(), 2u) << "no dialog for a variant that was not made";
}

TEST_F(RahmenBefehle, OptionsChangeTheProjectAndTheProfileOnlyOnYes)
{
    AmEnde(0);
    struct Fall {
        QMessageBox::StandardButton frage; // the storing question; NoButton: the sheet cancelled
        const char* preis;
        bool geaendert;
        double imProfil;
    };
    const Fall faelle[] = {{QMessageBox::No, "0,07", true, -1},
                           {QMessageBox::Yes, "0,08", true, 0.08},
                           {QMessageBox::NoButton, "0,09", false, 0.08}};
    for (const Fall& f : faelle) {
        Dok().SetModifiedFlag(false);
        rahmen->VerlasseStartseite();
        test::BeiModalemDialog([&f](QDialog* d) {
            auto* sheet = dynamic_cast<Optionen*>(d);
            ASSERT_NE(sheet, nullptr);
            sheet->Seiten()->setCurrentIndex(1);
            auto* preis = FindeId<QLineEdit>(sheet->Seite(1), 1257);
            ASSERT_NE(preis, nullptr);
            preis->setText(QString::fromLatin1(f.preis));
            if (f.frage == QMessageBox::NoButton)
                d->reject();
            else
                FindeDirektId<QPushButton>(sheet, 1)->click();
        });
        if (f.frage != QMessageBox::NoButton)
            meldungen.Antworte(f.frage);
        rahmen->Befehl(ID_OPTIONEN);
        EXPECT_EQ(Dok().IsModified(), f.geaendert) << f.preis;
        EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite) << f.preis;
        EXPECT_TRUE(rahmen->Startansicht()->isVisible());
        const QtProfil profil;
        EXPECT_DOUBLE_EQ(LeseProfilDouble(profil, "Optionen", "mk_Preis0", -1), f.imProfil) << f.preis;
    }
    EXPECT_DOUBLE_EQ(rahmen->Optionen().Brennstoffkosten1, 0.08);
}

// ---- the 3D view's commands and the component dialogs

class MitAnsichten : public RahmenBefehle {
protected:
    void VorDerInitialisierung(CZEVAApp& anwendung) override
    {
        RahmenBefehle::VorDerInitialisierung(anwendung);
        anwendung.RegistriereProgrammteil([this](CMainFrame& r) {
            auto besitzer = std::make_unique<Ansichtendouble>(r);
            ansichten = besitzer.get();
            r.SetzeEingabeansichtenBesitzer(std::move(besitzer));
        });
    }
    Ansichtendouble* ansichten = nullptr;
};

TEST_F(MitAnsichten, PrintAndPictureReachThe3DViewOnlyAtItsStep)
{
    H().Phase = 14;
    rahmen->ZeigeSchritt();
    ASSERT_FALSE(ansichten->raum.isNull());
    rahmen->Befehl(ID_FILE_PRINT);
    rahmen->Befehl(ID_3D_ALS_JPEG);
    EXPECT_TRUE(ansichten->raum->befehle.empty());

    H().Phase = 15;
    rahmen->ZeigeSchritt();
    EXPECT_TRUE(rahmen->Aktion(ID_FILE_PRINT)->isEnabled());
    QTest::keyClick(rahmen, Qt::Key_P, Qt::ControlModifier);
    rahmen->Aktion(ID_3D_ALS_JPEG)->trigger();
    EXPECT_EQ(ansichten->raum->befehle, (std::vector<int>{ID_FILE_PRINT, ID_3D_ALS_JPEG}));
}

TEST_F(MitAnsichten, ComponentDialogsLockTheInputWindowsWhileTheyRun)
{
    H().Phase = 15;
    rahmen->ZeigeSchritt();
    std::vector<bool> gesperrt;
    int gemachteDialoge = 0;
    auto erzeuger = [&](CMainFrame& r) {
        ++gemachteDialoge;
        auto* d = new QDialog(&r);
        test::BeiModalemDialog([&, d](QDialog*) {
            for (QWidget* w : {r.Eingabeassistent(), r.Ansicht2D(), r.Ansicht3D()})
                gesperrt.push_back(!w->isEnabled());
            r.BodenDialogGeschlossen();
            d->accept();
        });
        return d;
    };
    rahmen->SetzeBauteildialogErzeuger(CMainFrame::Bauteildialog::Boden, erzeuger);
    rahmen->SetzeBauteildialogErzeuger(CMainFrame::Bauteildialog::Wand, erzeuger);

    EXPECT_EQ(rahmen->BearbeiteBoden(3010000), QDialog::Accepted);
    EXPECT_EQ(H().AktuelleTraegerID, 3010000);
    EXPECT_EQ(gesperrt, (std::vector<bool>{true, true, true}));
    for (QWidget* w : {rahmen->Eingabeassistent(), rahmen->Ansicht2D(), rahmen->Ansicht3D()})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(H().ListeNeuAufbauen, 1) << "redrawn";

    gesperrt.clear();
    EXPECT_EQ(rahmen->BearbeiteWand(4010100), QDialog::Accepted);
    EXPECT_EQ(H().AktuelleTraegerID, 4010100);
    EXPECT_EQ(gesperrt, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(gemachteDialoge, 2);

    // A dialog that does not report its closing leaves nothing locked.
    rahmen->SetzeBauteildialogErzeuger(CMainFrame::Bauteildialog::Flachdach, [](CMainFrame& r) {
        auto* d = new QDialog(&r);
        test::BeiModalemDialog([d](QDialog*) { d->reject(); });
        return d;
    });
    EXPECT_EQ(rahmen->BearbeiteFlachdach(7010000), QDialog::Rejected);
    for (QWidget* w : {rahmen->Eingabeassistent(), rahmen->Ansicht2D(), rahmen->Ansicht3D()})
        EXPECT_TRUE(w->isEnabled());

    // Without a maker only the carrier is remembered.
    EXPECT_EQ(rahmen->BearbeiteDecke(5010000), 0);
    EXPECT_EQ(H().AktuelleTraegerID, 5010000);
    EXPECT_TRUE(rahmen->Ansicht3D()->isEnabled());
}

// ---- report and renovation details

TEST_F(RahmenBefehle, ReportSwapsInWithItsGeneratorAndClosesBackToTheViewBefore)
{
    AmEnde(2);
    auto schreiber = std::make_unique<Reportdouble>();
    Reportdouble* log = schreiber.get();
    QPointer<Reportansichtdouble> ansicht;
    rahmen->SetzeReport(std::move(schreiber), [&ansicht](QWidget* eltern) {
        ansicht = new Reportansichtdouble(eltern);
        return ansicht.data();
    });
    auto* bedarf = new Bedarfsdouble(1);
    rahmen->SetzeBedarfsfenster(bedarf);
    bedarf->show();
    rahmen->Variantenfenster()->hide();

    rahmen->Reportansicht(1);
    ASSERT_FALSE(ansicht.isNull());
    EXPECT_EQ(log->log, (QStringList{"xml", "vars 1 -"}));
    EXPECT_EQ(ansicht->geladen, QByteArray("<html>Report</html>"));
    EXPECT_EQ(rahmen->AktiveAnsicht(), ansicht.data());
    EXPECT_TRUE(rahmen->ReportGenerator()->isVisible());
    EXPECT_FALSE(rahmen->Variantenfenster()->isVisible());
    EXPECT_FALSE(bedarf->isVisible());

    const QStringList abschnitte{QStringLiteral("Gebäude"), QStringLiteral("Varianten")};
    rahmen->Reportansicht(1395, &abschnitte);
    EXPECT_EQ(log->log.last(), QStringLiteral("vars -1 Gebäude,Varianten"));
    rahmen->Reportansicht(ID_FILE_PRINT);
    EXPECT_EQ(ansicht->befehle, std::vector<int>{ID_FILE_PRINT});
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);

    rahmen->Reportansicht(ANSICHT_SCHLIESSEN);
    EXPECT_TRUE(ansicht.isNull());
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_TRUE(bedarf->isVisible()) << "the pane shown before comes back";
    EXPECT_FALSE(rahmen->ReportGenerator()->isVisible());
}

TEST_F(RahmenBefehle, RenovationDetailsSplitTheViewAreaAndCloseToTheBetweenPage)
{
    AmEnde(2);
    QPointer<Detaildouble> detail;
    QPointer<Diagrammdouble> diagramm;
    rahmen->SetzeSanierungsdetailsErzeuger(
        [&detail](QWidget* e) {
            detail = new Detaildouble(e);
            return detail.data();
        },
        [&diagramm](QWidget* e) {
            diagramm = new Diagrammdouble(e);
            return diagramm.data();
        });
    rahmen->Sanierungsdetails(3, 2);
    ASSERT_FALSE(detail.isNull());
    auto* splitter = qobject_cast<QSplitter*>(rahmen->AktiveAnsicht());
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->orientation(), Qt::Vertical);
    EXPECT_EQ(splitter->widget(0), detail.data());
    EXPECT_EQ(splitter->widget(1), diagramm.data());
    EXPECT_NEAR(detail->height(), diagramm->height(), 2) << "two halves";
    EXPECT_EQ(detail->haus, &H());
    EXPECT_EQ(detail->kriterium, 3);
    EXPECT_EQ(detail->variante, 2);
    EXPECT_EQ(diagramm->einheit, QStringLiteral("EUR"));
    EXPECT_EQ(diagramm->werte, (std::array<double, 7>{}));
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1);

    rahmen->SanierungsdetailsWerte({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(diagramm->werte[6], 7);
    rahmen->Sanierungsdetails(1, 1);
    EXPECT_EQ(rahmen->Stapel().Anzahl(), 1) << "the open view only changes its criterion";
    EXPECT_EQ(detail->kriterium, 1);

    // Deleting the variant it shows closes it.
    rahmen->LoescheVariante(1);
    EXPECT_TRUE(detail.isNull());
    EXPECT_EQ(rahmen->AktiveAnsicht(), rahmen->Startansicht());
    EXPECT_EQ(rahmen->Startansicht()->AktuelleSeite(), CZEVAView::Zwischenseite);
    EXPECT_TRUE(rahmen->Variantenfenster()->isVisible());
}

TEST(Druckauswahl, TheRealPrintDialogOffersAPdfFileEvenWithoutAPrinter)
{
    QPrinter drucker(QPrinter::HighResolution);
    QStringList ziele;
    QAbstractPrintDialog::PrintDialogOptions optionen;
    test::BeiModalemDialog([&ziele, &optionen](QDialog* d) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(d))
            optionen = dialog->options();
        for (const QComboBox* liste : d->findChildren<QComboBox*>())
            for (int i = 0; i < liste->count(); ++i)
                ziele << liste->itemText(i);
        d->reject();
    });
    EXPECT_FALSE(Druckauswahl::Frage(drucker, nullptr)) << "cancelled";
    EXPECT_TRUE(optionen.testFlag(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(optionen.testFlag(QAbstractPrintDialog::PrintSelection));
    EXPECT_FALSE(optionen.testFlag(QAbstractPrintDialog::PrintPageRange));
    EXPECT_TRUE(ziele.join(QLatin1Char('|')).contains(QStringLiteral("PDF"))) << ziele.join(QLatin1Char('|')).toStdString();
}

} // namespace
} // namespace zeva
