#pragma once
// The application object: the start-up sequence, the recent projects, the
// program's command line, File Open and the about box. It is made once,
// right after the QApplication, and lives until the program ends.
//
// Start-up, in order: Qt's German texts, the model's notifier on the message
// service, the large-font warning, the profile "Welm-VKD"/"ZEVA" with its
// recent-file list of ten, the main frame with a new untitled project and
// the start view, dropped files accepted, the screen-size check, then the
// command line (one project file to open) and, at step 0, the start page.
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace zeva {

class CMainFrame;
class LetzteDateien;
class MeldungsNotifier;
class Notifier;

class CZEVAApp : public QObject {
public:
    static constexpr const char* Profilschluessel = "Welm-VKD";
    static constexpr const char* Anwendungsname = "ZEVA";
    static constexpr const char* TextGrosseSchriften =
        "ZEVA funktioniert nicht mit \"Großen Schriftarten\".\nBitte stellen Sie den Schriftgrad auf \"Kleine "
        "Schriftarten\" um.";

    // `argumente` as QCoreApplication::arguments() gives them (program first).
    explicit CZEVAApp(QStringList argumente, QObject* parent = nullptr);
    ~CZEVAApp() override;

    // A part of the program installs its makers and slots on the main frame
    // through such a function; they run right after the frame is made, in
    // the order registered, before the first project and the command line.
    using Programmteil = std::function<void(CMainFrame&)>;
    void RegistriereProgrammteil(Programmteil teil) { m_Programmteile.push_back(std::move(teil)); }

    // The start-up sequence; false when the program is to end at once with
    // ExitCode() (a wrong command line, --help, the screen-size warning).
    bool InitInstance();
    int ExitCode() const { return m_nExitCode; }

    // Opens the project named on the command line, if any. True when there
    // was none or it opened.
    bool VerarbeiteBefehlszeile();
    // Opens a project (save question first); false when it could not be read.
    bool OpenDocumentFile(const QString& pfad);
    // File Open: the start page goes, the file dialog asks; on Cancel the
    // start page comes back at step 0.
    void OnFileOpen();
    void OnAppAbout();
    void OnFilePrintSetup();

    // True when the screen is set to large fonts: the primary screen's
    // logical dpi times its pixel ratio above 110.
    static bool GrosseSchriftarten();

    CMainFrame* Hauptfenster() const { return m_pRahmen.get(); }
    LetzteDateien& LetzteDateienListe() const { return *m_pLetzteDateien; }
    Notifier& ModellNotifier() const;

    static CZEVAApp* Instanz();

private:
    bool PruefeBefehlszeile();

    QStringList m_argumente;
    std::vector<Programmteil> m_Programmteile;
    QString m_strDatei; // the project named on the command line
    int m_nExitCode = 0;
    std::unique_ptr<LetzteDateien> m_pLetzteDateien;
    std::unique_ptr<MeldungsNotifier> m_pNotifier;
    std::unique_ptr<CMainFrame> m_pRahmen;
};

// The folder of the report files: the program's folder + "/Report", worked
// out at the first call and the same for the rest of the run.
const QString& ReportOrdner();

} // namespace zeva
