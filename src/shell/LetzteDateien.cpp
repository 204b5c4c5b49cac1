#include "shell/LetzteDateien.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zeva {

namespace {

QString Sauber(const QString& pfad)
{
    if (pfad.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
}

QString Eintrag(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}

} // namespace

LetzteDateien::LetzteDateien()
{
    Lade();
}

void LetzteDateien::Lade()
{
    m_pfade.clear();
    QSettings profil;
    profil.beginGroup(QString::fromLatin1(Abschnitt));
    for (int i = 0; i < MaxEintraege; ++i) {
        const QString pfad = profil.value(Eintrag(i)).toString();
        if (!pfad.isEmpty() && !m_pfade.contains(pfad))
            m_pfade.append(pfad);
    }
}

void LetzteDateien::Schreibe() const
{
    QSettings profil;
    profil.beginGroup(QString::fromLatin1(Abschnitt));
    for (int i = 0; i < MaxEintraege; ++i) {
        if (i < m_pfade.size())
            profil.setValue(Eintrag(i), m_pfade[i]);
        else
            profil.remove(Eintrag(i));
    }
    profil.endGroup();
    profil.sync();
}

void LetzteDateien::Hinzufuegen(const QString& pfad)
{
    const QString sauber = Sauber(pfad);
    if (sauber.isEmpty())
        return;
    m_pfade.removeAll(sauber);
    m_pfade.prepend(sauber);
    while (m_pfade.size() > MaxEintraege)
        m_pfade.removeLast();
    Schreibe();
}

void LetzteDateien::Entfernen(const QString& pfad)
{
    if (m_pfade.removeAll(pfad) + m_pfade.removeAll(Sauber(pfad)) > 0)
        Schreibe();
}

QString LetzteDateien::Anzeigeform(const QString& pfad, int maxLaenge)
{
    QString text = QDir::cleanPath(pfad);
    const QString heim = QDir::cleanPath(QDir::homePath());
    if (!heim.isEmpty() && heim != QStringLiteral("/")
        && (text == heim || text.startsWith(heim + QLatin1Char('/'))))
        text = QStringLiteral("~") + text.mid(heim.size());

    if (text.size() <= maxLaenge)
        return text;
    // Keep the first folder and the file name; what lies between gives way.
    const QString name = QFileInfo(text).fileName();
    const int ersterSchnitt = text.indexOf(QLatin1Char('/'), 1);
    const QString anfang = ersterSchnitt > 0 ? text.left(ersterSchnitt + 1) : QString();
    const QString gekuerzt = anfang + QStringLiteral("…/") + name;
    return gekuerzt.size() < text.size() ? gekuerzt : text;
}

} // namespace zeva
