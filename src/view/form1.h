#pragma once
// The main window Form1 (class TForm1): the picture list on the left, the
// picture view on the right, the menu bar. One window procedure forwards
// each message to a small named handler.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "list/picture_list.h"
#include "view/command_ids.h"
#include "view/image_view.h"
#include "view/splitter.h"
#include "win/com_reference.h"
#include "win/dropped_files.h"
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

  // The menu commands, in menu order, each with its caption.
  // Commands of the File menu.
  void Open1Click();  // 開く(&O)
  void Z1Click();     // 書庫ﾌｧｲﾙを開く(&Z)
  void Save1Click();  // 保存(&S)
  void N1Click();     // フォルダを開く(&D)
  void X1Click();     // 閉じる(X)
  void C1Click();     // 一覧を初期化(&C)
  void N111Click();   // 一覧を保存(&L)
  void N21Click();    // 一覧を別の名前で保存(&R)
  void N4Click();     // 一覧を開く(&P)
  // Commands of the Picture menu.
  void Delete1Click();  // 削除(&D)
  void W1Click();       // 壁紙に指定(&W)
  void S1Click();       // ショートカットを作成(&S)
  // Commands of the Options menu.
  void S2Click();     // [送る]に登録(&T)
  void R1Click();     // ﾗﾝﾀﾞﾑ壁紙(&R)
  void S4Click();     // ﾘｽﾄをｽｸﾘｰﾝｾｲﾊﾞｰに設定(&S)
  void R2Click();     // ｽｸﾘｰﾝｾｲﾊﾞｰ起動(&R)
  void S3Click();     // サイズを合わせる(&Z)
  void Tile1Click();  // 並べて表示(&T)
  void L1Click();     // 位置を合わせる(&L)
  // Commands of the Author menu.
  void O1Click();  // ぽるん堂(&O)
  void N5Click();  // バージョン情報(&V)

  // A drop of files, folders, archives and lists from the shell, in its
  // order; an empty item is a path no entry can name.
  void FormDropFiles(const std::vector<std::optional<std::string>>& files);

  void OpenListFile(const std::string& path);
  // OpenListFile without the display: the list, ListName and the caption.
  void LoadListFile(const std::string& path);
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
  void OnDropFiles(HDROP drop);
  void OnListNotify(WORD code);
  static LRESULT CALLBACK ListBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void LayOut();
  RECT ViewArea() const;
  void EnablePictureCommands(bool enabled);
  void DropEntry(int index);

  // The three steps of LoadPicture.
  enum class EntrySource {
    Listed,      // the entry's own file
    Extracted,   // an archive member's copy in TempFolder
    VolumeAway,  // the entry's drive or share does not answer: nothing to read
  };
  struct EntryFile {
    int index;
    std::string entry;  // as listed
    std::string path;   // the file to read
    EntrySource source;
  };
  enum class EntryRead { Read, Dropped, Failed };
  class Volumes;  // which volumes answer, each asked once per display
  std::optional<EntryFile> PrepareSelectedEntry(Volumes& volumes);
  EntryRead ReadEntryFile(const EntryFile& file, Volumes& volumes);
  // The view at width 0 with the picture commands greyed, the entry kept.
  void CollapseView();
  void LayOutPicture(const EntryFile& file);
  void AttachHomeGlyph();
  // Changes what info's mask names of one item of the menu bar.
  void SetMenuItem(CommandId item, MENUITEMINFOA& info);

  std::optional<ComScope> com_;  // from FormCreate to FormClose
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
