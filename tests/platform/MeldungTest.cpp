// The message service: what reaches the user (text, caption, buttons, icon),
// scripted answers for tests, and the real box with German buttons.
#include "platform/Meldung.h"
#include "platform/QtUebersetzung.h"
#include "platform/SkriptMeldungen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace zeva {
namespace {

TEST(Meldung, ResolvesCaptionIconAndDefaultButton)
{
    SkriptMeldungen skript{QMessageBox::No};
    QWidget eltern;
    const auto antwort = Meldung::Zeige("Boden Nr. 2 löschen?", QMessageBox::Yes | QMessageBox::No,
                                        Meldung::Symbol::Vorgabe, QMessageBox::Yes, &eltern);
    EXPECT_EQ(antwort, QMessageBox::No);
    Meldung::Hinweis("Der Schichtaufbau ist nicht korrekt ausgefüllt.", Meldung::Symbol::Stopp);
    Meldung::Hinweis("Die Eingabe ist nicht zulässig.", Meldung::Symbol::Keins, nullptr, "Oops...");
    // A default button that the box does not have is dropped.
    Meldung::Zeige("x", QMessageBox::Ok, Meldung::Symbol::Frage, QMessageBox::Cancel);

    ASSERT_EQ(skript.Anfragen().size(), 4u);
    const auto& frage = skript.Anfragen()[0];
    EXPECT_EQ(frage.text, QString("Boden Nr. 2 löschen?"));
    EXPECT_EQ(frage.titel, QString("ZEVA"));
    EXPECT_EQ(frage.symbol, Meldung::Symbol::Ausruf); // no icon asked for: exclamation mark
    EXPECT_EQ(frage.vorgabe, QMessageBox::Yes);
    EXPECT_EQ(frage.eltern.data(), &eltern);
    EXPECT_EQ(skript.Anfragen()[1].symbol, Meldung::Symbol::Stopp);
    EXPECT_EQ(skript.Anfragen()[2].symbol, Meldung::Symbol::Keins);
    EXPECT_EQ(skript.Anfragen()[2].titel, QString("Oops..."));
    EXPECT_EQ(skript.Anfragen()[3].vorgabe, QMessageBox::NoButton);
    EXPECT_EQ(skript.Ungeplant(), 3);
}

TEST(SkriptMeldungen, AnswersInOrderAndFallsBackToTheDefault)
{
    SkriptMeldungen skript{QMessageBox::Yes, QMessageBox::Ok /* not a button of the second box */};
    EXPECT_TRUE(Meldung::Frage("eins?"));
    EXPECT_FALSE(Meldung::Frage("zwei?", QMessageBox::No));
    EXPECT_EQ(skript.Ungeplant(), 1);
    skript.Antworte(QMessageBox::Cancel);
    EXPECT_EQ(Meldung::Zeige("drei", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel), QMessageBox::Cancel);
    // Nothing planned, no default: the first button.
    EXPECT_EQ(Meldung::Zeige("vier", QMessageBox::Yes | QMessageBox::No), QMessageBox::Yes);
    EXPECT_EQ(skript.Texte(), QStringList({"eins?", "zwei?", "drei", "vier"}));
    EXPECT_EQ(skript.Offen(), 0u);
}

TEST(SkriptMeldungen, NestedScriptsRestoreTheOuterOne)
{
    SkriptMeldungen aussen;
    {
        SkriptMeldungen innen;
        Meldung::Hinweis("innen");
        EXPECT_EQ(innen.Texte(), QStringList({"innen"}));
    }
    Meldung::Hinweis("aussen");
    EXPECT_EQ(aussen.Texte(), QStringList({"aussen"}));
}

TEST(Meldung, RealBoxHasGermanButtonsAndTheRightIcon)
{
    Meldung::Anfrage anfrage;
    anfrage.text = "Trotzdem fortsetzen?";
    anfrage.titel = "ZEVA";
    anfrage.knoepfe = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    anfrage.vorgabe = QMessageBox::No;
    anfrage.symbol = Meldung::Symbol::Frage;
    auto box = Meldung::ErzeugeBox(anfrage);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->windowTitle(), QString("ZEVA"));
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString("Ja"));
    EXPECT_EQ(box->button(QMessageBox::No)->text(), QString("Nein"));
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), QString("Abbrechen"));
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));

    anfrage.symbol = Meldung::Symbol::Keins;
    EXPECT_EQ(Meldung::ErzeugeBox(anfrage)->icon(), QMessageBox::NoIcon);
    anfrage.symbol = Meldung::Symbol::Ausruf;
    EXPECT_EQ(Meldung::ErzeugeBox(anfrage)->icon(), QMessageBox::Warning);
}

TEST(Meldung, WithoutAResponderTheRealBoxIsShownModally)
{
    // Close the box the service shows by clicking its "Nein".
    QString gesehen;
    QTimer::singleShot(0, [&gesehen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        gesehen = box->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(Meldung::Frage("Alle Varianten löschen?"));
    EXPECT_EQ(gesehen, QString("Alle Varianten löschen?"));
}

TEST(QtUebersetzung, QtsOwnTextsBecomeGerman)
{
    ASSERT_TRUE(LadeQtUebersetzung(*QCoreApplication::instance()));
    // The texts Qt gives its standard buttons outside our boxes.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
}

} // namespace
} // namespace zeva
