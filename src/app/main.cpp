// Program entry: bind the archive library, create the main window, run the
// message loop, release the library.
#include <windows.h>

#include "app/application.h"
#include "archive/lha_unit.h"
#include "view/form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  LhaUnit::Start();
  TForm1::Create(instance);
  Application::Run(showCommand);
  LhaUnit::Stop();
  return 0;
}
