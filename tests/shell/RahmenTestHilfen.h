#pragma once
// A started program inside the test process: the application object after
// its start-up, with every message box and file dialog scripted.
#include "ShellTestHilfen.h"

#include "app/Programmteile.h"
#include "database/Datenbankdateien.h"
#include "model/Klimadaten.h"
#include "platform/SkriptMeldungen.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"
#include "shell/CZEVADoc.h"
#include "shell/CZEVAView.h"
#include "shell/Druckauswahl.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPrinter>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

namespace zeva::test {

// Runs `was` on the next modal dialog as soon as it is open (a modal exec
// would otherwise wait for a user).
inline void BeiModalemDialog(std::function<void(QDialog*)> was)
{
    auto* zeit = new QTimer;
    zeit->setInterval(10);
    QObject::connect(zeit, &QTimer::timeout, [zeit, was] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            zeit->stop();
            zeit->deleteLater();
            was(dialog);
        }
    });
    zeit->start();
}

// Clicks the start page's link whose text starts with `text`.
inline void KlickeLink(CMainFrame& rahmen, const QString& text)
{
    CZEVAView* ansicht = rahmen.Startansicht();
    QTextCursor cursor = ansicht->document()->find(text, 0, QTextDocument::FindCaseSensitively);
    ASSERT_FALSE(cursor.isNull()) << text.toStdString();
    cursor.setPosition(cursor.selectionStart() + 1);
    QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, {}, ansicht->cursorRect(cursor).center());
    QCoreApplication::processEvents();
}

// What the status bar shows, as the user reads it: a temporary message
// hides the bar's own labels while it stands.
inline QString GezeigterStatus(CMainFrame& rahmen)
{
    QStatusBar* leiste = rahmen.statusBar();
    if (!leiste->currentMessage().isEmpty())
        return leiste->currentMessage();
    QStringList texte;
    for (const QLabel* text : leiste->findChildren<QLabel*>())
        if (text->isVisible())
            texte << text->text();
    return texte.join(QLatin1Char(' '));
}

// The mouse over the start page's link whose text starts with `text`: the
// view names the link under that spot as the browser does on a move.
inline void BeruehreLink(CMainFrame& rahmen, const QString& text)
{
    CZEVAView* ansicht = rahmen.Startansicht();
    QTextCursor cursor = ansicht->document()->find(text, 0, QTextDocument::FindCaseSensitively);
    ASSERT_FALSE(cursor.isNull()) << text.toStdString();
    cursor.setPosition(cursor.selectionStart() + 1);
    const QString anker = ansicht->anchorAt(ansicht->cursorRect(cursor).center());
    ASSERT_FALSE(anker.isEmpty()) << text.toStdString();
    emit ansicht->highlighted(QUrl(anker));
}

// Answers the print dialogs: prints into the PDF file `pdf` (empty: the
// user cancels) and keeps the options the dialog would have had.
class SkriptDrucker final : public Druckauswahl::Waehler {
public:
    SkriptDrucker() { m_vorher = Druckauswahl::SetzeWaehler(this); }
    ~SkriptDrucker() override { Druckauswahl::SetzeWaehler(m_vorher); }
    SkriptDrucker(const SkriptDrucker&) = delete;
    SkriptDrucker& operator=(const SkriptDrucker&) = delete;

    bool Waehle(QPrinter& drucker, QWidget*, QAbstractPrintDialog::PrintDialogOptions o) override
    {
        ++gefragt;
        optionen = o;
        if (pdf.isEmpty())
            return false;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pdf);
        return true;
    }

    QString pdf;
    int gefragt = 0;
    QAbstractPrintDialog::PrintDialogOptions optionen;

private:
    Druckauswahl::Waehler* m_vorher = nullptr;
};

class GestartetesProgramm : public testing::Test {
protected:
    void SetUp() override
    {
        LeeresProfil();
        // The climate files lie beside the program, not beside the tests.
        SetzeKlimaOrdner(std::filesystem::path(ZEVA_DATA_DIR) / "klima");
#ifdef ZEVA_BUILT_DB_DIR
        // The step panels take their default types from the data base that
        // lies beside the program; the test works on a copy of it.
        const std::filesystem::path bestand = std::filesystem::current_path() / "Bestand2000.db";
        std::filesystem::copy_file(std::filesystem::path(ZEVA_BUILT_DB_DIR) / "Bestand2000.db", bestand,
                                   std::filesystem::copy_options::overwrite_existing);
        SetzeBestandsdatenbankdatei(bestand);
#endif
        VorDemStart();
        app = std::make_unique<CZEVAApp>(Argumente());
        RegistriereProgrammteile(*app);
        VorDerInitialisierung(*app);
        ASSERT_TRUE(app->InitInstance());
        rahmen = app->Hauptfenster();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(rahmen));
    }
    void TearDown() override
    {
        app.reset();
        QCoreApplication::processEvents();
        SetzeKlimaOrdner({});
        SetzeBestandsdatenbankdatei({});
    }

    virtual QStringList Argumente() const { return {QStringLiteral("zeva")}; }
    virtual void VorDemStart() {}
    // Test doubles install themselves as the program's parts do.
    virtual void VorDerInitialisierung(CZEVAApp&) {}

    CZEVADoc& Dok() const { return *rahmen->GetActiveDocument(); }

    SkriptMeldungen meldungen;
    std::unique_ptr<CZEVAApp> app;
    CMainFrame* rahmen = nullptr;
};

} // namespace zeva::test
