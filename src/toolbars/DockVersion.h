// The version the docks, tool windows and toolbar buttons report.
#pragma once

inline constexpr const char* DockToolbarVersion = "DockToolbar version 1.0";
