#pragma once

// The first thing the program does: from here on, Windows looks for the DLLs the process loads (those its
// system libraries load later included) in the system folder only, never in the program's folder, where a
// file a web page pushed down may lie beside it.
void LoadLibrariesOnlyFromSystemFolder();
