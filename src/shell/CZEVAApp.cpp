#include "shell/CZEVAApp.h"

#include "platform/Meldung.h"
#include "platform/QtUebersetzung.h"
#include "shell/Befehle.h"
#include "shell/CInfoDlg.h"
#include "shell/CMainFrame.h"
#include "shell/Dateiauswahl.h"
#include "shell/Druckauswahl.h"
#include "shell/LetzteDateien.h"
#include "ui/MeldungsNotifier.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

namespace zeva {

namespace {

CZEVAApp*& InstanzZeiger()
{
    static CZEVAApp* instanz = nullptr;
    return instanz;
}

} // namespace

const QString& ReportOrdner()
{
    static const QString ordner = QCoreApplication::applicationDirPath() + QStringLiteral("/Report");
    return ordner;
}

CZEVAApp::CZEVAApp(QStringList argumente, QObject* parent) : QObject(parent), m_argumente(std::move(argumente))
{
    InstanzZeiger() = this;
}

CZEVAApp::~CZEVAApp()
{
    m_pRahmen.reset();
    if (InstanzZeiger() == this)
        InstanzZeiger() = nullptr;
}

CZEVAApp* CZEVAApp::Instanz()
{
    return InstanzZeiger();
}

Notifier& CZEVAApp::ModellNotifier() const
{
    return *m_pNotifier;
}

bool CZEVAApp::GrosseSchriftarten()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return false;
    return schirm->logicalDotsPerInch() * schirm->devicePixelRatio() > 110.0;
}

bool CZEVAApp::PruefeBefehlszeile()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vyk-ZEVA: Energieberatung für bestehende Wohngebäude"));
    const QCommandLineOption hilfe = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("datei"), QStringLiteral("Das Projekt, das geöffnet wird (.vza, .zva)."),
                                 QStringLiteral("[datei]"));
    if (!parser.parse(m_argumente)) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        m_nExitCode = 2;
        return false;
    }
    if (parser.isSet(hilfe)) {
        std::fprintf(stdout, "%s", qPrintable(parser.helpText()));
        m_nExitCode = 0;
        return false;
    }
    if (parser.isSet(version)) {
        std::fprintf(stdout, "Vyk-ZEVA 1.3\n");
        m_nExitCode = 0;
        return false;
    }
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1) {
        std::fprintf(stderr, "Es kann nur ein Projekt geöffnet werden.\n");
        m_nExitCode = 2;
        return false;
    }
    m_strDatei = dateien.isEmpty() ? QString() : dateien.constFirst();
    return true;
}

bool CZEVAApp::InitInstance()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(Profilschluessel));
    QCoreApplication::setApplicationName(QString::fromLatin1(Anwendungsname));
    QGuiApplication::setDesktopFileName(QStringLiteral("zeva"));
    if (!PruefeBefehlszeile())
        return false;

    LadeQtUebersetzung(*QCoreApplication::instance());
    m_pNotifier = std::make_unique<MeldungsNotifier>();

    if (GrosseSchriftarten())
        Meldung::Hinweis(QString::fromUtf8(TextGrosseSchriften), Meldung::Symbol::Keins);

    m_pLetzteDateien = std::make_unique<LetzteDateien>();

    m_pRahmen = std::make_unique<CMainFrame>();
    CMainFrame* rahmen = m_pRahmen.get();
    rahmen->SetzeLetzteDateien([this] { return m_pLetzteDateien->Pfade(); });
    rahmen->SetzeBefehlszeile([this] { return VerarbeiteBefehlszeile(); });
    rahmen->SetzeDateiOeffner([this](const QString& pfad) { return OpenDocumentFile(pfad); });
    rahmen->SetzeBefehl(ID_FILE_OPEN, [this] { OnFileOpen(); });
    rahmen->SetzeBefehl(ID_APP_ABOUT, [this] { OnAppAbout(); });
    rahmen->SetzeBefehl(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    for (const Programmteil& teil : m_Programmteile)
        teil(*rahmen);
    connect(rahmen, &CMainFrame::letzteDateiFehlgeschlagen, this, [this](const QString& pfad) {
        m_pLetzteDateien->Entfernen(pfad);
        m_pRahmen->AktualisiereLetzteDateienMenue();
    });
    connect(rahmen->GetActiveDocument(), &CZEVADoc::pfadGesetzt, this, [this](const QString& pfad) {
        m_pLetzteDateien->Hinzufuegen(pfad);
        m_pRahmen->AktualisiereLetzteDateienMenue();
    });

    // A new untitled project, shown in the frame.
    rahmen->GetActiveDocument()->OnNewDocument();
    rahmen->show();
    rahmen->setAcceptDrops(true);

    if (!rahmen->PruefeAufloesung()) {
        m_nExitCode = 1;
        return false;
    }

    rahmen->Startseite(true);
    return true;
}

bool CZEVAApp::VerarbeiteBefehlszeile()
{
    if (m_strDatei.isEmpty())
        return true;
    const QString datei = QFileInfo(m_strDatei).absoluteFilePath();
    m_strDatei.clear();
    return OpenDocumentFile(datei);
}

bool CZEVAApp::OpenDocumentFile(const QString& pfad)
{
    return m_pRahmen->GetActiveDocument()->OeffneDatei(QFileInfo(pfad).absoluteFilePath());
}

void CZEVAApp::OnFileOpen()
{
    m_pRahmen->VerlasseStartseite();
    const QString pfad = Dateiauswahl::Oeffnen(m_pRahmen.get(), Dateiauswahl::OeffnenFilter());
    // Cancelled in the file dialog or at the save question: the project
    // stays, and so does its page.
    if (pfad.isEmpty() || !OpenDocumentFile(pfad))
        m_pRahmen->ZeigeStartansichtWieder();
}

void CZEVAApp::OnAppAbout()
{
    CInfoDlg dialog(m_pRahmen->Version(), m_pRahmen.get());
    dialog.exec();
}

void CZEVAApp::OnFilePrintSetup()
{
    Druckauswahl::Seiteneinrichtung(m_pRahmen.get());
}

} // namespace zeva
