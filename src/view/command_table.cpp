#include "view/command_table.h"

#include <vector>

#include "view/form1.h"

namespace {

static_assert(kControlKey == FCONTROL && kAltKey == FALT && kDeleteKey == VK_DELETE);
constexpr std::uint8_t kCtrl = kControlKey;
constexpr std::uint8_t kCtrlAlt = kControlKey | kAltKey;

using enum RowKind;
using enum CommandId;

const Command kCommands[] = {
    {Menu, File1, "ファイル(&F)", {}, nullptr},
    {Item, Open1, "開く(&O)", {kCtrl, 'O'}, &TForm1::Open1Click},
    {Item, Z1, "書庫ﾌｧｲﾙを開く(&Z)", {kCtrl, 'Z'}, &TForm1::Z1Click},
    {Item, Save1, "保存(&S)", {kCtrl, 'S'}, &TForm1::Save1Click},
    {Item, N1, "フォルダを開く(&D)", {kCtrl, 'D'}, &TForm1::N1Click},
    {Item, X1, "閉じる(X)", {kCtrl, 'X'}, &TForm1::X1Click},
    {Item, C1, "一覧を初期化(&C)", {kCtrl, 'C'}, &TForm1::C1Click},
    {Item, N111, "一覧を保存(&L)", {kCtrl, 'L'}, &TForm1::N111Click},
    {Item, N21, "一覧を別の名前で保存(&R)", {kCtrlAlt, 'L'}, &TForm1::N21Click},
    {Item, N4, "一覧を開く(&P)", {kCtrlAlt, 'O'}, &TForm1::N4Click},
    {Menu, List1, "画像(&G)", {}, nullptr},
    {Item, Delete1, "削除(&D)", {0, kDeleteKey}, &TForm1::Delete1Click},
    {Item, W1, "壁紙に指定(&W)", {kCtrl, 'W'}, &TForm1::W1Click},
    {Item, S1, "ショートカットを作成(&S)", {kCtrl, 'H'}, &TForm1::S1Click},
    {Menu, N2, "設定(&O)", {}, nullptr},
    {Item, S2, "[送る]に登録(&T)", {kCtrl, 'T'}, &TForm1::S2Click},
    {Item, R1, "ﾗﾝﾀﾞﾑ壁紙(&R)", {kCtrlAlt, 'R'}, &TForm1::R1Click},
    {Item, S4, "ﾘｽﾄをｽｸﾘｰﾝｾｲﾊﾞｰに設定(&S)", {kCtrl, 'B'}, &TForm1::S4Click},
    {Item, R2, "ｽｸﾘｰﾝｾｲﾊﾞｰ起動(&R)", {kCtrl, 'R'}, &TForm1::R2Click},
    {Separator, N3, "", {}, nullptr},
    // Ctrl+Z is Z1's, which comes first; this option is reached by the menu.
    {Item, S3, "サイズを合わせる(&Z)", {kCtrl, 'Z'}, &TForm1::S3Click},
    {Item, Tile1, "並べて表示(&T)", {kCtrl, 'E'}, &TForm1::Tile1Click},
    {Item, L1, "位置を合わせる(&L)", {kCtrl, 'A'}, &TForm1::L1Click},
    {Menu, M1, "作者(&M)", {}, nullptr},
    {Item, O1, "ぽるん堂(&O)", {kCtrl, 'M'}, &TForm1::O1Click},
    {Item, N5, "バージョン情報(&V)", {kCtrl, 'V'}, &TForm1::N5Click},
};

}  // namespace

std::span<const Command> CommandTable() { return kCommands; }

const Command* FindCommand(CommandId id) {
  for (const Command& command : kCommands) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

std::string MenuItemText(const Command& command, std::string_view caption) {
  std::string text(caption);
  std::string keys = ShortcutText(command.shortcut);
  if (!keys.empty()) text += "\t" + keys;
  return text;
}

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  HMENU popup = nullptr;
  for (const Command& command : kCommands) {
    UINT id = static_cast<UINT>(command.id);
    switch (command.kind) {
      case RowKind::Menu:
        popup = CreatePopupMenu();
        AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), command.caption);
        break;
      case RowKind::Separator: AppendMenuA(popup, MF_SEPARATOR, id, nullptr); break;
      case RowKind::Item: AppendMenuA(popup, MF_STRING, id, MenuItemText(command, command.caption).c_str()); break;
    }
  }
  return bar;
}

HACCEL BuildShortcutTable() {
  std::vector<ACCEL> keys;
  for (const Command& command : kCommands) {
    if (command.kind != RowKind::Item || command.shortcut.key == 0) continue;
    keys.push_back({static_cast<BYTE>(FVIRTKEY | command.shortcut.modifiers), command.shortcut.key,
                    static_cast<WORD>(command.id)});
  }
  return CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}
