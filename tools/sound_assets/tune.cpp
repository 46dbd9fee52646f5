#include "tools/sound_assets/tune.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "tools/sound_assets/midi_writer.h"

namespace assets {
namespace {

// A brisk tune in A minor at 120 beats a minute: fifty bars of four beats,
// one hundred seconds, so that it has ended before the game starts it again.
constexpr int kDivision = 480;
constexpr std::uint32_t kBeat = kDivision;
constexpr std::uint32_t kEighth = kBeat / 2;
constexpr std::uint32_t kSixteenth = kBeat / 4;
constexpr std::uint32_t kBar = 4 * kBeat;
constexpr double kTempo = 120.0;

// Channels, and the General MIDI programs (numbered from 0) they play.
enum Channel { kLead = 0, kHarp = 1, kStrings = 2, kBass = 3, kFlute = 4, kDrums = 9 };
enum Program { kSquareLead = 80, kOrchestralHarp = 46, kStringEnsemble = 48, kFingeredBass = 33, kFlutePatch = 73 };
enum Drum { kKick = 36, kSnare = 38, kSideStick = 37, kClosedHat = 42, kOpenHat = 46, kCrash = 49,
            kHighTom = 50, kMidTom = 47, kLowTom = 45 };

enum class Drums { kNone, kLight, kFull };
enum class Bass { kEighths, kHalves, kHeld };

struct Section {
  const char* chords;  // one chord a bar
  const char* melody;  // notes as name+octave/eighths, "r" a rest; bars split by '|' for the reader
  Drums drums;
  Bass bass;
  bool harp;
  bool flute_doubles;  // a flute plays the melody an octave below
};

// Main theme: two four-bar phrases, the second reaching higher and ending on
// the dominant to lead back in.
constexpr const char* kTheme =
    "E5/2 A5/2 G5/3 E5/1 | F5/2 E5/1 D5/1 C5/4 | E5/2 G5/2 C6/3 B5/1 | B5/2 A5/1 G5/1 D5/4 |"
    "E5/2 A5/2 G5/3 E5/1 | F5/2 A5/2 C6/2 B5/1 A5/1 | G5/2 F5/1 E5/1 D5/2 B4/2 | G#5/3 E5/1 B4/4";
constexpr const char* kThemeChords = "Am F C G Am F G E";

// Second theme: climbing runs, resting on the sixth, home through the dominant.
constexpr const char* kAnswer =
    "D5/1 E5/1 F5/2 A5/2 F5/2 | G5/3 F5/1 D5/4 | E5/1 F5/1 G5/2 C6/2 G5/2 | A5/6 r/2 |"
    "F5/1 E5/1 D5/2 F5/2 A5/2 | B5/3 A5/1 G#5/2 E5/2 | A5/2 E5/2 C5/2 E5/2 | A5/6 r/2";

// Bridge: long notes over a quieter band, rising to the dominant.
constexpr const char* kBridge =
    "C5/4 A4/4 | B4/4 D5/4 | E5/6 G5/2 | A5/8 |"
    "A5/3 G5/1 F5/4 | G5/3 F5/1 D5/4 | E5/4 G#5/4 | B5/8";

constexpr Section kSections[] = {
    {"Am F C G", "r/32", Drums::kLight, Bass::kEighths, true, false},
    {kThemeChords, kTheme, Drums::kFull, Bass::kEighths, true, false},
    {"Dm G C F Dm E Am Am", kAnswer, Drums::kFull, Bass::kEighths, true, false},
    {kThemeChords, kTheme, Drums::kFull, Bass::kEighths, true, true},
    {"F G Em Am F G E E", kBridge, Drums::kLight, Bass::kHalves, true, false},
    {kThemeChords, kTheme, Drums::kFull, Bass::kEighths, true, true},
    {"Am F G Am", "E5/4 C5/4 | D5/4 B4/4 | D5/2 C5/2 B4/2 G#4/2 | A4/8", Drums::kFull, Bass::kEighths, true, true},
    {"Am Am", "A4/14 r/2", Drums::kNone, Bass::kHeld, false, false},
};

int pitch_class(char letter) {
  static constexpr int kClasses[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (letter < 'A' || letter > 'G') throw std::invalid_argument(std::string("bad note letter ") + letter);
  return kClasses[letter - 'A'];
}

// "A4" is key 69, "G#5" key 80, "Bb3" key 58.
int key_of(std::string_view name) {
  int key = pitch_class(name.at(0));
  std::size_t i = 1;
  if (name.at(i) == '#' || name.at(i) == 'b') {
    key += name.at(i) == '#' ? 1 : -1;
    ++i;
  }
  return key + 12 * (std::stoi(std::string(name.substr(i))) + 1);
}

struct Note {
  int key;  // 0 for a rest
  std::uint32_t eighths;
};

std::vector<Note> parse_melody(const char* text) {
  std::string spaced = text;
  std::replace(spaced.begin(), spaced.end(), '|', ' ');  // bar lines are for the reader only
  std::vector<Note> notes;
  std::istringstream in(spaced);
  std::string token;
  while (in >> token) {
    const std::size_t slash = token.find('/');
    if (slash == std::string::npos) throw std::invalid_argument("note without length: " + token);
    const std::string name = token.substr(0, slash);
    notes.push_back({name == "r" ? 0 : key_of(name), static_cast<std::uint32_t>(std::stoul(token.substr(slash + 1)))});
  }
  return notes;
}

struct Chord {
  int root;   // pitch class
  int third;  // 3 minor, 4 major
};

std::vector<Chord> parse_chords(const char* text) {
  std::vector<Chord> chords;
  std::istringstream in(text);
  std::string name;
  while (in >> name) chords.push_back({pitch_class(name.at(0)), name.size() > 1 && name[1] == 'm' ? 3 : 4});
  return chords;
}

// The key of a pitch class placed in [low, low + 12).
int place(int pitch, int low) { return low + ((pitch - low) % 12 + 12) % 12; }

class Band {
 public:
  Band() {
    conductor_.name("Quorrelstead range");
    conductor_.time_signature(0, 4, 2);
    conductor_.tempo(0, kTempo);
    voice(lead_, kLead, kSquareLead, "Lead", 88, 64, 40);
    voice(harp_, kHarp, kOrchestralHarp, "Harp", 92, 40, 60);
    voice(strings_, kStrings, kStringEnsemble, "Strings", 72, 88, 80);
    voice(bass_, kBass, kFingeredBass, "Bass", 110, 64, 10);
    voice(flute_, kFlute, kFlutePatch, "Flute", 70, 84, 50);
    drums_.name("Drums");
    drums_.control(0, kDrums, 7, 100);
    drums_.control(0, kDrums, 91, 30);
  }

  void play(const Section& section, bool fill_at_end) {
    const std::vector<Chord> chords = parse_chords(section.chords);
    const std::uint32_t start = now_;
    for (std::size_t i = 0; i < chords.size(); ++i) {
      const std::uint32_t at = start + static_cast<std::uint32_t>(i) * kBar;
      const bool last_bar = i + 1 == chords.size();
      accompany(chords[i], at, section);
      drum_bar(at, section.drums, i == 0, last_bar && fill_at_end);
    }
    melody(section, start, static_cast<std::uint32_t>(chords.size()));
    now_ = start + static_cast<std::uint32_t>(chords.size()) * kBar;
  }

  std::string file() {
    std::vector<MidiTrack> tracks{conductor_, lead_, flute_, harp_, strings_, bass_, drums_};
    for (MidiTrack& track : tracks) track.end_at(now_);
    return midi_file(tracks, kDivision);
  }

 private:
  static void voice(MidiTrack& track, int channel, int program, const char* name, int volume, int pan, int reverb) {
    track.name(name);
    track.program(0, channel, program);
    track.control(0, channel, 7, volume);
    track.control(0, channel, 10, pan);
    track.control(0, channel, 91, reverb);
  }

  void melody(const Section& section, std::uint32_t start, std::uint32_t bars) {
    std::uint32_t at = start;
    for (const Note& note : parse_melody(section.melody)) {
      const std::uint32_t length = note.eighths * kEighth;
      if (note.key != 0) {
        // Slightly detached, and a little stronger on the beat.
        const int velocity = (at - start) % kBeat == 0 ? 100 : 88;
        lead_.note(at, length - kSixteenth / 2, kLead, note.key, velocity);
        if (section.flute_doubles) flute_.note(at, length - kSixteenth / 2, kFlute, note.key - 12, 80);
      }
      at += length;
    }
    if (at != start + bars * kBar) throw std::logic_error(std::string("melody does not fill its bars: ") + section.melody);
  }

  void accompany(const Chord& chord, std::uint32_t at, const Section& section) {
    const int tones[] = {chord.root, chord.root + chord.third, chord.root + 7};
    // Strings hold the chord in close position around middle C, so that the
    // voices barely move from chord to chord.
    const bool held = section.bass == Bass::kHeld;
    for (const int tone : tones) strings_.note(at, held ? kBar - kEighth : kBar, kStrings, place(tone, 55), held ? 60 : 52);

    if (section.harp) {
      static constexpr int kPattern[] = {0, 1, 2, 3, 2, 1, 2, 3};  // up and back over root, third, fifth, octave
      const int root = place(chord.root, 57);
      const int steps[] = {0, chord.third, 7, 12};
      for (std::uint32_t i = 0; i < 8; ++i) {
        harp_.note(at + i * kEighth, kEighth, kHarp, root + steps[kPattern[i]], i % 2 == 0 ? 72 : 58);
      }
    }

    const int root = place(chord.root, 33);  // A1 up to G#2
    switch (section.bass) {
      case Bass::kEighths: {
        static constexpr int kLine[] = {0, 0, 12, 0, 0, 7, 12, 7};
        for (std::uint32_t i = 0; i < 8; ++i) {
          bass_.note(at + i * kEighth, kEighth - kSixteenth / 2, kBass, root + kLine[i], i % 2 == 0 ? 105 : 84);
        }
        break;
      }
      case Bass::kHalves:
        bass_.note(at, 2 * kBeat - kSixteenth, kBass, root, 100);
        bass_.note(at + 2 * kBeat, 2 * kBeat - kSixteenth, kBass, root + 7, 92);
        break;
      case Bass::kHeld:
        bass_.note(at, kBar - kEighth, kBass, root, 96);
        break;
    }
  }

  void drum_bar(std::uint32_t at, Drums style, bool first_bar, bool fill) {
    if (first_bar && now_ > 0) drums_.note(at, kBeat, kDrums, kCrash, 100);
    if (style == Drums::kNone) return;
    const bool full = style == Drums::kFull;
    for (std::uint32_t i = 0; i < 8; ++i) {
      const std::uint32_t t = at + i * kEighth;
      if (fill && i >= 6) continue;  // the last beat belongs to the fill
      if (i == 0 || i == 4 || (full && i == 5)) drums_.note(t, kEighth, kDrums, kKick, i == 0 ? 112 : 100);
      if (i == 2 || i == 6) drums_.note(t, kEighth, kDrums, full ? kSnare : kSideStick, 100);
      if (full || i % 2 == 0) {
        const bool open = full && i == 7;
        drums_.note(t, kEighth, kDrums, open ? kOpenHat : kClosedHat, i % 2 == 0 ? 86 : 64);
      }
    }
    if (fill) {
      static constexpr int kFill[] = {kSnare, kHighTom, kMidTom, kLowTom};
      for (std::uint32_t i = 0; i < 4; ++i) {
        drums_.note(at + 3 * kBeat + i * kSixteenth, kSixteenth, kDrums, kFill[i], 90 + 6 * static_cast<int>(i));
      }
    }
  }

  MidiTrack conductor_, lead_, flute_, harp_, strings_, bass_, drums_;
  std::uint32_t now_ = 0;  // where the next section starts
};

}  // namespace

std::string background_music() {
  Band band;
  constexpr std::size_t kCount = sizeof kSections / sizeof kSections[0];
  for (std::size_t i = 0; i < kCount; ++i) {
    const bool next_has_drums = i + 1 < kCount && kSections[i + 1].drums != Drums::kNone;
    band.play(kSections[i], next_has_drums);
  }
  return band.file();
}

}  // namespace assets
