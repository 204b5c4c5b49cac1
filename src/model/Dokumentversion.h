#pragma once
// The versions of the project document as the house reads them: what each
// version added to the older binary form, and the one rule that the wizard
// steps of old documents follow. Every house this program makes or writes is
// of Haus::AktuelleVersion (10).
namespace zeva::dokumentversion {

inline constexpr int Aelteste = 1;
// Dachgeschosshoehe, the dormer array, the two edit flags of each plane.
inline constexpr int MitDachgeschosshoehe = 2;
inline constexpr int MitGauben = 2;
// Berechnungsverfahren; older documents were computed by SIA 380/1.
inline constexpr int MitBerechnungsverfahren = 5;
// Zonen and the zone array; older documents hold one outline.
inline constexpr int MitZonen = 6;
// The grid and field sizes of the plan editor as doubles (ints before).
inline constexpr int MitRasterAlsDouble = 7;
// The roof array in place of the two line lists; from here on the wizard
// steps are numbered as today.
inline constexpr int MitDaechern = 8;

// The wizard step of a document below MitDaechern in today's numbering:
// the old steps 11 and 12 are step 13 now, the old roof step 14 is step 15.
constexpr int SchrittHeute(int version, int phase)
{
    if (version >= MitDaechern)
        return phase;
    if (phase == 11 || phase == 12)
        return 13;
    if (phase == 14)
        return 15;
    return phase;
}

} // namespace zeva::dokumentversion
