#include "database/CSchichtSpeichernDlg.h"

#include "database/Bestandsdatenbank.h"
#include "database/DBODBCKategorieSet.h"
#include "database/DBODBCSchichtSet.h"
#include "database/Datenbankdateien.h"
#include "model/DSchicht.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

CSchichtSpeichernDlg::CSchichtSpeichernDlg(QWidget* parent) : CDatenbankDialog(parent)
{
    setWindowTitle(QStringLiteral("Schicht in Datenbank speichern"));

    m_NameEdit = ErzeugeMitId<QLineEdit>(this, 1106);
    m_LambdaEdit = ErzeugeMitId<QLineEdit>(this, 1108);
    m_MuEdit = ErzeugeMitId<QLineEdit>(this, 1109);
    const Beschreibungsfelder felder = ErzeugeBeschreibungsfelder();
    m_LangtextEdit = felder.langtext;
    m_BitmappfadEdit = felder.bildpfad;
    QPushButton* durchsuchen = felder.durchsuchen;

    auto* gitter = new QGridLayout;
    auto zeile = [&](int z, const QString& text, QWidget* feld, int spalten = 2) {
        auto* label = new QLabel(text, this);
        label->setBuddy(feld);
        gitter->addWidget(label, z, 0, Qt::AlignLeft | Qt::AlignTop);
        gitter->addWidget(feld, z, 1, 1, spalten);
    };
    zeile(0, QStringLiteral("Na&me \n (max. 30 Zeichen):"), m_NameEdit);
    zeile(1, QStringLiteral("&Lambda:"), m_LambdaEdit);
    zeile(2, QStringLiteral("µ:"), m_MuEdit);
    zeile(3, QStringLiteral("&Beschreibung:"), m_LangtextEdit);
    zeile(4, QStringLiteral("&Pfad für Abbildung:"), m_BitmappfadEdit, 1);
    gitter->addWidget(durchsuchen, 4, 2);
    gitter->setColumnStretch(1, 1);

    SetzeFelderLayout(gitter, ErzeugeSpeicherspalte(QStringLiteral("Über&nehmen")).spalte, 480);

}

CSchichtSpeichernDlg::CSchichtSpeichernDlg(const DSchicht& schicht, QWidget* parent) : CSchichtSpeichernDlg(parent)
{
    m_Name = schicht.Name;
    m_Lambda = schicht.Lambda;
    m_Mu = schicht.Mu;
}

CSchichtSpeichernDlg::~CSchichtSpeichernDlg() = default;

void CSchichtSpeichernDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Zahl(m_LambdaEdit, m_Lambda, 0, Schichtwerthoechstwert);
    dx.Text(m_LangtextEdit, m_Langtext);
    dx.Text(m_NameEdit, m_Name, MaxNamenslaenge);
    dx.Text(m_BitmappfadEdit, m_Bitmappfad);
    dx.Zahl(m_MuEdit, m_Mu, 0, Schichtwerthoechstwert);
}

bool CSchichtSpeichernDlg::OnInitDialog()
{
    DatenDialog::OnInitDialog();
    m_pSchichtSet = std::make_unique<DBODBCSchichtSet>();
    m_pSchichtSet->m_strFilter = std::string("0");
    if (!OeffneZumSpeichern(Bestandsdatenbankdatei(), {m_pSchichtSet.get()}))
        EndDialog(QDialog::Rejected);
    return true;
}

void CSchichtSpeichernDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    SchichtmaterialZeile zeile;
    zeile.Kategorie = DBODBCKategorieSet::Benutzerdefiniert;
    zeile.Name = m_Name;
    zeile.Langtext = m_Langtext;
    zeile.Lambda = m_Lambda;
    zeile.Mu = m_Mu;
    zeile.Bitmappfad = m_Bitmappfad;
    // A failed store keeps the dialog open with everything typed.
    if (!Speichere([&] { SpeichereSchichtmaterial(Datenbank(), zeile); }))
        return;
    m_gespeichert = true;
    EndDialog(QDialog::Accepted);
}

} // namespace zeva
