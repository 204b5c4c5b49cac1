#include "shell/StartseitenLinks.h"

#include "shell/Befehle.h"
#include "shell/LetzteDateien.h"

#include <QFileInfo>
#include <QUrl>
#include <cctype>
#include <array>
#include <utility>

namespace zeva {

namespace {

const QString& Schema()
{
    static const QString s = QString::fromLatin1(ZevaSchema);
    return s;
}

// Decodes "%xx" sequences as UTF-8; a lone "%" or bad hex digits are not an
// encoding and fail, as does a path beyond the file system's limit.
bool Dekodiere(const QString& text, QString& ergebnis)
{
    const QByteArray roh = text.toUtf8();
    for (qsizetype i = 0; i < roh.size(); ++i) {
        if (roh[i] != '%')
            continue;
        if (i + 2 >= roh.size() || !std::isxdigit(static_cast<unsigned char>(roh[i + 1]))
            || !std::isxdigit(static_cast<unsigned char>(roh[i + 2])))
            return false;
        i += 2;
    }
    ergebnis = QString::fromUtf8(QByteArray::fromPercentEncoding(roh));
    return ergebnis.size() <= MaxPfadLaenge;
}

} // namespace

bool IstZevaLink(const QString& link)
{
    return link.startsWith(Schema(), Qt::CaseSensitive);
}

int BefehlFuerFragment(const QString& fragment)
{
    static const std::array<std::pair<const char*, int>, 7> tabelle{{
        {"new", ID_FILE_NEW},
        {"open", ID_FILE_OPEN},
        {"auto-san", ID_NEU_PROGRAMM},
        {"manu-san", ID_NEU_MANUELL},
        {"eingabe", ID_ZURUECK_ZUR_EINGABE},
        {"grafik", ID_BESTAND},
        {"report", ID_BESTAND},
    }};
    for (const auto& [name, id] : tabelle)
        if (fragment == QLatin1String(name))
            return id;
    return WM_FLAECHENANSICHT;
}

LinkZiel DeuteZevaLink(const QString& link)
{
    const QString rest = link.mid(Schema().size());
    const qsizetype raute = rest.indexOf(QLatin1Char('#'));
    if (raute >= 0)
        return LinkBefehl{BefehlFuerFragment(rest.mid(raute + 1))};
    QString pfad;
    if (!Dekodiere(rest, pfad))
        return LinkUngueltig{};
    return LinkDatei{pfad};
}

QString StatusTextFuerLink(const QString& link)
{
    if (!IstZevaLink(link))
        return link;
    const QString rest = link.mid(Schema().size());
    QString text;
    return Dekodiere(rest, text) ? text : rest;
}

QString RecentEintrag(int i, const QString& pfad)
{
    const QString klasse = (i % 2 == 0 && !pfad.isEmpty()) ? QStringLiteral(" class=\"odd\"") : QString();
    const QString href = QString::fromLatin1(QUrl::toPercentEncoding(pfad));
    return QStringLiteral("<li%1><a accesskey=\"%2\" href=\"%3%4\" title=\"%5\">%6</a></li>")
        .arg(klasse)
        .arg(i)
        .arg(Schema(), href, LetzteDateien::Anzeigeform(pfad).toHtmlEscaped(),
             QFileInfo(pfad).completeBaseName().toHtmlEscaped());
}

QString RecentListe(const QStringList& pfade)
{
    QString html;
    for (int i = 0; i < pfade.size(); ++i)
        html += RecentEintrag(i, pfade[i]);
    return html;
}

QString FuelleRecentListe(const QString& seite, const QStringList& pfade)
{
    const QString marke = QString::fromLatin1(RecentMarke);
    const qsizetype stelle = seite.indexOf(marke);
    if (stelle < 0)
        return seite;
    QString ergebnis = seite;
    ergebnis.replace(stelle, marke.size(), RecentListe(pfade));
    return ergebnis;
}

} // namespace zeva
