#pragma once

// The maker's addresses, in one place. They live under the reserved .example
// domain: there is no real maker's server behind them.
namespace Maker {

// The web host that serves the update document over plain HTTP.
inline constexpr char UpdateHost[] = "www.wraithlex.example";
inline constexpr char UpdatePath[] = "/Updates/wraithlex.xml";
inline constexpr char OrderPage[] = "https://www.wraithlex.example/order.html";
inline constexpr char WebSite[] = "https://www.wraithlex.example/";
inline constexpr char AuthorEmail[] = "author@wraithlex.example";

// The names in the About window's credits.
inline constexpr char Developer[] = "Tarnwick Games";
inline constexpr char SeniorBetaTester[] = "Wren Ashdown";

// The desktop's name for the program: the maker's domain reversed, then the
// program's name. The desktop entry, the icon and the metainfo are named so.
inline constexpr char DesktopId[] = "example.wraithlex.Wraithlex";

}
