// The drawings of the built-in backgrounds, one function per picture.
// Small pictures repeat seamlessly (the game tiles them); large ones are
// 1024 x 768 (the game stretches them over the board).
#pragma once

#include <QImage>

namespace artgen::bg {

inline constexpr int kLargeWidth = 1024;
inline constexpr int kLargeHeight = 768;
inline constexpr int kTile = 256;

// Nature and the large pictures.
QImage Sky();
QImage Ocean();
QImage Meadow();
QImage Algae();
QImage Abstract();
QImage Fantasy();
QImage Ribbon();

// Materials.
QImage Marble(bool green);
QImage WoodPlanks(int variant);  // 0 dark brown, 1 light, 2 light 02, 3 light brown
QImage PlyWood();
QImage CarvedWood();
QImage Stucco(int variant);  // 0..3
QImage Letters();
QImage Metallic();
QImage RoughPaper();
QImage FoldPaper();
QImage BlueMottle();
QImage Moquette();
QImage YellowLinen();

// Patterns, bricks, floors and fabrics.
QImage Bricks(int variant);  // 0..2
QImage Floor();
QImage Floor02();
QImage Parquet();
QImage Honeycomb();
QImage Zigzag();
QImage Bubbles();
QImage Abstract02();
QImage Puzzle();
QImage Carpet();
QImage Cloth();
QImage FlowerFabric();
QImage Tablecloth();
QImage Straw();
QImage Pattern(int variant);  // 0..3

}  // namespace artgen::bg
