#pragma once

// Start-up: prepares the themed common controls, then opens the language chooser.
void Main();

// The whole run: Main, then the message loop until the last window unloads.
// Any exception on the way out of Main is reported as the run-time error it
// is, or amounts to (out of memory: 7), and ends the process.
int RunProgram();
