#pragma once
// The one document of the program. It owns the house of the project and
// replaces it by a fresh one for every new or opened project, reads projects
// in the XML form (".vza", and every extension but "zva") or in the older
// binary form (".zva"), and always saves the XML form, atomically: a failed
// save leaves the old file as it was. It keeps the project's picture in the
// start folder in step with the project's name.
//
// What the document needs of the main frame (the options stored with every
// project, the start folder, the variant dialogs, the refresh after reading,
// the 3D view's picture) it asks through DokumentUmgebung, so it also works
// without a window.
#include "shell/HausAnbindung.h"

#include <QObject>
#include <QString>
#include <exception>

class QWidget;

namespace zeva {

class DokumentUmgebung {
public:
    virtual ~DokumentUmgebung() = default;
    // The options record that is stored with the project.
    virtual DOptionen& Optionen() = 0;
    // The folder the program was started in; the project pictures live there.
    virtual QString Startordner() const = 0;
    // Open variant dialogs hand their data over to the house; false when one
    // of them refuses (the close or replacement is then cancelled).
    virtual bool UebernimmVariantendaten() = 0;
    // Closes all variant dialogs and deletes the variants of the house.
    virtual void EntferneAlleVarianten() = 0;
    // Everything shows the house that was just read, at its stored step.
    virtual void AktualisiereMenue() = 0;
    // A read failed and the document is a new project again: everything
    // shows it as after File New.
    virtual void ZeigeNeuesProjekt() = 0;
    // Lets the 3D view write the project picture under the document's
    // present title; false when there is no 3D view to do it.
    virtual bool SpeichereAnsichtJpeg() = 0;
    // Parent of the document's message boxes and dialogs.
    virtual QWidget* Fenster() = 0;
};

class CZEVADoc : public QObject {
    Q_OBJECT
public:
    static constexpr const char* Unbenannt = "Unbenannt";
    static constexpr const char* FehlerOeffnen = "Fehler beim Öffnen des Dokuments.";
    static constexpr const char* FehlerSpeichern = "Fehler beim Speichern des Dokuments.";
    static constexpr const char* FrageSpeichern = "Änderungen in %1 speichern?";
    static constexpr const char* KeinBild = "Kein Bild vorhanden, bitte 3D-Ansicht aufrufen!";
    static constexpr const char* FrageErsetzen = "Die Datei „%1“ existiert bereits.\nSoll sie ersetzt werden?";

    explicit CZEVADoc(DokumentUmgebung& umgebung, QObject* parent = nullptr);
    ~CZEVADoc() override;

    // The house of the project; never absent.
    Haus& HausRef() const { return *m_pHaus; }
    Haus* GetHaus() const { return m_pHaus.get(); }

    // Framework operations of a document.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& pfad);
    bool OnSaveDocument(const QString& pfad);
    // The save question before the project is replaced or the program ends;
    // false when the user cancels.
    bool SaveModified();
    void OnCloseDocument();

    // File Save: Save As when the project has no path yet.
    bool DoFileSave();
    // Save As (an empty path asks for one) and, on success, take the path
    // written as the document's path.
    bool DoSave(const QString& pfad);

    // Opens a project as the framework's document manager does: the save
    // question first; on success the path and title are the file's, on
    // failure the document is a new untitled project.
    bool OeffneDatei(const QString& pfad);

    const QString& GetPathName() const { return m_strPfad; }
    const QString& GetTitle() const { return m_strTitel; }
    void SetTitle(const QString& titel);
    // Sets the path and the title (the file name); adds it to the recent list.
    void SetPathName(const QString& pfad);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool geaendert = true);

    // The file actually written for a path: "…zva" (any case) becomes "…vza".
    static QString SpeicherPfad(const QString& pfad);
    // True when the path is read in the older binary form ("zva", any case).
    static bool IstBinaerform(const QString& pfad);

signals:
    void titelGeaendert(const QString& titel);
    // A path became the document's path (open or save): for the recent list.
    void pfadGesetzt(const QString& pfad);
    void geaendertGeaendert(bool geaendert);
    // The house was replaced (new or open, also a failed open).
    void hausErsetzt();

private:
    void ErsetzeHaus();
    bool LeseProjekt(const QString& pfad);
    void MeldeFehler(const std::exception& fehler, const char* meldung);
    void KopiereBild(const QString& altesBild, const QString& neuesBild);
    bool DarfUeberschreiben(const QString& ziel) const;

    DokumentUmgebung& m_umgebung;
    HausZeiger m_pHaus;
    QString m_strPfad;
    QString m_strTitel;
    bool m_bModified = false;
};

} // namespace zeva
