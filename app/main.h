#pragma once

// Start-up: prepares the themed common controls, then opens the language chooser.
void Main();
