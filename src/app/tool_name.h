#pragma once

// The tool's name, as it signs its messages on standard error, and the log
// category under which the Wayland library's own complaints pass through Qt.
inline constexpr char ToolName[] = "loxane";
inline constexpr char WaylandLogCategory[] = "loxane.wayland";
