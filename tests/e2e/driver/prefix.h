// Files inside the scenario's Wine prefix: fixtures the program or the tool
// substitutes read, and the log the substitutes write.
#pragma once

#include <string>

// Where the substitutes for sc, netsh and ipconfig read and write.
constexpr char kCommandLog[] = "C:\\e2e\\commands.log";
// Pictures kept after the scenario (see SaveArtefact).
constexpr char kArtefactFolder[] = "C:\\e2e\\artefacts\\";

bool WriteBytes(const std::string& path, const std::string& bytes);  // makes folders
bool ReadBytes(const std::string& path, std::string* bytes);
// What a substitute prints for the command line key (see tool_substitute.cpp),
// optionally after a delay.
bool CannedOutput(const std::string& key, const std::string& bytes, int delayMs = 0);
// The command lines the substitutes received, one per line, in order.
std::string CommandLog();
