#pragma once
// The variant dialog in the started program: a house with components of
// every group and a boiler, the frame on the renovation step, a copy of the
// shipped renovation-measure data base in the test's folder, the Glaser
// display recorded, and the helpers that find and drive the dialog's pages.
#include "SanierungsTestDaten.h"

#include "database/CSanierungDBDlg.h"
#include "database/Datenbankdateien.h"
#include "renovation/COpakSanDlg.h"
#include "renovation/CSanierungVarianteDlg.h"
#include "shell/Befehle.h"
#include "shell/CZEVAView.h"
#include "shell/RahmenTestHilfen.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <sqlite3.h>
#include <unistd.h>

namespace zeva::test {

inline DSchicht Lage(const char* name, double d, double lambda, double mu)
{
    DSchicht s;
    s.Name = name;
    s.Dicke = d;
    s.Lambda = lambda;
    s.Mu = mu;
    return s;
}

// A brick wall that condenses once mineral wool goes in behind its plaster.
inline DWand Mauerwand(double flaeche)
{
    DWand w = Opak<DWand>(flaeche, 1.2);
    w.Name = "Mauerwerk";
    w.Kurzname = "W";
    w.Schicht = 1;
    w.m_Schichtaufbau.Add(Lage("Kalkputz", 0.015, 0.7, 10));
    w.m_Schichtaufbau.Add(Lage("Mauerwerk", 0.24, 0.8, 10));
    w.m_Schichtaufbau.Add(Lage("Außenputz", 0.02, 0.87, 20));
    return w;
}

inline void SqlAus(const std::filesystem::path& datei, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(datei.c_str(), &db), SQLITE_OK);
    char* fehler = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &fehler), SQLITE_OK) << (fehler ? fehler : "");
    sqlite3_free(fehler);
    sqlite3_close(db);
}

// Text of one column of the first row the query gives.
inline std::string Spalte(const std::filesystem::path& datei, const std::string& sql)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(datei.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr), SQLITE_OK) << sql;
    std::string text = "<keine Zeile>";
    if (sqlite3_step(s) == SQLITE_ROW)
        text = sqlite3_column_type(s, 0) == SQLITE_NULL ? "<NULL>"
                                                         : reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    sqlite3_finalize(s);
    sqlite3_close(db);
    return text;
}

class VariantenDialog : public GestartetesProgramm {
protected:
    void SetUp() override
    {
        GestartetesProgramm::SetUp();
        // A copy of the shipped data base in this test's own folder.
        datenbank = ProcessTempDir() / "San2kvyke.db";
        std::filesystem::remove(datenbank);
        std::filesystem::copy_file(std::filesystem::path(ZEVA_BUILT_DB_DIR) / "San2kvyke.db", datenbank);
        SetzeSanierungsdatenbankdatei(datenbank);
        COpakSanDlg::SetzeGlaserAnzeige([this](const CGlaser&, QWidget* eltern) { glaserEltern = eltern; ++glaser; });

        Haus& h = H();
        ReferenzHausMitKessel(h);
        h.m_aHeizung[0].Sanbar = 1;
        h.m_aWand[0].Name = "Alt";
        h.m_aWand.Add(Mauerwand(12.5));
        h.m_aWand.Add(Mauerwand(20));
        h.m_aFlachdach.Add(Opak<DFlachdach>(30, 0.6));
        h.m_aSteildach.Add(Opak<DSteildach>(40, 0.7));
        h.m_aDecke.Add(Opak<DDecke>(10, 0.9, 2));
        h.m_aBoden.Add(Opak<DBoden>(10, 1.0, 3));
        h.Phase = 19;
        rahmen->ZeigeSchritt();
        rahmen->Optionen() = Optionen(0, 0);
    }
    void TearDown() override
    {
        COpakSanDlg::SetzeGlaserAnzeige({});
        SetzeSanierungsdatenbankdatei({});
        GestartetesProgramm::TearDown();
    }

    Haus& H() const { return Dok().HausRef(); }
    CSanierungVarianteDlg* Dialog(int n) const
    {
        return dynamic_cast<CSanierungVarianteDlg*>(rahmen->Variantendialog(n));
    }
    CSanierungVarianteDlg* NeuManuell()
    {
        rahmen->Befehl(ID_NEU_MANUELL);
        return Dialog(H().Varianten);
    }
    static QTabWidget* Tabs(QDialog* d) { return FindeId<QTabWidget>(d, 1156); }
    static QStringList TabTexte(QDialog* d)
    {
        QStringList texte;
        for (int i = 0; i < Tabs(d)->count(); ++i)
            texte << Tabs(d)->tabText(i);
        return texte;
    }
    static QPushButton* Knopf(QWidget* d, int id) { return FindeId<QPushButton>(d, id); }
    static COpakSanDlg* Seite(CSanierungVarianteDlg* d, int tab) { return dynamic_cast<COpakSanDlg*>(d->Seite(tab)); }
    static QTreeWidget* Liste(COpakSanDlg* s) { return FindeId<QTreeWidget>(s, 1110); }
    static void Waehle(QTreeWidget* liste, std::initializer_list<int> zeilen)
    {
        liste->clearSelection();
        bool erste = true;
        for (int z : zeilen) {
            if (erste)
                liste->setCurrentItem(liste->topLevelItem(z));
            liste->topLevelItem(z)->setSelected(true);
            erste = false;
        }
    }
    static QString Zelle(COpakSanDlg* s, int zeile, int spalte)
    {
        return Liste(s)->topLevelItem(zeile)->text(spalte);
    }
    // Runs the page's "Aus DB" and picks `name` in the browse dialog (or
    // cancels it when name is empty).
    void AusDB(COpakSanDlg* seite, const QString& name)
    {
        BeiModalemDialog([name](QDialog* d) {
            auto* liste = FindeId<QComboBox>(d, 1106);
            if (name.isEmpty()) {
                d->reject();
                return;
            }
            const int i = liste->findText(name);
            ASSERT_GE(i, 0) << name.toStdString();
            liste->setCurrentIndex(i);
            emit liste->activated(i);
            Knopf(d, 1)->click();
        });
        seite->OnAusDB();
    }

    std::filesystem::path datenbank;
    int glaser = 0;
    QWidget* glaserEltern = nullptr;
};

} // namespace zeva::test
