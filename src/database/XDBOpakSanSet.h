#pragma once
// Record sets on the opaque measure tables of the renovation-measure data
// base ("DB/San2kvyke.db"): [SanBoden], [SanDecke], [SanSteildach], [SanWand]
// (18 columns) and [SanFlachdach] (19, with [Warmdach]).
//
// Parameters in binding order: AussenParam, InnenParam, ZwischenParam
// (declared InnenParam, ZwischenParam, AussenParam); the flat-roof set binds
// WarmdachParam before them. The optimiser's placement filter takes outside,
// inside, core in that order; its flat-roof filter uses WarmdachParam alone.
//
// A copy of a set is a detached snapshot of its current row and parameters
// (the optimiser keeps such copies); the set converts to the plain row the
// component records take a measure from.
#include "model/SanierungsZeile.h"
#include "platform/SqlRecordset.h"

namespace zeva {

class XDBOpakSanSet : public SqlRecordset, public SanZeileOpaque {
public:
    // Each \t is one tab character, as the optimiser writes the filter.
    static constexpr const char* Platzierungsfilter =
        "(([Aussen] = ?) * ([Aussen] = 1)) + \t\t\t(([Innen] = ?) * ([Innen] = 1)) + "
        "\t\t\t(([Zwischen] = ?) * ([Zwischen] = 1))";

    SanZeileOpaque Zeile() const { return *this; }

    int InnenParam = 0;
    int ZwischenParam = 0;
    int AussenParam = 0;

protected:
    XDBOpakSanSet(SqlDatabase* db, const char* table) : SqlRecordset(db, table) {}
    void DoFieldExchange(FieldExchange& fx) override;
};

class XDBBodenSanSet : public XDBOpakSanSet {
public:
    explicit XDBBodenSanSet(SqlDatabase* db = nullptr) : XDBOpakSanSet(db, "SanBoden") {}
};

class XDBDeckeSanSet : public XDBOpakSanSet {
public:
    explicit XDBDeckeSanSet(SqlDatabase* db = nullptr) : XDBOpakSanSet(db, "SanDecke") {}
};

class XDBSteildachSanSet : public XDBOpakSanSet {
public:
    explicit XDBSteildachSanSet(SqlDatabase* db = nullptr) : XDBOpakSanSet(db, "SanSteildach") {}
};

class XDBWandSanSet : public XDBOpakSanSet {
public:
    explicit XDBWandSanSet(SqlDatabase* db = nullptr) : XDBOpakSanSet(db, "SanWand") {}
};

class XDBFlachdachSanSet : public SqlRecordset, public SanZeileFlachdach {
public:
    static constexpr const char* Warmdachfilter = "([Warmdach] = ?)";

    explicit XDBFlachdachSanSet(SqlDatabase* db = nullptr) : SqlRecordset(db, "SanFlachdach") {}
    SanZeileFlachdach Zeile() const { return *this; }

    int WarmdachParam = 0;
    int InnenParam = 0;
    int ZwischenParam = 0;
    int AussenParam = 0;

protected:
    void DoFieldExchange(FieldExchange& fx) override;
};

} // namespace zeva
