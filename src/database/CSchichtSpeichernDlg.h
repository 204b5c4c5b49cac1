#pragma once
// "Schicht in Datenbank speichern": stores the layer the user edits as one of
// his own layer materials ([Kategorie] 0) in the existing-components data
// base. The caller presets name, λ and µ from its layer; description and
// picture start empty. A name stored twice gives two rows. Nothing goes back
// to the caller; Gespeichert() tells whether a row was written.
#include "database/CDatenbankDialog.h"

#include <memory>
#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace zeva {

class DBODBCSchichtSet;
class DSchicht;

class CSchichtSpeichernDlg final : public CDatenbankDialog {
public:
    static constexpr int MaxNamenslaenge = 30;

    explicit CSchichtSpeichernDlg(QWidget* parent = nullptr);
    // Presets name, λ and µ from the layer.
    explicit CSchichtSpeichernDlg(const DSchicht& schicht, QWidget* parent = nullptr);
    ~CSchichtSpeichernDlg() override;

    double m_Lambda = 0; // W/(mK)
    std::string m_Langtext;
    std::string m_Name;
    std::string m_Bitmappfad; // relative to the program folder
    double m_Mu = 0;

    bool Gespeichert() const { return m_gespeichert; }

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;

private:
    std::unique_ptr<DBODBCSchichtSet> m_pSchichtSet;
    bool m_gespeichert = false;

    QLineEdit* m_NameEdit;
    QLineEdit* m_LambdaEdit;
    QLineEdit* m_MuEdit;
    QPlainTextEdit* m_LangtextEdit;
    QLineEdit* m_BitmappfadEdit;
};

} // namespace zeva
