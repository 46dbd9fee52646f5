#pragma once
// Small sound files made on the spot for the sound tests, in a private
// folder removed with the object.
#include <filesystem>
#include <string>

class SoundFiles {
 public:
  SoundFiles();
  ~SoundFiles();
  SoundFiles(const SoundFiles&) = delete;
  SoundFiles& operator=(const SoundFiles&) = delete;

  // A sine tone as a 22050 Hz mono wave file; returns its path.
  std::string tone(const std::string& name, double seconds, double hz, float amplitude = 0.5f) const;
  // A MIDI file of two short clicks, at 0 s and at second_click seconds,
  // dry (no reverb), so that every onset in the output marks where the
  // piece is.
  std::string clicks(const std::string& name, double second_click) const;
  std::string write(const std::string& name, const std::string& contents) const;

  std::string path(const std::string& name) const { return (folder_ / name).string(); }

 private:
  std::filesystem::path folder_;
};
