// The wallpaper command and its options.
#include "app/app_state.h"
#include "view/form1.h"
#include "wallpaper/desktop_wallpaper.h"
#include "wallpaper/wallpaper_options.h"

void TForm1::W1Click() { kabegami(); }

void TForm1::kabegami() {
  RECT bounds = Bounds();
  SetDesktopWallpaper(Image1.picture, DataFolder + "壁紙.bmp", {AutoSiz, Tile, Location, bounds.left, bounds.top});
}

namespace {

void SwitchOption(TForm1& form, CommandId item, bool& option) {
  form.SetMenuCaption(item, CaptionAfterSwitch(form.MenuCaption(item), option));
  option = !option;
}

}  // namespace

void TForm1::S3Click() { SwitchOption(*this, CommandId::S3, AutoSiz); }
void TForm1::Tile1Click() { SwitchOption(*this, CommandId::Tile1, Tile); }
void TForm1::L1Click() { SwitchOption(*this, CommandId::L1, Location); }

void TForm1::PutOptionMark(CommandId item) { SetMenuCaption(item, std::string(kOptionMark) + MenuCaption(item)); }
