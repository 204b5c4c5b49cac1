#include "shell/CZEVADoc.h"

#include "model/CXmlArchive.h"
#include "platform/Meldung.h"
#include "ui/MeldungsNotifier.h"
#include "ui/WarteCursor.h"
#include "shell/Dateiauswahl.h"
#include "shell/ProjektBild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace zeva {

namespace {

QString Endung3(const QString& pfad)
{
    return pfad.right(3).toLower();
}

std::filesystem::path Dateipfad(const QString& pfad)
{
    return std::filesystem::path(pfad.toStdU16String());
}

} // namespace

CZEVADoc::CZEVADoc(DokumentUmgebung& umgebung, QObject* parent)
    : QObject(parent), m_umgebung(umgebung), m_pHaus(HausAnbindung::NeuesHaus())
{
}

CZEVADoc::~CZEVADoc() = default;

bool CZEVADoc::IstBinaerform(const QString& pfad)
{
    return Endung3(pfad) == QLatin1String("zva");
}

QString CZEVADoc::SpeicherPfad(const QString& pfad)
{
    if (!IstBinaerform(pfad))
        return pfad;
    return pfad.left(pfad.size() - 3) + QStringLiteral("vza");
}

void CZEVADoc::SetTitle(const QString& titel)
{
    m_strTitel = titel;
    emit titelGeaendert(m_strTitel);
}

void CZEVADoc::SetPathName(const QString& pfad)
{
    const QFileInfo info(pfad);
    m_strPfad = info.absoluteFilePath();
    SetTitle(info.fileName());
    emit pfadGesetzt(m_strPfad);
}

void CZEVADoc::SetModifiedFlag(bool geaendert)
{
    if (m_bModified == geaendert)
        return;
    m_bModified = geaendert;
    emit geaendertGeaendert(m_bModified);
}

void CZEVADoc::ErsetzeHaus()
{
    // The old house goes first, so nothing of it can mix with the new one.
    m_pHaus.reset();
    m_pHaus = HausAnbindung::NeuesHaus();
    emit hausErsetzt();
}

bool CZEVADoc::OnNewDocument()
{
    m_strPfad.clear();
    SetModifiedFlag(false);
    SetTitle(QString::fromUtf8(Unbenannt));
    ErsetzeHaus();
    return true;
}

bool CZEVADoc::LeseProjekt(const QString& pfad)
{
    // The options are read into a copy and handed to the frame only when the
    // whole file was read: a damaged file changes nothing of them.
    OptionenZeiger optionen = HausAnbindung::NeueOptionen();
    HausAnbindung::KopiereOptionen(*optionen, m_umgebung.Optionen());
    try {
        WarteCursor warten;
        MeldungsNotifier notifier(m_umgebung.Fenster());
        HausZeiger neu = HausAnbindung::OeffneProjekt(Dateipfad(pfad), *optionen, notifier);
        m_pHaus = std::move(neu);
        emit hausErsetzt();
    } catch (const std::exception& fehler) {
        MeldeFehler(fehler, FehlerOeffnen);
        return false;
    }
    HausAnbindung::KopiereOptionen(m_umgebung.Optionen(), *optionen);
    SetModifiedFlag(false);
    return true;
}

void CZEVADoc::MeldeFehler(const std::exception& fehler, const char* meldung)
{
    // The reader's or writer's own reason first, then what failed.
    const auto* xml = dynamic_cast<const CXmlArchiveException*>(&fehler);
    Meldung::Hinweis(xml ? QString::fromStdString(xml->GetErrorMessage()) : QString::fromUtf8(fehler.what()),
                     Meldung::Symbol::Vorgabe, m_umgebung.Fenster());
    Meldung::Hinweis(QString::fromUtf8(meldung), Meldung::Symbol::Vorgabe, m_umgebung.Fenster());
}

bool CZEVADoc::OnOpenDocument(const QString& pfad)
{
    // A failed read leaves a new empty house, never a half-read one mixed
    // with the project before.
    ErsetzeHaus();
    SetModifiedFlag(true);
    if (!LeseProjekt(pfad))
        return false;
    m_umgebung.AktualisiereMenue();
    return true;
}

void CZEVADoc::KopiereBild(const QString& altesBild, const QString& neuesBild)
{
    // QFile::copy never overwrites; a failed copy is not worth a message.
    QFile::remove(neuesBild);
    QFile::copy(altesBild, neuesBild);
}

bool CZEVADoc::OnSaveDocument(const QString& pfad)
{
    // The old picture name comes from the title before the document takes
    // its new name.
    const QString startordner = m_umgebung.Startordner();
    const QString altesBild = ProjektBildAusTitel(startordner, m_strTitel);
    const QString datei = SpeicherPfad(pfad);
    try {
        WarteCursor warten;
        HausAnbindung::SpeichereProjekt(Dateipfad(datei), *m_pHaus, m_umgebung.Optionen());
    } catch (const std::exception& fehler) {
        MeldeFehler(fehler, FehlerSpeichern);
        return false;
    }
    SetModifiedFlag(false);

    const QString neuesBild = ProjektBildAusPfad(startordner, pfad);
    if (neuesBild != altesBild) {
        QFile alt(altesBild);
        if (alt.open(QIODevice::ReadOnly)) {
            alt.close();
            KopiereBild(altesBild, neuesBild);
        } else if (HausAnbindung::Phase(*m_pHaus) >= 15) {
            // From the 3D step on the house has its 3D view, which renders
            // the picture now; only a project without one is told that it
            // has no picture.
            if (m_umgebung.SpeichereAnsichtJpeg())
                KopiereBild(altesBild, neuesBild);
            else if (HausAnbindung::Phase(*m_pHaus) > 15)
                Meldung::Hinweis(QString::fromUtf8(KeinBild), Meldung::Symbol::Vorgabe, m_umgebung.Fenster());
        }
    }
    return true;
}

bool CZEVADoc::SaveModified()
{
    // Data still in open variant dialogs belongs to the project before the
    // question is asked, or it would be lost on Yes.
    if (!m_umgebung.UebernimmVariantendaten())
        return false;
    if (m_bModified) {
        const QMessageBox::StandardButton antwort =
            Meldung::Zeige(QString::fromUtf8(FrageSpeichern).arg(m_strTitel),
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Meldung::Symbol::Frage,
                           QMessageBox::Yes, m_umgebung.Fenster());
        if (antwort == QMessageBox::Cancel)
            return false;
        if (antwort == QMessageBox::Yes && !DoFileSave())
            return false;
    }
    m_umgebung.EntferneAlleVarianten();
    return true;
}

bool CZEVADoc::DoFileSave()
{
    const QFileInfo info(m_strPfad);
    if (m_strPfad.isEmpty() || (info.exists() && !info.isWritable()))
        return DoSave(QString());
    return DoSave(m_strPfad);
}

bool CZEVADoc::DarfUeberschreiben(const QString& ziel) const
{
    // A path in the older form is written under the XML name. The file
    // chooser asked about the name the user gave, not about that one, and a
    // plain Save of a project read from ".zva" asks nothing at all: an
    // existing XML project of that name may hold weeks of other work.
    const QString datei = SpeicherPfad(ziel);
    if (datei == ziel)
        return true;
    const QFileInfo info(datei);
    if (!info.exists())
        return true;
    if (!m_strPfad.isEmpty() && info.absoluteFilePath() == QFileInfo(m_strPfad).absoluteFilePath())
        return true;
    return Meldung::Frage(QString::fromUtf8(FrageErsetzen).arg(QDir::toNativeSeparators(datei)),
                          QMessageBox::No, Meldung::Symbol::Frage, m_umgebung.Fenster());
}

bool CZEVADoc::DoSave(const QString& pfad)
{
    QString ziel = pfad;
    for (;;) {
        if (ziel.isEmpty()) {
            QString vorschlag = m_strTitel;
            if (QFileInfo(vorschlag).suffix().isEmpty())
                vorschlag += QStringLiteral(".vza");
            // A project that has a file is saved again beside it by default.
            if (!m_strPfad.isEmpty())
                vorschlag = QFileInfo(m_strPfad).dir().filePath(vorschlag);
            ziel = Dateiauswahl::Speichern(m_umgebung.Fenster(), vorschlag, Dateiauswahl::SpeichernFilter());
            if (ziel.isEmpty())
                return false;
        }
        if (DarfUeberschreiben(ziel))
            break;
        ziel.clear(); // "Nein": the user names another file
    }
    if (!OnSaveDocument(ziel))
        return false;
    // The document takes the name of the file actually written, so that
    // reopening it from the recent list loads what was saved.
    SetPathName(SpeicherPfad(ziel));
    return true;
}

bool CZEVADoc::OeffneDatei(const QString& pfad)
{
    if (!SaveModified())
        return false;
    if (OnOpenDocument(pfad)) {
        SetPathName(pfad);
        return true;
    }
    OnNewDocument();
    m_umgebung.ZeigeNeuesProjekt();
    return false;
}

void CZEVADoc::OnCloseDocument()
{
    m_pHaus.reset();
}

} // namespace zeva
