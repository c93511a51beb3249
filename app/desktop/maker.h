// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace staverly::maker {

// Where the Help menu and the note tests point; change here only.
inline constexpr const char *Name = "Pellworth";
inline constexpr const char *MusicSite = "Staverly Music";
inline constexpr const char *MusicPage = "https://staverly.example/music/";
inline constexpr const char *ContactAddress = "teacher@staverly.example";

} // namespace staverly::maker
