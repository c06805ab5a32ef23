#pragma once

#include <QLatin1StringView>

// What a masked field reads back while none of its open positions is filled:
// a blank in every open position, the literal characters in place. The checks
// and the card writers compare a field's text with these.
namespace blankform {

inline constexpr QLatin1StringView date{"  .  .  "};              // 99.99.99
inline constexpr QLatin1StringView monthYear{"  .  "};            // 99.99
inline constexpr QLatin1StringView organisationCode{"        "};  // 99999999
inline constexpr QLatin1StringView taxNumber{"          "};       // 9999999999
inline constexpr QLatin1StringView fixedUNumber{"    U      "};   // 9999U999999
inline constexpr QLatin1StringView letteredNumber{"           "}; // AA99A99999A

} // namespace blankform
