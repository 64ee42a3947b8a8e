#pragma once
// The main window Form1 (class TForm1): the picture list on the left, the
// picture view on the right, the menu bar. One window procedure forwards
// each message to a small named handler.

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "list/picture_list.h"
#include "view/command_ids.h"
#include "view/image_view.h"
#include "view/splitter.h"
#include "win/handles.h"
#include "win/window.h"

// Modifier keys held with a key press.
struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
};

class TForm1 : public Window {
 public:
  // The form lives until the program ends; Form1 points at it.
  static TForm1* Create(HINSTANCE instance);
  ~TForm1() override;
  TSplitter Splitter1;
  TImage Image1;
  PictureList ListBox1;

  // Event handlers.
  void FormCreate();
  void FormClose();
  void FormResize();
  void ListBox1Click();
  // Setting key to 0 keeps the key from the list.
  void ListBox1KeyDown(WORD& key, ShiftState shift);
  void Image1MouseUp(MouseButton button);
  void Splitter1Moved(int listWidth);

  // Commands of the File menu.
  void Open1Click();
  void N1Click();
  void Save1Click();
  void C1Click();
  void X1Click();
  void N111Click();
  void N21Click();
  void N4Click();
  void Z1Click();
  // Commands of the Options menu.
  void S3Click();
  void Tile1Click();
  void L1Click();
  void S2Click();
  void R1Click();
  void S4Click();
  void R2Click();
  // Commands of the Author menu.
  void O1Click();
  void N5Click();
  // Commands of the Picture menu.
  void Delete1Click();
  void W1Click();
  void S1Click();

  void OpenListFile(const std::string& path);
  void OpenPictureFile();
  void OpenLzhFile();
  void OpenFolder();
  // After the list was filled by an archive or a folder: its count as the
  // caption, the first entry shown.
  void ShowGatheredList();
  // Makes the picture the view holds the desktop wallpaper.
  void kabegami();
  // The command line's wallpaper mode: entry becomes the wallpaper, and the
  // program ends.
  void Param(const std::string& entry);
  void LoadPicture();

  void SetCaption(const std::string& caption);
  std::string Caption() const;

  // Outer bounds in screen pixels, each applied at once.
  RECT Bounds() const;
  void SetTop(int top);
  void SetLeft(int left);
  void SetHeight(int height);
  void SetWidth(int width);
  // Restores a maximized or minimized window to its normal state.
  void ShowNormal();

  // A menu item's caption, without its shortcut text.
  std::string MenuCaption(CommandId item) const;
  void SetMenuCaption(CommandId item, const std::string& caption);
  // Puts the option mark "* " in front of an option switch's caption.
  void PutOptionMark(CommandId item);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCreate();
  void OnSize();
  void OnCommand(WORD id, WORD code, HWND control);
  void OnClose();
  void OnActivate(WPARAM state);
  void OnListNotify(WORD code);
  static LRESULT CALLBACK ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void LayOut();
  RECT ViewArea() const;
  void EnablePictureCommands(bool enabled);
  void DropEntry(int index);

  // The three steps of LoadPicture.
  struct EntryFile {
    int index;
    std::string entry;  // as listed
    std::string path;   // the file to read
    bool extracted;     // path is a member's copy in TempFolder
  };
  enum class EntryRead { Read, Dropped, Failed };
  std::optional<EntryFile> SelectedEntryFile();
  EntryRead ReadEntryFile(const EntryFile& file);
  void LayOutPicture(const EntryFile& file);
  void AttachHomeGlyph();

  GdiObject<HFONT> font_;
  OwnedAccelerators shortcuts_;
  GdiObject<HBITMAP> homeGlyph_;  // the menu shows it, so it outlives the menu
  int listWidth_ = 169;
  WNDPROC listBoxProc_ = nullptr;
  bool activated_ = false;
  std::map<CommandId, std::string> captions_;  // those changed since start
};

extern TForm1* Form1;

// The window's design size at 96 pixels per inch.
inline constexpr RECT kDesignBounds = {221, 109, 221 + 555, 109 + 356};
