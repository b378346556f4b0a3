#include "player/cursor_table_win32.h"

#include <algorithm>
#include <map>

#include "player/page_fades.h"

namespace plexara {
namespace {

struct CursorTable {
  std::map<std::string, int> numbers;  // key -> number
  std::map<int, HCURSOR> cursors;      // number -> cursor
};

CursorTable& Table() {
  static CursorTable table;
  return table;
}

}  // namespace

int CursorNumber(const std::string& projectRoot, std::string_view cursorFile) {
  const std::string key = CursorTableKey(cursorFile);
  if (key.empty()) return 0;
  CursorTable& table = Table();
  if (const auto found = table.numbers.find(key); found != table.numbers.end()) return found->second;
  const std::string path = RootRelativePath(projectRoot, cursorFile);
  HCURSOR cursor = LoadCursorFromFileA(path.c_str());
  if (cursor == nullptr) return 0;
  const int number = table.cursors.empty() ? 1 : table.cursors.rbegin()->first + 1;
  table.cursors[number] = cursor;
  table.numbers[key] = number;
  return number;
}

HCURSOR CursorOfNumber(int number) {
  const auto found = Table().cursors.find(number);
  return found == Table().cursors.end() ? nullptr : found->second;
}

}  // namespace plexara
