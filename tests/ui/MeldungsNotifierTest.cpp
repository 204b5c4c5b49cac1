// The model's notifier reaches the user through the message service.
#include "platform/SkriptMeldungen.h"
#include "ui/MeldungsNotifier.h"

#include <gtest/gtest.h>

namespace zeva {
namespace {

TEST(MeldungsNotifier, MessagesAndQuestionsGoThroughTheMessageService)
{
    SkriptMeldungen skript{QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::No, QMessageBox::Yes};
    MeldungsNotifier notifier;
    Notifier& n = notifier;
    n.Nachricht("Datei klima.rdt fehlt.", Notifier::Art::Fehler);
    n.Nachricht("Hinweis", Notifier::Art::Information);
    n.Nachricht("Achtung", Notifier::Art::Warnung);
    EXPECT_FALSE(n.Frage("Für Änderungen am bestehenden Gebäude müssen alle Varianten gelöscht werden."));
    EXPECT_TRUE(n.Frage("Nochmal?"));

    ASSERT_EQ(skript.Anfragen().size(), 5u);
    EXPECT_EQ(skript.Anfragen()[0].text, QString("Datei klima.rdt fehlt."));
    EXPECT_EQ(skript.Anfragen()[0].symbol, Meldung::Symbol::Stopp);
    EXPECT_EQ(skript.Anfragen()[1].symbol, Meldung::Symbol::Information);
    EXPECT_EQ(skript.Anfragen()[2].symbol, Meldung::Symbol::Ausruf);
    const auto& frage = skript.Anfragen()[3];
    EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(frage.symbol, Meldung::Symbol::Ausruf);
    EXPECT_EQ(frage.titel, QString("ZEVA"));
    EXPECT_EQ(skript.Ungeplant(), 0);
}

} // namespace
} // namespace zeva
