#include "view/folder_dialog.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "app/folders.h"
#include "app/path_rules.h"
#include "app/platform.h"
#include "view/resource_ids.h"
#include "win/code_page.h"
#include "win/folder_entries.h"
#include "win/handles.h"
#include "win/window.h"

namespace {

struct FolderContents {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

// Sorted as the shell sorts names, ignoring letter case.
void SortNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_LESS_THAN;
  });
}

FolderContents ListFolder(const std::string& folder) {
  FolderContents contents;
  ForEachEntry(SubfolderOf(folder, "*.*"), [&](const FolderEntry& found) {
    (found.attributes & FILE_ATTRIBUTE_DIRECTORY ? contents.folders : contents.files).push_back(found.name);
  });
  SortNames(contents.folders);
  SortNames(contents.files);
  return contents;
}

HICON FolderIcon(UINT openOrClosed) {
  SHFILEINFOA info{};
  SHGetFileInfoA("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                 SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON | openOrClosed);
  return info.hIcon;
}

// Fills a list box in one redraw.
void FillList(ListControl list, const std::vector<std::string>& texts) {
  list.SetRedraw(false);
  SendMessageA(list.Handle(), LB_RESETCONTENT, 0, 0);
  for (const auto& text : texts) SendMessageA(list.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  list.SetRedraw(true);
  list.Invalidate(true);
}

class FolderChooser {
 public:
  FolderChooser() : openIcon_(FolderIcon(SHGFI_OPENICON)), closedIcon_(FolderIcon(0)) {}
  FolderChooser(const FolderChooser&) = delete;
  FolderChooser& operator=(const FolderChooser&) = delete;

  std::optional<std::string> Run(HWND owner) {
    INT_PTR answer = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kFolderDialog), owner, &Proc,
                                     reinterpret_cast<LPARAM>(this));
    if (answer != IDOK) return std::nullopt;
    return shown_;
  }

 private:
  struct TreeItem {
    std::string path;
    int level;  // indentation steps
    bool open;  // on the way from the root to the open folder
  };

  static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = DialogObject<FolderChooser>(dialog, message, lParam);
    if (message == WM_MEASUREITEM) {
      // Comes before WM_INITDIALOG; the rows must hold a small icon.
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      item.itemHeight = std::max<UINT>(item.itemHeight, GetSystemMetrics(SM_CYSMICON) + 2);
      return TRUE;
    }
    return self ? self->OnMessage(dialog, message, wParam, lParam) : FALSE;
  }

  INT_PTR OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_INITDIALOG: OnInit(dialog); return TRUE;
      case WM_DRAWITEM: DrawTreeItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
      case WM_VKEYTOITEM: return OnTreeKey(LOWORD(wParam));
      case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
    }
    return FALSE;
  }

  void OnInit(HWND dialog) {
    dialog_ = dialog;
    tree_ = GetDlgItem(dialog, kFolderTree);
    files_ = GetDlgItem(dialog, kFolderFiles);
    drives_ = GetDlgItem(dialog, kFolderDrives);
    FillDrives();
    wchar_t current[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, current);
    // A current folder no entry can name opens the chooser at its drive.
    auto folder = EntryPath(current);
    if (!folder) folder = EntryPath(std::wstring_view(current).substr(0, 3));
    Open(folder.value_or(""));
  }

  void OnCommand(WORD id, WORD code) {
    if (id == IDOK || id == IDCANCEL) {
      EndDialog(dialog_, id);
    } else if (id == kFolderTree && code == LBN_SELCHANGE) {
      Show(Highlighted());
    } else if (id == kFolderTree && code == LBN_DBLCLK) {
      OpenHighlighted();
    } else if (id == kFolderDrives && code == CBN_SELCHANGE) {
      OnDriveChosen();
    }
  }

  // Right opens the highlighted folder; Left and Backspace the one above.
  INT_PTR OnTreeKey(WORD key) {
    if (key == VK_RIGHT) {
      OpenHighlighted();
    } else if (key == VK_LEFT || key == VK_BACK) {
      auto chain = FolderChain(opened_);
      if (chain.size() > 1) Open(chain[chain.size() - 2]);
    } else {
      return -1;  // the list's own handling
    }
    return -2;
  }

  int Highlighted() const { return static_cast<int>(SendMessageA(tree_, LB_GETCURSEL, 0, 0)); }

  void OpenHighlighted() {
    int item = Highlighted();
    if (item >= 0 && static_cast<std::size_t>(item) < items_.size()) Open(items_[item].path);
  }

  // Lists the folders from the root down to folder and folder's subfolders.
  void Open(std::string folder) {  // a copy: items_ is refilled
    opened_ = folder;
    FolderContents contents = ListFolder(folder);
    std::vector<std::string> chain = FolderChain(folder);
    items_.clear();
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < chain.size(); ++i) {
      items_.push_back({chain[i], static_cast<int>(i), true});
      texts.push_back(i == 0 ? chain[i] : FileNameOf(chain[i]));
    }
    for (const auto& name : contents.folders) {
      items_.push_back({SubfolderOf(folder, name), static_cast<int>(chain.size()), false});
      texts.push_back(name);
    }
    FillList(ListControl(tree_), texts);
    SetTreeWidth(texts);
    int openItem = static_cast<int>(chain.size()) - 1;
    SendMessageA(tree_, LB_SETCURSEL, openItem, 0);
    ShowFolder(items_[openItem].path, contents.files);
    SelectDriveOf(folder);
  }

  void Show(int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= items_.size()) return;
    const std::string& folder = items_[item].path;
    ShowFolder(folder, ListFolder(folder).files);
  }

  void ShowFolder(const std::string& folder, const std::vector<std::string>& files) {
    shown_ = folder;
    SetDlgItemTextA(dialog_, kFolderPath, folder.c_str());
    FillList(ListControl(files_), files);
  }

  int Indent() const { return GetSystemMetrics(SM_CXSMICON) * 3 / 4; }

  // Lets the tree scroll sideways to its longest row.
  void SetTreeWidth(const std::vector<std::string>& texts) {
    int widest = 0;
    {
      WindowDC dc(tree_);
      ScopedSelect font(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(tree_, WM_GETFONT, 0, 0)));
      for (std::size_t i = 0; i < texts.size(); ++i) {
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), texts[i].c_str(), static_cast<int>(texts[i].size()), &size);
        widest = std::max(widest, TextLeft(items_[i].level) + static_cast<int>(size.cx) + 4);
      }
    }
    SendMessageA(tree_, LB_SETHORIZONTALEXTENT, widest, 0);
  }

  int TextLeft(int level) const { return 2 + level * Indent() + GetSystemMetrics(SM_CXSMICON) + 4; }

  void DrawTreeItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlID != kFolderTree || draw.itemID == static_cast<UINT>(-1) || draw.itemID >= items_.size()) return;
    const TreeItem& item = items_[draw.itemID];
    bool selected = draw.itemState & ODS_SELECTED;
    RECT row = draw.rcItem;
    FillRect(draw.hDC, &row, GetSysColorBrush(COLOR_WINDOW));
    int iconSize = GetSystemMetrics(SM_CXSMICON);
    int iconLeft = row.left + 2 + item.level * Indent();
    int iconTop = row.top + (row.bottom - row.top - GetSystemMetrics(SM_CYSMICON)) / 2;
    HICON icon = (item.open ? openIcon_ : closedIcon_).Get();
    if (icon)
      DrawIconEx(draw.hDC, iconLeft, iconTop, icon, iconSize, GetSystemMetrics(SM_CYSMICON), 0, nullptr, DI_NORMAL);
    std::string text = ListControl(tree_).ItemText(static_cast<int>(draw.itemID)).value_or("");
    SIZE size{};
    GetTextExtentPoint32A(draw.hDC, text.c_str(), static_cast<int>(text.size()), &size);
    RECT label{iconLeft + iconSize + 2, row.top, iconLeft + iconSize + 2 + size.cx + 4, row.bottom};
    FillRect(draw.hDC, &label, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(draw.hDC, text.c_str(), static_cast<int>(text.size()), &label,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(draw.hDC, &label);
  }

  // "c: [label]" for each drive, in the platform's order.
  void FillDrives() {
    char buffer[512] = "";
    DWORD length = GetLogicalDriveStringsA(sizeof buffer - 1, buffer);
    if (length == 0 || length >= sizeof buffer) return;
    for (const char* root = buffer; *root; root += std::char_traits<char>::length(root) + 1) {
      std::string text{static_cast<char>(tolower(static_cast<unsigned char>(root[0]))), ':'};
      UINT type = GetDriveTypeA(root);
      char label[MAX_PATH + 1] = "";
      // Only fixed drives are asked for a label: a removable or network
      // drive could keep the dialog waiting.
      if ((type == DRIVE_FIXED || type == DRIVE_RAMDISK) &&
          GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) && *label) {
        text += " [";
        text += label;
        text += "]";
      }
      roots_.emplace_back(root);
      SendMessageA(drives_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }

  void SelectDriveOf(const std::string& folder) {
    int found = -1;
    for (std::size_t i = 0; i < roots_.size(); ++i) {
      if (folder.size() >= 2 && folder[1] == ':' && toupper(static_cast<unsigned char>(folder[0])) == roots_[i][0]) {
        found = static_cast<int>(i);
      }
    }
    SendMessageA(drives_, CB_SETCURSEL, found, 0);
  }

  void OnDriveChosen() {
    int choice = static_cast<int>(SendMessageA(drives_, CB_GETCURSEL, 0, 0));
    if (choice < 0 || static_cast<std::size_t>(choice) >= roots_.size()) return;
    if (!VolumeAnswers(roots_[choice])) {
      MessageBeep(MB_ICONHAND);
      SelectDriveOf(opened_);
      return;
    }
    Open(roots_[choice]);
  }

  OwnedIcon openIcon_;
  OwnedIcon closedIcon_;
  HWND dialog_ = nullptr;
  HWND tree_ = nullptr;
  HWND files_ = nullptr;
  HWND drives_ = nullptr;
  std::vector<TreeItem> items_;
  std::vector<std::string> roots_;  // "C:\" for each drive of the drive list
  std::string opened_;              // the folder whose subfolders are listed
  std::string shown_;               // the highlighted folder, which OK gives
};

}  // namespace

std::optional<std::string> ChooseFolder(HWND owner) {
  FolderChooser chooser;
  return chooser.Run(owner);
}
