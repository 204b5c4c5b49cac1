#pragma once
// The user's profile in a settings file of the user's configuration folder
// (organisation "Welm-VKD", application "ZEVA": ~/.config/Welm-VKD/ZEVA.conf
// under XDG_CONFIG_HOME). Sections are groups of the file. Byte strings are
// stored in Qt's byte-array form and are a kind of their own; integers and
// strings share the file's text form, so a string that reads as a whole
// number also reads as an integer.
#include "model/Profil.h"

#include <QSettings>
#include <QString>
#include <memory>

namespace zeva {

class QtProfil final : public Profil {
public:
    // The program's own profile.
    QtProfil();
    // A profile in the given INI file (other tools, tests).
    explicit QtProfil(const QString& iniDatei);
    ~QtProfil() override;

    QString Dateiname() const;

    bool SchreibeInt(const std::string& abschnitt, const std::string& eintrag, int wert) override;
    bool SchreibeString(const std::string& abschnitt, const std::string& eintrag,
                        const std::string& wert) override;
    bool SchreibeBinaer(const std::string& abschnitt, const std::string& eintrag,
                        std::span<const std::uint8_t> bytes) override;

    std::optional<int> LeseInt(const std::string& abschnitt, const std::string& eintrag) const override;
    std::optional<std::string> LeseString(const std::string& abschnitt, const std::string& eintrag) const override;
    std::optional<std::vector<std::uint8_t>> LeseBinaer(const std::string& abschnitt,
                                                        const std::string& eintrag) const override;

private:
    bool Schreibe(const std::string& abschnitt, const std::string& eintrag, const QVariant& wert);
    std::optional<QVariant> Lese(const std::string& abschnitt, const std::string& eintrag) const;

    std::unique_ptr<QSettings> m_settings;
};

} // namespace zeva
