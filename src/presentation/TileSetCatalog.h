// The catalogue of tile sets the chooser offers, and whether an add-on set
// is installed.
//
// A row is stored as five quoted fields joined by commas: family letter ("M"
// MahJong, "T" Matching), preview picture, add-on volume ("01", "02" or
// empty for built-in sets), set id (three digits for built-in sets) and the
// display name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace jw {

// All rows, built-in and add-on, in their stored order.
const std::vector<std::string>& AllTileSetRows();

// Field `index` (0..4) of a row: the text between the index-th and the next
// "," separator, outer quotes removed.
std::string TileSetRowField(std::string_view row, int index);

// The rows of one family ("01" MahJong, "02" Matching): its built-in rows in
// stored order, followed by its add-on rows sorted by their whole text.
std::vector<std::string> TileSetCatalog(std::string_view scoreType);

// Whether a row's set can be used: built-in rows always; an add-on row of
// volume NN when "gp/tNN.dat" in `programFolder` exists and names the set id
// with a value that is not blank, in section "MahJong type" or else
// "Matching type".
bool IsTileSetInstalled(std::string_view row, const std::string& programFolder);

}  // namespace jw
