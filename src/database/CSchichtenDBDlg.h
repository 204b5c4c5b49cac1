#pragma once
// "Schichten-Datenbank": takes a layer material from the existing-components
// data base into the layer the user edits.
//
// The user picks a category, then a material of it; the material's thermal
// conductivity is shown. On "Über&nehmen" the dialog ends Accepted and the
// caller reads the chosen material (Auswahl, or UebernimmIn for a layer:
// name, description, λ and µ; the layer's thickness and picture stay).
// Under the category "Benutzerdefiniert" the user's own materials can be
// deleted; a delivered material of the same name elsewhere is never touched.
#include "database/BestandZeilen.h"
#include "database/CDatenbankDialog.h"

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;

namespace zeva {

class DBODBCKategorieSet;
class DBODBCSchichtSet;
class DSchicht;

class CSchichtenDBDlg final : public CDatenbankDialog {
public:
    // The category whose materials the user may delete, compared exactly.
    static constexpr const char* BenutzerKategorie = "Benutzerdefiniert";

    explicit CSchichtenDBDlg(QWidget* parent = nullptr);
    ~CSchichtenDBDlg() override;

    // After Accepted: the chosen material row.
    const SchichtmaterialZeile& Auswahl() const { return m_auswahl; }
    std::string GetName() const { return m_auswahl.Name; }
    std::string GetLangtext() const { return m_auswahl.Langtext; }
    // Copies name, description, λ and µ of the chosen material into the layer.
    void UebernimmIn(DSchicht& schicht) const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void FuelleKategorien();
    void FuelleSchichten();
    void ZeigeSchicht();
    void OnLoeschen();
    // [Kennummer] of the selected category; false when there is none.
    bool GewaehlteKategorie(int& kennummer);
    // Puts the material set on the first row of the name in the category
    // (members cleared and false when there is none).
    bool SucheMaterial(int kennummer, const std::string& name);

    std::unique_ptr<DBODBCSchichtSet> m_pSchichtSet;
    std::unique_ptr<DBODBCKategorieSet> m_pKategorieSet;
    SchichtmaterialZeile m_auswahl;
    bool m_gefunden = false;

    QComboBox* m_KategorieCombo;
    QComboBox* m_BezeichnungCombo;
    QLabel* m_LambdaText;
    QPushButton* m_UebernehmenButton;
    QPushButton* m_LoeschenButton;
};

} // namespace zeva
