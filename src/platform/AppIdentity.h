#pragma once

// How the desktop knows the game: by name, by its menu entry's id and by
// its icon's name.
inline constexpr char ApplicationName[] = "VorOdAra";
inline constexpr char DesktopId[] = "org.example.vorodara";
inline constexpr char IconName[] = "vorodara";
