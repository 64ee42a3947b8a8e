#pragma once
// LhaUnit: the run-time binding to the LZH archive library UNLHA32. The
// program works without it; every call then gives the value a failed call
// of the library would.

#include <windows.h>

#include <cstdint>
#include <string>

namespace LhaUnit {

// Loads the library once, before the main window exists; Stop frees it
// once after the message loop.
void Start();
void Stop();

int Unlha(HWND owner, const std::string& commandLine, std::string& output, std::uint32_t outputSize);
std::uint32_t UnlhaOpenArchive(HWND owner, const std::string& archive, std::uint32_t mode);
int UnlhaCloseArchive(std::uint32_t archive);
// record points to a buffer of kEntryRecordSize bytes.
int UnlhaFindFirst(std::uint32_t archive, const std::string& wildcard, char* record);
int UnlhaFindNext(std::uint32_t archive, char* record);

}  // namespace LhaUnit
