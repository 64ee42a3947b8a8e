#include "view/form1.h"

#include "app/application.h"
#include "app/platform.h"
#include "view/command_table.h"
#include "view/resource_ids.h"
#include "view/splitter_width.h"

TForm1* Form1 = nullptr;

namespace {
constexpr int kListBoxId = 1;
}  // namespace

TForm1* TForm1::Create(HINSTANCE instance) {
  auto* form = new TForm1;
  Form1 = form;
  // The program draws at the screen's own resolution, so its pixel sizes
  // (the view, the wallpaper) are real ones; the design sizes grow with it.
  form->CreateBound({"TForm1", IDC_ARROW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                     LoadIconA(instance, MAKEINTRESOURCEA(kMainIcon))},
                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, "skTirvane",
                    {ScaledForScreen(kDesignBounds.left), ScaledForScreen(kDesignBounds.top),
                     ScaledForScreen(kDesignBounds.right - kDesignBounds.left),
                     ScaledForScreen(kDesignBounds.bottom - kDesignBounds.top)},
                    nullptr, BuildMenuBar());
  return form;
}

// A window still there (the wallpaper mode ends without closing it) goes
// first, with its menu, so that nothing it shows is released under it.
TForm1::~TForm1() {
  if (IsWindow(Handle())) DestroyWindow(Handle());
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: OnSize(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_ACTIVATE: OnActivate(wParam); break;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_SETFOCUS:
      // The list is the one control that keeps the keyboard; it gets it back
      // when the window is active again, after a dialog or another program.
      SetFocus(ListBox1.Handle());
      return 0;
    case Application::kMainWindowShown:
      // Shown and active as the shell asked; a window started minimized
      // without activation waits for the user.
      if (!IsIconic(Handle())) OnActivate(WA_ACTIVE);
      return 0;
    // A button released over the window's own surface steps like one over
    // the picture.
    case WM_LBUTTONUP: Application::RunGuarded([this] { Image1MouseUp(MouseButton::Left); }); return 0;
    case WM_RBUTTONUP: Application::RunGuarded([this] { Image1MouseUp(MouseButton::Right); }); return 0;
    case WM_MBUTTONUP: Application::RunGuarded([this] { Image1MouseUp(MouseButton::Middle); }); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return Default(message, wParam, lParam);
}

void TForm1::OnCreate() {
  LOGFONTA face{};
  face.lfHeight = -ScaledForScreen(12);
  face.lfWeight = FW_NORMAL;
  face.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynA(face.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
  font_.Reset(CreateFontIndirectA(&face));

  listWidth_ = ScaledForScreen(listWidth_);
  auto listWidth = [this] { return listWidth_; };
  Splitter1.Create(Handle(), listWidth, [this](int width) { Splitter1Moved(width); });
  Image1.Create(Handle(), [this](MouseButton button) { Image1MouseUp(button); });
  HWND listBox =
      CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
                      listWidth_, 0, Handle(), reinterpret_cast<HMENU>(kListBoxId), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(listBox, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  ListBox1.Attach(listBox);
  SetWindowLongPtrA(listBox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  listBoxProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(listBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm1::ListBoxProc)));
  LayOut();

  AttachHomeGlyph();
  // Files dragged from the shell come as WM_DROPFILES.
  DragAcceptFiles(Handle(), TRUE);
  shortcuts_.Reset(BuildShortcutTable());
  Application::SetMainWindow(Handle(), shortcuts_.Get());
  // An error that escapes creation is shown, and creation goes on.
  Application::RunGuarded([this] { FormCreate(); });
}

void TForm1::OnSize() {
  LayOut();
  Application::RunGuarded([this] { FormResize(); });
}

// The list and the splitter at the left, the view over the rest when it is
// client-aligned; a free view keeps its place.
void TForm1::LayOut() {
  RECT client;
  GetClientRect(Handle(), &client);
  WindowRef(ListBox1.Handle()).SetBounds({0, 0, listWidth_, client.bottom});
  Splitter1.SetBounds({listWidth_, 0, listWidth_ + kSplitterWidth, client.bottom});
  if (Image1.AlignedToClient()) Image1.AlignToClient(ViewArea());
}

RECT TForm1::ViewArea() const {
  RECT client;
  GetClientRect(Handle(), &client);
  int left = listWidth_ + kSplitterWidth;
  return {left, 0, client.right > left ? client.right : left, client.bottom};
}

void TForm1::OnActivate(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE || activated_) return;
  // The first activation is the window being shown. The program has no
  // other form for the focus to come back from, and a return from another
  // application shows nothing new.
  activated_ = true;
  Application::RunGuarded([this] { FormResize(); });
}

void TForm1::OnDropFiles(HDROP drop) {
  OwnedDrop dropped(drop);
  // While a dialog or box of the program is open the window is disabled and
  // takes no drop, as it takes no click.
  if (!IsWindowEnabled(Handle())) return;
  Application::RunGuarded([&] {
    auto files = DroppedFiles(dropped.Get());
    dropped.Reset();  // the shell's memory goes back before the work handles messages
    FormDropFiles(files);
  });
}

void TForm1::OnListNotify(WORD code) {
  // LBN_SELCHANGE comes only from the user's own selecting.
  if (code == LBN_SELCHANGE) Application::RunGuarded([this] { ListBox1Click(); });
}

LRESULT CALLBACK TForm1::ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_KEYDOWN) {
    WORD key = static_cast<WORD>(wParam);
    ShiftState shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0, GetKeyState(VK_CONTROL) < 0};
    Application::RunGuarded([&] { form->ListBox1KeyDown(key, shift); });
    if (key == 0) return 0;
    wParam = key;
  }
  return CallWindowProcA(form->listBoxProc_, window, message, wParam, lParam);
}

// Every command runs to its end here, but not always from the idle loop: a
// folder scan, an archive listing and the removal of the temporary folder
// handle waiting messages between entries, so any command, key, click or drop may
// run in the middle of them (nothing is greyed meanwhile). What each must
// tolerate:
// - the list may be growing: indexes are read afresh, never kept across a
//   call that handles messages; Clear, Delete and opening a list change the
//   list under the scan, which goes on appending to whatever is there;
// - a scan runs on its own copy of its folder, so a second Open Folder (a
//   scan inside the scan) or a changed CurrentFolder does not disturb it;
// - LoadPicture may run on a half-filled list;
// - closing saves the state of that moment; the program ends after the
//   interrupted work and its command have finished.
void TForm1::OnCommand(WORD id, WORD code, HWND control) {
  if (control) {
    if (control == ListBox1.Handle()) OnListNotify(code);
    return;
  }
  // A shortcut of a greyed item is taken and does nothing.
  if (GetMenuState(GetMenu(Handle()), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) return;
  const auto* command = FindCommand(static_cast<CommandId>(id));
  if (!command || !command->handler) return;
  Application::RunGuarded([this, command] { (this->*command->handler)(); });
}

void TForm1::OnClose() {
  // A failed save is reported, and the window closes all the same, so the
  // user can always end the program.
  Application::RunGuarded([this] { FormClose(); });
  DestroyWindow(Handle());
}

void TForm1::FormResize() { LoadPicture(); }

void TForm1::ListBox1Click() {
  LoadPicture();
  SetFocus(ListBox1.Handle());
}

void TForm1::Splitter1Moved(int listWidth) {
  listWidth_ = listWidth;
  LayOut();
  Application::RunGuarded([this] { FormResize(); });
}

void TForm1::EnablePictureCommands(bool enabled) {
  HMENU menu = GetMenu(Handle());
  for (CommandId id : {CommandId::Save1, CommandId::W1, CommandId::S1}) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
}

void TForm1::ShowNormal() {
  if (IsZoomed(Handle()) || IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
}

std::string TForm1::MenuCaption(CommandId item) const {
  auto changed = captions_.find(item);
  if (changed != captions_.end()) return changed->second;
  const Command* command = FindCommand(item);
  return command ? command->caption : "";
}

void TForm1::SetMenuCaption(CommandId item, const std::string& caption) {
  const Command* command = FindCommand(item);
  if (!command) return;
  captions_[item] = caption;
  std::string text = MenuItemText(*command, caption);
  MENUITEMINFOA info{};
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItem(item, info);
}

void TForm1::AttachHomeGlyph() {
  homeGlyph_.Reset(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kHomeGlyph), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!homeGlyph_) return;
  MENUITEMINFOA info{};
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = homeGlyph_.Get();
  SetMenuItem(CommandId::O1, info);
}

void TForm1::SetMenuItem(CommandId item, MENUITEMINFOA& info) {
  info.cbSize = sizeof info;
  SetMenuItemInfoA(GetMenu(Handle()), static_cast<UINT>(item), FALSE, &info);
}
