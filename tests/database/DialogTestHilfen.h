#pragma once
// What the data-base dialog tests share: the fixture data base of the
// dialogs, pointing the dialogs at a file for one test, finding controls by
// id, choosing a list entry as the user does, and saving a picture of a
// dialog when ZEVA_BILDER_ORDNER names a folder.
#include "database/DatenbankFixture.h"
#include "database/Datenbankdateien.h"
#include "database/OhneDatenordner.h"
#include "ui/SteuerelementId.h"

#include <QComboBox>
#include <QDialog>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>

namespace zeva::test {

inline std::filesystem::path DialogFixture(const std::string& name, const std::string& extraSql = {})
{
    return BaueDatenbank(name, {Schema("Bestand2000.1-schema.sql"), Fixture("bestand.sql"),
                                Fixture("bestand-dialoge.sql")},
                         extraSql);
}

// Points the dialogs at a data-base file while it lives.
class Bestandsdatei {
public:
    explicit Bestandsdatei(const std::filesystem::path& datei) { SetzeBestandsdatenbankdatei(datei); }
    ~Bestandsdatei() { SetzeBestandsdatenbankdatei({}); }
    Bestandsdatei(const Bestandsdatei&) = delete;
    Bestandsdatei& operator=(const Bestandsdatei&) = delete;
};

template <typename T = QWidget>
T* Id(const QWidget& dialog, int id)
{
    T* w = FindeId<T>(&dialog, id);
    EXPECT_NE(w, nullptr) << "id " << id;
    return w;
}

inline QStringList Eintraege(const QComboBox* liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->itemText(i);
    return texte;
}

// Selects the entry at the index as a choice in the open list does.
inline void Waehle(QComboBox* liste, int index)
{
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

inline void Waehle(QComboBox* liste, const QString& text)
{
    const int index = liste->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << text.toStdString();
    Waehle(liste, index);
}

// Runs exec() and fails (closing the dialog) when it shows the dialog,
// which an immediate take-over must never do.
inline int ExecOhneAnzeige(QDialog& dialog, bool& gezeigt)
{
    gezeigt = false;
    QTimer::singleShot(0, &dialog, [&] {
        if (dialog.isVisible()) {
            gezeigt = true;
            dialog.done(-1);
        }
    });
    const int ergebnis = dialog.exec();
    return ergebnis;
}

// Number of rows the condition selects in a table of the file.
inline int Zeilen(const std::filesystem::path& datei, const std::string& sql)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(datei.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
    int n = -1;
    if (sqlite3_step(stmt) == SQLITE_ROW)
        n = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return n;
}

inline void Bild(QWidget& dialog, const char* name)
{
    const QPixmap bild = dialog.grab();
    EXPECT_FALSE(bild.isNull()) << name;
    const QByteArray ordner = qgetenv("ZEVA_BILDER_ORDNER");
    if (!ordner.isEmpty())
        bild.save(QString::fromLocal8Bit(ordner) + "/" + name + ".png");
}

} // namespace zeva::test
