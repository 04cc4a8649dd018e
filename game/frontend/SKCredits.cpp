#include "game/frontend/SKCredits.h"

#include "game/frontend/CreditsDrawing.h"
#include "game/frontend/MenuDrawing.h"
#include "game/frontend/SKMenu.h"
#include "game/frontend/ScreenChanges.h"
#include "game/frontend/ScreenFrame.h"
#include "game/platform/InputEvent.h"
#include "game/shell/Application.h"
#include "game/shell/SKInit.h"

namespace sk {

const std::array<std::string_view, kCreditLineCount> CreditLines = {
    ". : : C O D E N A M E : S K A R V E T H : : .",
    "by",
    "Vosk Game Works",
    "---",
    "Vosk Game Works Are:",
    "Tobias Renvall and Mirela Dansk",
    "---",
    "< C O D E >",
    "Tobias Renvall",
    "< G F X >",
    "Mirela Dansk",
    "< S F X >",
    "Tobias Renvall",
    "< M A P S >",
    "Mirela Dansk",
    "---",
    "< S P E C I A L  T H A N K S >",
    "Everyone in the Greyfell Gaming Clan",
    "Anja Holmqvist for Testing Every Map Twice",
    "Kasper Lindroth for the Model Names",
    "Elif Sarman for the Sharpest Eyes",
    "Ruben Okafor for Lending Us His Mouse",
    "Oskar Halme for the Music",
    "The Makers of SDL2, SDL2_mixer and libopenmpt",
    "(Window, Input, Sound and Music)",
    "The Makers of libjpeg-turbo, FreeType and DejaVu",
    "(Pictures, Letters and Fonts)",
    "and Others...",
    "---",
    "Any Suggestions, Questions or Comments Please Send to:",
    "skarveth@vosk.example",
    "Updates, Download , New Maps and Information",
    "Are Available at Our Website:",
    "https://vosk.example/skarveth",
    "Don't Forget to Check Website of Our Enemies:",
    "https://rustfang-clan.example",
    "---",
    "Vosk Game Works, 2026",
};

void CreditsFrame(Application& app) {
  TCreditsState& credits = CreditsRecord(app);
  if (credits.CreditsHalfTick) {
    ++credits.CreditsCounter;
    credits.CreditsHalfTick = false;
  } else {
    credits.CreditsHalfTick = true;
  }
  // The scroll keeps its pace while nothing can be shown.
  if (app.DXDraw->CanDraw()) {
    DrawMenuBackground(app.Graphics, MenuRecord(app).BackgroundOffset, true);
    FillSurfaceRect(app.Graphics.BackSurface, kCreditsBand, 0);
    DrawCreditsText(ScreenFrame(app), credits);
    app.DXDraw->Flip();
  }
  if (credits.CreditsCounter >= kCreditsEnd) EnterMenu(app, kMenuPageMain);
}

void CreditsKeyDown(Application& app, std::uint16_t key) {
  if (key == kVkEscape) EnterMenu(app, kMenuPageMain);
}

void CreditsClick(Application& app) { EnterMenu(app, kMenuPageMain); }

}  // namespace sk
