// The player's comforts: keys, gamepad, skip, backlog, volume and the
// settings file, in a layer above the story. They watch what the story shows
// and act only by posting the input a mouse would, or by drawing over the
// presented frame; the story never calls them. The program's entry installs
// them unless --faithful is given.
#pragma once

#include <string>

#include "runtime/comforts/key_map.h"
#include "runtime/comforts/settings.h"
#include "runtime/comforts/volume.h"
#include "runtime/shell/command_line.h"

namespace comforts {

struct ComfortOptions {
  KeyMap keys = KeyMap::Defaults();
  Levels levels;
  bool skip_all = false;  // skip unread lines too
  bool gamepad = true;    // false: game controllers are ignored
  // The record of read lines is kept in the user's data folder; false keeps
  // it in memory for this run only (headless runs).
  bool keep_read_record = true;
  // Where changes made with the keys are written; empty: nowhere.
  std::string settings_path;
  Settings file_settings;  // what the file holds
  std::string file_text;   // the file as it was read
};

// The settings file that applies to a run and what it holds.
struct SettingsSource {
  std::string path;  // empty: no settings file
  Settings settings;
  std::string text;
  bool writable = false;  // false when the file is broken (never written over)
};

// Reads the run's settings file: --settings FILE, else the user's (none for a
// headless run). Problems go to standard error, one line each.
SettingsSource ReadSettings(const runtime::PlayerOptions& options);
// The display options the command line left open, from the settings file.
void ApplyDisplaySettings(const Settings& settings, runtime::PlayerOptions* options);
// The comforts' options: the command line over the settings over defaults.
ComfortOptions OptionsFor(const runtime::PlayerOptions& options, const SettingsSource& source);

// Installs the comforts into the message path, the end of every frame, the
// presentation and the mixer; Uninstall takes them out again and keeps the
// record of read lines.
void Install(const ComfortOptions& options);
void Uninstall();

}  // namespace comforts
