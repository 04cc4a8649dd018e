#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>
#include <string_view>

#include "common/FileIo.h"
#include "game/demo/DemoEscapes.h"
#include "game/demo/DemoFormat.h"
#include "game/demo/DemoKeys.h"
#include "game/demo/DemoLimits.h"
#include "game/platform/InputEvent.h"
#include "game/render/Surface.h"

namespace sk {
namespace {

// A fault in one line; the reader adds the line number.
struct LineFault {
  std::string What;
};

[[noreturn]] void Fail(std::string what) { throw LineFault{std::move(what)}; }

// The words of one line, read left to right.
class Words {
 public:
  explicit Words(std::string_view line) : rest_(line) {}

  bool AtEnd() {
    SkipSpace();
    return rest_.empty();
  }
  std::string_view Word(const char* what) {
    if (AtEnd()) Fail(std::string("missing ") + what);
    const std::size_t end = rest_.find_first_of(" \t");
    const std::string_view word = rest_.substr(0, end);
    rest_.remove_prefix(word.size());
    return word;
  }
  std::string Quoted(const char* what);
  void End() {
    if (!AtEnd()) Fail("unexpected \"" + std::string(Word("")) + "\" at the end of the line");
  }

 private:
  void SkipSpace() {
    while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t'))
      rest_.remove_prefix(1);
  }
  std::string_view rest_;
};

std::string Words::Quoted(const char* what) {
  if (AtEnd() || rest_.front() != '"') Fail(std::string("missing ") + what + " in double quotes");
  std::string out;
  std::size_t i = 1;
  for (;; ++i) {
    if (i >= rest_.size()) Fail(std::string(what) + " has no closing double quote");
    const char c = rest_[i];
    if (c == '"') break;
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (i + 1 < rest_.size() && (rest_[i + 1] == '"' || rest_[i + 1] == '\\')) {
      out.push_back(rest_[++i]);
    } else if (i + 3 < rest_.size() && rest_[i + 1] == 'x' && HexValue(rest_[i + 2]) >= 0 &&
               HexValue(rest_[i + 3]) >= 0) {
      out.push_back(static_cast<char>(HexValue(rest_[i + 2]) * 16 + HexValue(rest_[i + 3])));
      i += 3;
    } else {
      Fail(std::string(what) + " holds an unknown escape; use \\\", \\\\ or \\xHH");
    }
  }
  rest_.remove_prefix(i + 1);
  return out;
}

template <typename T>
std::optional<T> Decimal(std::string_view text) {
  T value{};
  if (text.empty() || text.front() == '+') return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::uint32_t ReadTick(std::string_view text) {
  const auto allDigits = [](std::string_view t) {
    return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const bool positive = allDigits(text);
  if (!positive && !(text.starts_with("-") && allDigits(text.substr(1)))) {
    Fail("\"" + std::string(text) + "\" is not a tick number");
  }
  const auto tick = positive ? Decimal<std::uint64_t>(text) : std::nullopt;
  if (!tick || *tick > kMaxDemoTicks) {
    Fail("tick " + std::string(text) + " is out of range (0 to " + std::to_string(kMaxDemoTicks) +
         ")");
  }
  return static_cast<std::uint32_t>(*tick);
}

bool ReadBool(Words& words, const char* what) {
  const std::string_view w = words.Word(what);
  if (w == "0") return false;
  if (w == "1") return true;
  Fail(std::string(what) + " must be 0 or 1, not \"" + std::string(w) + "\"");
}

TFileIdentity ReadIdentity(Words& words) {
  TFileIdentity id;
  const std::string_view size = words.Word("file size");
  const auto value = Decimal<std::uint64_t>(size);
  if (!value) Fail("\"" + std::string(size) + "\" is not a file size");
  id.Size = *value;
  const std::string_view hash = words.Word("SHA-256");
  if (hash.size() != 64 || hash.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
    Fail("\"" + std::string(hash) + "\" is not a SHA-256 of 64 lower-case hexadecimal digits");
  }
  id.Sha256 = std::string(hash);
  return id;
}

std::int16_t ReadCoordinate(Words& words, const char* what, int limit) {
  const std::string_view text = words.Word(what);
  const auto value = Decimal<long long>(text);
  if (!value) Fail("\"" + std::string(text) + "\" is not a number");
  if (*value < 0 || *value >= limit) {
    Fail(std::string(what) + " " + std::string(text) + " is outside the " +
         std::to_string(kScreenWidth) + " x " + std::to_string(kScreenHeight) + " drawing area");
  }
  return static_cast<std::int16_t>(*value);
}

std::uint8_t ReadModifiers(std::string_view text) {
  std::uint8_t modifiers = 0;
  while (!text.empty()) {
    const std::size_t plus = text.find('+');
    const std::string_view name = text.substr(0, plus);
    if (name == "shift") {
      modifiers |= kShift;
    } else if (name == "ctrl") {
      modifiers |= kCtrl;
    } else if (name == "alt") {
      modifiers |= kAlt;
    } else {
      Fail("unknown modifier \"" + std::string(name) + "\" (shift, ctrl, alt)");
    }
    if (plus == std::string_view::npos) break;
    text.remove_prefix(plus + 1);
    if (text.empty()) Fail("a modifier is missing after \"+\"");
  }
  return modifiers;
}

std::uint8_t ReadCharacter(std::string_view text) {
  if (text.size() == 1 && text[0] > ' ' && text[0] < 0x7F)
    return static_cast<std::uint8_t>(text[0]);
  if (text.size() == 4 && text[0] == '\\' && text[1] == 'x' && HexValue(text[2]) >= 0 &&
      HexValue(text[3]) >= 0) {
    return static_cast<std::uint8_t>(HexValue(text[2]) * 16 + HexValue(text[3]));
  }
  Fail("character \"" + std::string(text) + "\" is neither one printable character nor \\xHH");
}

TDemoEvent ReadEvent(std::uint32_t tick, std::string_view kind, Words& words) {
  TDemoEvent e;
  e.Tick = tick;
  const auto inOut = [&](TDemoEventKind in, TDemoEventKind out) {
    const std::string_view w = words.Word("in or out");
    if (w == "in") return in;
    if (w == "out") return out;
    Fail("expected in or out, not \"" + std::string(w) + "\"");
  };
  if (kind == "key") {
    e.Kind = TDemoEventKind::Key;
    const std::string_view name = words.Word("key");
    const auto key = DemoKeyFromName(name);
    if (!key) Fail("unknown key \"" + std::string(name) + "\"");
    e.Key = *key;
    if (!words.AtEnd()) e.Modifiers = ReadModifiers(words.Word("modifiers"));
  } else if (kind == "char") {
    e.Kind = TDemoEventKind::Char;
    e.Character = ReadCharacter(words.Word("character"));
  } else if (kind == "move" || kind == "click") {
    e.Kind = kind == "move" ? TDemoEventKind::Move : TDemoEventKind::Click;
    e.X = ReadCoordinate(words, "x", kScreenWidth);
    e.Y = ReadCoordinate(words, "y", kScreenHeight);
  } else if (kind == "focus") {
    e.Kind = inOut(TDemoEventKind::FocusIn, TDemoEventKind::FocusOut);
  } else if (kind == "pointer") {
    e.Kind = inOut(TDemoEventKind::PointerIn, TDemoEventKind::PointerOut);
  } else if (kind == "nodraw") {
    e.Kind = TDemoEventKind::NoDraw;
  } else if (kind == "close") {
    e.Kind = TDemoEventKind::Close;
  } else {
    Fail("unknown event \"" + std::string(kind) + "\"");
  }
  words.End();
  return e;
}

// What the reader has seen so far, to refuse repeated or missing lines.
struct HeadSeen {
  bool Seed = false;
  bool Archive = false;
  std::vector<std::string> Settings;
  TDemoFileCheck Files;
  std::size_t Line = 0;  // the line being read
};

// Text settings travel through Skarveth.ini, which holds one value per line.
std::string SettingText(std::string text) {
  if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
    Fail("a setting's text may not hold a line break or a zero byte");
  }
  return text;
}

void ReadSetting(TDemo& demo, HeadSeen& seen, Words& words) {
  const std::string name(words.Word("setting name"));
  for (const std::string& s : seen.Settings) {
    if (s == name) Fail("setting " + name + " is given twice");
  }
  seen.Settings.push_back(name);
  TDemoSettings& s = demo.Settings;
  if (name == "FrameDelay") {
    const std::string_view text = words.Word("frame delay");
    const auto value = Decimal<std::int32_t>(text);
    if (!value) Fail("\"" + std::string(text) + "\" is not a frame delay");
    if (auto problem = FrameDelayProblem(*value)) Fail(*problem);
    s.FrameDelay = *value;
  } else if (name == "SkipIntro") {
    s.SkipIntro = ReadBool(words, "SkipIntro");
  } else if (name == "TestMap") {
    s.TestMap = SettingText(words.Quoted("the test map"));
    if (auto problem = DemoTestMapProblem(s.TestMap)) Fail(*problem);
  } else if (name == "DisableChat") {
    s.DisableChat = ReadBool(words, "DisableChat");
  } else if (name == "DisableSound") {
    s.DisableSound = ReadBool(words, "DisableSound");
  } else if (name == "DisableMusic") {
    s.DisableMusic = ReadBool(words, "DisableMusic");
  } else if (name == "Name") {
    s.Name = SettingText(words.Quoted("the name"));
  } else {
    Fail("unknown setting \"" + name + "\"");
  }
}

// Files are named inside their folder (Data/ or Maps/), never beside or above it.
std::string PlainName(std::string name) {
  if (!IsPlainFileName(name)) Fail("\"" + name + "\" is not a plain file name");
  return name;
}

TDemoScore ReadScore(Words& words) {
  TDemoScore score;
  score.Name = PlainName(words.Quoted("the score file's name"));
  const std::string_view content = words.Word("score file content");
  if (content == "missing") {
    score.Kind = TDemoScore::State::Missing;
  } else if (content == "unreadable") {
    score.Kind = TDemoScore::State::Unreadable;
  } else {
    score.Kind = TDemoScore::State::Present;
    if (content.size() % 2 != 0) Fail("the score file's bytes have an odd number of digits");
    for (std::size_t i = 0; i < content.size(); i += 2) {
      const int hi = HexValue(content[i]);
      const int lo = HexValue(content[i + 1]);
      if (hi < 0 || lo < 0) Fail("the score file's bytes are not hexadecimal");
      score.Bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    }
  }
  return score;
}

// A line before the first event; false when it is not a header line.
bool ReadHeadLine(TDemo& demo, HeadSeen& seen, std::string_view first, Words& words) {
  if (first == "seed") {
    if (seen.Seed) Fail("the seed is given twice");
    const std::string_view text = words.Word("seed");
    const auto seed = Decimal<std::uint32_t>(text);
    if (!seed) Fail("\"" + std::string(text) + "\" is not a seed (0 to 4294967295)");
    demo.Seed = *seed;
    seen.Seed = true;
  } else if (first == "setting") {
    ReadSetting(demo, seen, words);
  } else if (first == "archive") {
    if (seen.Archive) Fail("the archive is given twice");
    demo.Archive = ReadIdentity(words);
    seen.Archive = true;
  } else if (first == "override" || first == "map") {
    TDemoFile file;
    file.Name = PlainName(words.Quoted("the file name"));
    file.Identity = ReadIdentity(words);
    auto problem =
        first == "map" ? seen.Files.AddMap(file.Name) : seen.Files.AddOverride(file.Name);
    if (problem) Fail(*problem);
    (first == "map" ? demo.Maps : demo.Overrides).push_back(std::move(file));
  } else if (first == "testmap") {
    if (demo.TestMapFile) Fail("the test map is given twice");
    demo.TestMapFile = ReadIdentity(words);
  } else if (first == "score") {
    TDemoScore score = ReadScore(words);
    if (auto problem = seen.Files.AddScore(score, seen.Line)) Fail(*problem);
    demo.Scores.push_back(std::move(score));
  } else {
    return false;
  }
  words.End();
  return true;
}

// The head is complete: what needs all of it is checked now, reported at its own line.
void EndOfHead(const HeadSeen& seen, std::size_t& number) {
  if (const auto problem = seen.Files.CheckScores()) {
    number = problem->first;
    Fail(problem->second);
  }
}

std::string Line(std::size_t number, const std::string& what) {
  return "line " + std::to_string(number) + ": " + what;
}

}  // namespace

TDemoReadResult ParseDemo(std::istream& in) {
  TDemo demo;
  HeadSeen seen;
  std::string text;
  std::size_t number = 0;
  bool ended = false;
  try {
    while (std::getline(in, text)) {
      seen.Line = ++number;
      if (text.size() > kMaxDemoLineLength)
        Fail("the line is longer than " + std::to_string(kMaxDemoLineLength) + " characters");
      if (!text.empty() && text.back() == '\r') text.pop_back();
      if (number == 1) {
        const std::string magic = std::string(kDemoMagic) + " ";
        if (!text.starts_with(magic)) Fail("this is not a Skarveth demo");
        const std::string version = text.substr(magic.size());
        if (version != std::to_string(kDemoVersion)) {
          Fail("demo version " + version + " is not known (this game plays version " +
               std::to_string(kDemoVersion) + ")");
        }
        continue;
      }
      Words words(text);
      if (words.AtEnd()) continue;
      const std::string_view first = words.Word("");
      if (first.starts_with("#")) continue;
      if (ended) Fail("nothing may follow the end line");
      if (first == "end") {
        demo.EndTick = ReadTick(words.Word("end tick"));
        words.End();
        if (demo.Events.empty()) EndOfHead(seen, number);
        if (!demo.Events.empty() && demo.Events.back().Tick > demo.EndTick) {
          Fail("the demo ends at tick " + std::to_string(demo.EndTick) +
               ", before its last event at tick " + std::to_string(demo.Events.back().Tick));
        }
        ended = true;
        continue;
      }
      if (demo.Events.empty() && ReadHeadLine(demo, seen, first, words)) continue;
      if (first.empty() || first.find_first_not_of("-0123456789") != std::string_view::npos) {
        Fail(demo.Events.empty()
                 ? "unknown line \"" + std::string(first) + "\""
                 : "expected an event (a tick number first), not \"" + std::string(first) + "\"");
      }
      const std::uint32_t tick = ReadTick(first);
      if (!demo.Events.empty() && tick < demo.Events.back().Tick) {
        Fail("tick " + std::to_string(tick) + " comes after tick " +
             std::to_string(demo.Events.back().Tick) + ": events must be in tick order");
      }
      if (!seen.Seed || !seen.Archive)
        Fail("the seed and the archive must come before the first event");
      if (demo.Events.empty()) EndOfHead(seen, number);
      demo.Events.push_back(ReadEvent(tick, words.Word("event"), words));
    }
  } catch (const LineFault& fault) {
    return {std::nullopt, Line(number, fault.What)};
  }
  if (number == 0) return {std::nullopt, Line(1, "the file is empty")};
  if (!seen.Seed || !seen.Archive)
    return {std::nullopt, Line(number, "the demo has no seed or no archive line")};
  if (!ended) return {std::nullopt, Line(number, "the demo has no end line: it is cut short")};
  return {std::move(demo), {}};
}

TDemoReadResult ParseDemoText(const std::string& text) {
  std::istringstream in(text);
  return ParseDemo(in);
}

TDemoReadResult ReadDemoFile(const std::string& path) {
  if (GetFileKind(path) != FileKind::Regular) return {std::nullopt, "cannot read the demo " + path};
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {std::nullopt, "cannot read the demo " + path};
  if (static_cast<std::uint64_t>(in.tellg()) > kMaxDemoFileSize) {
    return {std::nullopt, "the demo " + path + " is larger than " +
                              std::to_string(kMaxDemoFileSize >> 20) +
                              " MB; no recording grows that big"};
  }
  in.seekg(0);
  return ParseDemo(in);
}

}  // namespace sk
