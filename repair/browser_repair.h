#pragma once

// Asks, writes the browser repair script to the temporary folder and starts it.
void RepairBrowser();

// Deletes the script file when the main window goes.
void RemoveBrowserScript();
