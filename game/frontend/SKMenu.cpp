#include "game/frontend/SKMenu.h"

#include "game/frontend/Cursor.h"
#include "game/frontend/MenuButtons.h"
#include "game/frontend/MenuPageDrawing.h"
#include "game/frontend/ScreenChanges.h"
#include "game/frontend/ScreenFrame.h"
#include "game/platform/InputEvent.h"
#include "game/render/ColorText.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"
#include "game/shell/SKMain.h"

namespace sk {
namespace {

void Play(Application& app, Effect effect) { PlaySample(app.SoundModule(), effect); }

std::int32_t MapCount(const Application& app) {
  return static_cast<std::int32_t>(app.MapList.size());
}

void ClickMain(Application& app, int button) {
  TMenuState& menu = MenuRecord(app);
  switch (button) {
    case 1:
      Play(app, kMenuNext);
      menu.MenuPage = kMenuPageName;
      break;
    case 2:
      Play(app, kMenuNext);
      EnterCredits(app);
      break;
    case 3:
      Play(app, kMenuBack);
      menu.SavedPage = kMenuPageMain;
      menu.MenuPage = kMenuPageExit;
      break;
  }
}

void ClickExit(Application& app, int button) {
  TMenuState& menu = MenuRecord(app);
  if (button == 1) {
    Play(app, kMenuBack);
    CloseMainWindow(app);
  } else if (button == 2) {
    Play(app, kMenuNext);
    menu.MenuPage = menu.SavedPage;
  }
}

void ClickName(Application& app, int button) {
  TMenuState& menu = MenuRecord(app);
  if (button == 1) {
    Play(app, kMenuBack);
    menu.MenuPage = kMenuPageMain;
  } else if (button == 2) {
    // A name of colour codes alone would stand invisible in the score table.
    if (StripColorCodes(app.Settings.PlayerName).empty()) {
      Play(app, kMenuDisabled);
      return;
    }
    Play(app, kMenuNext);
    menu.MenuPage = kMenuPageMaps;
  }
}

// The list rows take the click before the buttons do.
void ClickMapRows(Application& app) {
  TMenuState& menu = MenuRecord(app);
  for (std::int32_t i = 0; i < kVisibleMapRows && menu.ListTop + i < MapCount(app); ++i) {
    if (menu.ListTop + i < 0) continue;
    if (ListRowRect(i).Contains(app.MousePos.X, app.MousePos.Y)) {
      Play(app, kMenuMove);
      menu.SelectedMap = menu.ListTop + i;
    }
  }
}

// The scroll buttons keep the selection on a visible row: when it would scroll out of view
// it moves along with the edge row.
void ScrollUp(Application& app) {
  TMenuState& menu = MenuRecord(app);
  if (menu.ListTop <= 0) {
    Play(app, kMenuDisabled);
    return;
  }
  Play(app, kMenuBack);
  --menu.ListTop;
  if (menu.SelectedMap > menu.ListTop + kVisibleMapRows - 1) --menu.SelectedMap;
}

void ScrollDown(Application& app) {
  TMenuState& menu = MenuRecord(app);
  if (MapCount(app) - menu.ListTop <= kVisibleMapRows) {
    Play(app, kMenuDisabled);
    return;
  }
  Play(app, kMenuBack);
  ++menu.ListTop;
  if (menu.SelectedMap < menu.ListTop) ++menu.SelectedMap;
}

void ClickMaps(Application& app, int button) {
  TMenuState& menu = MenuRecord(app);
  switch (button) {
    case 1:
      Play(app, kMenuBack);
      menu.MenuPage = kMenuPageName;
      break;
    case 2:
      if (const TMapListEntry* entry = SelectedMapEntry(MenuRecord(app), app.MapList)) {
        Play(app, kMenuNext);
        LoadScores(app.ScoreTable, app.Paths.ScoreFile(entry->FileName));
        menu.MenuPage = kMenuPageScores;
      } else {
        Play(app, kMenuDisabled);
      }
      break;
    case 3:
      // The match's countdown is its own sound.
      if (SelectedMapEntry(MenuRecord(app), app.MapList)) {
        EnterGame(app);
      } else {
        Play(app, kMenuDisabled);
      }
      break;
    case 4:
      ScrollUp(app);
      break;
    case 5:
      ScrollDown(app);
      break;
  }
}

void ClickScores(Application& app, int button) {
  if (button != 1) return;
  Play(app, kMenuBack);
  MenuRecord(app).MenuPage = kMenuPageMaps;
}

}  // namespace

const TMapListEntry* SelectedMapEntry(const TMenuState& menu, const TMapList& maps) {
  const std::int32_t selected = menu.SelectedMap;
  if (selected < 0 || static_cast<std::size_t>(selected) >= maps.size()) return nullptr;
  return &maps[static_cast<std::size_t>(selected)];
}

void ShowMenuNotice(TMenuState& menu, std::string text) {
  menu.Notice = std::move(text);
  menu.NoticePage = -1;
}

void LeaveMenuNotice(TMenuState& menu) {
  if (menu.NoticePage >= 0) ShowMenuNotice(menu, "");
}

namespace {

// A notice belongs to the first page it is drawn on.
void FollowNotice(TMenuState& menu) {
  if (menu.Notice.empty()) return;
  if (menu.NoticePage < 0) {
    menu.NoticePage = menu.MenuPage;
  } else if (menu.NoticePage != menu.MenuPage) {
    ShowMenuNotice(menu, "");
  }
}

}  // namespace

void MenuStep(Application& app) {
  FollowNotice(MenuRecord(app));
  if (!app.DXDraw->CanDraw()) return;
  DrawMenuBackdrop(app.Graphics, MenuRecord(app));
  DrawMenuPage(ScreenFrame(app), MenuRecord(app),
               TMenuShown{app.MapList, app.ScoreTable, app.Settings.PlayerName});
  DrawCursor(app.DXImageList(), app.Graphics.BackSurface, *app.DXDraw, app.ScreenState,
             app.MousePos);
  app.DXDraw->Flip();
  MenuHoverSound(app);
}

void MenuHoverSound(Application& app) {
  TMenuState& menu = MenuRecord(app);
  // A page that has just appeared under a resting pointer is not a move onto its button.
  if (menu.MenuPage != menu.HoverPage) menu.HoverButton = 0;
  const int button = ButtonAt(PageButtons(menu.MenuPage), app.MousePos);
  if (button != 0 && button != menu.HoverButton && menu.MenuPage == menu.HoverPage) {
    Play(app, kMenuMove);
  }
  menu.HoverButton = button;
  menu.HoverPage = menu.MenuPage;
}

void MenuKeyDown(Application& app, std::uint16_t key) {
  TMenuState& menu = MenuRecord(app);
  if (key == kVkEscape) {
    if (menu.MenuPage == kMenuPageExit) {
      Play(app, kMenuNext);
      menu.MenuPage = menu.SavedPage;
    } else {
      Play(app, kMenuBack);
      menu.SavedPage = menu.MenuPage;
      menu.MenuPage = kMenuPageExit;
    }
  } else if (key == kVkBack && menu.MenuPage == kMenuPageName) {
    std::string& name = app.Settings.PlayerName;
    if (!name.empty()) name.pop_back();
  }
}

void MenuKeyPress(Application& app, std::uint8_t ch) {
  if (MenuRecord(app).MenuPage != kMenuPageName || ch < 32) return;
  std::string& name = app.Settings.PlayerName;
  if (name.size() < kMaxPlayerNameLength) name.push_back(static_cast<char>(ch));
}

void MenuClick(Application& app) {
  const std::uint8_t page = MenuRecord(app).MenuPage;
  if (page == kMenuPageMaps) ClickMapRows(app);
  const int button = ButtonAt(PageButtons(page), app.MousePos);
  switch (page) {
    case kMenuPageMain:
      ClickMain(app, button);
      break;
    case kMenuPageExit:
      ClickExit(app, button);
      break;
    case kMenuPageName:
      ClickName(app, button);
      break;
    case kMenuPageMaps:
      ClickMaps(app, button);
      break;
    case kMenuPageScores:
      ClickScores(app, button);
      break;
  }
}

}  // namespace sk
