// Fonts used by the artwork, loaded from their files so that the pictures do
// not depend on what the machine's font configuration would pick.
#pragma once

#include <QString>

namespace artgen {

struct FontSet {
    QString ming;   // serif CJK (AR PL UMing)
    QString kai;    // brush CJK (AR PL UKai)
    QString hei;    // sans CJK (WenQuanYi Zen Hei)
    QString emoji;  // colour pictures (Noto Color Emoji)
    QString sans;   // Latin sans (DejaVu Sans)
    QString sansBold;
};

// Loads the fonts once; returns false and names the missing file in `error`
// when one cannot be loaded.
bool LoadFonts(QString* error);

// The loaded families; valid after LoadFonts succeeded.
const FontSet& Fonts();

}  // namespace artgen
