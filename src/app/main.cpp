// Program entry: create the main window, run the message loop.
#include <windows.h>

#include "app/application.h"
#include "view/form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  TForm1::Create(instance);
  Application::Run(showCommand);
  return 0;
}
