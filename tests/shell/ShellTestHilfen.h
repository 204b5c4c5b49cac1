#pragma once
// Shared pieces of the shell's tests: the pinned screen of a test binary,
// a clean profile per test, project files written by hand, and a chooser
// that answers the file dialogs.
#include "shell/Dateiauswahl.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <deque>
#include <gtest/gtest.h>

namespace zeva::test {

// Pins the offscreen screen of this test binary to a configuration file of
// tests/data (set up before the application object exists).
class Bildschirm : public testing::Environment {
public:
    explicit Bildschirm(const char* datei) : m_datei(datei) {}
    void SetUp() override
    {
        if (qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + ZEVA_TEST_DATA_DIR "/" + m_datei);
    }

private:
    QByteArray m_datei;
};

// The profile under the program's names, emptied.
inline void LeeresProfil()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Welm-VKD"));
    QCoreApplication::setApplicationName(QStringLiteral("ZEVA"));
    QSettings profil;
    profil.clear();
    profil.sync();
}

// A project in the XML form, written as the program writes it.
inline QString ProjektXml(const QString& beschreibung, int phase, int baujahr = 1955, const QString& strasse = {},
                          const QString& ort = {})
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<VykeZeva><Haus><Version>10</Version>"
                          "<Beschreibung>%1</Beschreibung><Strasse>%2</Strasse><Ort>%3</Ort><Kommentar/>"
                          "<Baujahr>%4</Baujahr><Phase>%5</Phase></Haus><Optionen/></VykeZeva>")
        .arg(beschreibung.toHtmlEscaped(), strasse.toHtmlEscaped(), ort.toHtmlEscaped())
        .arg(baujahr)
        .arg(phase);
}

inline QString Datei(const QString& name)
{
    return QDir::current().absoluteFilePath(name);
}

inline void SchreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pfad.toStdString();
    datei.write(inhalt);
}

inline QByteArray LiesDatei(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

// Answers the file dialogs from planned paths (an empty path is Cancel) and
// records what they were asked.
class SkriptDateiauswahl final : public Dateiauswahl::Waehler {
public:
    SkriptDateiauswahl() { m_vorher = Dateiauswahl::SetzeWaehler(this); }
    ~SkriptDateiauswahl() override { Dateiauswahl::SetzeWaehler(m_vorher); }
    SkriptDateiauswahl(const SkriptDateiauswahl&) = delete;
    SkriptDateiauswahl& operator=(const SkriptDateiauswahl&) = delete;

    void Antworte(const QString& pfad) { m_antworten.push_back(pfad); }

    QString Oeffnen(QWidget*, const QStringList& filter) override
    {
        m_filter = filter;
        ++m_gefragt;
        return Naechste();
    }
    QString Speichern(QWidget*, const QString& vorschlag, const QStringList& filter) override
    {
        m_vorschlag = vorschlag;
        m_filter = filter;
        ++m_gefragt;
        return Naechste();
    }

    int Gefragt() const { return m_gefragt; }
    const QString& Vorschlag() const { return m_vorschlag; }
    const QStringList& Filter() const { return m_filter; }

private:
    QString Naechste()
    {
        if (m_antworten.empty())
            return {};
        QString pfad = m_antworten.front();
        m_antworten.pop_front();
        return pfad;
    }

    Dateiauswahl::Waehler* m_vorher = nullptr;
    std::deque<QString> m_antworten;
    QStringList m_filter;
    QString m_vorschlag;
    int m_gefragt = 0;
};

} // namespace zeva::test
