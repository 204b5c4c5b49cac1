#pragma once
// A started program inside the test process: the application object after
// its start-up, with every message box and file dialog scripted.
#include "ShellTestHilfen.h"

#include "platform/SkriptMeldungen.h"
#include "shell/CMainFrame.h"
#include "shell/CZEVAApp.h"
#include "shell/CZEVADoc.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
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

class GestartetesProgramm : public testing::Test {
protected:
    void SetUp() override
    {
        LeeresProfil();
        VorDemStart();
        app = std::make_unique<CZEVAApp>(Argumente());
        VorInitInstance(*app);
        ASSERT_TRUE(app->InitInstance());
        rahmen = app->Hauptfenster();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(rahmen));
    }
    void TearDown() override
    {
        app.reset();
        QCoreApplication::processEvents();
    }

    virtual QStringList Argumente() const { return {QStringLiteral("zeva")}; }
    virtual void VorDemStart() {}
    // Where a test adds the start-up hooks that main() adds.
    virtual void VorInitInstance(CZEVAApp&) {}

    CZEVADoc& Dok() const { return *rahmen->GetActiveDocument(); }

    SkriptMeldungen meldungen;
    std::unique_ptr<CZEVAApp> app;
    CMainFrame* rahmen = nullptr;
};

} // namespace zeva::test
