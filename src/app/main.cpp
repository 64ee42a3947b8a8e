// Program entry: bind the archive library, create the main window, run the
// message loop, release the library.
#include <windows.h>

#include <memory>

#include "app/application.h"
#include "archive/lha_unit.h"
#include "view/form1.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  // A drive without its medium (a card reader, a disc drive) fails the
  // call that asks it instead of bringing up the system's "insert a disk"
  // box, in the middle of a display or a scan.
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS);
  LhaUnit::Start();
  std::unique_ptr<TForm1> form(TForm1::Create(instance));
  Application::Run(showCommand);
  form.reset();
  Form1 = nullptr;
  LhaUnit::Stop();
  return 0;
}
