// The random background: the list "Rnd_cfg.dat" of entries taking part in
// the draw and its marker "Rnd_read.dat", both in the data folder.
//
// "Rnd_cfg.dat" holds section "Backgrounds" with one key per selectable
// catalogue entry (codes above 0, own pictures and add-on pictures): the
// key is the entry's display text, the value "y" (taking part) or "n", a
// blank and the code ("Sky=y 410"). While "Rnd_read.dat" is missing the
// list is written afresh from the whole catalogue, every entry taking part.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/BackgroundCatalogue.h"

namespace jw {

inline constexpr std::string_view kRandomListFile = "Rnd_cfg.dat";
inline constexpr std::string_view kRandomMarkerFile = "Rnd_read.dat";
inline constexpr std::string_view kRandomListSection = "Backgrounds";

// The lines of a fresh "Rnd_cfg.dat" for `catalogue`: entries with equal
// display texts share one key, the later in catalogue order giving the
// value; texts that cannot be INI keys are left out. Every entry takes part
// unless `included` says otherwise.
std::vector<std::string> RandomListLines(
    const std::vector<BackgroundGroup>& catalogue,
    const std::function<bool(const BackgroundEntry&)>& included = {});

// Writes `lines` as "Rnd_cfg.dat" and creates the marker when it is missing.
bool WriteRandomList(std::string_view dataFolder, const std::vector<std::string>& lines);

// Whether each entry of "Rnd_cfg.dat" takes part, by key (its display
// text); entries the file does not name take part.
std::map<std::string, bool> RandomListInclusion(std::string_view dataFolder);

// Writes "Rnd_cfg.dat" and then the marker "Rnd_read.dat" when the marker
// is missing. False when a file could not be written.
bool EnsureRandomList(std::string_view dataFolder, const std::vector<BackgroundGroup>& catalogue);

// The entries of "Rnd_cfg.dat" taking part in the draw (value not
// beginning with "n"), as key and value.
std::vector<IniLine> RandomCandidates(std::string_view dataFolder);

// The code of a value: the number after its first two characters, 0 when
// that does not parse.
int RandomEntryCode(std::string_view value);

// Deletes the marker so that the list is rebuilt at the next pick.
void ForgetRandomList(std::string_view dataFolder);

}  // namespace jw
