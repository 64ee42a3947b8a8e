#include "list/picture_list.h"

#include "app/app_error.h"
#include "app/application.h"

namespace {

AppError InsertError() { return AppError(kCannotInsertLine); }

// Holds back the list's redrawing and redraws it once when done.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(PictureList& list) : list_(list) { list_.HoldRedraw(true); }
  ~RedrawSuspended() { list_.HoldRedraw(false); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  PictureList& list_;
};

constexpr DWORD kShowGrowthEveryMs = 100;
int growingDepth = 0;
DWORD growthShownAt = 0;

}  // namespace

int PictureList::Count() const { return static_cast<int>(SendMessageA(box_.Handle(), LB_GETCOUNT, 0, 0)); }

std::string PictureList::At(int index) const {
  auto text = box_.ItemText(index);
  if (!text) throw AppError(FillIn(kListIndexOutOfBounds, std::to_string(index)));
  return *text;
}

std::vector<std::string> PictureList::Entries() const {
  std::vector<std::string> entries;
  int count = Count();
  entries.reserve(count);
  for (int i = 0; i < count; ++i) entries.push_back(At(i));
  return entries;
}

int PictureList::Append(const std::string& entry) {
  LRESULT at = SendMessageA(box_.Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  if (at == LB_ERR || at == LB_ERRSPACE) throw InsertError();
  return static_cast<int>(at);
}

void PictureList::Insert(int index, const std::string& entry) {
  LRESULT at = SendMessageA(box_.Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(entry.c_str()));
  if (at == LB_ERR || at == LB_ERRSPACE) throw InsertError();
}

void PictureList::Replace(int index, const std::string& entry) {
  int selected = Selected();
  Remove(index);
  Insert(index, entry);
  Select(selected);
}

void PictureList::Remove(int index) {
  if (index < 0 || index >= Count()) return;
  int selected = Selected();
  SendMessageA(box_.Handle(), LB_DELETESTRING, index, 0);
  int stays = selected == index ? -1 : selected > index ? selected - 1 : selected;
  if (Selected() != stays) SendMessageA(box_.Handle(), LB_SETCURSEL, stays, 0);
}

void PictureList::Clear() { SendMessageA(box_.Handle(), LB_RESETCONTENT, 0, 0); }

int PictureList::Find(const std::string& text) const {
  LRESULT at =
      SendMessageA(box_.Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  return at == LB_ERR ? -1 : static_cast<int>(at);
}

int PictureList::Selected() const { return static_cast<int>(SendMessageA(box_.Handle(), LB_GETCURSEL, 0, 0)); }

void PictureList::Select(int index) {
  if (index == Selected()) return;
  if (index < -1 || index >= Count()) return;
  SendMessageA(box_.Handle(), LB_SETCURSEL, index, 0);
}

void PictureList::Load(const std::vector<std::string>& entries) {
  RedrawSuspended suspended(*this);
  Clear();
  std::size_t bytes = 0;
  for (const auto& entry : entries) bytes += entry.size() + 1;
  SendMessageA(box_.Handle(), LB_INITSTORAGE, entries.size(), bytes);
  for (const auto& entry : entries) Append(entry);
}

void PictureList::HoldRedraw(bool hold) {
  box_.SetRedraw(!hold);
  if (!hold) box_.Redraw();
}

GrowingList::GrowingList(PictureList& list) : list_(list) {
  if (growingDepth++ == 0) growthShownAt = GetTickCount();
  list_.HoldRedraw(true);
}

GrowingList::~GrowingList() {
  if (--growingDepth == 0) list_.HoldRedraw(false);
}

void GrowingList::HandleMessages() {
  DWORD now = GetTickCount();
  if (now - growthShownAt >= kShowGrowthEveryMs) {
    growthShownAt = now;
    list_.HoldRedraw(false);  // painted while the messages are handled
  }
  Application::ProcessMessages();
  // A command run meanwhile may have let the list repaint again.
  list_.HoldRedraw(true);
}
