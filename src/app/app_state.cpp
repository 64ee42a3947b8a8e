#include "app/app_state.h"

std::string DataFolder;
std::string TempFolder;
std::string CurrentFolder;
std::string ListName;
bool AutoSiz = false;
bool Tile = false;
bool Location = false;
