// The Author menu: the home page and the version box.
#include <windows.h>
#include <shellapi.h>

#include "view/form1.h"

namespace {

// The program's home page, handed to the shell as it stands.
constexpr const char* kHomePage = "https://tirvane.example/";

}  // namespace

void TForm1::O1Click() { ShellExecuteA(nullptr, "Open", kHomePage, nullptr, nullptr, SW_HIDE); }

void TForm1::N5Click() { MessageBoxA(Handle(), "1.7.0.1", "バージョン", MB_OK); }
