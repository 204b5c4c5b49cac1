#pragma once
// Record sets on the layer tables [Bodenschicht], [Deckeschicht],
// [Flachdachschicht], [Steildachschicht] and [Wandschicht].
//
// One parameter, named after the type key (BodenIDParam ...); the layers of
// one type are read with Schluesselfilter() and the sort "Position".
// [Mu] of [Flachdachschicht] is a whole number: it is read cut toward zero.
#include "database/Bauteilart.h"
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

#include <memory>
#include <string>

namespace zeva {

class DBODBCSchichtaufbauSet : public SqlRecordset, public SchichtaufbauZeile {
public:
    static constexpr const char* Positionssortierung = "Position";

    DBODBCSchichtaufbauSet(SqlDatabase* db, Bauteilart art);

    Bauteilart Art() const { return m_art; }
    SchichtaufbauZeile Zeile() const { return *this; }

    // "[Boden-ID] = ?" and its twins.
    std::string Schluesselfilter() const;

    // The kind's parameter (BodenIDParam ...), for code that serves all five kinds.
    virtual int& IDParam() = 0;

    // A set of the kind's class on the connection.
    static std::unique_ptr<DBODBCSchichtaufbauSet> Erzeuge(Bauteilart art, SqlDatabase* db);

protected:
    void DoFieldExchange(FieldExchange& fx) override;

private:
    Bauteilart m_art;
};

class DBODBCBodenschichtSet : public DBODBCSchichtaufbauSet {
public:
    explicit DBODBCBodenschichtSet(SqlDatabase* db = nullptr) : DBODBCSchichtaufbauSet(db, Bauteilart::Boden) {}
    int BodenIDParam = 0;

    int& IDParam() override { return BodenIDParam; }
};

class DBODBCDeckeschichtSet : public DBODBCSchichtaufbauSet {
public:
    explicit DBODBCDeckeschichtSet(SqlDatabase* db = nullptr) : DBODBCSchichtaufbauSet(db, Bauteilart::Decke) {}
    int DeckeIDParam = 0;

    int& IDParam() override { return DeckeIDParam; }
};

class DBODBCFlachdachschichtSet : public DBODBCSchichtaufbauSet {
public:
    explicit DBODBCFlachdachschichtSet(SqlDatabase* db = nullptr)
        : DBODBCSchichtaufbauSet(db, Bauteilart::Flachdach)
    {
    }
    int FlachdachIDParam = 0;

    int& IDParam() override { return FlachdachIDParam; }
};

class DBODBCSteildachschichtSet : public DBODBCSchichtaufbauSet {
public:
    explicit DBODBCSteildachschichtSet(SqlDatabase* db = nullptr)
        : DBODBCSchichtaufbauSet(db, Bauteilart::Steildach)
    {
    }
    int SteildachIDParam = 0;

    int& IDParam() override { return SteildachIDParam; }
};

class DBODBCWandschichtSet : public DBODBCSchichtaufbauSet {
public:
    explicit DBODBCWandschichtSet(SqlDatabase* db = nullptr) : DBODBCSchichtaufbauSet(db, Bauteilart::Wand) {}
    int WandIDParam = 0;

    int& IDParam() override { return WandIDParam; }
};

} // namespace zeva
