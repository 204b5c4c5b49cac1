#include "shell/QtProfil.h"

#include <QByteArray>
#include <QVariant>

namespace zeva {

namespace {

QString Schluessel(const std::string& abschnitt, const std::string& eintrag)
{
    return QString::fromStdString(abschnitt) + QLatin1Char('/') + QString::fromStdString(eintrag);
}

bool IstBinaer(const QVariant& v)
{
    return v.typeId() == QMetaType::QByteArray;
}

} // namespace

QtProfil::QtProfil() : m_settings(std::make_unique<QSettings>(QStringLiteral("Welm-VKD"), QStringLiteral("ZEVA")))
{
}

QtProfil::QtProfil(const QString& iniDatei) : m_settings(std::make_unique<QSettings>(iniDatei, QSettings::IniFormat))
{
}

QtProfil::~QtProfil() = default;

QString QtProfil::Dateiname() const
{
    return m_settings->fileName();
}

bool QtProfil::Schreibe(const std::string& abschnitt, const std::string& eintrag, const QVariant& wert)
{
    if (!m_settings->isWritable())
        return false;
    m_settings->setValue(Schluessel(abschnitt, eintrag), wert);
    // Written through at once, so that a failure is seen by the writer.
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

std::optional<QVariant> QtProfil::Lese(const std::string& abschnitt, const std::string& eintrag) const
{
    const QString schluessel = Schluessel(abschnitt, eintrag);
    if (!m_settings->contains(schluessel))
        return std::nullopt;
    return m_settings->value(schluessel);
}

bool QtProfil::SchreibeInt(const std::string& abschnitt, const std::string& eintrag, int wert)
{
    return Schreibe(abschnitt, eintrag, QVariant(wert));
}

bool QtProfil::SchreibeString(const std::string& abschnitt, const std::string& eintrag, const std::string& wert)
{
    return Schreibe(abschnitt, eintrag, QVariant(QString::fromStdString(wert)));
}

bool QtProfil::SchreibeBinaer(const std::string& abschnitt, const std::string& eintrag,
                              std::span<const std::uint8_t> bytes)
{
    const QByteArray daten(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    return Schreibe(abschnitt, eintrag, QVariant(daten));
}

std::optional<int> QtProfil::LeseInt(const std::string& abschnitt, const std::string& eintrag) const
{
    const std::optional<QVariant> v = Lese(abschnitt, eintrag);
    if (!v || IstBinaer(*v))
        return std::nullopt;
    bool ok = false;
    const int wert = v->toInt(&ok);
    if (!ok)
        return std::nullopt;
    return wert;
}

std::optional<std::string> QtProfil::LeseString(const std::string& abschnitt, const std::string& eintrag) const
{
    const std::optional<QVariant> v = Lese(abschnitt, eintrag);
    if (!v || IstBinaer(*v) || !v->canConvert<QString>())
        return std::nullopt;
    return v->toString().toStdString();
}

std::optional<std::vector<std::uint8_t>> QtProfil::LeseBinaer(const std::string& abschnitt,
                                                              const std::string& eintrag) const
{
    const std::optional<QVariant> v = Lese(abschnitt, eintrag);
    if (!v || !IstBinaer(*v))
        return std::nullopt;
    const QByteArray daten = v->toByteArray();
    return std::vector<std::uint8_t>(daten.begin(), daten.end());
}

} // namespace zeva
