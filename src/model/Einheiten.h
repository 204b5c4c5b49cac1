#pragma once
// Conversions between the units the balances work in.

namespace zeva {

// Megajoules in one kilowatt-hour: the balances compute in MJ, the results
// are shown in kWh.
inline constexpr double MJProKWh = 3.6;

} // namespace zeva
