#pragma once
// Record sets on the construction-type tables [Boden], [Decke], [Flachdach],
// [Steildach] and [Wand] of the existing-components data base.
//
// Parameters in binding order: BJParam, then the one named after the key
// (BodenIDParam ...). The browse list's year filter takes both as the year:
// "(BaujahrAb <= ?) * (BaujahrBis >= ?)".
#include "database/Bauteilart.h"
#include "database/BestandZeilen.h"
#include "platform/SqlRecordset.h"

#include <memory>

namespace zeva {

class DBODBCBauteiltypSet : public SqlRecordset, public BauteiltypZeile {
public:
    static constexpr const char* Jahresfilter = "(BaujahrAb <= ?) * (BaujahrBis >= ?)";

    DBODBCBauteiltypSet(SqlDatabase* db, Bauteilart art);

    Bauteilart Art() const { return m_art; }
    // The row of the current type as a plain value.
    BauteiltypZeile Zeile() const { return *this; }

    // Deletes the current type together with its layer rows, in one
    // transaction, so a type stored later under the same key cannot inherit
    // them. The set then stands on the deleted row's place (IsDeleted).
    void LoescheMitSchichten();

    int BJParam = 0;
    // The kind's second parameter (BodenIDParam ...), for code that serves
    // all five kinds.
    virtual int& IDParam() = 0;

    // A set of the kind's class on the connection.
    static std::unique_ptr<DBODBCBauteiltypSet> Erzeuge(Bauteilart art, SqlDatabase* db);

protected:
    void DoFieldExchange(FieldExchange& fx) override;

private:
    Bauteilart m_art;
};

class DBODBCBodenSet : public DBODBCBauteiltypSet {
public:
    explicit DBODBCBodenSet(SqlDatabase* db = nullptr) : DBODBCBauteiltypSet(db, Bauteilart::Boden) {}
    int BodenIDParam = 0;

    int& IDParam() override { return BodenIDParam; }
};

class DBODBCDeckeSet : public DBODBCBauteiltypSet {
public:
    explicit DBODBCDeckeSet(SqlDatabase* db = nullptr) : DBODBCBauteiltypSet(db, Bauteilart::Decke) {}
    int DeckeIDParam = 0;

    int& IDParam() override { return DeckeIDParam; }
};

// Eleven columns: [Warmdach] between [Langtext] and [Schichtzahl].
class DBODBCFlachdachSet : public DBODBCBauteiltypSet {
public:
    explicit DBODBCFlachdachSet(SqlDatabase* db = nullptr)
        : DBODBCBauteiltypSet(db, Bauteilart::Flachdach)
    {
    }
    int FlachdachIDParam = 0;

    int& IDParam() override { return FlachdachIDParam; }
};

class DBODBCSteildachSet : public DBODBCBauteiltypSet {
public:
    explicit DBODBCSteildachSet(SqlDatabase* db = nullptr)
        : DBODBCBauteiltypSet(db, Bauteilart::Steildach)
    {
    }
    int SteildachIDParam = 0;

    int& IDParam() override { return SteildachIDParam; }
};

class DBODBCWandSet : public DBODBCBauteiltypSet {
public:
    explicit DBODBCWandSet(SqlDatabase* db = nullptr) : DBODBCBauteiltypSet(db, Bauteilart::Wand) {}
    int WandIDParam = 0;

    int& IDParam() override { return WandIDParam; }
};

} // namespace zeva
