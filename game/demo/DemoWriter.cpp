#include <sstream>

#include "common/Sha256.h"
#include "game/demo/DemoEscapes.h"
#include "game/demo/DemoFormat.h"
#include "game/demo/DemoKeys.h"
#include "game/platform/InputEvent.h"
#include "game/resources/SettingsTable.h"

namespace sk {
namespace {

std::string Identity(const TFileIdentity& id) { return std::to_string(id.Size) + " " + id.Sha256; }

std::string Modifiers(std::uint8_t modifiers) {
  std::string out;
  const auto add = [&](std::uint8_t bit, const char* name) {
    if ((modifiers & bit) == 0) return;
    if (!out.empty()) out += "+";
    out += name;
  };
  add(kShift, "shift");
  add(kCtrl, "ctrl");
  add(kAlt, "alt");
  return out;
}

std::string ScoreContent(const TDemoScore& score) {
  if (score.Kind == TDemoScore::State::Present) return HexDigits(score.Bytes);
  return score.Kind == TDemoScore::State::Missing ? "missing" : "unreadable";
}

}  // namespace

std::string FormatDemoHead(const TDemo& demo) {
  std::ostringstream out;
  out << kDemoMagic << ' ' << kDemoVersion << '\n';
  out << "seed " << demo.Seed << '\n';
  for (const TSettingRow* row : DemoSettingRows()) {
    out << "setting " << row->Key << ' ' << SettingValueText(demo.Settings, *row, QuoteDemoText)
        << '\n';
  }
  out << "archive " << Identity(demo.Archive) << '\n';
  for (const TDemoFile& f : demo.Overrides) {
    out << "override " << QuoteDemoText(f.Name) << ' ' << Identity(f.Identity) << '\n';
  }
  for (const TDemoFile& f : demo.Maps) {
    out << "map " << QuoteDemoText(f.Name) << ' ' << Identity(f.Identity) << '\n';
  }
  if (demo.TestMapFile) out << "testmap " << Identity(*demo.TestMapFile) << '\n';
  for (const TDemoScore& score : demo.Scores) {
    out << "score " << QuoteDemoText(score.Name) << ' ' << ScoreContent(score) << '\n';
  }
  return out.str();
}

std::string FormatDemoEvent(const TDemoEvent& e) {
  const std::string at = std::to_string(e.Tick) + " ";
  const auto xy = [&] { return std::to_string(e.X) + " " + std::to_string(e.Y) + "\n"; };
  switch (e.Kind) {
    case TDemoEventKind::Key:
      return at + "key " + DemoKeyName(e.Key) +
             (e.Modifiers != 0 ? " " + Modifiers(e.Modifiers) : "") + "\n";
    case TDemoEventKind::Char:
      return at + "char " + CharacterText(e.Character) + "\n";
    case TDemoEventKind::Move:
      return at + "move " + xy();
    case TDemoEventKind::Click:
      return at + "click " + xy();
    case TDemoEventKind::FocusIn:
      return at + "focus in\n";
    case TDemoEventKind::FocusOut:
      return at + "focus out\n";
    case TDemoEventKind::PointerIn:
      return at + "pointer in\n";
    case TDemoEventKind::PointerOut:
      return at + "pointer out\n";
    case TDemoEventKind::NoDraw:
      return at + "nodraw\n";
    case TDemoEventKind::Close:
      return at + "close\n";
  }
  return at + "\n";
}

std::string FormatDemoEnd(std::uint32_t endTick) { return "end " + std::to_string(endTick) + "\n"; }

std::string FormatDemo(const TDemo& demo) {
  std::string out = FormatDemoHead(demo);
  for (const TDemoEvent& e : demo.Events) out += FormatDemoEvent(e);
  return out + FormatDemoEnd(demo.EndTick);
}

}  // namespace sk
