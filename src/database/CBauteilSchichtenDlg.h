#pragma once
// The layer list of a build-up that is about to be stored: one dialog for
// the five opaque kinds ("Schichten im Bodenaufbau" ... "Schichten im
// Wandaufbau"), run by the storing dialog on its own copy of the record.
//
// The user picks a layer by its number, counted from the inside (1 to 99),
// and edits its name, λ, thickness (cm), µ and description. The dialog edits
// the given layer list in place: the fields go into the shown layer when the
// number changes and on "Schließe&n"; Escape and the close box drop only
// what was typed since the last change of the number. A number beyond the
// end grows the list with empty layers (the storing dialog drops trailing
// empty layers afterwards); a number above 99 is taken as 99. A layer's
// picture is neither shown nor changed.
#include "database/Bauteilart.h"
#include "model/CObjektArray.h"
#include "model/DSchicht.h"
#include "ui/DatenDialog.h"

#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace zeva {

class CBauteilSchichtenDlg final : public DatenDialog {
public:
    static constexpr int HoechsteSchicht = 99;

    // schichten: the storing dialog's layers (given at least one layer;
    // an empty list gets one empty layer). They must outlive the dialog.
    CBauteilSchichtenDlg(Bauteilart art, CObjektArray<DSchicht>& schichten, QWidget* parent = nullptr);

    // "Schichten im Bodenaufbau" and its twins.
    static QString Titel(Bauteilart art);

    // The number of the shown layer, 1 for the innermost.
    int m_nSchicht = 0;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DatenAustausch& dx) override;
    void OnOK() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // With true: the fields into the layer shown so far; false (and nothing
    // written) when a field check failed. With false: shows layer m_nSchicht.
    bool TauscheSchicht(bool speichern);
    void OnChangeSchichtNr();
    void Schritt(int richtung);

    CObjektArray<DSchicht>& m_schichten;

    double m_dDicke = 0; // cm
    double m_dLambda = 0;
    double m_dMu = 0;
    std::string m_strLangtext;
    std::string m_strName;

    QLineEdit* m_SchichtNrEdit;
    QLineEdit* m_NameEdit;
    QLineEdit* m_LambdaEdit;
    QLineEdit* m_DickeEdit;
    QLineEdit* m_MuEdit;
    QPlainTextEdit* m_LangtextEdit;
};

using CBodenSchichtenDlg = CBauteilSchichtenDlg;
using CDeckeSchichtenDlg = CBauteilSchichtenDlg;
using CFlachdachSchichtenDlg = CBauteilSchichtenDlg;
using CSteildachSchichtenDlg = CBauteilSchichtenDlg;
using CWandSchichtenDlg = CBauteilSchichtenDlg;

} // namespace zeva
